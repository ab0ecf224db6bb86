#include "tests/platform/math/MathExpect.h"
#include "tests/support/WidgetFixture.h"
#include "ui_widgets/annotation/DialogWidget.h"
#include "ui_widgets/annotation/DimensionBoundingBoxWidget.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/nodes/VyrHollowPlaneNode.h"
#include "ui_widgets/platform/host/ResourceStrings.h"
#include "ui_widgets/platform/scene/VyrTextNode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace UiwTest;
using namespace Velto::UiWidget;
using Kairn::Objects::Box;
using Kairn::Objects::Color4;
using Kairn::Objects::Vector3;
using Lumo::float3;

namespace {

class DimensionBoundingBoxWidgetTest : public WidgetFixture<DimensionBoundingBoxWidget>
{
protected:
    void SetUp() override
    {
        live.track<VyrBoxNode>("VyrBoxNode");
        live.track<VyrHollowPlaneNode>("VyrHollowPlaneNode");
        live.track<Kairn::Graphics::VyrTextNode>("VyrTextNode");
        create();
    }

    VyrBoxNode* boxNode() const { return static_cast<VyrBoxNode*>(widget->getGraphicsNodes().at(0)); }
    Kairn::Graphics::VyrTextNode* label(int axis) const
    {
        return static_cast<Kairn::Graphics::VyrTextNode*>(widget->getGraphicsNodes().at(std::size_t(axis) + 1));
    }
    VyrHollowPlaneNode* face(VyrBoxNode::Plane plane) const
    {
        VyrHollowPlaneNode* found = nullptr;
        int index = 0;
        boxNode()->enumerateChildNodes([&](Kairn::Graphics::VyrGraphicsNode* child) {
            if (index++ == int(plane))
                found = dynamic_cast<VyrHollowPlaneNode*>(child);
        });
        return found;
    }
    QString labelText(int axis) const { return QString::fromStdWString(label(axis)->getText()); }

};

float3 toFloat3(const Vector3<double>& v)
{
    return {float(v.x), float(v.y), float(v.z)};
}

} // namespace

TEST_F(DimensionBoundingBoxWidgetTest, LabelsGiveEachLengthInTheChosenUnit)
{
    namespace Text = Velto::Resource::String;
    // Box lengths in millimetres: 2540 x 400 x 40. The lengths are chosen so that no converted
    // value lies on a rounding tie; 40 mm in metres (0.04) shows as 0.0, 2540 mm in microns has
    // seven digits and must not turn into exponent form.
    const Box<double> box(Vector3<double>(10, -20, 5), Vector3<double>(2550, 380, 45));
    const double lengths[3] = {2540, 400, 40};
    struct Row
    {
        int unit;
        double millimetresPerUnit; // an unknown unit is shown unconverted
        QString abbreviation;
    };
    const Row rows[] = {
        {Zel::Common::UNIT_METER, 1000.0, Text::UNIT_METER_SHORT_TEXT},
        {Zel::Common::UNIT_INCH, 25.4, Text::UNIT_INCH_SHORT_TEXT},
        {Zel::Common::UNIT_CENTIMETER, 10.0, Text::UNIT_CENTIMETER_SHORT_TEXT},
        {Zel::Common::UNIT_MILLIMETER, 1.0, Text::UNIT_MILLIMETER_SHORT_TEXT},
        {Zel::Common::UNIT_MICRON, 0.001, Text::UNIT_MICRON_TEXT},
        {77, 1.0, Text::UNIT_MILLIMETER_SHORT_TEXT},
    };
    const QString prefixes[3] = {"X  ", "Y  ", "Z  "};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.unit);
        widget->updateToBox(box, Zel::Common::UnitType(row.unit), 0.5);
        for (int axis = 0; axis < 3; ++axis) {
            const QString value = QString::number(lengths[axis] / row.millimetresPerUnit, 'f', 1);
            EXPECT_EQ(labelText(axis), prefixes[axis] + value + " " + row.abbreviation);
            EXPECT_FALSE(labelText(axis).contains('e'));
        }
    }
    EXPECT_EQ(labelText(2), "Z  40.0 " + Text::UNIT_MILLIMETER_SHORT_TEXT);
}

