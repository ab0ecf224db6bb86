#pragma once

#include "ui_widgets/framework/IWidget3D.h"
#include "ui_widgets/platform/math/AutoPtr.h"

#include <sstream>

namespace Kairn::Graphics {
class VyrCircleNode;
class VyrGroupNode;
} // namespace Kairn::Graphics

namespace Velto::UiWidget {

class VyrMarginTextNode;

// A ring that tilts its own plane. The ring point under the mouse defines the tilt axis, the
// ring's tangent there, and dragging rotates about that tangent: the grabbed point follows the
// mouse around an indicator circle that stands perpendicular to the ring through it.
//
// Hovering shows the indicator circle through the hovered point; a press adds the tilt axis
// lines, an arrow head on the indicator at the grabbed point and a label with the accumulated
// tilt in degrees. These nodes live in the handler's overlay layer, outside the widget's own
// node list, and are gone after the release (the indicator when the mouse leaves).
//
// Each step is emitted as widgetPlaneRotate (a non-negative angle; the sense is carried by the
// axis) and returned as a rotation for the handler to apply about the widget's position.
class PlaneRotateWidget : public IWidget3D
{
    Q_OBJECT

    // Composite widgets build their tilt rings through the protected constructor and init().
    friend class PlaneTranslateRotateWidget;
    friend class ThreeAxisTranslatePlaneRotateWidget;
    friend class PlaneScaleRotateWidget;

public:
    static PlaneRotateWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~PlaneRotateWidget() override;

    // The colour of the indicator, its arrow head and the label text; the style's widget blue
    // until an owner sets another.
    void setIndicatorColor(const Lumo::vec4<float>& color);
    Lumo::vec4<float> getIndicatorColor() const;

    bool mouseEnter(const Widget3DMouseEvent& event) override;
    bool mouseLeave(const Widget3DMouseEvent& event) override;
    bool mouseDown(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseMove(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseUp(const Widget3DMouseEvent& event) override;

signals:
    // Fires on each drag step that tilts the ring: a non-negative angle in radians about
    // `rotationLine`, the ring's tangent at the grabbed point (its direction gives the sense).
    void widgetPlaneRotate(float radians, const Lumo::Objects::XLine<float>& rotationLine);

protected:
    PlaneRotateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;

    // Unit vector from the widget's position to where the line of the event's pick ray crosses
    // the plane through the position with normal `planeNormal`, in front of the eye or behind it;
    // the zero vector when there is no such direction (the crossing is the position itself).
    Lumo::float3 getVectorToRing(const Widget3DMouseEvent& event, const Lumo::float3& planeNormal) const;

    Lumo::float3 grabVector{};
    float angle = 0.0f;
    std::wostringstream angleStream;
    Lumo::Objects::AutoPtr<VyrMarginTextNode> angleLabel;
    Lumo::Objects::AutoPtr<Kairn::Graphics::VyrCircleNode> indicatorCircle;
    Lumo::Objects::AutoPtr<Kairn::Graphics::VyrGroupNode> indicatorArrow;
    Lumo::Objects::AutoPtr<Kairn::Graphics::VyrGroupNode> axisLines;
    Lumo::vec4<float> indicatorColor;

private:
    // The arrow head sits on the indicator circle at the grabbed point, pointing along the grab.
    void placeIndicatorArrow();
    void updateAngleLabel();
};

} // namespace Velto::UiWidget
