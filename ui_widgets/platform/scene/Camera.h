#pragma once

#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/math/Ray3.h"
#include "ui_widgets/platform/math/Vec.h"
#include "ui_widgets/platform/scene/CameraParameters.h"

#include <vector>

namespace Kairn::Graphics {

class CameraChangeProtocol;

// The view camera: an eye looking at a target, with a perspective (vertical field of view) or
// orthographic (view height in world units) projection onto an image of width x height logical
// pixels. Screen points are in pixels from the top-left corner, as floats, the way mouse events
// give them. Matrices follow the row-vector convention: a world point p maps to p . view .
// projection, with the camera looking down its -Z axis (OpenGL clip space).
//
// Every change notifies the listeners: a single call sends began, changed and ended; between
// beginOperation() and endOperation() (a mouse drag of the host's navigation) each call sends
// only changed, framed by one began and one ended. Bad input (a zero view distance, an up vector
// along the view direction, non-finite values, non-positive sizes) is ignored or repaired, so the
// camera always has an orthonormal frame.
class Camera
{
public:
    Camera();

    Ocuvo::CameraParameters parameters() const { return m_parameters; }
    void setParameters(const Ocuvo::CameraParameters& parameters);

    void lookAt(const Lumo::float3& eye, const Lumo::float3& target, const Lumo::float3& up);
    Lumo::float3 eye() const { return m_parameters.eye; }
    Lumo::float3 target() const { return m_parameters.target; }
    // Unit up vector, perpendicular to the view direction.
    Lumo::float3 up() const { return m_up; }
    Lumo::float3 right() const { return m_right; }
    // Unit line of sight, from the eye toward the target.
    Lumo::float3 getViewDirection() const { return m_forward; }
    // Changes with every change of the camera or its image size: view-dependent caches key on it.
    quint64 revision() const { return m_revision; }

    void setPerspective(float verticalFieldOfViewRadians);
    void setOrthographic(float viewHeight);
    bool isOrthographic() const { return m_parameters.orthographic; }
    float verticalFieldOfView() const { return m_parameters.verticalFieldOfView; }
    float orthographicHeight() const { return m_parameters.orthographicHeight; }
    void setClipPlanes(float nearPlane, float farPlane);
    float nearPlane() const { return m_parameters.nearPlane; }
    float farPlane() const { return m_parameters.farPlane; }

    void setImageSize(int width, int height);
    int imageWidth() const { return m_parameters.width; }
    int imageHeight() const { return m_parameters.height; }

    Lumo::Objects::ADevMatrix viewMatrix() const;
    Lumo::Objects::ADevMatrix projectionMatrix() const;

    // The ray through a screen point: from the eye (perspective) or from the near plane
    // (orthographic), with a unit direction.
    Kairn::Objects::Ray3<float> getPickRay(const Lumo::vec2<float>& screenPoint) const;
    // The screen point of a world point: the inverse of getPickRay on the image plane. A point
    // at or behind the eye (perspective) projects as if it lay at the near plane's depth.
    Lumo::vec2<float> projectToScreen(const Lumo::float3& worldPoint) const;
    // Distance of the point in front of the eye along the line of sight.
    float depthOf(const Lumo::float3& worldPoint) const;
    // How many pixels one world unit spans at the point, across the line of sight.
    float pixelsPerWorldUnitAt(const Lumo::float3& worldPoint) const;

    // Navigation. orbit turns the eye about the target: yaw about the up vector given to
    // lookAt, pitch about the camera's right axis. pan moves eye and target so that the point
    // under the target follows a mouse move of (dx, dy) pixels. zoom divides the view distance
    // (or the orthographic height) by the factor. frame aims at the sphere and fits it in view.
    void beginOperation();
    void endOperation();
    void orbit(float yawRadians, float pitchRadians);
    void pan(float dxPixels, float dyPixels);
    void zoom(float factor);
    void frame(const Lumo::float3& center, float radius);

    void addCameraChangeListener(CameraChangeProtocol* listener);
    void removeCameraChangeListener(CameraChangeProtocol* listener);

private:
    enum class Event { Began, Changed, Ended };
    template<class Change>
    void change(Change&& apply);
    void notify(Event event);
    void updateFrame();
    float aspect() const;
    float tanHalfFieldOfView() const;

    Ocuvo::CameraParameters m_parameters;
    Lumo::float3 m_forward{0.0f, 0.0f, -1.0f};
    Lumo::float3 m_right{1.0f, 0.0f, 0.0f};
    Lumo::float3 m_up{0.0f, 1.0f, 0.0f};
    int m_operationDepth = 0;
    quint64 m_revision = 0;
    std::vector<CameraChangeProtocol*> m_listeners;
};

} // namespace Kairn::Graphics
