#include "tests/framework/BallWidget.h"
#include "tests/support/InteractionHarness.h"
#include "tests/support/LiveInstanceCheck.h"
#include "tests/support/SignalLog.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/platform/scene/VyrScene.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace UiwTest;
using Lumo::float3;
using Lumo::Objects::ADevMatrix;

namespace {

const float3 aAt{-2, 0, 0}, bAt{2, 0, 0}, empty{0, 3, 0};

// Two balls of radius 0.5 on the x axis, seen from (0, 0, 10); `empty` is empty space.
struct View
{
    InteractionHarness h;
    SignalLog log;
    std::unique_ptr<BallWidget> a{BallWidget::createWidget3D(h.handler(), aAt, &log, "A")};
    std::unique_ptr<BallWidget> b{BallWidget::createWidget3D(h.handler(), bAt, &log, "B")};

    View()
    {
        a->setHoverCursor(Qt::PointingHandCursor);
        a->setActiveCursor(Qt::SizeAllCursor);
        b->setHoverCursor(Qt::CrossCursor);
        log.watch(a.get(), "A");
        log.watch(b.get(), "B");
    }
    BallWidget* widget(char name) const { return name == 'A' ? a.get() : name == 'B' ? b.get() : nullptr; }
};

struct Transition
{
    const char* name;
    std::function<void(View&)> before;
    std::function<bool(View&)> event;
    bool consumed;
    QStringList calls;
    char hovered, active; // 'A', 'B' or '-'; a dragged widget stays the hovered one
    Qt::CursorShape cursor;
    std::function<void(View&)> check = nullptr;
};

void nothing(View&) {}

const Transition transitions[] = {
    {"idle: move onto A", nothing, [](View& v) { return v.h.move(aAt); }, false,
     {"A.mouseEnter", "A.widgetEntered", "A.mouseMove"}, 'A', '-', Qt::PointingHandCursor,
     [](View& v) { EXPECT_EQ(v.a->getColor(), v.a->getHighlightColor()); }},
    {"hover: move on the same node", [](View& v) { v.h.move(aAt); },
     [](View& v) { return v.h.move(aAt + float3{0.1f, 0.1f, 0}); }, false, {"A.mouseMove"}, 'A', '-',
     Qt::PointingHandCursor},
    {"hover: move from A to B", [](View& v) { v.h.move(aAt); }, [](View& v) { return v.h.move(bAt); }, false,
     {"A.mouseLeave", "A.widgetExited", "B.mouseEnter", "B.widgetEntered", "B.mouseMove"}, 'B', '-',
     Qt::CrossCursor, [](View& v) { EXPECT_EQ(v.a->getColor(), v.a->getInactiveColor()); }},
    {"hover: move to another node of the same widget",
     [](View& v) {
         v.a->addBall(aAt + float3{0, 1.5f, 0});
         v.h.move(aAt);
     },
     [](View& v) { return v.h.move(aAt + float3{0, 1.5f, 0}); }, false,
     {"A.mouseLeave", "A.widgetExited", "A.mouseEnter", "A.widgetEntered", "A.mouseMove"}, 'A', '-',
     Qt::PointingHandCursor, [](View& v) { EXPECT_EQ(v.a->seenNode, v.a->ball(1)); }},
    {"hover: move off into empty space", [](View& v) { v.h.move(bAt); }, [](View& v) { return v.h.move(empty); },
     false, {"B.mouseLeave", "B.widgetExited"}, '-', '-', Qt::ArrowCursor},
    {"idle: move over empty space", nothing, [](View& v) { return v.h.move(empty); }, false, {}, '-', '-',
     Qt::ArrowCursor},
    {"idle: press on A", nothing, [](View& v) { return v.h.press(aAt); }, true,
     {"A.mouseEnter", "A.widgetEntered", "A.mouseDown", "A.widgetSelect"}, 'A', 'A', Qt::SizeAllCursor,
     [](View& v) {
         // The widget gets its own node and a point on the side of the sphere facing the camera.
         EXPECT_EQ(v.a->seenNode, v.a->ball());
         EXPECT_NEAR(Lumo::length(v.a->seenHitPoint - aAt), 0.5f, 1e-4f);
         EXPECT_GT(v.a->seenHitPoint.z, 0.0f);
         // Every other widget keeps 20 % of its alpha.
         EXPECT_FLOAT_EQ(v.a->ball()->getColor().w, 1.0f);
         EXPECT_FLOAT_EQ(v.b->ball()->getColor().w, 0.2f);
     }},
    {"hover: press on the hovered widget", [](View& v) { v.h.move(aAt); }, [](View& v) { return v.h.press(aAt); },
     true, {"A.mouseDown", "A.widgetSelect"}, 'A', 'A', Qt::SizeAllCursor},
    {"idle: press rejected by A", [](View& v) { v.a->acceptsPress = false; },
     [](View& v) { return v.h.press(aAt); }, false, {"A.mouseEnter", "A.widgetEntered", "A.mouseDown"}, 'A', '-',
     Qt::PointingHandCursor, [](View& v) { EXPECT_FLOAT_EQ(v.b->ball()->getColor().w, 1.0f); }},
    {"hover: click rejected by A, then leave",
     [](View& v) {
         v.a->acceptsPress = false;
         v.h.move(aAt);
         v.h.press(aAt);
     },
     [](View& v) { return v.h.release(aAt); }, false, {}, 'A', '-', Qt::PointingHandCursor,
     [](View& v) {
         // Still hovered: leaving un-highlights A and reports the exit once.
         v.h.move(empty);
         EXPECT_EQ(v.log.take(), QStringList({"A.mouseLeave", "A.widgetExited"}));
         EXPECT_EQ(v.a->getColor(), v.a->getInactiveColor());
         EXPECT_EQ(v.h.cursorShape(), Qt::ArrowCursor);
     }},
    {"hover: press over empty space", [](View& v) { v.h.move(aAt); }, [](View& v) { return v.h.press(empty); },
     false, {}, 'A', '-', Qt::PointingHandCursor},
    {"drag: release over the dragged widget",
     [](View& v) {
         v.a->releaseStep = ADevMatrix::Translation({0, 1, 0});
         v.h.press(aAt);
     },
     [](View& v) { return v.h.release(aAt); }, true,
     {"A.mouseUp", "A.widgetDeselect", "A.transformBy", "A.widgetTransform"}, '-', '-', Qt::PointingHandCursor,
     [](View& v) {
         EXPECT_EQ(v.a->getPosition(), (float3{-2, 1, 0}));
         EXPECT_EQ(v.b->getColor(), v.b->getInactiveColor());
         // Idle although the mouse is over A: the next move enters it again.
         v.log.clear();
         v.h.move(float3{-2, 1, 0});
         EXPECT_EQ(v.log.take(), QStringList({"A.mouseEnter", "A.widgetEntered", "A.mouseMove"}));
     }},
    {"drag: release over another widget",
     [](View& v) {
         v.a->setStatic(true);
         v.h.press(aAt);
         v.h.move(bAt);
     },
     [](View& v) { return v.h.release(bAt); }, true,
     {"A.mouseUp", "A.widgetDeselect", "A.mouseLeave", "A.widgetExited"}, 'B', '-', Qt::ArrowCursor,
     [](View& v) {
         EXPECT_EQ(v.a->getPosition(), aAt) << "a static widget is dragged but stays put";
         EXPECT_EQ(v.b->getColor(), v.b->getInactiveColor());
         v.log.clear();
         v.h.move(bAt + float3{0.1f, 0, 0});
         EXPECT_EQ(v.log.take(), QStringList({"B.mouseMove"})) << "hovered without having been entered";
     }},
    {"drag: release over empty space",
     [](View& v) {
         v.a->setStatic(true);
         v.h.press(aAt);
         v.h.move(empty);
     },
     [](View& v) { return v.h.release(empty); }, true,
     {"A.mouseUp", "A.widgetDeselect", "A.mouseLeave", "A.widgetExited"}, '-', '-', Qt::ArrowCursor},
    {"drag: press accepted by another widget",
     [](View& v) {
         v.a->setStatic(true);
         v.h.press(aAt);
         v.h.move(bAt);
     },
     [](View& v) { return v.h.press(bAt, Qt::RightButton); }, true, {"B.mouseDown", "B.widgetSelect"}, 'A', 'B',
     Qt::ClosedHandCursor},
    {"hover: double click on another widget",
     [](View& v) {
         v.a->doubleClickStep = ADevMatrix::Translation({0, 0, 1});
         v.h.move(bAt);
     },
     [](View& v) { return v.h.doubleClick(aAt); }, true,
     {"A.mouseDoubleClick", "A.transformBy", "A.widgetTransform"}, 'B', '-', Qt::CrossCursor,
     [](View& v) {
         EXPECT_EQ(v.a->getPosition(), (float3{-2, 0, 1}));
         EXPECT_FALSE(v.h.doubleClick(empty));
     }},
    // The ray through A runs on to (-2.6, 0, -3), where B waits behind A in the overlay layer.
    {"idle: an overlay hit beats a nearer widget-layer hit",
     [](View& v) {
         v.b->setPosition({-2.6f, 0, -3});
         v.b->ball()->addToScene(v.h.scene(), Kairn::Graphics::SceneItemOverlay);
     },
     [](View& v) { return v.h.move(aAt); }, false, {"B.mouseEnter", "B.widgetEntered", "B.mouseMove"}, 'B', '-',
     Qt::CrossCursor},
    {"hover: the hovered node is invalidated",
     [](View& v) {
         v.h.move(aAt);
         Velto::UiWidget::IWidget3D::invalidateGraphicsNode(v.a->ball());
     },
     [](View& v) { return v.h.move(aAt + float3{0.1f, 0, 0}); }, false, {"A.mouseLeave", "A.widgetExited"}, '-', '-',
     Qt::ArrowCursor, [](View& v) { EXPECT_EQ(v.a->getGraphicsNodes().size(), 1u); }},
    {"idle: move onto a node given by setGraphicsNodes",
     [](View& v) {
         auto* replacement = Kairn::Graphics::VyrSphereNode::createGraphicsNode();
         replacement->setRadius(0.5f);
         replacement->setPosition({0, -2, 0});
         v.a->setGraphicsNodes({replacement});
         v.a->addToScene();
     },
     [](View& v) { return v.h.move({0, -2, 0}) || v.h.move(aAt); }, false,
     {"A.mouseEnter", "A.widgetEntered", "A.mouseMove", "A.mouseLeave", "A.widgetExited"}, '-', '-', Qt::ArrowCursor},
    {"non-interactive widget is empty space", [](View& v) { v.a->setInteractive(false); },
     [](View& v) { return v.h.press(aAt) || v.h.doubleClick(aAt); }, false, {}, '-', '-', Qt::ArrowCursor},
};

TEST(EventHandler, EveryTransitionCallsSignalsAndSetsTheCursorInOrder)
{
    for (const Transition& t : transitions) {
        SCOPED_TRACE(t.name);
        LiveInstanceCheck live;
        {
            View v;
            t.before(v);
            v.log.clear();
            EXPECT_EQ(t.event(v), t.consumed);
            EXPECT_EQ(v.log.lines(), t.calls);
            EXPECT_EQ(v.h.handler()->getHoveredWidget(), v.widget(t.hovered));
            EXPECT_EQ(v.h.handler()->getActiveWidget(), v.widget(t.active));
            EXPECT_EQ(v.h.cursorShape(), t.cursor);
            if (t.check)
                t.check(v);
        }
        EXPECT_TRUE(live.unchanged());
    }
}

TEST(EventHandler, DragFollowsTheMouseWithTheGrabbedNodeAndNoHoverChanges)
{
    View v;
    v.h.press(aAt, Qt::LeftButton, Qt::ShiftModifier);
    const QVariantMap select = v.log.entries().back().arguments.at(0).toMap();
    EXPECT_EQ(select["modifiers"].toInt(), int(Qt::ShiftModifier));
    EXPECT_EQ(select["position"].toPointF(), v.h.screenPoint(aAt));
    v.log.clear();
    // Across empty space and over B: A keeps getting the moves with its own node.
    EXPECT_EQ(v.h.moveAlong(aAt, bAt + float3{0, 3, 0}, 4), std::vector<bool>(4, true));
    QStringList expected;
    for (int i = 0; i < 4; ++i)
        expected << "A.mouseMove" << "A.transformBy" << "A.widgetTransform";
    EXPECT_EQ(v.log.take(), expected);
    EXPECT_EQ(v.a->seenNode, v.a->ball());
    // The view plane through A is z = 0, so A ends exactly under the mouse.
    EXPECT_LT(Lumo::length(v.a->getPosition() - float3{2, 3, 0}), 1e-4f);
    EXPECT_EQ(v.h.cursorShape(), Qt::SizeAllCursor);
}

TEST(EventHandler, SilencedWidgetEmitsNothingButStillMoves)
{
    View v;
    v.a->setSilenced(true);
    v.log.clear();
    v.h.drag(aAt, float3{-2, 1, 0}, 2);
    EXPECT_EQ(v.log.take(), QStringList({"A.mouseEnter", "A.mouseDown", "A.mouseMove", "A.transformBy", "A.mouseMove",
                                         "A.transformBy", "A.mouseUp"}));
    EXPECT_NEAR(v.a->getPosition().y, 1.0f, 1e-4f);
}

TEST(EventHandler, WithoutWidgetsConsumesNothing)
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
