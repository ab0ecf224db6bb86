#pragma once

#include "ui_widgets/platform/host/Conversion.h"
#include "ui_widgets/platform/host/Styles.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"

#include <gtest/gtest.h>

#include <vector>

inline std::vector<Kairn::Graphics::VyrGraphicsNode*> childrenOf(Kairn::Graphics::VyrGroupNode* group)
{
    std::vector<Kairn::Graphics::VyrGraphicsNode*> children;
    group->enumerateChildNodes([&](Kairn::Graphics::VyrGraphicsNode* child) { children.push_back(child); });
    return children;
}

inline Kairn::Graphics::VyrGroupNode* asGroup(Kairn::Graphics::VyrGraphicsNode* node)
{
    return static_cast<Kairn::Graphics::VyrGroupNode*>(node->GetInterface(Kairn::Graphics::VyrGroupNode::InterfaceID()));
}

inline Lumo::vec4<float> styleBlue()
{
    return Velto::Utilities::Conversion::ToColor4(Velto::Resource::Styles::Instance().Color3DWidgetBlue());
}

inline void expectNear(const Lumo::float3& actual, const Lumo::float3& expected, float tolerance = 1e-5f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}
