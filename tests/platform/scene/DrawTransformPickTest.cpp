// Picks through the draw transform: outlines under a singular world matrix (a flat box) and
// screen-space polygons, whose outline, fill and vertex markers share their pixels.

#include "tests/platform/scene/SceneFixture.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"
#include "ui_widgets/platform/scene/VyrPolyline2dNode.h"
#include "ui_widgets/platform/scene/VyrPolylineNode.h"

using namespace Kairn::Graphics;
using Lumo::float3;
using Lumo::vec2;
using Lumo::Objects::ADevMatrix;
using Lumo::Objects::SharedMatrix;

namespace {

class DrawTransformPick : public SceneFixture<::testing::TestWithParam<bool>>
{
protected:
    void SetUp() override
    {
        SceneFixture::SetUp();
        camera().lookAt({3.0f, -8.0f, 4.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f});
        if (GetParam())
            camera().setOrthographic(6.0f);
        else
            camera().setPerspective(0.8f);
        picker = tool(1);
    }
    void TearDown() override
    {
        picker.reset();
        SceneFixture::TearDown();
    }
    Node* pickAt(const vec2<float>& pixel, Kairn::Objects::Vector3<float>* world = nullptr)
    {
        return pickAtPixel(*picker, pixel, world);
    }

    std::unique_ptr<IPointSelectionTool> picker;
};

} // namespace

TEST_P(DrawTransformPick, OutlinesOfAFlatBoxArePickedAtTheirProjectedEdges)
{
    // A box of zero height: its world matrix squashes y, so its draw transform has no inverse.
    // The outline of its side face x-z (at local y = 0.3) becomes the rectangle
    // x in [-1, 1], z in [-0.75, 0.75] of the plane y = 0, centred at (1, 0, 0).
    auto* flat = new SharedMatrix(ADevMatrix::Scale({2.0f, 0.0f, 1.5f}));
    VyrPolylineNode* face = keep(VyrPolylineNode::createGraphicsNode(), SceneItemWidget);
    for (const float3& corner : {float3{-0.5f, 0.3f, -0.5f}, float3{0.5f, 0.3f, -0.5f}, float3{0.5f, 0.3f, 0.5f},
                                 float3{-0.5f, 0.3f, 0.5f}})
        face->addPoint(corner);
    face->setClosed(true);
    face->setWorldMatrix(flat);
    face->setPosition({1.0f, 0.0f, 0.0f});
    // A vertical edge as a line segment: its start (-1, 0, -0.75) under W is placed at
    // (3, 0, -0.75), so it runs up to (3, 0, 0.75).
    VyrLineSegmentNode* edge = keep(VyrLineSegmentNode::createGraphicsNode(), SceneItemWidget);
    edge->setStartPoint({-0.5f, 0.3f, -0.5f});
    edge->setEndPoint({-0.5f, 0.3f, 0.5f});
    edge->setWorldMatrix(flat);
    edge->setPosition({3.0f, 0.0f, -0.75f});

    // The right edge runs from (2, 0, -0.75) to (2, 0, 0.75).
    const float3 top{2.0f, 0.0f, 0.75f}, bottom{2.0f, 0.0f, -0.75f}, middle{2.0f, 0.0f, 0.0f};
    const vec2<float> onEdge = camera().projectToScreen(middle);
    const vec2<float> along = screenOf(top) - screenOf(bottom);
    const vec2<float> across = Lumo::normalized(vec2<float>{-along.y, along.x});
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

INSTANTIATE_TEST_SUITE_P(Projections, DrawTransformPick, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Orthographic" : "Perspective"; });
