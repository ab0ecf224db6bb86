#include "ui_widgets/annotation/WidgetDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace Velto::UiWidget {

WidgetDialog::WidgetDialog() = default;

WidgetDialog::~WidgetDialog()
{
    delete formLayout;
}

void WidgetDialog::showVisualDialog(bool shown)
{
    if (shown)
        show();
    else
        hide();
}

void WidgetDialog::showInteractiveDialog(bool shown)
{
    if (shown)
        exec();
    else
        hide();
}

void WidgetDialog::setLabeledField(const QString& label, const QString& value)
{
    fields[label] = value;
    if (!formLayout)
        formLayout = new QFormLayout();
    formLayout->addRow(new QLabel(label), new QLineEdit(value));
    setLayout(formLayout);
}

QString WidgetDialog::getLabeledField(const QString& label)
{
    return fields[label];
}

} // namespace Velto::UiWidget
