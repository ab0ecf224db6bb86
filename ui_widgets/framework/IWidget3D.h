#pragma once

#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/math/Vec.h"
#include "ui_widgets/platform/math/XLine.h"
#include "ui_widgets/platform/scene/SceneItemType.h"

#include <QCursor>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QMouseEvent;

namespace Lumo::Objects {
class UString;
}

namespace Kairn::Graphics {
class VyrGraphicsNode;
}

namespace Velto::UiWidget {

class Widget3DEventHandler;
class Widget3DGroup;
struct Widget3DMouseEvent;

// The abstract base of every 3D widget: a list of scene nodes moved, coloured, shown and hidden
// together, a pose (position, unit direction, uniform scale), colours, cursors and flags, and
// the mouse operations that the event handler of its view drives. Each node of the widget
// carries a pointer to the widget under AttachmentID(), which is how a pick finds the widget.
//
// mouseMove, mouseUp and mouseDoubleClick return one drag step. The widget never applies its
// own steps: the handler applies a non-identity step with transformBy(step, true) and then
// emits widgetTransform.
//
// Concrete widgets are created through their static createWidget3D factory, which runs the
// protected constructor (registering the widget with the handler) and then init().
class IWidget3D : public QObject
{
    Q_OBJECT

public:
    ~IWidget3D() override;

    static const Lumo::Objects::UString* AttachmentID();
    // The widget that registered the root parent of `node` (or `node` itself when it has no
    // parent); null when there is none.
    static IWidget3D* getWidgetFromGraphicsNode(Kairn::Graphics::VyrGraphicsNode* node);
    // The topmost group node above `node`, or `node` itself when it is in no group.
    static Kairn::Graphics::VyrGraphicsNode* getRootGraphicsNode(Kairn::Graphics::VyrGraphicsNode* node);
    // Unlinks `node` from its widget and takes it out of the scene; the widget's list keeps it.
    static void invalidateGraphicsNode(Kairn::Graphics::VyrGraphicsNode* node);

protected:
    IWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    // What the root parent of `node` (or `node` itself when it has no parent) carries under `id`.
    static void* rootAttachment(Kairn::Graphics::VyrGraphicsNode* node, const Lumo::Objects::UString* id);

    virtual void init() = 0;

public:
    virtual bool mouseEnter(const Widget3DMouseEvent& event);
    virtual bool mouseLeave(const Widget3DMouseEvent& event);
    // True when the widget takes the drag.
    virtual bool mouseDown(const Widget3DMouseEvent& event) = 0;
    // The default is a free drag in the plane through the widget's position that faces the
    // camera, for every move (with or without a button held) while the widget is hovered.
    virtual Lumo::Objects::ADevMatrix mouseMove(const Widget3DMouseEvent& event);
    virtual Lumo::Objects::ADevMatrix mouseUp(const Widget3DMouseEvent& event) = 0;
    virtual Lumo::Objects::ADevMatrix mouseDoubleClick(const Widget3DMouseEvent& event);
    // Qt sends a double-click in place of the second press of a click. True when this one starts
    // a drag as that press would: the handler then gives it to mouseDown before mouseDoubleClick.
    // The default is false.
    virtual bool startsDragOnDoubleClick(const Widget3DMouseEvent& event) const;

    // The one place where the pose and the nodes move. With `aboutPosition` the step acts about
    // the widget's own position instead of the world origin. Static widgets ignore it, and so
    // does every widget for the identity or a non-finite matrix.
    virtual void transformBy(const Lumo::Objects::ADevMatrix& matrix, bool aboutPosition);
    virtual void translateBy(const Lumo::float3& translation);
    virtual void rotateBy(float radians, const Lumo::Objects::XLine<float>& line);
    virtual void scaleBy(float factor, const Lumo::float3& center);

    virtual bool containsWidget(IWidget3D* widget) const;

    virtual void setHoverCursor(QCursor cursor);
    virtual QCursor getHoverCursor() const;
    virtual void setActiveCursor(QCursor cursor);
    virtual QCursor getActiveCursor() const;

    // Paints every node; the widget does not keep the colour.
    virtual void setColor(const Lumo::vec4<float>& color);
    // The colour of the last node; a widget without nodes reports its inactive colour.
    virtual Lumo::vec4<float> getColor() const;
    virtual void resetColor();

    virtual void setPosition(const Lumo::float3& position);
    virtual Lumo::float3 getPosition() const;
    // Turns the nodes directly (static widgets too) about an axis through the position; a
    // direction within a cosine of 0.99999 of the current one, or a zero or non-finite one,
    // changes nothing.
    virtual void setDirection(const Lumo::float3& direction);
    virtual Lumo::float3 getDirection() const;
    // Records `scale` even when a static widget does not move. A target that is zero or not
    // finite, or a current scale of zero, has no rescale and changes nothing.
    virtual void setScale(float scale);
    virtual float getScale() const;
    virtual void setScreenSize(const Lumo::float3& anchor, int pixels, float factor);
    virtual void setScreenSize(int pixels, float factor);

    virtual void show(bool shown);
    virtual void setInteractive(bool interactive);
    virtual void setVisible(bool visible);
    virtual void setStatic(bool isStatic);
    virtual void setSilenced(bool silenced);
    virtual void setTransparency(float alpha);
    // Multiplies every node's alpha by `factor`, clamped to 0..1.
    virtual void updateTransparencyByFactor(float factor);

    virtual void attachToWidgetGroup(Widget3DGroup* group);
    // Calls `fn` on this widget and, for groups, on every widget below it, skipping `except`
    // (and, when `except` is a group, everything below it).
    virtual void enumerateAllExcept(std::function<void(IWidget3D*)> fn, IWidget3D* except);

