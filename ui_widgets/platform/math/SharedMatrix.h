#pragma once

#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/math/ARefCounted.h"
#include "ui_widgets/platform/math/HeapOperators.h"

namespace Lumo::Objects {

// A reference-counted ADevMatrix that several scene nodes hold at once: a change made through
// one holder is seen by all of them. Starts with a count of 0 like every ARefCounted.
class SharedMatrix : public ARefCounted, public HeapOperators
{
public:
    SharedMatrix() = default;
    explicit SharedMatrix(const ADevMatrix& matrix) : m_matrix(matrix) {}

    const ADevMatrix& matrix() const { return m_matrix; }
    void setMatrix(const ADevMatrix& matrix) { m_matrix = matrix; }

private:
    ADevMatrix m_matrix;
};

} // namespace Lumo::Objects
