#pragma once

#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/math/ARefCounted.h"
#include "ui_widgets/platform/math/HeapOperators.h"

#include <algorithm>
#include <vector>

namespace Lumo::Objects {

// A reference-counted ADevMatrix that several scene nodes hold at once: a change made through
// one holder is seen by all of them. Starts with a count of 0 like every ARefCounted.
//
// Holders that keep state after the matrix (a scene node's offset) register themselves; a step
// applied with transformBy is then reported to each of them, so they all move along with it.
// Writing the matrix with setMatrix only tells them that it changed (sharedMatrixReplaced).
class SharedMatrix : public ARefCounted, public HeapOperators
{
public:
    // Implemented by whoever keeps state derived from the matrix and must follow its steps.
    class Holder
    {
    public:
        // The matrix has just become matrix . step.
        virtual void sharedMatrixTransformedBy(const ADevMatrix& step) = 0;
        // The matrix was written with setMatrix or an assignment.
        virtual void sharedMatrixReplaced() {}

    protected:
        ~Holder() = default;
    };

    SharedMatrix() = default;
    explicit SharedMatrix(const ADevMatrix& matrix) : m_matrix(matrix) {}
    // A copy has the same matrix and no holders.
    SharedMatrix(const SharedMatrix& other) : ARefCounted(other), HeapOperators(other), m_matrix(other.m_matrix) {}
    SharedMatrix& operator=(const SharedMatrix& other)
    {
        setMatrix(other.m_matrix);
        return *this;
    }

    const ADevMatrix& matrix() const { return m_matrix; }
    void setMatrix(const ADevMatrix& matrix)
    {
        m_matrix = matrix;
        for (Holder* holder : m_holders)
            holder->sharedMatrixReplaced();
    }

    // matrix := matrix . step, then every holder is told, in the order they joined.
    void transformBy(const ADevMatrix& step)
    {
        m_matrix = ADevMatrix::Multiply(m_matrix, step);
        for (Holder* holder : m_holders)
            holder->sharedMatrixTransformedBy(step);
    }

    // A holder joins once; it must leave before it is destroyed.
    void addHolder(Holder* holder)
    {
        if (holder && std::find(m_holders.begin(), m_holders.end(), holder) == m_holders.end())
            m_holders.push_back(holder);
    }
    void removeHolder(Holder* holder) { std::erase(m_holders, holder); }

private:
    ADevMatrix m_matrix;
    std::vector<Holder*> m_holders;
};

} // namespace Lumo::Objects
