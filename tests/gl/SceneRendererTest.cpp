// The renderer on its own: a bare 3D view with nodes of known size and colour, read back pixel by
// pixel at places worked out from the camera.

#include "viewer/app/SceneView.h"
#include "viewer/render/SceneRenderer.h"

#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/IGraphicsSystem.h"
#include "ui_widgets/platform/scene/IPointSelectionTool.h"
#include "ui_widgets/platform/scene/SceneItemType.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"
#include "ui_widgets/platform/scene/VyrText2dNode.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace Kairn::Graphics;

::testing::AssertionResult near(const QColor& actual, const QColor& expected, int tolerance = 1)
{
    if (std::abs(actual.red() - expected.red()) <= tolerance && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual.name().toStdString() << " instead of "
                                         << expected.name().toStdString();
}

class SceneRendererTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        view.setFixedSize(400, 300);
        view.setBackgroundColor(Qt::black);
        view.show();
        QApplication::processEvents();
        view.camera().lookAt({0, 0, 10}, {0, 0, 0}, {0, 1, 0});
    }

    void TearDown() override
    {
        for (VyrGraphicsNode* node : nodes)
            node->ReleaseRef();
    }

    template<class Node>
    Node* add(SceneItemType type, const Lumo::vec4<float>& colour)
    {
        Node* node = Node::createGraphicsNode();
        node->AddRef();
        node->setColor(colour);
        node->participateInLighting(false);
        node->addToScene(view.viewport().getScene(), type);
        nodes.push_back(node);
        return node;
    }

    QPointF projected(const Lumo::float3& world)
    {
        const Lumo::vec2<float> p = view.camera().projectToScreen(world);
        return {p.x, p.y};
    }

    QColor pixelAt(const QImage& frame, const QPointF& logical)
    {
        const qreal ratio = view.devicePixelRatioF();
        return frame.pixelColor(static_cast<int>(logical.x() * ratio), static_cast<int>(logical.y() * ratio));
    }

    float pixelsPerUnitAtOrigin() { return view.camera().pixelsPerWorldUnitAt({0, 0, 0}); }

    Viewer::SceneView view;
    std::vector<VyrGraphicsNode*> nodes;
};

TEST_F(SceneRendererTest, WidgetsBehindTheModelShowFadedAndTheOverlayIsOnTop)
{
    // The model's sphere is nearest to the eye, the overlay's farthest: layers, not depth, decide
    // what is on top, and depth whether a widget is faded.
    auto* model = add<VyrSphereNode>(SceneItemModel, {1, 0, 0, 1});
    model->setPosition({0, 0, 3});
    auto* widget = add<VyrSphereNode>(SceneItemWidget, {0, 1, 0, 1});
    widget->setRadius(0.5f);
    auto* overlay = add<VyrSphereNode>(SceneItemOverlay, {0, 0, 1, 1});
    overlay->setRadius(0.2f);
    overlay->setPosition({0, 0, -2});
    // In front of the model's near side (z = 4), over its disc on screen.
    auto* inFront = add<VyrSphereNode>(SceneItemWidget, {0, 1, 0, 1});
    inFront->setRadius(0.2f);
    inFront->setPosition({-0.5f, 0, 4.5f});

    const QImage frame = view.grabFramebuffer();
    const QPointF centre = projected({0, 0, 0});
    EXPECT_TRUE(near(pixelAt(frame, centre), Qt::blue));
    // 0.35 units off centre: outside the overlay's projected radius (0.2 at depth 12 is smaller
    // still), inside the widget's 0.5 at depth 10, behind the model: green at 35 % over red.
    EXPECT_TRUE(near(pixelAt(frame, centre + QPointF(0.35 * pixelsPerUnitAtOrigin(), 0)),
                     QColor::fromRgbF(0.65f, 0.35f, 0.0f), 2));
    EXPECT_TRUE(near(pixelAt(frame, projected({-0.5f, 0, 4.5f})), Qt::green));
    // 0.7 units off centre at the origin's depth lies within the model sphere (radius 1, nearer).
    EXPECT_TRUE(near(pixelAt(frame, centre + QPointF(0.7 * pixelsPerUnitAtOrigin(), 0)), Qt::red));
}

