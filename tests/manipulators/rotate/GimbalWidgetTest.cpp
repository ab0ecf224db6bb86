#include "tests/manipulators/rotate/RotateTestSupport.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/AxisRotateWidget.h"
#include "ui_widgets/manipulators/GimbalWidget.h"
#include "ui_widgets/manipulators/ThreeAxisRotateWidget.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"

#include <gtest/gtest.h>

using namespace RotateTest;
using Lumo::float3;
using UiwTest::SignalLog;
using Velto::UiWidget::AxisRotateWidget;
using Velto::UiWidget::IWidget3D;
using Velto::UiWidget::GimbalWidget;
using Velto::UiWidget::ThreeAxisRotateWidget;
using Velto::UiWidget::Widget3DGroup;

namespace {

using GimbalWidgetTest = RotateCompositeTest;

TEST_F(GimbalWidgetTest, OuterRingAndFrameTurnIndependently)
{
    auto* gimbal = GimbalWidget::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget);
    widget.reset(gimbal);
    // A deformable gimbal of a rigid frame (around the three rings) and a grey outer ring.
    ASSERT_EQ(gimbal->getChildren().size(), 2u);
    EXPECT_TRUE(gimbal->isDeformable());
    auto* frame = gimbal->getChildren()[0].data();
    ASSERT_EQ(frame->metaObject(), &Widget3DGroup::staticMetaObject);
    EXPECT_FALSE(static_cast<Widget3DGroup*>(frame)->isDeformable());
    auto* rings = qobject_cast<ThreeAxisRotateWidget*>(static_cast<Widget3DGroup*>(frame)->getChildren()[0].data());
    auto* outer = qobject_cast<AxisRotateWidget*>(gimbal->getChildren()[1].data());
    ASSERT_TRUE(rings && outer);
    EXPECT_TRUE(near(outer->getDirection(), -yAxis));
    EXPECT_EQ(outer->getScale(), 1.2f);
    EXPECT_EQ(outer->getInactiveColor(), rgb255(180, 180, 180, 1));
    EXPECT_EQ(outer->getHighlightColor(), outer->getInactiveColor());
    log.watch(gimbal, "G");
    log.watch(outer, "O");
    log.watch(rings, "T");

    // Looking down -Y at the outer ring (radius 1.2 in the XZ plane). Its hover changes only the
    // opacity: the highlight is the same grey.
    h.camera()->lookAt({0, 10, 0}, {0, 0, 0}, zAxis);
    h.move(onCircle(45, xAxis, zAxis, 1.2f));
    const Lumo::vec4<float> grey = outer->getInactiveColor();
    EXPECT_EQ(outer->getRing()->getColor(), (Lumo::vec4<float>{grey.x, grey.y, grey.z, 1.0f}));
    h.move({0, 0, 3});
    log.clear();

    dragAround(45, 75, xAxis, zAxis, 1.2f);
    EXPECT_EQ(log.lines(), dragLog("O.widgetSingleAxisRotate", "G.widgetAxisRotate", "G", 10));
    expectReemittedOnce(log, "O.widgetSingleAxisRotate", "G.widgetAxisRotate");
    // Turning from +X toward +Z turns about -Y: the outer ring's X axis follows; the frame stays.
    EXPECT_TRUE(near(outer->getRing()->getXDirection(), onCircle(30, xAxis, zAxis), 1e-4f));
    EXPECT_TRUE(near(rings->getAxisRotateWidget(0)->getDirection(), xAxis));
    EXPECT_TRUE(near(rings->getAxisRotateWidget(2)->getRing()->getXDirection(), xAxis));

    // Looking down -Z at the frame's Z ring: the frame turns rigidly, the outer ring stays.
    h.camera()->lookAt({0, 0, 10}, {0, 0, 0}, yAxis);
    h.move({0, 3, 0});
    log.clear();
    dragAround(45, 75, xAxis, yAxis);
    EXPECT_EQ(log.lines(), QStringList(dragLog("T.widgetThreeAxisRotate", "G.widgetAxisRotate", "G", 10)));
    expectReemittedOnce(log, "T.widgetThreeAxisRotate", "G.widgetAxisRotate");
    EXPECT_TRUE(near(rings->getAxisRotateWidget(0)->getDirection(), onXYRing(30), 1e-4f));
    EXPECT_TRUE(near(rings->getAxisRotateWidget(1)->getDirection(), onXYRing(-60), 1e-4f));
    EXPECT_TRUE(near(outer->getDirection(), -yAxis));
    EXPECT_TRUE(near(outer->getRing()->getXDirection(), onCircle(30, xAxis, zAxis), 1e-4f));
}

} // namespace
