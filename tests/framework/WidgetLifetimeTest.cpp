#include "tests/framework/BallWidget.h"
#include "tests/support/InteractionHarness.h"
#include "tests/support/LiveInstanceCheck.h"
#include "tests/support/SignalLog.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DGroup.h"

#include <gtest/gtest.h>

#include <QPointer>

#include <functional>

using namespace UiwTest;
using Lumo::float3;
using Velto::UiWidget::IWidget3D;
using Velto::UiWidget::Widget3DGroup;

namespace {

// Each row builds a fresh view with a group G { A, B } and a plain widget C, runs an interaction,
// destroys or detaches something mid-way, and then checks the signals, the handler's state, the
// view's cursor, that the remaining widgets still work and that no node leaked.
struct Scene
{
    InteractionHarness h;
    SignalLog log;
    QPointer<Widget3DGroup> g;
    QPointer<BallWidget> a, b, c;

    const float3 aAt{-2, 0, 0}, bAt{2, 0, 0}, cAt{0, 2, 0}, empty{0, -3, 0};

    Scene()
    {
        g = Widget3DGroup::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget);
        a = BallWidget::createWidget3D(h.handler(), aAt);
        b = BallWidget::createWidget3D(h.handler(), bAt);
        c = BallWidget::createWidget3D(h.handler(), cAt);
        c->setHoverCursor(Qt::PointingHandCursor);
        g->addWidget(a);
        g->addWidget(b);
        for (auto [object, name] : {std::pair<QObject*, QString>{g, "G"}, {a, "A"}, {b, "B"}, {c, "C"}})
            log.watch(object, name);
    }

    ~Scene()
    {
        delete g;
        delete c;
    }
};

struct Row
{
    const char* name;
    std::function<void(Scene&)> act;
    QStringList expectedLog;
};

const Row rows[] = {
    {"plain widget destroyed mid-drag",
     [](Scene& s) {
         s.h.press(s.cAt);
         s.h.move(s.empty);
         s.log.clear();
         delete s.c;
     },
     {"C.widgetDeselect", "C.widgetExited"}},
    {"hovered widget destroyed",
     [](Scene& s) {
         s.h.move(s.cAt);
         s.log.clear();
         delete s.c;
     },
     {}},
    {"group destroyed while a child is dragged",
     [](Scene& s) {
         s.h.press(s.aAt);
         s.log.clear();
         delete s.g;
     },
     {"G.widgetDeselect", "G.widgetExited"}},
    {"dragged child removed from its group",
     [](Scene& s) {
         s.h.press(s.aAt);
         s.log.clear();
         s.g->removeWidget(s.a);
     },
     {"G.widgetDeselect", "G.widgetExited"}},
    {"hovered child removed from its group",
     [](Scene& s) {
         s.h.move(s.aAt);
         s.log.clear();
         s.g->removeWidget(s.a);
     },
     {}},
    {"dragged widget detached from the handler",
     [](Scene& s) {
         s.h.press(s.cAt);
         s.log.clear();
         s.c->setWidgetEventHandler(nullptr);
         delete s.c;
     },
     {"C.widgetDeselect", "C.widgetExited"}},
};

TEST(WidgetLifetime, DestroyingOrDetachingMidInteractionLeavesTheHandlerIdle)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LiveInstanceCheck live;
        {
            Scene s;
            row.act(s);
            EXPECT_EQ(s.log.take(), row.expectedLog);
            EXPECT_EQ(s.h.handler()->getActiveWidget(), nullptr);
            EXPECT_EQ(s.h.handler()->getHoveredWidget(), nullptr);
            EXPECT_EQ(s.h.cursorShape(), Qt::ArrowCursor);
            // The release that ends the gesture finds no drag; what is left still works.
            EXPECT_FALSE(s.h.release(s.empty));
            if (s.b) {
                EXPECT_TRUE(s.h.press(s.bAt));
                EXPECT_TRUE(s.h.release(s.bAt));
            }
        }
        EXPECT_EQ(BallWidget::liveCount, 0);
        EXPECT_TRUE(live.unchanged());
    }
}

TEST(WidgetLifetime, HandlerDestroyedBeforeItsWidgets)
{
    LiveInstanceCheck live;
    {
        Scene s;
        s.h.press(s.aAt);
        s.h.destroyHandler();
        EXPECT_EQ(s.g->getWidgetEventHandler(), nullptr);
        EXPECT_EQ(s.a->getWidgetEventHandler(), nullptr);
        EXPECT_EQ(s.c->getWidgetEventHandler(), nullptr);
        // The view's events reach no handler any more.
        EXPECT_FALSE(s.h.press(s.cAt));
    }
    EXPECT_EQ(BallWidget::liveCount, 0);
    EXPECT_TRUE(live.unchanged());
}

TEST(WidgetLifetime, SharedChildOutlivesItsGroupAndTheHandler)
{
    LiveInstanceCheck live;
    QSharedPointer<IWidget3D> kept;
    {
        Scene s;
        kept = s.g->getChildren().front();
        s.g->removeWidget(s.a);
        EXPECT_TRUE(s.a);
        EXPECT_FALSE(s.h.handler()->isRegistered(s.a));
    }
    EXPECT_EQ(kept->getWidgetEventHandler(), nullptr);
    kept.reset();
    EXPECT_EQ(BallWidget::liveCount, 0);
    EXPECT_TRUE(live.unchanged());
}

TEST(WidgetLifetime, DetachedWidgetsLeaveTheRegistryAndCanMoveToAnotherHandler)
{
    Scene s;
    InteractionHarness other;
    s.c->setWidgetEventHandler(nullptr);
    EXPECT_FALSE(s.h.handler()->isRegistered(s.c));
    EXPECT_FALSE(s.h.press(s.cAt));
    s.h.release(s.cAt);

    s.c->setWidgetEventHandler(other.handler());
    EXPECT_TRUE(other.handler()->isRegistered(s.c));
    EXPECT_TRUE(other.press(s.cAt));
    EXPECT_TRUE(other.release(s.cAt));

    // Re-registering a whole group takes its children out of the registry.
    s.g->setWidgetEventHandler(other.handler());
    EXPECT_EQ(other.handler()->getWidgets(), std::vector<IWidget3D*>({s.c.data(), s.g.data()}));
    EXPECT_TRUE(s.h.handler()->getWidgets().empty());
}

} // namespace
