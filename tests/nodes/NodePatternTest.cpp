#include "tests/nodes/NodeCountCheck.h"

#include "ui_widgets/platform/math/AutoPtr.h"

using namespace Velto::UiWidget;
using Lumo::Objects::AutoPtr;

namespace {

// Every custom node counts its live instances and needs a scene to be created into.
template<class Node>
class NodePatternTest : public NodeCountCheck
{
};

using CustomNodes = ::testing::Types<VyrArrowNode, VyrMarginTextNode, VyrBoxNode, VyrGridPlaneNode, CoordinateAxesNode,
                                     VyrHollowPlaneNode, VyrPolygonSelectionNode>;
TYPED_TEST_SUITE(NodePatternTest, CustomNodes);

} // namespace

TYPED_TEST(NodePatternTest, CountsEveryLiveInstance)
{
    const int start = TypeParam::NetObjectCount();
    {
        AutoPtr<TypeParam> node(TypeParam::createGraphicsNode());
        EXPECT_EQ(TypeParam::NetObjectCount(), start + 1);
        {
            AutoPtr<TypeParam> copy(new TypeParam(*node));
            EXPECT_EQ(TypeParam::NetObjectCount(), start + 2);
            AutoPtr<TypeParam> other(TypeParam::createGraphicsNode());
            *other = *node;
            EXPECT_EQ(TypeParam::NetObjectCount(), start + 3) << "assignment must not count";
        }
        EXPECT_EQ(TypeParam::NetObjectCount(), start + 1);
    }
    EXPECT_EQ(TypeParam::NetObjectCount(), start);
}

TYPED_TEST(NodePatternTest, CreatesNothingWithoutScene)
{
    const int start = TypeParam::NetObjectCount();
    const int nodesAtStart = Kairn::Graphics::VyrGraphicsNode::NetObjectCount();
    EXPECT_EQ(TypeParam::createAndAddGraphicsNode(nullptr, 1), nullptr);
    EXPECT_EQ(TypeParam::NetObjectCount(), start);
    EXPECT_EQ(Kairn::Graphics::VyrGraphicsNode::NetObjectCount(), nodesAtStart);
}
