#include "viewer/app/SceneView.h"

#include "viewer/render/SceneRenderer.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QWheelEvent>

#include <utility>

namespace Viewer {

SceneView::SceneView(QWidget* parent)
    : QOpenGLWidget(parent)
    , m_navigator(*m_viewport.getCamera())
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
}

SceneView::~SceneView()
{
    releaseRenderer();
}

QSurfaceFormat SceneView::preferredFormat(int samples)
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    format.setSamples(samples);
    return format;
}

void SceneView::setBackgroundColor(const QColor& color)
{
    m_background = color;
    update();
}

void SceneView::initializeGL()
{
    releaseRenderer();
    m_renderer = std::make_unique<SceneRenderer>();
    m_rendererError = m_renderer->errorLog();
    if (!m_rendererError.isEmpty())
        m_renderer.reset();
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &SceneView::releaseRenderer,
            Qt::UniqueConnection);
}

void SceneView::releaseRenderer()
{
    if (!m_renderer)
        return;
    makeCurrent();
    m_renderer.reset();
    doneCurrent();
}

void SceneView::syncViewportToWidget()
{
    m_viewport.setDevicePixelRatio(devicePixelRatioF());
    if (m_viewport.size() != size())
        m_viewport.setSize(width(), height());
}

void SceneView::paintGL()
{
    QElapsedTimer timer;
    timer.start();
    syncViewportToWidget();
    if (m_renderer) {
        m_renderer->render(m_viewport, m_background);
    } else {
        auto* gl = context()->functions();
        gl->glClearColor(0.5f, 0.0f, 0.0f, 1.0f);
        gl->glClear(GL_COLOR_BUFFER_BIT);
    }
    context()->functions()->glFinish();
    m_lastFrameMilliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    emit frameRendered();
}

std::optional<SceneRenderer::WidgetVisibility> SceneView::measureWidgetVisibility()
{
    if (!m_renderer)
        return std::nullopt;
    // Binds the view's own framebuffer, the one paintGL draws into.
    makeCurrent();
    syncViewportToWidget();
    const SceneRenderer::WidgetVisibility visibility = m_renderer->measureWidgetVisibility(m_viewport, m_background);
    doneCurrent();
    update();
    return visibility;
}

void SceneView::mousePressEvent(QMouseEvent* event)
{
    syncViewportToWidget();
    setFocus(Qt::MouseFocusReason);
    m_clickStart.reset();
    if (!(m_responder && m_responder->mousePress(event))) {
        m_navigator.press(*event);
        if (event->button() == Qt::LeftButton)
            m_clickStart = event->position();
    }
    update();
}

void SceneView::mouseMoveEvent(QMouseEvent* event)
{
    syncViewportToWidget();
    const bool consumed = m_responder && m_responder->mouseMove(event);
    if (!consumed)
        m_navigator.move(*event);
    if (m_clickStart && (event->position() - *m_clickStart).manhattanLength() > ClickTolerance)
        m_clickStart.reset();
    update();
}

void SceneView::mouseReleaseEvent(QMouseEvent* event)
{
    syncViewportToWidget();
    if (m_responder)
        m_responder->mouseRelease(event);
    // A navigation drag began on a press no widget took; its release ends it either way.
    m_navigator.release();
    const std::optional<QPointF> clickStart = std::exchange(m_clickStart, std::nullopt);
    if (clickStart && event->button() == Qt::LeftButton
        && (event->position() - *clickStart).manhattanLength() <= ClickTolerance)
        emit viewClicked(event->position());
    update();
}

void SceneView::mouseDoubleClickEvent(QMouseEvent* event)
{
    syncViewportToWidget();
    if (m_responder)
        m_responder->mouseDoubleClick(event);
    update();
}

void SceneView::wheelEvent(QWheelEvent* event)
{
    if (!(m_responder && m_responder->mouseWheel(event)))
        m_navigator.wheel(*event);
    update();
}

void SceneView::keyPressEvent(QKeyEvent* event)
{
    if (m_responder && m_responder->keyPress(event)) {
        update();
        return;
    }
    QOpenGLWidget::keyPressEvent(event);
}

} // namespace Viewer
