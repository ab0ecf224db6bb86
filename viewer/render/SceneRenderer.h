#pragma once

#include "viewer/render/DrawItem.h"
#include "viewer/render/GeometryCache.h"
#include "viewer/render/ShaderLibrary.h"

#include <QColor>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QOpenGLVertexArrayObject>

#include <memory>
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
// The model is drawn straight into the target framebuffer, with whatever multisampling it has.
// The widget layers, thin rings and lines that need smooth edges most, are drawn into a
// multisampled buffer of their own (WidgetSamples per pixel), resolved and laid over the model:
// a software rasterizer thus spends multisampling on the few widget triangles and not on the
// hundreds of thousands of the model, and only within the rectangle the widgets cover.
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
        // Samples per pixel of the model's and of the widgets' framebuffer (0: none).
        int modelSamples = 0;
        int widgetSamples = 0;
    };
    const FrameStatistics& lastFrame() const { return m_lastFrame; }

    static constexpr int WidgetSamples = 4;

private:
    using ItemIterator = std::vector<DrawItem>::const_iterator;

    void drawPasses(ItemIterator begin, ItemIterator end, bool firstPassCleared);
    void draw(const DrawItem& item);
    // The device-pixel rectangle (GL's bottom-left origin) that the items can touch.
    QRect screenRectOf(ItemIterator begin, ItemIterator end) const;
    void prepareWidgetTarget(const QSize& devicePixels);
    void compositeWidgets(GLuint targetFramebuffer, const QRect& area);

    ShaderLibrary m_shaders;
    GeometryCache m_cache;
    QString m_errorLog;
    qreal m_cachedDevicePixelRatio = 0.0;
    QSize m_devicePixels;
    bool m_orthographic = false;
    std::unique_ptr<QOpenGLFramebufferObject> m_widgetTarget;
    std::unique_ptr<QOpenGLFramebufferObject> m_widgetImage;
    QOpenGLVertexArrayObject m_emptyVertexArray;
    FrameStatistics m_lastFrame;
};

} // namespace Viewer
