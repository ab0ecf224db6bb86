// Mesh and shape nodes under bad input.

#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/scene/ProceduralMeshes.h"
#include "ui_widgets/platform/scene/TriangleMesh.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"
#include "ui_widgets/platform/scene/VyrTorusNode.h"

#include <QTemporaryFile>

#include <cmath>

#include <gtest/gtest.h>

using namespace Kairn::Graphics;
using Lumo::Objects::AutoPtr;

using Bounds = Kairn::Objects::Box<double>;

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
        EXPECT_EQ(node->getUntransformedBounds(), Bounds({0, 0, 0}, {1, 2, 3}));

        QTemporaryFile valid(QStringLiteral("XXXXXX.obj"));
        ASSERT_TRUE(valid.open());
        valid.write("v 0 0 0\nv 4 0 0\nv 0 5 0\nf 1 2 3\n");
        valid.close();
        EXPECT_TRUE(node->loadFromFileSynchronously(valid.fileName()));
        EXPECT_EQ(node->mesh()->triangleCount(), 1u);
        EXPECT_NE(node->geometryRevision(), revision);
        EXPECT_EQ(node->getUntransformedBounds(), Bounds({0, 0, 0}, {4, 5, 0}));
    }
    EXPECT_EQ(VyrMeshNode::NetObjectCount(), meshesAtStart);
}

// A renderer re-tessellates on a new geometry revision; bad or unchanged values make none.
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
    EXPECT_EQ(torus->geometryRevision(), revision);
    EXPECT_EQ(torus->getMinorRadius(), 0.25f);
    EXPECT_EQ(torus->getRadius(), 1.0f);
}
