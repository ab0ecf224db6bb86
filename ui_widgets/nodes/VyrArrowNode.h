#pragma once

#include "ui_widgets/platform/scene/NetObjectCountImpl.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"

namespace Velto::UiWidget {

// A unit arrow along the local +Z axis: a line shaft from the origin to (0, 0, 1), a cone head
// from z = 1 to z = 1.15 and a filled disc closing the cone's base, all in widget blue. Aim it
// with the direction setters and size it with the scaling operations of any node.
class VyrArrowNode : public Kairn::Graphics::VyrGroupNode, public NetObjectCountImpl<VyrArrowNode>
{
public:
    VyrArrowNode(const VyrArrowNode& other);
    VyrArrowNode& operator=(const VyrArrowNode& other);
    ~VyrArrowNode() override;

    static VyrArrowNode* createGraphicsNode();
    static VyrArrowNode* createAndAddGraphicsNode(Kairn::Graphics::IScene* scene,
                                                  Kairn::Graphics::SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    NET_OBJECT_COUNT_OF(VyrArrowNode);

protected:
    VyrArrowNode();
    void init() override;
};

} // namespace Velto::UiWidget
