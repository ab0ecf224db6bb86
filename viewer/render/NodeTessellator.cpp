#include "viewer/render/NodeTessellator.h"

#include "viewer/render/ClosedSurfaceCheck.h"
#include "viewer/render/PrimitiveTessellator.h"
#include "viewer/render/TextRasterizer.h"

#include "ui_widgets/platform/scene/TextMetrics.h"
#include "ui_widgets/platform/scene/TriangleMesh.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrConeNode.h"
#include "ui_widgets/platform/scene/VyrCylinderNode.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"
#include "ui_widgets/platform/scene/VyrPolylineNode.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"
#include "ui_widgets/platform/scene/VyrTextNode.h"
#include "ui_widgets/platform/scene/VyrTorusNode.h"

namespace Viewer {

namespace {

QVector3D toQt(const Lumo::float3& p)
{
    return {p.x, p.y, p.z};
}

std::vector<QVector3D> toQt(const std::vector<Lumo::float3>& points)
{
    std::vector<QVector3D> out;
    out.reserve(points.size());
    for (const Lumo::float3& p : points)
        out.push_back(toQt(p));
    return out;
}

NodeShape shapeOf(Tessellation tessellation)
{
    return {std::move(tessellation), {}};
}

} // namespace

NodeShape NodeTessellator::sphere(const Kairn::Graphics::VyrSphereNode& node)
{
    return shapeOf(PrimitiveTessellator::sphere(node.getRadius()));
}

NodeShape NodeTessellator::cone(const Kairn::Graphics::VyrConeNode& node)
{
    return shapeOf(PrimitiveTessellator::cone(node.getRadius(), node.getHeight()));
}

NodeShape NodeTessellator::cylinder(const Kairn::Graphics::VyrCylinderNode& node)
{
    return shapeOf(PrimitiveTessellator::cylinder(node.getRadius(), node.getHeight()));
}

NodeShape NodeTessellator::torus(const Kairn::Graphics::VyrTorusNode& node)
{
    return shapeOf(PrimitiveTessellator::torus(node.getRadius(), node.getMinorRadius()));
}

NodeShape NodeTessellator::circle(const Kairn::Graphics::VyrCircleNode& node)
{
    if (node.isFillable())
        return shapeOf(PrimitiveTessellator::disc(node.getRadius()));
    return shapeOf(PrimitiveTessellator::circleOutline(node.getRadius(),
                                                       Kairn::Graphics::VyrCircleNode::outlineSegmentCount));
}

NodeShape NodeTessellator::lineSegment(const Kairn::Graphics::VyrLineSegmentNode& node)
{
    return shapeOf(PrimitiveTessellator::polyline({toQt(node.getStartPoint()), toQt(node.getEndPoint())}, false));
}

NodeShape NodeTessellator::polylineOutline(const Kairn::Graphics::VyrPolylineNode& node)
{
    return shapeOf(PrimitiveTessellator::polyline(toQt(node.drawnPoints()), node.isClosed()));
}

NodeShape NodeTessellator::polylineFill(const Kairn::Graphics::VyrPolylineNode& node)
{
    return shapeOf(PrimitiveTessellator::polygon(toQt(node.drawnPoints())));
}

NodeShape NodeTessellator::mesh(const Kairn::Graphics::TriangleMesh& mesh)
{
    if (!mesh.hasNormals()) {
        Kairn::Graphics::TriangleMesh withNormals = mesh;
        withNormals.computeVertexNormals();
        return NodeTessellator::mesh(withNormals);
    }
    Tessellation out;
    const auto& positions = mesh.positions();
    const auto& normals = mesh.normals();
    for (std::size_t i = 0; i < positions.size(); ++i)
        out.addVertex(toQt(positions[i]), toQt(normals[i]));
    const auto& indices = mesh.indices();
    for (std::size_t i = 0; i + 2 < indices.size(); i += 3)
        out.addTriangle(indices[i], indices[i + 1], indices[i + 2]);
    out.setHiddenFaces(ClosedSurfaceCheck::hiddenFaces(mesh));
    return shapeOf(std::move(out));
}

NodeShape NodeTessellator::worldText(const Kairn::Graphics::VyrTextNode& node)
{
    const QSizeF pixels = node.textSizeInPixels();
    if (pixels.isEmpty())
        return {};
    const float unit = Kairn::Graphics::VyrTextNode::worldUnitsPerFontPixel;
    const QVector2D size(static_cast<float>(pixels.width()) * unit, static_cast<float>(pixels.height()) * unit);
    return {PrimitiveTessellator::rectangle(-0.5f * size, size),
            TextRasterizer::rasterize(node.getText(), node.getFont(), node.getFontSize(), WorldTextResolution)};
}

NodeShape NodeTessellator::screenText(const Kairn::Graphics::VyrTextNode& node, qreal devicePixelRatio)
{
    const QSizeF pixels = node.textSizeInPixels();
    if (pixels.isEmpty())
        return {};
    const QVector2D size(static_cast<float>(pixels.width()), static_cast<float>(pixels.height()));
    return {PrimitiveTessellator::rectangle({0.0f, -size.y()}, size),
            TextRasterizer::rasterize(node.getText(), node.getFont(), node.getFontSize(), devicePixelRatio)};
}

} // namespace Viewer
