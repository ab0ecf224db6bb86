#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/scene/BillboardPlacement.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/IScene.h"
#include "ui_widgets/platform/scene/PickBoundsHierarchy.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"

#include <cmath>
#include <numbers>

namespace Kairn::Graphics {

namespace {

using Lumo::float3;
using Lumo::Objects::ADevMatrix;
using Lumo::Objects::SharedMatrix;

quint64 nextGeometryRevision()
{
    static quint64 revision = 0;
    return ++revision;
}

// Pose changes and full-transform caches are stamped with this clock (the user-interface thread
// is the only one that touches nodes).
quint64 poseClock = 0;

ADevMatrix linearPart(ADevMatrix matrix)
{
    matrix.M41 = matrix.M42 = matrix.M43 = 0;
    return matrix;
}

ADevMatrix rotationAbout(const float3& point, const Kairn::Objects::Vector3<float>& axis, float radians)
{
    return Kairn::Objects::Matrix4<float>::Rotation(Lumo::Objects::XLine<float>(point, axis), radians);
}

} // namespace

VyrGraphicsNode::VyrGraphicsNode()
    : m_geometryRevision(nextGeometryRevision()),
      m_poseChangedAt(++poseClock)
{
    useWorldMatrix(new SharedMatrix());
}

VyrGraphicsNode::VyrGraphicsNode(const VyrGraphicsNode& other)
    : RenderNode(other),
      ARefCounted(other),
      AAttachable(),
      HeapOperators(),
      NetObjectCountImpl<VyrGraphicsNode>(other),
      m_geometryRevision(nextGeometryRevision()),
      m_poseChangedAt(++poseClock)
{
    useWorldMatrix(new SharedMatrix(other.m_world->matrix()));
    copySettingsFrom(other);
}

VyrGraphicsNode& VyrGraphicsNode::operator=(const VyrGraphicsNode& other)
{
    if (this == &other)
        return *this;
    RenderNode::operator=(other);
    useWorldMatrix(new SharedMatrix(other.m_world->matrix()));
    copySettingsFrom(other);
    update();
    return *this;
}

VyrGraphicsNode::~VyrGraphicsNode()
{
    VyrGraphicsNode::removeFromScene();
    if (m_parentGroup)
        m_parentGroup->forgetChild(this);
    if (m_proxyOwner)
        m_proxyOwner->forgetPart(this);
    m_world->removeHolder(this);
    m_world->ReleaseRef();
}

void VyrGraphicsNode::copySettingsFrom(const VyrGraphicsNode& other)
{
    m_rotation = other.m_rotation;
    m_scale = other.m_scale;
    m_offset = other.m_offset;
    m_visible = other.m_visible;
    m_pickable = other.m_pickable;
    m_lighting = other.m_lighting;
    m_color = other.m_color;
    m_screenPixels = other.m_screenPixels;
    m_screenFactor = other.m_screenFactor;
    m_screenAnchor = other.m_screenAnchor;
    m_billboard = other.m_billboard;
    poseChanged();
}

void VyrGraphicsNode::poseChanged()
{
    m_poseChangedAt = ++poseClock;
    notifySceneOfChange();
}

void VyrGraphicsNode::notifySceneOfChange() const
{
    const VyrGraphicsNode* root = this;
    while (const VyrGraphicsNode* parent = root->frameParent())
        root = parent;
    if (root->m_scene)
        root->m_scene->nodeChanged(const_cast<VyrGraphicsNode*>(root));
}

quint64 VyrGraphicsNode::latestPoseChangeInChain() const
{
    quint64 latest = 0;
    for (const VyrGraphicsNode* node = this; node; node = node->frameParent())
        latest = std::max(latest, node->m_poseChangedAt);
    return latest;
}

bool VyrGraphicsNode::isViewDependentChain() const
{
    for (const VyrGraphicsNode* node = this; node; node = node->frameParent())
        if (node->hasConstantScreenSize() || node->isPlacedInView())
            return true;
    return false;
}

VyrGraphicsNode* VyrGraphicsNode::createGraphicsNode()
{
    auto* node = new VyrGraphicsNode();
    node->init();
    return node;
}

VyrGraphicsNode* VyrGraphicsNode::createAndAddGraphicsNode(IScene* scene, SceneItemType type)
{
    if (!scene)
        return nullptr;
    VyrGraphicsNode* node = createGraphicsNode();
    node->addToScene(scene, type);
    return node;
}

void VyrGraphicsNode::init() {}

const Lumo::Objects::UString* VyrGraphicsNode::InterfaceID()
{
    static const Lumo::Objects::UString* id = Lumo::Objects::Intern(L"VyrGraphicsNode");
    return id;
}

const Lumo::Objects::UString* VyrGraphicsNode::ClassName() const
{
    return InterfaceID();
}

void* VyrGraphicsNode::GetInterface(const Lumo::Objects::UString* id)
{
    return id && id == InterfaceID() ? this : nullptr;
}

VyrGraphicsNode* VyrGraphicsNode::getGraphicsNodeFromLumoNode(Lumo::Graphics::RenderNode* renderNode)
{
    return dynamic_cast<VyrGraphicsNode*>(renderNode);
}

void VyrGraphicsNode::addToScene(IScene* scene, SceneItemType type)
{
    if (!scene || m_parentGroup || m_proxyOwner)
        return;
    if (scene == m_scene && type == m_sceneType)
        return;
    if (m_scene)
        m_scene->removeNode(this);
    m_scene = scene;
    m_sceneType = type;
    scene->addNode(this, type);
}

void VyrGraphicsNode::removeFromScene()
{
    if (!m_scene)
        return;
    IScene* scene = m_scene;
    m_scene = nullptr;
    m_sceneType = 0;
    scene->removeNode(this);
}

VyrGraphicsNode* VyrGraphicsNode::frameParent() const
{
    if (m_parentGroup)
        return m_parentGroup;
    return m_proxyOwner;
}

ADevMatrix VyrGraphicsNode::getLocalMatrix() const
{
    return ADevMatrix::Multiply(ADevMatrix::Scale(m_scale), m_rotation);
}

ADevMatrix VyrGraphicsNode::rotationScaleAndWorld() const
{
    return ADevMatrix::Multiply(getLocalMatrix(), m_world->matrix());
}

ADevMatrix VyrGraphicsNode::getPoseMatrix() const
{
    return ADevMatrix::Multiply(rotationScaleAndWorld(), ADevMatrix::Translation(m_offset));
}

ADevMatrix VyrGraphicsNode::getFullTransform() const
{
    if (m_fullTransformAt >= latestPoseChangeInChain())
        return m_fullTransform;
    const VyrGraphicsNode* parent = frameParent();
    m_fullTransform = parent ? ADevMatrix::Multiply(getPoseMatrix(), parent->getFullTransform()) : getPoseMatrix();
    m_fullTransformAt = poseClock;
    return m_fullTransform;
}

ADevMatrix VyrGraphicsNode::getDrawTransform(const Camera& camera) const
{
    // Without a constant screen size or a view placement on the way up, the draw transform is
    // the full transform, product for product, and that one is cached.
    if (!isViewDependentChain())
        return getFullTransform();
    const VyrGraphicsNode* parent = frameParent();
    ADevMatrix placed =
        parent ? ADevMatrix::Multiply(getPoseMatrix(), parent->getDrawTransform(camera)) : getPoseMatrix();
    if (hasConstantScreenSize()) {
        const float3 anchor = placed.transformPoint(m_screenAnchor);
        const float factor = constantScreenSizeScale(camera.pixelsPerWorldUnitAt(anchor));
        placed = ADevMatrix::Multiply(placed, Kairn::Objects::Matrix4<float>::Scale({factor, factor, factor}, anchor));
    }
    return placeInView(placed, camera);
}

ADevMatrix VyrGraphicsNode::placeInView(const ADevMatrix& placed, const Camera& camera) const
{
    return m_billboard ? BillboardPlacement::apply(*m_billboard, placed, camera) : placed;
}

bool VyrGraphicsNode::isPlacedInView() const
{
    return m_billboard.has_value();
}

float3 VyrGraphicsNode::getPosition() const
{
    return rotationScaleAndWorld().transformPoint(getUntransformedPosition()) + m_offset;
}

void VyrGraphicsNode::setPosition(const float3& position)
{
    placeAt(position);
}

void VyrGraphicsNode::placeAt(const float3& position)
{
    if (!Lumo::isFinite(position))
        return;
    m_offset = position - rotationScaleAndWorld().transformPoint(getUntransformedPosition());
    poseChanged();
}

float3 VyrGraphicsNode::transformedUnitDirection(const float3& untransformed) const
{
    return Lumo::normalized(rotationScaleAndWorld().transformVector(Lumo::normalized(untransformed)));
}

float VyrGraphicsNode::transformedLength(const float3& untransformedDirection, float untransformedLength) const
{
    return untransformedLength
           * Lumo::length(rotationScaleAndWorld().transformVector(Lumo::normalized(untransformedDirection)));
}

float3 VyrGraphicsNode::getXDirection() const
{
    return transformedUnitDirection(getUntransformedXDirection());
}

float3 VyrGraphicsNode::getYDirection() const
{
    return transformedUnitDirection(getUntransformedYDirection());
}

float3 VyrGraphicsNode::getZDirection() const
{
    return transformedUnitDirection(getUntransformedZDirection());
}

float VyrGraphicsNode::getXLength() const
{
    return transformedLength(getUntransformedXDirection(), getUntransformedXLength());
}

float VyrGraphicsNode::getYLength() const
{
    return transformedLength(getUntransformedYDirection(), getUntransformedYLength());
}

float VyrGraphicsNode::getZLength() const
{
    return transformedLength(getUntransformedZDirection(), getUntransformedZLength());
}

void VyrGraphicsNode::applyInParentSpace(const ADevMatrix& map)
{
    if (!map.isFinite())
        return;
    const float3 newPosition = map.transformPoint(getPosition());
    const ADevMatrix mapLinear = linearPart(map);
    // The new rotation R' must satisfy R' . W = R . W . map for the linear parts, so
    // R' = R . W . map . W^-1. A singular W cannot be undone: the map is then applied before W,
    // which is exact whenever W commutes with it (a uniform scale, for instance).
    const ADevMatrix worldLinear = linearPart(m_world->matrix());
    ADevMatrix worldInverse;
    if (ADevMatrix::Invert(worldLinear, worldInverse))
        m_rotation = ADevMatrix::Multiply(ADevMatrix::Multiply(ADevMatrix::Multiply(m_rotation, worldLinear), mapLinear),
                                          worldInverse);
    else
        m_rotation = ADevMatrix::Multiply(m_rotation, mapLinear);
    poseChanged();
    placeAt(newPosition);
}

void VyrGraphicsNode::setZDirection(const float3& direction)
{
    const float3 target = Lumo::normalized(direction);
    const float3 current = getZDirection();
    if (target == float3{} || current == float3{})
        return;
    Kairn::Objects::Vector3<float> axis;
    float angle = Kairn::Objects::Vector3<float>(current).getSignedAngleTo(target, axis);
    if (axis.isZero()) {
        if (Lumo::dot(current, target) > 0)
            return;
        // Opposite: half a turn about the node's own X axis keeps the turn predictable.
        const float3 x = getXDirection();
        axis = Lumo::normalized(x - current * Lumo::dot(x, current));
        if (axis.isZero())
            axis = Kairn::Objects::Vector3<float>(current).getPerpendicularVector();
        angle = std::numbers::pi_v<float>;
    }
    applyInParentSpace(rotationAbout(getPosition(), axis, angle));
}

void VyrGraphicsNode::setXYDirections(const float3& xDirection, const float3& yDirection)
{
    const float3 x = Lumo::normalized(xDirection);
    const float3 y = Lumo::normalized(yDirection - x * Lumo::dot(yDirection, x));
    const float3 currentX = getXDirection();
    const float3 currentYRaw = getYDirection();
    const float3 currentY = Lumo::normalized(currentYRaw - currentX * Lumo::dot(currentYRaw, currentX));
    if (x == float3{} || y == float3{} || currentX == float3{} || currentY == float3{})
        return;
    const float3 from[3] = {currentX, currentY, Lumo::cross(currentX, currentY)};
    const float3 to[3] = {x, y, Lumo::cross(x, y)};
    // The rotation that takes each current axis onto the wanted one: sum of from_i^T . to_i.
    ADevMatrix turn;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            float sum = 0;
            for (int i = 0; i < 3; ++i)
                sum += (&from[i].x)[row] * (&to[i].x)[column];
            turn.set(row, column, sum);
        }
    const float3 position = getPosition();
    const ADevMatrix aboutPosition = ADevMatrix::Multiply(
        ADevMatrix::Multiply(ADevMatrix::Translation(-position), turn), ADevMatrix::Translation(position));
    applyInParentSpace(aboutPosition);
}

