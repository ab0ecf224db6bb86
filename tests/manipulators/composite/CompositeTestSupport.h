#pragma once

// A fixture for one composite manipulator and views of the scene the composites draw into.

#include "tests/manipulators/rotate/RotateTestSupport.h"
#include "ui_widgets/framework/Widget3DGroup.h"
#include "ui_widgets/manipulators/PlaneScaleWidget.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"

#include <algorithm>

namespace CompositeTest {

using namespace RotateTest;

// Every top-level node of the scene, whatever its layer, in a fixed order.
inline std::vector<Kairn::Graphics::VyrGraphicsNode*> sceneNodes(const Kairn::Graphics::VyrScene* scene)
{
    std::vector<Kairn::Graphics::VyrGraphicsNode*> all;
    for (Kairn::Graphics::SceneItemType type : scene->itemTypes())
        all.insert(all.end(), scene->nodes(type).begin(), scene->nodes(type).end());
    std::sort(all.begin(), all.end());
    return all;
}

// The only node a composite draws itself (scale circle or fill disc).
inline Kairn::Graphics::VyrCircleNode* ownCircle(const Velto::UiWidget::IWidget3D* widget)
{
    const auto& nodes = widget->getGraphicsNodes();
    return nodes.size() == 1 ? dynamic_cast<Kairn::Graphics::VyrCircleNode*>(nodes.front()) : nullptr;
}

// The scale circle lies about the widget's position, in the plane of its normal, and runs
// through the grabber.
inline ::testing::AssertionResult circleThroughGrabber(const Velto::UiWidget::PlaneScaleWidget* widget)
{
    const Kairn::Graphics::VyrCircleNode* circle = ownCircle(widget);
    const Lumo::float3 centre = widget->getPosition();
    const Lumo::float3 spoke = widget->getGrabberPosition() - centre;
    const float offPlane = Lumo::dot(spoke, circle->getZDirection());
    const float offRim = circle->getRadius() - Lumo::length(spoke);
    if (near(circle->getPosition(), centre, 1e-5f) && std::abs(offPlane) < 1e-5f && std::abs(offRim) < 1e-5f)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "circle of radius " << circle->getRadius() << " about "
                                         << MathTest::describe(circle->getPosition()) << ", grabber "
                                         << MathTest::describe(widget->getGrabberPosition()) << " about "
                                         << MathTest::describe(centre);
}

// The lines of one drag through a composite `name` whose only signal per step is `signal`.
inline QStringList dragLines(const QString& name, const QString& signal, int moves)
{
    QStringList lines{name + ".widgetEntered", name + ".widgetSelect"};
    for (int i = 0; i < moves; ++i)
        lines << name + "." + signal << name + ".widgetTransform";
    return lines << name + ".widgetDeselect";
}

// The scene is empty again once the composite is gone.
class CompositeFixture : public RotateCompositeTest
{
protected:
    void TearDown() override
    {
        widget.reset();
        EXPECT_TRUE(sceneNodes(h.scene()).empty());
        RotateCompositeTest::TearDown();
    }

    // Presses at `from`, moves through `points` and releases at the last one; the scene holds
    // the same nodes after the release as before the press.
    void dragThrough(const Lumo::float3& from, const std::vector<Lumo::float3>& points)
    {
        const auto before = sceneNodes(h.scene());
        EXPECT_TRUE(h.press(from));
        for (const Lumo::float3& point : points)
            EXPECT_TRUE(h.move(point));
        h.release(points.empty() ? from : points.back());
        EXPECT_EQ(sceneNodes(h.scene()), before);
    }
};

} // namespace CompositeTest
