#include "ui_widgets/platform/host/ViewResponder.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace Velto::UiBase {

ViewResponder::ViewResponder(QObject* parent)
    : QObject(parent)
{
}

bool ViewResponder::dispatchEvent(QEvent* event)
{
    if (!event)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonDblClick: return mouseDoubleClick(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove: return mouseMove(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonPress: return mousePress(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease: return mouseRelease(static_cast<QMouseEvent*>(event));
    case QEvent::Wheel: return mouseWheel(static_cast<QWheelEvent*>(event));
    case QEvent::Enter: return mouseEnter(event);
    case QEvent::Leave: return mouseLeave(event);
    case QEvent::DragEnter: return mouseDragEnter(static_cast<QDragEnterEvent*>(event));
    case QEvent::DragLeave: return mouseDragLeave(static_cast<QDragLeaveEvent*>(event));
    case QEvent::DragMove: return mouseDragMove(static_cast<QDragMoveEvent*>(event));
    case QEvent::Drop: return mouseDrop(static_cast<QDropEvent*>(event));
    case QEvent::KeyPress: return keyPress(static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease: return keyRelease(static_cast<QKeyEvent*>(event));
    default: return false;
    }
}

bool ViewResponder::eventFilter(QObject*, QEvent* event)
{
    return dispatchEvent(event);
}

bool ViewResponder::mouseDoubleClick(QMouseEvent*) { return false; }
bool ViewResponder::mouseMove(QMouseEvent*) { return false; }
bool ViewResponder::mousePress(QMouseEvent*) { return false; }
bool ViewResponder::mouseRelease(QMouseEvent*) { return false; }
bool ViewResponder::mouseWheel(QWheelEvent*) { return false; }
bool ViewResponder::mouseEnter(QEvent*) { return false; }
bool ViewResponder::mouseLeave(QEvent*) { return false; }
bool ViewResponder::mouseDragEnter(QDragEnterEvent*) { return false; }
bool ViewResponder::mouseDragLeave(QDragLeaveEvent*) { return false; }
bool ViewResponder::mouseDragMove(QDragMoveEvent*) { return false; }
bool ViewResponder::mouseDrop(QDropEvent*) { return false; }
bool ViewResponder::keyPress(QKeyEvent*) { return false; }
bool ViewResponder::keyRelease(QKeyEvent*) { return false; }

} // namespace Velto::UiBase
