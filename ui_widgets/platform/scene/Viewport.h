#pragma once

#include "ui_widgets/platform/math/Vec.h"
#include "ui_widgets/platform/scene/Camera.h"

#include <QSize>
#include <QtGlobal>

#include <memory>

namespace Kairn::Graphics {

class IScene;
class VyrScene;

// One 3D view: its size in logical pixels (the unit of mouse positions), the device pixel ratio
// a renderer needs for its framebuffer, the scene shown and the camera looking at it. The camera
// follows the size; a resize notifies the camera's listeners. Not copyable.
class Viewport
{
public:
    Viewport();
    Viewport(int width, int height);
    explicit Viewport(const QSize& size);
    ~Viewport();
    Viewport(const Viewport&) = delete;
    Viewport& operator=(const Viewport&) = delete;

    IScene* getScene() const;
    VyrScene* scene() const { return m_scene.get(); }
    Camera* getCamera() { return &m_camera; }
    const Camera* getCamera() const { return &m_camera; }
    // Unit line of sight of the camera.
    Lumo::float3 getViewDirection() const { return m_camera.getViewDirection(); }

    // A non-positive size is ignored.
    void setSize(int width, int height);
    QSize size() const { return {m_camera.imageWidth(), m_camera.imageHeight()}; }
    void setDevicePixelRatio(qreal ratio);
    qreal devicePixelRatio() const { return m_devicePixelRatio; }
    QSize sizeInDevicePixels() const;

private:
    std::unique_ptr<VyrScene> m_scene;
    Camera m_camera;
    qreal m_devicePixelRatio = 1.0;
};

} // namespace Kairn::Graphics