TEST_F(SceneRendererTest, TranslucentNodesBlendBackToFrontWhateverTheirOrderInTheScene)
{
    const QPointF centre = projected({0, 0, 0});
    // Straight "over" of half-transparent blue (nearer) on half-transparent red on black:
    // red over black = 0.5 red; blue over that = 0.5 blue + 0.5 * 0.5 red.
    const QColor expected = QColor::fromRgbF(0.25f, 0.0f, 0.5f);
    for (const bool nearFirst : {true, false}) {
        for (VyrGraphicsNode* node : nodes)
            node->ReleaseRef();
        nodes.clear();
        auto addDisc = [&](const Lumo::vec4<float>& colour, float z) {
            auto* disc = add<VyrCircleNode>(SceneItemWidget, colour);
            disc->setFillable(true);
            disc->setPosition({0, 0, z});
        };
        if (nearFirst) {
            addDisc({0, 0, 1, 0.5f}, 1.0f);
            addDisc({1, 0, 0, 0.5f}, 0.0f);
        } else {
            addDisc({1, 0, 0, 0.5f}, 0.0f);
            addDisc({0, 0, 1, 0.5f}, 1.0f);
        }
        EXPECT_TRUE(near(pixelAt(view.grabFramebuffer(), centre), expected, 2)) << "near disc added first: " << nearFirst;
    }
}

TEST_F(SceneRendererTest, HigherPriorityIsDrawnOverNearerGeometryOfTheSameLayer)
{
    auto* front = add<VyrSphereNode>(SceneItemWidget, {1, 0, 0, 1});
    front->setPosition({0, 0, 2});
    auto* behind = add<VyrSphereNode>(SceneItemWidget, {0, 1, 0, 1});
    behind->setRadius(0.5f);
    const QPointF centre = projected({0, 0, 0});
    EXPECT_TRUE(near(pixelAt(view.grabFramebuffer(), centre), Qt::red));
    behind->setPriority(16);
    EXPECT_TRUE(near(pixelAt(view.grabFramebuffer(), centre), Qt::green));
}

TEST_F(SceneRendererTest, UnchangedNodesAreNotTessellatedAgain)
{
    auto* sphere = add<VyrSphereNode>(SceneItemWidget, {1, 1, 1, 1});
    auto* ring = add<VyrCircleNode>(SceneItemWidget, {1, 1, 1, 1});
    view.grabFramebuffer();
    ASSERT_NE(view.renderer(), nullptr);
    EXPECT_EQ(view.renderer()->lastFrame().tessellations, 2);

    // Moving, recolouring and orbiting change no shape.
    sphere->setPosition({1, 0, 0});
    ring->setColor({0, 1, 0, 1});
    view.camera().orbit(0.3f, 0.1f);
    view.grabFramebuffer();
    EXPECT_EQ(view.renderer()->lastFrame().tessellations, 0);

    ring->setRadius(2.0f);
    view.grabFramebuffer();
    EXPECT_EQ(view.renderer()->lastFrame().tessellations, 1);
    EXPECT_EQ(view.renderer()->lastFrame().cachedGeometries, 2);
}

