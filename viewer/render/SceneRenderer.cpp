#include "viewer/render/SceneRenderer.h"

#include "viewer/render/DrawListBuilder.h"
#include "viewer/render/GpuGeometry.h"
#include "viewer/render/MatrixConversion.h"

#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/SceneItemType.h"
#include "ui_widgets/platform/scene/Viewport.h"

#include <QOpenGLTexture>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace Viewer {

namespace {

bool drawsBefore(const DrawItem& a, const DrawItem& b)
{
    if (std::tie(a.layer, a.priority, a.translucent) != std::tie(b.layer, b.priority, b.translucent))
        return std::tie(a.layer, a.priority, a.translucent) < std::tie(b.layer, b.priority, b.translucent);
    if (a.translucent && a.depth != b.depth)
        return a.depth > b.depth;
    return a.sequence < b.sequence;
}

bool samePass(const DrawItem& a, const DrawItem& b)
{
    return a.layer == b.layer && a.priority == b.priority;
}

} // namespace

SceneRenderer::SceneRenderer()
    : m_cache(*this)
{
    initializeOpenGLFunctions();
    if (!m_shaders.create())
        m_errorLog = m_shaders.errorLog();
    m_emptyVertexArray.create();
}

SceneRenderer::~SceneRenderer()
{
    if (m_modelDepthFramebuffer)
        glDeleteFramebuffers(1, &m_modelDepthFramebuffer);
}

void SceneRenderer::render(Kairn::Graphics::Viewport& viewport, const QColor& background)
{
    GLint target = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &target);
    m_devicePixels = viewport.sizeInDevicePixels();
    m_orthographic = viewport.getCamera()->isOrthographic();
    const QMatrix4x4 projection = toQMatrix(viewport.getCamera()->projectionMatrix());
    m_depthProjection = QVector2D(projection(2, 2), projection(2, 3));
    glViewport(0, 0, m_devicePixels.width(), m_devicePixels.height());
    glDepthMask(GL_TRUE);
    glClearColor(background.redF(), background.greenF(), background.blueF(), 1.0f);
    glClearDepthf(1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    m_lastFrame = {};
    ++m_frameNumber;
    m_boundProgram = nullptr;
    glGetIntegerv(GL_SAMPLES, &m_lastFrame.modelSamples);
    if (!m_errorLog.isEmpty())
        return;

    // Screen-space text is rasterized for the device pixel ratio: a new ratio needs new images.
    if (viewport.devicePixelRatio() != m_cachedDevicePixelRatio) {
        m_cache.clear();
        m_cachedDevicePixelRatio = viewport.devicePixelRatio();
    }
    m_cache.beginFrame();
    DrawListBuilder(viewport, m_cache).build(m_items);
    const std::vector<DrawItem>& items = m_items;
    m_cache.endFrame();
    m_lastFrame.tessellations = m_cache.tessellationsThisFrame();
    m_lastFrame.cachedGeometries = static_cast<int>(m_cache.size());
    // The scene order breaks every tie, so a plain sort is stable and needs no buffer.
    std::sort(m_items.begin(), m_items.end(), drawsBefore);

    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_BLEND);
    // Colour blends "over"; alpha accumulates coverage, so that the widget image comes out
    // premultiplied for compositing.
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    const auto firstWidgetItem = std::find_if(items.cbegin(), items.cend(), [](const DrawItem& item) {
        return item.layer > Kairn::Graphics::SceneItemModel;
    });
    drawPasses(items.cbegin(), firstWidgetItem, true);
    const QRect widgetArea = screenRectOf(firstWidgetItem, items.cend());
    m_widgetArea = widgetArea;
    if (!widgetArea.isEmpty()) {
        prepareWidgetTarget(m_devicePixels);
        copyModelDepth(static_cast<GLuint>(target), widgetArea);
        m_widgetTarget->bind();
        glViewport(0, 0, m_devicePixels.width(), m_devicePixels.height());
        glEnable(GL_SCISSOR_TEST);
        glScissor(widgetArea.x(), widgetArea.y(), widgetArea.width(), widgetArea.height());
        glDepthMask(GL_TRUE);
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        glGetIntegerv(GL_SAMPLES, &m_lastFrame.widgetSamples);
        glActiveTexture(GL_TEXTURE1);
        glBindTexture(GL_TEXTURE_2D, m_modelDepth->textureId());
        glActiveTexture(GL_TEXTURE0);
        drawPasses(firstWidgetItem, items.cend(), true);
        glActiveTexture(GL_TEXTURE1);
        glBindTexture(GL_TEXTURE_2D, 0);
        glActiveTexture(GL_TEXTURE0);
        compositeWidgets(static_cast<GLuint>(target), widgetArea);
        glDisable(GL_SCISSOR_TEST);
    }
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(target));
}

