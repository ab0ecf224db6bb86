#include "tests/manipulators/composite/CompositeTestSupport.h"
#include "ui_widgets/manipulators/PlaneRotateWidget.h"
#include "ui_widgets/manipulators/PlaneScaleRotateWidget.h"
#include "ui_widgets/platform/scene/Camera.h"

#include <gtest/gtest.h>

using namespace CompositeTest;
using Lumo::float3;
using Velto::UiWidget::PlaneRotateWidget;
using Velto::UiWidget::PlaneScaleRotateWidget;

namespace {

// The scale circle and the tilt ring both of radius 1 about the origin in the XY plane, the
// grabber at (1, 0, 0). The ring runs along the grabber's Y arrow, so grabber drags use the X
// arrow, which points out of the ring.
class PlaneScaleRotateWidgetTest : public CompositeFixture
{
protected:
    void SetUp() override
    {
        h.camera()->lookAt({4, -3, 3}, {1, 0, 0}, zAxis);
        scaler = PlaneScaleRotateWidget::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget);
        widget.reset(scaler);
        circle = ownCircle(scaler);
        ring = qobject_cast<PlaneRotateWidget*>(scaler->getChildren().back().data());
        log.watch(scaler, "PSR");
    }

    PlaneScaleRotateWidget* scaler = nullptr;
    Kairn::Graphics::VyrCircleNode* circle = nullptr;
    PlaneRotateWidget* ring = nullptr;
};

// Out along the X arrow by 0.1 a move; the ring follows the circle after every step, whether
// the widget reports the radius or not.
TEST_F(PlaneScaleRotateWidgetTest, RingFollowsTheCircleThroughEveryGrabberStep)
{
    for (bool silenced : {false, true}) {
        SCOPED_TRACE(silenced ? "silenced" : "reporting");
        scaler->setGrabberPosition({1, 0, 0});
        scaler->setSilenced(silenced);
        log.clear();
        EXPECT_TRUE(h.press({1.1f, 0, 0}));
        for (int k = 1; k <= 4; ++k) {
            h.move({1.1f + 0.1f * k, 0, 0});
            // The grabber at 1 + 0.1 k, the centre at the origin.
            EXPECT_NEAR(circle->getRadius(), 1 + 0.1f * k, 1e-4f) << k;
            EXPECT_TRUE(circleThroughGrabber(scaler)) << k;
            EXPECT_EQ(ring->getScale(), circle->getRadius()) << k;
        }
        h.release({1.5f, 0, 0});
        EXPECT_EQ(log.lines(), silenced ? QStringList() : dragLines("PSR", "widgetScale", 4));
        h.move({4, 4, 0});
    }
}

TEST_F(PlaneScaleRotateWidgetTest, RingDragTiltsGrabberRingAndCircleTogether)
{
    // The ring point (-1, 0, 0) pulled up toward +Z by 5 degrees a move: a turn about the
    // tangent (-1, 0, 0) x (0, 0, 1) = +Y.
    std::vector<float3> path;
    for (int i = 1; i <= 6; ++i)
        path.push_back(onCircle(5 * i, -xAxis, zAxis));
    dragThrough(-xAxis, path);

    EXPECT_EQ(log.lines(), dragLines("PSR", "widgetScalePlaneRotate", 6));
    EXPECT_NEAR(sumOfAngles(log.entriesOf("PSR.widgetScalePlaneRotate")), radians(30), 1e-4);
    // 30 degrees about +Y: +X goes to (cos 30, 0, -sin 30), the normal +Z to (sin 30, 0, cos 30).
    EXPECT_TRUE(near(scaler->getGrabberPosition(), onCircle(30, xAxis, -zAxis), 1e-4f));
    EXPECT_TRUE(near(ring->getDirection(), onCircle(30, zAxis, xAxis), 1e-4f));
    EXPECT_TRUE(near(circle->getZDirection(), onCircle(30, zAxis, xAxis), 1e-4f));
    EXPECT_TRUE(circleThroughGrabber(scaler));
    EXPECT_EQ(ring->getScale(), 1.0f);
}

} // namespace
