#include "tests/nodes/NodeCountCheck.h"
#include "tests/nodes/NodeTestSupport.h"

#include "ui_widgets/platform/math/AutoPtr.h"

#include <vector>

using namespace Velto::UiWidget;
using Lumo::Objects::AutoPtr;

namespace {

std::vector<VyrHollowPlaneNode*> facesOf(VyrBoxNode* box)
{
    std::vector<VyrHollowPlaneNode*> faces;
    box->enumerateChildNodes([&](Kairn::Graphics::VyrGraphicsNode* child) {
        faces.push_back(static_cast<VyrHollowPlaneNode*>(child->GetInterface(VyrHollowPlaneNode::InterfaceID())));
    });
    return faces;
}

using HollowPlaneNodeTest = NodeCountCheck;

using BoxNodeTest = NodeCountCheck;

} // namespace

TEST_F(HollowPlaneNodeTest, ReadsItsFrameFromTheCorners)
{
    AutoPtr<VyrHollowPlaneNode> plane(VyrHollowPlaneNode::createGraphicsNode());
    Lumo::Objects::Polyline<float>& outline = plane->getMathModel();
    outline.clear();
    // A 2 x 3 rectangle with its lower-left corner at (1, 1, 5), same winding as the square.
    for (Lumo::float3 p : {Lumo::float3{1, 1, 5}, Lumo::float3{3, 1, 5}, Lumo::float3{3, 4, 5}, Lumo::float3{1, 4, 5}})
        outline.addPoint(p);
    EXPECT_FLOAT_EQ(plane->getUntransformedXLength(), 2.0f);
    EXPECT_FLOAT_EQ(plane->getUntransformedYLength(), 3.0f);
    // Centre: ((1, 1, 5) + (3, 4, 5)) / 2.
    EXPECT_EQ(plane->getUntransformedPosition(), (Lumo::float3{2, 2.5f, 5}));

    // Aiming the outline through the generic direction setter uses that frame.
    plane->setXYDirections({0, 1, 0}, {0, 0, 1});
    EXPECT_TRUE(near(plane->getXDirection(), {0, 1, 0}));
    EXPECT_TRUE(near(plane->getZDirection(), {1, 0, 0}));
    EXPECT_NEAR(plane->getXLength(), 2.0f, 1e-5f);
}

TEST_F(HollowPlaneNodeTest, DegenerateOutlinesStillAnswer)
{
    AutoPtr<VyrHollowPlaneNode> plane(VyrHollowPlaneNode::createGraphicsNode());
    Lumo::Objects::Polyline<float>& outline = plane->getMathModel();
    outline.clear();
    outline.addPoint({1, 2, 3});
    outline.addPoint({1, 2, 3});
    // Two points are no rectangle: the outline answers as a plain polyline would.
    EXPECT_TRUE(Lumo::isFinite(plane->getUntransformedPosition()));
    EXPECT_TRUE(Lumo::isFinite(plane->getUntransformedXDirection()));
    // Three coincident corners: no direction, and no division by zero.
    outline.addPoint({1, 2, 3});
    EXPECT_EQ(plane->getUntransformedXDirection(), (Lumo::float3{}));
    EXPECT_EQ(plane->getUntransformedZDirection(), (Lumo::float3{}));
    EXPECT_FLOAT_EQ(plane->getUntransformedYLength(), 0.0f);
}

TEST_F(BoxNodeTest, FillsAndColoursOneFace)
{
    AutoPtr<VyrBoxNode> box(VyrBoxNode::createGraphicsNode());
    const std::vector<VyrHollowPlaneNode*> faces = facesOf(box.get());
    const Lumo::vec4<float> amber{1, 0.75f, 0, 0.5f};

    box->setFillWithColor(VyrBoxNode::PositiveZ, true, amber);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(faces[i]->isFillable(), i == VyrBoxNode::PositiveZ);
        EXPECT_EQ(faces[i]->getColor(), i == VyrBoxNode::PositiveZ ? amber : widgetBlue());
    }

    const Lumo::vec4<float> grey{0.5f, 0.5f, 0.5f, 1};
    box->setFillWithColor(VyrBoxNode::PositiveZ, false, grey);
    EXPECT_FALSE(faces[VyrBoxNode::PositiveZ]->isFillable());
    EXPECT_EQ(faces[VyrBoxNode::PositiveZ]->getColor(), grey) << "clearing the fill still recolours the outline";

    // Plane values beyond the six faces touch nothing.
    box->setFillWithColor(static_cast<VyrBoxNode::Plane>(6), true, amber);
    box->setFillWithColor(static_cast<VyrBoxNode::Plane>(-1), true, amber);
    for (VyrHollowPlaneNode* face : faces)
        EXPECT_FALSE(face->isFillable());
}
