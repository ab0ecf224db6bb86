// Which node a pick reports: selection kinds, tool options, proxies, hidden subtrees, nearest
// hit, constant screen size, billboards, and surface picks with normals.

#include "tests/platform/scene/SceneFixture.h"
#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/scene/PointSelectionToolSettings.h"
#include "ui_widgets/platform/scene/ProceduralMeshes.h"
#include "ui_widgets/platform/scene/VyrCylinderNode.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"
#include "ui_widgets/platform/scene/VyrText2dNode.h"
#include "ui_widgets/platform/scene/VyrTextNode.h"

#include <cmath>

using namespace Kairn::Graphics;
using Lumo::float3;

namespace {

class PickRules : public SceneFixture<>
{
protected:
    void SetUp() override
    {
        SceneFixture::SetUp();
        // Looking down -Z from (0, 0, 10): world x and y map straight onto the screen.
        camera().lookAt({0.0f, 0.0f, 10.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f});
    }
    VyrSphereNode* sphereAt(const float3& position, float radius, SceneItemType type)
    {
        VyrSphereNode* sphere = keep(VyrSphereNode::createGraphicsNode());
        sphere->setRadius(radius);
        sphere->setPosition(position);
        sphere->addToScene(viewport.getScene(), type);
        return sphere;
    }
};

} // namespace

TEST_F(PickRules, KindsSeeTheirItemTypesAndTheNearestHitWins)
{
    // Four spheres on the same line of sight, the nearest first: types 0, 3, 2 and 1.
    VyrSphereNode* model = sphereAt({0, 0, 3}, 0.5f, SceneItemModel);
    VyrSphereNode* overlay = sphereAt({0, 0, 1}, 0.5f, SceneItemOverlay);
    VyrSphereNode* other = sphereAt({0, 0, -1}, 0.5f, 2);
    VyrSphereNode* widget = sphereAt({0, 0, -3}, 0.5f, SceneItemWidget);
    const float3 centre{0, 0, 0};

    Kairn::Objects::Vector3<float> world;
    EXPECT_EQ(pickAtPoint(*tool(3), centre, &world), overlay);
    // The front of the overlay sphere: its centre height plus the radius.
    EXPECT_NEAR(world.z, 1.5f, 1e-4f);
    EXPECT_EQ(pickAtPoint(*tool(1), centre, &world), other);
    EXPECT_NEAR(world.z, -0.5f, 1e-4f);
    EXPECT_EQ(pickAtPoint(*tool(0), centre), model);

    // Without the type-2 sphere, kind 1 reaches the widget sphere behind it.
    other->removeFromScene();
    EXPECT_EQ(pickAtPoint(*tool(1), centre), widget);
    widget->removeFromScene();
    EXPECT_EQ(pickAtPoint(*tool(1), centre), nullptr);

    // Distance and part index come with the hit; nothing is written on a miss.
    float distance = -1.0f;
    int part = 7;
    auto overlayTool = tool(3);
    ASSERT_NE(overlayTool->pick(screenOf(centre), world, &distance, &part), nullptr);
    EXPECT_NEAR(distance, 10.0f - 1.5f, 1e-4f);
    EXPECT_EQ(part, -1);
    world = {9, 9, 9};
    EXPECT_EQ(overlayTool->pick(screenOf({3, 3, 0}), world, &distance), nullptr);
    EXPECT_EQ(world, (Kairn::Objects::Vector3<float>{9, 9, 9}));
    EXPECT_EQ(overlayTool->pick({NAN, 0}, world), nullptr);
}

TEST_F(PickRules, ProxiesArePickedInsteadOfTheirMainNode)
{
    // A small main sphere and a tall thin proxy cylinder standing on the origin along +Z.
    VyrSphereNode* main = VyrSphereNode::createGraphicsNode();
    main->setRadius(1.0f);
    VyrCylinderNode* proxy = VyrCylinderNode::createGraphicsNode();
    proxy->setRadius(0.2f);
    proxy->setHeight(3.0f);
    VyrGraphicsNodeWithProxy* handle = keep(VyrGraphicsNodeWithProxy::createGraphicsNodeWithProxy(main, proxy));
    handle->setPosition({0.5f, 0.0f, 0.0f});
    handle->addToScene(viewport.getScene(), SceneItemWidget);

    auto picker = tool(1);
    Kairn::Objects::Vector3<float> world;
    VyrGraphicsNode* picked = pickAtPoint(*picker, {0.5f, 0.0f, 0.0f}, &world);
    ASSERT_EQ(picked, proxy);
    // The top cap of the proxy: z = 3.
    EXPECT_NEAR(world.z, 3.0f, 1e-4f);
    EXPECT_TRUE(VyrGraphicsNodeWithProxy::isProxyNode(picked));
    EXPECT_EQ(VyrGraphicsNodeWithProxy::getGraphicsNodeWithProxy(picked), handle);
    // Where only the main sphere is, nothing is picked.
    EXPECT_EQ(pickAtPoint(*picker, {1.2f, 0.0f, 0.0f}), nullptr);
}

TEST_F(PickRules, HiddenOrUnpickableGroupsHideTheirSubtree)
{
    VyrGroupNode* outer = keep(VyrGroupNode::createGraphicsNode());
    VyrGroupNode* inner = VyrGroupNode::createGraphicsNode();
    VyrSphereNode* sphere = VyrSphereNode::createGraphicsNode();
    inner->addChildNode(sphere, float3{0, 0, 0});
    outer->addChildNode(inner, float3{1, 1, 0});
    outer->addToScene(viewport.getScene(), SceneItemWidget);

    auto picker = tool(1);
    EXPECT_EQ(pickAtPoint(*picker, {1, 1, 0}), sphere);
    inner->setVisible(false);
    EXPECT_EQ(pickAtPoint(*picker, {1, 1, 0}), nullptr);
    picker->settings()->setIncludeHidden(true);
    EXPECT_EQ(pickAtPoint(*picker, {1, 1, 0}), sphere);
    outer->setPickable(false);
    EXPECT_EQ(pickAtPoint(*picker, {1, 1, 0}), nullptr);
}

TEST_F(PickRules, ConstantScreenSizeHoldsAtEveryDistanceAndProjection)
{
    // A unit sphere kept at 30 pixels per unit: 30 pixels of radius on screen, wherever it is.
    VyrSphereNode* sphere = sphereAt({0.5f, 0.25f, 0.0f}, 1.0f, SceneItemWidget);
    sphere->setConstantScreenSize(30, 1.0f);
    auto picker = tool(1);
    for (const bool orthographic : {false, true}) {
        for (const float distance : {10.0f, 40.0f}) {
            SCOPED_TRACE(orthographic ? "orthographic" : "perspective");
            Camera* camera = viewport.getCamera();
            camera->lookAt({0.5f, 0.25f, distance}, {0.5f, 0.25f, 0.0f}, {0, 1, 0});
            if (orthographic)
                camera->setOrthographic(distance);
            else
                camera->setPerspective(0.8f);
            const Lumo::vec2<float> centre = camera->projectToScreen(sphere->getPosition());
            Kairn::Objects::Vector3<float> world;
            EXPECT_EQ(picker->pick(centre + Lumo::vec2<float>{29.0f, 0.0f}, world), sphere->getRenderNode());
            EXPECT_EQ(picker->pick(centre + Lumo::vec2<float>{0.0f, -29.0f}, world), sphere->getRenderNode());
            EXPECT_EQ(picker->pick(centre + Lumo::vec2<float>{31.0f, 0.0f}, world), nullptr);
        }
    }
}
