#include "tests/framework/BallWidget.h"
#include "tests/support/InteractionHarness.h"
#include "tests/support/LiveInstanceCheck.h"
#include "tests/support/SignalLog.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"

#include <gtest/gtest.h>

#include <memory>

using namespace UiwTest;
using Lumo::float3;
using Lumo::Objects::ADevMatrix;

namespace {

// Two balls of radius 0.5 on the x axis, seen from (0, 0, 10); (0, 3, 0) is empty space.
class EventHandlerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        a.reset(BallWidget::createWidget3D(h.handler(), aAt, &log, "A"));
        b.reset(BallWidget::createWidget3D(h.handler(), bAt, &log, "B"));
        a->setHoverCursor(Qt::PointingHandCursor);
        a->setActiveCursor(Qt::SizeAllCursor);
        b->setHoverCursor(Qt::CrossCursor);
        log.watch(a.get(), "A");
        log.watch(b.get(), "B");
        log.clear();
    }

    void TearDown() override
    {
        a.reset();
        b.reset();
        EXPECT_TRUE(live.unchanged());
    }

    float alphaOf(BallWidget* w) const { return w->ball()->getColor().w; }

    const float3 aAt{-2, 0, 0};
    const float3 bAt{2, 0, 0};
    const float3 empty{0, 3, 0};
    LiveInstanceCheck live;
    InteractionHarness h;
    SignalLog log;
    std::unique_ptr<BallWidget> a;
    std::unique_ptr<BallWidget> b;
};

