#include "tests/manipulators/composite/CompositeTestSupport.h"
#include "tests/manipulators/translate/DragGeometry.h"
#include "ui_widgets/manipulators/AxisRotateWidget.h"
#include "ui_widgets/manipulators/DirectionalTranslateFreeRotateWidget.h"
#include "ui_widgets/manipulators/DirectionalTranslateRotateWidget.h"
#include "ui_widgets/manipulators/RingAxisTranslateWidget.h"
#include "ui_widgets/manipulators/SphereRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisRotateWidget.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace CompositeTest;
using Lumo::float3;
using Velto::UiWidget::AxisRotateWidget;
using Velto::UiWidget::DirectionalTranslateFreeRotateWidget;
using Velto::UiWidget::DirectionalTranslateRotateWidget;
using Velto::UiWidget::IWidget3D;
using Velto::UiWidget::RingAxisTranslateWidget;
using Velto::UiWidget::SphereRotateWidget;
using Velto::UiWidget::ThreeAxisRotateWidget;

namespace {

const float3 eye{4, -3, 6};

// `v` turned by `radians` about the unit `axis` (Rodrigues' formula).
float3 turned(const float3& v, const float3& axis, float radians)
{
    return v * std::cos(radians) + Lumo::cross(axis, v) * std::sin(radians)
        + axis * (Lumo::dot(axis, v) * (1 - std::cos(radians)));
}

// A ring handle of radius 4/3 across +Z, with its transparent grab disc, around a rotation part
// of radius 1 at the origin; seen from `eye`.
template<class Composite>
class DirectionalTest : public CompositeFixture
{
protected:
    void SetUp() override
    {
        h.camera()->lookAt(eye, {0, 0, 0}, zAxis);
        tool = Composite::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget);
        this->widget.reset(tool);
        handle = qobject_cast<RingAxisTranslateWidget*>(tool->getChildren().front().data());
        rotationPart = tool->getChildren().back().data();
        log.watch(tool, "D");
    }

    Composite* tool = nullptr;
    RingAxisTranslateWidget* handle = nullptr;
    IWidget3D* rotationPart = nullptr;
};

using Directionals = ::testing::Types<DirectionalTranslateRotateWidget, DirectionalTranslateFreeRotateWidget>;
TYPED_TEST_SUITE(DirectionalTest, Directionals);

// A press on the grab disc, clear of the rotation part (|(1.1, -0.5, 0)| lies between the
// rotation part's radius 1 and the handle's 4/3, and the ray to it runs away from both), then
// 0.1 up along Z a move.
TYPED_TEST(DirectionalTest, HandleDragEmitsOnlyTranslateAndCarriesTheRotationPart)
{
    const float3 grabbed{1.1f, -0.5f, 0};
    this->dragAlong(grabbed, zAxis, 4);

    EXPECT_EQ(this->log.lines(), dragLines("D", "widgetDirectionalAxisTranslate", 4));
    const float3 total = this->translationSum("D.widgetDirectionalAxisTranslate");
    // The handle's axis is the Z axis: the grab point is where it passes closest to the press
    // ray, and it follows to where it passes closest to the last ray.
    const auto& camera = *this->h.camera();
    const float3 expected = TranslateTest::axisPointUnderMouse(camera, this->h.screenPoint(grabbed + zAxis * 0.4f), {}, zAxis)
        - TranslateTest::axisPointUnderMouse(camera, this->h.screenPoint(grabbed), {}, zAxis);
    EXPECT_TRUE(near(total, expected, 1e-4f));
    EXPECT_GT(total.z, 0.3f);
    EXPECT_TRUE(near(this->rotationPart->getPosition(), total, 1e-4f));
    EXPECT_TRUE(near(this->handle->getPosition(), total, 1e-4f));
}

using DirectionalRotateTest = DirectionalTest<DirectionalTranslateRotateWidget>;

TEST_F(DirectionalRotateTest, RingDragEmitsOnlyRotateAndTurnsTheHandle)
{
    // The X ring (in the YZ plane) from 45 to 75 degrees, counted from +Y toward +Z, 3 degrees
    // a move: 30 degrees about +X.
    std::vector<float3> path;
    for (int i = 1; i <= 10; ++i)
        path.push_back(onCircle(45 + 3 * i, yAxis, zAxis));
    dragThrough(onCircle(45, yAxis, zAxis), path);

    EXPECT_EQ(log.lines(), dragLines("D", "widgetAxisRotate", 10));
    EXPECT_NEAR(sumOfAngles(log.entriesOf("D.widgetAxisRotate")), radians(30), 1e-4);
    // +Z turned 30 degrees about +X leans toward -Y.
    EXPECT_TRUE(near(handle->getDirection(), onCircle(30, zAxis, -yAxis), 1e-4f));
    EXPECT_TRUE(near(handle->getPosition(), {0, 0, 0}, 1e-5f));
}

using DirectionalFreeRotateTest = DirectionalTest<DirectionalTranslateFreeRotateWidget>;

TEST_F(DirectionalFreeRotateTest, SphereRollEmitsOnlyRotateAndTurnsTheHandle)
{
    // From the sphere point facing the eye up a great circle toward +Z, 5 degrees a move: the
    // grabbed point follows, a 30-degree turn about front x up.
    const float3 front = Lumo::normalized(eye);
    const float3 up = Lumo::normalized(zAxis - front * Lumo::dot(zAxis, front));
    std::vector<float3> path;
    for (int i = 1; i <= 6; ++i)
        path.push_back(onCircle(5 * i, front, up));
    dragThrough(front, path);

    EXPECT_EQ(log.lines(), dragLines("D", "widgetAxisRotate", 6));
    EXPECT_NEAR(sumOfAngles(log.entriesOf("D.widgetAxisRotate")), radians(30), 1e-4);
    EXPECT_TRUE(near(handle->getDirection(), turned(zAxis, Lumo::cross(front, up), radians(30)), 1e-4f));
    EXPECT_TRUE(near(handle->getPosition(), {0, 0, 0}, 1e-5f));
}

} // namespace
