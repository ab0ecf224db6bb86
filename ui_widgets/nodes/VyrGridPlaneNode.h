#pragma once

#include "ui_widgets/platform/scene/NetObjectCountImpl.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"

namespace Velto::UiWidget {

// A square grid of line segments in the plane through an origin spanned by two directions, with
// cellCount cells of the given spacing on each side of the origin, plus one longer axis line
// through the origin along each direction. Children, in order: the 2N + 1 lines along Y, the Y
// axis, the 2N + 1 lines along X, the X axis (4N + 4 in all).
class VyrGridPlaneNode : public Kairn::Graphics::VyrGroupNode, public NetObjectCountImpl<VyrGridPlaneNode>
{
public:
    VyrGridPlaneNode(const VyrGridPlaneNode& other);
    VyrGridPlaneNode& operator=(const VyrGridPlaneNode& other);
    ~VyrGridPlaneNode() override;

    static VyrGridPlaneNode* createGraphicsNode();
    static VyrGridPlaneNode* createAndAddGraphicsNode(Kairn::Graphics::IScene* scene,
                                                      Kairn::Graphics::SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    NET_OBJECT_COUNT_OF(VyrGridPlaneNode);

    // The grid lines use the directions normalised; each axis reaches max(N * spacing,
    // 2 * |direction|) twice over on either side of the origin, so longer directions give longer
    // axes. A zero or non-finite direction, origin or spacing, or a count beyond the int range, is
    // refused and the grid stays as it was.
    void configureGrid(const Lumo::float3& origin, const Lumo::float3& xDirection, const Lumo::float3& yDirection,
                       float spacing, unsigned int cellCount);

    // The grid's origin.
    Lumo::float3 getUntransformedPosition() const override;

protected:
    VyrGridPlaneNode();
    void init() override;
    virtual void generateGrid();

private:
    void addLines(const Lumo::float3& along, const Lumo::float3& across, int from, int to, int step);
    void addAxis(const Lumo::float3& direction, float directionLength);

    Lumo::float3 mOrigin{0.0f, 0.0f, 0.0f};
    Lumo::float3 mXDirection{1.0f, 0.0f, 0.0f};
    Lumo::float3 mYDirection{0.0f, 1.0f, 0.0f};
    unsigned int mCellCount = 10;
    float mSpacing = 0.1f;
};

} // namespace Velto::UiWidget
