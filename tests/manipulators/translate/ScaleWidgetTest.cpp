#include "tests/manipulators/translate/DragGeometry.h"
#include "tests/support/InteractionHarness.h"
#include "tests/support/LiveInstanceCheck.h"
#include "tests/support/SignalLog.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/AxisTranslateWidget.h"
#include "ui_widgets/manipulators/ScaleWidget.h"
#include "ui_widgets/platform/scene/SceneItemType.h"

#include <algorithm>
#include <memory>

using namespace TranslateTest;
using Lumo::float3;
using Lumo::Objects::ADevMatrix;
using UiwTest::InteractionHarness;
using UiwTest::LiveInstanceCheck;
using UiwTest::SignalLog;
using Velto::UiWidget::ScaleWidget;

namespace {

struct Handle
{
    InteractionHarness harness;
    std::unique_ptr<ScaleWidget> widget{ScaleWidget::createWidget3D(harness.handler(), Kairn::Graphics::SceneItemWidget)};

    Handle() { harness.camera()->lookAt({6, 2, 8}, {0, 0, 1}, {0, 1, 0}); }
};

} // namespace

// With the defaults (widget at (0, 0, 1) on the +z axis, anchor at the origin, one unit apart)
// the factor is 1 + the grab point's travel along the axis since the press, never below 0. The
// widget scales about its own position, so every move reports the factor of the whole drag.
TEST(ScaleWidget, DragAlongTheAxisGivesTheFactorOfTheWholeDisplacement)
{
    struct Case
    {
        const char* name;
        float travel;
        float factor;
    };
    const Case cases[] = {
        {"half a unit away from the anchor", 0.5f, 1.5f},   // 1 + 0.5 / 1
        {"half a unit toward the anchor", -0.5f, 0.5f},     // 1 - 0.5 / 1
        {"past the anchor", -1.5f, 0.0f},                   // 1 - 1.5 / 1 < 0, clamped
    };
    LiveInstanceCheck live;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Handle handle;
        SignalLog log;
        log.watch(handle.widget.get(), "s");
        const float3 axis{0, 0, 1}, grab{0, 0, 1.5f};
        handle.harness.drag(grab, grab + axis * c.travel, 6);

        std::vector<float> factors;
        for (const SignalLog::Entry& entry : log.entries()) {
            if (entry.line == "s.widgetSingleAxisScale") {
                factors.push_back(entry.arguments.at(0).toFloat());
                EXPECT_EQ(qvariant_cast<float3>(entry.arguments.at(1)), float3{});
            } else if (entry.line == "s.widgetTransform") {
                // Scale((f, f, f)) about the origin anchor.
                const ADevMatrix m = qvariant_cast<ADevMatrix>(entry.arguments.at(0));
                const float f = factors.back();
                EXPECT_EQ(m, ADevMatrix::Scale({f, f, f}));
            }
        }
        ASSERT_EQ(factors.size(), 6u);
        EXPECT_NEAR(factors.back(), c.factor, 1e-5f);
        for (float f : factors)
            EXPECT_GE(f, 0.0f);
        EXPECT_TRUE(near(handle.widget->getPosition(), {0, 0, 1}, 1e-6f));
        EXPECT_TRUE(log.lines().contains("s.widgetDeselect"));
    }
    EXPECT_TRUE(live.unchanged());
}

TEST(ScaleWidget, AnchorAimsTheAxisAndFollowsAnotherWidget)
{
    Handle handle;
    ScaleWidget& scale = *handle.widget;
    // The double cone (1.25 either side of its centre) is centred on the widget, on the axis from
    // the anchor: a press one unit out along the axis grabs it, before and after a new anchor.
    const auto pressOnHandle = [&] {
        const float3 onHandle = scale.getPosition() + scale.getDirection();
        const bool grabbed = handle.harness.press(onHandle);
        handle.harness.release(onHandle);
        return grabbed;
    };
    EXPECT_TRUE(pressOnHandle());
    scale.setAnchor({0, 0, 1});
    EXPECT_EQ(scale.getDirection(), (float3{0, 0, 1})) << "an anchor at the widget leaves the direction";
    scale.setAnchor({1, 0, 1});
    EXPECT_TRUE(near(scale.getDirection(), {-1, 0, 0}, 1e-6f)) << "from the anchor (1, 0, 1) to the widget (0, 0, 1)";
    EXPECT_TRUE(pressOnHandle());
    EXPECT_EQ(scale.getAnchor(), (float3{1, 0, 1}));

    // An arrow carrying the anchor: each of its applied steps moves the anchor, not the widget.
    std::unique_ptr<Velto::UiWidget::AxisTranslateWidget> carrier(
        Velto::UiWidget::AxisTranslateWidget::createWidget3D(handle.harness.handler(), Kairn::Graphics::SceneItemWidget));
    carrier->setDirection({0, 1, 0});
    carrier->setPosition({3, -1, 1});
    ASSERT_TRUE(QObject::connect(carrier.get(), SIGNAL(widgetTransform(Lumo::Objects::ADevMatrix)), &scale,
                                 SLOT(OnWidgetTransform(Lumo::Objects::ADevMatrix))));
    handle.harness.drag({3, -0.5f, 1}, {3, 0.5f, 1}, 4);
    EXPECT_TRUE(near(carrier->getPosition(), {3, 0, 1}, 1e-4f));
    EXPECT_TRUE(near(scale.getAnchor(), {1, 1, 1}, 1e-4f)) << "(1, 0, 1) moved by the arrow's (0, 1, 0)";
    EXPECT_TRUE(near(scale.getPosition(), {0, 0, 1}, 0));
    EXPECT_TRUE(near(scale.getDirection(), Lumo::normalized(float3{-1, -1, 0}), 1e-4f));
}