void VyrGraphicsNode::setScale(const float3& scale)
{
    if (!Lumo::isFinite(scale))
        return;
    const float3 position = getPosition();
    m_scale = scale;
    poseChanged();
    placeAt(position);
}

void VyrGraphicsNode::setScale(float scale)
{
    setScale(float3{scale, scale, scale});
}

void VyrGraphicsNode::scaleUniformlyUsingLength(float current, float wanted)
{
    if (!(wanted > 0) || !std::isfinite(wanted) || !(current > 0) || !std::isfinite(current))
        return;
    setScale(m_scale * (wanted / current));
}

void VyrGraphicsNode::scaleUniformlyUsingXLength(float length)
{
    scaleUniformlyUsingLength(getXLength(), length);
}

void VyrGraphicsNode::scaleUniformlyUsingYLength(float length)
{
    scaleUniformlyUsingLength(getYLength(), length);
}

void VyrGraphicsNode::scaleUniformlyUsingZLength(float length)
{
    scaleUniformlyUsingLength(getZLength(), length);
}

void VyrGraphicsNode::transformBy(const ADevMatrix& matrix)
{
    if (!matrix.isFinite())
        return;
    m_world->transformBy(matrix);
}

void VyrGraphicsNode::sharedMatrixTransformedBy(const ADevMatrix& step)
{
    // pose . m = R . W . m . Translation(T . linear(m)): the offset turns and scales with the
    // step, while the step's translation went into W.
    m_offset = linearPart(step).transformVector(m_offset);
    poseChanged();
}

