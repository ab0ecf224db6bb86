// Picks every primitive on a grid of screen points around its projection and compares each
// answer with an independent reference: a dense march along the ray through the shape's inside
// test (solids), a plane crossing (flat shapes), the pixel distance to the densely projected
// curve (lines) or the projected text rectangle (2D text). The table runs every shape under
// several transforms and both projections.

#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/scene/GraphicsSystem.h"
#include "ui_widgets/platform/scene/IPointSelectionTool.h"
#include "ui_widgets/platform/scene/ProceduralMeshes.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrConeNode.h"
#include "ui_widgets/platform/scene/VyrCylinderNode.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"
#include "ui_widgets/platform/scene/VyrPolylineNode.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"
#include "ui_widgets/platform/scene/VyrText2dNode.h"
#include "ui_widgets/platform/scene/VyrTextNode.h"
#include "ui_widgets/platform/scene/VyrTorusNode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

using namespace Kairn::Graphics;
using Lumo::float3;
using Lumo::Objects::ADevMatrix;
using Lumo::Objects::AutoPtr;

namespace {

constexpr float tolerancePixels = 4.0f;

enum class Reference { Solid, Flat, Curve, ScreenText };

struct Shape
{
    std::string name;
    std::function<VyrGraphicsNode*()> make;
    Reference reference;
    // Solid: inside the volume; Flat: inside the region of the local z = 0 plane.
    std::function<bool(const float3&)> inside;
    // Curve (and the outline of a filled polygon): dense local samples along the drawn line.
    std::vector<float3> curve;
};

std::vector<float3> circleSamples(float radius)
{
    std::vector<float3> samples;
    for (int i = 0; i <= 720; ++i) {
        const double a = 2.0 * std::numbers::pi * i / 720.0;
        samples.push_back({float(radius * std::cos(a)), float(radius * std::sin(a)), 0.0f});
    }
    return samples;
}

std::vector<float3> densify(const std::vector<float3>& corners)
{
    std::vector<float3> samples;
    for (std::size_t i = 0; i + 1 < corners.size(); ++i)
        for (int k = 0; k < 200; ++k)
            samples.push_back(corners[i] + (corners[i + 1] - corners[i]) * (k / 200.0f));
    samples.push_back(corners.back());
    return samples;
}

std::vector<Shape> shapes()
{
    const std::vector<float3> polyline{{-0.8f, -0.6f, 0.1f}, {-0.1f, 0.7f, 0.0f}, {0.4f, -0.5f, -0.3f}, {0.9f, 0.6f, 0.2f}};
    return {
        {"sphere", [] { auto* n = VyrSphereNode::createGraphicsNode(); n->setRadius(0.8f); return n; }, Reference::Solid,
         [](const float3& p) { return Lumo::dot(p, p) <= 0.64f; }, {}},
        {"cylinder", [] { auto* n = VyrCylinderNode::createGraphicsNode(); n->setRadius(0.6f); n->setHeight(1.2f); return n; },
         Reference::Solid, [](const float3& p) { return p.x * p.x + p.y * p.y <= 0.36f && p.z >= 0.0f && p.z <= 1.2f; }, {}},
        {"cone", [] { auto* n = VyrConeNode::createGraphicsNode(); n->setRadius(0.7f); n->setHeight(1.4f); return n; },
         Reference::Solid,
         [](const float3& p) { return p.z >= 0.0f && p.z <= 1.4f && std::hypot(p.x, p.y) <= 0.7f * (1.0f - p.z / 1.4f); }, {}},
        {"torus", [] { auto* n = VyrTorusNode::createGraphicsNode(); n->setRadius(0.8f); n->setMinorRadius(0.25f); return n; },
         Reference::Solid,
         [](const float3& p) { const float ring = std::hypot(p.x, p.y) - 0.8f; return ring * ring + p.z * p.z <= 0.0625f; }, {}},
        {"mesh box", [] {
             auto* n = VyrMeshNode::createGraphicsNode();
             n->setMesh(ProceduralMeshes::box(Kairn::Objects::Box<float>({-0.5f, -0.4f, -0.3f}, {0.6f, 0.5f, 0.4f})));
             return n;
         },
         Reference::Solid,
         [](const float3& p) { return p.x >= -0.5f && p.x <= 0.6f && p.y >= -0.4f && p.y <= 0.5f && p.z >= -0.3f && p.z <= 0.4f; }, {}},
        {"filled circle", [] { auto* n = VyrCircleNode::createGraphicsNode(); n->setRadius(0.9f); n->setFillable(true); return n; },
         Reference::Flat, [](const float3& p) { return p.x * p.x + p.y * p.y <= 0.81f; }, {}},
        {"filled L polygon", [] {
             auto* n = VyrPolylineNode::createGraphicsNode();
             for (const float3& p : std::vector<float3>{{0, 0, 0}, {1, 0, 0}, {1, 0.4f, 0}, {0.4f, 0.4f, 0}, {0.4f, 1, 0}, {0, 1, 0}})
                 n->addPoint(p);
             n->setClosed(true);
             n->setFillable(true);
             return n;
         },
         Reference::Flat,
         [](const float3& p) {
             return (p.x >= 0 && p.x <= 1 && p.y >= 0 && p.y <= 0.4f) || (p.x >= 0 && p.x <= 0.4f && p.y >= 0 && p.y <= 1);
         },
         densify({{0, 0, 0}, {1, 0, 0}, {1, 0.4f, 0}, {0.4f, 0.4f, 0}, {0.4f, 1, 0}, {0, 1, 0}, {0, 0, 0}})},
        {"3D text", [] { auto* n = VyrTextNode::createGraphicsNode(); n->setText(L"Pick me"); n->setFontSize(3.0f); return n; },
         Reference::Flat, nullptr, {}},
        {"segment", [] {
             auto* n = VyrLineSegmentNode::createGraphicsNode();
             n->setStartPoint({-0.8f, -0.3f, 0.2f});
             n->setEndPoint({0.9f, 0.5f, -0.4f});
             return n;
         },
         Reference::Curve, nullptr, densify({{-0.8f, -0.3f, 0.2f}, {0.9f, 0.5f, -0.4f}})},
        {"polyline", [polyline] {
             auto* n = VyrPolylineNode::createGraphicsNode();
             for (const float3& p : polyline)
                 n->addPoint(p);
             return n;
         },
         Reference::Curve, nullptr, densify(polyline)},
        {"circle outline", [] { auto* n = VyrCircleNode::createGraphicsNode(); n->setRadius(0.9f); return n; },
         Reference::Curve, nullptr, circleSamples(0.9f)},
        {"2D text", [] { auto* n = VyrText2dNode::createGraphicsNode(); n->setText(L"Label"); n->setFontSize(14.0f); return n; },
         Reference::ScreenText, nullptr, {}},
    };
}

// A transform applied to the shape's node; returns the top-level node to add to the scene and
// keeps whatever else it made alive in `keep`.
struct Placement
{
    std::string name;
    std::function<VyrGraphicsNode*(VyrGraphicsNode*, std::vector<AutoPtr<VyrGraphicsNode>>& keep)> apply;
};

std::vector<Placement> placements()
{
    return {
        {"plain", [](VyrGraphicsNode* n, auto&) { return n; }},
        {"rotated, non-uniform scale", [](VyrGraphicsNode* n, auto&) {
             // Local Z turns away from the camera, so bases and bottom caps face it.
             n->setXYDirections(Lumo::normalized(float3{1, 1, 0}), Lumo::normalized(float3{1, -1, -1}));
             n->setScale({1.4f, 0.6f, 1.2f});
             n->setPosition({0.3f, -0.2f, 0.5f});
             return n;
         }},
        {"shared world matrix", [](VyrGraphicsNode* n, auto& keep) {
             auto* shared = new Lumo::Objects::SharedMatrix(
                 ADevMatrix::Multiply(ADevMatrix::Scale({1.3f, 0.7f, 1.0f}), ADevMatrix::Translation({0.2f, 0.1f, 0.0f})));
             n->setWorldMatrix(shared);
             // The partner shares W; turning it turns the picked node too.
             VyrGraphicsNode* partner = VyrSphereNode::createGraphicsNode();
             keep.emplace_back(partner);
             partner->setWorldMatrix(shared);
             partner->rotateBy(0.6f, Lumo::Objects::XLine<float>(float3{0, 0, 0}, float3{1, 1, 0}));
             return n;
         }},
        {"nested groups", [](VyrGraphicsNode* n, auto&) {
             VyrGroupNode* outer = VyrGroupNode::createGraphicsNode();
             VyrGroupNode* inner = VyrGroupNode::createGraphicsNode();
             outer->setZDirection(Lumo::normalized(float3{0, 1, 1}));
             outer->setPosition({-0.4f, 0.3f, 0.0f});
             inner->setScale(0.8f);
             inner->addChildNode(n, float3{0.5f, 0.0f, 0.2f});
             outer->addChildNode(inner, float3{0.0f, -0.3f, 0.1f});
             return static_cast<VyrGraphicsNode*>(outer);
         }},
        {"constant screen size", [](VyrGraphicsNode* n, auto&) {
             n->setPosition({0.2f, 0.1f, 0.0f});
             n->setConstantScreenSize(60, 1.0f);
             return n;
         }},
    };
}

struct Ray
{
    float3 origin, direction;
};

float3 pointOn(const Ray& r, float t)
{
    return r.origin + r.direction * t;
}

class PickRoundTrip : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        nodesAtStart = VyrGraphicsNode::NetObjectCount();
        viewport.getCamera()->lookAt({2.0f, 3.0f, 8.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f});
        if (GetParam())
            viewport.getCamera()->setOrthographic(6.0f);
        else
            viewport.getCamera()->setPerspective(0.9f);
        tool.reset(GetIGSCtrl()->createPointSelectionTool(&viewport, 1));
    }
    void TearDown() override
    {
        tool.reset();
        EXPECT_EQ(VyrGraphicsNode::NetObjectCount(), nodesAtStart);
    }

    Viewport viewport{640, 480};
    std::unique_ptr<IPointSelectionTool> tool;
    int nodesAtStart = 0;
};

