#pragma once

#include "viewer/app/CameraNavigator.h"
#include "viewer/render/SceneRenderer.h"

#include "ui_widgets/platform/host/ViewResponder.h"
#include "ui_widgets/platform/scene/Viewport.h"

#include <QColor>
#include <QOpenGLWidget>
#include <QPointer>

#include <memory>
#include <optional>

namespace Viewer {

// The 3D view: draws its viewport's scene with the SceneRenderer and hands every mouse event to
// the responder (the widgets' event handler) first. Whatever the responder does not consume
// drives the view's own camera navigation. The viewport follows the widget's size in logical
// pixels (the unit of mouse positions) and its device pixel ratio, so picking and drawing agree
// on high-DPI screens.
class SceneView : public QOpenGLWidget
{
    Q_OBJECT

public:
    explicit SceneView(QWidget* parent = nullptr);
    ~SceneView() override;

    // OpenGL 3.3 core with multisampling: set as the default format before the first view exists.
    static QSurfaceFormat preferredFormat(int samples = 4);

    // Manhattan pixels the mouse may travel between the press and the release of a click.
    static constexpr int ClickTolerance = 3;

    Kairn::Graphics::Viewport& viewport() { return m_viewport; }
    Kairn::Graphics::Camera& camera() { return *m_viewport.getCamera(); }

    // The handler that sees mouse events before the navigation does; not owned.
    void setResponder(Velto::UiBase::ViewResponder* responder) { m_responder = responder; }

    void setBackgroundColor(const QColor& color);

    // Null until the view's OpenGL context exists.
    SceneRenderer* renderer() const { return m_renderer.get(); }
    // The shader compiler's messages when the renderer could not be set up, else empty.
    QString rendererError() const { return m_rendererError; }
    // How much of the widgets is on screen at full strength and how much faded behind the model,
    // from a frame drawn for the purpose; none without a renderer. The view is drawn again after.
    std::optional<SceneRenderer::WidgetVisibility> measureWidgetVisibility();
    // Wall-clock time of the last paintGL, including the wait for the GPU to finish.
    double lastFrameMilliseconds() const { return m_lastFrameMilliseconds; }

signals:
    // After each drawn frame; the camera or scene may have changed since the last one.
    void frameRendered();
    // A left click that no widget took: press and release within ClickTolerance pixels.
    void viewClicked(const QPointF& position);

protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // Keys go to the responder first (Escape cancels a widget drag there).
    void keyPressEvent(QKeyEvent* event) override;

private:
    void releaseRenderer();
    void syncViewportToWidget();

    Kairn::Graphics::Viewport m_viewport;
    CameraNavigator m_navigator;
    QPointer<Velto::UiBase::ViewResponder> m_responder;
    std::unique_ptr<SceneRenderer> m_renderer;
    QString m_rendererError;
    QColor m_background{QColor(46, 52, 60)};
    // Where a left press that no widget took went down, until the mouse travels too far for a click.
    std::optional<QPointF> m_clickStart;
    double m_lastFrameMilliseconds = 0.0;
};

} // namespace Viewer
