#include "tests/manipulators/translate/DragGeometry.h"
#include "tests/support/InteractionHarness.h"
#include "tests/support/LiveInstanceCheck.h"
#include "tests/support/SignalLog.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/AxisRotateWidget.h"
#include "ui_widgets/manipulators/AxisTranslateWidget.h"
#include "ui_widgets/manipulators/PlaneRotateWidget.h"
#include "ui_widgets/manipulators/RingAxisTranslateWidget.h"
#include "ui_widgets/manipulators/ScaleWidget.h"
#include "ui_widgets/manipulators/SphereRotateWidget.h"
#include "ui_widgets/platform/scene/SceneItemType.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>

#include <cmath>
#include <functional>
#include <memory>

using namespace TranslateTest;
using Lumo::float3;
using Lumo::Objects::ADevMatrix;
using UiwTest::InteractionHarness;
using UiwTest::LiveInstanceCheck;
using UiwTest::SignalLog;
using Velto::UiWidget::AxisTranslateWidget;

namespace {

float3 translationArgument(const SignalLog::Entry& entry)
{
    return qvariant_cast<float3>(entry.arguments.at(0));
}

float3 translationOf(const ADevMatrix& m)
{
    return {m.M41, m.M42, m.M43};
}

// A wandering mouse path around `start` that keeps well inside an 800 x 600 view.
QPointF wander(const QPointF& start, int i)
{
    return start + QPointF(90 * std::sin(0.05 * i) + 25 * std::cos(0.17 * i) - 25, 70 * std::sin(0.03 * i) - 20 * std::sin(0.11 * i));
}

struct Arrow
{
    InteractionHarness harness;
    AxisTranslateWidget* widget;
    SignalLog log;

    Arrow(const float3& eye, const float3& position, const float3& direction)
    {
        harness.camera()->lookAt(eye, position, {0, 1, 0});
        widget = AxisTranslateWidget::createWidget3D(harness.handler(), Kairn::Graphics::SceneItemWidget);
        widget->setDirection(direction);
        widget->setPosition(position);
        log.watch(widget, "a");
    }
    ~Arrow() { delete widget; }

    QPointF screenOf(const float3& world) const { return harness.screenPoint(world); }
    float3 underMouse(const QPointF& screen, const float3& axisPoint) const
    {
        return axisPointUnderMouse(*harness.camera(), screen, axisPoint, widget->getDirection());
    }
};

struct TrackingCase
{
    const char* name;
    float3 eye;
    float3 position;
    float3 direction;
    float grabAlongAxis;
};

} // namespace

// The grabbed point of the arrow stays where the axis passes closest to the mouse ray after
// every move, the steps run along the axis and add up to the whole drag, and each step is
// reported once by the widget's signal and once, as the same translation, by widgetTransform.
TEST(AxisTranslateWidget, GrabbedPointFollowsTheMouseAlongTheAxis)
{
    const float3 oblique = Lumo::normalized(float3{1, 2, -1});
    const TrackingCase cases[] = {
        {"x axis seen from the front", {0, 0, 10}, {-1, 0.5f, 0}, {1, 0, 0}, 0.7f},
        {"y axis seen from the right", {10, 1, 2}, {0, -1, 0.5f}, {0, 1, 0}, 0.5f},
        {"z axis seen from above and behind", {3, 8, -6}, {0.5f, 0, -1}, {0, 0, 1}, 0.9f},
        {"oblique axis seen from below", {-4, -7, 5}, {0.2f, 0.3f, -0.4f}, oblique, 1.0f},
    };
    for (const TrackingCase& c : cases) {
        SCOPED_TRACE(c.name);
        LiveInstanceCheck live;
        {
            Arrow arrow(c.eye, c.position, c.direction);
            const int sceneNodes = arrow.harness.scene()->nodeCount();
            const QPointF pressAt = arrow.screenOf(c.position + c.direction * c.grabAlongAxis);
            const float3 grabbed = arrow.underMouse(pressAt, c.position);
            ASSERT_TRUE(arrow.harness.pressAt(pressAt));

            float3 total{};
            for (int i = 1; i <= 120; ++i) {
                const QPointF at = wander(pressAt, i);
                arrow.harness.moveAt(at);
                const auto& entries = arrow.log.entries();
                ASSERT_EQ(entries.back().line, "a.widgetTransform");
                const float3 step = translationArgument(entries[entries.size() - 2]);
                EXPECT_TRUE(near(translationOf(qvariant_cast<ADevMatrix>(entries.back().arguments.at(0))), step, 0));
                EXPECT_LT(Lumo::length(Lumo::cross(step, c.direction)), 1e-5f);
                total = total + step;
                ASSERT_TRUE(near(grabbed + total, arrow.underMouse(at, c.position), 2e-4f)) << "move " << i;
            }
            EXPECT_TRUE(near(arrow.widget->getPosition(), c.position + total, 1e-4f));
            arrow.harness.releaseAt(wander(pressAt, 120));
            EXPECT_EQ(arrow.harness.scene()->nodeCount(), sceneNodes);
        }
        EXPECT_TRUE(live.unchanged());
    }
}