// Whether the reference sees the shape under the pixel, and at what ray distance (solids and
// flat shapes). `ambiguous` marks pixels too close to an edge to decide.
struct Expectation
{
    bool hit = false;
    bool ambiguous = false;
    float distance = 0.0f;
    float step = 0.0f;
};

float pixelDistanceToCurve(const std::vector<float3>& curve, const ADevMatrix& toWorld, const Camera& camera,
                           const Lumo::vec2<float>& pixel)
{
    float nearest = 1e9f;
    Lumo::vec2<float> previous = camera.projectToScreen(toWorld.transformPoint(curve.front()));
    for (const float3& sample : curve) {
        const Lumo::vec2<float> s = camera.projectToScreen(toWorld.transformPoint(sample));
        const Lumo::vec2<float> ab = s - previous;
        const float len2 = Lumo::dot(ab, ab);
        const float k = len2 > 0 ? std::clamp(Lumo::dot(pixel - previous, ab) / len2, 0.0f, 1.0f) : 0.0f;
        nearest = std::min(nearest, Lumo::length(pixel - (previous + ab * k)));
        previous = s;
    }
    return nearest;
}

Expectation expected(const Shape& shape, VyrGraphicsNode* node, const Camera& camera, const Lumo::vec2<float>& pixel)
{
    const ADevMatrix toWorld = node->getDrawTransform(camera);
    const ADevMatrix toLocal = ADevMatrix::Invert(toWorld);
    const auto pickRay = camera.getPickRay(pixel);
    const Ray ray{pickRay.origin(), pickRay.direction()};
    Expectation e;
    switch (shape.reference) {
    case Reference::Solid: {
        // March through the world box of the transformed local bounds.
        const auto b = node->getUntransformedBounds();
        float tMin = 1e9f, tMax = -1e9f;
        for (int c = 0; c < 8; ++c) {
            const float3 corner = toWorld.transformPoint({float(c & 1 ? b.max().x : b.min().x),
                                                          float(c & 2 ? b.max().y : b.min().y),
                                                          float(c & 4 ? b.max().z : b.min().z)});
            const float along = Lumo::dot(corner - ray.origin, ray.direction);
            const float off = Lumo::length(corner - pointOn(ray, along));
            tMin = std::min(tMin, along - off);
            tMax = std::max(tMax, along + off);
        }
        tMin = std::max(tMin, 0.0f);
        e.step = (tMax - tMin) / 1000.0f;
        for (float t = tMin; t <= tMax; t += e.step) {
            if (shape.inside(toLocal.transformPoint(pointOn(ray, t)))) {
                e.hit = true;
                e.distance = t;
                break;
            }
        }
        break;
    }
    case Reference::Flat: {
        const float3 o = toLocal.transformPoint(ray.origin), d = toLocal.transformVector(ray.direction);
        const float t = -o.z / d.z;
        const float3 p = o + d * t;
        if (shape.inside) {
            e.hit = t >= 0.0f && shape.inside(p);
        } else {
            const auto quad = node->getUntransformedBounds();
            e.hit = t >= 0.0f && p.x >= quad.min().x && p.x <= quad.max().x && p.y >= quad.min().y && p.y <= quad.max().y;
        }
        e.distance = t;
        // A filled outline is picked within the tolerance of its edges as well: leave that band
        // to the curve cases.
        e.ambiguous = !shape.curve.empty() && pixelDistanceToCurve(shape.curve, toWorld, camera, pixel) <= tolerancePixels + 1.0f;
        break;
    }
    case Reference::Curve: {
        const float nearest = pixelDistanceToCurve(shape.curve, toWorld, camera, pixel);
        e.hit = nearest <= tolerancePixels;
        e.ambiguous = std::abs(nearest - tolerancePixels) < 1.0f;
        break;
    }
    case Reference::ScreenText: {
        const auto* text = static_cast<VyrText2dNode*>(node);
        const Lumo::vec2<float> corner = camera.projectToScreen(toWorld.transformPoint({}));
        const QSizeF size = text->textSizeInPixels();
        const float x = pixel.x - corner.x, y = pixel.y - corner.y;
        e.hit = x >= 0 && y >= 0 && x <= size.width() && y <= size.height();
        e.ambiguous = std::min({std::abs(x), std::abs(y), std::abs(x - float(size.width())), std::abs(y - float(size.height()))}) < 0.5f;
        break;
    }
    }
    return e;
}