void SceneRenderer::drawPasses(ItemIterator begin, ItemIterator end, bool firstPassCleared)
{
    bool cleared = firstPassCleared;
    auto passBegin = begin;
    while (passBegin != end) {
        const auto passEnd =
            std::find_if(passBegin, end, [&](const DrawItem& item) { return !samePass(item, *passBegin); });
        if (!cleared) {
            glDepthMask(GL_TRUE);
            glClear(GL_DEPTH_BUFFER_BIT);
        }
        cleared = false;
        for (auto item = passBegin; item != passEnd; ++item) {
            // Translucent surfaces must not hide what lies behind them and is drawn after them.
            glDepthMask(item->translucent ? GL_FALSE : GL_TRUE);
            draw(*item);
        }
        passBegin = passEnd;
    }
}

QRect SceneRenderer::screenRectOf(ItemIterator begin, ItemIterator end) const
{
    const QRect viewport(QPoint(0, 0), m_devicePixels);
    QRect area;
    for (auto item = begin; item != end; ++item) {
        if (!item->geometry || item->geometry->isEmpty())
            continue;
        const QVector3D low = item->geometry->boundsMinimum();
        const QVector3D high = item->geometry->boundsMaximum();
        // Lines grow by half their width around their points; two more pixels for the edge
        // samples of multisampling.
        const float margin = 0.5f * item->lineWidth + 2.0f;
        for (int corner = 0; corner < 8; ++corner) {
            const QVector4D clip = item->clipFromLocal * QVector4D(corner & 1 ? high.x() : low.x(),
                                                                   corner & 2 ? high.y() : low.y(),
                                                                   corner & 4 ? high.z() : low.z(), 1.0f);
            // A corner at or behind the eye can project anywhere.
            if (clip.w() <= 1e-6f)
                return viewport;
            const float x = (clip.x() / clip.w() * 0.5f + 0.5f) * static_cast<float>(m_devicePixels.width());
            const float y = (clip.y() / clip.w() * 0.5f + 0.5f) * static_cast<float>(m_devicePixels.height());
            area |= QRect(QPoint(static_cast<int>(std::floor(x - margin)), static_cast<int>(std::floor(y - margin))),
                          QPoint(static_cast<int>(std::ceil(x + margin)), static_cast<int>(std::ceil(y + margin))));
        }
    }
    return area & viewport;
}

void SceneRenderer::prepareWidgetTarget(const QSize& devicePixels)
{
    if (m_widgetTarget && m_widgetTarget->size() == devicePixels)
        return;
    QOpenGLFramebufferObjectFormat multisampled;
    multisampled.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
    multisampled.setSamples(WidgetSamples);
    m_widgetTarget = std::make_unique<QOpenGLFramebufferObject>(devicePixels, multisampled);
    m_widgetImage = std::make_unique<QOpenGLFramebufferObject>(devicePixels);
}

