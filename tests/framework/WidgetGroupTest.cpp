#include "tests/framework/BallWidget.h"
#include "tests/platform/math/MathExpect.h"
#include "tests/support/InteractionHarness.h"
#include "tests/support/LiveInstanceCheck.h"
#include "tests/support/SignalLog.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DGroup.h"
#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <functional>

#include <memory>

using namespace UiwTest;
using Lumo::float3;
using Velto::UiWidget::IWidget3D;
using Velto::UiWidget::Widget3DGroup;
using Matrix4 = Kairn::Objects::Matrix4<float>;
using MathTest::near;

namespace {

// A group G at the origin with two ball children, A at (-2, 0, 0) and B at (2, 0, 0), and a
// decoration sphere of its own at (0, -2, 0).
class WidgetGroupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g.reset(Widget3DGroup::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget));
        a = BallWidget::createWidget3D(h.handler(), aAt, &log, "A");
        b = BallWidget::createWidget3D(h.handler(), bAt, &log, "B");
        a->setHoverCursor(Qt::PointingHandCursor);
        b->setHoverCursor(Qt::CrossCursor);
        g->addWidget(a);
        g->addWidget(b);
        decoration = Kairn::Graphics::VyrSphereNode::createGraphicsNode();
        decoration->setPosition(decorationAt);
        decoration->setColor({1, 1, 1, 1});
        g->addGraphicsNode(decoration);
        log.watch(g.get(), "G");
        log.watch(a, "A");
        log.watch(b, "B");
        log.clear();
    }

    void TearDown() override
    {
        g.reset();
        EXPECT_EQ(BallWidget::liveCount, 0);
        EXPECT_TRUE(live.unchanged());
    }

    const float3 aAt{-2, 0, 0};
    const float3 bAt{2, 0, 0};
    const float3 decorationAt{0, -2, 0};
    LiveInstanceCheck live;
    InteractionHarness h;
    SignalLog log;
    std::unique_ptr<Widget3DGroup> g;
    BallWidget* a = nullptr;
    BallWidget* b = nullptr;
    Kairn::Graphics::VyrSphereNode* decoration = nullptr;
};

TEST_F(WidgetGroupTest, TheGroupStandsInForItsChildren)
{
    EXPECT_EQ(h.handler()->getWidgets(), std::vector<IWidget3D*>({g.get()}));
    EXPECT_EQ(g->getHoverCursor().shape(), Qt::ArrowCursor);

    h.move(aAt);
    EXPECT_EQ(log.take(), QStringList({"A.mouseEnter", "G.widgetEntered", "A.mouseMove"}));
    EXPECT_EQ(h.handler()->getHoveredWidget(), g.get());
    EXPECT_EQ(h.cursorShape(), Qt::PointingHandCursor);

    // Another child of the same group is a node change: leave the first child, enter the second.
    h.move(bAt);
    EXPECT_EQ(log.take(), QStringList({"A.mouseLeave", "G.widgetExited", "B.mouseEnter", "G.widgetEntered",
                                       "B.mouseMove"}));
    EXPECT_EQ(h.cursorShape(), Qt::CrossCursor);
    EXPECT_EQ(a->getColor(), a->getInactiveColor());
    EXPECT_EQ(b->getColor(), b->getHighlightColor());

    // The group's own decoration is never grabbed.
    h.move(decorationAt);
    EXPECT_EQ(log.take(), QStringList({"B.mouseLeave", "G.widgetExited"}));
    EXPECT_EQ(h.cursorShape(), Qt::ArrowCursor);
}

TEST_F(WidgetGroupTest, PressingAChildFadesEverythingElseUntilTheRelease)
{
    EXPECT_TRUE(h.press(aAt));
    EXPECT_EQ(log.take(), QStringList({"A.mouseEnter", "G.widgetEntered", "A.mouseDown", "G.widgetSelect"}));
    EXPECT_FLOAT_EQ(a->ball()->getColor().w, 1.0f);
    EXPECT_FLOAT_EQ(b->ball()->getColor().w, 0.2f);
    EXPECT_FLOAT_EQ(decoration->getColor().w, 0.2f);
    EXPECT_EQ(h.cursorShape(), Qt::ClosedHandCursor);
    EXPECT_EQ(g->getHoverCursor().shape(), Qt::PointingHandCursor) << "the cursors of the pressed child";

    h.release(aAt);
    EXPECT_FLOAT_EQ(b->ball()->getColor().w, 1.0f);
    EXPECT_EQ(decoration->getColor(), g->getInactiveColor());
}

