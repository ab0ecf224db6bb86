#include "ui_widgets/nodes/VyrPolygonSelectionNode.h"

#include "ui_widgets/nodes/CustomNodeSupport.h"
#include "ui_widgets/platform/scene/Billboard.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"

namespace Velto::UiWidget {

namespace {
constexpr float OutlineWeight = 0.1f;
constexpr int MarkerPriority = 16;
constexpr float MarkerScale = 3.0f;
constexpr Kairn::Graphics::SceneItemType MarkerSceneType = 1;
} // namespace

VyrPolygonSelectionNode::VyrPolygonSelectionNode() = default;

VyrPolygonSelectionNode::VyrPolygonSelectionNode(const VyrPolygonSelectionNode& other)
    : Kairn::Graphics::VyrPolyline2dNode(other)
    , NetObjectCountImpl<VyrPolygonSelectionNode>(other)
    , mEndPointMarkers(other.mEndPointMarkers)
    , mFill(other.mFill)
    , mEndPointsShown(other.mEndPointsShown)
{
}

VyrPolygonSelectionNode& VyrPolygonSelectionNode::operator=(const VyrPolygonSelectionNode& other)
{
    Kairn::Graphics::VyrPolyline2dNode::operator=(other);
    mEndPointMarkers = other.mEndPointMarkers;
    mFill = other.mFill;
    mEndPointsShown = other.mEndPointsShown;
    return *this;
}

VyrPolygonSelectionNode::~VyrPolygonSelectionNode() = default;

VyrPolygonSelectionNode* VyrPolygonSelectionNode::createGraphicsNode()
{
    auto* node = new VyrPolygonSelectionNode();
    node->init();
    return node;
}

VyrPolygonSelectionNode* VyrPolygonSelectionNode::createAndAddGraphicsNode(Kairn::Graphics::IScene* scene,
                                                                           Kairn::Graphics::SceneItemType type)
{
    return createNodeInScene<VyrPolygonSelectionNode>(scene, type);
}

const Lumo::Objects::UString* VyrPolygonSelectionNode::InterfaceID()
{
    static const Lumo::Objects::UString* const id = Lumo::Objects::Intern(L"VyrPolygonSelectionNode");
    return id;
}

const Lumo::Objects::UString* VyrPolygonSelectionNode::ClassName() const
{
    return InterfaceID();
}

void* VyrPolygonSelectionNode::GetInterface(const Lumo::Objects::UString* id)
{
    if (id == InterfaceID())
        return this;
    return Kairn::Graphics::VyrPolyline2dNode::GetInterface(id);
}

void VyrPolygonSelectionNode::init()
{
    Kairn::Graphics::VyrPolyline2dNode::init();
    setWeight(OutlineWeight);
    setClosed(true);
    mFill.reset(Kairn::Graphics::VyrPolyline2dNode::createGraphicsNode());
    mFill->setWeight(OutlineWeight);
    mFill->setClosed(true);
    mFill->setFillable(true);
    mEndPointsShown = true;
}

void VyrPolygonSelectionNode::addToScene(Kairn::Graphics::IScene* scene, Kairn::Graphics::SceneItemType type)
{
    Kairn::Graphics::VyrPolyline2dNode::addToScene(scene, type);
    mFill->addToScene(scene, type);
    for (Kairn::Graphics::VyrCircleNode* marker : mEndPointMarkers)
        if (marker)
            marker->addToScene(scene, type);
}

void VyrPolygonSelectionNode::removeFromScene()
{
    Kairn::Graphics::VyrPolyline2dNode::removeFromScene();
    mFill->removeFromScene();
    for (Kairn::Graphics::VyrCircleNode* marker : mEndPointMarkers)
        if (marker)
            marker->removeFromScene();
}

void VyrPolygonSelectionNode::setWorldMatrix(Lumo::Objects::SharedMatrix* matrix)
{
    Kairn::Graphics::VyrPolyline2dNode::setWorldMatrix(matrix);
    mFill->setWorldMatrix(matrix);
    for (Kairn::Graphics::VyrCircleNode* marker : mEndPointMarkers)
        if (marker)
            marker->setWorldMatrix(matrix);
}

void VyrPolygonSelectionNode::setColor(const Lumo::vec4<float>& color)
{
    Kairn::Graphics::VyrPolyline2dNode::setColor(color);
    for (Kairn::Graphics::VyrCircleNode* marker : mEndPointMarkers)
        if (marker)
            marker->setColor(color);
}

bool VyrPolygonSelectionNode::insertPointAtIndex(int index, const Lumo::vec3<float>& point)
{
    if (!Kairn::Graphics::VyrPolyline2dNode::insertPointAtIndex(index, point))
        return false;
    // Vertices added by the plain polyline operations have no slot yet; give them empty ones so
    // that the new slot lands at the vertex's own index.
    while (mEndPointMarkers.size() < index)
        mEndPointMarkers.append(nullptr);
    mEndPointMarkers.insertAt(index, mEndPointsShown ? createMarker(point) : nullptr);
    mFill->insertPointAtIndex(index, point);
    return true;
}

bool VyrPolygonSelectionNode::removePointAtIndex(int index)
{
    if (!Kairn::Graphics::VyrPolyline2dNode::removePointAtIndex(index))
        return false;
    mFill->removePointAtIndex(index);
    mEndPointMarkers.removeAt(index);
    return true;
}

Kairn::Graphics::VyrCircleNode* VyrPolygonSelectionNode::createMarker(const Lumo::vec3<float>& point)
{
    auto* marker = Kairn::Graphics::VyrCircleNode::createGraphicsNode();
    marker->setFillable(true);
    marker->setColor(getColor());
    marker->setVisible(true);
    marker->setPriority(MarkerPriority);
    Lumo::Graphics::Billboard billboard;
    billboard.kind = 1;
    billboard.FixedScaleFactor = MarkerScale;
    billboard.useScreenPosition = true;
    billboard.ScreenPosition(Lumo::vec2<float>{point.x, point.y});
    billboard.keepUpright = false;
    marker->setBillboard(billboard);
    if (Kairn::Graphics::IScene* scene = getScene())
        marker->addToScene(scene, MarkerSceneType);
    return marker;
}

void VyrPolygonSelectionNode::showEndPoints(bool shown)
{
    mEndPointsShown = shown;
    for (Kairn::Graphics::VyrCircleNode* marker : mEndPointMarkers)
        if (marker)
            marker->setVisible(shown);
}

bool VyrPolygonSelectionNode::areEndPointsShown() const
{
    return mEndPointsShown;
}

void VyrPolygonSelectionNode::setFillableColor(const Lumo::vec4<float>& color)
{
    mFill->setColor(color);
}

Lumo::vec4<float> VyrPolygonSelectionNode::getFillableColor() const
{
    return mFill->getColor();
}

Kairn::Graphics::VyrPolyline2dNode* VyrPolygonSelectionNode::getFillNode() const
{
    return mFill.get();
}

Kairn::Graphics::VyrCircleNode* VyrPolygonSelectionNode::getEndPointMarker(int vertexIndex) const
{
    return mEndPointMarkers.at(vertexIndex);
}

} // namespace Velto::UiWidget
