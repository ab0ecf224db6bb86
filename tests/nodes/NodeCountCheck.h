#pragma once

#include "ui_widgets/nodes/CoordinateAxesNode.h"
#include "ui_widgets/nodes/VyrArrowNode.h"
#include "ui_widgets/nodes/VyrBoxNode.h"
#include "ui_widgets/nodes/VyrGridPlaneNode.h"
#include "ui_widgets/nodes/VyrHollowPlaneNode.h"
#include "ui_widgets/nodes/VyrMarginTextNode.h"
#include "ui_widgets/nodes/VyrPolygonSelectionNode.h"

#include <gtest/gtest.h>

#include <array>

// Every node test runs in this fixture: whatever a test creates must be gone again when it ends,
// so a node that leaks a child, a fill or a marker fails the test that made it.
class NodeCountCheck : public ::testing::Test
{
protected:
    using Counts = std::array<int, 9>;

    static Counts liveCounts()
    {
        return {Kairn::Graphics::VyrGraphicsNode::NetObjectCount(),
                Kairn::Graphics::VyrGroupNode::NetObjectCount(),
                Velto::UiWidget::VyrArrowNode::NetObjectCount(),
                Velto::UiWidget::VyrMarginTextNode::NetObjectCount(),
                Velto::UiWidget::VyrBoxNode::NetObjectCount(),
                Velto::UiWidget::VyrGridPlaneNode::NetObjectCount(),
                Velto::UiWidget::CoordinateAxesNode::NetObjectCount(),
                Velto::UiWidget::VyrHollowPlaneNode::NetObjectCount(),
                Velto::UiWidget::VyrPolygonSelectionNode::NetObjectCount()};
    }

    void TearDown() override { EXPECT_EQ(liveCounts(), mCountsAtStart) << "a node outlived its test"; }

private:
    Counts mCountsAtStart = liveCounts();
};
