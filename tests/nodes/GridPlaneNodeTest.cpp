#include "tests/nodes/NodeCountCheck.h"
#include "tests/nodes/NodeTestSupport.h"

#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"

#include <cmath>
#include <vector>

using namespace Velto::UiWidget;
using Lumo::Objects::AutoPtr;

namespace {

struct Segment
{
    Lumo::float3 start;
    Lumo::float3 end;
};

// Every child line in the grid's frame, in child order: a segment's position is where its start
// point lies, and it runs its Z length along its Z direction.
std::vector<Segment> segmentsOf(VyrGridPlaneNode* grid)
{
    std::vector<Segment> segments;
    grid->enumerateChildNodes([&](Kairn::Graphics::VyrGraphicsNode* child) {
        auto* line = dynamic_cast<Kairn::Graphics::VyrLineSegmentNode*>(child);
        if (line)
            segments.push_back({line->getPosition(), line->getPosition() + line->getZDirection() * line->getZLength()});
    });
    return segments;
}

using GridPlaneNodeTest = NodeCountCheck;

} // namespace

TEST_F(GridPlaneNodeTest, NormalisesGridDirectionsButScalesAxesWithThem)
{
    AutoPtr<VyrGridPlaneNode> grid(VyrGridPlaneNode::createGraphicsNode());
    const Lumo::float3 origin{5, 0, 2};
    // Directions of length 3 in the XZ plane, spacing 1, two cells each side.
    grid->configureGrid(origin, {3, 0, 0}, {0, 0, 3}, 1.0f, 2);
    const std::vector<Segment> lines = segmentsOf(grid.get());
    ASSERT_EQ(lines.size(), 4u * 2 + 4);
    EXPECT_EQ(grid->getUntransformedPosition(), origin);

    // First line along Z at x offset -N s = -2, from z = -2 to +2 about the origin: unit steps.
    EXPECT_TRUE(near(lines[0].start, origin + Lumo::float3{-2, 0, -2}, 1e-4f));
    EXPECT_TRUE(near(lines[0].end, origin + Lumo::float3{-2, 0, 2}, 1e-4f));
    // Axes: L = max(N s, 2 |direction|) = max(2, 6) = 6, reaching 2 L = 12 each way.
    const Segment zAxis = lines[5];
    EXPECT_TRUE(near(zAxis.start, origin + Lumo::float3{0, 0, -12}, 1e-4f));
    EXPECT_TRUE(near(zAxis.end, origin + Lumo::float3{0, 0, 12}, 1e-4f));
    const Segment xAxis = lines[11];
    EXPECT_TRUE(near(xAxis.start, origin + Lumo::float3{-12, 0, 0}, 1e-4f));
    EXPECT_TRUE(near(xAxis.end, origin + Lumo::float3{12, 0, 0}, 1e-4f));
}

TEST_F(GridPlaneNodeTest, RegeneratingKeepsColourAndReleasesOldLines)
{
    AutoPtr<VyrGridPlaneNode> grid(VyrGridPlaneNode::createGraphicsNode());
    const Lumo::vec4<float> green{0, 1, 0, 1};
    grid->setColor(green);
    const int nodesBefore = Kairn::Graphics::VyrGraphicsNode::NetObjectCount();
    grid->configureGrid({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 0.5f, 3);
    // 44 old children gone, 4 * 3 + 4 = 16 new ones.
    EXPECT_EQ(Kairn::Graphics::VyrGraphicsNode::NetObjectCount(), nodesBefore - 44 + 16);
    grid->enumerateChildNodes([&](Kairn::Graphics::VyrGraphicsNode* child) { EXPECT_EQ(child->getColor(), green); });
}

TEST_F(GridPlaneNodeTest, RefusesDirectionlessOrNonFiniteConfigurations)
{
    AutoPtr<VyrGridPlaneNode> grid(VyrGridPlaneNode::createGraphicsNode());
    const float nan = std::nanf("");
    grid->configureGrid({0, 0, 0}, {0, 0, 0}, {0, 1, 0}, 1.0f, 3);
    grid->configureGrid({0, 0, 0}, {1, 0, 0}, {nan, 1, 0}, 1.0f, 3);
    grid->configureGrid({nan, 0, 0}, {1, 0, 0}, {0, 1, 0}, 1.0f, 3);
    grid->configureGrid({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, INFINITY, 3);
    grid->configureGrid({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 1.0f, 0x80000000u);
    EXPECT_EQ(grid->childCount(), 44) << "the default grid stays";
}
