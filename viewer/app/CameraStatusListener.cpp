#include "viewer/app/CameraStatusListener.h"

namespace Viewer {

namespace {

QString vectorText(const Lumo::float3& v)
{
    return QStringLiteral("(%1, %2, %3)").arg(v.x, 0, 'f', 2).arg(v.y, 0, 'f', 2).arg(v.z, 0, 'f', 2);
}

} // namespace

void CameraStatusListener::cameraOperationBegan(const Ocuvo::CameraParameters& parameters)
{
    report(parameters);
}

void CameraStatusListener::cameraParametersChanged(const Ocuvo::CameraParameters& parameters)
{
    report(parameters);
}

void CameraStatusListener::cameraOperationEnded(const Ocuvo::CameraParameters& parameters)
{
    ++m_finishedOperations;
    report(parameters);
}

void CameraStatusListener::report(const Ocuvo::CameraParameters& parameters)
{
    if (m_report)
        m_report(QStringLiteral("Camera: eye %1, target %2, %3 x %4 px")
                     .arg(vectorText(parameters.eye), vectorText(parameters.target))
                     .arg(parameters.width)
                     .arg(parameters.height));
}

} // namespace Viewer
