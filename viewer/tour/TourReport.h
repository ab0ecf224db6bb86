#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

namespace Viewer {

// The tour's measurements, written as JSON beside its pictures: a few facts about the run and one
// record per step (a picture), whatever the step measured. Steps come in the order they are added.
class TourReport
{
public:
    void setFact(const QString& key, const QJsonValue& value) { m_facts.insert(key, value); }
    void addStep(const QString& picture, QJsonObject measurements);
    // False when the file cannot be written.
    bool write(const QString& path) const;

private:
    QJsonObject m_facts;
    QJsonArray m_steps;
};

} // namespace Viewer
