#pragma once

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

#include <algorithm>
#include <utility>

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

    bool intersectLocalRay(const Kairn::Objects::Ray3<float>& ray, const Kairn::Graphics::PickContext&, float& t,
                           Lumo::float3& localPoint) const override
    {
        float near = 0.0f, far = 1e30f;
        const float origin[3] = {ray.origin().x, ray.origin().y, ray.origin().z};
        const float direction[3] = {ray.direction().x, ray.direction().y, ray.direction().z};
        for (int axis = 0; axis < 3; ++axis) {
            if (direction[axis] == 0.0f) {
                if (origin[axis] < -1.0f || origin[axis] > 1.0f)
                    return false;
                continue;
            }
            float a = (-1.0f - origin[axis]) / direction[axis], b = (1.0f - origin[axis]) / direction[axis];
            if (a > b)
                std::swap(a, b);
            near = std::max(near, a);
            far = std::min(far, b);
        }
        if (near > far)
            return false;
        t = near;
        localPoint = ray.pointAt(t);
        return true;
    }
};
