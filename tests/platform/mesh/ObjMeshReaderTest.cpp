#include "tests/platform/mesh/MeshChecks.h"
#include "ui_widgets/platform/scene/ObjMeshReader.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Kairn::Graphics::ObjMeshReader;
using Kairn::Graphics::TriangleMesh;

namespace {

class ObjMeshReaderTest : public ::testing::Test
{
protected:
    TriangleMesh read(const QByteArray& text)
    {
        TriangleMesh mesh;
        QString error;
        EXPECT_TRUE(ObjMeshReader::read(write(text), mesh, &error)) << error.toStdString();
        return mesh;
    }
    QString write(const QByteArray& text)
    {
        const QString path = m_dir.filePath("mesh.obj");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        return path;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(ObjMeshReaderTest, SplitsPolygonsIntoTrianglesCoveringThem)
{
    // A unit square and a house-shaped pentagon: the square 2..3 x 0..1 plus a roof with apex
    // (2.5, 1.5), so 1 + (1 * 0.5) / 2 = 1.25.
    const TriangleMesh mesh = read("# comment\no shapes\n"
                                   "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nf 1 2 3 4\n"
                                   "v 2 0 0\nv 3 0 0\nv 3 1 0\nv 2.5 1.5 0\nv 2 1 0\nf 5 6 7 8 9\n"
                                   "mtllib missing.mtl\nusemtl nothing\n");
    EXPECT_TRUE(mesh.isValid());
    EXPECT_FALSE(mesh.hasNormals());
    EXPECT_EQ(mesh.vertexCount(), 9u);
    ASSERT_EQ(mesh.triangleCount(), 2u + 3u);
    EXPECT_NEAR(MeshChecks::totalArea(mesh), 1.0f + 1.25f, 1e-6f);

    // After three vertices -1 is index 2; after six it is index 5, and -2 is index 4.
    const TriangleMesh relative = read("v 0 0 0\nv 1 0 0\nv 0 1 0\nf -3 -2 -1\n"
                                       "v 0 0 1\nv 1 0 1\nv 0 1 1\nf -3 -2 -1\nf 1 -2 3\n");
    EXPECT_EQ(relative.indices(), (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5, 0, 4, 2}));
}

TEST_F(ObjMeshReaderTest, BadFilesFailAndLeaveTheMeshAsItWas)
{
    const QByteArray triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
    const struct
    {
        const char* name;
        QByteArray text;
        // A word the reason has to contain, where the cause is not plain bad OBJ text.
        const char* reason = "";
    } cases[] = {
        {"empty", "", "empty"},
        {"blank lines", " \n\r\n\t\n", "empty"},
        {"UTF-16 with a byte order mark", QByteArray("\xff\xfev\0 \0" "1\0", 8), "UTF-16"},
        {"UTF-16 big-endian without a mark", QByteArray("\0v\0 \0" "1", 6), "UTF-16"},
        {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "binary"},
        {"faces of two corners only", triangle + "f 1 2\nf 2 3\n", "three or more corners"},
        {"index past the int range", triangle + "f 1 2 4294967299\n", "out of range"},
        {"vertex weights and tags, but no faces", triangle + "vw 1 1e999 0.5\r t crease 999999999/0/0\n", "no faces"},
        {"huge index", triangle + "f 1 2 99999999999999999999\n", "out of range"},
        {"text garbage", "Lorem ipsum dolor\n%%% 12 ;;\n\x01\x02\xff\n"},
        {"vertex index beyond the count", triangle + "f 1 2 4\n"},
        {"relative index before the first vertex", triangle + "f 1 2 -4\n"},
        {"normal index beyond the count", triangle + "vn 0 0 1\nf 1//1 2//2 3//1\n"},
        {"overflowing coordinate", "v 0 0 0\nv 1e999 0 0\nv 0 1 0\nf 1 2 3\n"},
        {"vertices but no faces", triangle},
        {"only a line element", triangle + "l 1 2 3\n"},
    };
    const TriangleMesh before({{5, 5, 5}, {6, 5, 5}, {5, 6, 5}}, {2, 1, 0});
    for (const auto& c : cases) {
        TriangleMesh mesh = before;
        QString error;
        EXPECT_FALSE(ObjMeshReader::read(write(c.text), mesh, &error)) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << c.name << ": " << error.toStdString();
        EXPECT_EQ(mesh.positions(), before.positions()) << c.name;
        EXPECT_EQ(mesh.indices(), before.indices()) << c.name;
    }
    TriangleMesh mesh = before;
    for (const QString& path : {m_dir.filePath("missing.obj"), QStringLiteral(":/no/such/resource.obj"), QString()})
        EXPECT_FALSE(ObjMeshReader::read(path, mesh)) << path.toStdString();
    EXPECT_EQ(mesh.indices(), before.indices());
}
