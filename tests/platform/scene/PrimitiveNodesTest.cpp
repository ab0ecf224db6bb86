// What the primitive nodes report about themselves (frames, bounds, shape revisions), mesh
// loading, and the scalable scene object.

#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/scene/ProceduralMeshes.h"
#include "ui_widgets/platform/scene/SceneObjectNode.h"
#include "ui_widgets/platform/scene/TriangleMesh.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrConeNode.h"
#include "ui_widgets/platform/scene/VyrCylinderNode.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"
#include "ui_widgets/platform/scene/VyrPolyline2dNode.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"
#include "ui_widgets/platform/scene/VyrText2dNode.h"
#include "ui_widgets/platform/scene/VyrTorusNode.h"

#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <cmath>

using namespace Kairn::Graphics;
using Lumo::float3;
using Lumo::Objects::AutoPtr;

namespace {

void expectBox(const Kairn::Objects::Box<double>& box, const float3& low, const float3& high)
{
    EXPECT_NEAR(box.min().x, low.x, 1e-6);
    EXPECT_NEAR(box.min().y, low.y, 1e-6);
    EXPECT_NEAR(box.min().z, low.z, 1e-6);
    EXPECT_NEAR(box.max().x, high.x, 1e-6);
    EXPECT_NEAR(box.max().y, high.y, 1e-6);
    EXPECT_NEAR(box.max().z, high.z, 1e-6);
}

} // namespace

TEST(PrimitiveNodes, DefaultFramesAndBounds)
{
    const int nodesAtStart = VyrGraphicsNode::NetObjectCount();
    {
        AutoPtr<VyrConeNode> cone(VyrConeNode::createGraphicsNode());
        AutoPtr<VyrCylinderNode> cylinder(VyrCylinderNode::createGraphicsNode());
        AutoPtr<VyrSphereNode> sphere(VyrSphereNode::createGraphicsNode());
        AutoPtr<VyrTorusNode> torus(VyrTorusNode::createGraphicsNode());
        AutoPtr<VyrCircleNode> circle(VyrCircleNode::createGraphicsNode());
        // Cone and cylinder stand on their base at the origin and rise along +Z.
        expectBox(cone->getUntransformedBounds(), {-0.5f, -0.5f, 0.0f}, {0.5f, 0.5f, 1.0f});
        expectBox(cylinder->getUntransformedBounds(), {-1, -1, 0}, {1, 1, 1});
        expectBox(sphere->getUntransformedBounds(), {-1, -1, -1}, {1, 1, 1});
        // Torus: major 1 plus minor 1/32 across, the tube's thickness in Z.
        expectBox(torus->getUntransformedBounds(), {-1.03125f, -1.03125f, -0.03125f}, {1.03125f, 1.03125f, 0.03125f});
        expectBox(circle->getUntransformedBounds(), {-1, -1, 0}, {1, 1, 0});
        EXPECT_FALSE(circle->isFillable());
        EXPECT_EQ(cone->getZLength(), 1.0f);
        EXPECT_EQ(cylinder->getXLength(), 2.0f);

        // The segment's frame starts at its start and runs along it.
        AutoPtr<VyrLineSegmentNode> segment(VyrLineSegmentNode::createGraphicsNode());
        segment->setStartPoint({1, 1, 1});
        segment->setEndPoint({1, 4, 5});
        EXPECT_EQ(segment->getPosition(), (float3{1, 1, 1}));
        EXPECT_NEAR(segment->getZLength(), 5.0f, 1e-6f);
        const float3 z = segment->getZDirection();
        EXPECT_NEAR(z.y, 0.6f, 1e-6f);
        EXPECT_NEAR(z.z, 0.8f, 1e-6f);
        EXPECT_EQ(cone->ClassName(), VyrConeNode::InterfaceID());
        EXPECT_EQ(cone->GetInterface(VyrGraphicsNode::InterfaceID()), static_cast<VyrGraphicsNode*>(cone.get()));
        EXPECT_EQ(sphere->GetInterface(VyrConeNode::InterfaceID()), nullptr);
        EXPECT_EQ(VyrConeNode::NetObjectCount(), 1);
    }
    EXPECT_EQ(VyrGraphicsNode::NetObjectCount(), nodesAtStart);
    EXPECT_EQ(VyrConeNode::NetObjectCount(), 0);
}

