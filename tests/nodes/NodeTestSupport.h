#pragma once

#include "tests/platform/math/MathExpect.h"
#include "ui_widgets/framework/StyleColor.h"
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

using MathTest::near;
