#pragma once

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

#include <algorithm>

// A node whose geometry is the cube [-1, 1]^3 in its own frame, hit exactly: enough geometry to
// measure bounds, lengths and picks through the base class hooks.
class ProbeCubeNode : public Kairn::Graphics::VyrGraphicsNode
{
public:
    static ProbeCubeNode* create()
    {
        auto* node = new ProbeCubeNode();
        node->init();
        return node;
    }

    Kairn::Objects::Box<double> getUntransformedBounds() const override
    {
        return {{-1.0, -1.0, -1.0}, {1.0, 1.0, 1.0}};
    }

    // Slab test against the cube.
    bool intersectLocalRay(const Kairn::Objects::Ray3<float>& ray, const Kairn::Graphics::PickContext&, float& t,
                           Lumo::float3& localPoint) const override
    {
        float near = 0.0f, far = 1e30f;
        const auto along = [](const Kairn::Objects::Vector3<float>& v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; };
        for (int axis = 0; axis < 3; ++axis) {
            const float o = along(ray.origin(), axis), d = along(ray.direction(), axis);
            if (d == 0.0f && (o < -1.0f || o > 1.0f))
                return false;
            if (d != 0.0f) {
                near = std::max(near, std::min((-1.0f - o) / d, (1.0f - o) / d));
                far = std::min(far, std::max((-1.0f - o) / d, (1.0f - o) / d));
            }
        }
        if (near > far)
            return false;
        t = near;
        localPoint = ray.pointAt(t);
        return true;
    }
};