TEST_F(SceneRendererTest, ScreenTextIsDrawnInPixelsBelowAndRightOfItsProjectedOrigin)
{
    // No ink: the box shows its background alone.
    auto* label = add<VyrText2dNode>(SceneItemOverlay, {1, 1, 0, 0});
    label->setText(L"MMMM");
    label->setFontSize(20.0f);
    label->setBackgroundColor({1, 1, 0, 1});
    label->setPosition({-1, 1, 0});
    const QSizeF box = label->textSizeInPixels();
    ASSERT_GT(box.width(), 20.0);

    const QImage frame = view.grabFramebuffer();
    const QPointF corner = projected({-1, 1, 0});
    EXPECT_TRUE(near(pixelAt(frame, corner + QPointF(box.width() / 2, box.height() / 2)), Qt::yellow));
    EXPECT_TRUE(near(pixelAt(frame, corner + QPointF(box.width() - 2, box.height() - 2)), Qt::yellow));
    EXPECT_TRUE(near(pixelAt(frame, corner + QPointF(-3, box.height() / 2)), Qt::black));
    EXPECT_TRUE(near(pixelAt(frame, corner + QPointF(box.width() / 2, -3)), Qt::black));

    // Yellow ink on yellow does not read: the renderer lays it on its dark plate (85 % of
    // (0.07, 0.08, 0.1) over black) instead.
    label->setColor({1, 1, 0, 1});
    const QColor plate = QColor::fromRgbF(0.85f * 0.07f, 0.85f * 0.08f, 0.85f * 0.1f);
    EXPECT_TRUE(near(pixelAt(view.grabFramebuffer(), corner + QPointF(box.width() - 2, box.height() - 2)), plate));
}

TEST_F(SceneRendererTest, ScreenSpaceBillboardAndConstantScreenSizeAreDrawnWherePicksHit)
{
    // A disc in a group with a kind-1 billboard: one local unit is FixedScaleFactor pixels around
    // the projected anchor, so a unit disc is 12 pixels in radius wherever the camera is.
    auto* group = add<VyrGroupNode>(SceneItemWidget, {1, 1, 1, 1});
    auto* marker = VyrCircleNode::createGraphicsNode();
    marker->setFillable(true);
    marker->participateInLighting(false);
    group->addChildNode(marker, false);
    group->setColor({0, 1, 1, 1});
    Lumo::Graphics::Billboard billboard;
    billboard.kind = 1;
    billboard.FixedScaleFactor = 12.0f;
    billboard.AnchorPosition = Lumo::float3{1, -1, 0};
    group->setBillboard(billboard);

    // A disc that keeps 40 pixels of radius: one world unit of it spans 40 pixels.
    auto* steady = add<VyrCircleNode>(SceneItemWidget, {1, 0, 1, 1});
    steady->setFillable(true);
    steady->setPosition({-2.5f, 1, 0});
    steady->setConstantScreenSize(40, 1.0f);

    std::unique_ptr<IPointSelectionTool> pick(GetIGSCtrl()->createPointSelectionTool(&view.viewport(), 1));
    for (const float distance : {10.0f, 25.0f}) {
        view.camera().lookAt({0, 0, distance}, {0, 0, 0}, {0, 1, 0});
        const QImage frame = view.grabFramebuffer();
        const QPointF anchor = projected({1, -1, 0});
        const QPointF steadyCentre = projected({-2.5f, 1, 0});
        for (const auto& [centre, radius, colour] :
             {std::tuple{anchor, 12.0, QColor(Qt::cyan)}, std::tuple{steadyCentre, 40.0, QColor(Qt::magenta)}}) {
            for (const QPointF& offset : {QPointF(radius - 3, 0), QPointF(0, 3 - radius)}) {
                EXPECT_TRUE(near(pixelAt(frame, centre + offset), colour)) << "distance " << distance;
                Kairn::Objects::Vector3<float> hit;
                const QPointF at = centre + offset;
                EXPECT_NE(pick->pick({float(at.x()), float(at.y())}, hit), nullptr) << "distance " << distance;
            }
            const QPointF outside = centre + QPointF(radius + 3, 0);
            EXPECT_TRUE(near(pixelAt(frame, outside), Qt::black)) << "distance " << distance;
            Kairn::Objects::Vector3<float> hit;
            EXPECT_EQ(pick->pick({float(outside.x()), float(outside.y())}, hit), nullptr) << "distance " << distance;
        }
    }
}

} // namespace