// A pixel where the sampled reference changes its answer within half a pixel lies on the
// shape's outline, where the reference itself cannot decide.
bool isOnEdge(const Shape& shape, VyrGraphicsNode* node, const Camera& camera, const Lumo::vec2<float>& pixel, bool hit)
{
    for (const Lumo::vec2<float> offset : {Lumo::vec2<float>{0.5f, 0}, {-0.5f, 0}, {0, 0.5f}, {0, -0.5f}})
        if (expected(shape, node, camera, pixel + offset).hit != hit)
            return true;
    return false;
}

// The screen rectangle the shape can cover, with a margin for the curve tolerance.
void screenArea(const Shape& shape, VyrGraphicsNode* node, const Camera& camera, Lumo::vec2<float>& low,
                Lumo::vec2<float>& high)
{
    const ADevMatrix toWorld = node->getDrawTransform(camera);
    low = {1e9f, 1e9f};
    high = {-1e9f, -1e9f};
    const auto add = [&](const Lumo::vec2<float>& s) {
        low = {std::min(low.x, s.x), std::min(low.y, s.y)};
        high = {std::max(high.x, s.x), std::max(high.y, s.y)};
    };
    if (shape.reference == Reference::ScreenText) {
        const Lumo::vec2<float> corner = camera.projectToScreen(toWorld.transformPoint({}));
        const QSizeF size = static_cast<VyrText2dNode*>(node)->textSizeInPixels();
        add(corner);
        add(corner + Lumo::vec2<float>{float(size.width()), float(size.height())});
    } else {
        const auto b = node->getUntransformedBounds();
        for (int c = 0; c < 8; ++c)
            add(camera.projectToScreen(toWorld.transformPoint({float(c & 1 ? b.max().x : b.min().x),
                                                               float(c & 2 ? b.max().y : b.min().y),
                                                               float(c & 4 ? b.max().z : b.min().z)})));
    }
    low = low - Lumo::vec2<float>{10.0f, 10.0f};
    high = high + Lumo::vec2<float>{10.0f, 10.0f};
}

} // namespace

