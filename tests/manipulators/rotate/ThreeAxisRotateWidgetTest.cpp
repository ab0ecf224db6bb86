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

TEST_F(ThreeAxisRotateWidgetTest, ThreeAxisRingsDirectionsRatchetsAndColours)
{
    auto* rings = ThreeAxisRotateWidget::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget);
    widget.reset(rings);
    struct Row
    {
        float3 axis;
        float3 ratchet;
        Lumo::vec4<float> inactive;
        Lumo::vec4<float> highlight;
    };
    // Y turns about -Y; each ratchet lies along the next ring's axis, X after Z.
    const Row rows[] = {
        {xAxis, -yAxis, rgb255(112, 173, 193, 1), rgb255(141, 189, 205, 1)},
        {-yAxis, zAxis, rgb255(255, 170, 89, 1), rgb255(255, 187, 122, 1)},
        {zAxis, xAxis, rgb255(158, 192, 152, 1), rgb255(177, 205, 173, 1)},
    };
    for (int i = 0; i < 3; ++i) {
        AxisRotateWidget* ring = rings->getAxisRotateWidget(i);
        ASSERT_NE(ring, nullptr);
        const Row& row = rows[i];
        EXPECT_TRUE(near(ring->getDirection(), row.axis)) << i;
        EXPECT_TRUE(near(ring->getRatchet()->getPosition(), row.ratchet * 1.0625f)) << i;
        EXPECT_TRUE(near(ring->getRatchet()->getZDirection(), -row.ratchet)) << i;
        EXPECT_TRUE(near(ring->getRing()->getZDirection(), row.axis)) << i;
        EXPECT_EQ(ring->getInactiveColor(), row.inactive) << i;
        EXPECT_EQ(ring->getHighlightColor(), row.highlight) << i;
        EXPECT_EQ(ring->getRing()->getColor(), (Lumo::vec4<float>{row.inactive.x, row.inactive.y, row.inactive.z, 0.4f}));
        EXPECT_EQ(ring->getRatchet()->getColor(), row.inactive);
        EXPECT_FALSE(ring->hasRatchetSnapback());
    }
    EXPECT_EQ(rings->getAxisRotateWidget(3), nullptr);
    EXPECT_EQ(rings->getAxisRotateWidget(-1), nullptr);
    EXPECT_EQ(rings->getChildren().size(), 3u);
    EXPECT_EQ(h.handler()->getWidgets(), std::vector<IWidget3D*>{rings});

    // Hovering the Z ring shows its highlight, opaque.
    h.move(onXYRing(45));
    const Lumo::vec4<float> highlight = rows[2].highlight;
    EXPECT_EQ(rings->getAxisRotateWidget(2)->getRing()->getColor(), highlight);
}

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

TEST_F(ThreeAxisRotateWidgetTest, ThreeAxisPassesSettingsToItsRings)
{
    auto* rings = ThreeAxisRotateWidget::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget);
    widget.reset(rings);
    // A host-added sphere is no ring; a host-added ring counts as the fourth. Both stand aside.
    auto* sphere = Velto::UiWidget::SphereRotateWidget::createWidget3D(h.handler(), 1);
    sphere->setPosition({4, 0, 0});
    rings->addWidget(sphere);
    auto* extra = AxisRotateWidget::createWidget3D(h.handler(), 1);
    extra->setPosition({-4, 0, 0});
    rings->addWidget(extra);
    EXPECT_EQ(rings->getAxisRotateWidget(3), extra);

    rings->setReferenceAngles(0.5, 1.5, 2.5);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(rings->getAxisRotateWidget(i)->hasReferenceAngle());
        EXPECT_EQ(rings->getAxisRotateWidget(i)->getAngle(), float(0.5 + i));
    }
    EXPECT_FALSE(extra->hasReferenceAngle());
    rings->unsetReferenceAngles();
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(rings->getAxisRotateWidget(i)->hasReferenceAngle());

    rings->setUseRatchet(false);
    rings->setDisplayAngle(false);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(rings->getAxisRotateWidget(i)->getRatchet()->isVisible());
        EXPECT_FALSE(rings->getAxisRotateWidget(i)->isDisplayingAngle());
    }

    for (bool deformable : {false, true}) {
        rings->setDeformable(deformable);
        EXPECT_EQ(rings->isDeformable(), deformable);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(rings->getAxisRotateWidget(i)->hasRatchetSnapback(), !deformable);
    }
    // Deformable: only the dragged Z ring turns.
    dragAround(45, 75, xAxis, yAxis);
    EXPECT_TRUE(near(rings->getAxisRotateWidget(0)->getDirection(), xAxis));
    EXPECT_TRUE(near(rings->getAxisRotateWidget(2)->getRing()->getXDirection(), onXYRing(30), 1e-4f));
}

} // namespace
