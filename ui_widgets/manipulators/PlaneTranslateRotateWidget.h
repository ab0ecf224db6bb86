#pragma once

#include "ui_widgets/framework/Widget3DGroup.h"

namespace Velto::UiWidget {

// Moves and tilts a plane: a double-headed handle along the plane's normal slides it along the
// normal, and a ring lying in the plane tilts it about the ring's tangent at the grabbed point.
// Each drag step moves the whole widget, so the ring follows the handle and the handle tilts
// with the ring. Handle steps reach the host as widgetAxisTranslate, ring steps as
// widgetAxisRotate.
//
// A translucent disc filling the ring is the widget's own decoration: never grabbed, hidden
// until the host asks for it with setFillable (or shows the whole widget).
class PlaneTranslateRotateWidget : public Widget3DGroup
{
    Q_OBJECT

public:
    static PlaneTranslateRotateWidget* createWidget3D(Widget3DEventHandler* handler,
                                                      Kairn::Graphics::SceneItemType type);

    // Shows or hides the fill disc only; handle and ring stay as they are.
    void setFillable(bool fillable);

signals:
    // Fires on each drag step of the normal handle: the world-space move along the plane's
    // normal since the previous step.
    void widgetAxisTranslate(const Lumo::float3& translation);
    // Fires on each drag step of the ring: the tilt angle in radians about `rotationLine`.
    void widgetAxisRotate(float radians, const Lumo::Objects::XLine<float>& rotationLine);

protected:
    PlaneTranslateRotateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~PlaneTranslateRotateWidget() override;

    void init() override;
};

} // namespace Velto::UiWidget
