#include "tests/platform/math/MathExpect.h"
#include "tests/support/WidgetFixture.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/math/Projection.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/ProceduralMeshes.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"
#include "ui_widgets/tracking/SurfaceTrackingWidget.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace UiwTest;
using Lumo::float3;
using Lumo::Objects::XLine;
using Velto::UiWidget::SurfaceTrackingWidget;
using Vector3 = Kairn::Objects::Vector3<float>;

namespace {

constexpr float radius = 2.0f;
constexpr int bands = 128;
// Facets span pi / 128 in both directions, so a flat facet's normal is within half its diagonal,
// about 0.017, of the round sphere's normal, and its points within radius * (1 - cos(0.017)),
// about 0.0003, of the round surface.
const float normalTolerance = float(M_PI) / bands;
constexpr float pointTolerance = 0.001f;

// A faceted sphere of radius 2 around the origin in the host's model layer, and a tracking
// widget resting on its front pole, seen from (0, 0, 10).
class SurfaceTrackingWidgetTest : public WidgetFixture<SurfaceTrackingWidget>
{
protected:
    void SetUp() override
    {
        model = Kairn::Graphics::VyrMeshNode::createAndAddGraphicsNode(h.scene(), Kairn::Graphics::SceneItemModel);
        ASSERT_TRUE(model->setMesh(Kairn::Graphics::ProceduralMeshes::uvSphere(radius, bands, 2 * bands)));
        create()->setPosition(pole);
    }

    void TearDown() override
    {
        widget.reset();
        model = nullptr;
        WidgetFixture::TearDown();
    }

    QPointF pressPoint() const
    {
        const QPointF p = h.screenPoint(widget->getPosition());
        return {std::round(p.x()), std::round(p.y())};
    }

    // Where the view ray through `screen` enters the round sphere.
    Vector3 roundSurfacePoint(const QPointF& screen) const
    {
        Vector3 hit;
        EXPECT_TRUE(Kairn::Objects::Projection::intersectRaySphere(
            h.camera()->getPickRay({float(screen.x()), float(screen.y())}), Vector3(0, 0, 0), radius, hit));
        return hit;
    }

    const float3 pole{0, 0, radius};
    Lumo::Objects::AutoPtr<Kairn::Graphics::VyrMeshNode> model;
};

TEST_F(SurfaceTrackingWidgetTest, MarkerLandsOnTheSurfaceAndReportsTheTurnOntoTheNormal)
{
    const QPointF press = pressPoint();
    ASSERT_TRUE(h.pressAt(press));
    EXPECT_EQ(log.take(), QStringList({"w.widgetEntered", "w.widgetSelect"}));

    // Two steps over the sphere, the second one from where the first has put the marker.
    const QPointF targets[] = {h.screenPoint({1.0f, 0.5f, std::sqrt(radius * radius - 1.25f)}),
                               h.screenPoint({-0.6f, -1.2f, std::sqrt(radius * radius - 1.8f)})};
    for (const QPointF& mouse : targets) {
        const float3 before = widget->getPosition();
        EXPECT_TRUE(h.moveAt(mouse));
        ASSERT_EQ(log.lines(), QStringList({"w.widgetRotate", "w.widgetTranslate", "w.widgetTransform"}));

        const Vector3 surface = roundSurfacePoint(mouse);
        EXPECT_TRUE(MathTest::near(widget->getPosition(), surface, pointTolerance));
        const auto step = qvariant_cast<float3>(log.entries().at(1).arguments.at(0));
        EXPECT_TRUE(MathTest::near(step, surface - Vector3(before), pointTolerance));

        // The widget still points along +z: the turn goes from +z onto the outward normal
        // n = surface / radius, by acos(z . n) about z x n, through the position before the step.
        const Vector3 normal = surface / radius;
        const Vector3 z(0, 0, 1);
        const float angle = qvariant_cast<float>(log.entries().at(0).arguments.at(0));
        const auto line = qvariant_cast<XLine<float>>(log.entries().at(0).arguments.at(1));
        EXPECT_NEAR(angle, std::acos(z.dot(normal)), normalTolerance);
        EXPECT_TRUE(MathTest::near(line.Point(), before, 1e-6f));
        // The axis z x n tilts by up to the normal's error over the sine of the angle.
        const Vector3 axis = z.cross(normal);
        EXPECT_TRUE(MathTest::near(line.Direction(), axis.normalized(), normalTolerance / axis.length()));

        // The step is a translation only.
        EXPECT_EQ(widget->getDirection(), (float3{0, 0, 1}));
        log.clear();
    }
    EXPECT_TRUE(h.releaseAt(targets[1]));
    EXPECT_EQ(log.take(), QStringList({"w.widgetDeselect"}));
}

TEST_F(SurfaceTrackingWidgetTest, OverEmptySpaceNothingMovesAndNothingIsEmitted)
{
    const QPointF press = pressPoint();
    ASSERT_TRUE(h.pressAt(press));
    log.clear();

    // (4, 0, 0) lies beside the sphere: its view ray misses the mesh.
    const QPointF empty = h.screenPoint({4, 0, 0});
    EXPECT_FALSE(h.moveAt(empty));
    EXPECT_FALSE(h.moveAt(empty + QPointF(0, 30)));
    EXPECT_TRUE(log.lines().isEmpty());
    EXPECT_EQ(widget->getPosition(), pole);

    // Back over the mesh it jumps onto the surface.
    const QPointF onMesh = h.screenPoint({1, 1, std::sqrt(radius * radius - 2)});
    EXPECT_TRUE(h.moveAt(onMesh));
    EXPECT_TRUE(MathTest::near(widget->getPosition(), roundSurfacePoint(onMesh), pointTolerance));
    h.releaseAt(onMesh);
}

TEST_F(SurfaceTrackingWidgetTest, ThresholdAndSilence)
{
    struct Row
    {
        const char* name;
        bool silenced;
        QPointF offset;
        bool moves;
        QStringList signalsOfTheMove;
    };
    const Row rows[] = {
        {"exactly the threshold", false, {5, 0}, false, {}},
        {"one pixel more", false, {5, 1}, true, {"w.widgetRotate", "w.widgetTranslate", "w.widgetTransform"}},
        {"silenced", true, {20, 20}, true, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        widget->setPosition(pole);
        widget->setSilenced(row.silenced);
        const QPointF press = pressPoint();
        ASSERT_TRUE(h.pressAt(press));
        log.clear();
        const QPointF to = press + row.offset;
        EXPECT_EQ(h.moveAt(to), row.moves);
        EXPECT_EQ(log.take(), row.signalsOfTheMove);
        if (row.moves)
            EXPECT_TRUE(MathTest::near(widget->getPosition(), roundSurfacePoint(to), pointTolerance));
        else
            EXPECT_EQ(widget->getPosition(), pole);
        h.releaseAt(to);
        log.clear();
    }
}

} // namespace
