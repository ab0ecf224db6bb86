#pragma once

#include "ui_widgets/manipulators/PlaneScaleWidget.h"

namespace Velto::UiWidget {

class PlaneRotateWidget;

// A plane scale widget with a tilt ring laid over its circle: the ring is resized to the
// circle's radius whenever the grabber or setGrabberPosition changes it, so it always passes
// through the grabber. Dragging the ring tilts grabber, ring and circle together and reports
// each step as widgetScalePlaneRotate; scaling is reported as in the base.
class PlaneScaleRotateWidget : public PlaneScaleWidget
{
    Q_OBJECT

public:
    static PlaneScaleRotateWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~PlaneScaleRotateWidget() override;

    void setGrabberPosition(const Lumo::float3& position) override;

public slots:
    void OnWidgetAxisScale(const Lumo::float3& translation) override;

signals:
    // Fires on each drag step of the tilt ring: the angle in radians about `rotationLine`,
    // the ring's tangent at the grabbed point. Grabber drags report widgetScale instead.
    void widgetScalePlaneRotate(float radians, const Lumo::Objects::XLine<float>& rotationLine);

protected:
    PlaneScaleRotateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;

private:
    void fitRingToCircle();

    // A child of the group; the child list owns it.
    PlaneRotateWidget* ring = nullptr;
};

} // namespace Velto::UiWidget
