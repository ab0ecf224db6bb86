#include "ui_widgets/nodes/VyrBoxNode.h"

#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/nodes/CustomNodeSupport.h"
#include "ui_widgets/nodes/VyrHollowPlaneNode.h"

#include <array>

namespace Velto::UiWidget {

namespace {
struct FaceFrame
{
    Lumo::float3 centre;
    Lumo::float3 xDirection;
    Lumo::float3 yDirection;
};

// In Plane order; each face's X x Y is its outward normal.
constexpr std::array<FaceFrame, 6> Faces{{
    {{0.5f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f}},
    {{-0.5f, 0.0f, 0.0f}, {0.0f, -1.0f, 0.0f}, {0.0f, 0.0f, 1.0f}},
    {{0.0f, 0.5f, 0.0f}, {-1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}},
    {{0.0f, -0.5f, 0.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}},
    {{0.0f, 0.0f, 0.5f}, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}},
    {{0.0f, 0.0f, -0.5f}, {-1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}},
}};
} // namespace

VyrBoxNode::VyrBoxNode() = default;

VyrBoxNode::VyrBoxNode(const VyrBoxNode& other)
    : Kairn::Graphics::VyrGroupNode(other), NetObjectCountImpl<VyrBoxNode>(other)
{
}

VyrBoxNode& VyrBoxNode::operator=(const VyrBoxNode& other)
{
    Kairn::Graphics::VyrGroupNode::operator=(other);
    return *this;
}

VyrBoxNode::~VyrBoxNode() = default;

VyrBoxNode* VyrBoxNode::createGraphicsNode()
{
    auto* node = new VyrBoxNode();
    node->init();
    return node;
}

VyrBoxNode* VyrBoxNode::createAndAddGraphicsNode(Kairn::Graphics::IScene* scene, Kairn::Graphics::SceneItemType type)
{
    return createNodeInScene<VyrBoxNode>(scene, type);
}

const Lumo::Objects::UString* VyrBoxNode::InterfaceID()
{
    static const Lumo::Objects::UString* const id = Lumo::Objects::Intern(L"VyrBoxNode");
    return id;
}

const Lumo::Objects::UString* VyrBoxNode::ClassName() const
{
    return InterfaceID();
}

void* VyrBoxNode::GetInterface(const Lumo::Objects::UString* id)
{
    if (id == InterfaceID())
        return this;
    return Kairn::Graphics::VyrGroupNode::GetInterface(id);
}

void VyrBoxNode::init()
{
    Kairn::Graphics::VyrGroupNode::init();
    for (const FaceFrame& frame : Faces) {
        auto* face = VyrHollowPlaneNode::createGraphicsNode();
        face->setXYDirections(frame.xDirection, frame.yDirection);
        face->setFillable(false);
        face->participateInLighting(false);
        addChildNode(face, frame.centre);
    }
    setColor(widgetBlue());
}

void VyrBoxNode::setFillWithColor(Plane plane, bool fill, const Lumo::vec4<float>& color)
{
    int index = 0;
    enumerateChildNodes([&](Kairn::Graphics::VyrGraphicsNode* child) {
        if (index++ != static_cast<int>(plane) || !child)
            return;
        auto* face = static_cast<VyrHollowPlaneNode*>(child->GetInterface(VyrHollowPlaneNode::InterfaceID()));
        if (!face)
            return;
        face->setFillable(fill);
        face->setColor(color);
    });
}

} // namespace Velto::UiWidget
