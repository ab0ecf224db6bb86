#include "tests/support/ColorExpect.h"
#include "tests/support/WidgetFixture.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/nodes/VyrMarginTextNode.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"
#include "ui_widgets/tracking/SurveyPointWidget.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

using namespace UiwTest;
using Lumo::float3;
using Velto::UiWidget::IWidget3D;
using Velto::UiWidget::SurveyPointWidget;
using Velto::UiWidget::VyrMarginTextNode;

namespace {

const Lumo::vec4<float> labelGrey = rgb255(126, 126, 126);

// A survey point "Station 4" at (1, 0, 0), facing the harness camera at (0, 0, 10).
class SurveyPointWidgetTest : public WidgetFixture<SurveyPointWidget>
{
protected:
    void SetUp() override
    {
        live.track<VyrMarginTextNode>("VyrMarginTextNode");
        live.track<Kairn::Graphics::VyrCircleNode>("VyrCircleNode");
        live.track<Kairn::Graphics::VyrLineSegmentNode>("VyrLineSegmentNode");
        point = create("s");
        point->setPosition(at);
        point->setLabel(L"Station 4");
    }

    VyrMarginTextNode* label() const { return point->getLabelNode(); }
    std::wstring labelText() const { return label()->getText(); }

    const float3 at{1, 0, 0};
    SurveyPointWidget* point = nullptr;
};

TEST_F(SurveyPointWidgetTest, PressIsTakenButNeverMovesThePoint)
{
    const QPointF press = h.screenPoint(at);
    EXPECT_TRUE(h.pressAt(press));
    EXPECT_EQ(log.lines(), QStringList({"s.widgetEntered", "s.widgetSelect"}));
    log.clear();

    // Far beyond any drag threshold: nothing moves and no tracking signal is emitted.
    EXPECT_FALSE(h.moveAt(press + QPointF(30, 10)));
    EXPECT_FALSE(h.moveAt(press + QPointF(80, 40)));
    EXPECT_TRUE(log.lines().isEmpty());
    EXPECT_EQ(point->getPosition(), at);

    EXPECT_TRUE(h.releaseAt(press + QPointF(80, 40)));
    EXPECT_EQ(log.take(), QStringList({"s.widgetDeselect", "s.widgetExited"}));
    EXPECT_EQ(point->getPosition(), at);
}

TEST_F(SurveyPointWidgetTest, LabelFollowsSetLabelAndTakesItsColours)
{
    EXPECT_EQ(labelText(), L"Station 4");
    point->setLabel(L"");
    EXPECT_EQ(labelText(), L"");

    // As built: grey text on the widget blue.
    EXPECT_TRUE(sameColor(label()->getColor(), labelGrey));
    EXPECT_TRUE(sameColor(label()->getBackgroundColor(), rgb255(112, 173, 193)));

    struct Row
    {
        const char* name;
        std::function<void()> act;
        Lumo::vec4<float> background;
    };
    const Lumo::vec4<float> red{0.8f, 0.1f, 0.1f, 1.0f};
    const Row rows[] = {
        {"setColor", [&] { point->setColor(red); }, red},
        {"resetColor", [&] { point->resetColor(); }, point->getInactiveColor()},
        {"hover", [&] { h.moveAt(h.screenPoint(at)); }, point->getHighlightColor()},
        {"leave", [&] { h.moveAt(h.screenPoint(at) + QPointF(0, 60)); }, point->getInactiveColor()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.act();
        EXPECT_TRUE(sameColor(point->getGraphicsNodes().front()->getColor(), row.background));
        EXPECT_TRUE(sameColor(label()->getBackgroundColor(), row.background));
        EXPECT_TRUE(sameColor(label()->getColor(), labelGrey));
    }
}

TEST_F(SurveyPointWidgetTest, LabelSurvivesClearGraphicsNodes)
{
    ASSERT_EQ(point->getGraphicsNodes().size(), 3u);
    EXPECT_EQ(point->getGraphicsNodes().back(), label());
    EXPECT_EQ(label()->getScene(), h.scene());
    EXPECT_EQ(label()->getSceneType(), Kairn::Graphics::SceneItemOverlay);

    point->clearGraphicsNodes();
    // The disc and the stick are gone; the label is listed, in the overlay and still leads to
    // the point.
    EXPECT_EQ(live.difference("VyrCircleNode"), 0);
    EXPECT_EQ(live.difference("VyrLineSegmentNode"), 0);
    EXPECT_EQ(point->getGraphicsNodes(), std::vector<Kairn::Graphics::VyrGraphicsNode*>({label()}));
    EXPECT_EQ(label()->getScene(), h.scene());
    EXPECT_EQ(label()->getSceneType(), Kairn::Graphics::SceneItemOverlay);
    EXPECT_EQ(IWidget3D::getWidgetFromGraphicsNode(label()), point);
    EXPECT_EQ(labelText(), L"Station 4");
}

TEST_F(SurveyPointWidgetTest, ClickOnTheLabelSelectsThePoint)
{
    // The text's top-left corner is 10 pixels right of and below the anchor; (16, 18) is inside
    // the first letters of a 16-pixel font.
    const QPointF intoText(16, 18);
    struct Row
    {
        const char* name;
        float3 position;
    };
    const Row rows[] = {{"where it was built", at}, {"after the point moved", {-2, 1.5f, 0}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        point->setPosition(row.position);
        const QPointF click = h.screenPoint(row.position) + intoText;
        EXPECT_TRUE(h.pressAt(click));
        EXPECT_EQ(log.lines(), QStringList({"s.widgetEntered", "s.widgetSelect"}));
        EXPECT_TRUE(h.releaseAt(click));
        log.clear();
    }
}

} // namespace
