#pragma once

#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/scene/Billboard.h"

namespace Kairn::Graphics {

class Camera;

// Where a billboarded node is drawn and picked: the node's transform (local to world, constant
// screen size applied) turned to face the camera. Its children follow it.
// - Kind 0: the node keeps its origin and the lengths of its three axes; its X, Y and Z axes
//   become the camera's right, up and backward (toward the viewer) directions.
// - Kind 1: screen space. The node's frame becomes a plane facing the camera in which one unit is
//   FixedScaleFactor pixels, X to the right and Y up the screen, with its origin at the
//   AnchorPosition (a point of the node's own frame) or, with useScreenPosition, at ScreenPosition
//   (pixels from the top-left) at the depth of the node's origin.
// Other kinds, or a non-positive scale factor, leave the transform as it is.
class BillboardPlacement
{
public:
    static Lumo::Objects::ADevMatrix apply(const Lumo::Graphics::Billboard& billboard,
                                           const Lumo::Objects::ADevMatrix& transform, const Camera& camera);
};

} // namespace Kairn::Graphics
