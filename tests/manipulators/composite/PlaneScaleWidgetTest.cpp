#include "tests/manipulators/composite/CompositeTestSupport.h"
#include "ui_widgets/manipulators/PlaneScaleWidget.h"
#include "ui_widgets/platform/scene/Camera.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace CompositeTest;
using Lumo::float3;
using Velto::UiWidget::PlaneScaleWidget;

namespace {

// A scale circle of radius 1 about the origin in the XY plane, its grabber at (1, 0, 0). The
// grabber's arrows are 0.15 long; seen from (4, -3, 3) each arrow is hit on its own axis, and
// the rays to the Y and Z arrows pass well clear of the X arrow.
class PlaneScaleWidgetTest : public CompositeFixture
{
protected:
    void SetUp() override
    {
        h.camera()->lookAt({4, -3, 3}, {1, 0, 0}, zAxis);
        scaler = PlaneScaleWidget::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget);
        widget.reset(scaler);
        circle = ownCircle(scaler);
        log.watch(scaler, "PS");
    }

    // The circle runs through the grabber, and widgetScale reported its radius.
    void expectCircleThroughGrabber(const char* when)
    {
        EXPECT_TRUE(circleThroughGrabber(scaler)) << when;
        const auto reports = log.entriesOf("PS.widgetScale");
        if (!reports.empty()) {
            EXPECT_EQ(reports.back().arguments.at(0).toFloat(), circle->getRadius()) << when;
        }
    }

    PlaneScaleWidget* scaler = nullptr;
    Kairn::Graphics::VyrCircleNode* circle = nullptr;
};

TEST_F(PlaneScaleWidgetTest, RadiusIsTheGrabbersDistanceFromTheCentre)
{
    scaler->setPosition({0.5f, 0, 0});
    // The offset along the normal counts: |(2, 0, 1) - (0.5, 0, 0)| = sqrt(1.5^2 + 1) = sqrt(3.25).
    scaler->setGrabberPosition({2, 0, 1});
    EXPECT_EQ(scaler->getGrabberPosition(), (float3{2, 0, 1}));
    EXPECT_FLOAT_EQ(circle->getRadius(), std::sqrt(3.25f));
    EXPECT_TRUE(log.lines().isEmpty());
}

// Each row drags one arrow of the grabber by 0.1 a move; the grabbed point follows the mouse
// exactly (the mouse stays on the arrow's axis), so the grabber stands at start + k * 0.1 * axis
// after the k-th move.
struct GrabberDrag
{
    const char* name;
    float3 axis;
    // Where the circle's centre goes: nowhere for the in-plane arrows, along with the grabber
    // for the normal.
    bool centreFollows;
};

TEST_F(PlaneScaleWidgetTest, GrabberDragsResizeAboutAFixedCentreOrCarryTheCircleAlongTheNormal)
{
    const GrabberDrag rows[] = {{"X", xAxis, false}, {"Y", yAxis, false}, {"Z", zAxis, true}};
    for (const GrabberDrag& row : rows) {
        SCOPED_TRACE(row.name);
        scaler->setPosition({0, 0, 0});
        scaler->setGrabberPosition({1, 0, 0});
        log.clear();
        const float3 start = scaler->getGrabberPosition();
        const float3 grabbed = start + row.axis * 0.1f;

        EXPECT_TRUE(h.press(grabbed));
        const int moves = 4;
        for (int k = 1; k <= moves; ++k) {
            EXPECT_TRUE(h.move(grabbed + row.axis * (0.1f * k)));
            EXPECT_TRUE(near(scaler->getGrabberPosition(), start + row.axis * (0.1f * k), 1e-4f)) << k;
            const float3 centre = row.centreFollows ? row.axis * (0.1f * k) : float3{};
            EXPECT_TRUE(near(scaler->getPosition(), centre, 1e-4f)) << k;
            expectCircleThroughGrabber(row.name);
        }
        h.release(grabbed + row.axis * (0.1f * moves));
        EXPECT_EQ(log.lines(), dragLines("PS", "widgetScale", moves));
        // After the last move: X gives 1 + 0.4, Y gives sqrt(1 + 0.4^2), Z keeps 1.
        const float expected = Lumo::length(start + row.axis * 0.4f - (row.centreFollows ? row.axis * 0.4f : float3{}));
        EXPECT_NEAR(circle->getRadius(), expected, 1e-4f);
        h.move({4, 4, 0});
    }
}

TEST_F(PlaneScaleWidgetTest, SilencedWidgetStillResizes)
{
    scaler->setSilenced(true);
    dragThrough({1.1f, 0, 0}, {{1.2f, 0, 0}, {1.3f, 0, 0}, {1.6f, 0, 0}});
    EXPECT_TRUE(log.lines().isEmpty());
    // The grabber went 0.5 out along X from (1, 0, 0); the centre stayed at the origin.
    EXPECT_NEAR(circle->getRadius(), 1.5f, 1e-4f);
    expectCircleThroughGrabber("silenced");
}

} // namespace
