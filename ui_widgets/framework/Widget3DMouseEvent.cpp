#include "ui_widgets/framework/Widget3DMouseEvent.h"

#include <cstdlib>

namespace Velto::UiWidget {

namespace {

const QMouseEvent& emptyMouseEvent()
{
    static const QMouseEvent empty(QEvent::None, QPointF(), QPointF(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    return empty;
}

} // namespace

Widget3DMouseEvent::Widget3DMouseEvent(const QMouseEvent* event)
    : QMouseEvent(event ? *event : emptyMouseEvent())
{
}

Widget3DMouseEvent::Widget3DMouseEvent(const Widget3DMouseEvent& other)
    : QMouseEvent(other)
    , graphicsNode(other.graphicsNode)
    , hitPoint(other.hitPoint)
{
}

Widget3DMouseEvent& Widget3DMouseEvent::operator=(const Widget3DMouseEvent& other)
{
    QMouseEvent::operator=(other);
    graphicsNode = other.graphicsNode;
    hitPoint = other.hitPoint;
    return *this;
}

Widget3DMouseEvent::~Widget3DMouseEvent() = default;

Widget3DMouseEvent* Widget3DMouseEvent::clone() const
{
    return new Widget3DMouseEvent(*this);
}

Lumo::vec2<float> Widget3DMouseEvent::screenPoint() const
{
    const QPointF p = position();
    return {float(p.x()), float(p.y())};
}

qint64 manhattanDistance(const QPoint& a, const QPoint& b)
{
    return std::abs(qint64(a.x()) - b.x()) + std::abs(qint64(a.y()) - b.y());
}

} // namespace Velto::UiWidget
