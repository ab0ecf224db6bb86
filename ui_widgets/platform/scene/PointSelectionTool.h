#pragma once

#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/math/Ray3.h"
#include "ui_widgets/platform/scene/IPointSelectionTool.h"
#include "ui_widgets/platform/scene/PickHit.h"
#include "ui_widgets/platform/scene/PointSelectionToolSettings.h"
#include "ui_widgets/platform/scene/SceneItemType.h"

namespace Kairn::Graphics {

class Viewport;
class VyrGraphicsNode;

// The point selection tool of GraphicsSystem. A pick casts the viewport camera's ray through the
// screen point into the top-level nodes of the scene item types its kind sees (seesItemType) and
// keeps the nearest hit, with a tolerance of pixelTolerance pixels for curves. "Tagged only" skips
// top-level nodes without attachments. The viewport must outlive the tool.
//
// The walk follows what is drawn: an invisible (unless hidden nodes are included) or unpickable
// node hides its subtree; each node's transform is its pose followed by its parent's transform,
// scaled about its anchor for a constant screen size and turned by its billboard
// (BillboardPlacement); a node with a proxy is picked through its proxy part only, and the pick
// reports that part; every other node is tested with intersectLocalRay and then its sub nodes.
class PointSelectionTool : public IPointSelectionTool
{
public:
    static constexpr float pixelTolerance = 4.0f;

    PointSelectionTool(Viewport* viewport, int kind);

    // Kind 3 sees the overlay (item type 3) only; kind 1 every item type except the model (0)
    // and the overlay (3); kind 0 the model only (surface picks); any other kind its own type.
    static bool seesItemType(int kind, SceneItemType type);

    int kind() const override { return m_kind; }
    PointSelectionToolSettings* settings() override { return &m_settings; }
    Lumo::Graphics::RenderNode* pick(const Lumo::vec2<float>& screenPoint, Kairn::Objects::Vector3<float>& worldPoint,
                                     float* distance = nullptr, int* subIndex = nullptr) override;
    // The nearest hit must be a mesh node (VyrMeshNode); other geometry in front hides it.
    bool pickSurface(const Lumo::vec2<float>& screenPoint, Kairn::Objects::Vector3<float>& point,
                     Kairn::Objects::Vector3<float>& normal) override;

private:
    struct Walk;
    static void pickSubtree(VyrGraphicsNode* node, const Lumo::Objects::ADevMatrix* parentTransform, Walk& walk);
    bool pickNearest(const Lumo::vec2<float>& screenPoint, Kairn::Objects::Ray3<float>& ray, PickHit& hit,
                     Lumo::Objects::ADevMatrix* hitTransform = nullptr) const;

    Viewport* m_viewport;
    int m_kind;
    PointSelectionToolSettings m_settings;
};

} // namespace Kairn::Graphics
