#pragma once

#include <QByteArray>
#include <QString>

namespace Kairn::Graphics {

class TriangleMesh;

// Reads the geometry of a Wavefront OBJ file (positions, faces and, when every face corner names
// one, normals) into a TriangleMesh. Materials, texture coordinates, lines and points are ignored;
// polygons are split into triangles. The path goes through QFile, so Qt resource paths
// (":/meshes/x.obj", ":resources/meshes/x.obj") work as well as file names.
class ObjMeshReader
{
public:
    // Returns false, with a reason in `error` when given, for a file that cannot be opened, does
    // not parse, has no face, names a vertex or normal that does not exist or has a coordinate
    // that is not finite; `out` is then left as it was.
    static bool read(const QString& path, TriangleMesh& out, QString* error = nullptr);
    // The same for the bytes of a file; `name` stands for the file in the reason. Empty, UTF-16
    // and binary files are told apart from OBJ text that does not parse.
    static bool parse(QByteArray bytes, const QString& name, TriangleMesh& out, QString* error = nullptr);
};

} // namespace Kairn::Graphics
