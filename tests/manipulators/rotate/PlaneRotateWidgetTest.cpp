#include "tests/manipulators/rotate/RotateTestSupport.h"
#include "ui_widgets/manipulators/PlaneRotateWidget.h"
#include "ui_widgets/nodes/VyrMarginTextNode.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"

#include <gtest/gtest.h>

#include <memory>

using namespace RotateTest;
using Lumo::float3;
using UiwTest::InteractionHarness;
using UiwTest::SignalLog;
using Velto::UiWidget::PlaneRotateWidget;
using Velto::UiWidget::VyrMarginTextNode;

namespace {

// A tilt ring of radius 1 about the origin in the XY plane. Seen from the side the tilt plane
// through the eye would be edge-on, so the camera looks down at it obliquely.
class PlaneRotateWidgetTest : public UiwTest::WidgetFixture<PlaneRotateWidget>
{
protected:
    void SetUp() override
    {
        live.track<VyrMarginTextNode>("VyrMarginTextNode");
        h.camera()->lookAt({4, -6, 7}, {0, 0, 0}, {0, 0, 1});
        tilt = create("tilt");
        tilt->setIndicatorColor(indicatorColor);
    }

    Kairn::Graphics::VyrCircleNode* indicator() const
    {
        const auto circles = overlayNodes<Kairn::Graphics::VyrCircleNode>(h.scene());
        return circles.size() == 1 ? circles.front() : nullptr;
    }

    std::wstring labelText() const
    {
        const auto labels = overlayNodes<VyrMarginTextNode>(h.scene());
        return labels.size() == 1 ? std::wstring(labels.front()->getText()) : std::wstring();
    }

