#pragma once

#include <QString>

namespace Viewer {

// Asks the platform's OpenGL which renderer it is, before any view exists, so that the viewer can
// choose the model's multisampling: worth it on a GPU, too slow for a software rasterizer drawing
// hundreds of thousands of triangles (the widgets are multisampled either way).
class OpenGLProbe
{
public:
    // The GL_RENDERER string of a 3.3 core context, or empty when none can be made.
    static QString rendererName();
    static bool isSoftwareRenderer(const QString& rendererName);
};

} // namespace Viewer
