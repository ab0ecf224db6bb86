#pragma once

#include "ui_widgets/platform/math/Vec.h"

namespace Lumo::Graphics {

// How a node faces the viewer.
// Kind 0: the node keeps its position and turns to face the camera.
// Kind 1: screen space: the node is drawn in pixels at the projected AnchorPosition (or at
// ScreenPosition, pixels from the top-left, when useScreenPosition is set), scaled by
// FixedScaleFactor; keepUpright keeps its local Y pointing up the screen.
// Every field can be assigned (`b.FixedScaleFactor = 2`) or set call-style (`b.FixedScaleFactor(2)`).
struct Billboard
{
    // One setting of the billboard: read like its value, assigned, or set call-style.
    template<class T>
    struct Field
    {
        T value{};

        Field() = default;
        Field(const T& v) : value(v) {}
        Field& operator=(const T& v)
        {
            value = v;
            return *this;
        }
        void operator()(const T& v) { value = v; }
        const T& operator()() const { return value; }
        operator const T&() const { return value; }
    };

    int kind = 0;
    Field<Lumo::float3> AnchorPosition;
    Field<Lumo::vec2<float>> ScreenPosition;
    Field<float> FixedScaleFactor{1.0f};
    bool useScreenPosition = false;
    bool keepUpright = false;
};

} // namespace Lumo::Graphics
