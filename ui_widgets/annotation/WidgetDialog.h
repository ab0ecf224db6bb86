#pragma once

#include <QDialog>
#include <QString>

#include <map>

class QFormLayout;

namespace Velto::UiWidget {

// A form of labelled text fields that a DialogWidget builds when the host sets a field. Every
// setLabeledField appends a row, also for a label already shown; the map keeps the latest value
// per label. Edits the user makes in the line edits are not copied back into the map.
class WidgetDialog : public QDialog
{
    Q_OBJECT

public:
    WidgetDialog();
    ~WidgetDialog() override;

    // Shows the dialog without blocking, or hides it.
    virtual void showVisualDialog(bool shown);
    // Runs the dialog modally (returns when it closes), or hides it.
    virtual void showInteractiveDialog(bool shown);
    virtual void setLabeledField(const QString& label, const QString& value);
    // The value last set for `label`; an unknown label is added with an empty value (no row).
    virtual QString getLabeledField(const QString& label);

private:
    QFormLayout* formLayout = nullptr;
    std::map<QString, QString> fields;
};

} // namespace Velto::UiWidget
