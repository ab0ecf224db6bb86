#pragma once

#include "ui_widgets/platform/math/AAttachable.h"
#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/math/ARefCounted.h"
#include "ui_widgets/platform/math/Box.h"
#include "ui_widgets/platform/math/HeapOperators.h"
#include "ui_widgets/platform/math/Ray3.h"
#include "ui_widgets/platform/math/SharedMatrix.h"
#include "ui_widgets/platform/math/UString.h"
#include "ui_widgets/platform/math/Vec.h"
#include "ui_widgets/platform/math/XLine.h"
#include "ui_widgets/platform/scene/Billboard.h"
#include "ui_widgets/platform/scene/NetObjectCountImpl.h"
#include "ui_widgets/platform/scene/PickContext.h"
#include "ui_widgets/platform/scene/PickHit.h"
#include "ui_widgets/platform/scene/RenderNode.h"
#include "ui_widgets/platform/scene/SceneItemType.h"

#include <QtGlobal>

#include <functional>
#include <optional>

namespace Kairn::Graphics {

class Camera;
class IScene;
struct PickBox;
class VyrGroupNode;
class VyrGraphicsNodeWithProxy;

// The base of every scene node: pose, appearance, scene membership, attachments, reference count
// and the hooks that renderers and picking use.
//
// Where a node is: its pose in its parent's space (world space for a top-level node) is
// R . W . Translation(T): R the node's own rotation and per-axis scale, W the shared world matrix,
// T an offset kept after W. The full transform is that pose followed by the parent's full
// transform. Setting a position only changes T, so it never needs W's inverse and stays exact
// when W is singular; transformBy carries T along with W, for every node that shares W.
class VyrGraphicsNode : public Lumo::Graphics::RenderNode,
                        public Lumo::Objects::ARefCounted,
                        public Lumo::Objects::AAttachable,
                        public Lumo::Objects::HeapOperators,
                        public NetObjectCountImpl<VyrGraphicsNode>,
                        private Lumo::Objects::SharedMatrix::Holder
{
public:
    NET_OBJECT_COUNT_OF(VyrGraphicsNode);

    static VyrGraphicsNode* createGraphicsNode();
    // Null scene: returns null and creates nothing.
    static VyrGraphicsNode* createAndAddGraphicsNode(IScene* scene, SceneItemType type);

    // A copy takes the pose (with its own copy of the world matrix), appearance, billboard and
    // screen-size settings; it starts outside any scene and group, without attachments.
    VyrGraphicsNode(const VyrGraphicsNode& other);
    VyrGraphicsNode& operator=(const VyrGraphicsNode& other);
    ~VyrGraphicsNode() override;

    static const Lumo::Objects::UString* InterfaceID();
    virtual const Lumo::Objects::UString* ClassName() const;
    virtual void* GetInterface(const Lumo::Objects::UString* id);

    static VyrGraphicsNode* getGraphicsNodeFromLumoNode(Lumo::Graphics::RenderNode* renderNode);
    Lumo::Graphics::RenderNode* getRenderNode() { return this; }

    // Scene membership of a top-level node. Adding to another scene or type moves the node; a
    // null scene, or a node inside a group (drawn through its group), is left as it is.
    virtual void addToScene(IScene* scene, SceneItemType type);
    virtual void removeFromScene();
    IScene* getScene() const { return m_scene; }
    SceneItemType getSceneType() const { return m_sceneType; }
    VyrGroupNode* getParentNode() const { return m_parentGroup; }

    // Pose in the parent's space. Setters leave W alone and ignore non-finite or zero input.
    virtual void setPosition(const Lumo::float3& position);
    Lumo::float3 getPosition() const;
    void setZDirection(const Lumo::float3& direction);
    void setXYDirections(const Lumo::float3& xDirection, const Lumo::float3& yDirection);
    Lumo::float3 getXDirection() const;
    Lumo::float3 getYDirection() const;
    Lumo::float3 getZDirection() const;
    float getXLength() const;
    float getYLength() const;
    float getZLength() const;
    void scaleUniformlyUsingXLength(float length);
    void scaleUniformlyUsingYLength(float length);
    void scaleUniformlyUsingZLength(float length);
    // The node's own per-axis scale (part of R); the position stays where it is.
    void setScale(const Lumo::float3& scale);
    void setScale(float scale);
    Lumo::float3 getScale() const { return m_scale; }

    // W := W . m, shared by every node holding the same W; their offsets move with it.
    virtual void transformBy(const Lumo::Objects::ADevMatrix& matrix);
    virtual void rotateBy(float radians, const Lumo::Objects::XLine<float>& line);
    // Shares the given matrix (taking a reference); null gives the node an identity of its own.
    // Change a shared W through transformBy: writing into it directly does not carry offsets.
    virtual void setWorldMatrix(Lumo::Objects::SharedMatrix* matrix);
    Lumo::Objects::SharedMatrix* getWorldMatrix() const { return m_world; }

    // R: rotation and scale, no translation.
    Lumo::Objects::ADevMatrix getLocalMatrix() const;
    Lumo::Objects::ADevMatrix getOffsetMatrix() const { return Lumo::Objects::ADevMatrix::Translation(m_offset); }
    // R . W . Translation(T): the node in its parent's space.
    Lumo::Objects::ADevMatrix getPoseMatrix() const;
    // Pose followed by the parent's full transform; nothing that depends on the view.
    Lumo::Objects::ADevMatrix getFullTransform() const;
    // Where the node is drawn and picked in this view: its pose followed by its parent's draw
    // transform, then scaled about its anchor for a constant screen size, then placed in the view
    // (turned by its billboard; a 2D polyline is laid on the screen). Renderers draw the node's
    // local geometry with it, and pickRay tests against it, so both agree.
    Lumo::Objects::ADevMatrix getDrawTransform(const Camera& camera) const;

    // The node's own frame before any transform. Transformed queries and setters build on these.
    virtual Lumo::float3 getUntransformedPosition() const;
    virtual Lumo::float3 getUntransformedXDirection() const;
    virtual Lumo::float3 getUntransformedYDirection() const;
    virtual Lumo::float3 getUntransformedZDirection() const;
    // Default: the extents of getUntransformedBounds().
    virtual float getUntransformedXLength() const;
    virtual float getUntransformedYLength() const;
    virtual float getUntransformedZLength() const;
    // Local bounds of the geometry; empty for a node without geometry.
    virtual Kairn::Objects::Box<double> getUntransformedBounds() const;
    // The local bounds carried through the pose: the node's bounds in its parent's space.
    Kairn::Objects::Box<double> getPosedBounds() const;

    // An invisible or unpickable node hides its whole subtree from drawing or picking.
    virtual void setVisible(bool visible);
    bool isVisible() const { return m_visible; }
    virtual void setPickable(bool pickable);
    bool isPickable() const { return m_pickable; }
    virtual void setColor(const Lumo::vec4<float>& color);
    virtual Lumo::vec4<float> getColor() const;
    void participateInLighting(bool participate) { m_lighting = participate; }
    bool isParticipatingInLighting() const { return m_lighting; }

    // At draw and pick time the node is scaled about the anchor so that one world unit of it
    // spans pixels x factor pixels. The anchor is given in the parent's space and kept in the
    // node's own frame, so it travels with the node. Pixels <= 0 switch it off.
    virtual void setConstantScreenSize(int pixels, float factor, const Lumo::float3& anchor);
    virtual void setConstantScreenSize(int pixels, float factor);
    void clearConstantScreenSize();
    bool hasConstantScreenSize() const { return m_screenPixels > 0; }
    int constantScreenSizePixels() const { return m_screenPixels; }
    float constantScreenSizeFactor() const { return m_screenFactor; }
    Lumo::float3 constantScreenSizeAnchor() const { return m_screenAnchor; }
    // The scale factor for the camera's pixels per world unit at the anchor; 1 without constant
    // screen size or for a non-positive input.
    float constantScreenSizeScale(float pixelsPerWorldUnitAtAnchor) const;

    void setBillboard(const Lumo::Graphics::Billboard& billboard);
    const Lumo::Graphics::Billboard* getBillboard() const;
    Lumo::Graphics::Billboard* getBillboard();
    void removeBillboard();

    void setPriority(int priority) { Priority(priority); }
    int getPriority() const { return Priority(); }

    // Changes whenever the node's shape changes (not its pose or colour): renderers key cached
    // tessellations on it. Unique across all nodes of the process.
    quint64 geometryRevision() const { return m_geometryRevision; }
    // Tells renderers that the geometry changed.
    void update();

    // Hit test of the node and its sub nodes against a world ray. An invisible (unless the
    // context includes hidden nodes) or unpickable node hides its subtree. The node's own
    // geometry is tested with intersectWorldRay under its draw transform in the context's view
    // (the full transform without a camera), then its sub nodes; `hit` is replaced, and true
    // returned, only for a hit nearer than the one already in it, or for one at the same depth
    // (within a relative 1e-4) by a node of higher render priority, which is drawn on top.
    virtual bool pickRay(const Kairn::Objects::Ray3<float>& worldRay, PickContext& context, PickHit& hit);
    // Hit hook of the node's own geometry. worldRay has a unit direction, context.localToWorld
    // holds the draw transform; on a hit, distance is the ray parameter and worldPoint the hit
    // point. The default takes the ray into the local frame and asks intersectLocalRay, so it
    // misses where the draw transform is singular; curves and outlines override it to measure
    // in world space and stay pickable there.
    virtual bool intersectWorldRay(const Kairn::Objects::Ray3<float>& worldRay, const PickContext& context,
                                   float& distance, Lumo::float3& worldPoint) const;
    // Local hit hook of solid geometry: localRay has a unit direction in local units; on a hit,
    // t is the ray parameter and localPoint the local hit point. The base has no geometry.
    virtual bool intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext& context, float& t,
                                   Lumo::float3& localPoint) const;

