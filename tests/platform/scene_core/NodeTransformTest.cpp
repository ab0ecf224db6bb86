#include "tests/platform/math/MathExpect.h"
#include "tests/platform/scene_core/ProbeCubeNode.h"
#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace Kairn::Graphics;
using Lumo::float3;
using Lumo::Objects::ADevMatrix;
using Lumo::Objects::AutoPtr;
using Lumo::Objects::SharedMatrix;
using Lumo::Objects::XLine;
using MathTest::near;

namespace {

constexpr float halfTurn = std::numbers::pi_v<float>;
constexpr float quarterTurn = halfTurn / 2;

float3 worldOf(const VyrGraphicsNode* node, const float3& local)
{
    return node->getFullTransform().transformPoint(local);
}

} // namespace

TEST(NodeTransform, SharedWorldMatrixMovesBothAndASharerCanStillBeAimedInWorldSpace)
{
    AutoPtr<ProbeCubeNode> ring = ProbeCubeNode::create();
    AutoPtr<ProbeCubeNode> indicator = ProbeCubeNode::create();
    // A non-uniform W makes aiming go through W's inverse.
    ring->setWorldMatrix(new SharedMatrix(ADevMatrix::Scale({1.0f, 1.0f, 2.0f})));
    indicator->setWorldMatrix(ring->getWorldMatrix());
    ring->setPosition({1, 0, 0});
    indicator->setPosition({0, 2, 0});
    indicator->setZDirection({1, 0, 0});
    EXPECT_TRUE(near(indicator->getZDirection(), {1, 0, 0}));
    EXPECT_NEAR(indicator->getZLength(), 2 * 2.0f, 1e-5f); // cube depth x W's z scale, carried along
    EXPECT_TRUE(near(indicator->getPosition(), {0, 2, 0}));

    // A quarter turn about the z axis, applied through the ring, turns both.
    ring->transformBy(Kairn::Objects::Matrix4<float>::Rotation(Kairn::Objects::Vector3<float>(0, 0, 1), quarterTurn));
    EXPECT_TRUE(near(ring->getPosition(), {0, 1, 0}));
    EXPECT_TRUE(near(indicator->getPosition(), {-2, 0, 0}));
    EXPECT_TRUE(near(indicator->getZDirection(), {0, 1, 0}));

    const ADevMatrix sharedBefore = ring->getWorldMatrix()->matrix();
    indicator->setZDirection({0, 0, -1});
    EXPECT_TRUE(near(indicator->getZDirection(), {0, 0, -1}));
    EXPECT_TRUE(near(indicator->getPosition(), {-2, 0, 0}));
    EXPECT_EQ(ring->getWorldMatrix()->matrix(), sharedBefore);
    EXPECT_TRUE(near(ring->getZDirection(), {0, 0, 1}));

    // A copy of the matrix moves nobody; a sharer that is gone is no longer moved.
    SharedMatrix copy(*ring->getWorldMatrix());
    copy.transformBy(ADevMatrix::Scale({3.0f, 3.0f, 3.0f}));
    EXPECT_TRUE(near(ring->getPosition(), {0, 1, 0}));
    indicator.reset();
    ring->transformBy(ADevMatrix::Translation({0, 0, 1}));
    EXPECT_TRUE(near(ring->getPosition(), {0, 1, 1}));
}

TEST(NodeTransform, GroupsNestAndCarryTheirChildren)
{
    AutoPtr<VyrGroupNode> outer = VyrGroupNode::createGraphicsNode();
    VyrGroupNode* inner = VyrGroupNode::createGraphicsNode();
    ProbeCubeNode* cube = ProbeCubeNode::create();
    outer->setPosition({10, 0, 0});
    outer->setZDirection({1, 0, 0}); // the group's +z runs along world +x
    inner->setScale(2.0f);
    ASSERT_TRUE(inner->addChildNode(cube, float3{0, 0, 1}));
    ASSERT_TRUE(outer->addChildNode(inner, float3{0, 0, 1}));
    // (0, 0, 1) in inner, scaled 2, plus inner's place: (0, 0, 3) in outer, whose z is world x from
    // (10, 0, 0).
    EXPECT_TRUE(near(worldOf(cube, {0, 0, 0}), {13, 0, 0}));
    // The group's extents are its children's bounds: 2 x scale 2 per axis.
    EXPECT_NEAR(outer->getZLength(), 4.0f, 1e-5f);

    outer->transformBy(ADevMatrix::Translation({0, 5, 0}));
    EXPECT_TRUE(near(worldOf(cube, {0, 0, 0}), {13, 5, 0}));
    outer->rotateBy(halfTurn, XLine<float>({10, 5, 0}, {0, 1, 0}));
    EXPECT_TRUE(near(worldOf(cube, {0, 0, 0}), {7, 5, 0}, 1e-4f));

    // Added keeping its world pose, a child stays put; added plainly, it is read in the group's frame.
    AutoPtr<VyrGroupNode> group = VyrGroupNode::createGraphicsNode();
    group->setPosition({1, 0, 0});
    group->setScale(2.0f);
    group->setZDirection({0, 1, 0});
    ProbeCubeNode* kept = ProbeCubeNode::create();
    ProbeCubeNode* plain = ProbeCubeNode::create();
    kept->setPosition({5, 0, 0});
    plain->setPosition({5, 0, 0});
    ASSERT_TRUE(group->addChildNode(kept, true));
    ASSERT_TRUE(group->addChildNode(plain, false));
    EXPECT_TRUE(near(worldOf(kept, {0, 0, 1}), {5, 0, 1}));
    // (5, 0, 0) scaled by 2, x unchanged by the z-to-y turn, plus (1, 0, 0).
    EXPECT_TRUE(near(worldOf(plain, {0, 0, 0}), {11, 0, 0}));
}

TEST(NodeTransform, ConstantScreenSizeScalesAboutAnAnchorThatTravelsWithTheNode)
{
    AutoPtr<ProbeCubeNode> node = ProbeCubeNode::create();
    node->setPosition({1, 0, 0});
    node->setConstantScreenSize(30, 2.0f, {1, 1, 0});
    EXPECT_TRUE(near(node->constantScreenSizeAnchor(), {0, 1, 0})); // in the node's frame
    // 30 px x 2 per unit on a camera showing 20 px per unit (400 px for 20 units): a scale of 3.
    Camera camera;
    camera.setImageSize(400, 400);
    camera.setOrthographic(20.0f);
    EXPECT_FLOAT_EQ(node->constantScreenSizeScale(20.0f), 30 * 2.0f / 20);
    ADevMatrix draw = node->getDrawTransform(camera);
    EXPECT_TRUE(near(draw.transformPoint({0, 1, 0}), {1, 1, 0}));  // the anchor stays put
    EXPECT_TRUE(near(draw.transformPoint({0, 0, 0}), {1, -2, 0})); // 1 below it becomes 3 below

    node->transformBy(ADevMatrix::Translation({0, 0, 4}));
    draw = node->getDrawTransform(camera);
    EXPECT_TRUE(near(draw.transformPoint({0, 1, 0}), {1, 1, 4}));
    EXPECT_TRUE(near(draw.transformPoint({1, 1, 0}), {4, 1, 4}));

    node->setConstantScreenSize(0, 1.0f);
    EXPECT_FALSE(node->hasConstantScreenSize());
    EXPECT_TRUE(near(node->getDrawTransform(camera).transformPoint({1, 1, 0}), {2, 1, 4}));
}
