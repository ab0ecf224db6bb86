#pragma once

#include <QMatrix4x4>
#include <QVector4D>

class QOpenGLTexture;

namespace Viewer {

class GpuGeometry;

// One node's draw call, as the scene walk prepares it for the renderer: geometry, transforms,
// colours and where it falls in the draw order.
struct DrawItem
{
    enum class Style { Solid, Line, Text };

    Style style = Style::Solid;
    GpuGeometry* geometry = nullptr;
    QOpenGLTexture* texture = nullptr;
    QMatrix4x4 clipFromLocal;
    QMatrix4x4 viewFromLocal;
    QVector4D color{1, 1, 1, 1};
    QVector4D backgroundColor{0, 0, 0, 0};
    bool lit = false;
    // A flat fill (disc, polygon) that often lies on another surface, such as the base of a cone:
    // it is pulled a little toward the eye so that it wins instead of flickering against it.
    bool flatFill = false;
    // The local frame is mirrored (negative determinant), which turns the winding around.
    bool mirrored = false;
    // A widget layer's part: faded where the model is in front of it (not the model, not the overlay).
    bool fadesBehindModel = false;
    // Device pixels.
    float lineWidth = 1.0f;

    // Draw order: layer (model, widget layers, overlay), then render priority; each (layer,
    // priority) pass starts with a cleared depth buffer, so it lies on top of earlier ones.
    int layer = 0;
    int priority = 0;
    // Translucent items follow the opaque ones of their pass, farthest first.
    bool translucent = false;
    // Distance in front of the eye, for the back-to-front order.
    float depth = 0.0f;
    // Order of the scene walk: breaks ties so the order is stable from frame to frame.
    int sequence = 0;
};

} // namespace Viewer