    // The nodes drawn or picked as parts of this one: a group's children, a proxy node's two
    // parts. Used to walk a subtree.
    virtual void enumerateSubNodes(const std::function<void(VyrGraphicsNode*)>& visit) const;
    // The same nodes by index, for walks on the pick path that must not allocate.
    virtual int subNodeCount() const;
    virtual VyrGraphicsNode* subNodeAt(int index) const;

    // The broad phase of picking: a world box holding every point where a ray can hit this node
    // or a node below it in the context's view (context.camera, context.pixelTolerance; the
    // context's localToWorld is used as scratch). viewDependent is set when the box changes
    // with the view (constant screen size, billboards, screen placement, pixel tolerances).
    // False when some node cannot bound its hits: the node must then be tested on every pick.
    bool computeSubtreePickBounds(PickContext& context, PickBox& box, bool& viewDependent) const;

protected:
    VyrGraphicsNode();
    virtual void init();

    // Picks every sub node (see enumerateSubNodes) that is pickable; the nearest wins.
    bool pickSubNodes(const Kairn::Objects::Ray3<float>& worldRay, PickContext& context, PickHit& hit);
    // The last step of the draw transform, after the constant screen size: `placed` turned by
    // the node's billboard (BillboardPlacement), or left as it is without one.
    virtual Lumo::Objects::ADevMatrix placeInView(const Lumo::Objects::ADevMatrix& placed, const Camera& camera) const;
    // Whether placeInView depends on the camera for this node (a billboard, a screen placement).
    virtual bool isPlacedInView() const;
    // The box of the node's own geometry for computeSubtreePickBounds, with context.localToWorld
    // holding its draw transform: by default the untransformed bounds carried through it, grown
    // by ownPickTolerancePixels on screen. Nodes that are hit outside those bounds override it.
    virtual bool ownPickBounds(const PickContext& context, PickBox& box, bool& viewDependent) const;
    // How many pixels off its drawn lines the node is still hit (curves and outlines); 0 for
    // geometry that is hit exactly.
    virtual float ownPickTolerancePixels(const PickContext& context) const;
    // Adds a local box carried through context.localToWorld to `box`, grown by `tolerance`
    // pixels on screen (which makes it view dependent). False for a box that does not stay finite.
    static bool addLocalPickBox(const Kairn::Objects::Box<double>& local, float tolerance, const PickContext& context,
                                PickBox& box, bool& viewDependent);
    // Tells the scene that holds this node's subtree that the subtree may have changed shape or
    // place, so that its pick bounds are recomputed before the next pick.
    void notifySceneOfChange() const;

private:
    friend class VyrGroupNode;
    friend class VyrGraphicsNodeWithProxy;

