#include "ui_widgets/nodes/VyrHollowPlaneNode.h"

#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/nodes/CustomNodeSupport.h"

namespace Velto::UiWidget {

VyrHollowPlaneNode::VyrHollowPlaneNode() = default;

VyrHollowPlaneNode::VyrHollowPlaneNode(const VyrHollowPlaneNode& other)
    : Kairn::Graphics::VyrPolylineNode(other), NetObjectCountImpl<VyrHollowPlaneNode>(other)
{
}

VyrHollowPlaneNode& VyrHollowPlaneNode::operator=(const VyrHollowPlaneNode& other)
{
    Kairn::Graphics::VyrPolylineNode::operator=(other);
    return *this;
}

VyrHollowPlaneNode::~VyrHollowPlaneNode() = default;

VyrHollowPlaneNode* VyrHollowPlaneNode::createGraphicsNode()
{
    auto* node = new VyrHollowPlaneNode();
    node->init();
    return node;
}

VyrHollowPlaneNode* VyrHollowPlaneNode::createAndAddGraphicsNode(Kairn::Graphics::IScene* scene,
                                                                 Kairn::Graphics::SceneItemType type)
{
    return createNodeInScene<VyrHollowPlaneNode>(scene, type);
}

const Lumo::Objects::UString* VyrHollowPlaneNode::InterfaceID()
{
    static const Lumo::Objects::UString* const id = Lumo::Objects::Intern(L"VyrHollowPlaneNode");
    return id;
}

const Lumo::Objects::UString* VyrHollowPlaneNode::ClassName() const
{
    return InterfaceID();
}

void* VyrHollowPlaneNode::GetInterface(const Lumo::Objects::UString* id)
{
    if (id == InterfaceID())
        return this;
    return Kairn::Graphics::VyrPolylineNode::GetInterface(id);
}

void VyrHollowPlaneNode::init()
{
    Kairn::Graphics::VyrPolylineNode::init();
    const Lumo::float3 x{1.0f, 0.0f, 0.0f};
    const Lumo::float3 y{0.0f, 1.0f, 0.0f};
    const Lumo::float3 start = -(x + y) / 2.0f;
    addPoint(start);
    addPoint(start + x);
    addPoint(start + x + y);
    addPoint(start + y);
    setClosed(true);
    setColor(widgetBlue());
}

bool VyrHollowPlaneNode::hasFrame() const
{
    return getMathModel().pointCount() >= 3;
}

Lumo::float3 VyrHollowPlaneNode::corner(int index) const
{
    return getMathModel().point(index);
}

Lumo::float3 VyrHollowPlaneNode::getUntransformedPosition() const
{
    if (!hasFrame())
        return Kairn::Graphics::VyrPolylineNode::getUntransformedPosition();
    return (corner(0) + corner(2)) / 2.0f;
}

Lumo::float3 VyrHollowPlaneNode::getUntransformedXDirection() const
{
    if (!hasFrame())
        return Kairn::Graphics::VyrPolylineNode::getUntransformedXDirection();
    return Lumo::normalized(corner(1) - corner(0));
}

Lumo::float3 VyrHollowPlaneNode::getUntransformedYDirection() const
{
    if (!hasFrame())
        return Kairn::Graphics::VyrPolylineNode::getUntransformedYDirection();
    return Lumo::normalized(corner(2) - corner(1));
}

Lumo::float3 VyrHollowPlaneNode::getUntransformedZDirection() const
{
    if (!hasFrame())
        return Kairn::Graphics::VyrPolylineNode::getUntransformedZDirection();
    return Lumo::normalized(Lumo::cross(getUntransformedXDirection(), getUntransformedYDirection()));
}

float VyrHollowPlaneNode::getUntransformedXLength() const
{
    if (!hasFrame())
        return Kairn::Graphics::VyrPolylineNode::getUntransformedXLength();
    return Lumo::length(corner(1) - corner(0));
}

float VyrHollowPlaneNode::getUntransformedYLength() const
{
    if (!hasFrame())
        return Kairn::Graphics::VyrPolylineNode::getUntransformedYLength();
    return Lumo::length(corner(2) - corner(1));
}

float VyrHollowPlaneNode::getUntransformedZLength() const
{
    if (!hasFrame())
        return Kairn::Graphics::VyrPolylineNode::getUntransformedZLength();
    return 0.0f;
}

} // namespace Velto::UiWidget
