#include "tests/platform/math/MathExpect.h"
#include "tests/support/WidgetFixture.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/tracking/MouseTrackingWidget.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace UiwTest;
using Lumo::float3;
using Velto::UiWidget::MouseTrackingWidget;

namespace {

// A tracking sphere at (1, 0.5, 0), seen by the harness camera from (0, 0, 10).
class MouseTrackingWidgetTest : public WidgetFixture<MouseTrackingWidget>
{
protected:
    void SetUp() override { create()->setPosition(start); }

    // The pixel under the sphere's centre, so that offsets from it are whole pixels.
    QPointF pressPoint() const
    {
        const QPointF p = h.screenPoint(widget->getPosition());
        return {std::round(p.x()), std::round(p.y())};
    }

    const float3 start{1, 0.5f, 0};
};

TEST_F(MouseTrackingWidgetTest, DragStartsOnlyBeyondTheManhattanThreshold)
{
    struct Row
    {
        const char* name;
        int threshold;
        QPointF offset;
        bool drags;
    };
    const Row rows[] = {
        {"(3, 2) is 5, not beyond 5", 5, {3, 2}, false},
        {"(3, 3) is 6, beyond 5", 5, {3, 3}, true},
        {"(-4, 2) is 6 whatever the sign", 5, {-4, 2}, true},
        {"threshold 0, one pixel", 0, {1, 0}, true},
        {"threshold 0, no offset", 0, {0, 0}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        widget->setPosition(start);
        widget->draggingThreshold(row.threshold);
        const QPointF press = pressPoint();
        EXPECT_TRUE(h.pressAt(press));
        EXPECT_EQ(log.take(), QStringList({"w.widgetEntered", "w.widgetSelect"}));

        const QPointF to = press + row.offset;
        EXPECT_EQ(h.moveAt(to), row.drags);
        if (row.drags) {
            EXPECT_EQ(log.lines(), QStringList({"w.widgetTranslate", "w.widgetTransform"}));
            const float3 expected = h.pointOnViewPlane(to, start);
            const auto step = qvariant_cast<float3>(log.entries().at(0).arguments.at(0));
            EXPECT_TRUE(MathTest::near(step, expected - start, 1e-4f));
            EXPECT_TRUE(MathTest::near(widget->getPosition(), expected, 1e-4f));
        } else {
            EXPECT_TRUE(log.lines().isEmpty());
            EXPECT_EQ(widget->getPosition(), start);
        }
        log.clear();
        EXPECT_TRUE(h.releaseAt(to));
        EXPECT_EQ(log.take(), QStringList({"w.widgetDeselect"}));
    }
}

TEST_F(MouseTrackingWidgetTest, MarkerStaysUnderTheMouseInThePlaneFacingTheCamera)
{
    struct Row
    {
        const char* name;
        float yaw;
        float pitch;
    };
    const Row rows[] = {{"camera on the z axis", 0, 0}, {"orbited camera", 0.5f, 0.3f}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        h.camera()->lookAt({0, 0, 10}, {0, 0, 0}, {0, 1, 0});
        h.camera()->orbit(row.yaw, row.pitch);
        widget->setPosition(start);
        const float3 sight = h.camera()->getViewDirection();
        const QPointF press = pressPoint();
        ASSERT_TRUE(h.pressAt(press));
        log.clear();

        float3 reported{0, 0, 0};
        const QPointF path[] = {press + QPointF(8, 3), press + QPointF(40.5, -22.25), press + QPointF(-60, 75)};
        for (const QPointF& mouse : path) {
            EXPECT_TRUE(h.moveAt(mouse));
            const QPointF under = h.screenPoint(widget->getPosition());
            EXPECT_NEAR(under.x(), mouse.x(), 1e-2);
            EXPECT_NEAR(under.y(), mouse.y(), 1e-2);
            // Still in the plane through the start that faces the camera.
            EXPECT_NEAR(Lumo::dot(widget->getPosition() - start, sight), 0.0f, 1e-4f);
            reported = reported + qvariant_cast<float3>(log.entries().at(0).arguments.at(0));
            EXPECT_EQ(log.take(), QStringList({"w.widgetTranslate", "w.widgetTransform"}));
        }
        // Each step carries only its increment: together they lead from the start to the end.
        EXPECT_TRUE(MathTest::near(reported, widget->getPosition() - start, 1e-4f));
        h.releaseAt(path[2]);
        log.clear();
    }
}

TEST_F(MouseTrackingWidgetTest, SilencedWidgetMovesWithoutSignals)
{
    widget->setSilenced(true);
    const QPointF press = pressPoint();
    const QPointF to = press + QPointF(30, 10);
    EXPECT_TRUE(h.pressAt(press));
    EXPECT_TRUE(h.moveAt(to));
    EXPECT_TRUE(h.releaseAt(to));
    EXPECT_TRUE(log.lines().isEmpty());
    EXPECT_TRUE(MathTest::near(widget->getPosition(), h.pointOnViewPlane(to, start), 1e-4f));
}

TEST_F(MouseTrackingWidgetTest, PressesThatDoNotStartADrag)
{
    const QPointF press = pressPoint();
    const QPointF away = press + QPointF(30, 10);

    // A right press is not taken: the handler does not consume it and moves do nothing.
    EXPECT_FALSE(h.pressAt(press, Qt::RightButton));
    EXPECT_FALSE(h.moveAt(away));
    EXPECT_FALSE(h.releaseAt(away, Qt::RightButton));
    EXPECT_EQ(widget->getPosition(), start);

    // After a left drag has ended, hovering moves nothing.
    EXPECT_TRUE(h.pressAt(press));
    EXPECT_TRUE(h.releaseAt(press));
    log.clear();
    EXPECT_FALSE(h.moveAt(press + QPointF(2, 2)));
    EXPECT_FALSE(h.moveAt(press + QPointF(20, 20)));
    EXPECT_EQ(widget->getPosition(), start);
    EXPECT_EQ(log.take(), QStringList({"w.widgetEntered", "w.widgetExited"}));
}

} // namespace
