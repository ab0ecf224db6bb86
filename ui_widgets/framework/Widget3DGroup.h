#pragma once

#include "ui_widgets/framework/IWidget3D.h"
#include "ui_widgets/platform/math/AutoPtr.h"

#include <QSharedPointer>

namespace Velto::UiWidget {

// Several widgets acting as one. The group owns its children, stands in for them in the event
// handler's registry, and is what the handler finds under the mouse whenever a child's node is
// hit: every child node carries the outermost group under Widget3DGroup::AttachmentID().
//
// Mouse operations are routed to the leaf widget that owns the node of the event. A drag step
// returned by that child moves the whole group rigidly about the group's position, or, when the
// group is deformable, only the dragged child about its own position. Flags, colour resets,
// handler changes and last-event copies spread over the children; the group's own nodes are
// decoration that is never tagged and so never grabbed.
class Widget3DGroup : public IWidget3D
{
    Q_OBJECT

public:
    static Widget3DGroup* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~Widget3DGroup() override;

    static const Lumo::Objects::UString* AttachmentID();
    // The group stored on the root parent of `node` (or on `node` itself); null when there is none.
    static Widget3DGroup* getWidgetGroupFromGraphicsNode(Kairn::Graphics::VyrGraphicsNode* node);

    // Takes ownership of `widget` and reaches it only through the group from then on. A widget
    // already owned by a shared pointer elsewhere must not be added.
    void addWidget(IWidget3D* widget);
    // Drops the group's ownership, which destroys the child unless someone else shares it.
    void removeWidget(IWidget3D* widget);
    const std::vector<QSharedPointer<IWidget3D>>& getChildren() const;
    bool isDeformable() const;

protected:
    Widget3DGroup(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;

public:
    bool mouseEnter(const Widget3DMouseEvent& event) override;
    bool mouseLeave(const Widget3DMouseEvent& event) override;
    bool mouseDown(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseMove(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseUp(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseDoubleClick(const Widget3DMouseEvent& event) override;
    bool startsDragOnDoubleClick(const Widget3DMouseEvent& event) const override;
    void transformBy(const Lumo::Objects::ADevMatrix& matrix, bool aboutPosition) override;
    void translateBy(const Lumo::float3& translation) override;
    void rotateBy(float radians, const Lumo::Objects::XLine<float>& line) override;
    void scaleBy(float factor, const Lumo::float3& center) override;
    bool containsWidget(IWidget3D* widget) const override;
    // The cursors of the child that owns the node of the group's last event; the arrow otherwise.
    QCursor getHoverCursor() const override;
    QCursor getActiveCursor() const override;
    void resetColor() override;
    // Unlike a plain widget, an exactly opposite direction turns the group by pi about
    // direction x (0, 0, 1), or direction x (0, 1, 0) along the z axis; the turn goes through
    // rotateBy, so a static group keeps its pose and only records the new direction.
    void setDirection(const Lumo::float3& direction) override;
    void setScale(float scale) override;
    void setScreenSize(const Lumo::float3& anchor, int pixels, float factor) override;
    void setScreenSize(int pixels, float factor) override;
    void show(bool shown) override;
    void setInteractive(bool interactive) override;
    void setVisible(bool visible) override;
    void setStatic(bool isStatic) override;
    void setSilenced(bool silenced) override;
    void setTransparency(float alpha) override;
    void attachToWidgetGroup(Widget3DGroup* group) override;
    void enumerateAllExcept(std::function<void(IWidget3D*)> fn, IWidget3D* except) override;
    // Own nodes are not tagged with the group, so a pick never grabs them.
    void addGraphicsNode(Kairn::Graphics::VyrGraphicsNode* node) override;
    using IWidget3D::removeGraphicsNode;

protected:
    void setLastMouseEvent(const Widget3DMouseEvent& event) override;
    void resetLastMouseEvent() override;

public:
    void setWidgetEventHandler(Widget3DEventHandler* handler) override;

    // Own nodes and every direct child's nodes join the handler's scene on the widget layer.
    void addToScene();

public slots:
    void OnWidgetTransform(const Lumo::Objects::ADevMatrix& matrix) override;

public:
    virtual void removeGraphicsNode(Lumo::Objects::AutoPtr<Kairn::Graphics::VyrGraphicsNode> node);
    virtual void setDeformable(bool deformable);

protected:
    // The leaf widget that owns the node of `event`, when it lies below this group.
    IWidget3D* targetOf(const Widget3DMouseEvent* event) const;

    std::vector<QSharedPointer<IWidget3D>> children;
    bool deformable = false;
};

} // namespace Velto::UiWidget
