#include "viewer/app/OpenGLProbe.h"

#include "viewer/app/SceneView.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

namespace Viewer {

QString OpenGLProbe::rendererName()
{
    QOpenGLContext context;
    context.setFormat(SceneView::preferredFormat(0));
    if (!context.create())
        return {};
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!context.makeCurrent(&surface))
        return {};
    const auto* name = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
    const QString result = name ? QString::fromLatin1(name) : QString();
    context.doneCurrent();
    return result;
}

bool OpenGLProbe::isSoftwareRenderer(const QString& rendererName)
{
    for (const char* software : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
        if (rendererName.contains(QLatin1String(software), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace Viewer
