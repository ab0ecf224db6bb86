#pragma once

#include "ui_widgets/framework/IWidget3D.h"
#include "ui_widgets/tracking/TrackingDragState.h"

namespace Velto::UiWidget {

// A small sphere that the left mouse button drags over the surface of the scene's meshes. Each
// drag step asks the handler's mesh selection tool for the surface point and normal under the
// mouse, then reports the rotation that would turn the widget's direction onto that normal
// (widgetRotate) and the translation to the point (widgetTranslate). Only the translation is
// returned for the handler to apply: the widget's direction stays as it is. Over empty space the
// widget stays where it is. Like the mouse tracking widget, the drag starts only beyond
// draggingThreshold() pixels (Manhattan) from the press.
class SurfaceTrackingWidget : public IWidget3D
{
    Q_OBJECT

public:
    static SurfaceTrackingWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~SurfaceTrackingWidget() override;

    bool mouseDown(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseMove(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseUp(const Widget3DMouseEvent& event) override;

    virtual int draggingThreshold() const;
    virtual void draggingThreshold(int pixels);

signals:
    // Fires on each drag step over a surface: the world-space move of the sphere to the
    // surface point under the mouse since the previous step.
    void widgetTranslate(const Lumo::float3& translation);
    // The signed angle from the widget's direction to the surface normal, about the line through
    // the widget's position along the axis direction x normal.
    void widgetRotate(float radians, const Lumo::Objects::XLine<float>& rotationLine);

protected:
    SurfaceTrackingWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    void init() override;

private:
    TrackingDragState drag;
};

} // namespace Velto::UiWidget