    virtual void addGraphicsNode(Kairn::Graphics::VyrGraphicsNode* node);
    virtual void removeGraphicsNode(Kairn::Graphics::VyrGraphicsNode* node);

    virtual void setLastMouseEvent(const Widget3DMouseEvent& event);
    virtual void resetLastMouseEvent();

    // Moves the widget to another handler. Setting null also unregisters the widget from its old
    // handler, so a widget can be destroyed safely at any time after it has been detached.
    virtual void setWidgetEventHandler(Widget3DEventHandler* handler);

    // Ends a drag that the user cancelled, like a release that yields no step: the widget drops
    // its drag state and transient nodes. The handler then puts the pose back as it was at the
    // press. The default releases through mouseUp and discards its step.
    virtual void cancelDrag(const Widget3DMouseEvent& event);
    // Called when the camera turned while the handler fades view-aligned handles; handles that
    // have an axis re-check how close it runs to the line of sight.
    virtual void refreshViewAlignment();

public slots:
    // Follows another widget's drag steps when connected to its widgetTransform.
    virtual void OnWidgetTransform(const Lumo::Objects::ADevMatrix& matrix);

public:
    Widget3DEventHandler* getWidgetEventHandler() const;
    Kairn::Graphics::SceneItemType getSceneItemType() const;

    const std::vector<Kairn::Graphics::VyrGraphicsNode*>& getGraphicsNodes() const;
    bool hasGraphicsNode(Kairn::Graphics::VyrGraphicsNode* node) const;
    void clearGraphicsNodes();
    // The old nodes are released before the new ones are added: a caller passing nodes of the
    // current list must hold its own references on them.
    void setGraphicsNodes(const std::vector<Kairn::Graphics::VyrGraphicsNode*>& nodes);
    // Puts every node into the handler's scene on the widget layer (item type 1).
    void addToScene();

    void setInactiveColor(const Lumo::vec4<float>& color);
    Lumo::vec4<float> getInactiveColor() const;
    void setHighlightColor(const Lumo::vec4<float>& color);
    Lumo::vec4<float> getHighlightColor() const;
    Lumo::vec4<float> getTextColor() const;
    Lumo::vec4<float> getTextBackgroundColor() const;

    bool isInteractive() const;
    bool isVisible() const;
    bool isStaticWidget() const;
    bool isSilenced() const;

    const Widget3DMouseEvent* getLastMouseEvent() const;

    // Each emits its signal unless the widget is silenced.
    void emitWidgetTransform(const Lumo::Objects::ADevMatrix& matrix);
    void emitWidgetSelect(const QMouseEvent& event);
    void emitWidgetDeselect(const QMouseEvent& event);
    void emitWidgetEntered(const QMouseEvent& event);
    void emitWidgetExited(const QMouseEvent& event);
    void emitWidgetDragCancelled(const Lumo::Objects::ADevMatrix& undo);

    // `matrix` conjugated so that it acts about `center`: move center to the origin, apply, move back.
    static Lumo::Objects::ADevMatrix stepAbout(const Lumo::Objects::ADevMatrix& matrix, const Lumo::float3& center);

signals:
    // Fires after the event handler applied a drag step to the widget: `matrix` is that step,
    // in world coordinates (row-vector convention), already applied to the widget itself.
    void widgetTransform(const Lumo::Objects::ADevMatrix& matrix);
    // Fires when the widget accepts a press and a drag begins; `event` is the press.
    void widgetSelect(const QMouseEvent& event);
    // Fires when the drag ends: `event` is the release, or the last mouse event when the drag
    // was cut short (the widget unregistered or destroyed mid-drag).
    void widgetDeselect(const QMouseEvent& event);
    // Fires when the mouse comes over one of the widget's handles; `event` is that move or press.
    void widgetEntered(const QMouseEvent& event);
    // Fires when the mouse leaves the widget's handle it had entered; `event` is that move.
    void widgetExited(const QMouseEvent& event);
    // A drag was cancelled: the widget is back at its pose of the press, and `undo` reverses the
    // product of every step that widgetTransform reported during the drag.
    void widgetDragCancelled(const Lumo::Objects::ADevMatrix& undo);

protected:
    // The first test of every setDirection: false for a zero or non-finite direction and for one
    // within the 0.99999 cosine of the current direction; otherwise `unit` is the normalised
    // direction and `alignment` its cosine with the current one, taken in double precision.
    bool directionNeedsTurn(const Lumo::float3& newDirection, Lumo::float3& unit, double& alignment) const;

    std::vector<Kairn::Graphics::VyrGraphicsNode*> graphicsNodes;
    Widget3DMouseEvent* lastMouseEvent = nullptr;
    // The press that started a drag: written by a widget's mouseDown, deleted by its mouseUp.
    Widget3DMouseEvent* mouseDownEvent = nullptr;
    // Cleared automatically when the handler is destroyed first.
    QPointer<Widget3DEventHandler> eventHandler;
    Kairn::Graphics::SceneItemType sceneItemType;
    bool isStatic = false;
    bool interactive = true;
    bool visible = true;
    bool silenced = false;
    Lumo::vec4<float> inactiveColor;
    Lumo::vec4<float> highlightColor;
    Lumo::vec4<float> textColor{0.9f, 0.9f, 0.9f, 1.0f};
    Lumo::vec4<float> textBackgroundColor{0.384f, 0.384f, 0.384f, 0.7f};
    Lumo::float3 position{0, 0, 0};
    Lumo::float3 direction{0, 0, 1};
    float scale = 1.0f;
    QCursor hoverCursor{Qt::ArrowCursor};
    QCursor activeCursor{Qt::ClosedHandCursor};
};

} // namespace Velto::UiWidget
