#include "viewer/tour/TourReport.h"

#include <QFile>
#include <QJsonDocument>

namespace Viewer {

void TourReport::addStep(const QString& picture, QJsonObject measurements)
{
    measurements.insert(QStringLiteral("picture"), picture);
    m_steps.append(measurements);
}

bool TourReport::write(const QString& path) const
{
    QJsonObject document = m_facts;
    document.insert(QStringLiteral("steps"), m_steps);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(QJsonDocument(document).toJson()) >= 0 && file.flush();
}

} // namespace Viewer
