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
