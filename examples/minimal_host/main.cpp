// The shortest complete host: a view that owns its viewport and event handler, three arrows and
// a box they move. It draws nothing (a renderer is the host's own; viewer/ has one).
// `minimal_host --drag` pulls the X arrow one unit and exits with 0 if the box followed.
#include <ui_widgets/framework/Widget3DEventHandler.h>
#include <ui_widgets/manipulators/ThreeAxisTranslateWidget.h>
#include <ui_widgets/nodes/VyrBoxNode.h>
#include <ui_widgets/platform/math/AutoPtr.h>
#include <ui_widgets/platform/scene/Viewport.h>

#include <QApplication>
#include <QMouseEvent>
#include <cmath>
#include <cstdio>
#include <memory>

using namespace Velto::UiWidget;

class View : public QWidget
{
public:
    View() : viewport(640, 480), handler(this, &viewport)
    {
        resize(640, 480);
        setMouseTracking(true); // hover highlights need moves without a button held
        viewport.getCamera()->lookAt({2, 2, 6}, {0, 0, 0}, {0, 1, 0});
    }
    Kairn::Graphics::Viewport viewport;
    Widget3DEventHandler handler;

protected:
    void mousePressEvent(QMouseEvent* event) override { if (!handler.mousePress(event)) navigate(event); }
    void mouseMoveEvent(QMouseEvent* event) override { if (!handler.mouseMove(event)) navigate(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { if (!handler.mouseRelease(event)) navigate(event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { if (!handler.mouseDoubleClick(event)) navigate(event); }

private:
    // The host's own navigation, for what no widget consumed: a left drag orbits the camera.
    void navigate(QMouseEvent* event)
    {
        const QPointF delta = (lastPosition - event->position()) * 0.01;
        if (event->type() == QEvent::MouseMove && (event->buttons() & Qt::LeftButton))
            viewport.getCamera()->orbit(float(delta.x()), float(delta.y()));
        lastPosition = event->position();
    }
    QPointF lastPosition;
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    View view;
    // Made after the view, so destroyed before the viewport whose scene holds their nodes.
    std::unique_ptr<ThreeAxisTranslateWidget> arrows(
        ThreeAxisTranslateWidget::createWidget3D(&view.handler, Kairn::Graphics::SceneItemWidget));
    Lumo::Objects::AutoPtr<VyrBoxNode> box(
        VyrBoxNode::createAndAddGraphicsNode(view.viewport.getScene(), Kairn::Graphics::SceneItemModel));
    QObject::connect(arrows.get(), &ThreeAxisTranslateWidget::widgetThreeAxisTranslate,
                     [&](const Lumo::float3& step) { box->setPosition(box->getPosition() + step); });
    if (!app.arguments().contains("--drag")) {
        view.show();
        return app.exec();
    }
    const auto send = [&](QEvent::Type type, const Lumo::float3& world, Qt::MouseButtons buttons) {
        const Lumo::vec2<float> p = view.viewport.getCamera()->projectToScreen(world);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(p.x, p.y), view.mapToGlobal(QPointF(p.x, p.y)), button, buttons, {});
        QApplication::sendEvent(&view, &event);
    };
    send(QEvent::MouseButtonPress, {0.5f, 0, 0}, Qt::LeftButton); // half-way along the X arrow
    send(QEvent::MouseMove, {1.5f, 0, 0}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {1.5f, 0, 0}, Qt::NoButton);
    const Lumo::float3 moved = box->getPosition();
    std::printf("box moved to (%g, %g, %g)\n", moved.x, moved.y, moved.z);
    return std::abs(moved.x - 1) < 0.01f && moved.y == 0 && moved.z == 0 ? 0 : 1;
}
