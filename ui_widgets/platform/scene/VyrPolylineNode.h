#pragma once

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

#include "ui_widgets/platform/math/Polyline.h"

#include <vector>

namespace Kairn::Graphics {

// A polyline through its points, open or closed, drawn weight pixels wide; when fillable (and
// with three points or more) the polygon it encloses is filled too. The outline is picked within
// the pick tolerance in pixels, in world space, so it stays pickable under a singular transform;
// the fill exactly (in the plane that best fits the points) where the transform can be inverted.
// The point operations are virtual, so that a derived node can keep its own parts in step.
// Changing the points through getMathModel() must be followed by update(), so that renderers see
// the new shape.
class VyrPolylineNode : public VyrGraphicsNode, public NetObjectCountImpl<VyrPolylineNode>
{
public:
    NET_OBJECT_COUNT_OF(VyrPolylineNode);

    static VyrPolylineNode* createGraphicsNode();
    // Null scene: returns null and creates nothing.
    static VyrPolylineNode* createAndAddGraphicsNode(IScene* scene, SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    // False, and nothing changes, for a non-finite point or an index out of range.
    virtual bool addPoint(const Lumo::vec3<float>& point);
    virtual bool insertPointAtIndex(int index, const Lumo::vec3<float>& point);
    virtual bool removePointAtIndex(int index);
    int pointCount() const { return m_model.pointCount(); }
    void setClosed(bool closed);
    bool isClosed() const { return m_model.isClosed(); }
    void setFillable(bool fillable);
    bool isFillable() const { return m_fillable; }
    // Line width in pixels.
    void setWeight(float pixels);
    float getWeight() const { return m_weight; }
    Lumo::Objects::Polyline<float>& getMathModel() { return m_model; }
    const Lumo::Objects::Polyline<float>& getMathModel() const { return m_model; }
    // The points as drawn: the model's points, flattened onto z = 0 for a flat polyline.
    const std::vector<Lumo::float3>& drawnPoints() const;

    Kairn::Objects::Box<double> getUntransformedBounds() const override;
    float ownPickTolerancePixels(const PickContext& context) const override;
    // The outline's box, and for a fill out of its points' plane the points projected onto the
    // plane where the fill is hit.
    bool ownPickBounds(const PickContext& context, PickBox& box, bool& viewDependent) const override;
    bool intersectWorldRay(const Kairn::Objects::Ray3<float>& worldRay, const PickContext& context, float& distance,
                           Lumo::float3& worldPoint) const override;
    // The fill only; the outline is hit in world space by intersectWorldRay.
    bool intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext& context, float& t,
                           Lumo::float3& localPoint) const override;

protected:
    VyrPolylineNode() = default;

    // A flat polyline is drawn and picked in its local XY plane, whatever z its points have.
    void setFlat(bool flat) { m_flat = flat; }

private:
    Lumo::Objects::Polyline<float> m_model;
    bool m_fillable = false;
    float m_weight = 1.0f;
    bool m_flat = false;
    mutable std::vector<Lumo::float3> m_flattened;
};

} // namespace Kairn::Graphics
