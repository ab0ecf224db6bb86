#pragma once

#include "ui_widgets/platform/scene/CameraChangeProtocol.h"

#include <QString>

#include <functional>

namespace Viewer {

// Listens to the view's camera and reports where it is after every change, for the status bar;
// counts the operations so that a host can see began / ended pairs arrive.
class CameraStatusListener : public Kairn::Graphics::CameraChangeProtocol
{
public:
    explicit CameraStatusListener(std::function<void(const QString&)> report) : m_report(std::move(report)) {}

    void cameraOperationBegan(const Ocuvo::CameraParameters& parameters) override;
    void cameraParametersChanged(const Ocuvo::CameraParameters& parameters) override;
    void cameraOperationEnded(const Ocuvo::CameraParameters& parameters) override;

    int finishedOperations() const { return m_finishedOperations; }

private:
    void report(const Ocuvo::CameraParameters& parameters);

    std::function<void(const QString&)> m_report;
    int m_finishedOperations = 0;
};

} // namespace Viewer
