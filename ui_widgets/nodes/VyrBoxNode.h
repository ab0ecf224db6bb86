#pragma once

#include "ui_widgets/platform/scene/NetObjectCountImpl.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"

namespace Velto::UiWidget {

// The wire-frame of the cube [-0.5, 0.5]^3: six square outlines, one per face, each of which can
// be filled on its own. Scale it by a box's three lengths and place it at the box's centre.
class VyrBoxNode : public Kairn::Graphics::VyrGroupNode, public NetObjectCountImpl<VyrBoxNode>
{
public:
    // A face, by its outward normal; the value is the face's position among the children. The fixed
    // underlying type lets a host pass any int (out-of-range faces are ignored) without UB.
    enum Plane : int
    {
        PositiveX = 0,
        NegativeX = 1,
        PositiveY = 2,
        NegativeY = 3,
        PositiveZ = 4,
        NegativeZ = 5
    };

    VyrBoxNode(const VyrBoxNode& other);
    VyrBoxNode& operator=(const VyrBoxNode& other);
    ~VyrBoxNode() override;

    static VyrBoxNode* createGraphicsNode();
    static VyrBoxNode* createAndAddGraphicsNode(Kairn::Graphics::IScene* scene, Kairn::Graphics::SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    NET_OBJECT_COUNT_OF(VyrBoxNode);

    // Fills the face (or leaves it an outline) and gives it the colour either way. A plane value
    // outside 0..5, or a child there that is not a face outline, changes nothing.
    void setFillWithColor(Plane plane, bool fill, const Lumo::vec4<float>& color);

protected:
    VyrBoxNode();
    void init() override;
};

} // namespace Velto::UiWidget
