#pragma once

#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/math/Vec.h"
#include "ui_widgets/platform/math/XLine.h"

#include <QObject>
#include <QString>

#include <memory>

namespace Kairn::Graphics {
class IScene;
class TriangleMesh;
class VyrMeshNode;
} // namespace Kairn::Graphics

namespace Kairn::Objects {
class SceneObjectNode;
}

namespace Viewer {

// The host's object that the widgets edit: one mesh node on the model layer (item type 0). Its
// slots take the widgets' results (translations, rotations about a line, scale factors, whole
// steps) and move, turn or scale the model in the world; the mesh can be replaced by the
// procedural default or an OBJ file without losing the pose.
class ModelController : public QObject
{
    Q_OBJECT

public:
    explicit ModelController(Kairn::Graphics::IScene* scene, QObject* parent = nullptr);
    ~ModelController() override;

    // The axis that points up in a file's coordinates. OBJ files are Y-up by convention; the view
    // is Z-up, so a Y-up model is turned a quarter about X to stand upright.
    enum class UpAxis { Y, Z };
    UpAxis upAxis() const { return m_upAxis; }
    // Turns the loaded file's mesh to the new axis (the procedural default is made Z-up).
    void setUpAxis(UpAxis axis);

    // The procedural default: a bumpy torus knot of about DefaultTriangleCount triangles.
    void useDefaultModel();
    // False, with the reason in `error`, when the file cannot be read; the model stays as it was.
    bool loadObj(const QString& path, QString* error = nullptr);
    QString modelName() const { return m_name; }
    std::size_t triangleCount() const;

    Kairn::Graphics::VyrMeshNode* node() const { return m_node; }
    // The model as an object a target-scale widget can rescale through its world matrix.
    Kairn::Objects::SceneObjectNode* sceneObject() const { return m_sceneObject.get(); }

    // Centre and radius of the sphere around the model's world bounds.
    Lumo::float3 center() const;
    float radius() const;
    // Where the model's origin (its local (0, 0, 0)) is now.
    Lumo::float3 origin() const;

    void resetPose();

    static constexpr std::size_t DefaultTriangleCount = 300000;

public slots:
    void translate(const Lumo::float3& translation);
    void rotate(float radians, const Lumo::Objects::XLine<float>& line);
    // Uniform scale about the model's centre.
    void scale(float factor);
    // A whole step in world space (W := W . step).
    void transformBy(const Lumo::Objects::ADevMatrix& step);
    // Starts a drag: remembers the pose for undoDrag, and the factor for widgets that report one
    // relative to the press (the scale widget).
    void beginDrag();
    // A cancelled drag. Where the model followed the widget's steps, `undo` (about the widget's
    // position, where the steps acted) takes them back; where it followed factors or radii, it
    // goes back to the pose of the press.
    void undoDrag(const Lumo::Objects::ADevMatrix& undo);
    // Uniform scale about `anchor` so that the model is `factor` times its size at the press.
    void scaleSincePress(float factor, const Lumo::float3& anchor);
    // Uniform scale about the model's centre by the ratio of `radius` to the radius before
    // (a plane-scale circle's radius); setReferenceRadius gives the first one.
    void scaleByRadius(float radius);
    void setReferenceRadius(float radius);
    // Tells the view that the model changed behind the controller's back (a widget that rescales
    // its target object itself).
    void notifyChanged();

signals:
    // After every change of pose or mesh.
    void changed();

private:
    bool replaceMesh(const Kairn::Graphics::TriangleMesh& mesh, const QString& name);
    // The file's mesh in the view's coordinates for the up axis.
    Kairn::Graphics::TriangleMesh upright(const Kairn::Graphics::TriangleMesh& mesh) const;

    Kairn::Graphics::VyrMeshNode* m_node = nullptr;
    std::unique_ptr<Kairn::Objects::SceneObjectNode> m_sceneObject;
    QString m_name;
    UpAxis m_upAxis = UpAxis::Y;
    // The mesh as the file has it, while a file is shown.
    std::unique_ptr<Kairn::Graphics::TriangleMesh> m_fileMesh;
    // The factor already applied since the press, for scaleSincePress.
    float m_factorSincePress = 1.0f;
    // The last radius scaleByRadius saw, 0 before the first.
    float m_lastRadius = 0.0f;
    // The pose at the press, and whether the drag moved the model only by the widget's steps.
    Lumo::Objects::ADevMatrix m_transformAtPress;
    float m_radiusAtPress = 0.0f;
    bool m_followedStepsOnly = true;
};

} // namespace Viewer