void VyrGraphicsNode::sharedMatrixReplaced()
{
    poseChanged();
}

void VyrGraphicsNode::rotateBy(float radians, const Lumo::Objects::XLine<float>& line)
{
    transformBy(Kairn::Objects::Matrix4<float>::Rotation(line, radians));
}

void VyrGraphicsNode::setWorldMatrix(SharedMatrix* matrix)
{
    useWorldMatrix(matrix ? matrix : new SharedMatrix());
}

void VyrGraphicsNode::useWorldMatrix(SharedMatrix* matrix)
{
    if (matrix == m_world)
        return;
    matrix->AddRef();
    SharedMatrix* old = m_world;
    if (old)
        old->removeHolder(this);
    m_world = matrix;
    matrix->addHolder(this);
    if (old)
        old->ReleaseRef();
    poseChanged();
}

float3 VyrGraphicsNode::getUntransformedPosition() const
{
    return {};
}

float3 VyrGraphicsNode::getUntransformedXDirection() const
{
    return {1, 0, 0};
}

float3 VyrGraphicsNode::getUntransformedYDirection() const
{
    return {0, 1, 0};
}

float3 VyrGraphicsNode::getUntransformedZDirection() const
{
    return {0, 0, 1};
}

float VyrGraphicsNode::getUntransformedXLength() const
{
    return float(getUntransformedBounds().xLength());
}

