#pragma once

#include "ui_widgets/framework/Widget3DGroup.h"

namespace Velto::UiWidget {

// Moves an object along three axes and tilts it with a ring: a small three-axis translate at the
// centre of a tilt ring. Each drag step moves the whole widget, so an arrow drag carries the
// ring along and a ring drag tilts the arrows with it. Arrow steps reach the host as
// widgetAxisTranslate, ring steps as widgetAxisRotate.
//
// A translucent disc filling the ring is the widget's own decoration: never grabbed, hidden
// until the host asks for it with setFillable (or shows the whole widget).
class ThreeAxisTranslatePlaneRotateWidget : public Widget3DGroup
{
    Q_OBJECT

public:
    static ThreeAxisTranslatePlaneRotateWidget* createWidget3D(Widget3DEventHandler* handler,
                                                               Kairn::Graphics::SceneItemType type);

    // Shows or hides the fill disc only; arrows and ring stay as they are.
    void setFillable(bool fillable);

signals:
    // Fires on each drag step of an arrow: its world-space move since the previous step.
    void widgetAxisTranslate(const Lumo::float3& translation);
    // Fires on each drag step of the tilt ring: the angle in radians about `rotationLine`.
    void widgetAxisRotate(float radians, const Lumo::Objects::XLine<float>& rotationLine);

protected:
    ThreeAxisTranslatePlaneRotateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~ThreeAxisTranslatePlaneRotateWidget() override;

    void init() override;
};

} // namespace Velto::UiWidget
