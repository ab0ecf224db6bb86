#pragma once

#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/scene/NetObjectCountImpl.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"
#include "ui_widgets/platform/scene/VyrText2dNode.h"

namespace Velto::UiWidget {

// A text label drawn at constant size on screen, a fixed margin beside the projection of a 3D
// anchor point. Positioning the label moves its anchor only: the node itself stays where it is.
class VyrMarginTextNode : public Kairn::Graphics::VyrGroupNode, public NetObjectCountImpl<VyrMarginTextNode>
{
public:
    // The copy shares the text child of the original. Each label also holds a reference on it,
    // so a copy stays usable when the label it was made from is gone.
    VyrMarginTextNode(const VyrMarginTextNode& other);
    VyrMarginTextNode& operator=(const VyrMarginTextNode& other);
    ~VyrMarginTextNode() override;

    static VyrMarginTextNode* createGraphicsNode();
    static VyrMarginTextNode* createAndAddGraphicsNode(Kairn::Graphics::IScene* scene,
                                                       Kairn::Graphics::SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    NET_OBJECT_COUNT_OF(VyrMarginTextNode);

    // Anchor the label at a 3D point. The size arguments of the two setConstantScreenSize forms
    // are not used: the label is always drawn in screen pixels.
    void setPosition(const Lumo::float3& anchor) override;
    void setConstantScreenSize(int pixels, float factor, const Lumo::float3& anchor) override;
    void setConstantScreenSize(int pixels, float factor) override;

    // The text colour; the label has no other geometry to colour.
    void setColor(const Lumo::vec4<float>& color) override;
    Lumo::vec4<float> getColor() const override;

    virtual void setFontSize(float size);
    virtual float getFontSize() const;
    virtual void setText(const wchar_t* text);
    virtual const wchar_t* getText() const;
    virtual void setFont(const wchar_t* font);
    virtual const wchar_t* getFont() const;
    virtual void setBackgroundColor(const Lumo::vec4<float>& color);
    virtual Lumo::vec4<float> getBackgroundColor() const;

protected:
    VyrMarginTextNode();
    void init() override;

private:
    Lumo::Objects::AutoPtr<Kairn::Graphics::VyrText2dNode> mText;
};

} // namespace Velto::UiWidget
