#pragma once

#include "viewer/render/DrawItem.h"
#include "viewer/render/GeometryCache.h"
#include "viewer/render/ShaderLibrary.h"

#include <QColor>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QOpenGLTexture>
#include <QOpenGLVertexArrayObject>
#include <QRectF>
#include <QVector2D>

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace Kairn::Graphics {
class Viewport;
}

namespace Viewer {

// Draws the scene of a viewport with OpenGL 3.3 core into the bound framebuffer: the model
// layer (item type 0) first, then the widget layers, then the overlay (item type 3), each pass
// over a cleared depth buffer, so that what is drawn later is on top, as picking assumes. Within
// a layer, higher render priorities come later in the same way. Opaque nodes are drawn in scene
// order, translucent ones after them, farthest first. A widget is never lost behind the model:
// the parts of the widget layers that the model's depth would hide are drawn faded (at about a
// third of their opacity) instead, the parts in front at full strength; the overlay is never
// faded.
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

    // What a user sees of the widget layers and the overlay: the bounds of their drawn pixels
    // (logical pixels, top-left origin) and how many of those pixels are at full strength and
    // how many faded behind the model.
    struct WidgetVisibility
    {
        QRectF extent;
        int fullPixels = 0;
        int fadedPixels = 0;
    };
    // Renders a frame like render() does but with every widget pixel marked by whether it is
    // faded, and counts them. The target framebuffer then holds that marked frame: draw again
    // before showing it.
    WidgetVisibility measureWidgetVisibility(Kairn::Graphics::Viewport& viewport, const QColor& background);

private:
    using ItemIterator = std::vector<DrawItem>::const_iterator;

    void drawPasses(ItemIterator begin, ItemIterator end, bool firstPassCleared);
    void draw(const DrawItem& item);
    // Binds `program` for `item` and sets the uniforms that do not come with each item.
    QOpenGLShaderProgram& use(QOpenGLShaderProgram& program, const DrawItem& item);
    // The device-pixel rectangle (GL's bottom-left origin) that the items can touch.
    QRect screenRectOf(ItemIterator begin, ItemIterator end) const;
    void prepareWidgetTarget(const QSize& devicePixels);
    // Copies the model's depth within `area` out of `source` into m_modelDepth, the texture the
    // widget passes compare against.
    void copyModelDepth(GLuint source, const QRect& area);
    void compositeWidgets(GLuint targetFramebuffer, const QRect& area);

    ShaderLibrary m_shaders;
    GeometryCache m_cache;
    QString m_errorLog;
    qreal m_cachedDevicePixelRatio = 0.0;
    QSize m_devicePixels;
    bool m_orthographic = false;
    std::unique_ptr<QOpenGLFramebufferObject> m_widgetTarget;
    std::unique_ptr<QOpenGLFramebufferObject> m_widgetImage;
    std::unique_ptr<QOpenGLTexture> m_modelDepth;
    GLuint m_modelDepthFramebuffer = 0;
    bool m_modelDepthReady = false;
    // The projection's z row, for the shaders' eye distance of a window depth.
    QVector2D m_depthProjection;
    QRect m_widgetArea;
    bool m_markVisibility = false;
    QOpenGLVertexArrayObject m_emptyVertexArray;
    FrameStatistics m_lastFrame;
    std::vector<DrawItem> m_items;
    // The uniforms each program last got this frame, and the program bound last.
    struct ProgramState
    {
        quint64 frame = 0;
        std::optional<bool> fade;
        std::optional<bool> mark;
    };
    std::unordered_map<const QOpenGLShaderProgram*, ProgramState> m_programStates;
    const QOpenGLShaderProgram* m_boundProgram = nullptr;
    quint64 m_frameNumber = 0;
};

} // namespace Viewer
