#pragma once

#include "ui_widgets/platform/scene/NetObjectCountImpl.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"

namespace Velto::UiWidget {

// The three axes of a coordinate frame: unit arrows along +X, +Y and +Z from a common origin,
// tinted red, green and blue. Its children are three axis groups, in the order X, Y, Z, each
// holding its arrow; callers may add labels (margin text nodes) anywhere below them.
class CoordinateAxesNode : public Kairn::Graphics::VyrGroupNode, public NetObjectCountImpl<CoordinateAxesNode>
{
public:
    CoordinateAxesNode(const CoordinateAxesNode& other);
    CoordinateAxesNode& operator=(const CoordinateAxesNode& other);
    ~CoordinateAxesNode() override;

    static CoordinateAxesNode* createGraphicsNode();
    static CoordinateAxesNode* createAndAddGraphicsNode(Kairn::Graphics::IScene* scene,
                                                        Kairn::Graphics::SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    NET_OBJECT_COUNT_OF(CoordinateAxesNode);

    // Shows or hides every margin text label below this node, at any depth.
    void setAxesTextVisible(bool visible);

protected:
    CoordinateAxesNode();
    void init() override;

    // Visits the direct children of the group: a margin text label is shown or hidden (its own
    // text child is not visited), any other group is searched in turn.
    void setTextVisibleRecursive(Kairn::Graphics::VyrGroupNode* group, bool visible);
};

} // namespace Velto::UiWidget
