#include "ui_widgets/platform/scene/ObjMeshReader.h"

#include "ui_widgets/platform/scene/TriangleMesh.h"

#include <QFile>

#include <tiny_obj_loader.h>

#include <cmath>
#include <cstdint>
#include <istream>
#include <limits>
#include <streambuf>
#include <unordered_map>
#include <vector>

namespace Kairn::Graphics {

namespace {

// Lets the parser read the file's bytes in place instead of copying them into a string stream.
class ByteArrayBuffer : public std::streambuf
{
public:
    explicit ByteArrayBuffer(QByteArray& bytes)
    {
        char* begin = bytes.data();
        setg(begin, begin, begin + bytes.size());
    }
};

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

bool allFinite(const std::vector<tinyobj::real_t>& values)
{
    for (tinyobj::real_t value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

Lumo::float3 pointAt(const std::vector<tinyobj::real_t>& values, int index)
{
    const std::size_t i = 3 * static_cast<std::size_t>(index);
    return {static_cast<float>(values[i]), static_cast<float>(values[i + 1]),
            static_cast<float>(values[i + 2])};
}

// Keeps three weak spots of the parser away from it. It reads face indices with atoi, so an
// index past the int range would wrap (to -1, the last vertex, with glibc) instead of failing:
// such a file is refused (false). It converts the joint ids of vertex weights ("vw") from float to
// int unchecked, and sizes the arrays of subdivision tags ("t") by the counts the line gives, so
// that a short line can ask for gigabytes: this reader uses neither, so those lines become comments.
bool keepFromParserWeakSpots(QByteArray& bytes)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    for (qsizetype start = 0; start < bytes.size();) {
        // Like the parser, a line ends at a line feed or a carriage return.
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        qsizetype keyword = start;
        while (keyword < end && isBlank(bytes[keyword]))
            ++keyword;
        const auto startsWith = [&](const char* word, qsizetype length) {
            return end - keyword > length && bytes.mid(keyword, length) == word && isBlank(bytes[keyword + length]);
        };
        if (startsWith("vw", 2) || startsWith("t", 1)) {
            bytes[keyword] = '#';
        } else if (startsWith("f", 1)) {
            std::int64_t value = 0;
            for (qsizetype i = keyword + 1; i < end; ++i) {
                value = bytes[i] >= '0' && bytes[i] <= '9' ? 10 * value + (bytes[i] - '0') : 0;
                if (value > std::numeric_limits<int>::max())
                    return false;
            }
        }
        start = end + 1;
    }
    return true;
}

} // namespace

bool ObjMeshReader::read(const QString& path, TriangleMesh& out, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    file.close();
    return parse(bytes, path, out, error);
}

bool ObjMeshReader::parse(QByteArray bytes, const QString& path, TriangleMesh& out, QString* error)
{
    if (bytes.trimmed().isEmpty())
        return fail(error, QStringLiteral("%1 is empty").arg(path));
    // OBJ is ASCII text. UTF-16 (with or without a byte order mark) has a zero byte in every
    // other place for the ASCII it encodes; other zero bytes mean a binary file.
    const bool utf16Mark = bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff");
    const auto printable = [](char c) { return c >= ' ' && c <= '~'; };
    const bool utf16Zeros = bytes.size() >= 2
        && ((bytes[0] == '\0' && printable(bytes[1])) || (printable(bytes[0]) && bytes[1] == '\0'));
    if (utf16Mark || utf16Zeros)
        return fail(error, QStringLiteral("%1 is UTF-16 text; OBJ files are read as ASCII or UTF-8").arg(path));
    if (bytes.contains('\0'))
        return fail(error, QStringLiteral("%1 is a binary file, not OBJ text").arg(path));

    if (!keepFromParserWeakSpots(bytes))
        return fail(error, QStringLiteral("%1 has a face with a vertex index out of range").arg(path));

    ByteArrayBuffer buffer(bytes);
    std::istream stream(&buffer);
    tinyobj::attrib_t attributes;
    std::vector<tinyobj::shape_t> shapes;
    std::vector<tinyobj::material_t> materials;
    std::string warnings;
    std::string parseError;
    // The parser's own triangulation skips faces with bad indices silently (or reads past its
    // arrays for large polygons), so faces are checked and split here.
    if (!tinyobj::LoadObj(&attributes, &shapes, &materials, &warnings, &parseError, &stream,
                          nullptr, false)) {
        return fail(error, QStringLiteral("%1 is not a readable OBJ file: %2")
                               .arg(path, QString::fromStdString(parseError).trimmed()));
    }
    if (!allFinite(attributes.vertices) || !allFinite(attributes.normals))
        return fail(error, QStringLiteral("%1 has a coordinate that is not finite").arg(path));

    const int positionCount = static_cast<int>(attributes.vertices.size() / 3);
    const int normalCount = static_cast<int>(attributes.normals.size() / 3);
    bool everyCornerHasNormal = true;
    std::size_t cornerCount = 0;
    for (const tinyobj::shape_t& shape : shapes) {
        for (const tinyobj::index_t& corner : shape.mesh.indices) {
            if (corner.vertex_index < 0 || corner.vertex_index >= positionCount)
                return fail(error, QStringLiteral("%1 has a face with a vertex index out of range").arg(path));
            if (corner.normal_index >= normalCount || corner.normal_index < -1)
                return fail(error, QStringLiteral("%1 has a face with a normal index out of range").arg(path));
            everyCornerHasNormal = everyCornerHasNormal && corner.normal_index >= 0;
        }
        // The parser stores face sizes in a byte: a larger polygon cannot be split correctly.
        std::size_t listedCorners = 0;
        for (const std::size_t faceSize : shape.mesh.num_face_vertices)
            listedCorners += faceSize;
        if (listedCorners != shape.mesh.indices.size())
            return fail(error, QStringLiteral("%1 has a face with more than 255 corners").arg(path));
        cornerCount += shape.mesh.indices.size();
    }
    if (cornerCount == 0)
        return fail(error, QStringLiteral("%1 has no faces of three or more corners").arg(path));

    // With normals, a vertex is a (position, normal) pair, since OBJ indexes them separately.
    std::vector<Lumo::float3> positions;
    std::vector<Lumo::float3> normals;
    std::unordered_map<std::uint64_t, std::uint32_t> vertexOfCorner;
    if (!everyCornerHasNormal) {
        positions.reserve(positionCount);
        for (int i = 0; i < positionCount; ++i)
            positions.push_back(pointAt(attributes.vertices, i));
    }
    auto vertexIndex = [&](const tinyobj::index_t& corner) -> std::uint32_t {
        if (!everyCornerHasNormal)
            return static_cast<std::uint32_t>(corner.vertex_index);
        const std::uint64_t key = (std::uint64_t(std::uint32_t(corner.vertex_index)) << 32)
            | std::uint32_t(corner.normal_index);
        const auto [it, inserted] = vertexOfCorner.try_emplace(key, std::uint32_t(positions.size()));
        if (inserted) {
            positions.push_back(pointAt(attributes.vertices, corner.vertex_index));
            normals.push_back(Lumo::normalized(pointAt(attributes.normals, corner.normal_index)));
        }
        return it->second;
    };

    // Polygons are split as fans around their first corner, which is exact for the convex faces
    // that modelling tools write.
    std::vector<std::uint32_t> indices;
    indices.reserve(3 * cornerCount);
    for (const tinyobj::shape_t& shape : shapes) {
        std::size_t first = 0;
        for (const std::size_t faceSize : shape.mesh.num_face_vertices) {
            if (faceSize < 3) {
                first += faceSize;
                continue;
            }
            const std::uint32_t anchor = vertexIndex(shape.mesh.indices[first]);
            std::uint32_t previous = vertexIndex(shape.mesh.indices[first + 1]);
            for (std::size_t k = 2; k < faceSize; ++k) {
                const std::uint32_t current = vertexIndex(shape.mesh.indices[first + k]);
                indices.insert(indices.end(), {anchor, previous, current});
                previous = current;
            }
            first += faceSize;
        }
    }

    out = TriangleMesh(std::move(positions), std::move(indices), std::move(normals));
    return true;
}

} // namespace Kairn::Graphics
