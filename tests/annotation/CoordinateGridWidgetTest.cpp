#include "tests/platform/math/MathExpect.h"
#include "tests/support/InteractionHarness.h"
#include "tests/support/LiveInstanceCheck.h"
#include "ui_widgets/annotation/CoordinateGridWidget.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/nodes/VyrGridPlaneNode.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

using namespace UiwTest;
using namespace Velto::UiWidget;
using Lumo::float3;

namespace {

struct Segment
{
    float3 start;
    float3 end;
};

// The widget's grid: spacing 1, N = 10 cells on each side of the origin.
constexpr int cells = 10;
constexpr float spacing = 1.0f;
// 2N + 1 lines and one axis in each direction.
constexpr int expectedChildren = 2 * (2 * cells + 1 + 1);
// Each axis reaches twice max(N s, 2 |unit axis|) = 2 max(10, 2) = 20 on either side.
constexpr float axisReach = 2 * std::max(cells * spacing, 2.0f);

class CoordinateGridWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        live.track<VyrGridPlaneNode>("VyrGridPlaneNode");
        live.track<Kairn::Graphics::VyrLineSegmentNode>("VyrLineSegmentNode");
    }

    void TearDown() override
    {
        widgets.clear();
        EXPECT_TRUE(live.unchanged());
    }

    CoordinateGridWidget* create()
    {
        widgets.emplace_back(CoordinateGridWidget::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget));
        return widgets.back().get();
    }

    static VyrGridPlaneNode* gridOf(const CoordinateGridWidget* widget)
    {
        return dynamic_cast<VyrGridPlaneNode*>(widget->getGraphicsNodes().at(0));
    }

    // Every line of the grid in world space, in child order.
    static std::vector<Segment> segmentsOf(const CoordinateGridWidget* widget)
    {
        std::vector<Segment> segments;
        gridOf(widget)->enumerateChildNodes([&](Kairn::Graphics::VyrGraphicsNode* child) {
            auto* line = dynamic_cast<Kairn::Graphics::VyrLineSegmentNode*>(child);
            if (line)
                segments.push_back({line->getPosition() + line->getStartPoint(), line->getPosition() + line->getEndPoint()});
        });
        return segments;
    }

    LiveInstanceCheck live;
    InteractionHarness h;
    std::vector<std::unique_ptr<CoordinateGridWidget>> widgets;
};

} // namespace

TEST_F(CoordinateGridWidgetTest, NewCoordinateSystemReusesTheGridWithNormalisedAxes)
{
    CoordinateGridWidget* widget = create();
    VyrGridPlaneNode* grid = gridOf(widget);
    const int liveGrids = VyrGridPlaneNode::NetObjectCount();

    // Axes 30 and 0.5 long in the YZ plane: normalised, the lines are 1 apart and the axes stay
    // 40 long (unnormalised, a 30-long axis would reach 2 x 2 x 30 = 120 each way).
    const float3 origin{1, 2, 3};
    widget->setCoordinateSystem(origin, {0, 30, 0}, {0, 0, 0.5f});
    ASSERT_EQ(widget->getGraphicsNodes().size(), 1u);
    EXPECT_EQ(gridOf(widget), grid);
    EXPECT_EQ(VyrGridPlaneNode::NetObjectCount(), liveGrids);
    const std::vector<Segment> lines = segmentsOf(widget);
    ASSERT_EQ(int(lines.size()), expectedChildren);
    EXPECT_TRUE(MathTest::near(lines[1].start - lines[0].start, {0, spacing, 0}, 1e-4f));
    EXPECT_TRUE(MathTest::near(lines[0].end - lines[0].start, {0, 0, 2 * cells * spacing}, 1e-4f));
    const Segment yAxis = lines[2 * cells + 1];
    EXPECT_TRUE(MathTest::near(yAxis.start, origin - float3{0, 0, axisReach}, 1e-4f));
    EXPECT_TRUE(MathTest::near(yAxis.end, origin + float3{0, 0, axisReach}, 1e-4f));
    EXPECT_TRUE(MathTest::near(lines.back().end, origin + float3{0, axisReach, 0}, 1e-4f));

    // The same system with unit axes gives the same lines.
    CoordinateGridWidget* unit = create();
    unit->setCoordinateSystem(origin, {0, 1, 0}, {0, 0, 1});
    const std::vector<Segment> unitLines = segmentsOf(unit);
    ASSERT_EQ(unitLines.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(MathTest::near(lines[i].start, unitLines[i].start, 1e-4f));
        EXPECT_TRUE(MathTest::near(lines[i].end, unitLines[i].end, 1e-4f));
    }

    // A zero or non-finite axis leaves the grid as it was.
    widget->setCoordinateSystem({0, 0, 0}, {0, 0, 0}, {1, 0, 0});
    widget->setCoordinateSystem({0, 0, 0}, {1, 0, 0}, {NAN, 0, 0});
    widget->setCoordinateSystem({INFINITY, 0, 0}, {1, 0, 0}, {0, 1, 0});
    EXPECT_TRUE(MathTest::near(segmentsOf(widget).back().end, origin + float3{0, axisReach, 0}, 1e-4f));
}

TEST_F(CoordinateGridWidgetTest, MouseNeverReachesTheGrid)
{
    CoordinateGridWidget* widget = create();
    // On the x axis line and on a grid line: the grid is decoration of a group, never grabbed.
    for (const float3& point : {float3{1.5f, 0, 0}, float3{2, 1.5f, 0}}) {
        EXPECT_FALSE(h.move(point));
        EXPECT_FALSE(h.press(point));
        EXPECT_FALSE(h.release(point));
        EXPECT_FALSE(h.doubleClick(point));
    }
    EXPECT_EQ(h.handler()->getHoveredWidget(), nullptr);
    EXPECT_EQ(h.handler()->getActiveWidget(), nullptr);
    EXPECT_EQ(widget->getPosition(), (float3{0, 0, 0}));
}
