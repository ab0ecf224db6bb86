#pragma once

#include "ui_widgets/framework/PrecisionPointer.h"
#include "ui_widgets/platform/host/UnitType.h"
#include "ui_widgets/platform/host/ViewResponder.h"
#include "ui_widgets/platform/math/ADevMatrix.h"

#include <QCursor>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <unordered_set>
#include <vector>

namespace Kairn::Graphics {
class IPointSelectionTool;
class VyrGraphicsNode;
class VyrScene;
class Viewport;
} // namespace Kairn::Graphics

namespace Velto::UiWidget {

class IWidget3D;
struct Widget3DMouseEvent;

// Connects one 3D view to the widgets shown in it. The host forwards the view's mouse press,
// move, release and double-click; each call picks the widget under the mouse and answers
// whether the event was consumed, so that the host's own navigation runs when it was not.
//
// States:
//   Idle        nothing hovered, nothing dragged.
//   Hovering W  the mouse is over W: W is highlighted, has had widgetEntered and shows its hover
//               cursor (the view's previous cursor is saved).
//   Dragging A  A accepted a press (mouseDown returned true): every other widget is faded to
//               20 % of its alpha, A has had widgetSelect and the view shows A's active cursor.
// Transitions:
//   move while idle or hovering: leave the old widget / node (widgetExited, cursor restored)
//     and enter the new one (widgetEntered, hover cursor); the hovered widget's mouseMove step
//     is applied and reported with widgetTransform.
//   press over U: enter U if nothing is hovered, then U->mouseDown; acceptance starts (or hands
//     over) a drag. A press over nothing is not consumed.
//   move while dragging: A->mouseMove keeps seeing the node it was grabbed by, wherever the mouse
//     is; no hover changes until the release.
//   release while dragging: A->mouseUp, all colours reset, widgetDeselect; away from A also
//     widgetExited and the cursor restored. The handler is then Idle (or hovers the widget under
//     the release without entering it). A release that ends no drag changes nothing: the
//     hovered widget stays hovered.
//   double-click over U: U->mouseDoubleClick, its step applied. When nothing is dragged and U
//     starts a drag from a double-click, the double-click first acts as the press it replaces.
//   a widget unregistered or destroyed while dragged ends the drag with widgetDeselect and
//     widgetExited and restores the cursor; while hovered it is forgotten without a signal and
//     the cursor is restored.
//
// A host creates one handler per view and forwards the view's events to it:
//
//     auto* handler = new Widget3DEventHandler(view, viewport);
//     view->installEventFilter(handler);   // or call mousePress(...) etc. from the view
//     auto* widget = SomeWidget::createWidget3D(handler, Kairn::Graphics::SceneItemWidget);
//
// Drag options, all off until the host turns them on (with every option off the signals are
// exactly those above):
//   cancel       Escape (forwarded to keyPress) or a right-button press during a drag puts the
//                widget back where the press found it, emits widgetDragCancelled with the matrix
//                that undoes the reported steps, and ends the drag as a release away from the
//                widget would.
//   precision    while the precision modifier is held, mouse motion counts the precision factor
//                of its length for the dragged widget.
//   snapping     translation handles move in whole snap steps from the press, scale handles
//                report whole scale snap steps; holding the snap toggle modifier inverts snapping.
//   value labels translation and scale handles show the distance or the factor while dragged.
//   view-aligned fade  an axis handle that points along the line of sight fades and cannot be
//                grabbed; a drag along such an axis is limited per pixel of mouse motion.
//
// The handler owns none of the widgets. Destroying it detaches every widget (their handler
// becomes null); destroying a widget unregisters it. Either order is safe.
class Widget3DEventHandler : public Velto::UiBase::ViewResponder
{
    Q_OBJECT

public:
    Widget3DEventHandler(QWidget* view, Kairn::Graphics::Viewport* viewport);
    ~Widget3DEventHandler() override;

    // Registers a top-level widget. A group replaces its registered children; a widget that a
    // registered group already contains is not listed, nor is a widget whose handler is not this.
    void addWidget3D(IWidget3D* widget);
    // Unregisters `widget`. When the widget (or a widget below a group) owns the node the handler
    // is dragging or hovering by, the drag or hover ends here.
    void removeWidget3D(IWidget3D* widget);

    bool mouseDoubleClick(QMouseEvent* event) override;
    bool mouseMove(QMouseEvent* event) override;
    bool mousePress(QMouseEvent* event) override;
    bool mouseRelease(QMouseEvent* event) override;
    // Escape cancels a drag when cancelling is on; every other key is left to the view.
    bool keyPress(QKeyEvent* event) override;

