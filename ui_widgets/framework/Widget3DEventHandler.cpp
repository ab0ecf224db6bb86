#include "ui_widgets/framework/Widget3DEventHandler.h"

#include "ui_widgets/framework/IWidget3D.h"
#include "ui_widgets/framework/Widget3DGroup.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/platform/math/Vector3.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/CameraChangeProtocol.h"
#include "ui_widgets/platform/scene/IGraphicsSystem.h"
#include "ui_widgets/platform/scene/IPointSelectionTool.h"
#include "ui_widgets/platform/scene/PointSelectionToolSettings.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"
#include "ui_widgets/platform/scene/VyrScene.h"

#include <QKeyEvent>

#include <algorithm>
#include <cmath>

namespace Velto::UiWidget {

using Kairn::Graphics::IPointSelectionTool;
using Kairn::Graphics::VyrGraphicsNode;
using Kairn::Graphics::VyrGraphicsNodeWithProxy;
using Lumo::Objects::ADevMatrix;

namespace {

// Selection kinds of the host's point selection tools: the overlay layer, the other widget
// layers, and the model surface.
constexpr int OverlayPickKind = 3;
constexpr int WidgetPickKind = 1;
constexpr int MeshSurfaceKind = 0;

// The share of its alpha that every widget other than the dragged one keeps during a drag.
constexpr float FadeFactor = 0.2f;

std::unique_ptr<IPointSelectionTool> createTool(Kairn::Graphics::Viewport* viewport, int kind, bool widgetPick)
{
    Kairn::Graphics::IGraphicsSystem* system = Kairn::Graphics::GetIGSCtrl();
    std::unique_ptr<IPointSelectionTool> tool(system ? system->createPointSelectionTool(viewport, kind) : nullptr);
    if (tool && widgetPick) {
        tool->settings()->setTaggedOnly(true);
        tool->settings()->setIncludeHidden(false);
    }
    return tool;
}

// Whether `node` is one of the nodes of `widget` or of a widget below it.
bool ownsNode(IWidget3D* widget, VyrGraphicsNode* node)
{
    if (!node)
        return false;
    bool owns = false;
    widget->enumerateAllExcept([&](IWidget3D* w) { owns = owns || w->hasGraphicsNode(node); }, nullptr);
    return owns;
}

} // namespace

// Tells the widgets when the line of sight changed, for as long as view-aligned handles fade.
class Widget3DEventHandler::CameraWatch : public Kairn::Graphics::CameraChangeProtocol
{
public:
    CameraWatch(Widget3DEventHandler& handler_, Kairn::Graphics::Camera* camera_)
        : handler(handler_)
        , camera(camera_)
    {
        camera->addCameraChangeListener(this);
    }
    ~CameraWatch() override { camera->removeCameraChangeListener(this); }

