#include "tests/nodes/NodeCountCheck.h"
#include "tests/nodes/NodeTestSupport.h"

#include "ui_widgets/platform/math/AutoPtr.h"

#include <vector>

using namespace Velto::UiWidget;
using Kairn::Graphics::VyrGraphicsNode;
using Kairn::Graphics::VyrGroupNode;
using Lumo::Objects::AutoPtr;

namespace {

using CoordinateAxesNodeTest = NodeCountCheck;

} // namespace

TEST_F(CoordinateAxesNodeTest, HasOneTintedArrowPerAxis)
{
    AutoPtr<CoordinateAxesNode> axes(CoordinateAxesNode::createGraphicsNode());
    const std::vector<VyrGraphicsNode*> groups = childrenOf(axes.get());
    ASSERT_EQ(groups.size(), 3u);
    const Lumo::float3 directions[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const char* tints[3] = {"rgba(255, 138, 138, 100%)", "rgba(177, 205, 173, 100%)", "rgba(141, 189, 205, 100%)"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        VyrGroupNode* group = asGroup(groups[i]);
        ASSERT_NE(group, nullptr);
        const std::vector<VyrGraphicsNode*> arrows = childrenOf(group);
        ASSERT_EQ(arrows.size(), 1u);
        auto* arrow = static_cast<VyrArrowNode*>(arrows[0]->GetInterface(VyrArrowNode::InterfaceID()));
        ASSERT_NE(arrow, nullptr);
        EXPECT_TRUE(near(arrow->getPosition(), {0, 0, 0}));
        EXPECT_TRUE(near(arrow->getZDirection(), directions[i]));
        const Lumo::vec4<float> tint = styleColor(tints[i]);
        EXPECT_EQ(tint.w, 1.0f) << "the tint text must parse";
        EXPECT_EQ(arrow->getColor(), tint);
        for (VyrGraphicsNode* part : childrenOf(arrow))
            EXPECT_EQ(part->getColor(), tint);
    }
}

TEST_F(CoordinateAxesNodeTest, ShowsAndHidesLabelsAtAnyDepth)
{
    AutoPtr<CoordinateAxesNode> axes(CoordinateAxesNode::createGraphicsNode());
    axes->setAxesTextVisible(false);
    for (VyrGraphicsNode* group : childrenOf(axes.get()))
        for (VyrGraphicsNode* arrow : childrenOf(asGroup(group))) {
            EXPECT_TRUE(arrow->isVisible()) << "arrows are not labels";
            for (VyrGraphicsNode* part : childrenOf(asGroup(arrow)))
                EXPECT_TRUE(part->isVisible());
        }

    // One label directly under the X axis group, one two groups deeper under the Z axis group.
    const std::vector<VyrGraphicsNode*> groups = childrenOf(axes.get());
    VyrMarginTextNode* shallow = VyrMarginTextNode::createGraphicsNode();
    asGroup(groups[0])->addChildNode(shallow, false);
    VyrGroupNode* outer = VyrGroupNode::createGraphicsNode();
    VyrGroupNode* inner = VyrGroupNode::createGraphicsNode();
    VyrMarginTextNode* deep = VyrMarginTextNode::createGraphicsNode();
    inner->addChildNode(deep, false);
    outer->addChildNode(inner, false);
    asGroup(groups[2])->addChildNode(outer, false);

    axes->setAxesTextVisible(false);
    EXPECT_FALSE(shallow->isVisible());
    EXPECT_FALSE(deep->isVisible());
    EXPECT_TRUE(inner->isVisible());
    // The label as a whole is hidden; its own text child is left alone.
    for (VyrGraphicsNode* text : childrenOf(deep))
        EXPECT_TRUE(text->isVisible());

    axes->setAxesTextVisible(true);
    EXPECT_TRUE(shallow->isVisible());
    EXPECT_TRUE(deep->isVisible());
}
