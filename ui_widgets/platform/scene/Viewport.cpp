#include "ui_widgets/platform/scene/Viewport.h"

#include "ui_widgets/platform/scene/VyrScene.h"

#include <cmath>

namespace Kairn::Graphics {

Viewport::Viewport() : m_scene(std::make_unique<VyrScene>())
{
}

Viewport::Viewport(int width, int height) : Viewport()
{
    setSize(width, height);
}

Viewport::Viewport(const QSize& size) : Viewport(size.width(), size.height())
{
}

Viewport::~Viewport() = default;

IScene* Viewport::getScene() const
{
    return m_scene.get();
}

void Viewport::setSize(int width, int height)
{
    if (width > 0 && height > 0)
        m_camera.setImageSize(width, height);
}

void Viewport::setDevicePixelRatio(qreal ratio)
{
    if (ratio > 0.0 && std::isfinite(ratio))
        m_devicePixelRatio = ratio;
}

QSize Viewport::sizeInDevicePixels() const
{
    return {qRound(m_camera.imageWidth() * m_devicePixelRatio), qRound(m_camera.imageHeight() * m_devicePixelRatio)};
}

} // namespace Kairn::Graphics
