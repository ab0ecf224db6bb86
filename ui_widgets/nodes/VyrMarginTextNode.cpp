#include "ui_widgets/nodes/VyrMarginTextNode.h"

#include "ui_widgets/nodes/CustomNodeSupport.h"
#include "ui_widgets/platform/scene/Billboard.h"

namespace Velto::UiWidget {

namespace {
// The label sits this many pixels right of and below its anchor.
constexpr float Margin = 10.0f;

Lumo::Graphics::Billboard screenLabelBillboard()
{
    Lumo::Graphics::Billboard billboard;
    billboard.kind = 1;
    billboard.FixedScaleFactor = 1.0f;
    billboard.keepUpright = true;
    return billboard;
}
} // namespace

VyrMarginTextNode::VyrMarginTextNode() = default;

VyrMarginTextNode::VyrMarginTextNode(const VyrMarginTextNode& other)
    : Kairn::Graphics::VyrGroupNode(other), NetObjectCountImpl<VyrMarginTextNode>(other), mText(other.mText)
{
}

VyrMarginTextNode& VyrMarginTextNode::operator=(const VyrMarginTextNode& other)
{
    Kairn::Graphics::VyrGroupNode::operator=(other);
    mText = other.mText;
    return *this;
}

VyrMarginTextNode::~VyrMarginTextNode() = default;

VyrMarginTextNode* VyrMarginTextNode::createGraphicsNode()
{
    auto* node = new VyrMarginTextNode();
    node->init();
    return node;
}

VyrMarginTextNode* VyrMarginTextNode::createAndAddGraphicsNode(Kairn::Graphics::IScene* scene,
                                                               Kairn::Graphics::SceneItemType type)
{
    return createNodeInScene<VyrMarginTextNode>(scene, type);
}

const Lumo::Objects::UString* VyrMarginTextNode::InterfaceID()
{
    static const Lumo::Objects::UString* const id = Lumo::Objects::Intern(L"VyrMarginTextNode");
    return id;
}

const Lumo::Objects::UString* VyrMarginTextNode::ClassName() const
{
    return InterfaceID();
}

void* VyrMarginTextNode::GetInterface(const Lumo::Objects::UString* id)
{
    if (id == InterfaceID())
        return this;
    return Kairn::Graphics::VyrGroupNode::GetInterface(id);
}

void VyrMarginTextNode::init()
{
    Kairn::Graphics::VyrGroupNode::init();
    mText.reset(Kairn::Graphics::VyrText2dNode::createGraphicsNode());
    mText->removeBillboard();
    addChildNode(mText.get(), false);
    mText->setPosition(Lumo::float3{1.0f, -1.0f, 0.0f} * Margin);
    setBillboard(screenLabelBillboard());
}

void VyrMarginTextNode::setPosition(const Lumo::float3& anchor)
{
    const Lumo::Graphics::Billboard* current = getBillboard();
    Lumo::Graphics::Billboard billboard = current ? *current : screenLabelBillboard();
    billboard.AnchorPosition = anchor;
    billboard.useScreenPosition = false;
    setBillboard(billboard);
}

void VyrMarginTextNode::setConstantScreenSize(int, float, const Lumo::float3& anchor)
{
    setPosition(anchor);
}

void VyrMarginTextNode::setConstantScreenSize(int pixels, float factor)
{
    setConstantScreenSize(pixels, factor, getPosition());
}

void VyrMarginTextNode::setColor(const Lumo::vec4<float>& color)
{
    mText->setColor(color);
}

Lumo::vec4<float> VyrMarginTextNode::getColor() const
{
    return mText->getColor();
}

void VyrMarginTextNode::setFontSize(float size)
{
    mText->setFontSize(size);
}

float VyrMarginTextNode::getFontSize() const
{
    return mText->getFontSize();
}

void VyrMarginTextNode::setText(const wchar_t* text)
{
    mText->setText(text);
}

const wchar_t* VyrMarginTextNode::getText() const
{
    return mText->getText();
}

void VyrMarginTextNode::setFont(const wchar_t* font)
{
    mText->setFont(font);
}

const wchar_t* VyrMarginTextNode::getFont() const
{
    return mText->getFont();
}

void VyrMarginTextNode::setBackgroundColor(const Lumo::vec4<float>& color)
{
    mText->setBackgroundColor(color);
}

Lumo::vec4<float> VyrMarginTextNode::getBackgroundColor() const
{
    return mText->getBackgroundColor();
}

} // namespace Velto::UiWidget
