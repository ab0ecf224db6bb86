#pragma once

#include "ui_widgets/framework/IWidget3D.h"
#include "ui_widgets/tracking/TrackingDragState.h"

namespace Velto::UiWidget {

// A small sphere that the left mouse button drags freely: while dragging, it follows the mouse
// in the plane through its current position that faces the camera. The drag starts only once
// the mouse has moved more than draggingThreshold() pixels (Manhattan) from the press, so a
// plain click never moves it. Each step is reported by widgetTranslate and returned as a
// translation for the event handler to apply.
class MouseTrackingWidget : public IWidget3D
{
    Q_OBJECT

public:
    static MouseTrackingWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~MouseTrackingWidget() override;

    bool mouseDown(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseMove(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseUp(const Widget3DMouseEvent& event) override;

    virtual int draggingThreshold() const;
    virtual void draggingThreshold(int pixels);

signals:
    // Fires on each drag step past the threshold: the world-space move of the sphere in the
    // view-facing plane since the previous step.
    void widgetTranslate(const Lumo::float3& translation);

protected:
    MouseTrackingWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    void init() override;

private:
    TrackingDragState drag;
};

} // namespace Velto::UiWidget