    const Lumo::vec4<float> indicatorColor{1.0f, 0.5f, 0.0f, 1.0f};
    const float3 away{3, 3, 0};
    PlaneRotateWidget* tilt = nullptr;
};

TEST_F(PlaneRotateWidgetTest, HoverShowsAnIndicatorThroughTheHoveredPoint)
{
    const UiwTest::LiveInstanceCheck beforeHover;
    for (double degrees : {0.0, 90.0, 200.0}) {
        h.move(onXYRing(degrees));
        Kairn::Graphics::VyrCircleNode* circle = indicator();
        ASSERT_NE(circle, nullptr) << degrees;
        // Perpendicular to the ring (its normal is the ring's tangent, hovered point x +Z), about
        // the same centre with radius 1, so it passes through the hovered point.
        const float3 tangent = Lumo::cross(onXYRing(degrees), float3{0, 0, 1});
        EXPECT_TRUE(near(circle->getZDirection(), tangent, 1e-4f)) << degrees;
        EXPECT_TRUE(near(circle->getPosition(), {0, 0, 0})) << degrees;
        EXPECT_EQ(circle->getRadius(), 1.0f);
        EXPECT_EQ(circle->getColor(), indicatorColor);
    }
    h.move(away);
    EXPECT_TRUE(overlayNodes<Kairn::Graphics::VyrGraphicsNode>(h.scene()).empty());
    EXPECT_TRUE(beforeHover.unchanged());
}

TEST_F(PlaneRotateWidgetTest, DragTiltsAboutTheTangentAtTheGrabbedPoint)
{
    UiwTest::LiveInstanceCheck beforePress;
    beforePress.track<VyrMarginTextNode>("VyrMarginTextNode");
    EXPECT_TRUE(h.press(onXYRing(0)));
    // Indicator, axis lines, arrow head and label.
    EXPECT_EQ(overlayNodes<Kairn::Graphics::VyrGraphicsNode>(h.scene()).size(), 4u);
    EXPECT_EQ(labelText(), L"0.0");
    // The label in the indicator's colour on opaque grey, Arial 20.
    const VyrMarginTextNode* label = overlayNodes<VyrMarginTextNode>(h.scene()).front();
    EXPECT_STREQ(label->getFont(), L"Arial");
    EXPECT_EQ(label->getFontSize(), 20.0f);
    EXPECT_EQ(label->getColor(), indicatorColor);
    EXPECT_TRUE(sameColor(label->getBackgroundColor(), rgb255(128, 128, 128)));
    log.clear();

    // The grabbed point (1, 0, 0) is pulled up in the XZ plane by 5 degrees a move.
    const float3 x{1, 0, 0};
    const float3 z{0, 0, 1};
    for (int i = 1; i <= 6; ++i)
        EXPECT_TRUE(h.move(onCircle(5 * i, x, z)));
    const auto steps = log.entriesOf("tilt.widgetPlaneRotate");
    ASSERT_EQ(steps.size(), 6u);
    for (const SignalLog::Entry& step : steps) {
        EXPECT_NEAR(angleOf(step), radians(5), 1e-4);
        // Turning +X toward +Z is a turn about -Y, the tangent (1, 0, 0) x (0, 0, 1).
        EXPECT_TRUE(near(lineOf(step).Direction(), {0, -1, 0}, 1e-4f));
        EXPECT_TRUE(near(lineOf(step).Point(), {0, 0, 0}));
    }
    // The ring's normal tipped away from the grabbed point: +Z turned 30 degrees about -Y.
    EXPECT_TRUE(near(tilt->getDirection(), onCircle(30, z, -x), 1e-4f));
    EXPECT_EQ(labelText(), L"30.0");
    const auto groups = overlayNodes<Kairn::Graphics::VyrGroupNode>(h.scene());
    bool arrowAtGrab = false;
    for (Kairn::Graphics::VyrGroupNode* group : groups)
        arrowAtGrab = arrowAtGrab || near(group->getPosition(), onCircle(30, x, z), 1e-4f);
    EXPECT_TRUE(arrowAtGrab);

    h.release(onCircle(30, x, z));
    EXPECT_TRUE(overlayNodes<Kairn::Graphics::VyrGraphicsNode>(h.scene()).empty());
    EXPECT_TRUE(beforePress.unchanged());
}

TEST_F(PlaneRotateWidgetTest, LabelStartsAtZeroOnEveryPressAndTracksTheSign)
{
    const float3 x{1, 0, 0};
    const float3 z{0, 0, 1};
    h.press(onXYRing(0));
    h.move(onCircle(10, x, z));
    h.release(onCircle(10, x, z));
    h.move(away);
    tilt->setDirection({0, 0, 1});

    h.press(onXYRing(0));
    EXPECT_EQ(labelText(), L"0.0");
    // Pushing the grabbed point down turns about +Y: the label counts negative.
    h.move(onCircle(-10, x, z));
    EXPECT_EQ(labelText(), L"-10.0");
    h.release(onCircle(-10, x, z));
}

// The viewer's framing: a 1280 x 800 view looking down at a ring of radius 1 from 3.484 units
// away, along (0.55, -0.75, 0.45), i.e. 25.8 degrees above the ring's plane. Grabbed at (or a grid
// step beside) its point nearest the viewer, the ring's tilt plane, spanned by +Z and the grab,
// passes through or within 0.02 of the eye: it is seen edge-on, and a drag across it sends the
// crossing of the pick ray off to infinity and back from behind the eye. Whatever the swings of
// single steps, the drag ends with the grab vector pointing where the line of the last pick ray
// meets the tilt plane, which lies near the eye: about 25.8 degrees of tilt.
TEST(PlaneRotateWidgetEdgeOnTest, DragAcrossAnEdgeOnTiltPlaneEndsWhereTheLastRayMeetsIt)
{
    const float3 eye = Lumo::normalized(float3{0.55f, -0.75f, 0.45f}) * 3.484f;
    const float eyeElevation = std::atan2(eye.z, std::hypot(eye.x, eye.y));
    const float3 nearest = Lumo::normalized(float3{eye.x, eye.y, 0});
    const float3 tangent = Lumo::cross(nearest, zAxis);

    // Pressed on the nearest point and one and two pixels either side of it, dragged 70 pixels
    // to the right in 12 moves.
    for (double offset : {0.0, -1.0, -2.0, 1.0, 2.0}) {
        InteractionHarness h(QSize(1280, 800));
        h.camera()->lookAt(eye, {0, 0, 0}, zAxis);
        std::unique_ptr<PlaneRotateWidget> tilt(
            PlaneRotateWidget::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget));
        SignalLog log;
        log.watch(tilt.get(), "tilt");

        const QPointF press = h.screenPoint(nearest) + QPointF(offset, 0);
        ASSERT_TRUE(h.pressAt(press)) << offset;
        const auto grab = h.camera()->getPickRay({float(press.x()), float(press.y())});
        const float3 grabbed = Lumo::normalized(float3(grab.pointAt(-grab.origin().z / grab.direction().z)));
        const QPointF end = press + QPointF(70, 0);
        for (int i = 1; i <= 12; ++i)
            h.moveAt(press + (end - press) * (i / 12.0));

        // Where the line of the last pick ray meets the tilt plane (normal grabbed x +Z), as an
        // angle from the grabbed point toward +Z.
        const float3 normal = Lumo::normalized(Lumo::cross(grabbed, zAxis));
        const auto last = h.camera()->getPickRay({float(end.x()), float(end.y())});
        const float3 crossing = last.pointAt(-Lumo::dot(normal, float3(last.origin())) /
                                             Lumo::dot(normal, float3(last.direction())));
        const float expectedTilt = std::atan2(Lumo::dot(crossing, zAxis), Lumo::dot(crossing, grabbed));
        EXPECT_NEAR(expectedTilt, eyeElevation, radians(1)) << offset;

        // The ring's normal turned toward the viewer by that tilt, about the tangent.
        const float3 expectedDirection = zAxis * std::cos(expectedTilt) - grabbed * std::sin(expectedTilt);
        EXPECT_TRUE(near(tilt->getDirection(), expectedDirection, 2e-3f))
            << offset << ": " << tilt->getDirection().x << ' ' << tilt->getDirection().y << ' '
            << tilt->getDirection().z;
        const auto labels = overlayNodes<VyrMarginTextNode>(h.scene());
        ASSERT_EQ(labels.size(), 1u);
        EXPECT_NEAR(std::stof(std::wstring(labels.front()->getText())), expectedTilt * 180 / pi, 0.15) << offset;
        for (const SignalLog::Entry& step : log.entriesOf("tilt.widgetPlaneRotate"))
            EXPECT_NEAR(std::abs(Lumo::dot(lineOf(step).Direction(), tangent)), 1.0f, 1e-3f) << offset;
        h.releaseAt(end);
    }
}

} // namespace
