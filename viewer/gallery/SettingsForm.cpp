#include "viewer/gallery/SettingsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace Viewer {

void SettingsForm::addRow(const QString& label, QWidget* field)
{
    if (label.isEmpty())
        m_layout->addRow(field);
    else
        m_layout->addRow(label, field);
}

void SettingsForm::addCheckBox(const QString& label, bool checked, std::function<void(bool)> changed)
{
    auto* box = new QCheckBox;
    box->setChecked(checked);
    QObject::connect(box, &QCheckBox::toggled, box, std::move(changed));
    addRow(label, box);
}

void SettingsForm::addNumber(const QString& label, double minimum, double maximum, double value, double step,
                             std::function<void(double)> changed)
{
    auto* spin = new QDoubleSpinBox;
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    spin->setDecimals(step < 0.1 ? 3 : 2);
    spin->setValue(value);
    QObject::connect(spin, &QDoubleSpinBox::valueChanged, spin, std::move(changed));
    addRow(label, spin);
}

void SettingsForm::addChoice(const QString& label, const QStringList& choices, int current,
                             std::function<void(int)> changed)
{
    auto* combo = new QComboBox;
    combo->addItems(choices);
    combo->setCurrentIndex(current);
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, std::move(changed));
    addRow(label, combo);
}

void SettingsForm::addButton(const QString& text, std::function<void()> clicked)
{
    auto* button = new QPushButton(text);
    QObject::connect(button, &QPushButton::clicked, button, std::move(clicked));
    addRow({}, button);
}

void SettingsForm::addNote(const QString& text)
{
    auto* note = new QLabel(text);
    note->setWordWrap(true);
    addRow({}, note);
}

} // namespace Viewer