TEST_F(DimensionBoundingBoxWidgetTest, OutlineCoversTheBoxAndLabelsScaleWithItsSmallestSide)
{
    const Vector3<double> min(-3, 1, 2), max(5, 7, 12); // 8 x 6 x 10
    const double offset = 0.25;
    widget->updateToBox(Box<double>(min, max), Zel::Common::UNIT_MILLIMETER, offset);
    EXPECT_EQ(widget->getOffsetFromMin(), offset);

    // The unit cube scaled by the lengths and centred on the box covers it exactly.
    const Box<double> covered = boxNode()->getPosedBounds();
    EXPECT_TRUE(MathTest::near(toFloat3(covered.min()), toFloat3(min), 1e-3f));
    EXPECT_TRUE(MathTest::near(toFloat3(covered.max()), toFloat3(max), 1e-3f));

    // Labels are 5 % of the smallest side: 0.05 x 6.
    const float textScale = float(double(0.05f) * 6.0);
    for (int axis = 0; axis < 3; ++axis)
        EXPECT_EQ(label(axis)->getScale(), (float3{textScale, textScale, textScale}));

    // The Y and Z labels are turned to read down their edges.
    EXPECT_TRUE(MathTest::near(label(1)->getXDirection(), {0, -1, 0}, 1e-3f));
    EXPECT_TRUE(MathTest::near(label(2)->getXDirection(), {0, 0, -1}, 1e-3f));

    // Bad boxes and offsets change nothing.
    const QString before = labelText(0);
    widget->updateToBox(Box<double>(), Zel::Common::UNIT_METER, 0.5);
    widget->updateToBox(Box<double>(min, Vector3<double>(INFINITY, 0, 0)), Zel::Common::UNIT_METER, 0.5);
    widget->updateToBox(Box<double>(min, max), Zel::Common::UNIT_METER, NAN);
    EXPECT_EQ(labelText(0), before);
    EXPECT_EQ(widget->getOffsetFromMin(), offset);
}

TEST_F(DimensionBoundingBoxWidgetTest, FlatBoxGivesZeroTextScaleAndFinitePlacement)
{
    // Zero height: the outline's world matrix is singular, the labels shrink to nothing.
    const Box<double> flat(Vector3<double>(-4, 2, -1), Vector3<double>(4, 2, 3));
    widget->updateToBox(flat, Zel::Common::UNIT_CENTIMETER, 0.5);
    for (int axis = 0; axis < 3; ++axis) {
        EXPECT_EQ(label(axis)->getScale(), (float3{0, 0, 0}));
        EXPECT_TRUE(Lumo::isFinite(label(axis)->getPosition()));
    }
    EXPECT_EQ(labelText(1), "Y  0.0 " + Velto::Resource::String::UNIT_CENTIMETER_SHORT_TEXT);
    EXPECT_TRUE(MathTest::near(boxNode()->getPosition(), {0, 2, 1}, 1e-3f));
    const Box<double> covered = boxNode()->getPosedBounds();
    EXPECT_TRUE(MathTest::near(toFloat3(covered.min()), {-4, 2, -1}, 1e-3f));
    EXPECT_TRUE(MathTest::near(toFloat3(covered.max()), {4, 2, 3}, 1e-3f));
    // A press on the flat outline is not captured (and the pick through its singular
    // transform is refused cleanly).
    EXPECT_FALSE(h.press({0, 2, 3}));
    EXPECT_FALSE(h.release({0, 2, 3}));
    EXPECT_EQ(h.handler()->getActiveWidget(), nullptr);
}

