#pragma once

#include "ui_widgets/platform/math/ArrayList.h"
#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/scene/NetObjectCountImpl.h"
#include "ui_widgets/platform/scene/VyrPolyline2dNode.h"

namespace Kairn::Graphics {
class VyrCircleNode;
}

namespace Velto::UiWidget {

// A selection polygon in screen positions: the closed outline (this node), a filled copy of it
// and a small disc marker at each vertex. Inserting and removing vertices through this node keeps
// the three in step; the fill and the markers are not children but separate top-level nodes that
// join, move with and leave the scene together with the outline.
//
// Markers follow their vertices: the marker list has one slot per vertex, empty for a vertex that
// was inserted while end points were hidden. Removing a vertex removes its own marker (if it has
// one), whether end points are shown or not, so no marker is ever left behind at another vertex.
class VyrPolygonSelectionNode : public Kairn::Graphics::VyrPolyline2dNode,
                                public NetObjectCountImpl<VyrPolygonSelectionNode>
{
public:
    // The copy shares the fill and the markers of the original and holds its own references.
    VyrPolygonSelectionNode(const VyrPolygonSelectionNode& other);
    VyrPolygonSelectionNode& operator=(const VyrPolygonSelectionNode& other);
    ~VyrPolygonSelectionNode() override;

    static VyrPolygonSelectionNode* createGraphicsNode();
    static VyrPolygonSelectionNode* createAndAddGraphicsNode(Kairn::Graphics::IScene* scene,
                                                             Kairn::Graphics::SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    NET_OBJECT_COUNT_OF(VyrPolygonSelectionNode);

    void addToScene(Kairn::Graphics::IScene* scene, Kairn::Graphics::SceneItemType type) override;
    void removeFromScene() override;
    void setWorldMatrix(Lumo::Objects::SharedMatrix* matrix) override;
    // The outline's and the markers' colour; the fill keeps its own.
    void setColor(const Lumo::vec4<float>& color) override;

    // False when the outline refuses the point (index out of range, non-finite point); then
    // neither the fill nor the markers change.
    bool insertPointAtIndex(int index, const Lumo::vec3<float>& point) override;
    bool removePointAtIndex(int index) override;

    // Shows or hides the existing markers; vertices inserted while hidden get none.
    void showEndPoints(bool shown);
    bool areEndPointsShown() const;

    void setFillableColor(const Lumo::vec4<float>& color);
    Lumo::vec4<float> getFillableColor() const;

    Kairn::Graphics::VyrPolyline2dNode* getFillNode() const;
    // The marker of a vertex, or null when the vertex has none or the index is out of range.
    Kairn::Graphics::VyrCircleNode* getEndPointMarker(int vertexIndex) const;

protected:
    VyrPolygonSelectionNode();
    void init() override;

private:
    Kairn::Graphics::VyrCircleNode* createMarker(const Lumo::vec3<float>& point);

    using MarkerList = Lumo::Objects::ArrayList<Kairn::Graphics::VyrCircleNode*,
                                                Lumo::Objects::RefCountedLifetime<Kairn::Graphics::VyrCircleNode*>>;
    MarkerList mEndPointMarkers;
    Lumo::Objects::AutoPtr<Kairn::Graphics::VyrPolyline2dNode> mFill;
    bool mEndPointsShown = false;
};

} // namespace Velto::UiWidget
