#pragma once

#include "ui_widgets/platform/scene/CameraParameters.h"

namespace Kairn::Graphics {

// Listener of a Camera. An operation (an orbit drag, a zoom, a resize) is announced once with
// cameraOperationBegan, reports every step with cameraParametersChanged and closes with
// cameraOperationEnded; a single change outside an explicit operation sends all three.
class CameraChangeProtocol
{
public:
    virtual ~CameraChangeProtocol() = default;
    virtual void cameraOperationBegan(const Ocuvo::CameraParameters& parameters) = 0;
    virtual void cameraParametersChanged(const Ocuvo::CameraParameters& parameters) = 0;
    virtual void cameraOperationEnded(const Ocuvo::CameraParameters& parameters) = 0;
};

} // namespace Kairn::Graphics