TEST_F(DimensionBoundingBoxWidgetTest, ResetColorFillsTheChosenFaceWithTheBoxColour)
{
    const Color4 boxColor(0.1f, 0.2f, 0.3f, 1.0f), textColor(0.9f, 0.8f, 0.7f, 1.0f), fill(1, 0, 0, 0.5f);
    widget->setBoxColor(boxColor);
    widget->setTextColor(textColor);
    widget->setFillWithColor(VyrBoxNode::PositiveY, true, fill);
    EXPECT_TRUE(face(VyrBoxNode::PositiveY)->isFillable());
    EXPECT_EQ(face(VyrBoxNode::PositiveY)->getColor(), Lumo::vec4<float>(fill));
    EXPECT_FALSE(face(VyrBoxNode::PositiveX)->isFillable());

    widget->setColor({1, 1, 1, 1}); // what a hover highlight does
    widget->resetColor();
    EXPECT_TRUE(face(VyrBoxNode::PositiveY)->isFillable());
    EXPECT_EQ(face(VyrBoxNode::PositiveY)->getColor(), Lumo::vec4<float>(boxColor));
    for (VyrBoxNode::Plane other : {VyrBoxNode::PositiveX, VyrBoxNode::NegativeZ}) {
        EXPECT_FALSE(face(other)->isFillable());
        EXPECT_EQ(face(other)->getColor(), Lumo::vec4<float>(boxColor));
    }
    for (int axis = 0; axis < 3; ++axis)
        EXPECT_EQ(label(axis)->getColor(), Lumo::vec4<float>(textColor));

    // The reset made the box colour the fill colour: clearing the fill paints the outline in
    // it, not in the colour passed along with the cleared flag.
    widget->setFillWithColor(VyrBoxNode::PositiveY, false, {0, 1, 0, 1});
    EXPECT_FALSE(face(VyrBoxNode::PositiveY)->isFillable());
    EXPECT_EQ(face(VyrBoxNode::PositiveY)->getColor(), Lumo::vec4<float>(boxColor));
    // Without the flag a reset does not store the box colour as the fill colour: a face cleared
    // after a fill keeps that fill's colour on its outline, the others take the box colour.
    widget->setFillWithColor(VyrBoxNode::PositiveY, true, fill);
    widget->setFillWithColor(VyrBoxNode::PositiveY, false, {0, 1, 0, 1});
    widget->resetColor();
    EXPECT_FALSE(face(VyrBoxNode::PositiveY)->isFillable());
    EXPECT_EQ(face(VyrBoxNode::PositiveY)->getColor(), Lumo::vec4<float>(fill));
    EXPECT_EQ(face(VyrBoxNode::NegativeY)->getColor(), Lumo::vec4<float>(boxColor));
}

TEST_F(DimensionBoundingBoxWidgetTest, PressIsNotCapturedButHoverFollowsTheMouse)
{
    widget->updateToBox(Box<double>(Vector3<double>(-2, -1, -1), Vector3<double>(2, 1, 1)),
                        Zel::Common::UNIT_MILLIMETER, 0.5);
    const float3 onLabel = label(0)->getPosition();
    EXPECT_FALSE(h.press(onLabel));
    EXPECT_EQ(h.handler()->getActiveWidget(), nullptr);
    EXPECT_EQ(h.handler()->getHoveredWidget(), widget.get());
    EXPECT_FALSE(h.release(onLabel));

    // The base widget's free drag: a move over the box brings the widget's origin under the
    // mouse in the plane facing the camera, and the handler applies that step.
    const QPointF mouse = h.screenPoint(onLabel) + QPointF(2, 0);
    const float3 origin = widget->getPosition();
    EXPECT_TRUE(h.moveAt(mouse));
    const float3 expected = h.pointOnViewPlane(mouse, origin);
    EXPECT_TRUE(MathTest::near(widget->getPosition(), expected, 1e-3f));
    EXPECT_TRUE(MathTest::near(boxNode()->getPosition(), expected - origin, 1e-3f));
}

TEST_F(DimensionBoundingBoxWidgetTest, KeepsItsColoursThroughOtherDragsAndItsOwnHover)
{
    widget->updateToBox(Box<double>(Vector3<double>(-2, -1, -1), Vector3<double>(2, 1, 1)),
                        Zel::Common::UNIT_MILLIMETER, 0.5);
    const Lumo::vec4<float> shownBox = boxNode()->getColor(), shownText = label(0)->getColor();
    // Every drag in the view ends with a colour reset of all widgets: the box keeps what it showed.
    std::unique_ptr<DialogWidget> sphere(DialogWidget::createWidget3D(h.handler(), Kairn::Graphics::SceneItemWidget));
    sphere->setPosition({0, 3, 0});
    h.drag({0, 3, 0}, {0.5f, 3, 0}, 2);
    EXPECT_EQ(boxNode()->getColor(), shownBox);
    EXPECT_EQ(face(VyrBoxNode::PositiveY)->getColor(), shownBox);
    EXPECT_EQ(label(0)->getColor(), shownText);

    // With the host's colours: hovering highlights the box, leaving brings the host's colours back.
    const Color4 boxColor(0.1f, 0.2f, 0.3f, 1.0f), textColor(0.9f, 0.8f, 0.7f, 1.0f);
    widget->setBoxColor(boxColor);
    widget->setTextColor(textColor);
    h.move(label(0)->getPosition());
    EXPECT_EQ(boxNode()->getColor(), widget->getHighlightColor());
    h.move({0, 5, 0});
    EXPECT_EQ(boxNode()->getColor(), Lumo::vec4<float>(boxColor));
    for (int axis = 0; axis < 3; ++axis)
        EXPECT_EQ(label(axis)->getColor(), Lumo::vec4<float>(textColor));
}
