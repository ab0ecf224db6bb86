// The handler's drag options (cancel, precision, snapping, value labels, view-aligned fade) driven
// through real key and mouse events on translate, rotate and scale handles.

#include "tests/manipulators/translate/DragGeometry.h"
#include "tests/support/InteractionHarness.h"
#include "tests/support/SignalLog.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/AxisRotateWidget.h"
#include "ui_widgets/manipulators/AxisTranslateWidget.h"
#include "ui_widgets/manipulators/PlaneScaleWidget.h"
#include "ui_widgets/manipulators/ScaleWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslateWidget.h"
#include "ui_widgets/nodes/VyrMarginTextNode.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/SceneItemType.h"
#include "ui_widgets/platform/scene/VyrScene.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

using namespace TranslateTest;
using Lumo::float3;
using Lumo::Objects::ADevMatrix;
using UiwTest::InteractionHarness;
using UiwTest::SignalLog;
using Velto::UiWidget::AxisRotateWidget;
using Velto::UiWidget::AxisTranslateWidget;
using Velto::UiWidget::IWidget3D;
using Velto::UiWidget::ScaleWidget;
using Velto::UiWidget::VyrMarginTextNode;
using Velto::UiWidget::Widget3DEventHandler;

namespace {

constexpr auto widgetLayer = Kairn::Graphics::SceneItemWidget;

// A handle of one kind, where it is grabbed and where the drag heads for, and how far it has got:
// the arrow's position along x, the ring's accumulated angle, the scale handle's last factor.
struct HandleKind
{
    const char* name;
    std::function<IWidget3D*(Widget3DEventHandler*)> create;
    float3 grab;
    float3 target;
    std::function<double(IWidget3D*, const SignalLog&)> progress;
};

IWidget3D* arrowAlongX(Widget3DEventHandler* handler)
{
    auto* arrow = AxisTranslateWidget::createWidget3D(handler, widgetLayer);
    arrow->setDirection({1, 0, 0});
    return arrow;
}

IWidget3D* scaleAlongX(Widget3DEventHandler* handler)
{
    auto* scale = ScaleWidget::createWidget3D(handler, widgetLayer);
    scale->setPosition({1, 0, 0});
    scale->setAnchor({0, 0, 0});
    return scale;
}

double lastFactor(const SignalLog& log)
{
    const auto entries = log.entriesOf("w.widgetSingleAxisScale");
    return entries.empty() ? 1.0 : entries.back().arguments.at(0).toDouble();
}

const HandleKind arrow{"arrow", arrowAlongX, {0.5f, 0, 0}, {2.0f, 0.4f, 0},
                       [](IWidget3D* w, const SignalLog&) { return double(w->getPosition().x); }};
const HandleKind ring{"ring", [](Widget3DEventHandler* h) { return AxisRotateWidget::createWidget3D(h, widgetLayer); },
                      {1, 0, 0}, {0, 1, 0},
                      [](IWidget3D* w, const SignalLog&) { return double(static_cast<AxisRotateWidget*>(w)->getAngle()); }};
const HandleKind scale{"scale", scaleAlongX, {1, 0, 0}, {1.8f, 0.3f, 0},
                       [](IWidget3D*, const SignalLog& log) { return lastFactor(log); }};
const HandleKind threeAxis{
    "three-axis translate",
    [](Widget3DEventHandler* h) { return Velto::UiWidget::ThreeAxisTranslateWidget::createWidget3D(h, widgetLayer); },
    {0.6f, 0, 0}, {1.5f, -0.5f, 0}, [](IWidget3D* w, const SignalLog&) { return double(w->getPosition().x); }};
// The grabber's x arrow (0.15 long, from (1, 0, 0)); the circle moves itself to keep its centre.
const HandleKind planeScale{
    "plane scale",
    [](Widget3DEventHandler* h) { return Velto::UiWidget::PlaneScaleWidget::createWidget3D(h, widgetLayer); },
    {1.075f, 0, 0}, {1.6f, 0.2f, 0}, [](IWidget3D* w, const SignalLog&) { return double(w->getPosition().x); }};

// One handle in a view, its signals logged as "w".
struct Drag
{
    InteractionHarness h;
    SignalLog log;
    std::unique_ptr<IWidget3D> widget;