    void cameraOperationBegan(const Ocuvo::CameraParameters&) override {}
    void cameraParametersChanged(const Ocuvo::CameraParameters&) override { handler.refreshViewAlignment(); }
    void cameraOperationEnded(const Ocuvo::CameraParameters&) override {}

private:
    Widget3DEventHandler& handler;
    Kairn::Graphics::Camera* camera;
};

Widget3DEventHandler::Widget3DEventHandler(QWidget* view_, Kairn::Graphics::Viewport* viewport_)
    : view(view_)
    , viewport(viewport_)
    , lastMouseEvent(std::make_unique<Widget3DMouseEvent>(nullptr))
{
    widgetPickTool = createTool(viewport, OverlayPickKind, true);
    scenePickTool = createTool(viewport, WidgetPickKind, true);
    meshSelectionTool = createTool(viewport, MeshSurfaceKind, false);
}

Widget3DEventHandler::~Widget3DEventHandler()
{
    cameraWatch.reset();
    activeWidget = nullptr;
    hoveredWidget = nullptr;
    // The registry is emptied first, so the widgets' detaching calls find nothing to erase.
    registeredWidgets.clear();
    for (IWidget3D* widget : std::exchange(widgets, {}))
        widget->setWidgetEventHandler(nullptr);
}

void Widget3DEventHandler::addWidget3D(IWidget3D* widget)
{
    // A widget that names another handler (or none) would not unregister itself from this one
    // when destroyed: it joins through setWidgetEventHandler, which sets both sides.
    if (!widget || isRegistered(widget) || widget->getWidgetEventHandler() != this)
        return;
    if (qobject_cast<Widget3DGroup*>(widget)) {
        std::vector<IWidget3D*> replaced;
        std::copy_if(widgets.begin(), widgets.end(), std::back_inserter(replaced),
                     [widget](IWidget3D* w) { return widget->containsWidget(w); });
        for (IWidget3D* w : replaced)
            removeWidget3D(w);
    }
    if (std::any_of(widgets.begin(), widgets.end(), [widget](IWidget3D* w) { return w->containsWidget(widget); }))
        return;
    addConstructedWidget3D(widget);
}

void Widget3DEventHandler::addConstructedWidget3D(IWidget3D* widget)
{
    if (!widget || !registeredWidgets.insert(widget).second)
        return;
    widgets.push_back(widget);
}

void Widget3DEventHandler::removeWidget3D(IWidget3D* widget)
{
    if (!widget)
        return;
    const bool registered = isRegistered(widget);
    const bool ownsLastNode = ownsNode(widget, lastMouseEvent->graphicsNode);
    const bool ownsCurrentNode = currentEvent && ownsNode(widget, currentEvent->graphicsNode);
    if (!registered && !ownsLastNode && !ownsCurrentNode)
        return;

    if (activeWidget && (widget == activeWidget || ownsLastNode)) {
        IWidget3D* ended = std::exchange(activeWidget, nullptr);
        hoveredWidget = nullptr;
        ended->emitWidgetDeselect(*lastMouseEvent);
        ended->emitWidgetExited(*lastMouseEvent);
        restoreCursor();
    } else if (hoveredWidget && (widget == hoveredWidget || ownsLastNode || ownsCurrentNode)) {
        // The widget that showed its hover cursor is gone: the view gets its own cursor back, so
        // that the next enter does not save the dead widget's cursor as the view's.
        hoveredWidget = nullptr;
        restoreCursor();
    }
    // Records must not keep nodes that are about to go away with the widget.
    if (ownsLastNode)
        lastMouseEvent->graphicsNode = nullptr;
    if (ownsCurrentNode)
        currentEvent->graphicsNode = nullptr;
    if (registered) {
        widgets.erase(std::find(widgets.begin(), widgets.end(), widget));
        registeredWidgets.erase(widget);
    }
}

bool Widget3DEventHandler::mousePress(QMouseEvent* event)
{
    if (!event)
        return false;
    if (cancelEnabled && activeWidget && event->button() == Qt::RightButton)
        return cancelDrag(event->position(), event->modifiers());
    const bool consumed = pressWidget(beginEvent(event), *event);
    endEvent();
    return consumed;
}

bool Widget3DEventHandler::pressWidget(const QPointer<IWidget3D>& under, const QMouseEvent& event)
{
    const Widget3DMouseEvent& ev = *currentEvent;
    bool consumed = false;
    if (under) {
        if (!hoveredWidget) {
            hoveredWidget = under;
            under->mouseEnter(ev);
            under->emitWidgetEntered(ev);
            if (under) {
                under->setLastMouseEvent(ev);
                saveCursorAndShow(under->getHoverCursor());
            }
        }
        consumed = under && under->mouseDown(ev);
        if (consumed && under) {
            activeWidget = under;
            reportedDragSteps = ADevMatrix::Identity();
            worldDragMotion = ADevMatrix::Identity();
            precisionPointer.start(event.position());
            enumerateAllExcept([](IWidget3D* w) { w->updateTransparencyByFactor(FadeFactor); },
                               IWidget3D::getWidgetFromGraphicsNode(ev.graphicsNode));
            under->emitWidgetSelect(event);
            if (under) {
                under->setLastMouseEvent(ev);
                showCursor(under->getActiveCursor());
            }
        }
    }
    return consumed;
}

bool Widget3DEventHandler::mouseMove(QMouseEvent* event)
{
    if (!event)
        return false;
    const QPointer<IWidget3D> under = beginEvent(event);
    Widget3DMouseEvent& ev = *currentEvent;
    bool consumed = false;
    if (activeWidget) {
        ev.graphicsNode = lastMouseEvent->graphicsNode;
        followPrecisionPointer();
        consumed = applyStep(activeWidget, activeWidget->mouseMove(ev));
    } else {
        if (under.data() != hoveredWidget || lastMouseEvent->graphicsNode != ev.graphicsNode) {
            refreshLastEvent();
            if (hoveredWidget) {
                const QPointer<IWidget3D> left = hoveredWidget;
                consumed = left->mouseLeave(*lastMouseEvent);
                left->emitWidgetExited(*lastMouseEvent);
                if (left)
                    left->setLastMouseEvent(ev);
                restoreCursor();
            }
            hoveredWidget = under;
            if (under) {
                consumed = under->mouseEnter(ev);
                under->emitWidgetEntered(ev);
                if (under) {
                    under->setLastMouseEvent(ev);
                    saveCursorAndShow(under->getHoverCursor());
                }
            }
        }
        if (hoveredWidget)
            consumed = applyStep(hoveredWidget, hoveredWidget->mouseMove(ev));
    }
    endEvent();
    return consumed;
}

bool Widget3DEventHandler::mouseRelease(QMouseEvent* event)
{
    if (!event)
        return false;
    const QPointer<IWidget3D> under = beginEvent(event);
    followPrecisionPointer();
    const Widget3DMouseEvent& ev = *currentEvent;
    // Taken out of the handler first: a widget destroyed by a slot during the release is then
    // not ended a second time by removeWidget3D.
    const QPointer<IWidget3D> released = std::exchange(activeWidget, nullptr);
    const bool consumed = released != nullptr;
    // Only a release that ends a drag forgets the hovered widget. After a click that no widget
    // took (a camera marker, a dimensioned box) the widget stays hovered, so that leaving it
    // later un-highlights it and emits widgetExited once.
    if (released) {
        hoveredWidget = nullptr;
        refreshLastEvent();
        const ADevMatrix step = released->mouseUp(*lastMouseEvent);
        enumerateAllExcept([](IWidget3D* w) { w->resetColor(); }, nullptr);
        if (released)
            released->emitWidgetDeselect(*event);
        if (released)
            released->resetLastMouseEvent();
        if (released && applyStep(released, step) && released) {
            released->setLastMouseEvent(ev);
            showCursor(released->getHoverCursor());
        }
        if (released && under != released) {
            released->mouseLeave(*lastMouseEvent);
            released->emitWidgetExited(*lastMouseEvent);
            if (released)
                released->setLastMouseEvent(ev);
            restoreCursor();
            hoveredWidget = under;
        }
    }
    endEvent();
    return consumed;
}

bool Widget3DEventHandler::keyPress(QKeyEvent* event)
{
    if (!event || event->key() != Qt::Key_Escape || !cancelEnabled || !activeWidget)
        return false;
    return cancelDrag(lastMouseEvent->position(), event->modifiers());
}

bool Widget3DEventHandler::cancelDrag(const QPointF& position, Qt::KeyboardModifiers modifiers)
{
    // The drag ends as a release of the left button with nothing held, whatever cancelled it, so
    // that the widget's own release takes no further step.
    const QPointF global = view ? QPointF(view->mapToGlobal(position)) : position;
    const QMouseEvent release(QEvent::MouseButtonRelease, position, position, global, Qt::LeftButton, Qt::NoButton,
                              modifiers);
    currentEvent = std::make_unique<Widget3DMouseEvent>(&release);
    refreshLastEvent();
    const QPointer<IWidget3D> cancelled = std::exchange(activeWidget, nullptr);
    hoveredWidget = nullptr;
    cancelled->cancelDrag(*lastMouseEvent);
    if (cancelled)
        cancelled->transformBy(ADevMatrix::Invert(worldDragMotion), false);
    if (cancelled)
        cancelled->emitWidgetDragCancelled(ADevMatrix::Invert(reportedDragSteps));
    enumerateAllExcept([](IWidget3D* w) { w->resetColor(); }, nullptr);
    if (cancelled)
        cancelled->emitWidgetDeselect(release);
    if (cancelled)
        cancelled->resetLastMouseEvent();
    // The widget jumped back from under the mouse: it is left, and the next move enters whatever
    // is under the mouse then.
    if (cancelled)
        cancelled->mouseLeave(*lastMouseEvent);
    if (cancelled)
        cancelled->emitWidgetExited(*lastMouseEvent);
    restoreCursor();
    endEvent();
    return true;
}

void Widget3DEventHandler::followPrecisionPointer()
{
    if (!precisionEnabled || !activeWidget)
        return;
    Widget3DMouseEvent& ev = *currentEvent;
    const QPointF followed =
        precisionPointer.follow(ev.position(), ev.modifiers().testFlag(precisionModifier), precisionFactor);
    const QPointF shift = followed - ev.position();
    const QMouseEvent moved(ev.type(), followed, ev.scenePosition() + shift, ev.globalPosition() + shift, ev.button(),
                            ev.buttons(), ev.modifiers(), ev.pointingDevice());
    Widget3DMouseEvent record(&moved);
    record.graphicsNode = ev.graphicsNode;
    record.hitPoint = ev.hitPoint;
    ev = record;
}

void Widget3DEventHandler::refreshViewAlignment()
{
    enumerateAllExcept([](IWidget3D* w) { w->refreshViewAlignment(); }, nullptr);
}

void Widget3DEventHandler::setCancelEnabled(bool enabled)
{
    cancelEnabled = enabled;
}

bool Widget3DEventHandler::isCancelEnabled() const
{
    return cancelEnabled;
}

void Widget3DEventHandler::setPrecisionEnabled(bool enabled)
{
    precisionEnabled = enabled;
}

bool Widget3DEventHandler::isPrecisionEnabled() const
{
    return precisionEnabled;
}

void Widget3DEventHandler::setPrecisionModifier(Qt::KeyboardModifier modifier)
{
    precisionModifier = modifier;
}

Qt::KeyboardModifier Widget3DEventHandler::getPrecisionModifier() const
{
    return precisionModifier;
}

void Widget3DEventHandler::setPrecisionFactor(float factor)
{
    if (std::isfinite(factor) && factor > 0 && factor <= 1)
        precisionFactor = factor;
}

float Widget3DEventHandler::getPrecisionFactor() const
{
    return precisionFactor;
}

void Widget3DEventHandler::setSnapStep(float step)
{
    if (std::isfinite(step) && step >= 0)
        snapStep = step;
}

float Widget3DEventHandler::getSnapStep() const
{
    return snapStep;
}

void Widget3DEventHandler::setScaleSnapStep(float step)
{
    if (std::isfinite(step) && step >= 0)
        scaleSnapStep = step;
}

float Widget3DEventHandler::getScaleSnapStep() const
{
    return scaleSnapStep;
}

void Widget3DEventHandler::setSnapToggleModifier(Qt::KeyboardModifier modifier)
{
    snapToggleModifier = modifier;
}

Qt::KeyboardModifier Widget3DEventHandler::getSnapToggleModifier() const
{
    return snapToggleModifier;
}

float Widget3DEventHandler::snapStepFor(const Widget3DMouseEvent& event) const
{
    return event.modifiers().testFlag(snapToggleModifier) ? 0.0f : snapStep;
}

float Widget3DEventHandler::scaleSnapStepFor(const Widget3DMouseEvent& event) const
{
    return event.modifiers().testFlag(snapToggleModifier) ? 0.0f : scaleSnapStep;
}

void Widget3DEventHandler::setValueLabelsEnabled(bool enabled)
{
    valueLabelsEnabled = enabled;
}

bool Widget3DEventHandler::areValueLabelsEnabled() const
{
    return valueLabelsEnabled;
}

void Widget3DEventHandler::setValueLabelUnit(Zel::Common::UnitType unit)
{
    valueLabelUnit = unit;
}

Zel::Common::UnitType Widget3DEventHandler::getValueLabelUnit() const
{
    return valueLabelUnit;
}

void Widget3DEventHandler::setViewAlignedFade(bool fade)
{
    if (fade == hasViewAlignedFade())
        return;
    if (fade && viewport)
        cameraWatch = std::make_unique<CameraWatch>(*this, viewport->getCamera());
    else
        cameraWatch.reset();
    refreshViewAlignment();
}

bool Widget3DEventHandler::hasViewAlignedFade() const
{
    return cameraWatch != nullptr;
}

bool Widget3DEventHandler::mouseDoubleClick(QMouseEvent* event)
{
    if (!event)
        return false;
    const QPointer<IWidget3D> under = beginEvent(event);
    // Qt sends press, release, double-click, release: the double-click takes the place of the
    // second press. A widget that drags from it (a ring's ratchet) gets that press first, so its
    // double-click finds a drag under way and the last release ends the drag as any release.
    const bool overWidget = under != nullptr;
    if (under && !activeWidget && under->startsDragOnDoubleClick(*currentEvent))
        pressWidget(under, *event);
    if (under) {
        const ADevMatrix step = under->mouseDoubleClick(*currentEvent);
        if (under)
            applyStep(under, step);
    }
    endEvent();
    return overWidget;
}

Kairn::Graphics::VyrScene* Widget3DEventHandler::GetScene() const
{
    return viewport ? dynamic_cast<Kairn::Graphics::VyrScene*>(viewport->getScene()) : nullptr;
}

QWidget* Widget3DEventHandler::GetView() const
{
    return view;
}

Kairn::Graphics::Viewport* Widget3DEventHandler::GetViewport() const
{
    return viewport;
}

IPointSelectionTool* Widget3DEventHandler::GetMeshSelectionTool() const
{
    return meshSelectionTool.get();
}

const std::vector<IWidget3D*>& Widget3DEventHandler::getWidgets() const
{
    return widgets;
}

bool Widget3DEventHandler::isRegistered(IWidget3D* widget) const
{
    return registeredWidgets.count(widget) != 0;
}

IWidget3D* Widget3DEventHandler::getActiveWidget() const
{
    return activeWidget;
}

IWidget3D* Widget3DEventHandler::getHoveredWidget() const
{
    return hoveredWidget;
}

IWidget3D* Widget3DEventHandler::widgetUnderMouse(Widget3DMouseEvent* event)
{
    const Lumo::vec2<float> screenPoint = event->screenPoint();
    Kairn::Objects::Vector3<float> hitPoint;
    VyrGraphicsNode* node = nullptr;
    for (IPointSelectionTool* tool : {widgetPickTool.get(), scenePickTool.get()}) {
        if (!tool)
            continue;
        hitPoint = {};
        node = VyrGraphicsNode::getGraphicsNodeFromLumoNode(tool->pick(screenPoint, hitPoint));
        if (node)
            break;
    }
    if (!node)
        return nullptr;
    if (VyrGraphicsNodeWithProxy::isProxyNode(node))
        node = VyrGraphicsNodeWithProxy::getGraphicsNodeWithProxy(node);
    VyrGraphicsNode* root = IWidget3D::getRootGraphicsNode(node);
    IWidget3D* widget = Widget3DGroup::getWidgetGroupFromGraphicsNode(root);
    if (!widget)
        widget = IWidget3D::getWidgetFromGraphicsNode(root);
    // Nodes of a widget that was detached from this handler may still be in its scene; such a
    // widget is out of the handler's reach (its destruction would go unnoticed here).
    if (!widget || !isRegistered(widget))
        return nullptr;
    event->hitPoint = hitPoint;
    event->graphicsNode = root;
    return widget->isInteractive() ? widget : nullptr;
}

void Widget3DEventHandler::enumerateAllExcept(std::function<void(IWidget3D*)> fn, IWidget3D* except)
{
    // A copy: a slot reacting to the visit may unregister widgets.
    const std::vector<IWidget3D*> registered = widgets;
    for (IWidget3D* widget : registered)
        if (isRegistered(widget))
            widget->enumerateAllExcept(fn, except);
}

IWidget3D* Widget3DEventHandler::beginEvent(const QMouseEvent* event)
{
    currentEvent = std::make_unique<Widget3DMouseEvent>(event);
    return widgets.empty() ? nullptr : widgetUnderMouse(currentEvent.get());
}

void Widget3DEventHandler::endEvent()
{
    lastMouseEvent = std::move(currentEvent);
}

void Widget3DEventHandler::refreshLastEvent()
{
    VyrGraphicsNode* enteredBy = lastMouseEvent->graphicsNode;
    *lastMouseEvent = *currentEvent;
    lastMouseEvent->graphicsNode = enteredBy;
}

bool Widget3DEventHandler::applyStep(IWidget3D* widget, const ADevMatrix& step)
{
    if (step.IsIdentity())
        return false;
    if (widget == activeWidget && step.isFinite()) {
        reportedDragSteps = ADevMatrix::Multiply(reportedDragSteps, step);
        worldDragMotion = ADevMatrix::Multiply(worldDragMotion, IWidget3D::stepAbout(step, widget->getPosition()));
    }
    widget->transformBy(step, true);
    widget->emitWidgetTransform(step);
    return true;
}

void Widget3DEventHandler::showCursor(const QCursor& cursor)
{
    if (view)
        view->setCursor(cursor);
}

void Widget3DEventHandler::saveCursorAndShow(const QCursor& cursor)
{
    if (view)
        savedCursor = view->cursor();
    showCursor(cursor);
}

void Widget3DEventHandler::restoreCursor()
{
    showCursor(savedCursor);
}

} // namespace Velto::UiWidget
