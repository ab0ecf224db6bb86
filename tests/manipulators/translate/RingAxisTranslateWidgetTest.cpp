#include "tests/manipulators/translate/DragGeometry.h"
#include "tests/support/InteractionHarness.h"
#include "tests/support/LiveInstanceCheck.h"
#include "tests/support/SignalLog.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/RingAxisTranslateWidget.h"
#include "ui_widgets/platform/scene/SceneItemType.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

#include <memory>

using namespace TranslateTest;
using Lumo::float3;
using UiwTest::InteractionHarness;
using UiwTest::LiveInstanceCheck;
using UiwTest::SignalLog;
using Velto::UiWidget::RingAxisTranslateWidget;

// A press in the empty middle of the ring grabs the invisible disc and drags along the widget's
// direction; through hover, press, drag and release the ring takes the owner's colours while
// the disc keeps alpha 0.
TEST(RingAxisTranslateWidget, MiddleOfTheRingDragsAlongTheDirection)
{
    LiveInstanceCheck live;
    {
        InteractionHarness harness;
        harness.camera()->lookAt({6, 4, 8}, {0, 0, 0}, {0, 1, 0});
        std::unique_ptr<RingAxisTranslateWidget> ring(
            RingAxisTranslateWidget::createWidget3D(harness.handler(), Kairn::Graphics::SceneItemWidget));
        const float3 direction = Lumo::normalized(float3{0, 1, 1});
        ring->setDirection(direction);
        const Lumo::vec4<float> resting{0.2f, 0.4f, 0.6f, 1}, lit{0.3f, 0.5f, 0.7f, 1};
        ring->setInactiveColor(resting);
        ring->setHighlightColor(lit);
        ring->resetColor();
        SignalLog log;
        log.watch(ring.get(), "ring");

        ASSERT_EQ(ring->getGraphicsNodes().size(), 2u);
        Kairn::Graphics::VyrGraphicsNode* ringNode = ring->getGraphicsNodes()[0];
        Kairn::Graphics::VyrGraphicsNode* disc = ring->getGraphicsNodes()[1];
        auto expectColours = [&](const Lumo::vec4<float>& ringColour, const char* when) {
            EXPECT_EQ(ringNode->getColor(), ringColour) << when;
            const Lumo::vec4<float> discColour = disc->getColor();
            EXPECT_EQ(discColour, (Lumo::vec4<float>{ringColour.x, ringColour.y, ringColour.z, 0})) << when;
        };
        expectColours(resting, "at rest");

        harness.moveAlong({3, 0, 0}, {0, 0, 0}, 3);
        expectColours(lit, "hovered");
        const QPointF middle = harness.screenPoint({0, 0, 0});
        ASSERT_TRUE(harness.pressAt(middle));
        expectColours(lit, "pressed");

        float3 total{};
        // Along the projected direction toward 0.9 units out, wavering a few pixels across it.
        const QPointF along = (harness.screenPoint(direction * 0.9f) - middle) / 12;
        QPointF at = middle;
        for (int i = 1; i <= 12; ++i) {
            at = middle + along * i + QPointF(along.y(), -along.x()) * (i % 3 - 1) * 0.3;
            harness.moveAt(at);
            const float3 step = qvariant_cast<float3>(log.entries()[log.entries().size() - 2].arguments.at(0));
            EXPECT_LT(Lumo::length(Lumo::cross(step, direction)), 1e-5f);
            total = total + step;
            EXPECT_TRUE(near(total, axisPointUnderMouse(*harness.camera(), at, {}, direction), 2e-4f)) << "move " << i;
        }
        EXPECT_GT(Lumo::length(total), 0.5f);
        harness.releaseAt(at);
        expectColours(resting, "released");
        EXPECT_EQ(log.lines().first(), "ring.widgetEntered");
        EXPECT_EQ(log.lines().last(), "ring.widgetDeselect");
    }
    EXPECT_TRUE(live.unchanged());
}
