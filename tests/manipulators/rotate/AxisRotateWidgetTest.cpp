#include "tests/manipulators/rotate/RotateTestSupport.h"
#include "ui_widgets/manipulators/AxisRotateWidget.h"
#include "ui_widgets/nodes/VyrMarginTextNode.h"
#include "ui_widgets/platform/scene/VyrConeNode.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"

#include <gtest/gtest.h>

#include <memory>

using namespace RotateTest;
using Lumo::float3;
using UiwTest::InteractionHarness;
using UiwTest::SignalLog;
using Velto::UiWidget::AxisRotateWidget;
using Velto::UiWidget::VyrMarginTextNode;

namespace {

// A ring of radius 1 about the origin in the XY plane, turning about +Z, seen from (0, 0, 10).
// Its ratchet sits on -Y, out of the way; the ratchet tests put it on +X, where its arrow head
// runs from radius 1.0625 (base) to 1 (tip).
class AxisRotateWidgetTest : public UiwTest::WidgetFixture<AxisRotateWidget>
{
protected:
    void SetUp() override
    {
        live.track<VyrMarginTextNode>("VyrMarginTextNode");
        live.track<Kairn::Graphics::VyrConeNode>("VyrConeNode");
        ring = create("ring");
        ring->setRatchetDirection({0, -1, 0});
    }

    // The label while a drag shows one; empty otherwise.
    std::wstring labelText() const
    {
        const auto labels = overlayNodes<VyrMarginTextNode>(h.scene());
        return labels.size() == 1 ? std::wstring(labels.front()->getText()) : std::wstring();
    }

    std::vector<SignalLog::Entry> steps() const { return log.entriesOf("ring.widgetSingleAxisRotate"); }

