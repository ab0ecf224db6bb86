#pragma once

// Drives the widget library the way a host application does, for interaction tests.
//
// One harness is one 3D view: a QWidget (800 x 600 by default, mouse tracking on, as a host
// view has it), a Viewport of the same size whose perspective camera looks from (0, 0, 10) at the
// origin with +y up, and a Widget3DEventHandler for the two. Mouse events are real QMouseEvents
// sent to the view with QApplication::sendEvent; an event filter on the view forwards each one to
// the handler's mousePress / mouseMove / mouseRelease / mouseDoubleClick, exactly as a host
// forwards them, records whether the handler consumed it, and stops consumed events there.
//
// Positions are given as world points (projected through the camera to their sub-pixel screen
// position) or directly as screen points. The harness tracks the buttons held: a press adds its
// button, a release removes it, and moves carry the buttons still held. Modifiers are per event.
//
//     InteractionHarness h;
//     auto* w = MyWidget::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget);
//     EXPECT_TRUE(h.press(w->getPosition()));          // consumed by the widget
//     h.drag({0, 0, 0}, {1, 0, 0}, 4);                 // press, 4 moves, release
//     EXPECT_EQ(h.cursorShape(), Qt::ArrowCursor);
//
// Companions: SignalLog (the ordered signals of several widgets) and LiveInstanceCheck (node
// instance counters back to their start at the end of a test).

#include "ui_widgets/platform/math/Vec.h"

#include <QCursor>
#include <QEvent>
#include <QPointF>
#include <QSize>

#include <memory>
#include <vector>

class QWidget;

namespace Kairn::Graphics {
class Camera;
class Viewport;
class VyrScene;
} // namespace Kairn::Graphics

namespace Velto::UiWidget {
class Widget3DEventHandler;
}

namespace UiwTest {

// One event as the handler answered it.
struct HandlerResult
{
    QEvent::Type type;
    QPointF position;
    bool consumed;
};

class InteractionHarness
{
public:
    explicit InteractionHarness(QSize viewSize = QSize(800, 600));
    ~InteractionHarness();
    InteractionHarness(const InteractionHarness&) = delete;
    InteractionHarness& operator=(const InteractionHarness&) = delete;

    QWidget* view() const;
    Kairn::Graphics::Viewport* viewport() const;
    Kairn::Graphics::Camera* camera() const;
    Kairn::Graphics::VyrScene* scene() const;
    Velto::UiWidget::Widget3DEventHandler* handler() const;
    // Destroys the handler before the widgets that use it (lifetime tests); handler() is then null.
    void destroyHandler();

    // Sub-pixel screen position of a world point.
    QPointF screenPoint(const Lumo::float3& world) const;
    // Where the view ray through `screen` meets the plane through `planePoint` that faces the camera.
    Lumo::float3 pointOnViewPlane(const QPointF& screen, const Lumo::float3& planePoint) const;

    // Each returns whether the handler consumed the event.
    bool press(const Lumo::float3& world, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    bool move(const Lumo::float3& world, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    bool release(const Lumo::float3& world, Qt::MouseButton button = Qt::LeftButton,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // A single MouseButtonDblClick event (the press and release around it are not sent).
    bool doubleClick(const Lumo::float3& world, Qt::MouseButton button = Qt::LeftButton,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    bool pressAt(const QPointF& screen, Qt::MouseButton button = Qt::LeftButton,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    bool moveAt(const QPointF& screen, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    bool releaseAt(const QPointF& screen, Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    bool doubleClickAt(const QPointF& screen, Qt::MouseButton button = Qt::LeftButton,
                       Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // Press at `from`, `steps` moves along the straight screen line to `to` (the last one at
    // `to`), release at `to`. Returns the handler's answers to the moves, in order.
    std::vector<bool> drag(const Lumo::float3& from, const Lumo::float3& to, int steps,
                           Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // `steps` moves without pressing, the last one at `to`: the mouse passing over the view.
    std::vector<bool> moveAlong(const Lumo::float3& from, const Lumo::float3& to, int steps,
                                Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    Qt::MouseButtons buttonsHeld() const;
    const std::vector<HandlerResult>& results() const;
    void clearResults();

    QCursor viewCursor() const;
    Qt::CursorShape cursorShape() const;
    // Same shape, and for pixmap cursors the same image and hot spot.
    static bool sameCursor(const QCursor& a, const QCursor& b);

private:
    class Forwarder;

    bool send(QEvent::Type type, const QPointF& screen, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers modifiers);

    std::unique_ptr<QWidget> m_view;
    std::unique_ptr<Kairn::Graphics::Viewport> m_viewport;
    std::unique_ptr<Velto::UiWidget::Widget3DEventHandler> m_handler;
    std::unique_ptr<Forwarder> m_forwarder;
    Qt::MouseButtons m_buttons = Qt::NoButton;
    std::vector<HandlerResult> m_results;
};

} // namespace UiwTest
