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

namespace {

constexpr float halfTurn = std::numbers::pi_v<float>;
constexpr float quarterTurn = halfTurn / 2;

void expectNear(const float3& actual, const float3& expected, float tolerance = 1e-5f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

float3 worldOf(const VyrGraphicsNode* node, const float3& local)
{
    return node->getFullTransform().transformPoint(local);
}

} // namespace

TEST(NodeTransform, SetPositionIsExactUnderASingularWorldMatrix)
{
    AutoPtr<ProbeCubeNode> box = ProbeCubeNode::create();
    // A box of zero height: its world matrix flattens z to nothing.
    box->setWorldMatrix(new SharedMatrix(ADevMatrix::Scale({2.0f, 3.0f, 0.0f})));
    box->setPosition({1.5f, -2.25f, 7.0f});
    EXPECT_EQ(box->getPosition(), (float3{1.5f, -2.25f, 7.0f}));
    EXPECT_EQ(worldOf(box.get(), {0, 0, 0}), (float3{1.5f, -2.25f, 7.0f}));
    // The corner (1, 1, 1) spreads by the world scale (2, 3, 0) around that centre.
    expectNear(worldOf(box.get(), {1, 1, 1}), {3.5f, 0.75f, 7.0f});
    // Extents: 2 x the scale per axis.
    EXPECT_FLOAT_EQ(box->getXLength(), 4.0f);
    EXPECT_FLOAT_EQ(box->getYLength(), 6.0f);
    EXPECT_FLOAT_EQ(box->getZLength(), 0.0f);
}

TEST(NodeTransform, SharedWorldMatrixMovesBothAndASharerCanStillBeAimedInWorldSpace)
{
    AutoPtr<ProbeCubeNode> ring = ProbeCubeNode::create();
    AutoPtr<ProbeCubeNode> indicator = ProbeCubeNode::create();
    // A non-uniform W makes aiming go through W's inverse.
    ring->setWorldMatrix(new SharedMatrix(ADevMatrix::Scale({1.0f, 1.0f, 2.0f})));
    indicator->setWorldMatrix(ring->getWorldMatrix());
    ASSERT_EQ(indicator->getWorldMatrix(), ring->getWorldMatrix());
    ring->setPosition({1, 0, 0});
    indicator->setPosition({0, 2, 0});
    indicator->setZDirection({1, 0, 0});
    expectNear(indicator->getZDirection(), {1, 0, 0});
    EXPECT_NEAR(indicator->getZLength(), 4.0f, 1e-5f); // cube depth 2 x W's z scale 2, carried along
    expectNear(indicator->getPosition(), {0, 2, 0});

    // A quarter turn about the z axis through the origin, applied through the ring.
    ring->transformBy(Kairn::Objects::Matrix4<float>::Rotation(Kairn::Objects::Vector3<float>(0, 0, 1), quarterTurn));
    expectNear(ring->getPosition(), {0, 1, 0});      // (1, 0, 0) turned
    expectNear(indicator->getPosition(), {-2, 0, 0}); // (0, 2, 0) turned
    expectNear(indicator->getZDirection(), {0, 1, 0});

    const ADevMatrix sharedBefore = ring->getWorldMatrix()->matrix();
    indicator->setZDirection({0, 0, -1});
    expectNear(indicator->getZDirection(), {0, 0, -1});
    expectNear(indicator->getPosition(), {-2, 0, 0});
    EXPECT_EQ(ring->getWorldMatrix()->matrix(), sharedBefore);
    expectNear(ring->getPosition(), {0, 1, 0});
    expectNear(ring->getZDirection(), {0, 0, 1});

    // The sharers are listed by the matrix itself: a copy of it moves nobody, and a sharer that
    // is gone is no longer moved.
    Lumo::Objects::SharedMatrix copy(*ring->getWorldMatrix());
    copy.transformBy(ADevMatrix::Scale({3.0f, 3.0f, 3.0f}));
    expectNear(ring->getPosition(), {0, 1, 0});
    indicator.reset();
    ring->transformBy(ADevMatrix::Translation({0, 0, 1}));
    expectNear(ring->getPosition(), {0, 1, 1});
}

TEST(NodeTransform, RotateByTurnsAboutALineAwayFromTheOrigin)
{
    AutoPtr<ProbeCubeNode> node = ProbeCubeNode::create();
    node->setPosition({2, 0, 0});
    // A quarter turn about the vertical line through (1, 0, 0): (2, 0, 0) is 1 away along +x,
    // and ends 1 away along +y.
    node->rotateBy(quarterTurn, Lumo::Objects::XLine<float>({1, 0, 0}, {0, 0, 1}));
    expectNear(node->getPosition(), {1, 1, 0});
    expectNear(node->getXDirection(), {0, 1, 0});
    expectNear(node->getZDirection(), {0, 0, 1});
    // Setting the position afterwards still lands exactly.
    node->setPosition({4, 5, 6});
    EXPECT_EQ(node->getPosition(), (float3{4, 5, 6}));
}

TEST(NodeTransform, DirectionSettersAndScaleKeepThePosition)
{
    AutoPtr<ProbeCubeNode> node = ProbeCubeNode::create();
    node->setPosition({3, 0, 0});
    node->setXYDirections({0, 1, 0}, {0, 0, 1});
    expectNear(node->getXDirection(), {0, 1, 0});
    expectNear(node->getYDirection(), {0, 0, 1});
    expectNear(node->getZDirection(), {1, 0, 0});
    node->setZDirection({0, 0, 0}); // no direction: unchanged
    expectNear(node->getZDirection(), {1, 0, 0});
    node->setZDirection({-1, 0, 0}); // the opposite way: half a turn
    expectNear(node->getZDirection(), {-1, 0, 0});
    node->scaleUniformlyUsingZLength(5.0f);
    EXPECT_NEAR(node->getZLength(), 5.0f, 1e-5f);
    EXPECT_NEAR(node->getXLength(), 5.0f, 1e-5f);
    expectNear(node->getPosition(), {3, 0, 0});
    expectNear(node->getScale(), {2.5f, 2.5f, 2.5f}); // the cube is 2 long
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
    // Cube origin: (0, 0, 1) in inner, scaled 2 -> (0, 0, 2), plus inner's place -> (0, 0, 3) in
    // outer, whose z is world x from (10, 0, 0): (13, 0, 0).
    expectNear(worldOf(cube, {0, 0, 0}), {13, 0, 0});
    // The group's extents are its children's bounds: the cube spans 2 x scale 2 = 4 per axis.
    EXPECT_NEAR(inner->getXLength(), 4.0f, 1e-5f);
    EXPECT_NEAR(outer->getZLength(), 4.0f, 1e-5f);

    outer->transformBy(ADevMatrix::Translation({0, 5, 0}));
    expectNear(worldOf(cube, {0, 0, 0}), {13, 5, 0});
    outer->rotateBy(halfTurn, Lumo::Objects::XLine<float>({10, 5, 0}, {0, 1, 0}));
    expectNear(worldOf(cube, {0, 0, 0}), {7, 5, 0}, 1e-4f);
}

TEST(NodeTransform, AddingWithKeepWorldPoseLeavesTheChildInPlace)
{
    AutoPtr<VyrGroupNode> group = VyrGroupNode::createGraphicsNode();
    group->setPosition({1, 0, 0});
    group->setScale(2.0f);
    group->setZDirection({0, 1, 0});
    ProbeCubeNode* cube = ProbeCubeNode::create();
    cube->setPosition({5, 0, 0});
    ASSERT_TRUE(group->addChildNode(cube, true));
    expectNear(worldOf(cube, {0, 0, 0}), {5, 0, 0});
    expectNear(worldOf(cube, {0, 0, 1}), {5, 0, 1});

    ProbeCubeNode* plain = ProbeCubeNode::create();
    plain->setPosition({5, 0, 0});
    ASSERT_TRUE(group->addChildNode(plain, false));
    // Read in the group's frame: (5, 0, 0) scaled by 2, x unchanged by the z-to-y turn, plus (1, 0, 0).
    expectNear(worldOf(plain, {0, 0, 0}), {11, 0, 0});
}

TEST(NodeTransform, ConstantScreenSizeScalesAboutAnAnchorThatTravelsWithTheNode)
{
    AutoPtr<ProbeCubeNode> node = ProbeCubeNode::create();
    node->setPosition({1, 0, 0});
    node->setConstantScreenSize(30, 2.0f, {1, 1, 0});
    ASSERT_TRUE(node->hasConstantScreenSize());
    expectNear(node->constantScreenSizeAnchor(), {0, 1, 0}); // one unit above the origin, in the node's frame
    // 30 px x 2 per world unit on a camera that shows 20 px per unit (400 px for a view 20 units
    // high): a scale of 3.
    Camera twentyPixelsPerUnit;
    twentyPixelsPerUnit.setImageSize(400, 400);
    twentyPixelsPerUnit.setOrthographic(20.0f);
    EXPECT_FLOAT_EQ(node->constantScreenSizeScale(20.0f), 3.0f);
    ADevMatrix draw = node->getDrawTransform(twentyPixelsPerUnit);
    expectNear(draw.transformPoint({0, 1, 0}), {1, 1, 0});  // the anchor stays put
    expectNear(draw.transformPoint({0, 0, 0}), {1, -2, 0}); // 1 below it becomes 3 below

    node->transformBy(ADevMatrix::Translation({0, 0, 4}));
    draw = node->getDrawTransform(twentyPixelsPerUnit);
    expectNear(draw.transformPoint({0, 1, 0}), {1, 1, 4});
    expectNear(draw.transformPoint({1, 1, 0}), {4, 1, 4});

    node->setConstantScreenSize(0, 1.0f);
    EXPECT_FALSE(node->hasConstantScreenSize());
    expectNear(node->getDrawTransform(twentyPixelsPerUnit).transformPoint({1, 1, 0}), {2, 1, 4});
}