float VyrGraphicsNode::getUntransformedYLength() const
{
    return float(getUntransformedBounds().yLength());
}

float VyrGraphicsNode::getUntransformedZLength() const
{
    return float(getUntransformedBounds().zLength());
}

Kairn::Objects::Box<double> VyrGraphicsNode::getUntransformedBounds() const
{
    return {};
}

Kairn::Objects::Box<double> VyrGraphicsNode::getPosedBounds() const
{
    const Kairn::Objects::Box<double> local = getUntransformedBounds();
    Kairn::Objects::Box<double> posed;
    if (local.isEmpty())
        return posed;
    const ADevMatrix pose = getPoseMatrix();
    for (int corner = 0; corner < 8; ++corner) {
        const float3 p{float(corner & 1 ? local.max().x : local.min().x), float(corner & 2 ? local.max().y : local.min().y),
                       float(corner & 4 ? local.max().z : local.min().z)};
        posed.extend(Kairn::Objects::Vector3<float>(pose.transformPoint(p)).toDouble());
    }
    return posed;
}

void VyrGraphicsNode::setVisible(bool visible)
{
    m_visible = visible;
}

void VyrGraphicsNode::setPickable(bool pickable)
{
    m_pickable = pickable;
}

void VyrGraphicsNode::setColor(const Lumo::vec4<float>& color)
{
    if (Lumo::isFinite(color))
        m_color = color;
}

