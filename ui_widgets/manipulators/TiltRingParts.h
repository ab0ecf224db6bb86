#pragma once

namespace Velto::UiWidget {

class PlaneRotateWidget;
class Widget3DGroup;

// What the composites built around a tilt ring share.

// The three-axis blue of a tilt ring at rest and under the mouse, with the orange indicator.
void applyTiltRingColors(PlaneRotateWidget& ring);

// Completes a composite of a translate part and a tilt ring of the default radius: the ring,
// freshly initialised, is coloured, shown at rest, re-emitted as the composite's
// widgetAxisRotate(float, const Lumo::Objects::XLine<float>&) and added as the next child; a
// translucent disc filling the ring, unpickable and hidden, becomes the composite's own node;
// the composite gets its pale resting and hover colours, which the disc takes at each reset.
void addFillableTiltRing(Widget3DGroup& composite, PlaneRotateWidget* ring);

} // namespace Velto::UiWidget
