#pragma once

// One 3D view driven the way a host drives it: an 800 x 600 QWidget with mouse tracking, a
// Viewport whose camera looks from (0, 0, 10) at the origin with +y up, and a
// Widget3DEventHandler. Real QMouseEvents are sent to the view; an event filter forwards each to
// the handler, records whether it was consumed and stops consumed events. Presses add their
// button to the held buttons, releases remove it, moves carry the buttons still held.

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
    Kairn::Graphics::Camera* camera() const;
    Kairn::Graphics::VyrScene* scene() const;
    Velto::UiWidget::Widget3DEventHandler* handler() const;
    // Destroys the handler before the widgets that use it (lifetime tests); handler() is then null.
    void destroyHandler();
    // A new handler for the same view and viewport, replacing the current one (if any).
    void createHandler();

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
    // A double click as Qt delivers it: press, release, double-click (in place of the second
    // press), release. Returns whether the double-click was consumed.
    bool doubleClickInQtOrder(const Lumo::float3& world, Qt::MouseButton button = Qt::LeftButton);

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

    // A key press of the view, forwarded to the handler's keyPress; returns whether it was consumed.
    bool keyPress(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    const std::vector<HandlerResult>& results() const;

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
