#include "tests/nodes/NodeCountCheck.h"

#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/math/SharedMatrix.h"
#include "ui_widgets/platform/scene/Billboard.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/IGraphicsSystem.h"
#include "ui_widgets/platform/scene/IPointSelectionTool.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"

#include <algorithm>
#include <cmath>
#include <memory>

using namespace Velto::UiWidget;
using Kairn::Graphics::VyrCircleNode;
using Lumo::Objects::AutoPtr;

namespace {

class PolygonSelectionNodeTest : public NodeCountCheck
{
protected:
    void SetUp() override { mPolygon.reset(VyrPolygonSelectionNode::createGraphicsNode()); }
    void TearDown() override
    {
        mPolygon.reset();
        NodeCountCheck::TearDown();
    }

    int outlineCount() const { return mPolygon->getMathModel().pointCount(); }
    int fillCount() const { return mPolygon->getFillNode()->getMathModel().pointCount(); }
    Lumo::vec2<float> markerPosition(int vertex) const
    {
        return mPolygon->getEndPointMarker(vertex)->getBillboard()->ScreenPosition();
    }

    AutoPtr<VyrPolygonSelectionNode> mPolygon;
};

bool listed(const Kairn::Graphics::VyrScene& scene, int type, const Kairn::Graphics::VyrGraphicsNode* node)
{
    const auto& nodes = scene.nodes(type);
    return std::find(nodes.begin(), nodes.end(), node) != nodes.end();
}

} // namespace

TEST_F(PolygonSelectionNodeTest, EachVertexGetsAFillPointAndAScreenMarker)
{
    EXPECT_TRUE(mPolygon->getMathModel().isClosed());
    EXPECT_TRUE(mPolygon->getFillNode()->isFillable());
    EXPECT_TRUE(mPolygon->areEndPointsShown());
    const Lumo::vec4<float> outline{0.2f, 0.4f, 0.6f, 1};
    mPolygon->setColor(outline);

    const int circlesAtStart = VyrCircleNode::NetObjectCount();
    ASSERT_TRUE(mPolygon->insertPointAtIndex(0, {10, 20, 0}));
    ASSERT_TRUE(mPolygon->insertPointAtIndex(1, {110, 20, 0}));
    ASSERT_TRUE(mPolygon->insertPointAtIndex(2, {60, 90, 0}));
    EXPECT_EQ(outlineCount(), 3);
    EXPECT_EQ(fillCount(), 3);
    EXPECT_EQ(VyrCircleNode::NetObjectCount(), circlesAtStart + 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        VyrCircleNode* marker = mPolygon->getEndPointMarker(i);
        ASSERT_NE(marker, nullptr);
        EXPECT_TRUE(marker->isVisible());
        EXPECT_TRUE(marker->isFillable());
        EXPECT_EQ(marker->getColor(), outline);
        ASSERT_NE(marker->getBillboard(), nullptr);
        EXPECT_TRUE(marker->getBillboard()->useScreenPosition);
    }
    EXPECT_EQ(markerPosition(2), (Lumo::vec2<float>{60, 90}));

    // Insert between the first two: the markers after it move up with their vertices.
    ASSERT_TRUE(mPolygon->insertPointAtIndex(1, {60, 0, 0}));
    EXPECT_EQ(markerPosition(1), (Lumo::vec2<float>{60, 0}));
    EXPECT_EQ(markerPosition(2), (Lumo::vec2<float>{110, 20}));
    EXPECT_EQ(mPolygon->getFillNode()->getMathModel().point(1), (Lumo::float3{60, 0, 0}));

    ASSERT_TRUE(mPolygon->removePointAtIndex(0));
    EXPECT_EQ(outlineCount(), 3);
    EXPECT_EQ(fillCount(), 3);
    EXPECT_EQ(VyrCircleNode::NetObjectCount(), circlesAtStart + 3) << "the removed vertex's marker is released";
    EXPECT_EQ(markerPosition(0), (Lumo::vec2<float>{60, 0}));

}

