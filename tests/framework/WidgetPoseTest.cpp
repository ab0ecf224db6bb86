#include "tests/framework/BallWidget.h"
#include "tests/platform/math/MathExpect.h"
#include "tests/support/InteractionHarness.h"
#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <cmath>
#include <memory>

using namespace UiwTest;
using Lumo::float3;
using Lumo::Objects::ADevMatrix;
using Matrix4 = Kairn::Objects::Matrix4<float>;
using Vector3 = Kairn::Objects::Vector3<float>;
using MathTest::near;

namespace {

constexpr float QuarterTurn = 1.5707964f;

// A ball at (2, 0, 0) with a second sphere at (3, 0, 0) to watch the nodes turn and scale.
class WidgetPoseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        w.reset(BallWidget::createWidget3D(h.handler(), {2, 0, 0}));
        w->addBall({3, 0, 0});
    }

    InteractionHarness h;
    std::unique_ptr<BallWidget> w;
};

TEST_F(WidgetPoseTest, StepsActAboutThePositionOrTheWorldOrigin)
{
    struct Row
    {
        const char* name;
        ADevMatrix step;
        bool aboutPosition;
        float3 position, secondBall, direction;
    };
    const ADevMatrix quarterTurnAboutZ = Matrix4::Rotation(Vector3(0, 0, 1), QuarterTurn);
    const ADevMatrix quarterTurnAboutY = Matrix4::Rotation(Vector3(0, 1, 0), QuarterTurn);
    const Row rows[] = {
        // A translation is the same step either way.
        {"translation about position", ADevMatrix::Translation({0, 1, 0}), true, {2, 1, 0}, {3, 1, 0}, {0, 0, 1}},
        {"translation about origin", ADevMatrix::Translation({0, 1, 0}), false, {2, 1, 0}, {3, 1, 0}, {0, 0, 1}},
        // About the position (2, 0, 0) the ball stays; the second sphere's offset (1, 0, 0) turns to (0, 1, 0).
        {"rotation about position", quarterTurnAboutZ, true, {2, 0, 0}, {2, 1, 0}, {0, 0, 1}},
        // About the origin (2, 0, 0) goes to (0, 2, 0) and (3, 0, 0) to (0, 3, 0).
        {"rotation about origin", quarterTurnAboutZ, false, {0, 2, 0}, {0, 3, 0}, {0, 0, 1}},
        // A quarter turn about y takes the direction (0, 0, 1) to (1, 0, 0).
        {"rotation turns the direction", quarterTurnAboutY, true, {2, 0, 0}, {2, 0, -1}, {1, 0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        // Identity and non-finite steps change nothing.
        w->transformBy(ADevMatrix(), true);
        w->transformBy(ADevMatrix::Translation({NAN, 0, 0}), row.aboutPosition);
        w->transformBy(row.step, row.aboutPosition);
        EXPECT_TRUE(near(w->getPosition(), row.position, 1e-4f));
        EXPECT_TRUE(near(w->ball(1)->getPosition(), row.secondBall, 1e-4f));
        EXPECT_TRUE(near(w->getDirection(), row.direction, 1e-4f));
    }
}

TEST_F(WidgetPoseTest, StaticWidgetsIgnoreMovesButTurnAndRecordScale)
{
    w->setStatic(true);
    w->translateBy({1, 0, 0});
    w->rotateBy(QuarterTurn, Lumo::Objects::XLine<float>({0, 0, 0}, {0, 0, 1}));
    w->scaleBy(3, {0, 0, 0});
    w->setPosition({5, 5, 5});
    w->transformBy(ADevMatrix::Translation({1, 0, 0}), true);
    EXPECT_TRUE(near(w->getPosition(), {2, 0, 0}, 1e-4f));
    EXPECT_TRUE(near(w->ball(1)->getPosition(), {3, 0, 0}, 1e-4f));

    w->setScale(2);
    EXPECT_FLOAT_EQ(w->getScale(), 2.0f);
    EXPECT_TRUE(near(w->ball(1)->getPosition(), {3, 0, 0}, 1e-4f));

    // setDirection turns the nodes directly, static or not: a quarter turn about y through (2, 0, 0).
    w->setDirection({1, 0, 0});
    EXPECT_TRUE(near(w->getDirection(), {1, 0, 0}, 1e-4f));
    EXPECT_TRUE(near(w->ball(1)->getPosition(), {2, 0, -1}, 1e-4f));
}

TEST_F(WidgetPoseTest, SetDirectionThresholdAndOppositeDirection)
{
    // cos = 1 / sqrt(1 + 0.004^2) = 0.999992 is not below 0.99999: nothing happens.
    w->setDirection({0, 0.004f, 1});
    EXPECT_EQ(w->getDirection(), (float3{0, 0, 1}));
    // cos = 1 / sqrt(1 + 0.005^2) = 0.9999875 is: the direction is taken.
    w->setDirection({0, 0.005f, 1});
    EXPECT_TRUE(near(w->getDirection(), Lumo::normalized(float3{0, 0.005f, 1}), 1e-4f));

    SetUp();
    // Exactly opposite: the perpendicular of (0, 0, 1) is (0, 0, 1) x (1, 0, 0) = (0, 1, 0); the
    // widget turns by pi about it through (2, 0, 0), so the offset (1, 0, 0) flips to (-1, 0, 0).
    w->setDirection({0, 0, -5});
    EXPECT_TRUE(near(w->getDirection(), {0, 0, -1}, 1e-4f));
    EXPECT_TRUE(near(w->ball(1)->getPosition(), {1, 0, 0}, 1e-4f));
    EXPECT_TRUE(near(w->getPosition(), {2, 0, 0}, 1e-4f));

    // Degenerate input changes nothing.
    w->setDirection({0, 0, 0});
    w->setDirection({NAN, 0, 1});
    EXPECT_TRUE(near(w->getDirection(), {0, 0, -1}, 1e-4f));
}

// Queued string-based connections need the argument types registered by name before the first
// connect; run alone, this test sees only what the libraries registered at start-up.
TEST_F(WidgetPoseTest, FollowerMovesThroughAQueuedStringConnectionUnlessSilenced)
{
    for (const char* name : {"Lumo::float3", "Lumo::Objects::ADevMatrix", "Lumo::Objects::XLine<float>"})
        EXPECT_TRUE(QMetaType::fromName(name).isValid()) << name;

    std::unique_ptr<BallWidget> follower(BallWidget::createWidget3D(h.handler(), {0, 0, 0}));
    ASSERT_TRUE(QObject::connect(w.get(), SIGNAL(widgetTransform(Lumo::Objects::ADevMatrix)), follower.get(),
                                 SLOT(OnWidgetTransform(Lumo::Objects::ADevMatrix)), Qt::QueuedConnection));
    w->setSilenced(true);
    w->emitWidgetTransform(ADevMatrix::Translation({0, 0, 1}));
    w->setSilenced(false);
    w->emitWidgetTransform(ADevMatrix::Translation({0, 0, 2}));
    EXPECT_EQ(follower->getPosition(), (float3{0, 0, 0}));
    QCoreApplication::processEvents();
    EXPECT_EQ(follower->getPosition(), (float3{0, 0, 2}));
}

} // namespace