// Each step is the position still to reach minus the current one, so a step that a static
// widget did not apply is carried into the next: every step is the whole drag so far.
TEST(AxisTranslateWidget, UnappliedStepsAreCarriedIntoTheNext)
{
    const float3 start{-1, 0, 0}, axis{1, 0, 0};
    {
        Arrow arrow({2, 3, 10}, start, axis);
        arrow.widget->setStatic(true);
        const QPointF pressAt = arrow.screenOf({-0.3f, 0, 0});
        const float3 grabbed = arrow.underMouse(pressAt, start);
        arrow.harness.pressAt(pressAt);
        for (int i = 1; i <= 10; ++i) {
            const QPointF at = pressAt + QPointF(12 * i, 3 * i);
            EXPECT_TRUE(arrow.harness.moveAt(at));
            const float3 step = translationArgument(arrow.log.entries()[arrow.log.entries().size() - 2]);
            EXPECT_TRUE(near(step, arrow.underMouse(at, start) - grabbed, 1e-4f)) << "move " << i;
        }
        EXPECT_TRUE(near(arrow.widget->getPosition(), start, 0));
    }
}

// Screen motion across the projected axis does not move the arrow: with an orthographic camera
// anywhere, and with a perspective camera along the screen line through the eye's foot on the axis.
TEST(AxisTranslateWidget, MotionAcrossTheAxisGivesNoStep)
{
    for (const bool orthographic : {true, false}) {
        SCOPED_TRACE(orthographic ? "orthographic" : "perspective");
        Arrow arrow({0, 0, 10}, {-0.5f, 0, 0}, {1, 0, 0});
        if (orthographic)
            arrow.harness.camera()->setOrthographic(6);
        // Perspective: the eye sits above x = 0, so every ray through that screen column lies in
        // the plane x = 0 and meets the axis there.
        const QPointF pressAt = arrow.screenOf({orthographic ? 0.3f : 0.0f, 0, 0});
        arrow.harness.pressAt(pressAt);
        for (int i = 1; i <= 20; ++i) {
            arrow.harness.moveAt(pressAt + QPointF(0, i % 2 ? 8 * i : -8 * i));
            EXPECT_TRUE(near(arrow.widget->getPosition(), {-0.5f, 0, 0}, 1e-5f)) << "move " << i;
        }
        for (const SignalLog::Entry& entry : arrow.log.entries()) {
            if (entry.line == "a.widgetSingleAxisTranslate") {
                EXPECT_LT(Lumo::length(translationArgument(entry)), 1e-5f);
            }
        }
    }
}

