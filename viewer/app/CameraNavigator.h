#pragma once

#include <QPointF>

class QMouseEvent;
class QWheelEvent;

namespace Kairn::Graphics {
class Camera;
}

namespace Viewer {

// The view's own navigation, run for the mouse events that no 3D widget consumed: the left button
// orbits about the target, the middle button (or Shift with the left) pans, the right button
// zooms with a vertical drag, the wheel zooms. A drag is one camera operation, so the camera's
// listeners see one began, the steps, and one ended.
class CameraNavigator
{
public:
    explicit CameraNavigator(Kairn::Graphics::Camera& camera) : m_camera(camera) {}

    // Each returns true when it changed or started to change the camera.
    bool press(const QMouseEvent& event);
    bool move(const QMouseEvent& event);
    bool release();
    bool wheel(const QWheelEvent& event);

    // Radians of orbit per pixel of mouse travel.
    static constexpr float OrbitPerPixel = 0.008f;
    // Zoom factor per pixel of right-button travel, and per wheel notch (120 units).
    static constexpr float ZoomPerPixel = 1.01f;
    static constexpr float ZoomPerNotch = 1.15f;

private:
    enum class Mode { None, Orbit, Pan, Zoom };

    Kairn::Graphics::Camera& m_camera;
    Mode m_mode = Mode::None;
    QPointF m_lastPosition;
};

} // namespace Viewer