void SceneRenderer::copyModelDepth(GLuint source, const QRect& area)
{
    const bool created = !m_modelDepth || m_modelDepth->width() != m_devicePixels.width()
                         || m_modelDepth->height() != m_devicePixels.height();
    if (created) {
        // A depth blit needs the same depth and stencil formats on both sides: those of the target.
        glBindFramebuffer(GL_FRAMEBUFFER, source);
        GLint stencilBits = 0;
        glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, source ? GL_STENCIL_ATTACHMENT : GL_STENCIL,
                                              GL_FRAMEBUFFER_ATTACHMENT_STENCIL_SIZE, &stencilBits);
        const bool withStencil = stencilBits > 0;
        m_modelDepth = std::make_unique<QOpenGLTexture>(QOpenGLTexture::Target2D);
        m_modelDepth->setFormat(withStencil ? QOpenGLTexture::D24S8 : QOpenGLTexture::D24);
        m_modelDepth->setSize(m_devicePixels.width(), m_devicePixels.height());
        m_modelDepth->setMinMagFilters(QOpenGLTexture::Nearest, QOpenGLTexture::Nearest);
        m_modelDepth->allocateStorage(withStencil ? QOpenGLTexture::DepthStencil : QOpenGLTexture::Depth,
                                      withStencil ? QOpenGLTexture::UInt32_D24S8 : QOpenGLTexture::UInt32);
        if (!m_modelDepthFramebuffer)
            glGenFramebuffers(1, &m_modelDepthFramebuffer);
        glBindFramebuffer(GL_FRAMEBUFFER, m_modelDepthFramebuffer);
        glFramebufferTexture2D(GL_FRAMEBUFFER, withStencil ? GL_DEPTH_STENCIL_ATTACHMENT : GL_DEPTH_ATTACHMENT,
                               GL_TEXTURE_2D, m_modelDepth->textureId(), 0);
        glDrawBuffer(GL_NONE);
        glReadBuffer(GL_NONE);
        while (glGetError() != GL_NO_ERROR) {
        }
    } else if (!m_modelDepthReady) {
        return;
    }
    glBindFramebuffer(GL_READ_FRAMEBUFFER, source);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_modelDepthFramebuffer);
    glBlitFramebuffer(area.left(), area.top(), area.right() + 1, area.bottom() + 1, area.left(), area.top(),
                      area.right() + 1, area.bottom() + 1, GL_DEPTH_BUFFER_BIT, GL_NEAREST);
    // Where the copy cannot be made, widgets are drawn whole rather than faded by stale depth.
    if (created)
        m_modelDepthReady = glCheckFramebufferStatus(GL_DRAW_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE
                            && glGetError() == GL_NO_ERROR;
}

SceneRenderer::WidgetVisibility SceneRenderer::measureWidgetVisibility(Kairn::Graphics::Viewport& viewport,
                                                                       const QColor& background)
{
    GLint target = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &target);
    m_markVisibility = true;
    render(viewport, background);
    m_markVisibility = false;
    WidgetVisibility visibility;
    if (m_widgetArea.isEmpty() || !m_widgetImage)
        return visibility;
    QImage marked(m_widgetArea.size(), QImage::Format_RGBA8888);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, m_widgetImage->handle());
    glReadPixels(m_widgetArea.x(), m_widgetArea.y(), m_widgetArea.width(), m_widgetArea.height(), GL_RGBA,
                 GL_UNSIGNED_BYTE, marked.bits());
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(target));
    QRect drawn;
    for (int row = 0; row < marked.height(); ++row) {
        const uchar* pixel = marked.constScanLine(row);
        for (int column = 0; column < marked.width(); ++column, pixel += 4) {
            // Edge pixels of multisampling count when most of them is covered.
            if (pixel[3] < 128)
                continue;
            ++(pixel[0] >= pixel[1] ? visibility.fullPixels : visibility.fadedPixels);
            drawn |= QRect(column, row, 1, 1);
        }
    }
    if (drawn.isEmpty())
        return visibility;
    // Rows were read bottom-up from the area's bottom edge; the extent is top-down in logical pixels.
    const qreal ratio = m_cachedDevicePixelRatio > 0.0 ? m_cachedDevicePixelRatio : 1.0;
    const int top = m_devicePixels.height() - (m_widgetArea.y() + drawn.bottom() + 1);
    visibility.extent = QRectF(QPointF(m_widgetArea.x() + drawn.x(), top) / ratio, QSizeF(drawn.size()) / ratio);
    return visibility;
}

