#pragma once

#include "ui_widgets/framework/Widget3DGroup.h"

namespace Velto::UiWidget {

class RingAxisTranslateWidget;

// Moves an object along one direction and turns it freely: a ring handle across the direction
// drags along it, and an invisible trackball sphere, drawn only by its outline, rolls it. Each
// drag step moves the whole widget, so a handle drag carries the sphere along and a roll turns
// the handle with it. Handle steps reach the host as widgetDirectionalAxisTranslate, rolls as
// widgetAxisRotate.
class DirectionalTranslateFreeRotateWidget : public Widget3DGroup
{
    Q_OBJECT

public:
    static DirectionalTranslateFreeRotateWidget* createWidget3D(Widget3DEventHandler* handler,
                                                          Kairn::Graphics::SceneItemType type);
    ~DirectionalTranslateFreeRotateWidget() override;

signals:
    // Fires on each drag step of the trackball: the angle in radians about `rotationLine`.
    void widgetAxisRotate(float radians, const Lumo::Objects::XLine<float>& rotationLine);
    // Fires on each drag step of the ring handle: the world-space move along the
    // widget's direction since the previous step.
    void widgetDirectionalAxisTranslate(const Lumo::float3& translation);

protected:
    DirectionalTranslateFreeRotateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;

    // The first child; the child list owns it.
    RingAxisTranslateWidget* directionHandle = nullptr;
};

} // namespace Velto::UiWidget
