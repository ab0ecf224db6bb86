#pragma once

#include "ui_widgets/platform/math/Vec.h"

namespace Ocuvo {

// A snapshot of a camera, handed to camera-change listeners. Angles in radians, lengths in world
// units, the image size in logical pixels.
struct CameraParameters
{
    Lumo::float3 eye{0.0f, 0.0f, 10.0f};
    Lumo::float3 target{0.0f, 0.0f, 0.0f};
    Lumo::float3 up{0.0f, 1.0f, 0.0f};
    bool orthographic = false;
    float verticalFieldOfView = 0.785398163f;
    float orthographicHeight = 10.0f;
    float nearPlane = 0.01f;
    float farPlane = 10000.0f;
    int width = 640;
    int height = 480;
};

} // namespace Ocuvo
