#include "ui_widgets/annotation/DialogWidget.h"

#include "ui_widgets/annotation/WidgetDialog.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"

namespace Velto::UiWidget {

DialogWidget* DialogWidget::createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
{
    auto* widget = new DialogWidget(handler, type);
    widget->init();
    return widget;
}

DialogWidget::DialogWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : IWidget3D(handler, type)
{
}

DialogWidget::~DialogWidget()
{
    delete dialog.data();
}

void DialogWidget::init()
{
    auto* sphere = Kairn::Graphics::VyrSphereNode::createGraphicsNode();
    sphere->setRadius(0.1f);
    addGraphicsNode(sphere);
}

bool DialogWidget::mouseEnter(const Widget3DMouseEvent& event)
{
    IWidget3D::mouseEnter(event);
    return false;
}

bool DialogWidget::mouseLeave(const Widget3DMouseEvent& event)
{
    IWidget3D::mouseLeave(event);
    return false;
}

bool DialogWidget::mouseDown(const Widget3DMouseEvent& event)
{
    if (mouseDownEvent != &event) {
        delete mouseDownEvent;
        mouseDownEvent = new Widget3DMouseEvent(event);
    }
    mouseDownEvent->hitPoint = getPosition();
    return true;
}

Lumo::Objects::ADevMatrix DialogWidget::mouseMove(const Widget3DMouseEvent& event)
{
    if (mouseDownEvent && event.buttons().testFlag(Qt::LeftButton))
        return IWidget3D::mouseMove(event);
    return Lumo::Objects::ADevMatrix::Identity();
}

Lumo::Objects::ADevMatrix DialogWidget::mouseUp(const Widget3DMouseEvent&)
{
    delete mouseDownEvent;
    mouseDownEvent = nullptr;
    return Lumo::Objects::ADevMatrix::Identity();
}

Lumo::Objects::ADevMatrix DialogWidget::mouseDoubleClick(const Widget3DMouseEvent& event)
{
    if (!dialog || !event.buttons().testFlag(Qt::LeftButton))
        return Lumo::Objects::ADevMatrix::Identity();
    // A top-level dialog is placed in screen coordinates: the view position of the mouse is
    // mapped to them, so that the form opens at the mouse wherever the view is.
    QWidget* view = eventHandler ? eventHandler->GetView() : nullptr;
    dialog->move(view ? view->mapToGlobal(event.pos()) : event.globalPosition().toPoint());
    // The modal loop runs other events: the host may destroy this widget before it returns.
    const QPointer<DialogWidget> self(this);
    dialog->exec();
    if (self && !silenced)
        emit widgetDialogOpened();
    return Lumo::Objects::ADevMatrix::Identity();
}

void DialogWidget::attachDialog(QDialog* newDialog)
{
    if (newDialog == dialog)
        return;
    QDialog* previous = dialog;
    dialog = newDialog;
    delete previous;
}

QDialog* DialogWidget::getDialog()
{
    return dialog;
}

void DialogWidget::setField(const QString& label, const QString& value)
{
    auto* form = dynamic_cast<WidgetDialog*>(dialog.data());
    if (!form) {
        form = new WidgetDialog();
        attachDialog(form);
    }
    form->setLabeledField(label, value);
    if (!silenced)
        emit widgetFieldChanged(label, value);
}

QString DialogWidget::getField(const QString& label)
{
    auto* form = dynamic_cast<WidgetDialog*>(dialog.data());
    return form ? form->getLabeledField(label) : QString();
}

} // namespace Velto::UiWidget
