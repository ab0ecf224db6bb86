#pragma once

#include "ui_widgets/framework/IWidget3D.h"
#include "ui_widgets/platform/math/AutoPtr.h"

namespace Kairn::Graphics {
class VyrCircleNode;
class VyrSphereNode;
} // namespace Kairn::Graphics

namespace Velto::UiWidget {

// A trackball: a sphere with an outline circle, rolled with the left button so that the sphere
// point under the mouse follows the mouse. Each move turns about the axis perpendicular to the
// grab vectors of the last event that produced a step and of the current one. Motions below a
// cosine of 0.99999 add up; a move that would turn by 90 degrees or more, or that leaves the
// sphere's silhouette, is ignored, and the drag resumes from the last accepted position.
//
// Each step is emitted as widgetSphereRotate and returned as a rotation for the handler to apply
// about the widget's position.
class SphereRotateWidget : public IWidget3D
{
    Q_OBJECT

    // The directional translate-and-free-rotate composite builds its sphere through the
    // protected constructor and init().
    friend class DirectionalTranslateFreeRotateWidget;

public:
    static SphereRotateWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~SphereRotateWidget() override;

    Kairn::Graphics::VyrSphereNode* getSphere() const;
    Kairn::Graphics::VyrCircleNode* getOutline() const;

    bool mouseDown(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseMove(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseUp(const Widget3DMouseEvent& event) override;
    // The sphere takes the colour as given; the outline stays opaque.
    void setColor(const Lumo::vec4<float>& color) override;

signals:
    // Fires on each drag step that rolls the sphere: a non-negative angle in radians about
    // `rotationLine`, through the sphere's centre (its direction gives the sense).
    void widgetSphereRotate(float radians, const Lumo::Objects::XLine<float>& rotationLine);

protected:
    SphereRotateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;

    // Unit vector from the centre to the point where the event's pick ray enters the sphere;
    // the zero vector when the ray misses it.
    Lumo::float3 getVectorOnSphere(const Widget3DMouseEvent& event) const;

    Lumo::float3 lastVectorOnSphere{};
    Lumo::Objects::AutoPtr<Kairn::Graphics::VyrCircleNode> outline;
    Lumo::Objects::AutoPtr<Kairn::Graphics::VyrSphereNode> sphere;
};

} // namespace Velto::UiWidget
