#pragma once

#include "ui_widgets/framework/IWidget3D.h"

#include <QPointer>
#include <QString>

class QDialog;

namespace Velto::UiWidget {

// A small sphere in the view that owns a Qt dialog: a left double click opens the dialog
// modally at the mouse position. The dialog is one the host attaches, or a WidgetDialog form
// that the widget builds when the host sets a field. The sphere drags freely in the plane facing
// the camera while the left button is held after a press on it.
//
//     DialogWidget* note = DialogWidget::createWidget3D(handler, Kairn::Graphics::SceneItemWidget);
//     note->setField("Name", "Probe 1");
//     connect(note, SIGNAL(widgetDialogOpened()), host, SLOT(readNote()));
class DialogWidget : public IWidget3D
{
    Q_OBJECT

public:
    static DialogWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~DialogWidget() override;

protected:
    DialogWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;

public:
    bool mouseEnter(const Widget3DMouseEvent& event) override;
    bool mouseLeave(const Widget3DMouseEvent& event) override;
    // Takes a press of any button; the saved press is anchored at the widget's position.
    bool mouseDown(const Widget3DMouseEvent& event) override;
    // The free view-plane drag while a pressed drag holds the left button. Otherwise the identity:
    // merely hovering, or dragging with another button, never moves the sphere.
    Lumo::Objects::ADevMatrix mouseMove(const Widget3DMouseEvent& event) override;
    // Ends the drag; the last move already brought the sphere under the mouse, so the release
    // adds no step of its own (identity).
    Lumo::Objects::ADevMatrix mouseUp(const Widget3DMouseEvent& event) override;
    // With a dialog and the left button: moves the dialog to the event's position, runs it
    // modally and, once it has closed, emits widgetDialogOpened. Always the identity.
    Lumo::Objects::ADevMatrix mouseDoubleClick(const Widget3DMouseEvent& event) override;

    // Takes ownership of `dialog` and deletes the previous one. A dialog that someone else
    // deletes is simply forgotten.
    virtual void attachDialog(QDialog* dialog);
    virtual QDialog* getDialog();
    // Replaces a dialog that is not a WidgetDialog (or no dialog) by a new WidgetDialog, appends
    // the row to it and emits widgetFieldChanged.
    virtual void setField(const QString& label, const QString& value);
    // Empty without a WidgetDialog.
    virtual QString getField(const QString& label);

signals:
    // Fires when the host sets a field with setField: `label` names the field and `field` is
    // the value it now shows.
    void widgetFieldChanged(QString label, QString field);
    // Fires after the dialog that a left double click opened has closed again.
    void widgetDialogOpened();

private:
    QPointer<QDialog> dialog;
};

} // namespace Velto::UiWidget