Lumo::vec4<float> VyrGraphicsNode::getColor() const
{
    return m_color;
}

void VyrGraphicsNode::setConstantScreenSize(int pixels, float factor, const float3& anchor)
{
    if (pixels <= 0) {
        clearConstantScreenSize();
        return;
    }
    if (!(factor > 0) || !std::isfinite(factor) || !Lumo::isFinite(anchor))
        return;
    m_screenPixels = pixels;
    m_screenFactor = factor;
    m_screenAnchor = getUntransformedPosition();
    ADevMatrix toOwnFrame;
    if (anchor != getPosition() && ADevMatrix::Invert(getPoseMatrix(), toOwnFrame))
        m_screenAnchor = toOwnFrame.transformPoint(anchor);
    poseChanged();
}

void VyrGraphicsNode::setConstantScreenSize(int pixels, float factor)
{
    setConstantScreenSize(pixels, factor, getPosition());
}

void VyrGraphicsNode::clearConstantScreenSize()
{
    m_screenPixels = 0;
    m_screenFactor = 1.0f;
    m_screenAnchor = {};
    poseChanged();
}

float VyrGraphicsNode::constantScreenSizeScale(float pixelsPerWorldUnitAtAnchor) const
{
    if (!hasConstantScreenSize() || !(pixelsPerWorldUnitAtAnchor > 0) || !std::isfinite(pixelsPerWorldUnitAtAnchor))
        return 1.0f;
    return float(m_screenPixels) * m_screenFactor / pixelsPerWorldUnitAtAnchor;
}

void VyrGraphicsNode::setBillboard(const Lumo::Graphics::Billboard& billboard)
{
    const Lumo::Graphics::Billboard copy = billboard;
    m_billboard = copy;
    poseChanged();
}

const Lumo::Graphics::Billboard* VyrGraphicsNode::getBillboard() const
{
    return m_billboard ? &*m_billboard : nullptr;
}

Lumo::Graphics::Billboard* VyrGraphicsNode::getBillboard()
{
    // The caller may change the billboard through the pointer.
    if (m_billboard)
        poseChanged();
    return m_billboard ? &*m_billboard : nullptr;
}

void VyrGraphicsNode::removeBillboard()
{
    m_billboard.reset();
    poseChanged();
}

void VyrGraphicsNode::update()
{
    m_geometryRevision = nextGeometryRevision();
    notifySceneOfChange();
}

bool VyrGraphicsNode::pickRay(const Kairn::Objects::Ray3<float>& worldRay, PickContext& context, PickHit& hit)
{
    if (!m_pickable || (!m_visible && !context.includeHidden))
        return false;
    const Kairn::Objects::Vector3<float> direction = worldRay.direction().normalized();
    if (direction.isZero() || !worldRay.origin().isFinite())
        return false;
    const Kairn::Objects::Ray3<float> unitRay(worldRay.origin(), direction);
    context.localToWorld = context.camera ? getDrawTransform(*context.camera) : getFullTransform();
    bool found = false;
    float distance = 0;
    float3 worldPoint;
    if (intersectWorldRay(unitRay, context, distance, worldPoint) && isBetterHit(distance, hit)) {
        hit.node = this;
        hit.distance = distance;
        hit.worldPoint = worldPoint;
        hit.subIndex = -1;
        found = true;
    }
    return pickSubNodes(unitRay, context, hit) || found;
}

bool VyrGraphicsNode::isBetterHit(float distance, const PickHit& hit) const
{
    if (!(distance >= 0) || !std::isfinite(distance))
        return false;
    if (!hit.node)
        return distance < hit.distance;
    // Screen-space parts (an outline, its fill, its vertex markers) lie at one depth: within
    // rounding, the one drawn on top wins.
    const float sameDepth = 1e-4f * (1.0f + hit.distance);
    if (std::abs(distance - hit.distance) <= sameDepth)
        return getPriority() > hit.node->getPriority();
    return distance < hit.distance;
}

