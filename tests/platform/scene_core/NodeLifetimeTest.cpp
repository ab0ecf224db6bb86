#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"

#include <gtest/gtest.h>

using namespace Kairn::Graphics;
using Lumo::float3;
using Lumo::Objects::AutoPtr;

TEST(NodeLifetime, LastReleaseDestroysTheNodeAndTakesItOutOfItsScene)
{
    const int nodesBefore = VyrGraphicsNode::NetObjectCount();
    VyrScene scene;
    VyrGraphicsNode* node = VyrGraphicsNode::createAndAddGraphicsNode(&scene, SceneItemWidget);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->refCount(), 0);
    EXPECT_EQ(VyrGraphicsNode::NetObjectCount(), nodesBefore + 1);
    EXPECT_EQ(scene.nodes(SceneItemWidget), std::vector<VyrGraphicsNode*>{node});

    // Moving to another layer keeps one entry; the revision follows every change.
    const quint64 revision = scene.revision();
    node->addToScene(&scene, SceneItemOverlay);
    EXPECT_TRUE(scene.nodes(SceneItemWidget).empty());
    EXPECT_EQ(scene.nodes(SceneItemOverlay).size(), 1u);
    EXPECT_EQ(node->getSceneType(), SceneItemOverlay);
    EXPECT_GT(scene.revision(), revision);

    node->AddRef();
    node->ReleaseRef();
    EXPECT_EQ(scene.nodeCount(), 0);
    EXPECT_TRUE(scene.itemTypes().empty());
    EXPECT_EQ(VyrGraphicsNode::NetObjectCount(), nodesBefore);
    EXPECT_EQ(VyrGraphicsNode::createAndAddGraphicsNode(nullptr, SceneItemWidget), nullptr);
    EXPECT_EQ(VyrGraphicsNode::NetObjectCount(), nodesBefore);

    // A destroyed scene lets go of its nodes.
    AutoPtr<VyrGraphicsNode> survivor = VyrGraphicsNode::createGraphicsNode();
    {
        VyrScene shortLived;
        survivor->addToScene(&shortLived, SceneItemWidget);
        EXPECT_TRUE(shortLived.containsNode(survivor.get()));
    }
    EXPECT_EQ(survivor->getScene(), nullptr);
}

TEST(NodeLifetime, GroupHoldsAndReleasesItsChildren)
{
    const int nodesBefore = VyrGraphicsNode::NetObjectCount();
    const int groupsBefore = VyrGroupNode::NetObjectCount();
    VyrScene scene;
    VyrGroupNode* group = VyrGroupNode::createGraphicsNode();
    group->AddRef();
    VyrGraphicsNode* child = VyrGraphicsNode::createAndAddGraphicsNode(&scene, SceneItemWidget);
    ASSERT_TRUE(group->addChildNode(child, false));
    EXPECT_EQ(child->refCount(), 1);
    EXPECT_EQ(child->getScene(), nullptr); // drawn through its group from now on
    EXPECT_FALSE(group->addChildNode(child, false));
    EXPECT_FALSE(group->addChildNode(group, false));
    EXPECT_FALSE(group->addChildNode(nullptr, false));

    VyrGraphicsNode* kept = VyrGraphicsNode::createGraphicsNode();
    kept->AddRef();
    group->addChildNode(kept, float3{1, 2, 3});
    EXPECT_EQ(group->childCount(), 2);
    EXPECT_TRUE(group->removeChildNode(kept));
    EXPECT_EQ(kept->getParentNode(), nullptr);
    EXPECT_EQ(kept->refCount(), 1);
    EXPECT_FALSE(group->removeChildNode(kept));
    kept->ReleaseRef();

    group->ReleaseRef();
    EXPECT_EQ(VyrGraphicsNode::NetObjectCount(), nodesBefore);
    EXPECT_EQ(VyrGroupNode::NetObjectCount(), groupsBefore);
}