TEST_F(WidgetGroupTest, RigidAndDeformableDrags)
{
    struct Row
    {
        const char* name;
        bool deformable, isStatic;
        float3 expectedA, expectedB, expectedGroup;
    };
    // Dragging A up by 1 in the view plane z = 0: the step is a translation by (0, 1, 0).
    const Row rows[] = {
        {"rigid: everything moves", false, false, {-2, 1, 0}, {2, 1, 0}, {0, 1, 0}},
        {"deformable: only the grabbed child and the group's own pose", true, false, {-2, 1, 0}, {2, 0, 0}, {0, 1, 0}},
        {"static: nothing moves", false, true, {-2, 0, 0}, {2, 0, 0}, {0, 0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        InteractionHarness view;
        std::unique_ptr<Widget3DGroup> group(Widget3DGroup::createWidget3D(view.handler(), Kairn::Graphics::SceneItemWidget));
        auto* left = BallWidget::createWidget3D(view.handler(), aAt);
        auto* right = BallWidget::createWidget3D(view.handler(), bAt);
        group->addWidget(left);
        group->addWidget(right);
        group->setDeformable(row.deformable);
        group->setStatic(row.isStatic);
        EXPECT_EQ(left->isStaticWidget(), row.isStatic);
        QSignalSpy steps(group.get(), SIGNAL(widgetTransform(Lumo::Objects::ADevMatrix)));
        view.drag(aAt, float3{-2, 1, 0}, 3);
        EXPECT_EQ(steps.count(), 3) << "steps are reported either way";
        EXPECT_TRUE(near(left->getPosition(), row.expectedA, 1e-4f));
        EXPECT_TRUE(near(right->getPosition(), row.expectedB, 1e-4f));
        EXPECT_TRUE(near(group->getPosition(), row.expectedGroup, 1e-4f));
        EXPECT_TRUE(near(left->ball()->getPosition(), row.expectedA, 1e-4f));
    }
}

TEST_F(WidgetGroupTest, StepsAboutThePositionTurnChildrenAboutTheGroup)
{
    g->translateBy({1, 0, 0});
    EXPECT_TRUE(near(a->getPosition(), {-1, 0, 0}, 1e-4f));
    // A quarter turn about z through the group's position (1, 0, 0): A's offset (-2, 0, 0)
    // becomes (0, -2, 0), B's (2, 0, 0) becomes (0, 2, 0).
    g->transformBy(Matrix4::Rotation(Kairn::Objects::Vector3<float>(0, 0, 1), 1.5707964f), true);
    EXPECT_TRUE(near(g->getPosition(), {1, 0, 0}, 1e-4f));
    EXPECT_TRUE(near(a->getPosition(), {1, -2, 0}, 1e-4f));
    EXPECT_TRUE(near(b->getPosition(), {1, 2, 0}, 1e-4f));
    EXPECT_TRUE(near(a->ball()->getPosition(), {1, -2, 0}, 1e-4f));
}

TEST_F(WidgetGroupTest, NestedGroupsReportTheOuterGroupAndEnumerateAroundExceptions)
{
    // outer { g { A, B }, c }
    std::unique_ptr<Widget3DGroup> outer(Widget3DGroup::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget));
    auto* c = BallWidget::createWidget3D(h.handler(), {0, 2, 0}, &log, "C");
    Widget3DGroup* inner = g.release();
    outer->addWidget(inner);
    outer->addWidget(c);
    log.watch(outer.get(), "O");
    log.clear();
    EXPECT_EQ(h.handler()->getWidgets(), std::vector<IWidget3D*>({outer.get()}));

    h.press(aAt);
    EXPECT_EQ(log.take(), QStringList({"A.mouseEnter", "O.widgetEntered", "A.mouseDown", "O.widgetSelect"}));
    EXPECT_EQ(h.handler()->getActiveWidget(), outer.get());
    h.release(aAt);

    EXPECT_TRUE(outer->containsWidget(a));
    EXPECT_TRUE(inner->containsWidget(a));
    EXPECT_FALSE(inner->containsWidget(c));
    EXPECT_FALSE(outer->containsWidget(nullptr));

    const auto visit = [&](IWidget3D* except) {
        std::vector<IWidget3D*> seen;
        outer->enumerateAllExcept([&](IWidget3D* w) { seen.push_back(w); }, except);
        return seen;
    };
    EXPECT_EQ(visit(nullptr), std::vector<IWidget3D*>({outer.get(), inner, a, b, c}));
    EXPECT_EQ(visit(a), std::vector<IWidget3D*>({outer.get(), inner, b, c}));
    EXPECT_EQ(visit(inner), std::vector<IWidget3D*>({outer.get(), c}));
    EXPECT_TRUE(visit(outer.get()).empty());
}

TEST_F(WidgetGroupTest, RemovingAChildDestroysItAndKeepsTheOthersInOrder)
{
    auto* c = BallWidget::createWidget3D(h.handler(), {0, 2, 0});
    g->addWidget(c);
    g->addWidget(c);
    EXPECT_EQ(g->getChildren().size(), 3u);
    g->removeWidget(a);
    EXPECT_EQ(BallWidget::liveCount, 2);
    ASSERT_EQ(g->getChildren().size(), 2u);
    EXPECT_EQ(g->getChildren()[0].data(), b);
    EXPECT_EQ(g->getChildren()[1].data(), c);
    EXPECT_FALSE(h.press(aAt));
}

} // namespace

