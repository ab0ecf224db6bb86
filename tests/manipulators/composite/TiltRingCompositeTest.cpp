#include "tests/manipulators/composite/CompositeTestSupport.h"
#include "ui_widgets/manipulators/PlaneTranslateRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslatePlaneRotateWidget.h"
#include "ui_widgets/platform/scene/Camera.h"

#include <gtest/gtest.h>

#include <functional>

using namespace CompositeTest;
using Lumo::float3;
using Velto::UiWidget::IWidget3D;
using Velto::UiWidget::PlaneTranslateRotateWidget;
using Velto::UiWidget::ThreeAxisTranslatePlaneRotateWidget;

namespace {

// A translate part at the centre of a tilt ring of radius 1 in the XY plane, with a fill disc,
// created in the widget layer and seen obliquely from (4, -3, 3).
template<class Composite>
class TiltRingCompositeTest : public CompositeFixture
{
protected:
    void SetUp() override
    {
        h.camera()->lookAt({4, -3, 3}, {0, 0, 0}, zAxis);
        tool = Composite::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget);
        this->widget.reset(tool);
        disc = ownCircle(tool);
        log.watch(tool, "C");
    }

    // Every widget below the composite and every node of theirs is visible.
    bool childrenShown() const
    {
        bool shown = true;
        tool->enumerateAllExcept(
            [this, &shown](IWidget3D* below) {
                if (below == tool)
                    return;
                shown = shown && below->isVisible();
                for (Kairn::Graphics::VyrGraphicsNode* node : below->getGraphicsNodes())
                    shown = shown && node->isVisible();
            },
            nullptr);
        return shown;
    }

    Composite* tool = nullptr;
    Kairn::Graphics::VyrCircleNode* disc = nullptr;
};

using TiltRingComposites = ::testing::Types<PlaneTranslateRotateWidget, ThreeAxisTranslatePlaneRotateWidget>;
TYPED_TEST_SUITE(TiltRingCompositeTest, TiltRingComposites);

// setFillable reaches the disc alone; showing the whole widget shows the disc as well.
TYPED_TEST(TiltRingCompositeTest, FillDiscFollowsSetFillableShowAndSetVisible)
{
    auto* tool = this->tool;
    const struct
    {
        const char* call;
        std::function<void()> run;
        bool discShown;
    } rows[] = {
        {"setFillable(true)", [tool] { tool->setFillable(true); }, true},
        {"setFillable(false)", [tool] { tool->setFillable(false); }, false},
        {"show(true)", [tool] { tool->show(true); }, true},
        {"setFillable(false) again", [tool] { tool->setFillable(false); }, false},
        {"setVisible(true)", [tool] { tool->setVisible(true); }, true},
    };
    for (const auto& row : rows) {
        row.run();
        EXPECT_EQ(this->disc->isVisible(), row.discShown) << row.call;
        EXPECT_TRUE(this->childrenShown()) << row.call;
    }

    // The shown disc is never grabbed: inside the ring, clear of the translate handles.
    this->tool->setFillable(true);
    const float3 onDisc{0.5f, 0.4f, 0};
    this->h.move(onDisc);
    EXPECT_FALSE(this->h.press(onDisc));
    this->h.release(onDisc);
    EXPECT_TRUE(this->log.lines().isEmpty());
}

} // namespace
