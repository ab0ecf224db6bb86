#include "ui_widgets/platform/scene/ObjMeshReader.h"
#include "ui_widgets/platform/scene/TriangleMesh.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>


using Kairn::Graphics::ObjMeshReader;
using Kairn::Graphics::TriangleMesh;

namespace {

class ObjMeshReaderTest : public ::testing::Test
{
protected:
    QString write(const QString& name, const QByteArray& text)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    QTemporaryDir m_dir;
};

float area(const TriangleMesh& mesh, std::size_t triangle)
{
    const auto& p = mesh.positions();
    const Lumo::float3& a = p[mesh.indices()[3 * triangle]];
    const Lumo::float3& b = p[mesh.indices()[3 * triangle + 1]];
    const Lumo::float3& c = p[mesh.indices()[3 * triangle + 2]];
    return 0.5f * Lumo::length(Lumo::cross(b - a, c - a));
}

float totalArea(const TriangleMesh& mesh)
{
    float sum = 0.0f;
    for (std::size_t t = 0; t < mesh.triangleCount(); ++t)
        sum += area(mesh, t);
    return sum;
}

} // namespace

TEST_F(ObjMeshReaderTest, SplitsPolygonsIntoTrianglesCoveringThem)
{
    // A unit square and, beside it, a house-shaped pentagon: the square 2..3 x 0..1 plus a roof
    // with apex (2.5, 1.5), so its area is 1 + (1 * 0.5) / 2 = 1.25.
    const QString path = write("polygons.obj",
                               "# comment\n"
                               "o shapes\n"
                               "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"
                               "f 1 2 3 4\n"
                               "v 2 0 0\nv 3 0 0\nv 3 1 0\nv 2.5 1.5 0\nv 2 1 0\n"
                               "f 5 6 7 8 9\n"
                               "mtllib missing.mtl\nusemtl nothing\n");
    TriangleMesh mesh;
    QString error;
    ASSERT_TRUE(ObjMeshReader::read(path, mesh, &error)) << error.toStdString();
    EXPECT_TRUE(mesh.isValid());
    EXPECT_FALSE(mesh.hasNormals());
    EXPECT_EQ(mesh.vertexCount(), 9u);
    ASSERT_EQ(mesh.triangleCount(), 2u + 3u);
    EXPECT_NEAR(area(mesh, 0) + area(mesh, 1), 1.0f, 1e-6f);
    EXPECT_NEAR(totalArea(mesh), 1.0f + 1.25f, 1e-6f);
}

TEST_F(ObjMeshReaderTest, NegativeIndicesCountBackFromTheLatestVertex)
{
    const QString path = write("relative.obj",
                               "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
                               "f -3 -2 -1\n"
                               "v 0 0 1\nv 1 0 1\nv 0 1 1\n"
                               "f -3 -2 -1\n"
                               "f 1 -2 3\n");
    TriangleMesh mesh;
    ASSERT_TRUE(ObjMeshReader::read(path, mesh));
    // After three vertices -1 is vertex 3 (index 2); after six it is vertex 6 (index 5), and
    // -2 is vertex 5 (index 4).
    EXPECT_EQ(mesh.indices(), (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5, 0, 4, 2}));
}

TEST_F(ObjMeshReaderTest, NormalsAreKeptPerCornerAndMadeUnitLength)
{
    // Two triangles of one square share the edge 1-3 but name different normals there, so the
    // two shared positions become two vertices each: 3 + 3 vertices.
    const QString path = write("normals.obj",
                               "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"
                               "vn 0 0 2\nvn 0 3 4\nvt 0.5 0.5\n"
                               "f 1//1 2//1 3//1\n"
                               "f 1/1/2 3/1/2 4/1/2\n");
    TriangleMesh mesh;
    QString error;
    ASSERT_TRUE(ObjMeshReader::read(path, mesh, &error)) << error.toStdString();
    ASSERT_TRUE(mesh.hasNormals());
    EXPECT_TRUE(mesh.isValid());
    EXPECT_EQ(mesh.vertexCount(), 6u);
    EXPECT_EQ(mesh.triangleCount(), 2u);
    const auto& n = mesh.normals();
    EXPECT_EQ(n[mesh.indices()[0]], (Lumo::float3{0, 0, 1}));
    // (0, 3, 4) has length 5.
    EXPECT_NEAR(n[mesh.indices()[3]].y, 0.6f, 1e-6f);
    EXPECT_NEAR(n[mesh.indices()[3]].z, 0.8f, 1e-6f);
    EXPECT_EQ(mesh.positions()[mesh.indices()[5]], (Lumo::float3{0, 1, 0}));
}

TEST_F(ObjMeshReaderTest, NormalsAreDroppedWhenSomeCornerHasNone)
{
    const QString path = write("partial.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 1\nf 1//1 2 3//1\n");
    TriangleMesh mesh;
    ASSERT_TRUE(ObjMeshReader::read(path, mesh));
    EXPECT_FALSE(mesh.hasNormals());
    EXPECT_EQ(mesh.vertexCount(), 3u);
}

TEST_F(ObjMeshReaderTest, BadFilesFailAndLeaveTheMeshAsItWas)
{
    const QByteArray triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
    struct Case
    {
        const char* name;
        QByteArray text;
    };
    const Case cases[] = {
        {"empty", ""},
        {"text garbage", "Lorem ipsum dolor\n%%% 12 ;;\n\x01\x02\xff\n"},
        {"vertex index beyond the count", triangle + "f 1 2 4\n"},
        {"index beyond the count in a quad", triangle + "v 1 1 0\nf 1 2 3 9\n"},
        {"relative index before the first vertex", triangle + "f 1 2 -4\n"},
        {"index zero", triangle + "f 0 1 2\n"},
        {"normal index beyond the count", triangle + "vn 0 0 1\nf 1//1 2//2 3//1\n"},
        {"overflowing coordinate", "v 0 0 0\nv 1e999 0 0\nv 0 1 0\nf 1 2 3\n"},
        {"overflowing normal", triangle + "vn 0 0 -1e999\nf 1//1 2//1 3//1\n"},
        {"vertices but no faces", triangle},
        {"only a line element", triangle + "l 1 2 3\n"},
    };

    const TriangleMesh before({{5, 5, 5}, {6, 5, 5}, {5, 6, 5}}, {2, 1, 0});
    for (const Case& c : cases) {
        TriangleMesh mesh = before;
        QString error;
        EXPECT_FALSE(ObjMeshReader::read(write("bad.obj", c.text), mesh, &error)) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
        EXPECT_EQ(mesh.positions(), before.positions()) << c.name;
        EXPECT_EQ(mesh.indices(), before.indices()) << c.name;
    }

    TriangleMesh mesh = before;
    EXPECT_FALSE(ObjMeshReader::read(m_dir.filePath("missing.obj"), mesh));
    EXPECT_FALSE(ObjMeshReader::read(QStringLiteral(":/no/such/resource.obj"), mesh));
    EXPECT_FALSE(ObjMeshReader::read(QString(), mesh));
    EXPECT_EQ(mesh.indices(), before.indices());
}