    // Whether a hit of this node at the distance beats the one in `hit` (see pickRay).
    bool isBetterHit(float distance, const PickHit& hit) const;
    // The node whose full transform follows this node's pose: its group or its proxy owner.
    VyrGraphicsNode* frameParent() const;
    Lumo::Objects::ADevMatrix rotationScaleAndWorld() const;
    Lumo::float3 transformedUnitDirection(const Lumo::float3& untransformed) const;
    float transformedLength(const Lumo::float3& untransformedDirection, float untransformedLength) const;
    void scaleUniformlyUsingLength(float current, float wanted);
    // setPosition without the virtual call: the pose operations use it to keep the position.
    void placeAt(const Lumo::float3& position);
    // Moves the node by an affine map of its parent's space: pose := pose . map, W untouched.
    void applyInParentSpace(const Lumo::Objects::ADevMatrix& map);
    void useWorldMatrix(Lumo::Objects::SharedMatrix* matrix);
    // A sharer of W was transformed: this node's offset turns and scales with the step.
    void sharedMatrixTransformedBy(const Lumo::Objects::ADevMatrix& step) override;
    // W was written directly: only the cached transforms follow.
    void sharedMatrixReplaced() override;
    void copySettingsFrom(const VyrGraphicsNode& other);
    // The pose, the world matrix, a view placement or the frame parent changed: cached
    // transforms of this node and of the nodes below it are stale.
    void poseChanged();
    // The newest pose change of this node or of a node above it.
    quint64 latestPoseChangeInChain() const;
    // Whether the draw transform depends on the camera: a constant screen size or a view
    // placement of this node or of a node above it.
    bool isViewDependentChain() const;

    IScene* m_scene = nullptr;
    SceneItemType m_sceneType = 0;
    VyrGroupNode* m_parentGroup = nullptr;
    VyrGraphicsNodeWithProxy* m_proxyOwner = nullptr;

    Lumo::Objects::ADevMatrix m_rotation;
    Lumo::float3 m_scale{1.0f, 1.0f, 1.0f};
    Lumo::float3 m_offset;
    Lumo::Objects::SharedMatrix* m_world = nullptr;

    bool m_visible = true;
    bool m_pickable = true;
    bool m_lighting = true;
    Lumo::vec4<float> m_color{1.0f, 1.0f, 1.0f, 1.0f};
    int m_screenPixels = 0;
    float m_screenFactor = 1.0f;
    Lumo::float3 m_screenAnchor;
    std::optional<Lumo::Graphics::Billboard> m_billboard;
    quint64 m_geometryRevision = 0;

    // The full transform, kept until a pose above or at this node changes (poseChanged stamps
    // changes with a process-wide clock; the cache is valid while it is newer than all of them).
    quint64 m_poseChangedAt = 0;
    mutable quint64 m_fullTransformAt = 0;
    mutable Lumo::Objects::ADevMatrix m_fullTransform;
};

} // namespace Kairn::Graphics