TEST_P(PickRoundTrip, EveryPrimitiveUnderEveryPlacement)
{
    const Camera& camera = *viewport.getCamera();
    for (const Shape& shape : shapes()) {
        for (const Placement& placement : placements()) {
            SCOPED_TRACE(shape.name + ", " + placement.name);
            std::vector<AutoPtr<VyrGraphicsNode>> keep;
            VyrGraphicsNode* node = shape.make();
            keep.emplace_back(node);
            VyrGraphicsNode* top = placement.apply(node, keep);
            keep.emplace_back(top);
            top->addToScene(viewport.getScene(), 1);

            Lumo::vec2<float> low, high;
            screenArea(shape, node, camera, low, high);
            int hits = 0, misses = 0;
            constexpr int steps = 20;
            for (int i = 0; i <= steps; ++i) {
                for (int j = 0; j <= steps; ++j) {
                    const Lumo::vec2<float> pixel{low.x + (high.x - low.x) * i / steps, low.y + (high.y - low.y) * j / steps};
                    const Expectation e = expected(shape, node, camera, pixel);
                    Kairn::Objects::Vector3<float> world;
                    float distance = -1.0f;
                    Lumo::Graphics::RenderNode* picked = tool->pick(pixel, world, &distance);
                    if (e.ambiguous || ((picked != nullptr) != e.hit && isOnEdge(shape, node, camera, pixel, e.hit)))
                        continue;
                    if (!e.hit) {
                        EXPECT_EQ(picked, nullptr) << "at " << pixel.x << ", " << pixel.y;
                        ++misses;
                        continue;
                    }
                    ++hits;
                    ASSERT_EQ(VyrGraphicsNode::getGraphicsNodeFromLumoNode(picked), node)
                        << "at " << pixel.x << ", " << pixel.y;
                    const auto ray = camera.getPickRay(pixel);
                    if (shape.reference == Reference::Solid) {
                        EXPECT_NEAR(distance, e.distance, 1.5f * e.step);
                    } else if (shape.reference == Reference::Flat) {
                        EXPECT_NEAR(distance, e.distance, 1e-3f * (1.0f + e.distance));
                    }
                    if (shape.reference != Reference::Curve) {
                        // The world point lies on the pick ray, at the reported distance.
                        const float3 onRay = Lumo::float3(ray.origin()) + Lumo::float3(ray.direction()) * distance;
                        EXPECT_LT(Lumo::length(float3(world) - onRay), 1e-3f * (1.0f + distance));
                    } else {
                        // The world point lies on the curve, under the mouse within the tolerance.
                        EXPECT_LE(Lumo::length(camera.projectToScreen(world) - pixel), tolerancePixels + 0.1f);
                    }
                }
            }
            EXPECT_GT(hits, 3);
            EXPECT_GT(misses, 3);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Projections, PickRoundTrip, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Orthographic" : "Perspective"; });
