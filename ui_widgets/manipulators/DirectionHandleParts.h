#pragma once

namespace Velto::UiWidget {

class RingAxisTranslateWidget;
class Widget3DGroup;

// Adds a freshly initialised ring handle as the composite's first child: light grey at rest,
// dark grey under the mouse, its steps re-emitted as the composite's
// widgetDirectionalAxisTranslate(const Lumo::float3&).
void addDirectionHandle(Widget3DGroup& composite, RingAxisTranslateWidget* handle);

} // namespace Velto::UiWidget
