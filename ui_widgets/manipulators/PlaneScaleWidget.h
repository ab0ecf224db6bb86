#pragma once

#include "ui_widgets/framework/Widget3DGroup.h"

namespace Kairn::Graphics {
class VyrCircleNode;
}

namespace Velto::UiWidget {

class ThreeAxisTranslateWidget;

// Scales within a plane by a radius: a flat circle about the widget's position and a small
// three-axis translate, the grabber, sitting on it. Dragging the grabber resizes the circle so
// that it runs through the grabber again, while the circle's centre keeps its place in the
// plane; a drag along the plane's normal carries circle and grabber along together. Each new
// radius is reported as widgetScale.
//
// The circle is decoration of the group and is never grabbed. The slots let the host move or
// turn the whole widget from other widgets' signals.
class PlaneScaleWidget : public Widget3DGroup
{
    Q_OBJECT

public:
    static PlaneScaleWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~PlaneScaleWidget() override;

    // Places the grabber and sizes the circle to the grabber's distance from the widget's
    // position (offsets along the normal included). Emits nothing.
    virtual void setGrabberPosition(const Lumo::float3& position);
    Lumo::float3 getGrabberPosition() const;

    // The grabber's own translation signal drives the circle, so the grabber keeps talking to
    // the group while the group and everything else it holds are silenced.
    void setSilenced(bool silenced) override;

    bool mouseDown(const Widget3DMouseEvent& event) override;
    // The circle keeps its centre in the plane by moving itself, outside the steps the handler
    // applies: a cancelled drag puts that centre and the radius of the press back as well.
    void cancelDrag(const Widget3DMouseEvent& event) override;

public slots:
    virtual void OnWidgetPlaneTranslate(const Lumo::float3& translation);
    // One grabber step, reported before the handler applies it to the whole group.
    virtual void OnWidgetAxisScale(const Lumo::float3& translation);
    virtual void OnWidgetAxisRotate(float radians, const Lumo::Objects::XLine<float>& rotationLine);

signals:
    // Fires on each drag step of the grabber: `radius` is the circle's new radius in world units.
    void widgetScale(float radius);

protected:
    PlaneScaleWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;

    // A child of the group; the child list owns it.
    ThreeAxisTranslateWidget* grabber = nullptr;
    // One of the group's own nodes; the node list holds its reference.
    Kairn::Graphics::VyrCircleNode* scaleCircle = nullptr;
    // The radius at the press, and how far the circle has moved itself within the plane since.
    float radiusAtPress = 0.0f;
    Lumo::float3 movedInPlaneSincePress{};

private:
    // Moves the circle (the group without its grabber) by `translation`.
    void moveCircle(const Lumo::float3& translation);
};

} // namespace Velto::UiWidget