// The whole signal sequence of drags with the buttons a host sees.
TEST(AxisTranslateWidget, ButtonsStartAndEndTheDrag)
{
    const float3 grab{0.4f, 0, 0}, there = grab + float3{1, 0, 0};
    const QStringList dragged{"a.widgetEntered", "a.widgetSelect", "a.widgetSingleAxisTranslate", "a.widgetTransform"};
    const struct
    {
        const char* name;
        std::function<void(Arrow&)> act;
        QStringList expected;
        bool moves;
    } rows[] = {
        {"left button",
         [&](Arrow& a) {
             EXPECT_TRUE(a.harness.press(grab));
             EXPECT_TRUE(a.harness.move(grab + float3{0.5f, 0.2f, 0}));
             EXPECT_TRUE(a.harness.move(there));
             EXPECT_TRUE(a.harness.release(there));
         },
         dragged + QStringList{"a.widgetSingleAxisTranslate", "a.widgetTransform", "a.widgetDeselect"}, true},
        {"right button alone",
         [&](Arrow& a) {
             EXPECT_FALSE(a.harness.press(grab, Qt::RightButton));
             EXPECT_FALSE(a.harness.move(there));
             EXPECT_FALSE(a.harness.release(there, Qt::RightButton));
         },
         {"a.widgetEntered", "a.widgetExited"}, false},
        {"left and right held",
         [&](Arrow& a) {
             EXPECT_FALSE(a.harness.press(grab, Qt::RightButton));
             EXPECT_TRUE(a.harness.press(grab, Qt::LeftButton));
             EXPECT_TRUE(a.harness.move(there));
         },
         dragged, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Arrow arrow({1, 2, 10}, {-0.5f, 0, 0}, {1, 0, 0});
        row.act(arrow);
        EXPECT_EQ(arrow.log.take(), row.expected);
        EXPECT_TRUE(near(arrow.widget->getPosition(), row.moves ? float3{0.5f, 0, 0} : float3{-0.5f, 0, 0}, 1e-4f));
    }
}

// Every dragging widget kind: its cursor under the mouse and while dragged (the scale handle
// keeps the default ones), the end of its drag when a move arrives without the left button (the
// release happened outside the view), and, silenced, the same drag moving its nodes unreported.
TEST(AxisTranslateWidget, EveryDragWidgetKindShowsItsCursorAndEndsADragWithoutTheLeftButton)
{
    using namespace Velto::UiWidget;
    const QCursor translate(QPixmap(":/resources/images/Cursors/KtTranslate.png"), 1, 1);
    const QCursor rotate(QPixmap(":/resources/images/Cursors/KtPlaneFreeOrbit.png"), 1, 1);
    ASSERT_FALSE(translate.pixmap().isNull());
    ASSERT_FALSE(rotate.pixmap().isNull());
    const float3 ringPoint{0.5f, 0.866f, 0}, ringFurther{0.3f, 0.954f, 0}, tilted{0.985f, 0, 0.174f};
    const struct
    {
        const char* name;
        std::function<IWidget3D*(Widget3DEventHandler*)> create;
        float3 eye, target, grab, to;
        QCursor hover, active;
        QString step;
    } rows[] = {
        {"axis translate", [](auto* h) { auto* w = AxisTranslateWidget::createWidget3D(h, 1); w->setDirection({1, 0, 0}); return w; },
         {1, 2, 10}, {0, 0, 0}, {0.4f, 0, 0}, {0.9f, 0, 0}, translate, translate, "w.widgetSingleAxisTranslate"},
        {"ring axis translate", [](auto* h) { auto* w = RingAxisTranslateWidget::createWidget3D(h, 1); w->setDirection({0, 1, 0}); return w; },
         {6, 4, 8}, {0, 0, 0}, {0, 0, 0}, {0, 0.5f, 0}, translate, translate, "w.widgetSingleAxisTranslate"},
        {"scale", [](auto* h) { return ScaleWidget::createWidget3D(h, 1); },
         {6, 2, 8}, {0, 0, 1}, {0, 0, 1.5f}, {0, 0, 2}, Qt::ArrowCursor, Qt::ClosedHandCursor, "w.widgetSingleAxisScale"},
        {"axis rotate", [](auto* h) { return AxisRotateWidget::createWidget3D(h, 1); },
         {0, 0, 10}, {0, 0, 0}, ringPoint, ringFurther, rotate, rotate, "w.widgetSingleAxisRotate"},
        {"plane rotate", [](auto* h) { return PlaneRotateWidget::createWidget3D(h, 1); },
         {4, -6, 7}, {0, 0, 0}, {1, 0, 0}, tilted, rotate, rotate, "w.widgetPlaneRotate"},
        {"sphere rotate", [](auto* h) { return SphereRotateWidget::createWidget3D(h, 1); },
         {0, 0, 10}, {0, 0, 0}, {0, 0, 1}, Lumo::normalized(float3{0.3f, 0, 1}), rotate, rotate, "w.widgetSphereRotate"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        InteractionHarness h;
        // Up is +y, but +z for the tilt ring seen from below its plane's edge.
        h.camera()->lookAt(row.eye, row.target, row.step == "w.widgetPlaneRotate" ? float3{0, 0, 1} : float3{0, 1, 0});
        std::unique_ptr<IWidget3D> widget(row.create(h.handler()));
        SignalLog log;
        log.watch(widget.get(), "w");
        h.move(row.grab);
        EXPECT_TRUE(InteractionHarness::sameCursor(h.viewCursor(), row.hover));
        ASSERT_TRUE(h.press(row.grab));
        EXPECT_TRUE(h.move(row.to));
        EXPECT_TRUE(InteractionHarness::sameCursor(h.viewCursor(), row.active));
        const std::size_t steps = log.entriesOf(row.step).size();
        EXPECT_GT(steps, 0u);

        const QPointF away = h.screenPoint(row.grab);
        QMouseEvent buttonless(QEvent::MouseMove, away, away, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(h.view(), &buttonless);
        EXPECT_FALSE(h.results().back().consumed);
        EXPECT_FALSE(h.move(row.to));
        EXPECT_EQ(log.entriesOf(row.step).size(), steps);
        h.release(row.to);

        std::unique_ptr<IWidget3D> silenced(row.create(h.handler()));
        widget.reset();
        silenced->setSilenced(true);
        log.clear();
        log.watch(silenced.get(), "w");
        const ADevMatrix before = silenced->getGraphicsNodes().front()->getFullTransform();
        h.drag(row.grab, row.to, 3);
        EXPECT_TRUE(log.lines().isEmpty());
        EXPECT_FALSE(near(silenced->getGraphicsNodes().front()->getFullTransform(), before, 1e-4f));
    }
}
