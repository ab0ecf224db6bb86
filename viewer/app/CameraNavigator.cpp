#include "viewer/app/CameraNavigator.h"

#include "ui_widgets/platform/scene/Camera.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

namespace Viewer {

bool CameraNavigator::press(const QMouseEvent& event)
{
    if (m_mode != Mode::None)
        return true;
    if (event.button() == Qt::LeftButton)
        m_mode = event.modifiers().testFlag(Qt::ShiftModifier) ? Mode::Pan : Mode::Orbit;
    else if (event.button() == Qt::MiddleButton)
        m_mode = Mode::Pan;
    else if (event.button() == Qt::RightButton)
        m_mode = Mode::Zoom;
    else
        return false;
    m_lastPosition = event.position();
    m_camera.beginOperation();
    return true;
}

bool CameraNavigator::move(const QMouseEvent& event)
{
    if (m_mode == Mode::None)
        return false;
    const QPointF delta = event.position() - m_lastPosition;
    m_lastPosition = event.position();
    const auto dx = static_cast<float>(delta.x());
    const auto dy = static_cast<float>(delta.y());
    switch (m_mode) {
    case Mode::Orbit:
        // Dragging right turns the scene right, i.e. the eye left about the target.
        m_camera.orbit(-dx * OrbitPerPixel, -dy * OrbitPerPixel);
        break;
    case Mode::Pan:
        m_camera.pan(dx, dy);
        break;
    case Mode::Zoom:
        m_camera.zoom(std::pow(ZoomPerPixel, -dy));
        break;
    case Mode::None:
        break;
    }
    return true;
}

bool CameraNavigator::release()
{
    if (m_mode == Mode::None)
        return false;
    m_mode = Mode::None;
    m_camera.endOperation();
    return true;
}

bool CameraNavigator::wheel(const QWheelEvent& event)
{
    const float notches = static_cast<float>(event.angleDelta().y()) / 120.0f;
    if (notches == 0.0f)
        return false;
    m_camera.zoom(std::pow(ZoomPerNotch, notches));
    return true;
}

} // namespace Viewer
