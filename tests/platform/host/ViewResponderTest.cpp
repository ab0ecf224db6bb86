#include "ui_widgets/platform/host/ViewResponder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

using Velto::UiBase::ViewResponder;

namespace {

// Consumes left-button presses and releases; logs what it is given.
class PressResponder : public ViewResponder
{
public:
    using ViewResponder::ViewResponder;
    QStringList log;

    bool mousePress(QMouseEvent* event) override
    {
        log << "press";
        return event->button() == Qt::LeftButton;
    }
    bool mouseRelease(QMouseEvent* event) override
    {
        log << "release";
        return event->button() == Qt::LeftButton;
    }
    bool mouseDoubleClick(QMouseEvent*) override
    {
        log << "double-click";
        return false;
    }
};

class RecordingView : public QWidget
{
public:
    QStringList received;

protected:
    void mousePressEvent(QMouseEvent*) override { received << "press"; }
    void mouseReleaseEvent(QMouseEvent*) override { received << "release"; }
    void mouseDoubleClickEvent(QMouseEvent*) override { received << "double-click"; }
    void wheelEvent(QWheelEvent*) override { received << "wheel"; }
};

QMouseEvent mouseEvent(QEvent::Type type, Qt::MouseButton button)
{
    const QPointF at(10, 20);
    return QMouseEvent(type, at, at, button, type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                       Qt::NoModifier);
}

} // namespace

// As a view's event filter, the responder keeps the events it consumes from the view.
TEST(ViewResponderTest, ConsumedEventsDoNotReachTheFilteredView)
{
    RecordingView view;
    PressResponder responder(&view);
    view.installEventFilter(&responder);

    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QMouseEvent press = mouseEvent(QEvent::MouseButtonPress, button);
        QMouseEvent doubleClick = mouseEvent(QEvent::MouseButtonDblClick, button);
        QMouseEvent release = mouseEvent(QEvent::MouseButtonRelease, button);
        QApplication::sendEvent(&view, &press);
        QApplication::sendEvent(&view, &doubleClick);
        QApplication::sendEvent(&view, &release);
    }
    QWheelEvent wheel(QPointF(10, 20), QPointF(10, 20), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);

    EXPECT_EQ(responder.log, QStringList({"press", "double-click", "release", "press", "double-click", "release"}));
    EXPECT_EQ(view.received, QStringList({"double-click", "press", "double-click", "release", "wheel"}));
}
