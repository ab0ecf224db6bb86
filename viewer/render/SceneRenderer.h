#pragma once

#include "viewer/render/DrawItem.h"
#include "viewer/render/GeometryCache.h"
#include "viewer/render/ShaderLibrary.h"

#include <QColor>
#include <QOpenGLExtraFunctions>

#include <vector>

namespace Kairn::Graphics {
class Viewport;
}

namespace Viewer {

// Draws the scene of a viewport with OpenGL 3.3 core into the bound framebuffer: the model
// layer (item type 0) first, then the widget layers, then the overlay (item type 3), each pass
// over a cleared depth buffer, so that what is drawn later is on top, as picking assumes. Within
// a layer, higher render priorities come later in the same way. Opaque nodes are drawn in scene
// order, translucent ones after them, farthest first.
//
// Construct, render and destroy with the same OpenGL context current.
class SceneRenderer : protected QOpenGLExtraFunctions
{
public:
    SceneRenderer();
    ~SceneRenderer();
    SceneRenderer(const SceneRenderer&) = delete;
    SceneRenderer& operator=(const SceneRenderer&) = delete;

    // Empty when the shaders compiled; otherwise the renderer draws nothing.
    QString errorLog() const { return m_errorLog; }

    void render(Kairn::Graphics::Viewport& viewport, const QColor& background);

    struct FrameStatistics
    {
        int drawCalls = 0;
        int tessellations = 0;
        int cachedGeometries = 0;
    };
    const FrameStatistics& lastFrame() const { return m_lastFrame; }

private:
    void drawPass(std::vector<DrawItem>::const_iterator begin, std::vector<DrawItem>::const_iterator end,
                  const QSize& devicePixels, bool orthographic);
    void draw(const DrawItem& item, const QSize& devicePixels, bool orthographic);

    ShaderLibrary m_shaders;
    GeometryCache m_cache;
    QString m_errorLog;
    qreal m_cachedDevicePixelRatio = 0.0;
    FrameStatistics m_lastFrame;
};

} // namespace Viewer
