#include "viewer/render/SceneRenderer.h"

#include "viewer/render/DrawListBuilder.h"
#include "viewer/render/GpuGeometry.h"

#include "ui_widgets/platform/scene/Viewport.h"

#include <QOpenGLTexture>

#include <algorithm>
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
}

SceneRenderer::~SceneRenderer() = default;

void SceneRenderer::render(Kairn::Graphics::Viewport& viewport, const QColor& background)
{
    const QSize devicePixels = viewport.sizeInDevicePixels();
    glViewport(0, 0, devicePixels.width(), devicePixels.height());
    glDepthMask(GL_TRUE);
    glClearColor(background.redF(), background.greenF(), background.blueF(), 1.0f);
    glClearDepthf(1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    m_lastFrame = {};
    if (!m_errorLog.isEmpty())
        return;

    // Screen-space text is rasterized for the device pixel ratio: a new ratio needs new images.
    if (viewport.devicePixelRatio() != m_cachedDevicePixelRatio) {
        m_cache.clear();
        m_cachedDevicePixelRatio = viewport.devicePixelRatio();
    }
    m_cache.beginFrame();
    std::vector<DrawItem> items = DrawListBuilder(viewport, m_cache).build();
    m_cache.endFrame();
    m_lastFrame.tessellations = m_cache.tessellationsThisFrame();
    m_lastFrame.cachedGeometries = static_cast<int>(m_cache.size());

    std::stable_sort(items.begin(), items.end(), drawsBefore);

    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    const bool orthographic = viewport.getCamera()->isOrthographic();
    auto passBegin = items.cbegin();
    while (passBegin != items.cend()) {
        const auto passEnd = std::find_if(passBegin, items.cend(),
                                          [&](const DrawItem& item) { return !samePass(item, *passBegin); });
        if (passBegin != items.cbegin())
            glClear(GL_DEPTH_BUFFER_BIT);
        drawPass(passBegin, passEnd, devicePixels, orthographic);
        passBegin = passEnd;
    }
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
}

void SceneRenderer::drawPass(std::vector<DrawItem>::const_iterator begin, std::vector<DrawItem>::const_iterator end,
                             const QSize& devicePixels, bool orthographic)
{
    for (auto item = begin; item != end; ++item) {
        // Translucent surfaces must not hide what lies behind them and is drawn after them.
        glDepthMask(item->translucent ? GL_FALSE : GL_TRUE);
        draw(*item, devicePixels, orthographic);
    }
}

void SceneRenderer::draw(const DrawItem& item, const QSize& devicePixels, bool orthographic)
{
    if (!item.geometry || item.geometry->isEmpty())
        return;
    switch (item.style) {
    case DrawItem::Style::Solid: {
        QOpenGLShaderProgram& program = m_shaders.solid();
        program.bind();
        program.setUniformValue("clipFromLocal", item.clipFromLocal);
        program.setUniformValue("viewFromLocal", item.viewFromLocal);
        program.setUniformValue("normalFromLocal", item.viewFromLocal.normalMatrix());
        program.setUniformValue("color", item.color);
        program.setUniformValue("lit", item.lit);
        program.setUniformValue("orthographic", orthographic);
        break;
    }
    case DrawItem::Style::Line: {
        QOpenGLShaderProgram& program = m_shaders.line();
        program.bind();
        program.setUniformValue("clipFromLocal", item.clipFromLocal);
        program.setUniformValue("viewportSize", QVector2D(devicePixels.width(), devicePixels.height()));
        program.setUniformValue("lineWidth", item.lineWidth);
        program.setUniformValue("color", item.color);
        break;
    }
    case DrawItem::Style::Text: {
        if (!item.texture)
            return;
        QOpenGLShaderProgram& program = m_shaders.text();
        program.bind();
        program.setUniformValue("clipFromLocal", item.clipFromLocal);
        program.setUniformValue("textColor", item.color);
        program.setUniformValue("backgroundColor", item.backgroundColor);
        program.setUniformValue("glyphs", 0);
        item.texture->bind(0);
        break;
    }
    }
    item.geometry->draw(*this);
    ++m_lastFrame.drawCalls;
}

} // namespace Viewer