    explicit Drag(const HandleKind& kind) : widget(kind.create(h.handler()))
    {
        log.watch(widget.get(), "w");
    }
    // `steps` moves along the view from `from` to `to`, each with `modifiers`.
    void moveAlong(const QPointF& from, const QPointF& to, int steps, Qt::KeyboardModifiers modifiers = {})
    {
        for (int i = 1; i <= steps; ++i)
            h.moveAt(from + (to - from) * (double(i) / steps), modifiers);
    }
    ADevMatrix productOfReportedSteps() const
    {
        ADevMatrix product;
        for (const SignalLog::Entry& entry : log.entriesOf("w.widgetTransform"))
            product = ADevMatrix::Multiply(product, qvariant_cast<ADevMatrix>(entry.arguments.at(0)));
        return product;
    }
    std::vector<VyrMarginTextNode*> labels() const
    {
        std::vector<VyrMarginTextNode*> found;
        for (Kairn::Graphics::VyrGraphicsNode* node : h.scene()->nodes(Kairn::Graphics::SceneItemOverlay))
            if (auto* label = dynamic_cast<VyrMarginTextNode*>(node))
                found.push_back(label);
        return found;
    }
};

float3 anchorOf(const VyrMarginTextNode* label)
{
    return label->getBillboard()->AnchorPosition;
}

} // namespace

// A cancelled drag puts the handle back at its pose of the press, and the undo matrix takes back
// exactly what widgetTransform reported; the drag then ends as a release away from the handle
// would: colours back, deselect, exit, the view's cursor.
TEST(DragOptions, CancelRestoresThePoseAndUndoesTheReportedSteps)
{
    for (const HandleKind* kind : {&arrow, &ring, &scale, &threeAxis, &planeScale}) {
        for (const bool byEscape : {true, false}) {
            SCOPED_TRACE(std::string(kind->name) + (byEscape ? ", Escape" : ", right button"));
            Drag d(*kind);
            d.h.handler()->setCancelEnabled(true);
            std::unique_ptr<ScaleWidget> bystander(ScaleWidget::createWidget3D(d.h.handler(), widgetLayer));
            bystander->setPosition({-2, -2, 0});
            const float bystanderAlpha = bystander->getColor().w;
            const float3 position = d.widget->getPosition(), direction = d.widget->getDirection();
            const float scaleAtPress = d.widget->getScale();

            ASSERT_TRUE(d.h.press(kind->grab));
            d.moveAlong(d.h.screenPoint(kind->grab), d.h.screenPoint(kind->target), 8);
            ASSERT_FALSE(d.log.entriesOf("w.widgetTransform").empty());
            EXPECT_NEAR(bystander->getColor().w, 0.2f * bystanderAlpha, 1e-6);
            const ADevMatrix reported = d.productOfReportedSteps();
            d.log.clear();

            EXPECT_TRUE(byEscape ? d.h.keyPress(Qt::Key_Escape) : d.h.press(kind->target, Qt::RightButton));
            const auto cancelled = d.log.entriesOf("w.widgetDragCancelled");
            ASSERT_EQ(d.log.lines(), QStringList({"w.widgetDragCancelled", "w.widgetDeselect", "w.widgetExited"}));
            const ADevMatrix undo = qvariant_cast<ADevMatrix>(cancelled.front().arguments.at(0));
            EXPECT_TRUE(near(ADevMatrix::Multiply(reported, undo), ADevMatrix(), 1e-5f));
            EXPECT_TRUE(near(d.widget->getPosition(), position, 1e-5f));
            EXPECT_TRUE(near(d.widget->getDirection(), direction, 1e-5f));
            EXPECT_NEAR(d.widget->getScale(), scaleAtPress, 1e-5);
            EXPECT_EQ(d.h.handler()->getActiveWidget(), nullptr);
            EXPECT_EQ(bystander->getColor().w, bystanderAlpha);
            EXPECT_EQ(d.h.cursorShape(), Qt::ArrowCursor);
            EXPECT_TRUE(d.labels().empty());

            // The rest of the gesture no longer drags.
            d.log.clear();
            d.h.move(kind->grab);
            EXPECT_TRUE(d.log.entriesOf("w.widgetTransform").empty());
        }
    }
}

TEST(DragOptions, WithoutCancelEscapeAndTheRightButtonLeaveTheDragAlone)
{
    Drag d(arrow);
    ASSERT_TRUE(d.h.press(arrow.grab));
    d.h.move(arrow.target);
    EXPECT_FALSE(d.h.keyPress(Qt::Key_Escape));
    EXPECT_FALSE(d.h.press(arrow.target, Qt::RightButton));
    EXPECT_EQ(d.h.handler()->getActiveWidget(), d.widget.get());
    EXPECT_TRUE(d.log.entriesOf("w.widgetDragCancelled").empty());
}

