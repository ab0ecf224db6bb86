// Picks that depend on the draw transform: outlines under a singular world matrix (a flat
// dimension box) and screen-space polygons, whose outline, fill and vertex markers must land on
// the same pixels.

#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/scene/GraphicsSystem.h"
#include "ui_widgets/platform/scene/IPointSelectionTool.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"
#include "ui_widgets/platform/scene/VyrPolyline2dNode.h"
#include "ui_widgets/platform/scene/VyrPolylineNode.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Kairn::Graphics;
using Lumo::float3;
using Lumo::vec2;
using Lumo::Objects::ADevMatrix;
using Lumo::Objects::AutoPtr;
using Lumo::Objects::SharedMatrix;

namespace {

class DrawTransformPick : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        nodesAtStart = VyrGraphicsNode::NetObjectCount();
        camera().lookAt({3.0f, -8.0f, 4.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f});
        if (GetParam())
            camera().setOrthographic(6.0f);
        else
            camera().setPerspective(0.8f);
        tool.reset(GetIGSCtrl()->createPointSelectionTool(&viewport, 1));
    }
    void TearDown() override
    {
        nodes.clear();
        tool.reset();
        EXPECT_EQ(VyrGraphicsNode::NetObjectCount(), nodesAtStart);
    }

    Camera& camera() { return *viewport.getCamera(); }
    template<class T>
    T* keep(T* node)
    {
        nodes.emplace_back(node);
        node->addToScene(viewport.getScene(), SceneItemWidget);
        return node;
    }
    VyrGraphicsNode* pickAt(const vec2<float>& pixel, Kairn::Objects::Vector3<float>* world = nullptr)
    {
        Kairn::Objects::Vector3<float> hit;
        VyrGraphicsNode* node = VyrGraphicsNode::getGraphicsNodeFromLumoNode(tool->pick(pixel, hit));
        if (world)
            *world = hit;
        return node;
    }
    // The screen direction perpendicular to the projected segment a-b.
    vec2<float> screenNormal(const float3& a, const float3& b)
    {
        const vec2<float> along = camera().projectToScreen(b) - camera().projectToScreen(a);
        return Lumo::normalized(vec2<float>{-along.y, along.x});
    }

    Viewport viewport{400, 300};
    std::unique_ptr<IPointSelectionTool> tool;
    std::vector<AutoPtr<VyrGraphicsNode>> nodes;
    int nodesAtStart = 0;
};

} // namespace

TEST_P(DrawTransformPick, OutlinesOfAFlatBoxArePickedAtTheirProjectedEdges)
{
    // A box of zero height: its world matrix squashes y, so its draw transform has no inverse.
    // The outline of its side face x-z (at local y = 0.3) becomes the rectangle
    // x in [-1, 1], z in [-0.75, 0.75] of the plane y = 0, centred at (1, 0, 0).
    auto* flat = new SharedMatrix(ADevMatrix::Scale({2.0f, 0.0f, 1.5f}));
    VyrPolylineNode* face = keep(VyrPolylineNode::createGraphicsNode());
    for (const float3& corner : {float3{-0.5f, 0.3f, -0.5f}, float3{0.5f, 0.3f, -0.5f}, float3{0.5f, 0.3f, 0.5f},
                                 float3{-0.5f, 0.3f, 0.5f}})
        face->addPoint(corner);
    face->setClosed(true);
    face->setWorldMatrix(flat);
    face->setPosition({1.0f, 0.0f, 0.0f});
    // A vertical edge as a line segment: its start (-1, 0, -0.75) under W is placed at
    // (3, 0, -0.75), so it runs up to (3, 0, 0.75).
    VyrLineSegmentNode* edge = keep(VyrLineSegmentNode::createGraphicsNode());
    edge->setStartPoint({-0.5f, 0.3f, -0.5f});
    edge->setEndPoint({-0.5f, 0.3f, 0.5f});
    edge->setWorldMatrix(flat);
    edge->setPosition({3.0f, 0.0f, -0.75f});

    // The right edge runs from (2, 0, -0.75) to (2, 0, 0.75).
    const float3 top{2.0f, 0.0f, 0.75f}, bottom{2.0f, 0.0f, -0.75f}, middle{2.0f, 0.0f, 0.0f};
    const vec2<float> onEdge = camera().projectToScreen(middle);
    const vec2<float> across = screenNormal(bottom, top);
    Kairn::Objects::Vector3<float> world;
    EXPECT_EQ(pickAt(onEdge, &world), face);
    EXPECT_LT(Lumo::length(float3(world) - middle), 1e-3f);
    EXPECT_EQ(pickAt(onEdge + across * 3.0f), face);
    EXPECT_EQ(pickAt(onEdge - across * 3.0f), face);
    EXPECT_EQ(pickAt(onEdge + across * 6.0f), nullptr);
    // The middle of the face is open.
    EXPECT_EQ(pickAt(camera().projectToScreen({1.0f, 0.0f, 0.0f})), nullptr);

    EXPECT_EQ(pickAt(camera().projectToScreen({3.0f, 0.0f, 0.4f}), &world), edge);
    EXPECT_LT(Lumo::length(float3(world) - float3{3.0f, 0.0f, 0.4f}), 1e-3f);
}

