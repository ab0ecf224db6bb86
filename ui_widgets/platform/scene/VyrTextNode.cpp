#include "ui_widgets/platform/scene/VyrTextNode.h"

#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/scene/TextMetrics.h"

#include <cmath>

namespace Kairn::Graphics {

VyrTextNode* VyrTextNode::createGraphicsNode()
{
    auto* node = new VyrTextNode();
    node->init();
    return node;
}

VyrTextNode* VyrTextNode::createAndAddGraphicsNode(IScene* scene, SceneItemType type)
{
    if (!scene)
        return nullptr;
    VyrTextNode* node = createGraphicsNode();
    node->addToScene(scene, type);
    return node;
}

const Lumo::Objects::UString* VyrTextNode::InterfaceID()
{
    static const Lumo::Objects::UString* id = Lumo::Objects::Intern(L"VyrTextNode");
    return id;
}

const Lumo::Objects::UString* VyrTextNode::ClassName() const
{
    return InterfaceID();
}

void* VyrTextNode::GetInterface(const Lumo::Objects::UString* id)
{
    return id == InterfaceID() ? this : VyrGraphicsNode::GetInterface(id);
}

void VyrTextNode::setText(const wchar_t* text)
{
    const std::wstring value = text ? text : L"";
    if (value == m_text)
        return;
    m_text = value;
    update();
}

void VyrTextNode::setFont(const wchar_t* family)
{
    if (!family || m_font == family)
        return;
    m_font = family;
    update();
}

void VyrTextNode::setFontSize(float value)
{
    if (!(value > 0.0f && std::isfinite(value)) || value == m_fontSize)
        return;
    m_fontSize = value;
    update();
}

QSizeF VyrTextNode::textSizeInPixels() const
{
    return TextMetrics::measure(m_text, m_font, m_fontSize);
}

Kairn::Objects::Box<double> VyrTextNode::getUntransformedBounds() const
{
    const QSizeF size = textSizeInPixels() * worldUnitsPerFontPixel;
    if (size.isEmpty())
        return {};
    const double halfWidth = 0.5 * size.width(), halfHeight = 0.5 * size.height();
    return {{-halfWidth, -halfHeight, 0.0}, {halfWidth, halfHeight, 0.0}};
}

bool VyrTextNode::intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext&, float& t,
                                    Lumo::float3& localPoint) const
{
    const Kairn::Objects::Box<double> quad = getUntransformedBounds();
    if (quad.isEmpty() || localRay.direction().z == 0.0f)
        return false;
    const float crossing = -localRay.origin().z / localRay.direction().z;
    const Lumo::float3 p = localRay.pointAt(crossing);
    if (!(crossing >= 0.0f) || p.x < quad.min().x || p.x > quad.max().x || p.y < quad.min().y || p.y > quad.max().y)
        return false;
    t = crossing;
    localPoint = p;
    return true;
}

} // namespace Kairn::Graphics
