#include "tests/manipulators/translate/DragGeometry.h"
#include "tests/support/InteractionHarness.h"
#include "tests/support/LiveInstanceCheck.h"
#include "tests/support/SignalLog.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DGroup.h"
#include "ui_widgets/manipulators/AxisTranslateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslateWidget.h"
#include "ui_widgets/platform/scene/SceneItemType.h"

#include <memory>

using namespace TranslateTest;
using Lumo::float3;
using UiwTest::InteractionHarness;
using UiwTest::LiveInstanceCheck;
using UiwTest::SignalLog;
using Velto::UiWidget::AxisTranslateWidget;
using Velto::UiWidget::ThreeAxisTranslateWidget;

namespace {

struct Tool
{
    InteractionHarness harness;
    std::unique_ptr<ThreeAxisTranslateWidget> widget{
        ThreeAxisTranslateWidget::createWidget3D(harness.handler(), Kairn::Graphics::SceneItemWidget)};

    Tool() { harness.camera()->lookAt({4, 3, 10}, {0, 0, 0}, {0, 1, 0}); }
    AxisTranslateWidget* arrow(int i) const { return widget->getAxisTranslateWidget(i); }
};

const float3 axes[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

} // namespace

// Each arrow's step reaches the host once, unchanged, under the composite's signal, between the
// arrow's own emission and the handler's widgetTransform of the composite.
TEST(ThreeAxisTranslateWidget, ReemitsEachArrowStepOnceUnchanged)
{
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        Tool tool;
        SignalLog log;
        log.watch(tool.widget.get(), "tool");
        log.watch(tool.arrow(i), "arrow");
        const float3 grab = axes[i] * 0.6f;
        const float3 target = grab + axes[i] * 0.8f;
        tool.harness.drag(grab, target, 3);

        // The composite connected to the arrow in init(), before the log did, so its re-emission
        // is recorded first; both happen inside the arrow's emission, before the step returns.
        QStringList expected{"tool.widgetEntered", "tool.widgetSelect"};
        for (int move = 0; move < 3; ++move)
            expected << "tool.widgetThreeAxisTranslate" << "arrow.widgetSingleAxisTranslate" << "tool.widgetTransform";
        expected << "tool.widgetDeselect";
        EXPECT_EQ(log.lines(), expected);

        const auto& entries = log.entries();
        for (size_t e = 2; e + 1 < entries.size(); e += 3)
            EXPECT_EQ(qvariant_cast<float3>(entries[e + 1].arguments.at(0)),
                      qvariant_cast<float3>(entries[e].arguments.at(0)));
        EXPECT_TRUE(near(tool.widget->getPosition(), axes[i] * 0.8f, 1e-4f));
    }
}

// A step moves all three arrows with the composite; a deformable composite moves only the arrow
// that is dragged.
TEST(ThreeAxisTranslateWidget, ArrowsTravelTogetherUnlessDeformable)
{
    LiveInstanceCheck live;
    for (const bool deformable : {false, true}) {
        SCOPED_TRACE(deformable ? "deformable" : "rigid");
        Tool tool;
        tool.widget->setDeformable(deformable);
        const float3 drag{0, 0.7f, 0};
        tool.harness.drag({0, 0.6f, 0}, float3{0, 0.6f, 0} + drag, 5);
        for (int i = 0; i < 3; ++i) {
            const bool follows = !deformable || i == 1;
            EXPECT_TRUE(near(tool.arrow(i)->getPosition(), follows ? drag : float3{}, 1e-4f)) << "arrow " << i;
            EXPECT_TRUE(near(tool.arrow(i)->getDirection(), axes[i], 1e-6f)) << "arrow " << i;
        }
    }
    EXPECT_TRUE(live.unchanged());
}
