#include "tests/manipulators/composite/CompositeTestSupport.h"
#include "ui_widgets/manipulators/AxisTranslateWidget.h"
#include "ui_widgets/manipulators/PlaneRotateWidget.h"
#include "ui_widgets/manipulators/PlaneTranslateRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslatePlaneRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslateWidget.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"

#include <gtest/gtest.h>

#include <functional>

using namespace CompositeTest;
using Lumo::float3;
using Velto::UiWidget::AxisTranslateWidget;
using Velto::UiWidget::IWidget3D;
using Velto::UiWidget::PlaneRotateWidget;
using Velto::UiWidget::PlaneTranslateRotateWidget;
using Velto::UiWidget::ThreeAxisTranslatePlaneRotateWidget;
using Velto::UiWidget::ThreeAxisTranslateWidget;

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
        translatePart = tool->getChildren().front().data();
        ring = qobject_cast<PlaneRotateWidget*>(tool->getChildren().back().data());
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

    // Drags one translate handle out along `axis` from `grabbed` by 0.1 a move.
    void expectTranslateDrag(const float3& grabbed, const float3& axis)
    {
        const int moves = 3;
        dragAlong(grabbed, axis, moves);
        EXPECT_EQ(log.lines(), dragLines("C", "widgetAxisTranslate", moves));
        const float3 total = translationSum("C.widgetAxisTranslate");
        // The mouse stayed on the handle's axis, so the grabbed point followed it exactly.
        EXPECT_TRUE(near(total, axis * 0.3f, 1e-4f));
        EXPECT_TRUE(near(ring->getPosition(), axis * 0.3f, 1e-4f));
        EXPECT_TRUE(near(disc->getPosition(), axis * 0.3f, 1e-4f));
    }

    Composite* tool = nullptr;
    Kairn::Graphics::VyrCircleNode* disc = nullptr;
    IWidget3D* translatePart = nullptr;
    PlaneRotateWidget* ring = nullptr;
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

TYPED_TEST(TiltRingCompositeTest, RingDragEmitsOnlyRotateAndTiltsEverything)
{
    // The ring point (-1, 0, 0) pulled up toward +Z by 5 degrees a move: 30 degrees about +Y.
    std::vector<float3> path;
    for (int i = 1; i <= 6; ++i)
        path.push_back(onCircle(5 * i, -xAxis, zAxis));
    EXPECT_TRUE(sameColor(this->disc->getColor(), rgb255(220, 220, 220, 0.5f)));
    this->dragThrough(-xAxis, path);

    EXPECT_EQ(this->log.lines(), dragLines("C", "widgetAxisRotate", 6));
    EXPECT_NEAR(sumOfAngles(this->log.entriesOf("C.widgetAxisRotate")), radians(30), 1e-4);
    const float3 tilted = onCircle(30, zAxis, xAxis);
    EXPECT_TRUE(near(this->translatePart->getDirection(), tilted, 1e-4f));
    EXPECT_TRUE(near(this->ring->getDirection(), tilted, 1e-4f));
    EXPECT_TRUE(near(this->disc->getZDirection(), tilted, 1e-4f));
    // The release reset every colour, the disc's to the composite's resting colour.
    EXPECT_TRUE(sameColor(this->disc->getColor(), rgb255(240, 240, 240, 0.5f)));
}

using PlaneTranslateRotateTest = TiltRingCompositeTest<PlaneTranslateRotateWidget>;

TEST_F(PlaneTranslateRotateTest, EitherArrowDragsAlongTheNormalOnly)
{
    // Upper and lower arrows, each grabbed 0.15 out (they are 0.2875 long).
    for (float side : {1.0f, -1.0f}) {
        SCOPED_TRACE(side);
        tool->setPosition({0, 0, 0});
        log.clear();
        expectTranslateDrag(zAxis * (0.15f * side), zAxis * side);
        h.move({3, 3, 0});
    }
}

using ThreeAxisTranslatePlaneRotateTest = TiltRingCompositeTest<ThreeAxisTranslatePlaneRotateWidget>;

TEST_F(ThreeAxisTranslatePlaneRotateTest, EachArrowDragsAlongItsAxisOnly)
{
    auto* arrows = qobject_cast<ThreeAxisTranslateWidget*>(translatePart);
    ASSERT_NE(arrows, nullptr);
    EXPECT_EQ(arrows->getScale(), 0.25f);
    EXPECT_EQ(ring->getScale(), 1.0f);
    // Each arrow grabbed 0.15 out (they are 0.25 long).
    for (const float3& axis : {xAxis, yAxis, zAxis}) {
        SCOPED_TRACE(MathTest::describe(axis));
        tool->setPosition({0, 0, 0});
        log.clear();
        expectTranslateDrag(axis * 0.15f, axis);
        h.move({3, 3, 0});
    }
}

} // namespace
