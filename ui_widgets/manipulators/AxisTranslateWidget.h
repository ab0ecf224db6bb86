#pragma once

#include "ui_widgets/framework/IWidget3D.h"
#include "ui_widgets/platform/math/AutoPtr.h"

#include <string>

namespace Velto::UiWidget {

class VyrMarginTextNode;

// An arrow handle dragged with the left button along its own axis: the line through the
// widget's position along its direction (the arrow's local +Z). The press freezes the grab point
// on the axis and the widget's position; every move then reports the translation that keeps the
// grab point under the mouse, as the position still to reach minus the current position, so a
// step that the handler did not apply is part of the next one.
//
// Each step is emitted as widgetSingleAxisTranslate (unless silenced) and returned as a
// translation matrix for the handler to apply. A move without the left button ends the drag; the
// release itself yields no step.
//
// The handler's drag options act here for every handle that moves along an axis (the arrow, the
// scale handle, the ring): with snapping the travel from the press goes in whole snap steps, with
// value labels the travelled distance follows the handle, and with the view-aligned fade an axis
// that points along the line of sight fades, cannot be grabbed, and a drag along it moves at most
// a tenth of the handle's length per pixel of mouse motion.
class AxisTranslateWidget : public IWidget3D
{
    Q_OBJECT

    // Composite widgets build their arrows through the protected constructor and init().
    friend class ThreeAxisTranslateWidget;
    friend class PlaneTranslateRotateWidget;

public:
    static AxisTranslateWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~AxisTranslateWidget() override;

    // The drag always follows the axis line; the flag is kept for hosts that set it.
    void setMoveAlongAxis(bool moveAlongAxis);
    void setMoveParallelToAxis(bool moveParallelToAxis);
    bool isMovingAlongAxis() const;

    bool mouseDown(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseMove(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseUp(const Widget3DMouseEvent& event) override;

    void transformBy(const Lumo::Objects::ADevMatrix& matrix, bool aboutPosition) override;
    void setDirection(const Lumo::float3& direction) override;
    // Colours keep a faded alpha while the axis points along the line of sight.
    void setColor(const Lumo::vec4<float>& color) override;
    void setInteractive(bool interactive) override;
    void addGraphicsNode(Kairn::Graphics::VyrGraphicsNode* node) override;
    void refreshViewAlignment() override;
    // Whether the handle is faded and out of the pick because its axis points at the eye.
    bool isViewAligned() const;

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
    // The remaining travel with the view-aligned limit applied (when the handler fades such
    // handles): the travel since the press changes by at most a tenth of the handle's length per
    // pixel of mouse motion.
    bool limitedTravel(const Widget3DMouseEvent& event, float& travel);
    // The travel along the axis since the press.
    float travelSincePress() const;
    // Whether the handler asks for value labels; showValueLabel then puts `text` at `anchor`,
    // and the release takes the label away.
    bool showsValueLabel() const;
    void showValueLabel(const std::wstring& text, const Lumo::float3& anchor);

    // The cursor of every translation handle, for hover and drag alike.
    static QCursor translateCursor();

    bool moveAlongAxis = true;
    // The widget's position when the drag began.
    Lumo::float3 dragStartPosition{};

private:
    Lumo::Objects::AutoPtr<VyrMarginTextNode> valueLabel;
    bool viewAligned = false;
    // The limited travel since the press and the view position it was reached at.
    float limitedTravelSincePress = 0.0f;
    Lumo::vec2<float> lastDragPoint{};
};

} // namespace Velto::UiWidget
