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
