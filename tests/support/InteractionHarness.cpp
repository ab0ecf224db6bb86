#include "tests/support/InteractionHarness.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/platform/math/Vector3.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrScene.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

namespace UiwTest {

// Stands where a host's view code stands: hands each mouse event of the view to the handler and
// lets the view see only what the handler did not consume.
class InteractionHarness::Forwarder : public QObject
{
public:
    explicit Forwarder(InteractionHarness& harness) : m_harness(harness) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        Velto::UiWidget::Widget3DEventHandler* handler = m_harness.handler();
        if (!handler)
            return false;
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress) {
            const bool consumed = handler->keyPress(static_cast<QKeyEvent*>(event));
            m_harness.m_results.push_back({type, QPointF(), consumed});
            return consumed;
        }
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease
            && type != QEvent::MouseButtonDblClick)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        bool consumed = false;
        switch (type) {
        case QEvent::MouseButtonPress: consumed = handler->mousePress(mouse); break;
        case QEvent::MouseMove: consumed = handler->mouseMove(mouse); break;
        case QEvent::MouseButtonRelease: consumed = handler->mouseRelease(mouse); break;
        default: consumed = handler->mouseDoubleClick(mouse); break;
        }
        m_harness.m_results.push_back({event->type(), mouse->position(), consumed});
        return consumed;
    }

private:
    InteractionHarness& m_harness;
};

InteractionHarness::InteractionHarness(QSize viewSize)
    : m_view(std::make_unique<QWidget>())
    , m_viewport(std::make_unique<Kairn::Graphics::Viewport>(viewSize))
{
    m_view->resize(viewSize);
    m_view->setMouseTracking(true);
    m_viewport->getCamera()->lookAt({0, 0, 10}, {0, 0, 0}, {0, 1, 0});
    createHandler();
    m_forwarder = std::make_unique<Forwarder>(*this);
    m_view->installEventFilter(m_forwarder.get());
}

InteractionHarness::~InteractionHarness()
{
    m_view->removeEventFilter(m_forwarder.get());
}

QWidget* InteractionHarness::view() const
{
    return m_view.get();
}

Kairn::Graphics::Camera* InteractionHarness::camera() const
{
    return m_viewport->getCamera();
}

Kairn::Graphics::VyrScene* InteractionHarness::scene() const
{
    return m_viewport->scene();
}

Velto::UiWidget::Widget3DEventHandler* InteractionHarness::handler() const
{
    return m_handler.get();
}

void InteractionHarness::destroyHandler()
{
    m_handler.reset();
}

void InteractionHarness::createHandler()
{
    m_handler.reset();
    m_handler = std::make_unique<Velto::UiWidget::Widget3DEventHandler>(m_view.get(), m_viewport.get());
}

QPointF InteractionHarness::screenPoint(const Lumo::float3& world) const
{
    const Lumo::vec2<float> p = m_viewport->getCamera()->projectToScreen(world);
    return {p.x, p.y};
}

Lumo::float3 InteractionHarness::pointOnViewPlane(const QPointF& screen, const Lumo::float3& planePoint) const
{
    using Vector3 = Kairn::Objects::Vector3<float>;
    const auto ray = m_viewport->getCamera()->getPickRay({float(screen.x()), float(screen.y())});
    const Vector3 normal = Vector3(m_viewport->getViewDirection());
    const float t = (Vector3(planePoint) - ray.origin()).dot(normal) / ray.direction().dot(normal);
    return ray.pointAt(t);
}

bool InteractionHarness::press(const Lumo::float3& world, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    return pressAt(screenPoint(world), button, modifiers);
}

bool InteractionHarness::move(const Lumo::float3& world, Qt::KeyboardModifiers modifiers)
{
    return moveAt(screenPoint(world), modifiers);
}

bool InteractionHarness::release(const Lumo::float3& world, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    return releaseAt(screenPoint(world), button, modifiers);
}

bool InteractionHarness::doubleClick(const Lumo::float3& world, Qt::MouseButton button,
                                     Qt::KeyboardModifiers modifiers)
{
    return doubleClickAt(screenPoint(world), button, modifiers);
}

bool InteractionHarness::doubleClickInQtOrder(const Lumo::float3& world, Qt::MouseButton button)
{
    press(world, button);
    release(world, button);
    const bool consumed = doubleClick(world, button);
    release(world, button);
    return consumed;
}

bool InteractionHarness::pressAt(const QPointF& screen, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    m_buttons |= button;
    return send(QEvent::MouseButtonPress, screen, button, m_buttons, modifiers);
}

bool InteractionHarness::moveAt(const QPointF& screen, Qt::KeyboardModifiers modifiers)
{
    return send(QEvent::MouseMove, screen, Qt::NoButton, m_buttons, modifiers);
}

bool InteractionHarness::releaseAt(const QPointF& screen, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    m_buttons &= ~Qt::MouseButtons(button);
    return send(QEvent::MouseButtonRelease, screen, button, m_buttons, modifiers);
}

bool InteractionHarness::doubleClickAt(const QPointF& screen, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    return send(QEvent::MouseButtonDblClick, screen, button, m_buttons | button, modifiers);
}

std::vector<bool> InteractionHarness::drag(const Lumo::float3& from, const Lumo::float3& to, int steps,
                                           Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    press(from, button, modifiers);
    std::vector<bool> moves = moveAlong(from, to, steps, modifiers);
    release(to, button, modifiers);
    return moves;
}

std::vector<bool> InteractionHarness::moveAlong(const Lumo::float3& from, const Lumo::float3& to, int steps,
                                                Qt::KeyboardModifiers modifiers)
{
    const QPointF start = screenPoint(from);
    const QPointF end = screenPoint(to);
    std::vector<bool> moves;
    for (int i = 1; i <= steps; ++i)
        moves.push_back(moveAt(i == steps ? end : start + (end - start) * (double(i) / steps), modifiers));
    return moves;
}

bool InteractionHarness::keyPress(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    const std::size_t answered = m_results.size();
    QApplication::sendEvent(m_view.get(), &event);
    return m_results.size() > answered && m_results.back().consumed;
}

const std::vector<HandlerResult>& InteractionHarness::results() const
{
    return m_results;
}

QCursor InteractionHarness::viewCursor() const
{
    return m_view->cursor();
}

Qt::CursorShape InteractionHarness::cursorShape() const
{
    return m_view->cursor().shape();
}

bool InteractionHarness::sameCursor(const QCursor& a, const QCursor& b)
{
    if (a.shape() != b.shape())
        return false;
    if (a.shape() != Qt::BitmapCursor)
        return true;
    return a.hotSpot() == b.hotSpot() && a.pixmap().toImage() == b.pixmap().toImage();
}

bool InteractionHarness::send(QEvent::Type type, const QPointF& screen, Qt::MouseButton button,
                              Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, screen, m_view->mapToGlobal(screen), button, buttons, modifiers);
    const std::size_t answered = m_results.size();
    QApplication::sendEvent(m_view.get(), &event);
    return m_results.size() > answered && m_results.back().consumed;
}

} // namespace UiwTest
