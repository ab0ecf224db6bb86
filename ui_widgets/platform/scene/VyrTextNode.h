#pragma once

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

#include <QSizeF>

#include <string>

namespace Kairn::Graphics {

// A line of text drawn as a quad in the local XY plane, centred on the origin and read along +X
// with +Y up. The quad is world-sized: one pixel of the font's metrics at the font size is
// worldUnitsPerFontPixel world units (before the node's scale), so a 10-unit font is about 1.2
// units high. The quad is picked exactly; a null text reads as empty, a null font or a
// non-positive font size is ignored.
class VyrTextNode : public VyrGraphicsNode, public NetObjectCountImpl<VyrTextNode>
{
public:
    NET_OBJECT_COUNT_OF(VyrTextNode);

    static VyrTextNode* createGraphicsNode();
    // Null scene: returns null and creates nothing.
    static VyrTextNode* createAndAddGraphicsNode(IScene* scene, SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    static constexpr float worldUnitsPerFontPixel = 0.1f;

    void setText(const wchar_t* text);
    const wchar_t* getText() const { return m_text.c_str(); }
    void setFont(const wchar_t* family);
    const wchar_t* getFont() const { return m_font.c_str(); }
    void setFontSize(float size);
    float getFontSize() const { return m_fontSize; }
    void setBackgroundColor(const Lumo::vec4<float>& color) { m_backgroundColor = color; }
    Lumo::vec4<float> getBackgroundColor() const { return m_backgroundColor; }
    // The text's line measured at the font size, in pixels (see TextMetrics).
    QSizeF textSizeInPixels() const;

    Kairn::Objects::Box<double> getUntransformedBounds() const override;
    bool intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext& context, float& t,
                           Lumo::float3& localPoint) const override;

protected:
    VyrTextNode() = default;

private:
    std::wstring m_text;
    std::wstring m_font = L"Arial";
    float m_fontSize = 12.0f;
    Lumo::vec4<float> m_backgroundColor{0.0f, 0.0f, 0.0f, 0.0f};
};

} // namespace Kairn::Graphics
