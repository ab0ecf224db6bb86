#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QMap>
#include <QPixmap>
#include <QTextStream>
#include <QVector3D>

#include <array>

TEST(HostResourcesTest, CursorImagesAre32PixelsWithTransparency)
{
    for (const char* path : {":/resources/images/Cursors/KtTranslate.png",
                             ":/resources/images/Cursors/KtPlaneFreeOrbit.png"}) {
        SCOPED_TRACE(path);
        const QPixmap pixmap(QString::fromLatin1(path));
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), QSize(32, 32));
        const QImage image = pixmap.toImage();
        EXPECT_TRUE(image.hasAlphaChannel());
        // Around the hot spot (1, 1) the pointer tip is drawn; the far corner stays clear.
        EXPECT_GT(qAlpha(image.pixel(2, 4)), 0);
        EXPECT_EQ(qAlpha(image.pixel(0, 31)), 0);
    }
}

namespace {

struct ObjMesh
{
    QList<QVector3D> vertices;
    QList<std::array<int, 3>> triangles;  // zero-based
    bool wellFormed = true;
};

// Reads the "v x y z" and "f a b c" lines of a triangle OBJ; other lines are skipped.
ObjMesh readObj(QFile& file)
{
    ObjMesh mesh;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(' ', Qt::SkipEmptyParts);
        if (fields.isEmpty() || fields[0].startsWith('#'))
            continue;
        bool ok = fields.size() == 4;
        if (ok && fields[0] == "v") {
            QVector3D p;
            for (int k = 0; k < 3 && ok; ++k)
                p[k] = fields[k + 1].toFloat(&ok);
            mesh.vertices.append(p);
        } else if (ok && fields[0] == "f") {
            std::array<int, 3> t{};
            for (int k = 0; k < 3 && ok; ++k)
                t[k] = fields[k + 1].toInt(&ok) - 1;
            mesh.triangles.append(t);
        } else {
            ok = false;
        }
        mesh.wellFormed = mesh.wellFormed && ok;
    }
    return mesh;
}

} // namespace

// The mesh is loaded by the path without a slash after the colon, as the camera marker names it.
TEST(HostResourcesTest, CameraMeshIsAClosedOutwardFacingTriangleMesh)
{
    QFile file(":resources/meshes/3d_camera.obj");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const ObjMesh mesh = readObj(file);
    ASSERT_TRUE(mesh.wellFormed);

    // Body box: 8 corners, 12 triangles. Lens: two rings of 24, 2 x 24 side triangles and two caps
    // of 22. Reels: two rings of 16 each, 2 x 16 sides and two caps of 14, twice.
    EXPECT_EQ(mesh.vertices.size(), 8 + 2 * 24 + 2 * (2 * 16));
    EXPECT_EQ(mesh.triangles.size(), 12 + (2 * 24 + 2 * 22) + 2 * (2 * 16 + 2 * 14));

    // Closed with consistent winding: each directed edge is met once, and once in reverse.
    QMap<QPair<int, int>, int> edges;
    double volume = 0;
    for (const auto& t : mesh.triangles) {
        for (int index : t)
            ASSERT_TRUE(index >= 0 && index < mesh.vertices.size());
        for (int k = 0; k < 3; ++k)
            ++edges[{t[k], t[(k + 1) % 3]}];
        // Divergence theorem: a closed surface wound counter-clockwise from outside has a positive
        // sum of signed tetrahedron volumes.
        volume += QVector3D::dotProduct(mesh.vertices[t[0]],
                                        QVector3D::crossProduct(mesh.vertices[t[1]], mesh.vertices[t[2]])) / 6;
    }
    for (auto it = edges.cbegin(); it != edges.cend(); ++it) {
        EXPECT_EQ(it.value(), 1);
        EXPECT_EQ(edges.value({it.key().second, it.key().first}), 1);
    }
    // The box alone is 1 x 0.6 x 0.8; lens and reels add to it.
    EXPECT_GT(volume, 1.0 * 0.6 * 0.8);
}
