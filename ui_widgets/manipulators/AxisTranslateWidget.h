#pragma once

#include "ui_widgets/framework/IWidget3D.h"

namespace Velto::UiWidget {

// An arrow handle dragged with the left button along its own axis: the line through the
// widget's position along its direction (the arrow's local +Z). The press freezes the grab point
// on the axis and the widget's position; every move then reports the translation that keeps the
// grab point under the mouse, as the position still to reach minus the current position, so a
// step that the handler did not apply is part of the next one.
//
// Each step is emitted as widgetSingleAxisTranslate (unless silenced) and returned as a
// translation matrix for the handler to apply. A move without the left button ends the drag; the
// release itself yields no step.
class AxisTranslateWidget : public IWidget3D
{
    Q_OBJECT

    // Composite widgets build their arrows through the protected constructor and init().
    friend class ThreeAxisTranslateWidget;
    friend class PlaneTranslateRotateWidget;

public:
    static AxisTranslateWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    // The drag always follows the axis line; the flag is kept for hosts that set it.
    void setMoveAlongAxis(bool moveAlongAxis);
    void setMoveParallelToAxis(bool moveParallelToAxis);
    bool isMovingAlongAxis() const;

    bool mouseDown(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseMove(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseUp(const Widget3DMouseEvent& event) override;

    // The point of `line` nearest to the pick ray through the event's view position in the
    // handler's viewport. False without a viewport, or when the ray or the line is degenerate.
    static bool closestPointOnLineToMouse(const Widget3DEventHandler* handler, const Widget3DMouseEvent& event,
                                          const Lumo::Objects::XLine<float>& line, Lumo::float3& point);

signals:
    // Fires on each drag step: `translation` is the world-space move along the arrow's
    // axis since the previous step. A host adds it to its object's position.
    void widgetSingleAxisTranslate(const Lumo::float3& translation);

protected:
    AxisTranslateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;

    // The point of the axis nearest to the pick ray through the event's view position. Without a
    // viewport, or for a degenerate axis, the widget's position.
    Lumo::float3 GetClosestPointToAxis(const Widget3DMouseEvent& event) const;

    // False when no drag is under way. A move that finds the left button released ends the drag
    // through the virtual mouseUp and gives false as well.
    bool continueDrag(const Widget3DMouseEvent& event);
    // How far the widget still has to travel along its direction so that the grab point frozen
    // at the press lies where the axis passes closest to the event's pick ray. False when the
    // event cannot be projected onto the axis (no viewport, degenerate ray or axis).
    bool remainingTravel(const Widget3DMouseEvent& event, float& travel) const;

    // The cursor of every translation handle, for hover and drag alike.
    static QCursor translateCursor();

    bool moveAlongAxis = true;
    // The widget's position when the drag began.
    Lumo::float3 dragStartPosition{};
};

} // namespace Velto::UiWidget