void SceneRenderer::compositeWidgets(GLuint targetFramebuffer, const QRect& area)
{
    QOpenGLFramebufferObject::blitFramebuffer(m_widgetImage.get(), area, m_widgetTarget.get(), area);
    glBindFramebuffer(GL_FRAMEBUFFER, targetFramebuffer);
    glViewport(0, 0, m_devicePixels.width(), m_devicePixels.height());
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    QOpenGLShaderProgram& program = m_shaders.composite();
    program.bind();
    m_boundProgram = &program;
    program.setUniformValue("image", 0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, m_widgetImage->texture());
    m_emptyVertexArray.bind();
    glDrawArrays(GL_TRIANGLES, 0, 3);
    m_emptyVertexArray.release();
    glBindTexture(GL_TEXTURE_2D, 0);
    glEnable(GL_DEPTH_TEST);
}

QOpenGLShaderProgram& SceneRenderer::use(QOpenGLShaderProgram& program, const DrawItem& item)
{
    // A software rasterizer pays for every program switch and uniform upload of thousands of
    // draws: only what changed since the last draw with this program is set.
    if (&program != m_boundProgram) {
        program.bind();
        m_boundProgram = &program;
    }
    ProgramState& state = m_programStates[&program];
    if (state.frame != m_frameNumber) {
        state = {m_frameNumber};
        program.setUniformValue("modelDepth", 1);
        program.setUniformValue("glyphs", 0);
        program.setUniformValue("depthProjection", m_depthProjection);
        program.setUniformValue("linearDepth", m_orthographic);
        program.setUniformValue("orthographic", m_orthographic);
        program.setUniformValue("viewportSize", QVector2D(m_devicePixels.width(), m_devicePixels.height()));
    }
    const bool fade = item.fadesBehindModel && m_modelDepthReady;
    const bool mark = m_markVisibility && item.layer > Kairn::Graphics::SceneItemModel;
    if (state.fade != fade)
        program.setUniformValue("fadeBehindModel", *(state.fade = fade));
    if (state.mark != mark)
        program.setUniformValue("markVisibility", *(state.mark = mark));
    return program;
}

void SceneRenderer::draw(const DrawItem& item)
{
    if (!item.geometry || item.geometry->isEmpty())
        return;
    switch (item.style) {
    case DrawItem::Style::Solid: {
        // Dense meshes are lit per vertex: their triangles are a few pixels across anyway.
        const bool perVertex = item.lit && item.geometry->isDense();
        QOpenGLShaderProgram& program = use(perVertex ? m_shaders.vertexLit() : m_shaders.solid(), item);
        program.setUniformValue("clipFromLocal", item.clipFromLocal);
        program.setUniformValue("viewFromLocal", item.viewFromLocal);
        program.setUniformValue("normalFromLocal", item.viewFromLocal.normalMatrix());
        program.setUniformValue("color", item.color);
        if (!perVertex)
            program.setUniformValue("lit", item.lit);
        const auto hidden = item.geometry->hiddenFaces();
        if (hidden == Tessellation::HiddenFaces::None) {
            glDisable(GL_CULL_FACE);
        } else {
            // With counter-clockwise front faces, the back of an outside wound counter-clockwise
            // is what the culling of GL_BACK removes; a mirror turns it around.
            const bool backIsHidden = (hidden == Tessellation::HiddenFaces::Clockwise) != item.mirrored;
            glEnable(GL_CULL_FACE);
            glFrontFace(GL_CCW);
            glCullFace(backIsHidden ? GL_BACK : GL_FRONT);
        }
        break;
    }
    case DrawItem::Style::Line: {
        glDisable(GL_CULL_FACE);
        QOpenGLShaderProgram& program = use(m_shaders.line(), item);
        program.setUniformValue("clipFromLocal", item.clipFromLocal);
        program.setUniformValue("lineWidth", item.lineWidth);
        program.setUniformValue("color", item.color);
        break;
    }
    case DrawItem::Style::Text: {
        if (!item.texture)
            return;
        glDisable(GL_CULL_FACE);
        QOpenGLShaderProgram& program = use(m_shaders.text(), item);
        program.setUniformValue("clipFromLocal", item.clipFromLocal);
        program.setUniformValue("textColor", item.color);
        program.setUniformValue("backgroundColor", item.backgroundColor);
        item.texture->bind(0);
        break;
    }
    }
    if (item.flatFill) {
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(-1.0f, -2.0f);
    }
    item.geometry->draw(*this);
    glDisable(GL_POLYGON_OFFSET_FILL);
    ++m_lastFrame.drawCalls;
}

} // namespace Viewer