    // On the ratchet's arrow head at +X, beyond the ring's pick torus (outer radius 1.03125).
    const float3 ratchetPoint{1.045f, 0, 0};
    AxisRotateWidget* ring = nullptr;
};

TEST_F(AxisRotateWidgetTest, SlowQuarterTurnSumsToHalfPiAndLabelsTheSignedAngle)
{
    struct Row
    {
        double sense;
        std::wstring label;
        float3 axis;
    };
    // Counter-clockwise seen from +Z turns about +Z, so the label counts up; clockwise about -Z.
    const Row rows[] = {{+1, L" 90.0 ", {0, 0, 1}}, {-1, L" -90.0 ", {0, 0, -1}}};
    for (const Row& row : rows) {
        ring->setRatchetDirection({0, -1, 0});
        EXPECT_TRUE(h.press(onXYRing(0)));
        EXPECT_EQ(labelText(), L" 0.0 ");
        // The label in the widgets' text colours: light grey on translucent dark grey, Arial 24.
        const VyrMarginTextNode* label = overlayNodes<VyrMarginTextNode>(h.scene()).front();
        EXPECT_STREQ(label->getFont(), L"Arial");
        EXPECT_EQ(label->getFontSize(), 24.0f);
        EXPECT_EQ(label->getColor(), (Lumo::vec4<float>{0.9f, 0.9f, 0.9f, 1.0f}));
        EXPECT_EQ(label->getBackgroundColor(), (Lumo::vec4<float>{0.384f, 0.384f, 0.384f, 0.7f}));
        for (int i = 1; i <= 30; ++i)
            EXPECT_TRUE(h.move(onXYRing(row.sense * 3 * i)));
        EXPECT_EQ(labelText(), row.label);
        h.release(onXYRing(row.sense * 90));

        QStringList expected{"ring.widgetEntered", "ring.widgetSelect"};
        for (int i = 0; i < 30; ++i)
            expected << "ring.widgetSingleAxisRotate" << "ring.widgetTransform";
        expected << "ring.widgetDeselect";
        EXPECT_EQ(log.lines(), expected);
        EXPECT_NEAR(sumOfAngles(steps()), pi / 2, 1e-4);
        for (const SignalLog::Entry& step : steps()) {
            EXPECT_TRUE(near(lineOf(step).Point(), {0, 0, 0}));
            EXPECT_TRUE(near(lineOf(step).Direction(), row.axis));
        }
        // The ring node turned with the drag: its X axis now points where +Y (or -Y) was.
        EXPECT_TRUE(near(ring->getRing()->getXDirection(), onXYRing(row.sense * 90), 1e-4f));
        EXPECT_TRUE(overlayNodes<Kairn::Graphics::VyrGraphicsNode>(h.scene()).empty());
        log.clear();
        ring->getRing()->setXYDirections({1, 0, 0}, {0, 1, 0});
        h.move({0, 3, 0});
        log.clear();
    }
}

TEST_F(AxisRotateWidgetTest, MotionsBelowTheThresholdAddUp)
{
    // acos(0.99999) is 0.256 degrees: moves of 0.1 degree are held back until the mouse is 0.3
    // degrees from the last event that made a step, and that step is the whole 0.3 degrees.
    h.press(onXYRing(0));
    log.clear();
    EXPECT_FALSE(h.move(onXYRing(0.1)));
    EXPECT_FALSE(h.move(onXYRing(0.2)));
    EXPECT_TRUE(log.lines().isEmpty());
    EXPECT_TRUE(h.move(onXYRing(0.3)));
    ASSERT_EQ(steps().size(), 1u);
    EXPECT_NEAR(angleOf(steps()[0]), radians(0.3), 2e-5);
    // Measured again from 0.3 degrees now.
    EXPECT_FALSE(h.move(onXYRing(0.4)));
    EXPECT_EQ(steps().size(), 1u);
    h.release(onXYRing(0.4));
}

TEST_F(AxisRotateWidgetTest, AngleWrapsPastAFullTurn)
{
    h.press(onXYRing(0));
    // 65 moves of 6 degrees: 390 degrees, wrapped once past 360 to 30.
    for (int i = 1; i <= 65; ++i) {
        h.move(onXYRing(6 * i));
        EXPECT_LE(std::abs(ring->getAngle()), radians(360));
    }
    EXPECT_NEAR(ring->getAngle(), radians(30), 1e-3);
    EXPECT_EQ(labelText(), L" 30.0 ");
    h.release(onXYRing(30));
}

TEST_F(AxisRotateWidgetTest, RatchetTurnsInWholeSteps)
{
    struct Row
    {
        const char* name;
        double angleStep;
        std::vector<double> mouseDegrees;
        std::vector<double> stepDegrees;
        std::wstring label;
    };
    const Row rows[] = {
        // 12 degrees hold two whole 5-degree steps; the other 2 are dropped.
        {"12 degrees turn 10", 5, {12}, {10}, L" 10 "},
        // The next step is measured from where the last one was taken: 19 - 12 = 7 holds one.
        {"then 7 more turn 5", 5, {12, 19}, {10, 5}, L" 15 "},
        {"4 degrees wait for more", 5, {4, 6}, {5}, L" 5 "},
        // 50 degrees in one move are 10 steps, not fewer than 45 / 5 = 9: a jump, ignored.
        {"a 50-degree jump is ignored", 5, {50}, {}, L" 0 "},
        // 45 / 50 truncates to 0: no number of steps is ever below it.
        {"a 50-degree step never turns", 50, {20, 40, 60, 100}, {}, L" 0 "},
    };
    for (const Row& row : rows) {
        ring->setAngleStep(row.angleStep);
        ring->setRatchetDirection({1, 0, 0});
        EXPECT_TRUE(h.press(ratchetPoint)) << row.name;
        for (double degrees : row.mouseDegrees)
            h.move(onXYRing(degrees));
        EXPECT_EQ(labelText(), row.label) << row.name;
        h.release(onXYRing(row.mouseDegrees.back()));

        ASSERT_EQ(steps().size(), row.stepDegrees.size()) << row.name;
        for (std::size_t i = 0; i < steps().size(); ++i) {
            EXPECT_FLOAT_EQ(angleOf(steps()[i]), float(row.angleStep * 0.017453292519943295 * (row.stepDegrees[i] / row.angleStep)))
                << row.name;
            EXPECT_TRUE(near(lineOf(steps()[i]).Direction(), {0, 0, 1})) << row.name;
        }
        log.clear();
        h.move({0, 3, 0});
        log.clear();
    }
}

TEST_F(AxisRotateWidgetTest, DoubleClickOnTheRatchetTurnsAQuarter)
{
    ring->setRatchetDirection({1, 0, 0});
    // In Qt's order (press, release, double-click, release) a double-click on the ring turns nothing.
    EXPECT_TRUE(h.doubleClickInQtOrder(onXYRing(135)));
    EXPECT_EQ(log.take(), QStringList({"ring.widgetEntered", "ring.widgetSelect", "ring.widgetDeselect"}));

    h.press(ratchetPoint);
    h.release(ratchetPoint);
    log.clear();
    // On the ratchet the double-click is the press of a ratchet drag that turns by a quarter.
    EXPECT_TRUE(h.doubleClick(ratchetPoint));
    ASSERT_EQ(log.lines(), QStringList({"ring.widgetEntered", "ring.widgetSelect", "ring.widgetSingleAxisRotate",
                                        "ring.widgetTransform"}));
    EXPECT_EQ(angleOf(steps()[0]), float(0.017453292519943295 * 90.0));
    EXPECT_TRUE(near(lineOf(steps()[0]).Direction(), {0, 0, 1}));
    EXPECT_TRUE(near(ring->getRatchet()->getPosition(), onXYRing(90, 1.0625f)));
    // The quarter turn is not a drag step: the label and the accumulated angle stay.
    EXPECT_EQ(ring->getAngle(), 0.0f);
    EXPECT_EQ(labelText(), L" 0 ");
    // The second release ends that drag, away from the turned ratchet.
    EXPECT_TRUE(h.release(ratchetPoint));
    EXPECT_EQ(log.lines().mid(4), QStringList({"ring.widgetDeselect", "ring.widgetExited"}));
    EXPECT_EQ(labelText(), L"");
}

TEST_F(AxisRotateWidgetTest, RatchetSnapsBackOnlyWhenAsked)
{
    for (bool snapback : {true, false}) {
        ring->setRatchetSnapback(snapback);
        ring->setRatchetDirection({1, 0, 0});
        ring->getRing()->setXYDirections({1, 0, 0}, {0, 1, 0});
        UiwTest::LiveInstanceCheck beforePress;
        beforePress.track<Kairn::Graphics::VyrConeNode>("VyrConeNode");
        h.press(ratchetPoint);
        // The ghost, a second arrow head, marks where the ratchet was grabbed during the drag.
        EXPECT_EQ(beforePress.difference("VyrConeNode"), 1);
        h.move(onXYRing(12));
        h.release(onXYRing(12));
        EXPECT_TRUE(beforePress.unchanged());

        // The ring has turned by the one 10-degree step either way.
        EXPECT_TRUE(near(ring->getRing()->getXDirection(), onXYRing(10), 1e-5f)) << snapback;
        const float3 expected = snapback ? onXYRing(0, 1.0625f) : onXYRing(10, 1.0625f);
        EXPECT_TRUE(near(ring->getRatchet()->getPosition(), expected, 1e-5f)) << snapback;
        EXPECT_TRUE(near(ring->getRatchet()->getZDirection(), -expected / 1.0625f, 1e-5f)) << snapback;
        h.move({0, 3, 0});
    }
}

TEST_F(AxisRotateWidgetTest, ReferenceAngleStartsTheLabel)
{
    ring->setReferenceAngle(pi / 4);
    h.press(onXYRing(0));
    EXPECT_EQ(labelText(), L" 45.0 ");
    h.move(onXYRing(3));
    EXPECT_EQ(labelText(), L" 48.0 ");
    h.release(onXYRing(3));

    // The reference stays set, so the next press goes on from 48 degrees.
    h.press(onXYRing(3));
    EXPECT_EQ(labelText(), L" 48.0 ");
    h.release(onXYRing(3));

    ring->unsetReferenceAngle();
    h.press(onXYRing(3));
    EXPECT_EQ(labelText(), L" 0.0 ");
    h.release(onXYRing(3));

    ring->setDisplayAngle(false);
    h.press(onXYRing(3));
    EXPECT_EQ(overlayNodes<VyrMarginTextNode>(h.scene()).size(), 0u);
    h.release(onXYRing(3));
}

TEST_F(AxisRotateWidgetTest, RingIsTranslucentUnlessHovered)
{
    const Lumo::vec4<float> color{0.2f, 0.4f, 0.6f, 0.9f};
    ring->setColor(color);
    EXPECT_EQ(ring->getRing()->getColor(), (Lumo::vec4<float>{0.2f, 0.4f, 0.6f, 0.4f}));
    EXPECT_EQ(ring->getRatchet()->getColor(), (Lumo::vec4<float>{0.2f, 0.4f, 0.6f, 1.0f}));

    h.move(onXYRing(60));
    const Lumo::vec4<float> highlight = ring->getHighlightColor();
    EXPECT_EQ(ring->getRing()->getColor(), (Lumo::vec4<float>{highlight.x, highlight.y, highlight.z, 1.0f}));
    EXPECT_EQ(ring->getRatchet()->getColor().w, 1.0f);

    h.move({0, 3, 0});
    const Lumo::vec4<float> inactive = ring->getInactiveColor();
    EXPECT_EQ(ring->getRing()->getColor(), (Lumo::vec4<float>{inactive.x, inactive.y, inactive.z, 0.4f}));
}

// Exposes the label placement helper that subclasses may use.
class LabelPlacementRing : public AxisRotateWidget
{
public:
    LabelPlacementRing(Velto::UiWidget::Widget3DEventHandler* handler) : AxisRotateWidget(handler, 1) { init(); }
    using AxisRotateWidget::calculateTextPosition2D;
};

TEST_F(AxisRotateWidgetTest, TextPositionIsTenPixelsOutwardFromTheGrabbedRingPoint)
{
    widget.reset();
    LabelPlacementRing placement(h.handler());
    placement.setPosition({-2, 0, 0});
    h.press(float3{-2, 0, 0} + onXYRing(90));
    // Straight above the centre on screen: 10 pixels further up (screen y grows downward).
    const QPointF expected = h.screenPoint(float3{-2, 0, 0} + onXYRing(90)) + QPointF(0, -10);
    const Lumo::vec2<float> position = placement.calculateTextPosition2D();
    EXPECT_NEAR(position.x, expected.x(), 1e-2);
    EXPECT_NEAR(position.y, expected.y(), 1e-2);
    h.release(float3{-2, 0, 0} + onXYRing(90));
}

} // namespace
