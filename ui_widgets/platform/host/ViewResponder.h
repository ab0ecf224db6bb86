#pragma once

#include <QObject>

class QDragEnterEvent;
class QDragLeaveEvent;
class QDragMoveEvent;
class QDropEvent;
class QEvent;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

namespace Velto::UiBase {

// Receives the input events of one view and answers, for each, whether it consumed it. A view
// that gets false runs its own handling (navigation, context menu, ...) as if no responder were
// there. Every operation of this base consumes nothing; subclasses override the ones they need.
//
// A host delivers events either by calling the operations from its view's event handlers, or by
// installing the responder as an event filter of the view:
//
//     auto* responder = new MyResponder(view);
//     view->installEventFilter(responder);   // consumed events no longer reach the view
//
// The responder does not own or watch the view; the host keeps both alive together.
class ViewResponder : public QObject
{
    Q_OBJECT

public:
    explicit ViewResponder(QObject* parent = nullptr);

    // Routes `event` to the operation of its type and returns that operation's answer; event
    // types without an operation, and a null event, are not consumed.
    bool dispatchEvent(QEvent* event);

    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    virtual bool mouseDoubleClick(QMouseEvent* event);
    virtual bool mouseMove(QMouseEvent* event);
    virtual bool mousePress(QMouseEvent* event);
    virtual bool mouseRelease(QMouseEvent* event);
    virtual bool mouseWheel(QWheelEvent* event);
    virtual bool mouseEnter(QEvent* event);
    virtual bool mouseLeave(QEvent* event);
    virtual bool mouseDragEnter(QDragEnterEvent* event);
    virtual bool mouseDragLeave(QDragLeaveEvent* event);
    virtual bool mouseDragMove(QDragMoveEvent* event);
    virtual bool mouseDrop(QDropEvent* event);
    virtual bool keyPress(QKeyEvent* event);
    virtual bool keyRelease(QKeyEvent* event);
};

} // namespace Velto::UiBase
