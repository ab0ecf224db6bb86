#include "tests/manipulators/translate/DragGeometry.h"
#include "tests/support/InteractionHarness.h"
#include "tests/support/LiveInstanceCheck.h"
#include "tests/support/SignalLog.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/TargetScaleWidget.h"
#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/math/SharedMatrix.h"
#include "ui_widgets/platform/scene/SceneItemType.h"
#include "ui_widgets/platform/scene/SceneObjectNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"

#include <cmath>
#include <memory>

using namespace TranslateTest;
using Lumo::float3;
using Lumo::Objects::ADevMatrix;
using UiwTest::InteractionHarness;
using UiwTest::LiveInstanceCheck;
using UiwTest::SignalLog;
using Velto::UiWidget::TargetScaleWidget;

namespace {

// A sphere of the host's model, turned and enlarged by its world matrix, behind the host
// object interface that the widget scales.
struct Scene
{
    InteractionHarness harness;
    std::unique_ptr<Kairn::Objects::SceneObjectNode> target;
    std::unique_ptr<TargetScaleWidget> widget{
        TargetScaleWidget::createWidget3D(harness.handler(), Kairn::Graphics::SceneItemWidget)};
    SignalLog log;

    Scene()
    {
        auto* sphere = Kairn::Graphics::VyrSphereNode::createGraphicsNode();
        sphere->setRadius(0.6f);
        sphere->setPosition({0.5f, 0, -0.5f});
        const ADevMatrix turnedAndEnlarged = Kairn::Objects::Matrix4<float>::Rotation(float3{0, 1, 0}, 0.4f) *
                                             Kairn::Objects::Matrix4<float>::Scale({1.5f, 1.5f, 1.5f});
        sphere->setWorldMatrix(new Lumo::Objects::SharedMatrix(turnedAndEnlarged));
        target = std::make_unique<Kairn::Objects::SceneObjectNode>(sphere);
        widget->setTargetObject(target.get());
        harness.camera()->lookAt({5, 3, 9}, widget->getPosition(), {0, 1, 0});
        log.watch(widget.get(), "w");
    }

    float3 centre() const { return points().first; }
    float3 handle() const { return points().second; }
    std::pair<float3, float3> points() const
    {
        Kairn::Objects::Vector3<double> c, h;
        target->getReferencePoints(c, h);
        return {c.toFloat(), h.toFloat()};
    }
    ADevMatrix worldMatrix() const { return target->getWorldMatrix()->matrix(); }
};

} // namespace

// The target's world matrix is always the press matrix times a uniform scale by the ratio of the
// handle's distances from the centre (where the drag puts it, and at the press), whatever path
// the mouse took; the widget sits on the target's handle point after every step.
TEST(TargetScaleWidget, ScalesTheTargetByTheAbsoluteFactorOfTheDrag)
{
    LiveInstanceCheck live;
    {
        Scene scene;
        const float3 centre = scene.centre();
        const float3 pressHandle = scene.handle();
        ASSERT_TRUE(near(scene.widget->getPosition(), pressHandle, 0));
        const float3 axis = Lumo::normalized(pressHandle - centre);
        EXPECT_TRUE(near(scene.widget->getDirection(), axis, 1e-6f));
        const float pressDistance = Lumo::length(pressHandle - centre);
        const ADevMatrix pressMatrix = scene.worldMatrix();
        const int sceneNodes = scene.harness.scene()->nodeCount();

        const QPointF pressAt = scene.harness.screenPoint(pressHandle);
        const float3 grabbed = axisPointUnderMouse(*scene.harness.camera(), pressAt, pressHandle, axis);
        ASSERT_TRUE(scene.harness.pressAt(pressAt));
        auto expectFactorAt = [&](const QPointF& at) {
            scene.harness.moveAt(at);
            // The handle goes where the grab point's travel along the axis puts it.
            const float3 travel = axis * Lumo::dot(axisPointUnderMouse(*scene.harness.camera(), at, pressHandle, axis) - grabbed, axis);
            const float factor = Lumo::length(pressHandle + travel - centre) / pressDistance;
            EXPECT_TRUE(near(scene.worldMatrix(), ADevMatrix::Multiply(pressMatrix, ADevMatrix::Scale({factor, factor, factor})), 2e-4f));
            EXPECT_TRUE(near(scene.widget->getPosition(), scene.handle(), 1e-5f));
            return factor;
        };
        for (int i = 1; i <= 100; ++i)
            expectFactorAt(pressAt + QPointF(60 * std::sin(0.07 * i) + 15 * std::cos(0.23 * i), 40 * std::sin(0.05 * i)));

        // Twice the press distance from the centre: a factor of exactly 2 after all that wandering.
        EXPECT_NEAR(expectFactorAt(scene.harness.screenPoint(centre + (pressHandle - centre) * 2.0f)), 2, 1e-4f);
        // Beyond the centre by half the press distance: the distance, not its sign, gives 0.5.
        EXPECT_NEAR(expectFactorAt(scene.harness.screenPoint(centre - (pressHandle - centre) * 0.5f)), 0.5f, 1e-4f);

        scene.harness.releaseAt(scene.harness.screenPoint(scene.widget->getPosition()));
        QStringList expected{"w.widgetEntered", "w.widgetSelect"};
        for (int move = 0; move < 102; ++move)
            expected << "w.widgetScale";
        expected << "w.widgetDeselect";
        const QStringList lines = scene.log.lines();
        EXPECT_EQ(lines.mid(0, expected.size()), expected) << "no widgetTransform: the returned step is the identity";
        EXPECT_EQ(scene.harness.scene()->nodeCount(), sceneNodes);
    }
    EXPECT_TRUE(live.unchanged());
}

TEST(TargetScaleWidget, NeedsATargetAndStillScalesWhenSilenced)
{
    Scene scene;
    const float3 handle = scene.handle(), centre = scene.centre();
    const ADevMatrix pressMatrix = scene.worldMatrix();
    std::unique_ptr<TargetScaleWidget> untargeted(
        TargetScaleWidget::createWidget3D(scene.harness.handler(), Kairn::Graphics::SceneItemWidget));
    untargeted->setPosition({-3, 0, 0});
    EXPECT_FALSE(scene.harness.press({-3, 0, 0.2f}));
    scene.harness.release({-3, 0, 0.2f});

    scene.widget->setSilenced(true);
    scene.harness.drag(handle, centre + (handle - centre) * 1.5f, 5);
    EXPECT_TRUE(scene.log.lines().isEmpty());
    EXPECT_TRUE(near(scene.worldMatrix(), ADevMatrix::Multiply(pressMatrix, ADevMatrix::Scale({1.5f, 1.5f, 1.5f})), 2e-4f));
}
