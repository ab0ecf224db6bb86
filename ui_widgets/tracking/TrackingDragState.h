#pragma once

#include "ui_widgets/platform/math/Vec.h"

namespace Velto::UiWidget {

struct Widget3DMouseEvent;

// The press-then-threshold life of a tracking drag, shared by the mouse and surface tracking
// widgets. A left press is recorded together with the widget's position at that moment; the drag
// starts on the first move whose Manhattan distance in pixels from the press exceeds the
// threshold (strictly), so that a plain click never moves the widget; the release ends it.
class TrackingDragState
{
public:
    int threshold() const { return m_threshold; }
    // No range check: 0 lets any move that leaves the press pixel start the drag.
    void setThreshold(int pixels) { m_threshold = pixels; }

    // For a press with the left button held: replaces `record` (the widget's owned press record)
    // by a copy of `event` whose hit point is `widgetPosition`, and returns true. Other presses
    // change nothing and return false.
    bool press(const Widget3DMouseEvent& event, const Lumo::float3& widgetPosition, Widget3DMouseEvent*& record);
    // Whether the press in `record` has become a drag by the time of `event`. False without a
    // press.
    bool isDragging(const Widget3DMouseEvent* record, const Widget3DMouseEvent& event);
    // Deletes the press record and ends the drag.
    void release(Widget3DMouseEvent*& record);

private:
    int m_threshold = 5;
    bool m_dragging = false;
};

} // namespace Velto::UiWidget