// What a host sets on a group reaches every child, as the mouse and the nodes show it.
TEST(WidgetGroupSettings, ShowVisibilityInteractivityTransparencyAndSilencingReachTheChildren)
{
    const float3 aAt{-2, 0, 0}, bAt{2, 0, 0};
    const struct
    {
        const char* name;
        std::function<void(Widget3DGroup&)> apply;
        bool shown, hoverable, reports;
        float alpha;
    } rows[] = {
        {"as created", [](Widget3DGroup&) {}, true, true, true, 1.0f},
        {"show(false)", [](Widget3DGroup& g) { g.show(false); }, false, false, true, 1.0f},
        {"show(false), show(true)", [](Widget3DGroup& g) { g.show(false); g.show(true); }, true, true, true, 1.0f},
        {"setVisible(false)", [](Widget3DGroup& g) { g.setVisible(false); }, false, false, true, 1.0f},
        {"setInteractive(false)", [](Widget3DGroup& g) { g.setInteractive(false); }, true, false, true, 1.0f},
        {"setTransparency(0.3)", [](Widget3DGroup& g) { g.setTransparency(0.3f); }, true, true, true, 0.3f},
        {"setSilenced(true)", [](Widget3DGroup& g) { g.setSilenced(true); }, true, true, false, 1.0f},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LiveInstanceCheck live;
        {
            InteractionHarness h;
            SignalLog log;
            std::unique_ptr<Widget3DGroup> g(Widget3DGroup::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget));
            auto* a = BallWidget::createWidget3D(h.handler(), aAt, &log, "A");
            auto* b = BallWidget::createWidget3D(h.handler(), bAt, &log, "B");
            g->addWidget(a);
            g->addWidget(b);
            for (auto [object, name] : {std::pair<QObject*, QString>{g.get(), "G"}, {a, "A"}, {b, "B"}})
                log.watch(object, name);
            row.apply(*g);
            for (BallWidget* child : {a, b}) {
                EXPECT_EQ(child->ball()->isVisible(), row.shown);
                EXPECT_FLOAT_EQ(child->ball()->getColor().w, row.alpha);
            }
            log.clear();
            h.drag(bAt, bAt + float3{0, 1, 0}, 2);
            const bool hovered = log.lines().contains("B.mouseEnter");
            EXPECT_EQ(hovered, row.hoverable);
            EXPECT_EQ(log.lines().contains("G.widgetSelect"), row.hoverable && row.reports);
            EXPECT_FALSE(log.lines().contains("B.widgetSelect")) << "children report through the group";
            EXPECT_NEAR(b->getPosition().y, row.hoverable ? 1.0f : 0.0f, 1e-4f);
        }
        EXPECT_TRUE(live.unchanged());
    }
}
