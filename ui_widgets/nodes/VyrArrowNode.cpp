#include "ui_widgets/nodes/VyrArrowNode.h"

#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/nodes/CustomNodeSupport.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrConeNode.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"

namespace Velto::UiWidget {

namespace {
constexpr float HeadRadius = 0.075f;
constexpr float HeadHeight = 0.15f;
}

VyrArrowNode::VyrArrowNode() = default;

VyrArrowNode::VyrArrowNode(const VyrArrowNode& other)
    : Kairn::Graphics::VyrGroupNode(other), NetObjectCountImpl<VyrArrowNode>(other)
{
}

VyrArrowNode& VyrArrowNode::operator=(const VyrArrowNode& other)
{
    Kairn::Graphics::VyrGroupNode::operator=(other);
    return *this;
}

VyrArrowNode::~VyrArrowNode() = default;

VyrArrowNode* VyrArrowNode::createGraphicsNode()
{
    auto* node = new VyrArrowNode();
    node->init();
    return node;
}

VyrArrowNode* VyrArrowNode::createAndAddGraphicsNode(Kairn::Graphics::IScene* scene,
                                                     Kairn::Graphics::SceneItemType type)
{
    return createNodeInScene<VyrArrowNode>(scene, type);
}

const Lumo::Objects::UString* VyrArrowNode::InterfaceID()
{
    static const Lumo::Objects::UString* const id = Lumo::Objects::Intern(L"VyrArrowNode");
    return id;
}

const Lumo::Objects::UString* VyrArrowNode::ClassName() const
{
    return InterfaceID();
}

void* VyrArrowNode::GetInterface(const Lumo::Objects::UString* id)
{
    if (id == InterfaceID())
        return this;
    return Kairn::Graphics::VyrGroupNode::GetInterface(id);
}

void VyrArrowNode::init()
{
    Kairn::Graphics::VyrGroupNode::init();
    const Lumo::float3 tip{0.0f, 0.0f, 1.0f};

    auto* shaft = Kairn::Graphics::VyrLineSegmentNode::createGraphicsNode();
    shaft->setStartPoint({0.0f, 0.0f, 0.0f});
    shaft->setEndPoint(tip);
    addChildNode(shaft, false);

    auto* disc = Kairn::Graphics::VyrCircleNode::createGraphicsNode();
    disc->setRadius(HeadRadius);
    disc->setFillable(true);
    addChildNode(disc, tip);

    auto* head = Kairn::Graphics::VyrConeNode::createGraphicsNode();
    head->setRadius(HeadRadius);
    head->setHeight(HeadHeight);
    addChildNode(head, tip);

    setColor(widgetBlue());
}

} // namespace Velto::UiWidget
