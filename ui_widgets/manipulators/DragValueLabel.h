#pragma once

#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/math/Vec.h"

#include <string>

namespace Kairn::Graphics {
class VyrScene;
}

namespace Velto::UiWidget {

class VyrMarginTextNode;

// The label that shows a handle's value while it is dragged (an angle, a distance, a factor):
// Arial margin text of `fontSize` on the overlay layer of `scene`, kept at a constant size on
// screen. It is not one of the widget's nodes; releasing the handle releases the label.
Lumo::Objects::AutoPtr<VyrMarginTextNode> createDragValueLabel(Kairn::Graphics::VyrScene* scene, float fontSize,
                                                              const Lumo::vec4<float>& color,
                                                              const Lumo::vec4<float>& background);

// A scale factor as the labels show it: "×1.25", two decimals.
std::wstring factorLabelText(float factor);

} // namespace Velto::UiWidget