    void setCancelEnabled(bool enabled);
    bool isCancelEnabled() const;
    void setPrecisionEnabled(bool enabled);
    bool isPrecisionEnabled() const;
    void setPrecisionModifier(Qt::KeyboardModifier modifier);
    Qt::KeyboardModifier getPrecisionModifier() const;
    // Factors that are not finite or not in (0, 1] are ignored.
    void setPrecisionFactor(float factor);
    float getPrecisionFactor() const;
    // World units; 0 (the default) turns translation snapping off. Negative and non-finite steps
    // are ignored.
    void setSnapStep(float step);
    float getSnapStep() const;
    // A step of the scale factor; 0 (the default) turns scale snapping off.
    void setScaleSnapStep(float step);
    float getScaleSnapStep() const;
    void setSnapToggleModifier(Qt::KeyboardModifier modifier);
    Qt::KeyboardModifier getSnapToggleModifier() const;
    // The translation and scale steps that a drag event snaps to: 0 when it does not snap.
    float snapStepFor(const Widget3DMouseEvent& event) const;
    float scaleSnapStepFor(const Widget3DMouseEvent& event) const;
    void setValueLabelsEnabled(bool enabled);
    bool areValueLabelsEnabled() const;
    // The unit distances are shown in; scene lengths are millimetres.
    void setValueLabelUnit(Zel::Common::UnitType unit);
    Zel::Common::UnitType getValueLabelUnit() const;
    void setViewAlignedFade(bool fade);
    bool hasViewAlignedFade() const;

    // The viewport's scene, or null when it is not a VyrScene.
    Kairn::Graphics::VyrScene* GetScene() const;
    QWidget* GetView() const;
    Kairn::Graphics::Viewport* GetViewport() const;
    // The surface pick for widgets that follow the model; the handler keeps ownership.
    Kairn::Graphics::IPointSelectionTool* GetMeshSelectionTool() const;

    const std::vector<IWidget3D*>& getWidgets() const;
    bool isRegistered(IWidget3D* widget) const;
    IWidget3D* getActiveWidget() const;
    IWidget3D* getHoveredWidget() const;

private:
    friend class IWidget3D;
    // Registration from the widget's constructor: a widget under construction is in no group and
    // holds no widgets yet, so the containment checks of addWidget3D, which visit every
    // registered widget, are not needed.
    void addConstructedWidget3D(IWidget3D* widget);

    IWidget3D* widgetUnderMouse(Widget3DMouseEvent* event);
    // The press of the current record on `under` (may be null); returns whether a drag started.
    bool pressWidget(const QPointer<IWidget3D>& under, const QMouseEvent& event);
    void enumerateAllExcept(std::function<void(IWidget3D*)> fn, IWidget3D* except);
    // Starts handling `event`: its record becomes the current one and the widget under it is picked.
    IWidget3D* beginEvent(const QMouseEvent* event);
    // The current record becomes the last one.
    void endEvent();
    // Copies the Qt part and hit point of the current record into the last one, keeping the
    // last one's node: a widget being left or released is told about the node it was entered by.
    void refreshLastEvent();
    // Applies a non-identity step to `widget` and reports it; returns whether there was a step.
    bool applyStep(IWidget3D* widget, const Lumo::Objects::ADevMatrix& step);
    void showCursor(const QCursor& cursor);
    void saveCursorAndShow(const QCursor& cursor);
    void restoreCursor();
    // Puts the dragged widget back to its pose at the press and ends the drag at `position`.
    bool cancelDrag(const QPointF& position, Qt::KeyboardModifiers modifiers);
    // During a drag with precision on, the current record follows the precision pointer.
    void followPrecisionPointer();
    // Has every widget re-check its axes against the line of sight.
    void refreshViewAlignment();

    class CameraWatch;

    QPointer<QWidget> view;
    Kairn::Graphics::Viewport* viewport;
    std::vector<IWidget3D*> widgets;
    // The same widgets, for membership tests in constant time: hosts register thousands.
    std::unordered_set<const IWidget3D*> registeredWidgets;
    IWidget3D* activeWidget = nullptr;
    IWidget3D* hoveredWidget = nullptr;
    QCursor savedCursor;
    std::unique_ptr<Widget3DMouseEvent> lastMouseEvent;
    // The record of the event being handled; widgets unregistered meanwhile are forgotten in it too.
    std::unique_ptr<Widget3DMouseEvent> currentEvent;
    std::unique_ptr<Kairn::Graphics::IPointSelectionTool> meshSelectionTool;
    std::unique_ptr<Kairn::Graphics::IPointSelectionTool> scenePickTool;
    std::unique_ptr<Kairn::Graphics::IPointSelectionTool> widgetPickTool;

    bool cancelEnabled = false;
    bool precisionEnabled = false;
    Qt::KeyboardModifier precisionModifier = Qt::ShiftModifier;
    float precisionFactor = 0.1f;
    float snapStep = 0.0f;
    float scaleSnapStep = 0.0f;
    Qt::KeyboardModifier snapToggleModifier = Qt::ControlModifier;
    bool valueLabelsEnabled = false;
    Zel::Common::UnitType valueLabelUnit = Zel::Common::UNIT_MILLIMETER;
    // Listens to the camera while view-aligned handles fade.
    std::unique_ptr<CameraWatch> cameraWatch;
    // The product of the steps reported during the current drag, as reported, and as they moved
    // the widget in world space (each about the widget's position at the time).
    Lumo::Objects::ADevMatrix reportedDragSteps;
    Lumo::Objects::ADevMatrix worldDragMotion;
    PrecisionPointer precisionPointer;
};

} // namespace Velto::UiWidget
