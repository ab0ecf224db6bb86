#pragma once

#include "ui_widgets/platform/math/SharedMatrix.h"
#include "ui_widgets/platform/math/Vector3.h"

namespace Kairn::Objects {

// A host object that a widget can scale directly: it reports two reference points and lets its
// world matrix be read and replaced.
class IVYRNode
{
public:
    virtual ~IVYRNode() = default;

    // centre: the world point that stays in place when the world matrix M is replaced by
    // M . Scale(f); handle: a world point on the object's extent where a handle can sit.
    virtual void getReferencePoints(Vector3<double>& centre, Vector3<double>& handle) const = 0;
    // The current world matrix (never null; the object keeps its own reference).
    virtual Lumo::Objects::SharedMatrix* getWorldMatrix() const = 0;
    // Takes over the matrix (a new one with no reference yet is kept alive by the object); null
    // is ignored.
    virtual void setWorldMatrix(Lumo::Objects::SharedMatrix* matrix) = 0;
};

} // namespace Kairn::Objects