TEST_F(PolygonSelectionNodeTest, RefusedEditsChangeNothing)
{
    ASSERT_TRUE(mPolygon->insertPointAtIndex(0, {0, 0, 0}));
    const int circles = VyrCircleNode::NetObjectCount();
    EXPECT_FALSE(mPolygon->insertPointAtIndex(5, {1, 1, 0}));
    EXPECT_FALSE(mPolygon->insertPointAtIndex(-1, {1, 1, 0}));
    EXPECT_FALSE(mPolygon->insertPointAtIndex(0, {std::nanf(""), 1, 0}));
    EXPECT_FALSE(mPolygon->removePointAtIndex(1));
    EXPECT_FALSE(mPolygon->removePointAtIndex(-1));
    EXPECT_EQ(outlineCount(), 1);
    EXPECT_EQ(fillCount(), 1);
    EXPECT_EQ(VyrCircleNode::NetObjectCount(), circles);
    EXPECT_EQ(mPolygon->getEndPointMarker(7), nullptr);
}

TEST_F(PolygonSelectionNodeTest, HiddenEndPointsKeepMarkersWithTheirVertices)
{
    ASSERT_TRUE(mPolygon->insertPointAtIndex(0, {0, 0, 0}));
    ASSERT_TRUE(mPolygon->insertPointAtIndex(1, {100, 0, 0}));
    mPolygon->showEndPoints(false);
    EXPECT_FALSE(mPolygon->areEndPointsShown());
    EXPECT_FALSE(mPolygon->getEndPointMarker(0)->isVisible());
    EXPECT_FALSE(mPolygon->getEndPointMarker(1)->isVisible());

    const int circles = VyrCircleNode::NetObjectCount();
    ASSERT_TRUE(mPolygon->insertPointAtIndex(1, {50, 50, 0}));
    EXPECT_EQ(VyrCircleNode::NetObjectCount(), circles) << "no marker while hidden";
    EXPECT_EQ(mPolygon->getEndPointMarker(1), nullptr);
    EXPECT_EQ(fillCount(), 3);
    // The vertex that moved to index 2 keeps its own marker.
    EXPECT_EQ(markerPosition(2), (Lumo::vec2<float>{100, 0}));

    mPolygon->showEndPoints(true);
    EXPECT_TRUE(mPolygon->getEndPointMarker(0)->isVisible());
    EXPECT_TRUE(mPolygon->getEndPointMarker(2)->isVisible());

    // Removing the unmarked vertex leaves both markers in place; removing a marked one while
    // hidden still takes its marker along.
    ASSERT_TRUE(mPolygon->removePointAtIndex(1));
    EXPECT_EQ(VyrCircleNode::NetObjectCount(), circles);
    EXPECT_EQ(markerPosition(1), (Lumo::vec2<float>{100, 0}));
    mPolygon->showEndPoints(false);
    ASSERT_TRUE(mPolygon->removePointAtIndex(0));
    EXPECT_EQ(VyrCircleNode::NetObjectCount(), circles - 1);
    EXPECT_EQ(markerPosition(0), (Lumo::vec2<float>{100, 0}));

    // Vertices added by the plain polyline operation have no marker; removing them is safe.
    mPolygon->getMathModel().addPoint({7, 7, 0});
    ASSERT_TRUE(mPolygon->removePointAtIndex(1));
    EXPECT_EQ(VyrCircleNode::NetObjectCount(), circles - 1);
}

TEST_F(PolygonSelectionNodeTest, MarkersAreHitAtTheirScreenPositions)
{
    Kairn::Graphics::Viewport viewport(400, 300);
    viewport.getCamera()->lookAt({0, 0, 10}, {0, 0, 0}, {0, 1, 0});
    mPolygon->addToScene(viewport.getScene(), 1);
    ASSERT_TRUE(mPolygon->insertPointAtIndex(0, {100, 80, 0}));
    ASSERT_TRUE(mPolygon->insertPointAtIndex(1, {300, 80, 0}));
    std::unique_ptr<Kairn::Graphics::IPointSelectionTool> tool(
        Kairn::Graphics::GetIGSCtrl()->createPointSelectionTool(&viewport, 1));
    Kairn::Objects::Vector3<float> hitPoint;
    auto nodeAt = [&](float x, float y) {
        return Kairn::Graphics::VyrGraphicsNode::getGraphicsNodeFromLumoNode(tool->pick({x, y}, hitPoint));
    };

    // A marker is a unit disc scaled to 3 pixels: hit at its vertex and 2 pixels off it.
    EXPECT_EQ(nodeAt(300, 80), mPolygon->getEndPointMarker(1));
    EXPECT_EQ(nodeAt(100, 82), mPolygon->getEndPointMarker(0));
    EXPECT_NE(nodeAt(100, 90), mPolygon->getEndPointMarker(0));

    mPolygon->showEndPoints(false);
    EXPECT_NE(nodeAt(300, 80), mPolygon->getEndPointMarker(1)) << "hidden markers are not hit";
}
