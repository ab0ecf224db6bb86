#include "tests/nodes/NodeCountCheck.h"
#include "tests/nodes/NodeTestSupport.h"

#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/scene/Billboard.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/IGraphicsSystem.h"
#include "ui_widgets/platform/scene/IPointSelectionTool.h"
#include "ui_widgets/platform/scene/PointSelectionToolSettings.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrConeNode.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"
#include "ui_widgets/platform/scene/VyrText2dNode.h"
#include "ui_widgets/platform/scene/Viewport.h"

#include <memory>

#include <vector>

using namespace Velto::UiWidget;
using Kairn::Graphics::VyrGraphicsNode;
using Kairn::Graphics::VyrGroupNode;
using Lumo::Objects::AutoPtr;

namespace {

using ArrowNodeTest = NodeCountCheck;

using MarginTextNodeTest = NodeCountCheck;

} // namespace

TEST_F(ArrowNodeTest, HeadIsHitWhereItIsSeen)
{
    Kairn::Graphics::Viewport viewport(400, 300);
    viewport.getCamera()->lookAt({0, 0, 10}, {0, 0, 0}, {0, 1, 0});
    AutoPtr<VyrArrowNode> arrow(VyrArrowNode::createAndAddGraphicsNode(viewport.getScene(), 1));
    // Aimed along +X and doubled: the head spans x = 2 .. 2.3 with radius 0.15.
    arrow->setZDirection({1, 0, 0});
    arrow->scaleUniformlyUsingZLength(2.3f);
    const std::vector<VyrGraphicsNode*> parts = childrenOf(arrow.get());

    std::unique_ptr<Kairn::Graphics::IPointSelectionTool> tool(
        Kairn::Graphics::GetIGSCtrl()->createPointSelectionTool(&viewport, 1));
    ASSERT_TRUE(tool);
    Kairn::Graphics::Camera* camera = viewport.getCamera();
    Kairn::Objects::Vector3<float> hitPoint;

    // Three quarters up the cone (radius 0.15 / 4 there), a little off its axis so that the
    // shaft line is not the nearest hit.
    const Lumo::vec2<float> onHead = camera->projectToScreen({2.22f, 0.02f, 0});
    VyrGraphicsNode* hit = VyrGraphicsNode::getGraphicsNodeFromLumoNode(tool->pick(onHead, hitPoint));
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit, parts[2]) << "the cone head";
    EXPECT_EQ(VyrGroupNode::getRootParentNode(hit), arrow.get());
    EXPECT_GT(hitPoint.x, 2.0f);
    EXPECT_LT(hitPoint.x, 2.3f);

    // Beyond the tip, and beside the head farther than any pick tolerance, nothing is hit.
    EXPECT_EQ(tool->pick(camera->projectToScreen({2.6f, 0, 0}), hitPoint), nullptr);
    EXPECT_EQ(tool->pick(camera->projectToScreen({2.1f, 0.6f, 0}), hitPoint), nullptr);
}

TEST_F(MarginTextNodeTest, AnchorsTheLabelWithoutMovingTheNode)
{
    AutoPtr<VyrMarginTextNode> label(VyrMarginTextNode::createGraphicsNode());
    label->setPosition({0, 0, 0});
    const Lumo::float3 nodePosition = label->getPosition();
    const Lumo::float3 anchor{1.5f, -2.0f, 7.0f};

    label->setPosition(anchor);
    EXPECT_EQ(label->getPosition(), nodePosition);
    const Lumo::Graphics::Billboard* billboard = label->getBillboard();
    ASSERT_NE(billboard, nullptr);
    EXPECT_EQ(billboard->AnchorPosition(), anchor);
    EXPECT_FALSE(billboard->useScreenPosition);

    // Both size arguments are ignored: any pair anchors exactly as setPosition does.
    for (auto [pixels, factor] : {std::pair{5, 2.0f}, std::pair{50, 0.1f}}) {
        AutoPtr<VyrMarginTextNode> sized(VyrMarginTextNode::createGraphicsNode());
        sized->setConstantScreenSize(pixels, factor, anchor);
        EXPECT_EQ(sized->getPosition(), label->getPosition());
        EXPECT_EQ(sized->getBillboard()->AnchorPosition(), anchor);
        EXPECT_FALSE(sized->getBillboard()->useScreenPosition);
        EXPECT_FALSE(sized->hasConstantScreenSize());
    }
}