TEST(PrimitiveNodes, ShapeChangesBumpTheGeometryRevisionAndBadValuesAreIgnored)
{
    AutoPtr<VyrTorusNode> torus(VyrTorusNode::createGraphicsNode());
    quint64 revision = torus->geometryRevision();
    torus->setMinorRadius(0.25f);
    EXPECT_NE(torus->geometryRevision(), revision);
    revision = torus->geometryRevision();
    torus->setMinorRadius(0.25f);
    torus->setMinorRadius(-1.0f);
    torus->setRadius(NAN);
    torus->setPosition({3, 0, 0});
    torus->setColor({1, 0, 0, 1});
    EXPECT_EQ(torus->geometryRevision(), revision);
    EXPECT_EQ(torus->getMinorRadius(), 0.25f);
    EXPECT_EQ(torus->getRadius(), 1.0f);

    // A flat polyline ignores z; its bounds lie in its XY plane.
    AutoPtr<VyrPolyline2dNode> flat(VyrPolyline2dNode::createGraphicsNode());
    revision = flat->geometryRevision();
    EXPECT_TRUE(flat->addPoint({0, 0, 4}));
    EXPECT_TRUE(flat->addPoint({2, 1, -4}));
    EXPECT_FALSE(flat->insertPointAtIndex(5, {1, 1, 1}));
    EXPECT_FALSE(flat->removePointAtIndex(-1));
    EXPECT_NE(flat->geometryRevision(), revision);
    expectBox(flat->getUntransformedBounds(), {0, 0, 0}, {2, 1, 0});
    EXPECT_EQ(flat->getMathModel().pointCount(), 2);
    EXPECT_NE(flat->GetInterface(VyrPolylineNode::InterfaceID()), nullptr);

    // 2D text is measured in pixels and has no world extent.
    AutoPtr<VyrText2dNode> label(VyrText2dNode::createGraphicsNode());
    label->setText(L"Angle");
    label->setFontSize(16.0f);
    label->setFont(nullptr);
    EXPECT_STREQ(label->getFont(), L"Arial");
    EXPECT_GT(label->textSizeInPixels().width(), label->textSizeInPixels().height());
    EXPECT_TRUE(label->getUntransformedBounds().isEmpty());
    label->setText(nullptr);
    EXPECT_STREQ(label->getText(), L"");
}

TEST(PrimitiveNodes, MeshLoadingFailureKeepsTheNodeUnchanged)
{
    const int meshesAtStart = VyrMeshNode::NetObjectCount();
    {
        AutoPtr<VyrMeshNode> node(VyrMeshNode::createGraphicsNode());
        EXPECT_EQ(node->mesh(), nullptr);
        ASSERT_TRUE(node->setMesh(ProceduralMeshes::box(Kairn::Objects::Box<float>({0, 0, 0}, {1, 2, 3}))));
        const TriangleMesh* before = node->mesh();
        const quint64 revision = node->geometryRevision();

        QTemporaryFile corrupt;
        ASSERT_TRUE(corrupt.open());
        corrupt.write("v 0 0 0\nv 1 0 0\nf 1 2 9\n");
        corrupt.close();
        EXPECT_FALSE(node->loadFromFileSynchronously(corrupt.fileName()));
        EXPECT_FALSE(node->loadFromFileSynchronously(QStringLiteral("/no/such/file.obj")));
        EXPECT_FALSE(node->setMesh(TriangleMesh({{0, 0, 0}}, {0, 0, 7})));
        EXPECT_EQ(node->mesh(), before);
        EXPECT_EQ(node->geometryRevision(), revision);
        expectBox(node->getUntransformedBounds(), {0, 0, 0}, {1, 2, 3});

        QTemporaryFile valid(QStringLiteral("XXXXXX.obj"));
        ASSERT_TRUE(valid.open());
        valid.write("v 0 0 0\nv 4 0 0\nv 0 5 0\nf 1 2 3\n");
        valid.close();
        EXPECT_TRUE(node->loadFromFileSynchronously(valid.fileName()));
        EXPECT_EQ(node->mesh()->triangleCount(), 1u);
        EXPECT_NE(node->geometryRevision(), revision);
        expectBox(node->getUntransformedBounds(), {0, 0, 0}, {4, 5, 0});
    }
    EXPECT_EQ(VyrMeshNode::NetObjectCount(), meshesAtStart);
}

TEST(PrimitiveNodes, SceneObjectScalesAboutItsPosition)
{
    const int nodesAtStart = VyrGraphicsNode::NetObjectCount();
    {
        VyrSphereNode* sphere = VyrSphereNode::createGraphicsNode();
        sphere->setPosition({2, 0, 0});
        Kairn::Objects::SceneObjectNode object(sphere);
        Kairn::Objects::Vector3<double> centre, handle;
        object.getReferencePoints(centre, handle);
        EXPECT_EQ(centre, (Kairn::Objects::Vector3<double>{2, 0, 0}));
        // The largest corner of the unit sphere's box around (2, 0, 0).
        EXPECT_EQ(handle, (Kairn::Objects::Vector3<double>{3, 1, 1}));

        // What a scale widget does: the press-time matrix times a uniform scale of 2.
        const auto scaled = Lumo::Objects::ADevMatrix::Multiply(object.getWorldMatrix()->matrix(),
                                                                Lumo::Objects::ADevMatrix::Scale({2, 2, 2}));
        object.setWorldMatrix(new Lumo::Objects::SharedMatrix(scaled));
        object.setWorldMatrix(nullptr);
        object.getReferencePoints(centre, handle);
        // The centre stays; the corner moves twice as far from it.
        EXPECT_EQ(centre, (Kairn::Objects::Vector3<double>{2, 0, 0}));
        EXPECT_NEAR(handle.x, 4.0, 1e-6);
        EXPECT_NEAR(handle.y, 2.0, 1e-6);
        EXPECT_NEAR(handle.z, 2.0, 1e-6);
        EXPECT_EQ(sphere->getWorldMatrix()->matrix(), scaled);

        Kairn::Objects::SceneObjectNode inert(nullptr);
        inert.getReferencePoints(centre, handle);
        EXPECT_EQ(handle, centre);
        EXPECT_TRUE(inert.getWorldMatrix()->matrix().IsIdentity());
    }
    EXPECT_EQ(VyrGraphicsNode::NetObjectCount(), nodesAtStart);
}
