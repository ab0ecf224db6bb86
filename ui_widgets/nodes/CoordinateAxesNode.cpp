#include "ui_widgets/nodes/CoordinateAxesNode.h"

#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/nodes/CustomNodeSupport.h"
#include "ui_widgets/nodes/VyrArrowNode.h"
#include "ui_widgets/nodes/VyrMarginTextNode.h"

#include <array>

namespace Velto::UiWidget {

namespace {
struct Axis
{
    Lumo::float3 direction;
    const char* color;
};

constexpr std::array<Axis, 3> Axes{{
    {{1.0f, 0.0f, 0.0f}, "rgba(255,138,138,100%)"},
    {{0.0f, 1.0f, 0.0f}, "rgba(177,205,173,100%)"},
    {{0.0f, 0.0f, 1.0f}, "rgba(141,189,205,100%)"},
}};
} // namespace

CoordinateAxesNode::CoordinateAxesNode() = default;

CoordinateAxesNode::CoordinateAxesNode(const CoordinateAxesNode& other)
    : Kairn::Graphics::VyrGroupNode(other), NetObjectCountImpl<CoordinateAxesNode>(other)
{
}

CoordinateAxesNode& CoordinateAxesNode::operator=(const CoordinateAxesNode& other)
{
    Kairn::Graphics::VyrGroupNode::operator=(other);
    return *this;
}

CoordinateAxesNode::~CoordinateAxesNode() = default;

CoordinateAxesNode* CoordinateAxesNode::createGraphicsNode()
{
    auto* node = new CoordinateAxesNode();
    node->init();
    return node;
}

CoordinateAxesNode* CoordinateAxesNode::createAndAddGraphicsNode(Kairn::Graphics::IScene* scene,
                                                                 Kairn::Graphics::SceneItemType type)
{
    return createNodeInScene<CoordinateAxesNode>(scene, type);
}

const Lumo::Objects::UString* CoordinateAxesNode::InterfaceID()
{
    static const Lumo::Objects::UString* const id = Lumo::Objects::Intern(L"CoordinateAxesNode");
    return id;
}

const Lumo::Objects::UString* CoordinateAxesNode::ClassName() const
{
    return InterfaceID();
}

void* CoordinateAxesNode::GetInterface(const Lumo::Objects::UString* id)
{
    if (id == InterfaceID())
        return this;
    return Kairn::Graphics::VyrGroupNode::GetInterface(id);
}

void CoordinateAxesNode::init()
{
    Kairn::Graphics::VyrGroupNode::init();
    for (const Axis& axis : Axes) {
        auto* group = Kairn::Graphics::VyrGroupNode::createGraphicsNode();
        auto* arrow = VyrArrowNode::createGraphicsNode();
        arrow->setPosition({0.0f, 0.0f, 0.0f});
        arrow->setZDirection(axis.direction);
        group->addChildNode(arrow, false);
        group->setColor(styleColor(axis.color));
        addChildNode(group, false);
    }
}

void CoordinateAxesNode::setAxesTextVisible(bool visible)
{
    setTextVisibleRecursive(this, visible);
}

void CoordinateAxesNode::setTextVisibleRecursive(Kairn::Graphics::VyrGroupNode* group, bool visible)
{
    if (!group)
        return;
    group->enumerateChildNodes([&](Kairn::Graphics::VyrGraphicsNode* child) {
        if (!child)
            return;
        if (auto* label = static_cast<VyrMarginTextNode*>(child->GetInterface(VyrMarginTextNode::InterfaceID())))
            label->setVisible(visible);
        else if (auto* subgroup = static_cast<Kairn::Graphics::VyrGroupNode*>(
                     child->GetInterface(Kairn::Graphics::VyrGroupNode::InterfaceID())))
            setTextVisibleRecursive(subgroup, visible);
    });
}

} // namespace Velto::UiWidget
