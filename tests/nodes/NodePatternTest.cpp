#include "tests/nodes/NodeCountCheck.h"

#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/scene/VyrPolylineNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"

#include <algorithm>

using namespace Velto::UiWidget;
using Lumo::Objects::AutoPtr;

namespace {

// What each custom node answers for besides its own identity: the scene-library class it builds on.
template<class Node> struct NodeTraits;
template<> struct NodeTraits<VyrArrowNode> { using Base = Kairn::Graphics::VyrGroupNode; static constexpr const wchar_t* Name = L"VyrArrowNode"; };
template<> struct NodeTraits<VyrMarginTextNode> { using Base = Kairn::Graphics::VyrGroupNode; static constexpr const wchar_t* Name = L"VyrMarginTextNode"; };
template<> struct NodeTraits<VyrBoxNode> { using Base = Kairn::Graphics::VyrGroupNode; static constexpr const wchar_t* Name = L"VyrBoxNode"; };
template<> struct NodeTraits<VyrGridPlaneNode> { using Base = Kairn::Graphics::VyrGroupNode; static constexpr const wchar_t* Name = L"VyrGridPlaneNode"; };
template<> struct NodeTraits<CoordinateAxesNode> { using Base = Kairn::Graphics::VyrGroupNode; static constexpr const wchar_t* Name = L"CoordinateAxesNode"; };
template<> struct NodeTraits<VyrHollowPlaneNode> { using Base = Kairn::Graphics::VyrPolylineNode; static constexpr const wchar_t* Name = L"VyrHollowPlaneNode"; };
template<> struct NodeTraits<VyrPolygonSelectionNode> { using Base = Kairn::Graphics::VyrPolyline2dNode; static constexpr const wchar_t* Name = L"VyrPolygonSelectionNode"; };

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

TYPED_TEST(NodePatternTest, JoinsTheGivenSceneAndLayer)
{
    Kairn::Graphics::VyrScene scene;
    AutoPtr<TypeParam> node(TypeParam::createAndAddGraphicsNode(&scene, 3));
    ASSERT_TRUE(node);
    EXPECT_EQ(node->getScene(), &scene);
    EXPECT_EQ(node->getSceneType(), 3);
    const auto& overlay = scene.nodes(3);
    EXPECT_NE(std::find(overlay.begin(), overlay.end(), node.get()), overlay.end());
}

TYPED_TEST(NodePatternTest, AnswersForItsOwnIdentityAndItsBase)
{
    AutoPtr<TypeParam> node(TypeParam::createGraphicsNode());
    const Lumo::Objects::UString* id = TypeParam::InterfaceID();
    EXPECT_EQ(id, Lumo::Objects::Intern(NodeTraits<TypeParam>::Name));
    EXPECT_EQ(node->ClassName(), id);
    EXPECT_EQ(node->GetInterface(id), static_cast<void*>(node.get()));

    using Base = typename NodeTraits<TypeParam>::Base;
    EXPECT_EQ(node->GetInterface(Base::InterfaceID()), static_cast<void*>(static_cast<Base*>(node.get())));
    EXPECT_EQ(node->GetInterface(Lumo::Objects::Intern(L"NoSuchNode")), nullptr);

    // Another custom node's identity is not this node's, even though both build on the same base.
    const Lumo::Objects::UString* foreign = std::is_same_v<TypeParam, VyrArrowNode> ? VyrBoxNode::InterfaceID()
                                                                                     : VyrArrowNode::InterfaceID();
    EXPECT_EQ(node->GetInterface(foreign), nullptr);
}
