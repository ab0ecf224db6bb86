#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QFormLayout;
class QWidget;

namespace Viewer {

// Builds the rows of the settings panel: each row is a Qt control that calls a function of the
// shown item when the user changes it.
class SettingsForm
{
public:
    explicit SettingsForm(QFormLayout* layout) : m_layout(layout) {}

    void addCheckBox(const QString& label, bool checked, std::function<void(bool)> changed);
    void addNumber(const QString& label, double minimum, double maximum, double value, double step,
                   std::function<void(double)> changed);
    void addChoice(const QString& label, const QStringList& choices, int current, std::function<void(int)> changed);
    void addButton(const QString& text, std::function<void()> clicked);
    void addNote(const QString& text);

private:
    void addRow(const QString& label, QWidget* field);

    QFormLayout* m_layout;
};

} // namespace Viewer
