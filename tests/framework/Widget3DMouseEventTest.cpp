#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>

using Velto::UiWidget::Widget3DMouseEvent;

namespace {

void expectSameQtState(const QMouseEvent& actual, const QMouseEvent& expected)
{
    EXPECT_EQ(actual.type(), expected.type());
    EXPECT_EQ(actual.position(), expected.position());
    EXPECT_EQ(actual.globalPosition(), expected.globalPosition());
    EXPECT_EQ(actual.button(), expected.button());
    EXPECT_EQ(actual.buttons(), expected.buttons());
    EXPECT_EQ(actual.modifiers(), expected.modifiers());
}

TEST(Widget3DMouseEvent, CopiesTheQtStateAndStartsWithoutAPick)
{
    const QMouseEvent qt(QEvent::MouseMove, QPointF(12.5, 40), QPointF(112.5, 140), Qt::NoButton,
                         Qt::LeftButton | Qt::RightButton, Qt::ShiftModifier);
    const Widget3DMouseEvent record(&qt);
    expectSameQtState(record, qt);
    EXPECT_EQ(record.graphicsNode, nullptr);
    EXPECT_EQ(record.hitPoint, (Lumo::float3{0, 0, 0}));
    EXPECT_EQ(record.screenPoint(), (Lumo::vec2<float>{12.5f, 40.0f}));

    const Widget3DMouseEvent empty(nullptr);
    EXPECT_EQ(empty.type(), QEvent::None);
    EXPECT_EQ(empty.position(), QPointF(0, 0));
    EXPECT_EQ(empty.buttons(), Qt::NoButton);
    EXPECT_EQ(empty.modifiers(), Qt::NoModifier);
}

TEST(Widget3DMouseEvent, CopyAssignAndCloneKeepThePick)
{
    auto* node = reinterpret_cast<Kairn::Graphics::VyrGraphicsNode*>(std::uintptr_t(0x1000));
    const QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 4), QPointF(3, 4), Qt::LeftButton, Qt::LeftButton,
                            Qt::ControlModifier);
    Widget3DMouseEvent source(&press);
    source.graphicsNode = node;
    source.hitPoint = {1, 2, 3};

    const Widget3DMouseEvent copy(source);
    const QMouseEvent release(QEvent::MouseButtonRelease, QPointF(9, 9), QPointF(9, 9), Qt::LeftButton,
                              Qt::NoButton, Qt::NoModifier);
    Widget3DMouseEvent assigned(&release);
    assigned = source;
    // Copies made through Qt's own interface keep the record's type and fields.
    const std::unique_ptr<QMouseEvent> cloned(static_cast<const QMouseEvent&>(source).clone());
    const auto* clonedRecord = dynamic_cast<const Widget3DMouseEvent*>(cloned.get());
    ASSERT_NE(clonedRecord, nullptr);

    for (const Widget3DMouseEvent* record : std::initializer_list<const Widget3DMouseEvent*>{&copy, &assigned, clonedRecord}) {
        expectSameQtState(*record, press);
        EXPECT_EQ(record->graphicsNode, node);
        EXPECT_EQ(record->hitPoint, (Lumo::float3{1, 2, 3}));
    }
    // Copies are independent of their source.
    source.hitPoint = {0, 0, 0};
    EXPECT_EQ(copy.hitPoint, (Lumo::float3{1, 2, 3}));
}

} // namespace
