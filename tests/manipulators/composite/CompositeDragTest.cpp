#include "tests/manipulators/composite/CompositeTestSupport.h"
#include "tests/manipulators/translate/DragGeometry.h"
#include "ui_widgets/manipulators/AxisRotateWidget.h"
#include "ui_widgets/manipulators/AxisTranslateWidget.h"
#include "ui_widgets/manipulators/DirectionalTranslateFreeRotateWidget.h"
#include "ui_widgets/manipulators/DirectionalTranslateRotateWidget.h"
#include "ui_widgets/manipulators/GimbalWidget.h"
#include "ui_widgets/manipulators/PlaneRotateWidget.h"
#include "ui_widgets/manipulators/PlaneScaleRotateWidget.h"
#include "ui_widgets/manipulators/PlaneTranslateRotateWidget.h"
#include "ui_widgets/manipulators/RingAxisTranslateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslatePlaneRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslateWidget.h"
#include "ui_widgets/manipulators/TriadWidget.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace CompositeTest;
using Lumo::float3;
using UiwTest::InteractionHarness;
using UiwTest::SignalLog;
using namespace Velto::UiWidget;

namespace {

// One drag through a real composite: the mouse presses at `from` (a child's projected pixel),
// moves through `path` and releases. The composite, logged as "C", must report every step under
// `signal` and nothing else; where `child` names the part that is grabbed (logged as "K"), each
// of its `childSignal` emissions must come with exactly one re-emission carrying the same
// arguments, logged just before it (the composite connected to it first).
struct CompositeDrag
{
    const char* name;
    std::function<IWidget3D*(Widget3DEventHandler*)> create;
    float3 eye, target, up;
    std::function<IWidget3D*(IWidget3D*)> child;
    QString childSignal;
    QString signal;
    float3 from;
    std::vector<float3> path;
    // The geometry after the release, against numbers derived apart from the widgets.
    std::function<void(IWidget3D*, const SignalLog&, const InteractionHarness&)> expectAfter;
};

// Lets gtest name a failing row instead of dumping its bytes.
void PrintTo(const CompositeDrag& row, std::ostream* out)
{
    *out << row.name;
}

template<class Composite>
std::function<IWidget3D*(Widget3DEventHandler*)> make()
{
    return [](Widget3DEventHandler* handler) { return Composite::createWidget3D(handler, Kairn::Graphics::SceneItemWidget); };
}

IWidget3D* child(IWidget3D* composite, int index)
{
    return static_cast<Widget3DGroup*>(composite)->getChildren()[index].data();
}

// The part drawn last: the rotation part or tilt ring of a composite.
IWidget3D* lastChild(IWidget3D* composite)
{
    return static_cast<Widget3DGroup*>(composite)->getChildren().back().data();
}

// `moves` points 0.1 apart along `axis` past `grabbed`.
std::vector<float3> along(const float3& grabbed, const float3& axis, int moves)
{
    std::vector<float3> path;
    for (int k = 1; k <= moves; ++k)
        path.push_back(grabbed + axis * (0.1f * k));
    return path;
}

// From `fromDegrees` to `toDegrees` on the circle spanned by `x` and `y`, `stepDegrees` a move.
std::vector<float3> around(double fromDegrees, double toDegrees, double stepDegrees, const float3& x, const float3& y,
                           float radius = 1.0f)
{
    std::vector<float3> path;
    for (double a = fromDegrees + stepDegrees; a <= toDegrees + 1e-9; a += stepDegrees)
        path.push_back(onCircle(a, x, y, radius));
    return path;
}

float3 sumOf(const SignalLog& log, const QString& line)
{
    float3 total{};
    for (const SignalLog::Entry& step : log.entriesOf(line))
        total = total + step.arguments.at(0).value<float3>();
    return total;
}

// `v` turned by `radians` about the unit `axis` (Rodrigues' formula).
float3 turned(const float3& v, const float3& axis, float radians)
{
    return v * std::cos(radians) + Lumo::cross(axis, v) * std::sin(radians)
        + axis * (Lumo::dot(axis, v) * (1 - std::cos(radians)));
}

const float3 directionalEye{4, -3, 6};
const float3 rollFront = Lumo::normalized(directionalEye);
const float3 rollUp = Lumo::normalized(zAxis - rollFront * Lumo::dot(zAxis, rollFront));

// The directional handle's axis is the Z axis: the grab point is where it passes closest to the
// press ray, and it follows to where it passes closest to the last ray.
void expectHandleFollowedTheMouse(IWidget3D* tool, const SignalLog& log, const InteractionHarness& h)
{
    const float3 grabbed{1.1f, -0.5f, 0};
    const float3 total = sumOf(log, "C.widgetDirectionalAxisTranslate");
    const float3 expected = TranslateTest::axisPointUnderMouse(*h.camera(), h.screenPoint(grabbed + zAxis * 0.4f), {}, zAxis)
        - TranslateTest::axisPointUnderMouse(*h.camera(), h.screenPoint(grabbed), {}, zAxis);
    EXPECT_TRUE(near(total, expected, 1e-4f));
    EXPECT_GT(total.z, 0.3f);
    EXPECT_TRUE(near(lastChild(tool)->getPosition(), total, 1e-4f));
    EXPECT_TRUE(near(child(tool, 0)->getPosition(), total, 1e-4f));
}

// A tilt-ring composite's handle followed the mouse exactly along `axis` for 0.3, carrying the
// ring and the fill disc.
auto carriedAlong(const float3& axis)
{
    return [axis](IWidget3D* tool, const SignalLog& log, const InteractionHarness&) {
        EXPECT_TRUE(near(sumOf(log, "C.widgetAxisTranslate"), axis * 0.3f, 1e-4f));
        EXPECT_TRUE(near(lastChild(tool)->getPosition(), axis * 0.3f, 1e-4f));
        EXPECT_TRUE(near(ownCircle(tool)->getPosition(), axis * 0.3f, 1e-4f));
    };
}

// The tilt ring's point (-1, 0, 0) pulled up toward +Z turned everything 30 degrees about +Y.
void expectTiltedAboutY(IWidget3D* tool, const SignalLog& log, const InteractionHarness&)
{
    EXPECT_NEAR(sumOfAngles(log.entriesOf("C.widgetAxisRotate")), radians(30), 1e-4);
    const float3 tilted = onCircle(30, zAxis, xAxis);
    EXPECT_TRUE(near(child(tool, 0)->getDirection(), tilted, 1e-4f));
    EXPECT_TRUE(near(lastChild(tool)->getDirection(), tilted, 1e-4f));
    EXPECT_TRUE(near(ownCircle(tool)->getZDirection(), tilted, 1e-4f));
    // The release reset every colour, the disc's to the composite's resting colour.
    EXPECT_TRUE(sameColor(ownCircle(tool)->getColor(), rgb255(240, 240, 240, 0.5f)));
}

auto threeAxisArrow(int i)
{
    return [i](IWidget3D* tool) -> IWidget3D* { return static_cast<ThreeAxisTranslateWidget*>(tool)->getAxisTranslateWidget(i); };
}

// Arrow `i` of a three-axis translate composite dragged 0.8 along its axis; the other arrows
// travelled along unless the composite is deformable.
CompositeDrag threeAxisTranslateRow(const char* name, int i, bool deformable)
{
    const float3 axes[] = {xAxis, yAxis, zAxis};
    return {name,
            [deformable](Widget3DEventHandler* handler) -> IWidget3D* {
                auto* tool = ThreeAxisTranslateWidget::createWidget3D(handler, Kairn::Graphics::SceneItemWidget);
                tool->setDeformable(deformable);
                return tool;
            },
            {4, 3, 10}, {0, 0, 0}, yAxis, threeAxisArrow(i), "widgetSingleAxisTranslate", "widgetThreeAxisTranslate",
            axes[i] * 0.6f, along(axes[i] * 0.6f, axes[i] * 2.0f, 4),
            [i, deformable, axes](IWidget3D* tool, const SignalLog&, const InteractionHarness&) {
                for (int j = 0; j < 3; ++j) {
                    const IWidget3D* arrow = threeAxisArrow(j)(tool);
                    const bool follows = !deformable || j == i;
                    EXPECT_TRUE(near(arrow->getPosition(), follows ? axes[i] * 0.8f : float3{}, 1e-4f)) << "arrow " << j;
                    EXPECT_TRUE(near(arrow->getDirection(), axes[j], 1e-6f)) << "arrow " << j;
                }
            }};
}

const CompositeDrag compositeDrags[] = {
    threeAxisTranslateRow("ThreeAxisTranslateX", 0, false),
    threeAxisTranslateRow("ThreeAxisTranslateY", 1, false),
    threeAxisTranslateRow("ThreeAxisTranslateZ", 2, false),
    threeAxisTranslateRow("DeformableThreeAxisTranslateY", 1, true),
    // Looking down -Y at the gimbal's grey outer ring (radius 1.2 in the XZ plane): turning from
    // +X toward +Z turns it about -Y; the frame stays.
    {"GimbalOuterRing", make<GimbalWidget>(), {0, 10, 0}, {0, 0, 0}, zAxis,
     [](IWidget3D* gimbal) { return child(gimbal, 1); }, "widgetSingleAxisRotate", "widgetAxisRotate",
     onCircle(45, xAxis, zAxis, 1.2f), around(45, 75, 3, xAxis, zAxis, 1.2f),
     [](IWidget3D* gimbal, const SignalLog&, const InteractionHarness&) {
         auto* outer = static_cast<AxisRotateWidget*>(child(gimbal, 1));
         auto* rings = static_cast<ThreeAxisRotateWidget*>(child(child(gimbal, 0), 0));
         EXPECT_TRUE(near(outer->getRing()->getXDirection(), onCircle(30, xAxis, zAxis), 1e-4f));
         EXPECT_TRUE(near(rings->getAxisRotateWidget(0)->getDirection(), xAxis));
         EXPECT_TRUE(near(rings->getAxisRotateWidget(2)->getRing()->getXDirection(), xAxis));
     }},
    // Looking down -Z at the frame's Z ring: the frame turns rigidly, the outer ring stays.
    {"GimbalFrame", make<GimbalWidget>(), {0, 0, 10}, {0, 0, 0}, yAxis,
     [](IWidget3D* gimbal) { return child(child(gimbal, 0), 0); }, "widgetThreeAxisRotate", "widgetAxisRotate",
     onXYRing(45), around(45, 75, 3, xAxis, yAxis),
     [](IWidget3D* gimbal, const SignalLog&, const InteractionHarness&) {
         auto* rings = static_cast<ThreeAxisRotateWidget*>(child(child(gimbal, 0), 0));
         EXPECT_TRUE(near(rings->getAxisRotateWidget(0)->getDirection(), onXYRing(30), 1e-4f));
         EXPECT_TRUE(near(rings->getAxisRotateWidget(1)->getDirection(), onXYRing(-60), 1e-4f));
         EXPECT_TRUE(near(child(gimbal, 1)->getDirection(), -yAxis));
     }},
    // Seen from (5, 2, 8) the rays to points near the triad's centre cross no ring's plane before
    // they reach them. Along the Y arrow from 0.3 to 0.8: the rings went along.
    {"TriadArrow", make<TriadWidget>(), {5, 2, 8}, {0, 0, 0}, yAxis, nullptr, "", "widgetTriadTranslate",
     {0, 0.3f, 0}, along({0, 0.3f, 0}, yAxis, 5),
     [](IWidget3D* triad, const SignalLog& log, const InteractionHarness&) {
         EXPECT_TRUE(near(sumOf(log, "C.widgetTriadTranslate"), {0, 0.5f, 0}, 1e-4f));
         auto* rings = static_cast<ThreeAxisRotateWidget*>(child(triad, 0));
         EXPECT_TRUE(near(rings->getAxisRotateWidget(2)->getPosition(), {0, 0.5f, 0}, 1e-4f));
         EXPECT_TRUE(near(threeAxisArrow(0)(child(triad, 1))->getPosition(), {0, 0.5f, 0}, 1e-4f));
     }},
    // The triad's Z ring from 45 to 75 degrees turns the arrows 30 degrees about +Z.
    {"TriadRing", make<TriadWidget>(), {5, 2, 8}, {0, 0, 0}, yAxis, nullptr, "", "widgetTriadRotate", onXYRing(45),
     around(45, 75, 3, xAxis, yAxis),
     [](IWidget3D* triad, const SignalLog& log, const InteractionHarness&) {
         EXPECT_NEAR(sumOfAngles(log.entriesOf("C.widgetTriadRotate")), radians(30), 1e-4);
         IWidget3D* arrows = child(triad, 1);
         EXPECT_TRUE(near(threeAxisArrow(0)(arrows)->getDirection(), onXYRing(30), 1e-4f));
         EXPECT_TRUE(near(threeAxisArrow(1)(arrows)->getDirection(), onXYRing(120), 1e-4f));
         EXPECT_TRUE(near(threeAxisArrow(2)(arrows)->getDirection(), zAxis, 1e-4f));
     }},
    // A press on the grab disc clear of the rotation part (|(1.1, -0.5, 0)| lies between its
    // radius 1 and the handle's 4/3), then 0.1 up along Z a move.
    {"DirectionalRotateHandle", make<DirectionalTranslateRotateWidget>(), directionalEye, {0, 0, 0}, zAxis, nullptr, "",
     "widgetDirectionalAxisTranslate", {1.1f, -0.5f, 0}, along({1.1f, -0.5f, 0}, zAxis, 4), expectHandleFollowedTheMouse},
    {"DirectionalFreeRotateHandle", make<DirectionalTranslateFreeRotateWidget>(), directionalEye, {0, 0, 0}, zAxis,
     nullptr, "", "widgetDirectionalAxisTranslate", {1.1f, -0.5f, 0}, along({1.1f, -0.5f, 0}, zAxis, 4),
     expectHandleFollowedTheMouse},
    // The X ring (in the YZ plane) from 45 to 75 degrees, from +Y toward +Z: +Z leans toward -Y.
    {"DirectionalRotateRing", make<DirectionalTranslateRotateWidget>(), directionalEye, {0, 0, 0}, zAxis, nullptr, "",
     "widgetAxisRotate", onCircle(45, yAxis, zAxis), around(45, 75, 3, yAxis, zAxis),
     [](IWidget3D* tool, const SignalLog& log, const InteractionHarness&) {
         EXPECT_NEAR(sumOfAngles(log.entriesOf("C.widgetAxisRotate")), radians(30), 1e-4);
         EXPECT_TRUE(near(child(tool, 0)->getDirection(), onCircle(30, zAxis, -yAxis), 1e-4f));
         EXPECT_TRUE(near(child(tool, 0)->getPosition(), {0, 0, 0}, 1e-5f));
     }},
    // From the sphere point facing the eye up a great circle toward +Z: a 30-degree turn about
    // front x up.
    {"DirectionalFreeRotateSphere", make<DirectionalTranslateFreeRotateWidget>(), directionalEye, {0, 0, 0}, zAxis,
     nullptr, "", "widgetAxisRotate", rollFront, around(0, 30, 5, rollFront, rollUp),
     [](IWidget3D* tool, const SignalLog& log, const InteractionHarness&) {
         EXPECT_NEAR(sumOfAngles(log.entriesOf("C.widgetAxisRotate")), radians(30), 1e-4);
         EXPECT_TRUE(near(child(tool, 0)->getDirection(), turned(zAxis, Lumo::cross(rollFront, rollUp), radians(30)), 1e-4f));
         EXPECT_TRUE(near(child(tool, 0)->getPosition(), {0, 0, 0}, 1e-5f));
     }},
    // The ring point (-1, 0, 0) pulled up toward +Z by 5 degrees a move: 30 degrees about +Y, so
    // the grabber at +X goes to (cos 30, 0, -sin 30).
    {"PlaneScaleRotateRing", make<PlaneScaleRotateWidget>(), {4, -3, 3}, {1, 0, 0}, zAxis, nullptr, "",
     "widgetScalePlaneRotate", -xAxis, around(0, 30, 5, -xAxis, zAxis),
     [](IWidget3D* tool, const SignalLog& log, const InteractionHarness&) {
         auto* scaler = static_cast<PlaneScaleRotateWidget*>(tool);
         EXPECT_NEAR(sumOfAngles(log.entriesOf("C.widgetScalePlaneRotate")), radians(30), 1e-4);
         EXPECT_TRUE(near(scaler->getGrabberPosition(), onCircle(30, xAxis, -zAxis), 1e-4f));
         EXPECT_TRUE(near(lastChild(tool)->getDirection(), onCircle(30, zAxis, xAxis), 1e-4f));
         EXPECT_TRUE(near(ownCircle(tool)->getZDirection(), onCircle(30, zAxis, xAxis), 1e-4f));
         EXPECT_TRUE(circleThroughGrabber(scaler));
         EXPECT_EQ(lastChild(tool)->getScale(), 1.0f);
     }},
    {"PlaneTranslateRotateRing", make<PlaneTranslateRotateWidget>(), {4, -3, 3}, {0, 0, 0}, zAxis, nullptr, "",
     "widgetAxisRotate", -xAxis, around(0, 30, 5, -xAxis, zAxis), expectTiltedAboutY},
    {"ThreeAxisTranslatePlaneRotateRing", make<ThreeAxisTranslatePlaneRotateWidget>(), {4, -3, 3}, {0, 0, 0}, zAxis,
     nullptr, "", "widgetAxisRotate", -xAxis, around(0, 30, 5, -xAxis, zAxis), expectTiltedAboutY},
    // The tilt-ring composites' arrows, each grabbed 0.15 out, drag along their own axis only.
    {"PlaneTranslateRotateUpperArrow", make<PlaneTranslateRotateWidget>(), {4, -3, 3}, {0, 0, 0}, zAxis, nullptr, "",
     "widgetAxisTranslate", zAxis * 0.15f, along(zAxis * 0.15f, zAxis, 3), carriedAlong(zAxis)},
    {"PlaneTranslateRotateLowerArrow", make<PlaneTranslateRotateWidget>(), {4, -3, 3}, {0, 0, 0}, zAxis, nullptr, "",
     "widgetAxisTranslate", zAxis * -0.15f, along(zAxis * -0.15f, -zAxis, 3), carriedAlong(-zAxis)},
    {"ThreeAxisTranslatePlaneRotateX", make<ThreeAxisTranslatePlaneRotateWidget>(), {4, -3, 3}, {0, 0, 0}, zAxis,
     nullptr, "", "widgetAxisTranslate", xAxis * 0.15f, along(xAxis * 0.15f, xAxis, 3), carriedAlong(xAxis)},
    {"ThreeAxisTranslatePlaneRotateY", make<ThreeAxisTranslatePlaneRotateWidget>(), {4, -3, 3}, {0, 0, 0}, zAxis,
     nullptr, "", "widgetAxisTranslate", yAxis * 0.15f, along(yAxis * 0.15f, yAxis, 3), carriedAlong(yAxis)},
    {"ThreeAxisTranslatePlaneRotateZ", make<ThreeAxisTranslatePlaneRotateWidget>(), {4, -3, 3}, {0, 0, 0}, zAxis,
     nullptr, "", "widgetAxisTranslate", zAxis * 0.15f, along(zAxis * 0.15f, zAxis, 3), carriedAlong(zAxis)},
};

class CompositeDragTest : public CompositeFixture, public ::testing::WithParamInterface<CompositeDrag>
{
};

TEST_P(CompositeDragTest, ReportsEveryStepOnceUnderItsOwnSignal)
{
    const CompositeDrag& row = GetParam();
    h.camera()->lookAt(row.eye, row.target, row.up);
    widget.reset(row.create(h.handler()));
    log.watch(widget.get(), "C");
    if (row.child)
        log.watch(row.child(widget.get()), "K");

    dragThrough(row.from, row.path);

    const int moves = int(row.path.size());
    QStringList expected{"C.widgetEntered", "C.widgetSelect"};
    for (int i = 0; i < moves; ++i) {
        expected << "C." + row.signal;
        if (row.child)
            expected << "K." + row.childSignal;
        expected << "C.widgetTransform";
    }
    EXPECT_EQ(log.lines(), expected << "C.widgetDeselect");
    if (row.child) {
        const auto reemitted = log.entriesOf("C." + row.signal);
        const auto own = log.entriesOf("K." + row.childSignal);
        ASSERT_EQ(reemitted.size(), own.size());
        for (std::size_t i = 0; i < own.size(); ++i)
            EXPECT_EQ(reemitted[i].arguments, own[i].arguments) << "step " << i;
    }
    row.expectAfter(widget.get(), log, h);
}

INSTANTIATE_TEST_SUITE_P(Composites, CompositeDragTest, ::testing::ValuesIn(compositeDrags),
                         [](const ::testing::TestParamInfo<CompositeDrag>& info) { return std::string(info.param.name); });

} // namespace
