#include "ui_widgets/tracking/TrackingDragState.h"

#include "ui_widgets/framework/Widget3DMouseEvent.h"

namespace Velto::UiWidget {

bool TrackingDragState::press(const Widget3DMouseEvent& event, const Lumo::float3& widgetPosition,
                              Widget3DMouseEvent*& record)
{
    if (!event.buttons().testFlag(Qt::LeftButton))
        return false;
    auto* copy = new Widget3DMouseEvent(event);
    copy->hitPoint = widgetPosition;
    delete record;
    record = copy;
    return true;
}

bool TrackingDragState::isDragging(const Widget3DMouseEvent* record, const Widget3DMouseEvent& event)
{
    if (!record)
        return false;
    if (!m_dragging && manhattanDistance(record->pos(), event.pos()) > m_threshold)
        m_dragging = true;
    return m_dragging;
}

void TrackingDragState::release(Widget3DMouseEvent*& record)
{
    delete record;
    record = nullptr;
    m_dragging = false;
}

} // namespace Velto::UiWidget
