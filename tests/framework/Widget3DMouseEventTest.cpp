#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

#include <gtest/gtest.h>

#include <cstdint>
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

TEST(Widget3DMouseEvent, CopiesKeepTheQtStateAndThePick)
{
    const Widget3DMouseEvent empty(nullptr);
    EXPECT_EQ(empty.type(), QEvent::None);
    EXPECT_EQ(empty.buttons(), Qt::NoButton);

    auto* node = reinterpret_cast<Kairn::Graphics::VyrGraphicsNode*>(std::uintptr_t(0x1000));
    const QMouseEvent press(QEvent::MouseButtonPress, QPointF(12.5, 40), QPointF(112.5, 140), Qt::LeftButton,
                            Qt::LeftButton | Qt::RightButton, Qt::ControlModifier);
    Widget3DMouseEvent source(&press);
    expectSameQtState(source, press);
    EXPECT_EQ(source.graphicsNode, nullptr);
    EXPECT_EQ(source.screenPoint(), (Lumo::vec2<float>{12.5f, 40.0f}));
    source.graphicsNode = node;
    source.hitPoint = {1, 2, 3};

    const Widget3DMouseEvent copy(source);
    Widget3DMouseEvent assigned(nullptr);
    assigned = source;
    // Copies made through Qt's own interface keep the record's type and fields.
    const std::unique_ptr<QMouseEvent> cloned(static_cast<const QMouseEvent&>(source).clone());
    const auto* clonedRecord = dynamic_cast<const Widget3DMouseEvent*>(cloned.get());
    ASSERT_NE(clonedRecord, nullptr);
    for (const Widget3DMouseEvent* record : {&copy, static_cast<const Widget3DMouseEvent*>(&assigned), clonedRecord}) {
        expectSameQtState(*record, press);
        EXPECT_EQ(record->graphicsNode, node);
        EXPECT_EQ(record->hitPoint, (Lumo::float3{1, 2, 3}));
    }
    source.hitPoint = {0, 0, 0};
    EXPECT_EQ(copy.hitPoint, (Lumo::float3{1, 2, 3})) << "copies are independent of their source";
}

} // namespace