bool VyrGraphicsNode::intersectWorldRay(const Kairn::Objects::Ray3<float>& worldRay, const PickContext& context,
                                        float& distance, float3& worldPoint) const
{
    ADevMatrix toLocal;
    if (!ADevMatrix::Invert(context.localToWorld, toLocal))
        return false;
    const float3 localDirection = toLocal.transformVector(worldRay.direction());
    const float stretch = Lumo::length(localDirection);
    if (!(stretch > 0) || !std::isfinite(stretch))
        return false;
    const Kairn::Objects::Ray3<float> localRay(toLocal.transformPoint(worldRay.origin()), localDirection / stretch);
    float t = 0;
    float3 localPoint;
    if (!intersectLocalRay(localRay, context, t, localPoint))
        return false;
    distance = t / stretch;
    worldPoint = context.toWorld(localPoint);
    return true;
}

bool VyrGraphicsNode::intersectLocalRay(const Kairn::Objects::Ray3<float>&, const PickContext&, float&, float3&) const
{
    return false;
}

void VyrGraphicsNode::enumerateSubNodes(const std::function<void(VyrGraphicsNode*)>&) const {}

int VyrGraphicsNode::subNodeCount() const
{
    return 0;
}

VyrGraphicsNode* VyrGraphicsNode::subNodeAt(int) const
{
    return nullptr;
}

bool VyrGraphicsNode::pickSubNodes(const Kairn::Objects::Ray3<float>& worldRay, PickContext& context, PickHit& hit)
{
    bool found = false;
    for (int i = 0, count = subNodeCount(); i < count; ++i)
        if (VyrGraphicsNode* node = subNodeAt(i); node && node->pickRay(worldRay, context, hit))
            found = true;
    return found;
}

bool VyrGraphicsNode::computeSubtreePickBounds(PickContext& context, PickBox& box, bool& viewDependent) const
{
    // Visibility and pickability are left to the exact tests: they may change without a word
    // to the scene, and a box that holds hidden nodes too is still a bound.
    if (isViewDependentChain())
        viewDependent = true;
    context.localToWorld = context.camera ? getDrawTransform(*context.camera) : getFullTransform();
    PickBox own;
    if (!ownPickBounds(context, own, viewDependent))
        return false;
    box.extend(own);
    for (int i = 0, count = subNodeCount(); i < count; ++i)
        if (const VyrGraphicsNode* node = subNodeAt(i); node && !node->computeSubtreePickBounds(context, box, viewDependent))
            return false;
    return true;
}

bool VyrGraphicsNode::ownPickBounds(const PickContext& context, PickBox& box, bool& viewDependent) const
{
    return addLocalPickBox(getUntransformedBounds(), ownPickTolerancePixels(context), context, box, viewDependent);
}

bool VyrGraphicsNode::addLocalPickBox(const Kairn::Objects::Box<double>& local, float tolerance,
                                      const PickContext& context, PickBox& box, bool& viewDependent)
{
    if (local.isEmpty())
        return true;
    PickBox world;
    float leastPixelsPerUnit = INFINITY;
    const bool measuresPixels = tolerance > 0 && context.camera;
    for (int corner = 0; corner < 8; ++corner) {
        const float3 p{float(corner & 1 ? local.max().x : local.min().x), float(corner & 2 ? local.max().y : local.min().y),
                       float(corner & 4 ? local.max().z : local.min().z)};
        const float3 q = context.toWorld(p);
        if (!Lumo::isFinite(q))
            return false;
        world.extend(q);
        if (measuresPixels)
            leastPixelsPerUnit = std::min(leastPixelsPerUnit, context.camera->pixelsPerWorldUnitAt(q));
    }
    float margin = 0;
    if (tolerance > 0) {
        // A curve is hit where the ray passes within the tolerance, in pixels at the depth of
        // its nearest point: at most this far in world units anywhere in the box.
        viewDependent = true;
        if (!context.camera)
            return true;
        margin = tolerance / leastPixelsPerUnit;
        if (!std::isfinite(margin))
            return false;
    }
    world.inflate(margin);
    box.extend(world);
    return true;
}

float VyrGraphicsNode::ownPickTolerancePixels(const PickContext&) const
{
    return 0;
}

} // namespace Kairn::Graphics
