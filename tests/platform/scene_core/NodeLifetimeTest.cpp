#include "tests/platform/scene_core/ProbeCubeNode.h"
#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Kairn::Graphics;
using Lumo::float3;
using Lumo::Objects::AutoPtr;

namespace {

VyrGraphicsNode* rootAttachment(VyrGraphicsNode* node)
{
    return static_cast<VyrGraphicsNode*>(node->GetVoidAttachment(VyrGroupNode::InterfaceID()));
}

// Casts a ray straight down -z from high above (x, y).
PickHit pickDown(VyrGraphicsNode* node, float x, float y, bool includeHidden = false)
{
    PickContext context;
    context.includeHidden = includeHidden;
    PickHit hit;
    node->pickRay(Kairn::Objects::Ray3<float>({x, y, 100.0f}, {0.0f, 0.0f, -1.0f}), context, hit);
    return hit;
}

} // namespace

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

TEST(NodeLifetime, ProxyNodeIsDrawnAsMainAndPickedThroughItsProxy)
{
    const int nodesBefore = VyrGraphicsNode::NetObjectCount();
    {
        ProbeCubeNode* main = ProbeCubeNode::create();
        ProbeCubeNode* proxy = ProbeCubeNode::create();
        proxy->setScale(3.0f); // the fat pick shape spans [-3, 3]
        AutoPtr<VyrGraphicsNodeWithProxy> handle = VyrGraphicsNodeWithProxy::createGraphicsNodeWithProxy(main, proxy);
        ASSERT_TRUE(handle);
        EXPECT_TRUE(VyrGraphicsNodeWithProxy::isProxyNode(proxy));
        EXPECT_FALSE(VyrGraphicsNodeWithProxy::isProxyNode(main));
        EXPECT_FALSE(VyrGraphicsNodeWithProxy::isProxyNode(nullptr));
        EXPECT_EQ(VyrGraphicsNodeWithProxy::getGraphicsNodeWithProxy(proxy), handle.get());
        EXPECT_EQ(VyrGraphicsNodeWithProxy::createGraphicsNodeWithProxy(main, proxy), nullptr); // parts taken
        EXPECT_EQ(VyrGraphicsNodeWithProxy::createGraphicsNodeWithProxy(main, nullptr), nullptr);

        handle->setPosition({10, 0, 0});
        // x = 12.5 is outside the main cube ([9, 11]) but inside the proxy ([7, 13]).
        PickHit hit = pickDown(handle.get(), 12.5f, 0.0f);
        EXPECT_EQ(hit.node, proxy);
        EXPECT_FLOAT_EQ(hit.distance, 97.0f); // from z = 100 down to the proxy's top at z = 3
        EXPECT_FLOAT_EQ(hit.worldPoint.x, 12.5f);
        EXPECT_EQ(pickDown(handle.get(), 14.0f, 0.0f).node, nullptr);
        EXPECT_NEAR(handle->getXLength(), 2.0f, 1e-6f); // measured on the main node

        const Lumo::vec4<float> red{1, 0, 0, 1};
        handle->setColor(red);
        EXPECT_EQ(main->getColor(), red);
        EXPECT_NE(proxy->getColor(), red);

        handle->setVisible(false);
        EXPECT_EQ(pickDown(handle.get(), 10.0f, 0.0f).node, nullptr);
        EXPECT_EQ(pickDown(handle.get(), 10.0f, 0.0f, true).node, proxy);
    }
    EXPECT_EQ(VyrGraphicsNode::NetObjectCount(), nodesBefore);
}
