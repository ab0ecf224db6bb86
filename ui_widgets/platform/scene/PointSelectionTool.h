#pragma once

#include "ui_widgets/platform/math/Ray3.h"
#include "ui_widgets/platform/scene/IPointSelectionTool.h"
#include "ui_widgets/platform/scene/PickHit.h"
#include "ui_widgets/platform/scene/PointSelectionToolSettings.h"
#include "ui_widgets/platform/scene/SceneItemType.h"

#include <vector>

namespace Kairn::Graphics {

class IScene;
class Viewport;
class VyrGraphicsNode;

// The point selection tool of GraphicsSystem. A pick casts the viewport camera's ray through the
// screen point into the top-level nodes of the scene item types its kind sees (seesItemType) and
// keeps the nearest hit, with a tolerance of pixelTolerance pixels for curves. "Tagged only" skips
// top-level nodes without attachments. The viewport must outlive the tool.
//
// Each top-level node is asked with its own pickRay, in the viewport camera's view, so the pick
// follows what is drawn (VyrGraphicsNode::getDrawTransform): hidden or unpickable subtrees,
// proxies, constant screen size and billboards are the nodes' business, not the tool's.
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
    // A top-level node whose subtree the ray hit, with its place in the scene's order.
    struct Candidate
    {
        SceneItemType type;
        int order;
        VyrGraphicsNode* node;
    };

    bool pickNearest(const Lumo::vec2<float>& screenPoint, Kairn::Objects::Ray3<float>& ray, PickHit& hit) const;

    Viewport* m_viewport;
    int m_kind;
    PointSelectionToolSettings m_settings;
    // Kept between picks so that a pick allocates nothing once it has grown.
    mutable std::vector<Candidate> m_candidates;
    // The scene's item types, read again when nodes join or leave.
    mutable std::vector<SceneItemType> m_itemTypes;
    mutable quint64 m_itemTypesRevision = 0;
    mutable const IScene* m_itemTypesScene = nullptr;
};

} // namespace Kairn::Graphics
