#include "viewer/app/ModelController.h"

#include "ui_widgets/framework/IWidget3D.h"
#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/scene/ObjMeshReader.h"
#include "ui_widgets/platform/scene/ProceduralMeshes.h"
#include "ui_widgets/platform/scene/SceneItemType.h"
#include "ui_widgets/platform/scene/SceneObjectNode.h"
#include "ui_widgets/platform/scene/TriangleMesh.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace Viewer {

using Lumo::Objects::ADevMatrix;

ModelController::ModelController(Kairn::Graphics::IScene* scene, QObject* parent)
    : QObject(parent)
    , m_node(Kairn::Graphics::VyrMeshNode::createGraphicsNode())
{
    m_node->AddRef();
    m_node->setColor({0.78f, 0.74f, 0.66f, 1.0f});
    m_node->addToScene(scene, Kairn::Graphics::SceneItemModel);
    m_sceneObject = std::make_unique<Kairn::Objects::SceneObjectNode>(m_node);
}

ModelController::~ModelController()
{
    m_sceneObject.reset();
    m_node->ReleaseRef();
}

void ModelController::useDefaultModel()
{
    m_fileMesh.reset();
    replaceMesh(Kairn::Graphics::ProceduralMeshes::bumpyTorusKnot(DefaultTriangleCount), tr("Torus knot"));
}

bool ModelController::loadObj(const QString& path, QString* error)
{
    Kairn::Graphics::TriangleMesh mesh;
    if (!Kairn::Graphics::ObjMeshReader::read(path, mesh, error))
        return false;
    if (!replaceMesh(upright(mesh), QFileInfo(path).fileName())) {
        if (error)
            *error = tr("The mesh has invalid geometry.");
        return false;
    }
    m_fileMesh = std::make_unique<Kairn::Graphics::TriangleMesh>(std::move(mesh));
    return true;
}

void ModelController::setUpAxis(UpAxis axis)
{
    if (axis == m_upAxis)
        return;
    m_upAxis = axis;
    if (m_fileMesh)
        replaceMesh(upright(*m_fileMesh), m_name);
}

Kairn::Graphics::TriangleMesh ModelController::upright(const Kairn::Graphics::TriangleMesh& mesh) const
{
    if (m_upAxis == UpAxis::Z)
        return mesh;
    // A quarter turn about X: the file's +Y becomes +Z and its +Z becomes -Y.
    const auto turn = [](std::vector<Lumo::float3> points) {
        for (Lumo::float3& p : points)
            p = {p.x, -p.z, p.y};
        return points;
    };
    return {turn(mesh.positions()), mesh.indices(), turn(mesh.normals())};
}

bool ModelController::replaceMesh(const Kairn::Graphics::TriangleMesh& mesh, const QString& name)
{
    if (!m_node->setMesh(mesh))
        return false;
    m_name = name;
    emit changed();
    return true;
}

std::size_t ModelController::triangleCount() const
{
    const Kairn::Graphics::TriangleMesh* mesh = m_node->mesh();
    return mesh ? mesh->triangleCount() : 0;
}

Lumo::float3 ModelController::center() const
{
    return m_node->getPosedBounds().center().toFloat();
}

float ModelController::radius() const
{
    const auto bounds = m_node->getPosedBounds();
    const double x = bounds.xLength(), y = bounds.yLength(), z = bounds.zLength();
    return static_cast<float>(0.5 * std::sqrt(x * x + y * y + z * z));
}

Lumo::float3 ModelController::origin() const
{
    return m_node->getFullTransform().transformPoint({0.0f, 0.0f, 0.0f});
}

void ModelController::resetPose()
{
    m_node->setWorldMatrix(nullptr);
    m_node->setScale(1.0f);
    m_node->setXYDirections({1, 0, 0}, {0, 1, 0});
    m_node->setPosition({0, 0, 0});
    emit changed();
}

void ModelController::translate(const Lumo::float3& translation)
{
    transformBy(ADevMatrix::Translation(translation));
}

void ModelController::rotate(float radians, const Lumo::Objects::XLine<float>& line)
{
    transformBy(Kairn::Objects::Matrix4<float>::Rotation(line, radians));
}

void ModelController::scale(float factor)
{
    transformBy(Kairn::Objects::Matrix4<float>::Scale({factor, factor, factor}, center()));
}

void ModelController::beginDrag()
{
    m_factorSincePress = 1.0f;
    m_transformAtPress = m_node->getFullTransform();
    m_radiusAtPress = m_lastRadius;
    m_followedStepsOnly = true;
}

void ModelController::undoDrag(const ADevMatrix& undo)
{
    auto* widget = qobject_cast<Velto::UiWidget::IWidget3D*>(sender());
    if (m_followedStepsOnly && widget) {
        transformBy(Velto::UiWidget::IWidget3D::stepAbout(undo, widget->getPosition()));
        return;
    }
    transformBy(ADevMatrix::Multiply(ADevMatrix::Invert(m_node->getFullTransform()), m_transformAtPress));
    m_factorSincePress = 1.0f;
    m_lastRadius = m_radiusAtPress;
}

void ModelController::scaleSincePress(float factor, const Lumo::float3& anchor)
{
    // A factor of 0 would flatten the model for good: keep a sliver of it.
    const float wanted = std::max(factor, 0.01f);
    if (!std::isfinite(wanted) || !Lumo::isFinite(anchor))
        return;
    const float step = wanted / m_factorSincePress;
    m_factorSincePress = wanted;
    m_followedStepsOnly = false;
    transformBy(Kairn::Objects::Matrix4<float>::Scale({step, step, step}, anchor));
}

void ModelController::scaleByRadius(float radius)
{
    if (!(radius > 0.0f) || !std::isfinite(radius))
        return;
    if (m_lastRadius > 0.0f)
        scale(radius / m_lastRadius);
    m_followedStepsOnly = false;
    m_lastRadius = radius;
}

void ModelController::setReferenceRadius(float radius)
{
    m_lastRadius = radius > 0.0f && std::isfinite(radius) ? radius : 0.0f;
}

void ModelController::notifyChanged()
{
    m_followedStepsOnly = false;
    emit changed();
}

void ModelController::transformBy(const ADevMatrix& step)
{
    if (step.IsIdentity() || !step.isFinite())
        return;
    m_node->transformBy(step);
    emit changed();
}

} // namespace Viewer
