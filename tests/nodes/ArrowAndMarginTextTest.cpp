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

TEST_F(ArrowNodeTest, IsShaftDiscAndHeadInWidgetBlue)
{
    const int groupsAtStart = Kairn::Graphics::VyrGroupNode::NetObjectCount();
    const int nodesAtStart = VyrGraphicsNode::NetObjectCount();
    AutoPtr<VyrArrowNode> arrow(VyrArrowNode::createGraphicsNode());
    // One group (the arrow itself) and four nodes: the arrow and its three children.
    EXPECT_EQ(Kairn::Graphics::VyrGroupNode::NetObjectCount(), groupsAtStart + 1);
    EXPECT_EQ(VyrGraphicsNode::NetObjectCount(), nodesAtStart + 4);

    const std::vector<VyrGraphicsNode*> children = childrenOf(arrow.get());
    ASSERT_EQ(children.size(), 3u);
    auto* shaft = dynamic_cast<Kairn::Graphics::VyrLineSegmentNode*>(children[0]);
    auto* disc = dynamic_cast<Kairn::Graphics::VyrCircleNode*>(children[1]);
    auto* head = dynamic_cast<Kairn::Graphics::VyrConeNode*>(children[2]);
    ASSERT_TRUE(shaft && disc && head);

    EXPECT_EQ(shaft->getStartPoint(), (Lumo::float3{0, 0, 0}));
    EXPECT_EQ(shaft->getEndPoint(), (Lumo::float3{0, 0, 1}));
    EXPECT_TRUE(disc->isFillable());
    EXPECT_FLOAT_EQ(disc->getRadius(), 0.075f);
    EXPECT_FLOAT_EQ(head->getRadius(), disc->getRadius()) << "the disc closes the cone's base";
    EXPECT_FLOAT_EQ(head->getHeight(), 0.15f);
    // Disc and cone base sit at the shaft's tip, so the head spans z = 1 .. 1 + 0.15.
    EXPECT_TRUE(near(disc->getPosition(), shaft->getEndPoint()));
    EXPECT_TRUE(near(head->getPosition(), shaft->getEndPoint()));

    EXPECT_EQ(arrow->getColor(), widgetBlue());
    for (VyrGraphicsNode* child : children)
        EXPECT_EQ(child->getColor(), widgetBlue());
}

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

    // Halfway up the cone, a little off its axis so that the shaft line is not the nearest hit.
    const Lumo::vec2<float> onHead = camera->projectToScreen({2.1f, 0.05f, 0});
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

TEST_F(MarginTextNodeTest, ReanchorsAtItsOwnPositionAndAfterScreenAnchoring)
{
    AutoPtr<VyrMarginTextNode> label(VyrMarginTextNode::createGraphicsNode());
    Lumo::Graphics::Billboard pinned = *label->getBillboard();
    pinned.useScreenPosition = true;
    label->setBillboard(pinned);
    label->Kairn::Graphics::VyrGroupNode::setPosition({4, 5, 6});

    label->setConstantScreenSize(10, 1.0f);
    EXPECT_EQ(label->getBillboard()->AnchorPosition(), (Lumo::float3{4, 5, 6}));
    EXPECT_FALSE(label->getBillboard()->useScreenPosition);

    label->removeBillboard();
    label->setPosition({1, 1, 1});
    ASSERT_NE(label->getBillboard(), nullptr) << "anchoring restores the screen-space billboard";
    EXPECT_EQ(label->getBillboard()->kind, 1);
}

TEST_F(MarginTextNodeTest, ForwardsTextAndColoursToItsTextChildOnly)
{
    AutoPtr<VyrMarginTextNode> label(VyrMarginTextNode::createGraphicsNode());
    const std::vector<VyrGraphicsNode*> children = childrenOf(label.get());
    ASSERT_EQ(children.size(), 1u);
    auto* text = dynamic_cast<Kairn::Graphics::VyrText2dNode*>(children[0]);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->getBillboard(), nullptr) << "the label's billboard places the text, not its own";
    // Margin 10 along (1, -1, 0).
    EXPECT_EQ(text->getPosition(), (Lumo::float3{10, -10, 0}));

    label->setText(L"42.0°");
    label->setFontSize(14.0f);
    EXPECT_EQ(std::wstring(text->getText()), L"42.0°");
    EXPECT_FLOAT_EQ(text->getFontSize(), 14.0f);

    const Lumo::vec4<float> red{1, 0, 0, 1};
    const Lumo::vec4<float> shade{0, 0, 0, 0.5f};
    const Lumo::vec4<float> groupColorBefore = label->Kairn::Graphics::VyrGroupNode::getColor();
    label->setColor(red);
    label->setBackgroundColor(shade);
    EXPECT_EQ(text->getColor(), red);
    EXPECT_EQ(label->Kairn::Graphics::VyrGroupNode::getColor(), groupColorBefore);
    EXPECT_EQ(text->getBackgroundColor(), shade);
}

TEST_F(MarginTextNodeTest, CopySharesTheTextChild)
{
    AutoPtr<VyrMarginTextNode> label(VyrMarginTextNode::createGraphicsNode());
    label->setText(L"shared");
    AutoPtr<VyrMarginTextNode> copy(new VyrMarginTextNode(*label));
    copy->setText(L"changed");
    EXPECT_EQ(std::wstring(label->getText()), L"changed");
    // The copy keeps the shared text alive after the label it was made from is gone.
    label.reset();
    copy->setText(L"still here");
    EXPECT_EQ(std::wstring(copy->getText()), L"still here");
}
