#include "tests/manipulators/rotate/RotateTestSupport.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/AxisRotateWidget.h"
#include "ui_widgets/manipulators/AxisTranslateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslateWidget.h"
#include "ui_widgets/manipulators/TriadWidget.h"
#include "ui_widgets/platform/scene/Camera.h"

#include <gtest/gtest.h>

using namespace RotateTest;
using Lumo::float3;
using Velto::UiWidget::ThreeAxisRotateWidget;
using Velto::UiWidget::ThreeAxisTranslateWidget;
using Velto::UiWidget::TriadWidget;

namespace {

// Seen from (5, 2, 8), the rays to points near the centre cross no ring's plane before they
// reach them, so arrows and rings are each hit where they are aimed at.
class TriadWidgetTest : public RotateCompositeTest
{
protected:
    void SetUp() override
    {
        h.camera()->lookAt({5, 2, 8}, {0, 0, 0}, yAxis);
        triad = TriadWidget::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget);
        widget.reset(triad);
        rotatePart = qobject_cast<ThreeAxisRotateWidget*>(triad->getChildren()[0].data());
        translatePart = qobject_cast<ThreeAxisTranslateWidget*>(triad->getChildren()[1].data());
        log.watch(triad, "TR");
    }

    QStringList expectedDrag(const QString& signal, int moves) const
    {
        QStringList lines{"TR.widgetEntered", "TR.widgetSelect"};
        for (int i = 0; i < moves; ++i)
            lines << signal << "TR.widgetTransform";
        return lines << "TR.widgetDeselect";
    }

    TriadWidget* triad = nullptr;
    ThreeAxisRotateWidget* rotatePart = nullptr;
    ThreeAxisTranslateWidget* translatePart = nullptr;
};

TEST_F(TriadWidgetTest, ArrowDragTranslatesTheWholeTriad)
{
    // Along the Y arrow (0.6 long after scaling) from 0.3 to 0.8.
    h.press({0, 0.3f, 0});
    for (int i = 1; i <= 5; ++i)
        h.move({0, 0.3f + 0.1f * i, 0});
    h.release({0, 0.8f, 0});

    EXPECT_EQ(log.lines(), expectedDrag("TR.widgetTriadTranslate", 5));
    float3 total{};
    for (const UiwTest::SignalLog::Entry& step : log.entriesOf("TR.widgetTriadTranslate"))
        total = total + step.arguments.at(0).value<float3>();
    EXPECT_TRUE(near(total, {0, 0.5f, 0}, 1e-4f));
    // The rings went along.
    EXPECT_TRUE(near(rotatePart->getAxisRotateWidget(2)->getPosition(), {0, 0.5f, 0}, 1e-4f));
    EXPECT_TRUE(near(translatePart->getAxisTranslateWidget(0)->getPosition(), {0, 0.5f, 0}, 1e-4f));
}

TEST_F(TriadWidgetTest, RingDragTurnsTheArrowsWithTheRings)
{
    // The Z ring from 45 to 75 degrees: a 30-degree turn about +Z.
    dragAround(45, 75, xAxis, yAxis);
    EXPECT_EQ(log.lines(), expectedDrag("TR.widgetTriadRotate", 10));
    EXPECT_NEAR(sumOfAngles(log.entriesOf("TR.widgetTriadRotate")), radians(30), 1e-4);
    EXPECT_TRUE(near(translatePart->getAxisTranslateWidget(0)->getDirection(), onXYRing(30), 1e-4f));
    EXPECT_TRUE(near(translatePart->getAxisTranslateWidget(1)->getDirection(), onXYRing(120), 1e-4f));
    EXPECT_TRUE(near(translatePart->getAxisTranslateWidget(2)->getDirection(), zAxis, 1e-4f));
    EXPECT_TRUE(log.entriesOf("TR.widgetTriadScale").empty());
}

} // namespace
