#include "tests/support/WidgetFixture.h"
#include "ui_widgets/annotation/DialogWidget.h"
#include "ui_widgets/annotation/WidgetDialog.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace UiwTest;
using namespace Velto::UiWidget;
using Lumo::float3;

namespace {

class DialogWidgetTest : public WidgetFixture<DialogWidget>
{
protected:
    void SetUp() override { create("W"); }

    // The rows of the widget's form as "label=value".
    QStringList rows() const
    {
        QStringList result;
        auto* form = dynamic_cast<WidgetDialog*>(widget->getDialog());
        auto* layout = form ? qobject_cast<QFormLayout*>(form->layout()) : nullptr;
        for (int row = 0; layout && row < layout->rowCount(); ++row) {
            auto* label = qobject_cast<QLabel*>(layout->itemAt(row, QFormLayout::LabelRole)->widget());
            auto* edit = qobject_cast<QLineEdit*>(layout->itemAt(row, QFormLayout::FieldRole)->widget());
            result << label->text() + "=" + edit->text();
        }
        return result;
    }

    // Runs `whileOpen` from the event loop of whatever modal dialog is then running, and closes
    // that dialog. Nothing happens when no dialog opens before the timer is destroyed.
    void closeModalDialogWith(QTimer& timer, std::function<void(QDialog*)> whileOpen)
    {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [this, whileOpen] {
            QPointer<QDialog> modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            log.note(modal ? "dialog open" : "no dialog");
            if (modal)
                whileOpen(modal);
            if (modal)
                modal->done(QDialog::Accepted);
        });
        timer.start(0);
    }

};

} // namespace

TEST_F(DialogWidgetTest, FieldsAppendRowsAndKeepTheLatestValue)
{
    EXPECT_EQ(widget->getDialog(), nullptr);
    EXPECT_EQ(widget->getField("Name"), QString());

    widget->setField("Name", "Probe 1");
    widget->setField("Depth", "12 mm");
    widget->setField("Name", "Probe 2");
    EXPECT_EQ(rows(), QStringList({"Name=Probe 1", "Depth=12 mm", "Name=Probe 2"}));
    EXPECT_EQ(widget->getField("Name"), "Probe 2");
    EXPECT_EQ(widget->getField("Depth"), "12 mm");
    // An unknown label reads empty and adds no row; user edits are not read back.
    EXPECT_EQ(widget->getField("Colour"), QString());
    qobject_cast<QFormLayout*>(widget->getDialog()->layout())
        ->itemAt(1, QFormLayout::FieldRole)->widget()->setProperty("text", "99 mm");
    EXPECT_EQ(widget->getField("Depth"), "12 mm");
    EXPECT_EQ(rows().size(), 3);

    ASSERT_EQ(log.lines(), QStringList({"W.widgetFieldChanged", "W.widgetFieldChanged", "W.widgetFieldChanged"}));
    EXPECT_EQ(log.entries()[2].arguments, QVariantList({"Name", "Probe 2"}));
}

TEST_F(DialogWidgetTest, HostDialogsAreOwnedAndReplaced)
{
    QPointer<QDialog> hostDialog = new QDialog();
    widget->attachDialog(hostDialog);
    EXPECT_EQ(widget->getDialog(), hostDialog.data());
    EXPECT_EQ(widget->getField("Name"), QString());
    widget->attachDialog(hostDialog); // the same dialog again: kept
    ASSERT_FALSE(hostDialog.isNull());

    // A field needs a form: the host's plain dialog is deleted and replaced.
    widget->setField("Name", "Probe 1");
    EXPECT_TRUE(hostDialog.isNull());
    QPointer<QDialog> form = widget->getDialog();
    ASSERT_NE(dynamic_cast<WidgetDialog*>(form.data()), nullptr);
    EXPECT_EQ(rows(), QStringList({"Name=Probe 1"}));

    // Attaching another dialog deletes the form; a dialog the host deletes itself is forgotten.
    QPointer<QDialog> second = new QDialog();
    widget->attachDialog(second);
    EXPECT_TRUE(form.isNull());
    delete second.data();
    EXPECT_EQ(widget->getDialog(), nullptr);

    // The widget deletes its dialog with itself.
    widget->setField("Name", "Probe 2");
    form = widget->getDialog();
    widget.reset();
    EXPECT_TRUE(form.isNull());
}

TEST_F(DialogWidgetTest, DoubleClickOpensTheDialogModallyAtTheMouse)
{
    widget->setField("Name", "Probe 1");
    log.clear();
    // The view away from the screen's origin: the dialog, a top-level window, opens at the
    // mouse in screen coordinates.
    h.view()->move(300, 200);
    const QPointF at = h.screenPoint(widget->getPosition());
    QPoint shownAt;
    bool modal = false;
    QTimer closer;
    closeModalDialogWith(closer, [&](QDialog* dialog) {
        EXPECT_EQ(dialog, widget->getDialog());
        shownAt = dialog->pos();
        modal = dialog->isModal() && dialog->isVisible();
    });
    EXPECT_TRUE(h.doubleClickInQtOrder(widget->getPosition()));
    EXPECT_TRUE(modal);
    EXPECT_EQ(shownAt, at.toPoint() + QPoint(300, 200));
    EXPECT_FALSE(widget->getDialog()->isVisible());
    // The first click selects and deselects the sphere; the signal comes after the dialog has closed.
    EXPECT_EQ(log.take(), QStringList({"W.widgetEntered", "W.widgetSelect", "W.widgetDeselect", "dialog open",
                                       "W.widgetDialogOpened"}));
    EXPECT_EQ(widget->getPosition(), (float3{0, 0, 0}));
}

TEST_F(DialogWidgetTest, DoubleClickThatOpensNothingOrOpensSilently)
{
    struct Row
    {
        const char* name;
        bool withDialog, silenced;
        Qt::MouseButton button;
        QStringList expected;
    };
    const Row rows[] = {
        {"right button", true, false, Qt::RightButton, {}},
        {"no dialog", false, false, Qt::LeftButton, {}},
        {"silenced: opens without a signal", true, true, Qt::LeftButton, {"dialog open"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        widget->attachDialog(row.withDialog ? new QDialog() : nullptr);
        widget->setSilenced(row.silenced);
        QTimer closer;
        closeModalDialogWith(closer, [](QDialog*) {});
        EXPECT_TRUE(h.doubleClick(widget->getPosition(), row.button));
        EXPECT_EQ(log.take(), row.expected);
    }
    widget->setField("Name", "Probe 1");
    EXPECT_EQ(widget->getField("Name"), "Probe 1");
    EXPECT_TRUE(log.lines().isEmpty()) << "a silenced widget reports no field change";
}

TEST_F(DialogWidgetTest, WidgetDestroyedWhileItsDialogRuns)
{
    widget->setField("Name", "Probe 1");
    log.clear();
    QPointer<QDialog> dialog = widget->getDialog();
    QTimer closer;
    closeModalDialogWith(closer, [this](QDialog*) { widget.reset(); });
    EXPECT_TRUE(h.doubleClick({0, 0, 0}));
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(log.take(), QStringList({"dialog open"}));
    EXPECT_EQ(h.handler()->getHoveredWidget(), nullptr);
}
