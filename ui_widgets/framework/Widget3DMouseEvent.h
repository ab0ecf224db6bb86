#pragma once

#include "ui_widgets/platform/math/Vec.h"

#include <QMouseEvent>

namespace Kairn::Graphics {
class VyrGraphicsNode;
}

namespace Velto::UiWidget {

// A mouse event of the 3D view together with what the event handler's pick found under it:
// the root node of the widget that was hit and the world point of the hit. Widgets read the
// screen position and buttons from the Qt part and the pick from the two added fields.
//
// Qt 6 keeps QMouseEvent's copy operations protected, so the record copies itself through its
// own constructor and assignment, and overrides clone() so that a copy made through the Qt base
// keeps the pick fields.
struct Widget3DMouseEvent : public QMouseEvent
{
    // Not owned: the node is kept alive by the widget it belongs to. Null when the pick found
    // nothing that belongs to a widget.
    Kairn::Graphics::VyrGraphicsNode* graphicsNode = nullptr;
    Lumo::float3 hitPoint{};

    // Copies the whole Qt state of `event`; the record keeps no reference to it. A null event
    // gives the record of an empty event: type None, position (0, 0), no buttons, no modifiers.
    explicit Widget3DMouseEvent(const QMouseEvent* event);
    Widget3DMouseEvent(const Widget3DMouseEvent& other);
    Widget3DMouseEvent& operator=(const Widget3DMouseEvent& other);
    ~Widget3DMouseEvent() override;

    Widget3DMouseEvent* clone() const override;

    // The view position in pixels from the top-left corner, as the pick and the widgets' rays
    // use it. It keeps the sub-pixel part of position(); for events of a real view both agree
    // with pos().
    Lumo::vec2<float> screenPoint() const;
};

// The Manhattan distance in pixels between two view positions, taken in 64 bits: positions far
// outside the view would overflow int when subtracted.
qint64 manhattanDistance(const QPoint& a, const QPoint& b);

} // namespace Velto::UiWidget