// Ten plain moves, ten with the precision modifier, ten plain again, all of the same length on
// screen: the handle follows a pointer that travelled 10 + 1 + 10 of the 30 steps, so it ends
// where a plain drag to 21/30 of the way ends, and no move while or after the modifier changes
// goes further than a plain one.
TEST(DragOptions, PrecisionSlowsTheDragWithoutAJump)
{
    for (const HandleKind* kind : {&arrow, &ring, &scale}) {
        SCOPED_TRACE(kind->name);
        Drag d(*kind);
        d.h.handler()->setPrecisionEnabled(true);
        const QPointF from = d.h.screenPoint(kind->grab), to = d.h.screenPoint(kind->target);
        ASSERT_TRUE(d.h.pressAt(from));
        std::vector<double> moved;
        double last = kind->progress(d.widget.get(), d.log);
        for (int i = 1; i <= 30; ++i) {
            const bool fine = i > 10 && i <= 20;
            d.h.moveAt(from + (to - from) * (i / 30.0), fine ? Qt::ShiftModifier : Qt::NoModifier);
            const double now = kind->progress(d.widget.get(), d.log);
            moved.push_back(std::abs(now - last));
            last = now;
        }
        const double plainStep = *std::max_element(moved.begin(), moved.begin() + 10);
        EXPECT_LT(*std::max_element(moved.begin() + 10, moved.begin() + 20), 0.2 * plainStep);
        EXPECT_LT(*std::max_element(moved.begin() + 20, moved.end()), 1.5 * plainStep);

        Drag plain(*kind);
        ASSERT_TRUE(plain.h.pressAt(from));
        plain.moveAlong(from, from + (to - from) * (21.0 / 30.0), 21);
        EXPECT_NEAR(last, kind->progress(plain.widget.get(), plain.log), 0.01);
    }
}

