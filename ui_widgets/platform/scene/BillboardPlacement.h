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
//   (pixels from the top-left) at the depth of the node's origin (screenPlane).
// Other kinds, or a non-positive scale factor, leave the transform as it is.
class BillboardPlacement
{
public:
    static Lumo::Objects::ADevMatrix apply(const Lumo::Graphics::Billboard& billboard,
                                           const Lumo::Objects::ADevMatrix& transform, const Camera& camera);

    // A plane facing the camera at a depth along the line of sight (the near plane's depth when
    // the given one lies nearer), as a frame in which one unit spans pixelsPerUnit pixels: its
    // origin projects to screenPoint, X runs to the right and Y up the screen, or down it with
    // yDown (pixel rows), and Z completes a right-handed frame. A unit ray through a screen
    // point meets the plane at the point that projects back to it. Returns false (and leaves
    // `placed` alone) when the camera cannot place the plane.
    static bool screenPlane(const Camera& camera, const Lumo::vec2<float>& screenPoint, float depth, float pixelsPerUnit,
                            bool yDown, Lumo::Objects::ADevMatrix& placed);
};

} // namespace Kairn::Graphics
