#include "tests/manipulators/rotate/RotateTestSupport.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/AxisRotateWidget.h"
#include "ui_widgets/manipulators/SphereRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisRotateWidget.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"

#include <gtest/gtest.h>

using namespace RotateTest;
using Lumo::float3;
using UiwTest::SignalLog;
using Velto::UiWidget::AxisRotateWidget;
using Velto::UiWidget::IWidget3D;
using Velto::UiWidget::ThreeAxisRotateWidget;

namespace {

using ThreeAxisRotateWidgetTest = RotateCompositeTest;

TEST_F(ThreeAxisRotateWidgetTest, ThreeAxisReemitsEveryRingStepAndTurnsAsOneFrame)
{
    auto* rings = ThreeAxisRotateWidget::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget);
    widget.reset(rings);
    log.watch(rings, "T");
    log.watch(rings->getAxisRotateWidget(2), "Z");

    dragAround(45, 75, xAxis, yAxis);
    EXPECT_EQ(log.lines(), dragLog("Z.widgetSingleAxisRotate", "T.widgetThreeAxisRotate", "T", 10));
    expectReemittedOnce(log, "Z.widgetSingleAxisRotate", "T.widgetThreeAxisRotate");
    EXPECT_NEAR(sumOfAngles(log.entriesOf("T.widgetThreeAxisRotate")), radians(30), 1e-4);

    // The X and Y rings turned 30 degrees about Z with the dragged ring.
    EXPECT_TRUE(near(rings->getAxisRotateWidget(0)->getDirection(), onXYRing(30), 1e-4f));
    EXPECT_TRUE(near(rings->getAxisRotateWidget(1)->getDirection(), onXYRing(-60), 1e-4f));

    // The Z ring's ratchet (on +X, turned by 30 degrees now) steps in whole 5 degrees.
    log.clear();
    h.press(onXYRing(30, 1.045f));
    h.move(onXYRing(42));
    h.release(onXYRing(42));
    const auto steps = log.entriesOf("T.widgetThreeAxisRotate");
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_NEAR(angleOf(steps[0]), radians(10), 1e-6);
    EXPECT_TRUE(near(lineOf(steps[0]).Direction(), zAxis));

    // A double-click on that ratchet (now at 40 degrees), in Qt's order, turns the frame a quarter.
    log.clear();
    EXPECT_TRUE(h.doubleClickInQtOrder(onXYRing(40, 1.045f)));
    const auto quarter = log.entriesOf("T.widgetThreeAxisRotate");
    ASSERT_EQ(quarter.size(), 1u);
    EXPECT_NEAR(angleOf(quarter[0]), radians(90), 1e-6);
    EXPECT_TRUE(near(rings->getAxisRotateWidget(0)->getDirection(), onXYRing(130), 1e-4f));
    EXPECT_EQ(h.handler()->getActiveWidget(), nullptr);
}

} // namespace