// The arrow's travel from the press goes in whole snap steps and the scale handle reports whole
// scale steps, each ending at the raw value rounded to the step; holding Ctrl drags freely.
TEST(DragOptions, SnappedTotalsAreWholeSteps)
{
    struct Case
    {
        const char* name;
        const HandleKind& kind;
        Qt::KeyboardModifiers modifiers;
        bool snapped;
    };
    const Case cases[] = {{"arrow", arrow, {}, true},
                          {"arrow with Ctrl", arrow, Qt::ControlModifier, false},
                          {"scale", scale, {}, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drag d(c.kind);
        d.h.handler()->setSnapStep(0.25f);
        d.h.handler()->setScaleSnapStep(0.25f);
        const float3 start = d.widget->getPosition();
        ASSERT_TRUE(d.h.press(c.kind.grab));
        const QPointF from = d.h.screenPoint(c.kind.grab);
        for (int i = 1; i <= 40; ++i) {
            const QPointF at = from + QPointF(6.0 * i, 40 * std::sin(0.3 * i));
            d.h.moveAt(at, c.modifiers);
            // The raw value: the grab point follows the axis point under the mouse.
            const float raw = axisPointUnderMouse(*d.h.camera(), at, start, {1, 0, 0}).x - c.kind.grab.x;
            const double total = &c.kind == &scale ? lastFactor(d.log) : d.productOfReportedSteps().M41;
            const double expected = &c.kind == &scale ? 1.0 + raw : raw;
            EXPECT_NEAR(total, c.snapped ? std::round(expected / 0.25) * 0.25 : expected, 1e-4) << i;
        }
        if (&c.kind == &arrow) {
            float signalled = 0;
            for (const SignalLog::Entry& entry : d.log.entriesOf("w.widgetSingleAxisTranslate"))
                signalled += qvariant_cast<float3>(entry.arguments.at(0)).x;
            EXPECT_NEAR(signalled, d.productOfReportedSteps().M41, 1e-5);
        }
    }
}

// While dragged, the arrow shows its travel from the press in the label unit with the dimension
// labels' rules and the scale handle its factor; the label follows the handle and leaves with
// the release. Snapping keeps the values exact: 2.5 mm of travel, a factor of 1.5.
TEST(DragOptions, ValueLabelFollowsTheHandleInTheLabelUnit)
{
    struct Case
    {
        const char* name;
        const HandleKind& kind;
        Zel::Common::UnitType unit;
        std::wstring text;
    };
    const Case cases[] = {{"millimetres", arrow, Zel::Common::UNIT_MILLIMETER, L"2.5 mm"},
                          {"microns", arrow, Zel::Common::UNIT_MICRON, L"2500.0 \u00b5m"},
                          {"inches (0.098)", arrow, Zel::Common::UNIT_INCH, L"0.1 in"},
                          {"scale factor", scale, Zel::Common::UNIT_MILLIMETER, L"\u00d71.50"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drag d(c.kind);
        d.h.handler()->setValueLabelsEnabled(true);
        d.h.handler()->setValueLabelUnit(c.unit);
        d.h.handler()->setSnapStep(0.5f);
        d.h.handler()->setScaleSnapStep(0.5f);
        ASSERT_TRUE(d.h.press(c.kind.grab));
        d.h.move(c.kind.grab + float3{0.4f, 0, 0});
        ASSERT_EQ(d.labels().size(), 1u);
        const float3 labelBefore = anchorOf(d.labels().front());
        const float3 widgetBefore = d.widget->getPosition();
        d.h.move(c.kind.grab + float3{&c.kind == &arrow ? 2.45f : 0.55f, 0.2f, 0});
        ASSERT_EQ(d.labels().size(), 1u);
        EXPECT_EQ(std::wstring(d.labels().front()->getText()), c.text);
        if (&c.kind == &arrow)
            EXPECT_TRUE(near(anchorOf(d.labels().front()) - labelBefore, d.widget->getPosition() - widgetBefore, 1e-5f));
        d.h.release(c.kind.grab);
        EXPECT_TRUE(d.labels().empty());
    }
    Drag unlabelled(arrow);
    unlabelled.h.press(arrow.grab);
    unlabelled.h.move(arrow.target);
    EXPECT_TRUE(unlabelled.labels().empty());
}

// A scale handle whose axis points at the eye is faded and lets the press through; an oblique one
// is grabbed, and so is the first once the view turns away from it.
TEST(DragOptions, AxisPointingAtTheEyeCannotBeGrabbed)
{
    struct Case
    {
        const char* name;
        float3 direction;
        bool fade;
        bool grabbed;
    };
    const float tilt = float(20 * 3.14159265358979 / 180);
    const Case cases[] = {{"at the eye", {0, 0, 1}, true, false},
                          {"3 degrees off", {std::sin(0.05f), 0, std::cos(0.05f)}, true, false},
                          {"20 degrees off", {std::sin(tilt), 0, std::cos(tilt)}, true, true},
                          {"at the eye, fade off", {0, 0, 1}, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InteractionHarness h;
        h.handler()->setViewAlignedFade(c.fade);
        std::unique_ptr<ScaleWidget> scaleHandle(ScaleWidget::createWidget3D(h.handler(), widgetLayer));
        scaleHandle->setAnchor(scaleHandle->getPosition() - c.direction);
        const float alpha = scaleHandle->getInactiveColor().w;
        EXPECT_NEAR(scaleHandle->getColor().w, c.grabbed ? alpha : 0.15f * alpha, 1e-6);
        EXPECT_EQ(h.press(scaleHandle->getPosition() - c.direction * 0.3f), c.grabbed);
        h.release(scaleHandle->getPosition());
        if (c.grabbed)
            continue;
        h.camera()->lookAt({10, 0, 1}, {0, 0, 1}, {0, 1, 0});
        EXPECT_EQ(scaleHandle->getColor().w, alpha);
        EXPECT_TRUE(h.press(scaleHandle->getPosition() - c.direction * 0.3f));
    }
}

// An arrow 6 degrees off the line of sight is still grabbed, but two pixels of mouse motion would
// move it by more than a fifth of its length: with the fade on each such move is held to that.
TEST(DragOptions, DragNearTheLineOfSightIsLimitedPerPixel)
{
    const float tilt = float(6 * 3.14159265358979 / 180);
    const float3 direction{std::sin(tilt), 0, std::cos(tilt)};
    for (const bool fade : {true, false}) {
        SCOPED_TRACE(fade ? "fade" : "no fade");
        InteractionHarness h;
        h.handler()->setViewAlignedFade(fade);
        std::unique_ptr<AxisTranslateWidget> steep(AxisTranslateWidget::createWidget3D(h.handler(), widgetLayer));
        steep->setDirection(direction);
        const QPointF from = h.screenPoint(direction * 0.5f);
        ASSERT_TRUE(h.pressAt(from));
        float largest = 0;
        for (int i = 1; i <= 10; ++i) {
            const float3 before = steep->getPosition();
            h.moveAt(from + QPointF(2.0 * i, 0));
            largest = std::max(largest, Lumo::length(steep->getPosition() - before));
        }
        if (fade)
            EXPECT_LE(largest, 0.2f + 1e-5f);
        else
            EXPECT_GT(largest, 0.2f);
    }
}
