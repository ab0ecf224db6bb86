#include "tests/manipulators/rotate/RotateTestSupport.h"
#include "ui_widgets/manipulators/SphereRotateWidget.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"

#include <gtest/gtest.h>

#include <memory>

using namespace RotateTest;
using Lumo::float3;
using UiwTest::InteractionHarness;
using UiwTest::SignalLog;
using Velto::UiWidget::SphereRotateWidget;

namespace {

// A trackball sphere of radius 1 about the origin, seen from (0, 0, 10): the front cap faces +Z.
class SphereRotateWidgetTest : public UiwTest::WidgetFixture<SphereRotateWidget>
{
protected:
    void SetUp() override { ball = create("ball"); }

    std::vector<SignalLog::Entry> steps() const { return log.entriesOf("ball.widgetSphereRotate"); }

    // The sphere point in direction (x, y, 1).
    static float3 front(float x, float y) { return Lumo::normalized(float3{x, y, 1}); }

    SphereRotateWidget* ball = nullptr;
};

TEST_F(SphereRotateWidgetTest, GrabbedPointFollowsTheMouse)
{
    const float3 grabbed = front(-0.3f, -0.2f);
    const float3 target = front(0.4f, 0.3f);
    EXPECT_TRUE(h.press(grabbed));
    log.clear();
    // Normalised points of the chord lie on the great circle from `grabbed` to `target`, so every
    // step turns about the same axis, and the steps add up to the angle between the two.
    for (int i = 1; i <= 10; ++i)
        EXPECT_TRUE(h.move(Lumo::normalized(grabbed + (target - grabbed) * (i / 10.0f))));
    h.release(target);

    const float3 axis = Lumo::normalized(Lumo::cross(grabbed, target));
    ASSERT_EQ(steps().size(), 10u);
    for (const SignalLog::Entry& step : steps()) {
        EXPECT_GT(angleOf(step), 0.0f);
        EXPECT_LT(angleOf(step), radians(90));
        EXPECT_TRUE(near(lineOf(step).Direction(), axis, 1e-3f));
        EXPECT_TRUE(near(lineOf(step).Point(), {0, 0, 0}));
    }
    EXPECT_NEAR(sumOfAngles(steps()), std::acos(Lumo::dot(grabbed, target)), 1e-4);
    // The sphere carried the grabbed point to where the mouse is now.
    EXPECT_TRUE(near(ball->getSphere()->getFullTransform().transformPoint(grabbed), target, 1e-4f));
}

TEST_F(SphereRotateWidgetTest, MovesOffTheSilhouetteAreIgnoredUntilTheMouseComesBack)
{
    const float3 first = front(0.2f, 0);
    const float3 second = front(0.2f, 0.3f);
    h.press(front(0, 0));
    EXPECT_TRUE(h.move(first));
    EXPECT_FALSE(h.move({2, 0, 0}));
    EXPECT_FALSE(h.move({0, -3, 0}));
    EXPECT_EQ(steps().size(), 1u);
    // Resumed from the last accepted position, not from the press.
    EXPECT_TRUE(h.move(second));
    ASSERT_EQ(steps().size(), 2u);
    EXPECT_NEAR(angleOf(steps()[1]), std::acos(Lumo::dot(first, second)), 1e-4);
    h.release(second);
}

TEST_F(SphereRotateWidgetTest, QuarterTurnsAndTinyMotionsAreHeldBack)
{
    // From 60 degrees left of the front to 60 degrees right: a 120-degree step, ignored.
    const float3 left = onCircle(-60, {0, 0, 1}, {1, 0, 0});
    const float3 right = onCircle(60, {0, 0, 1}, {1, 0, 0});
    h.press(left);
    EXPECT_FALSE(h.move(right));
    EXPECT_TRUE(steps().empty());
    h.release(right);

    // Below acos(0.99999), 0.256 degrees, motions add up until they pass it.
    h.press(front(0, 0));
    EXPECT_FALSE(h.move(onCircle(0.1, {0, 0, 1}, {0, 1, 0})));
    EXPECT_FALSE(h.move(onCircle(0.2, {0, 0, 1}, {0, 1, 0})));
    EXPECT_TRUE(h.move(onCircle(0.3, {0, 0, 1}, {0, 1, 0})));
    ASSERT_EQ(steps().size(), 1u);
    EXPECT_NEAR(angleOf(steps()[0]), radians(0.3), 2e-5);
    h.release(onCircle(0.3, {0, 0, 1}, {0, 1, 0}));
}

} // namespace