TEST_P(DrawTransformPick, ScreenPolygonOutlineFillAndMarkersShareTheirPixels)
{
    // A selection rectangle in pixels; z values are ignored. The outline, its filled copy and the
    // vertex markers share one world matrix, as the polygon selection node sets them up. The
    // outline's own rotation and scale do not move it on screen.
    const std::vector<float3> corners{{100, 80, 7}, {300, 80, 0}, {300, 220, -3}, {100, 220, 0}};
    auto* shared = new SharedMatrix(ADevMatrix::Translation({0.5f, 0.2f, -1.0f}));
    VyrPolyline2dNode* outline = keep(VyrPolyline2dNode::createGraphicsNode());
    VyrPolyline2dNode* fill = VyrPolyline2dNode::createGraphicsNode();
    nodes.emplace_back(fill);
    for (const float3& corner : corners) {
        outline->addPoint(corner);
        fill->addPoint(corner);
    }
    outline->setClosed(true);
    outline->setWorldMatrix(shared);
    outline->setScale(3.0f);
    outline->setZDirection(Lumo::normalized(float3{1, 1, 1}));
    fill->setClosed(true);
    fill->setFillable(true);
    fill->setWorldMatrix(shared);
    VyrCircleNode* marker = VyrCircleNode::createGraphicsNode();
    nodes.emplace_back(marker);
    marker->setFillable(true);
    marker->setWorldMatrix(shared);
    Lumo::Graphics::Billboard atVertex;
    atVertex.kind = 1;
    atVertex.FixedScaleFactor(3.0f);
    atVertex.useScreenPosition = true;
    atVertex.ScreenPosition(vec2<float>{300.0f, 220.0f});
    marker->setBillboard(atVertex);

    // The outline alone: hit within 4 pixels of an edge, on the edge's pixels.
    Kairn::Objects::Vector3<float> world;
    EXPECT_EQ(pickAt({200.0f, 83.0f}, &world), outline);
    const vec2<float> onScreen = camera().projectToScreen(world);
    EXPECT_NEAR(onScreen.x, 200.0f, 0.5f);
    EXPECT_NEAR(onScreen.y, 80.0f, 0.5f);
    EXPECT_EQ(pickAt({297.0f, 150.0f}), outline);
    EXPECT_EQ(pickAt({200.0f, 75.0f}), nullptr);
    EXPECT_EQ(pickAt({200.0f, 150.0f}), nullptr);

    // The fill covers the inside; it lies at the depth of the shared origin.
    fill->addToScene(viewport.getScene(), SceneItemWidget);
    ASSERT_EQ(pickAt({200.0f, 150.0f}, &world), fill);
    EXPECT_NEAR(camera().depthOf(world), camera().depthOf({0.5f, 0.2f, -1.0f}), 1e-3f);
    EXPECT_EQ(pickAt({310.0f, 150.0f}), nullptr);

    // The marker, a disc of 3 pixels, sits on the vertex at the same depth as the outline.
    marker->addToScene(viewport.getScene(), SceneItemWidget);
    const float3 vertex = outline->getDrawTransform(camera()).transformPoint({300, 220, 0});
    const float3 markerCentre = marker->getDrawTransform(camera()).transformPoint({});
    EXPECT_LT(Lumo::length(vertex - markerCentre), 1e-3f * (1.0f + camera().depthOf(vertex)));
    fill->removeFromScene();
    outline->removeFromScene();
    EXPECT_EQ(pickAt({302.0f, 221.0f}), marker);
    EXPECT_EQ(pickAt({304.0f, 220.0f}), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Projections, DrawTransformPick, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Orthographic" : "Perspective"; });
