#pragma once

#include "ui_widgets/framework/Widget3DGroup.h"

namespace Velto::UiWidget {

class RingAxisTranslateWidget;

// Moves an object along one direction and turns it about three axes: a ring handle across the
// direction drags along it, and three rings about X, -Y and Z (the Z ring in grey) turn about
// their axes. Each drag step moves the whole widget, so a handle drag carries the rings along
// and a ring drag turns the handle with them. Handle steps reach the host as
// widgetDirectionalAxisTranslate, ring steps as widgetAxisRotate.
class DirectionalTranslateRotateWidget : public Widget3DGroup
{
    Q_OBJECT

public:
    static DirectionalTranslateRotateWidget* createWidget3D(Widget3DEventHandler* handler,
                                                          Kairn::Graphics::SceneItemType type);
    ~DirectionalTranslateRotateWidget() override;

signals:
    // Fires on each drag step of one of the three rings: the angle in radians about
    // `rotationLine` (through the widget's position along that ring's axis).
    void widgetAxisRotate(float radians, const Lumo::Objects::XLine<float>& rotationLine);
    // Fires on each drag step of the ring handle: the world-space move along the
    // widget's direction since the previous step.
    void widgetDirectionalAxisTranslate(const Lumo::float3& translation);

protected:
    DirectionalTranslateRotateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;

    // The first child; the child list owns it.
    RingAxisTranslateWidget* directionHandle = nullptr;
};

} // namespace Velto::UiWidget