TEST_F(EventHandlerTest, HoverEntersLeavesAndMovesBetweenWidgets)
{
    EXPECT_FALSE(h.move(aAt));
    EXPECT_EQ(log.take(), QStringList({"A.mouseEnter", "A.widgetEntered", "A.mouseMove"}));
    EXPECT_EQ(h.handler()->getHoveredWidget(), a.get());
    EXPECT_EQ(h.cursorShape(), Qt::PointingHandCursor);
    EXPECT_EQ(a->getColor(), a->getHighlightColor());

    // Same widget, same node: only the move.
    EXPECT_FALSE(h.move(aAt + float3{0.1f, 0.1f, 0}));
    EXPECT_EQ(log.take(), QStringList({"A.mouseMove"}));

    EXPECT_FALSE(h.move(bAt));
    EXPECT_EQ(log.take(), QStringList({"A.mouseLeave", "A.widgetExited", "B.mouseEnter", "B.widgetEntered",
                                       "B.mouseMove"}));
    EXPECT_EQ(h.cursorShape(), Qt::CrossCursor);
    EXPECT_EQ(a->getColor(), a->getInactiveColor());

    EXPECT_FALSE(h.move(empty));
    EXPECT_EQ(log.take(), QStringList({"B.mouseLeave", "B.widgetExited"}));
    EXPECT_EQ(h.handler()->getHoveredWidget(), nullptr);
    EXPECT_EQ(h.cursorShape(), Qt::ArrowCursor);

    // Over empty space nothing happens and nothing is consumed.
    EXPECT_FALSE(h.move(empty + float3{0.5f, 0, 0}));
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST_F(EventHandlerTest, MovingBetweenTwoNodesOfOneWidgetLeavesAndEntersAgain)
{
    a->addBall(aAt + float3{0, 1.5f, 0});
    h.move(aAt);
    log.clear();
    h.move(aAt + float3{0, 1.5f, 0});
    EXPECT_EQ(log.take(), QStringList({"A.mouseLeave", "A.widgetExited", "A.mouseEnter", "A.widgetEntered",
                                       "A.mouseMove"}));
    EXPECT_EQ(a->seenNode, a->ball(1));
    EXPECT_EQ(h.cursorShape(), Qt::PointingHandCursor);
}

TEST_F(EventHandlerTest, PressFromIdleEntersSelectsAndFadesTheOthers)
{
    EXPECT_TRUE(h.press(aAt));
    EXPECT_EQ(log.take(), QStringList({"A.mouseEnter", "A.widgetEntered", "A.mouseDown", "A.widgetSelect"}));
    EXPECT_EQ(h.handler()->getActiveWidget(), a.get());
    EXPECT_EQ(h.cursorShape(), Qt::SizeAllCursor);
    // The pick hands the widget its own node and a point on the sphere's surface.
    EXPECT_EQ(a->seenNode, a->ball());
    const float3 fromCenter = a->seenHitPoint - aAt;
    EXPECT_NEAR(Lumo::length(fromCenter), 0.5f, 1e-4f);
    EXPECT_GT(fromCenter.z, 0.0f); // the side facing the camera at z = 10
    // Every other widget keeps 20 % of its alpha: 1.0 * 0.2.
    EXPECT_FLOAT_EQ(alphaOf(a.get()), 1.0f);
    EXPECT_FLOAT_EQ(alphaOf(b.get()), 0.2f);
}

TEST_F(EventHandlerTest, RejectedPressLeavesTheWidgetHoveredAndConsumesNothing)
{
    a->acceptsPress = false;
    EXPECT_FALSE(h.press(aAt));
    EXPECT_EQ(log.take(), QStringList({"A.mouseEnter", "A.widgetEntered", "A.mouseDown"}));
    EXPECT_EQ(h.handler()->getActiveWidget(), nullptr);
    EXPECT_EQ(h.handler()->getHoveredWidget(), a.get());
    EXPECT_EQ(a->getColor(), a->getHighlightColor());
    EXPECT_EQ(h.cursorShape(), Qt::PointingHandCursor);
    EXPECT_FLOAT_EQ(alphaOf(b.get()), 1.0f);

    // A release without a drag consumes nothing, calls nothing and ends the hover.
    EXPECT_FALSE(h.release(aAt));
    EXPECT_TRUE(log.lines().isEmpty());
    EXPECT_EQ(h.handler()->getHoveredWidget(), nullptr);
}

TEST_F(EventHandlerTest, PressWhileHoveringDoesNotEnterAgain)
{
    h.move(aAt);
    log.clear();
    EXPECT_TRUE(h.press(aAt));
    EXPECT_EQ(log.take(), QStringList({"A.mouseDown", "A.widgetSelect"}));
}

TEST_F(EventHandlerTest, PressOverNothingChangesNothing)
{
    h.move(aAt);
    log.clear();
    EXPECT_FALSE(h.press(empty));
    EXPECT_TRUE(log.lines().isEmpty());
    EXPECT_EQ(h.handler()->getHoveredWidget(), a.get());
    EXPECT_EQ(h.cursorShape(), Qt::PointingHandCursor);
}

TEST_F(EventHandlerTest, DragFollowsTheMouseWithTheGrabbedNodeAndNoHoverChanges)
{
    h.press(aAt);
    log.clear();
    // Across empty space and over B: A keeps getting the moves with its own node.
    const std::vector<bool> moves = h.moveAlong(aAt, bAt + float3{0, 3, 0}, 4);
    EXPECT_EQ(moves, std::vector<bool>(4, true));
    QStringList expected;
    for (int i = 0; i < 4; ++i)
        expected << "A.mouseMove" << "A.transformBy" << "A.widgetTransform";
    EXPECT_EQ(log.take(), expected);
    EXPECT_EQ(a->seenNode, a->ball());
    // The view plane through A is z = 0, so A ends exactly under the mouse.
    const float3 reached = a->getPosition();
    EXPECT_NEAR(reached.x, 2.0f, 1e-4f);
    EXPECT_NEAR(reached.y, 3.0f, 1e-4f);
    EXPECT_NEAR(reached.z, 0.0f, 1e-4f);
    EXPECT_EQ(h.cursorShape(), Qt::SizeAllCursor);
}

TEST_F(EventHandlerTest, ReleaseOverTheDraggedWidgetAppliesTheStepAndShowsTheHoverCursor)
{
    a->releaseStep = ADevMatrix::Translation({0, 1, 0});
    h.press(aAt);
    log.clear();
    EXPECT_TRUE(h.release(aAt));
    EXPECT_EQ(log.take(), QStringList({"A.mouseUp", "A.widgetDeselect", "A.transformBy", "A.widgetTransform"}));
    EXPECT_EQ(a->getPosition(), (float3{-2, 1, 0}));
    EXPECT_EQ(h.cursorShape(), Qt::PointingHandCursor);
    EXPECT_EQ(h.handler()->getActiveWidget(), nullptr);
    EXPECT_EQ(h.handler()->getHoveredWidget(), nullptr);
    // Every resting colour is back, which also ends the fade.
    EXPECT_EQ(a->getColor(), a->getInactiveColor());
    EXPECT_EQ(b->getColor(), b->getInactiveColor());
    // Idle although the mouse is over A: the next move enters it again.
    h.move(float3{-2, 1, 0});
    EXPECT_EQ(log.take(), QStringList({"A.mouseEnter", "A.widgetEntered", "A.mouseMove"}));
}

TEST_F(EventHandlerTest, ReleaseAwayFromTheDraggedWidgetLeavesItAndHoversWithoutEntering)
{
    // A static widget is dragged like any other: its steps are reported, but it stays put.
    a->setStatic(true);
    h.press(aAt);
    h.move(bAt);
    EXPECT_EQ(a->getPosition(), aAt);
    log.clear();
    EXPECT_TRUE(h.release(bAt));
    EXPECT_EQ(log.take(), QStringList({"A.mouseUp", "A.widgetDeselect", "A.mouseLeave", "A.widgetExited"}));
    EXPECT_EQ(h.cursorShape(), Qt::ArrowCursor);
    EXPECT_EQ(h.handler()->getHoveredWidget(), b.get());
    EXPECT_EQ(b->getColor(), b->getInactiveColor());

    h.move(bAt + float3{0.1f, 0, 0});
    EXPECT_EQ(log.take(), QStringList({"B.mouseMove"}));
    h.move(empty);
    EXPECT_EQ(log.take(), QStringList({"B.mouseLeave", "B.widgetExited"}));
}

TEST_F(EventHandlerTest, ReleaseOverNothingEndsIdle)
{
    a->setStatic(true);
    h.press(aAt);
    h.move(empty);
    log.clear();
    EXPECT_TRUE(h.release(empty));
    EXPECT_EQ(log.take(), QStringList({"A.mouseUp", "A.widgetDeselect", "A.mouseLeave", "A.widgetExited"}));
    EXPECT_EQ(h.handler()->getHoveredWidget(), nullptr);
    EXPECT_EQ(h.cursorShape(), Qt::ArrowCursor);
}

TEST_F(EventHandlerTest, PressAcceptedDuringADragHandsTheDragOver)
{
    a->setStatic(true);
    h.press(aAt);
    h.move(bAt);
    log.clear();
    EXPECT_TRUE(h.press(bAt, Qt::RightButton));
    EXPECT_EQ(log.take(), QStringList({"B.mouseDown", "B.widgetSelect"}));
    EXPECT_EQ(h.handler()->getActiveWidget(), b.get());
    EXPECT_EQ(h.cursorShape(), Qt::ClosedHandCursor);
}

TEST_F(EventHandlerTest, DoubleClickAppliesTheWidgetsStepWithoutTouchingHover)
{
    a->doubleClickStep = ADevMatrix::Translation({0, 0, 1});
    h.move(bAt);
    log.clear();
    EXPECT_TRUE(h.doubleClick(aAt));
    EXPECT_EQ(log.take(), QStringList({"A.mouseDoubleClick", "A.transformBy", "A.widgetTransform"}));
    EXPECT_EQ(a->getPosition(), (float3{-2, 0, 1}));
    EXPECT_EQ(h.handler()->getHoveredWidget(), b.get());
    EXPECT_FALSE(h.doubleClick(empty));
}

TEST_F(EventHandlerTest, ModifiersAndHeldButtonsReachTheWidget)
{
    h.press(aAt, Qt::LeftButton, Qt::ShiftModifier);
    h.move(empty, Qt::ShiftModifier);
    const QVariantMap select = log.entries().at(3).arguments.at(0).toMap();
    EXPECT_EQ(log.entries().at(3).line, "A.widgetSelect");
    EXPECT_EQ(select["button"].toInt(), int(Qt::LeftButton));
    EXPECT_EQ(select["modifiers"].toInt(), int(Qt::ShiftModifier));
    EXPECT_EQ(select["position"].toPointF(), h.screenPoint(aAt));
    EXPECT_EQ(h.buttonsHeld(), Qt::MouseButtons(Qt::LeftButton));
}

TEST_F(EventHandlerTest, NonInteractiveWidgetIsEmptySpace)
{
    a->setInteractive(false);
    EXPECT_FALSE(h.press(aAt));
    EXPECT_FALSE(h.doubleClick(aAt));
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST_F(EventHandlerTest, SilencedWidgetEmitsNothingButStillMoves)
{
    a->setSilenced(true);
    h.drag(aAt, float3{-2, 1, 0}, 2);
    EXPECT_EQ(log.take(), QStringList({"A.mouseEnter", "A.mouseDown", "A.mouseMove", "A.transformBy", "A.mouseMove",
                                       "A.transformBy", "A.mouseUp"}));
    EXPECT_NEAR(a->getPosition().y, 1.0f, 1e-4f);
}

TEST(EventHandlerWithoutWidgets, ConsumesNothing)
{
    InteractionHarness h;
    EXPECT_FALSE(h.press({0, 0, 0}));
    EXPECT_FALSE(h.move({1, 0, 0}));
    EXPECT_FALSE(h.release({1, 0, 0}));
    EXPECT_FALSE(h.doubleClick({0, 0, 0}));
    EXPECT_EQ(h.results().size(), 4u);
    EXPECT_FALSE(h.handler()->mousePress(nullptr));
}

} // namespace
