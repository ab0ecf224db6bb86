#include "ui_widgets/platform/scene/Camera.h"

#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/scene/CameraChangeProtocol.h"

#include <algorithm>
#include <cmath>

namespace Kairn::Graphics {

namespace {

constexpr float minimumFieldOfView = 1e-4f;
constexpr float maximumFieldOfView = 3.1f;

bool isUsableDirection(const Lumo::float3& v)
{
    return !(Lumo::normalized(v) == Lumo::float3{});
}

} // namespace

Camera::Camera()
{
    updateFrame();
}

template<class Change>
void Camera::change(Change&& apply)
{
    const bool single = m_operationDepth == 0;
    if (single)
        notify(Event::Began);
    apply();
    updateFrame();
    notify(Event::Changed);
    if (single)
        notify(Event::Ended);
}

void Camera::notify(Event event)
{
    // A listener may remove itself (or others) while being notified.
    const std::vector<CameraChangeProtocol*> listeners = m_listeners;
    for (CameraChangeProtocol* listener : listeners) {
        if (std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
            continue;
        switch (event) {
        case Event::Began:
            listener->cameraOperationBegan(m_parameters);
            break;
        case Event::Changed:
            listener->cameraParametersChanged(m_parameters);
            break;
        case Event::Ended:
            listener->cameraOperationEnded(m_parameters);
            break;
        }
    }
}

void Camera::updateFrame()
{
    Lumo::float3 forward = Lumo::normalized(m_parameters.target - m_parameters.eye);
    if (forward == Lumo::float3{})
        forward = m_forward;
    Lumo::float3 right = Lumo::normalized(Lumo::cross(forward, m_parameters.up));
    if (right == Lumo::float3{}) {
        // The up hint runs along the line of sight: keep the previous right axis if it still
        // fits, else take any perpendicular.
        right = Lumo::normalized(m_right - forward * Lumo::dot(m_right, forward));
        if (right == Lumo::float3{})
            right = Kairn::Objects::Vector3<float>(forward).getPerpendicularVector();
    }
    m_forward = forward;
    m_right = right;
    m_up = Lumo::cross(right, forward);
    ++m_revision;
}

void Camera::setParameters(const Ocuvo::CameraParameters& parameters)
{
    change([&] {
        const Ocuvo::CameraParameters previous = m_parameters;
        m_parameters = parameters;
        if (!Lumo::isFinite(parameters.eye) || !Lumo::isFinite(parameters.target)
            || !isUsableDirection(parameters.target - parameters.eye)) {
            m_parameters.eye = previous.eye;
            m_parameters.target = previous.target;
        }
        if (!isUsableDirection(parameters.up))
            m_parameters.up = previous.up;
        if (!(parameters.verticalFieldOfView >= minimumFieldOfView && parameters.verticalFieldOfView <= maximumFieldOfView))
            m_parameters.verticalFieldOfView = previous.verticalFieldOfView;
        if (!(parameters.orthographicHeight > 0.0f) || !std::isfinite(parameters.orthographicHeight))
            m_parameters.orthographicHeight = previous.orthographicHeight;
        if (!(parameters.nearPlane > 0.0f && parameters.farPlane > parameters.nearPlane)
            || !std::isfinite(parameters.farPlane)) {
            m_parameters.nearPlane = previous.nearPlane;
            m_parameters.farPlane = previous.farPlane;
        }
        if (parameters.width <= 0 || parameters.height <= 0) {
            m_parameters.width = previous.width;
            m_parameters.height = previous.height;
        }
    });
}

void Camera::lookAt(const Lumo::float3& eye, const Lumo::float3& target, const Lumo::float3& up)
{
    Ocuvo::CameraParameters p = m_parameters;
    p.eye = eye;
    p.target = target;
    p.up = up;
    setParameters(p);
}

void Camera::setPerspective(float verticalFieldOfViewRadians)
{
    Ocuvo::CameraParameters p = m_parameters;
    p.orthographic = false;
    p.verticalFieldOfView = verticalFieldOfViewRadians;
    setParameters(p);
}

void Camera::setOrthographic(float viewHeight)
{
    Ocuvo::CameraParameters p = m_parameters;
    p.orthographic = true;
    p.orthographicHeight = viewHeight;
    setParameters(p);
}

void Camera::setClipPlanes(float nearPlane, float farPlane)
{
    Ocuvo::CameraParameters p = m_parameters;
    p.nearPlane = nearPlane;
    p.farPlane = farPlane;
    setParameters(p);
}

void Camera::setImageSize(int width, int height)
{
    if (width == m_parameters.width && height == m_parameters.height)
        return;
    Ocuvo::CameraParameters p = m_parameters;
    p.width = width;
    p.height = height;
    setParameters(p);
}

float Camera::aspect() const
{
    return float(m_parameters.width) / float(m_parameters.height);
}

float Camera::tanHalfFieldOfView() const
{
    return std::tan(0.5f * m_parameters.verticalFieldOfView);
}

Lumo::Objects::ADevMatrix Camera::viewMatrix() const
{
    // Columns are the camera axes (right, up, back), so p . V gives camera coordinates.
    const Lumo::float3 back = -m_forward;
    const Lumo::float3& e = m_parameters.eye;
    Lumo::Objects::ADevMatrix v;
    v.M11 = m_right.x, v.M12 = m_up.x, v.M13 = back.x;
    v.M21 = m_right.y, v.M22 = m_up.y, v.M23 = back.y;
    v.M31 = m_right.z, v.M32 = m_up.z, v.M33 = back.z;
    v.M41 = -Lumo::dot(e, m_right), v.M42 = -Lumo::dot(e, m_up), v.M43 = -Lumo::dot(e, back);
    return v;
}

Lumo::Objects::ADevMatrix Camera::projectionMatrix() const
{
    const float n = m_parameters.nearPlane, f = m_parameters.farPlane;
    Lumo::Objects::ADevMatrix p;
    if (m_parameters.orthographic) {
        const float h = m_parameters.orthographicHeight;
        p.M11 = 2.0f / (h * aspect());
        p.M22 = 2.0f / h;
        p.M33 = -2.0f / (f - n);
        p.M43 = -(f + n) / (f - n);
    } else {
        const float t = tanHalfFieldOfView();
        p.M11 = 1.0f / (t * aspect());
        p.M22 = 1.0f / t;
        p.M33 = (f + n) / (n - f);
        p.M34 = -1.0f;
        p.M43 = 2.0f * f * n / (n - f);
        p.M44 = 0.0f;
    }
    return p;
}

Kairn::Objects::Ray3<float> Camera::getPickRay(const Lumo::vec2<float>& screenPoint) const
{
    const float ndcX = 2.0f * screenPoint.x / float(m_parameters.width) - 1.0f;
    const float ndcY = 1.0f - 2.0f * screenPoint.y / float(m_parameters.height);
    if (m_parameters.orthographic) {
        const float halfHeight = 0.5f * m_parameters.orthographicHeight;
        const Lumo::float3 origin = m_parameters.eye + m_forward * m_parameters.nearPlane
            + m_right * (ndcX * halfHeight * aspect()) + m_up * (ndcY * halfHeight);
        return {origin, m_forward};
    }
    const float t = tanHalfFieldOfView();
    const Lumo::float3 direction =
        Lumo::normalized(m_forward + m_right * (ndcX * t * aspect()) + m_up * (ndcY * t));
    return {m_parameters.eye, direction};
}

float Camera::depthOf(const Lumo::float3& worldPoint) const
{
    return Lumo::dot(worldPoint - m_parameters.eye, m_forward);
}

Lumo::vec2<float> Camera::projectToScreen(const Lumo::float3& worldPoint) const
{
    const Lumo::float3 v = worldPoint - m_parameters.eye;
    float ndcX, ndcY;
    if (m_parameters.orthographic) {
        const float halfHeight = 0.5f * m_parameters.orthographicHeight;
        ndcX = Lumo::dot(v, m_right) / (halfHeight * aspect());
        ndcY = Lumo::dot(v, m_up) / halfHeight;
    } else {
        const float depth = std::max(Lumo::dot(v, m_forward), m_parameters.nearPlane);
        const float t = tanHalfFieldOfView();
        ndcX = Lumo::dot(v, m_right) / (depth * t * aspect());
        ndcY = Lumo::dot(v, m_up) / (depth * t);
    }
    return {0.5f * (ndcX + 1.0f) * float(m_parameters.width), 0.5f * (1.0f - ndcY) * float(m_parameters.height)};
}

float Camera::pixelsPerWorldUnitAt(const Lumo::float3& worldPoint) const
{
    const float height = float(m_parameters.height);
    if (m_parameters.orthographic)
        return height / m_parameters.orthographicHeight;
    const float depth = std::max(depthOf(worldPoint), m_parameters.nearPlane);
    return height / (2.0f * depth * tanHalfFieldOfView());
}

void Camera::beginOperation()
{
    if (m_operationDepth++ == 0)
        notify(Event::Began);
}

void Camera::endOperation()
{
    if (m_operationDepth == 0)
        return;
    if (--m_operationDepth == 0)
        notify(Event::Ended);
}

void Camera::orbit(float yawRadians, float pitchRadians)
{
    if (!std::isfinite(yawRadians) || !std::isfinite(pitchRadians))
        return;
    using Rotation = Kairn::Objects::Matrix4<float>;
    const Rotation turn = Rotation::Rotation(m_parameters.up, -yawRadians) * Rotation::Rotation(m_right, -pitchRadians);
    const Lumo::float3 offset = turn.transformVector(m_parameters.eye - m_parameters.target);
    Ocuvo::CameraParameters p = m_parameters;
    p.eye = m_parameters.target + offset;
    // Keep the frame when the pitch goes over a pole: the up hint then follows the camera.
    const Lumo::float3 newForward = Lumo::normalized(-offset);
    if (Lumo::length(Lumo::cross(newForward, Lumo::normalized(p.up))) < 1e-3f)
        p.up = turn.transformVector(m_up);
    setParameters(p);
}

void Camera::pan(float dxPixels, float dyPixels)
{
    const float perPixel = 1.0f / pixelsPerWorldUnitAt(m_parameters.target);
    const Lumo::float3 shift = m_right * (-dxPixels * perPixel) + m_up * (dyPixels * perPixel);
    if (!Lumo::isFinite(shift))
        return;
    Ocuvo::CameraParameters p = m_parameters;
    p.eye = p.eye + shift;
    p.target = p.target + shift;
    setParameters(p);
}

void Camera::zoom(float factor)
{
    if (!(factor > 0.0f) || !std::isfinite(factor))
        return;
    Ocuvo::CameraParameters p = m_parameters;
    if (p.orthographic)
        p.orthographicHeight /= factor;
    else
        p.eye = p.target + (p.eye - p.target) / factor;
    setParameters(p);
}

void Camera::frame(const Lumo::float3& center, float radius)
{
    if (!Lumo::isFinite(center) || !(radius > 0.0f) || !std::isfinite(radius))
        return;
    Ocuvo::CameraParameters p = m_parameters;
    const float halfAngle = std::atan(tanHalfFieldOfView() * std::min(1.0f, aspect()));
    const float distance = p.orthographic ? 2.0f * radius + p.nearPlane : radius / std::sin(halfAngle);
    p.target = center;
    p.eye = center - m_forward * distance;
    if (p.orthographic)
        p.orthographicHeight = 2.0f * radius / std::min(1.0f, aspect());
    setParameters(p);
}

void Camera::addCameraChangeListener(CameraChangeProtocol* listener)
{
    if (listener && std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
        m_listeners.push_back(listener);
}

void Camera::removeCameraChangeListener(CameraChangeProtocol* listener)
{
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

} // namespace Kairn::Graphics
