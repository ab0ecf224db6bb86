#include "ui_widgets/framework/Widget3DGroup.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/math/Vector3.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"

#include <algorithm>

namespace Velto::UiWidget {

using Kairn::Graphics::VyrGraphicsNode;
using Lumo::Objects::ADevMatrix;
using Matrix4 = Kairn::Objects::Matrix4<float>;
using Vector3 = Kairn::Objects::Vector3<float>;

Widget3DGroup::Widget3DGroup(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : IWidget3D(handler, type)
{
}

Widget3DGroup* Widget3DGroup::createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
{
    auto* group = new Widget3DGroup(handler, type);
    group->init();
    return group;
}

Widget3DGroup::~Widget3DGroup()
{
    // Unregistering while the children still exist lets a drag that runs through the group end
    // with the group's widgetDeselect and widgetExited, before any child goes away.
    if (eventHandler)
        eventHandler->removeWidget3D(this);
    while (!children.empty()) {
        QSharedPointer<IWidget3D> child = std::move(children.back());
        children.pop_back();
    }
}

void Widget3DGroup::init()
{
}

const Lumo::Objects::UString* Widget3DGroup::AttachmentID()
{
    static const Lumo::Objects::UString* const id = Lumo::Objects::Intern(L"Widget3DGroup");
    return id;
}

Widget3DGroup* Widget3DGroup::getWidgetGroupFromGraphicsNode(VyrGraphicsNode* node)
{
    return static_cast<Widget3DGroup*>(rootAttachment(node, AttachmentID()));
}

void Widget3DGroup::addWidget(IWidget3D* widget)
{
    if (!widget || widget == this || containsWidget(widget))
        return;
    widget->attachToWidgetGroup(this);
    children.push_back(QSharedPointer<IWidget3D>(widget));
    if (eventHandler)
        eventHandler->removeWidget3D(widget);
}

void Widget3DGroup::removeWidget(IWidget3D* widget)
{
    const auto found = std::find_if(children.begin(), children.end(),
                                    [widget](const QSharedPointer<IWidget3D>& child) { return child.data() == widget; });
    if (found == children.end())
        return;
    // The group's last event must not keep pointing at a node the child takes away with it.
    bool ownsLastNode = false;
    if (lastMouseEvent)
        widget->enumerateAllExcept([&](IWidget3D* w) { ownsLastNode |= w->hasGraphicsNode(lastMouseEvent->graphicsNode); },
                                   nullptr);
    if (ownsLastNode)
        resetLastMouseEvent();
    const QSharedPointer<IWidget3D> child = std::move(*found);
    children.erase(found);
}

const std::vector<QSharedPointer<IWidget3D>>& Widget3DGroup::getChildren() const
{
    return children;
}

bool Widget3DGroup::isDeformable() const
{
    return deformable;
}

IWidget3D* Widget3DGroup::targetOf(const Widget3DMouseEvent* event) const
{
    if (!event)
        return nullptr;
    IWidget3D* target = getWidgetFromGraphicsNode(event->graphicsNode);
    return target && target != this && containsWidget(target) ? target : nullptr;
}

bool Widget3DGroup::mouseEnter(const Widget3DMouseEvent& event)
{
    IWidget3D* target = targetOf(&event);
    return target ? target->mouseEnter(event) : false;
}

bool Widget3DGroup::mouseLeave(const Widget3DMouseEvent& event)
{
    IWidget3D* target = targetOf(&event);
    return target ? target->mouseLeave(event) : false;
}

bool Widget3DGroup::mouseDown(const Widget3DMouseEvent& event)
{
    IWidget3D* target = targetOf(&event);
    if (!target)
        return false;
    const bool taken = target->mouseDown(event);
    if (taken)
        setLastMouseEvent(event);
    return taken;
}

ADevMatrix Widget3DGroup::mouseMove(const Widget3DMouseEvent& event)
{
    IWidget3D* target = targetOf(&event);
    if (!target)
        return {};
    const ADevMatrix step = target->mouseMove(event);
    if (!step.IsIdentity())
        setLastMouseEvent(event);
    return step;
}

ADevMatrix Widget3DGroup::mouseUp(const Widget3DMouseEvent& event)
{
    IWidget3D* target = targetOf(&event);
    if (!target)
        return {};
    const ADevMatrix step = target->mouseUp(event);
    resetLastMouseEvent();
    return step;
}

ADevMatrix Widget3DGroup::mouseDoubleClick(const Widget3DMouseEvent& event)
{
    IWidget3D* target = targetOf(&event);
    return target ? target->mouseDoubleClick(event) : ADevMatrix();
}

bool Widget3DGroup::startsDragOnDoubleClick(const Widget3DMouseEvent& event) const
{
    IWidget3D* target = targetOf(&event);
    return target && target->startsDragOnDoubleClick(event);
}

void Widget3DGroup::transformBy(const ADevMatrix& matrix, bool aboutPosition)
{
    if (matrix.IsIdentity() || !matrix.isFinite() || isStatic)
        return;
    IWidget3D* dragged = targetOf(lastMouseEvent);
    for (const QSharedPointer<IWidget3D>& child : children) {
        if (dragged && child->containsWidget(dragged)) {
            dragged = child.data();
            break;
        }
    }
    if (deformable && dragged) {
        dragged->transformBy(matrix, aboutPosition);
        IWidget3D::transformBy(matrix, aboutPosition);
        return;
    }
    const ADevMatrix rigidStep = aboutPosition ? stepAbout(matrix, getPosition()) : matrix;
    for (const QSharedPointer<IWidget3D>& child : children)
        child->transformBy(rigidStep, false);
    IWidget3D::transformBy(matrix, aboutPosition);
}

void Widget3DGroup::translateBy(const Lumo::float3& translation)
{
    for (const QSharedPointer<IWidget3D>& child : children)
        child->translateBy(translation);
    IWidget3D::transformBy(Matrix4::Translation(translation), false);
}

void Widget3DGroup::rotateBy(float radians, const Lumo::Objects::XLine<float>& line)
{
    for (const QSharedPointer<IWidget3D>& child : children)
        child->rotateBy(radians, line);
    IWidget3D::transformBy(Matrix4::Rotation(line, radians), false);
}

void Widget3DGroup::scaleBy(float factor, const Lumo::float3& center)
{
    for (const QSharedPointer<IWidget3D>& child : children)
        child->scaleBy(factor, center);
    IWidget3D::transformBy(Matrix4::Scale(Vector3(factor, factor, factor), center), false);
}

bool Widget3DGroup::containsWidget(IWidget3D* widget) const
{
    if (!widget)
        return false;
    if (widget == this)
        return true;
    return std::any_of(children.begin(), children.end(),
                       [widget](const QSharedPointer<IWidget3D>& child) { return child->containsWidget(widget); });
}

QCursor Widget3DGroup::getHoverCursor() const
{
    IWidget3D* target = targetOf(lastMouseEvent);
    return target ? target->getHoverCursor() : QCursor(Qt::ArrowCursor);
}

QCursor Widget3DGroup::getActiveCursor() const
{
    IWidget3D* target = targetOf(lastMouseEvent);
    return target ? target->getActiveCursor() : QCursor(Qt::ArrowCursor);
}

void Widget3DGroup::resetColor()
{
    setColor(inactiveColor);
    for (const QSharedPointer<IWidget3D>& child : children)
        child->resetColor();
}

void Widget3DGroup::setDirection(const Lumo::float3& newDirection)
{
    Lumo::float3 u;
    double alignment = 0;
    if (!directionNeedsTurn(newDirection, u, alignment))
        return;
    Vector3 axis;
    float angle = Vector3(direction).getSignedAngleTo(Vector3(u), axis);
    if (alignment < -0.99999) {
        angle = 3.1415927f;
        axis = Vector3(direction).cross(Vector3(0, 0, 1));
        if (axis.lengthSquared() < 1e-5f)
            axis = Vector3(direction).cross(Vector3(0, 1, 0));
    }
    rotateBy(angle, Lumo::Objects::XLine<float>(position, axis));
    direction = u;
}

void Widget3DGroup::setScale(float newScale)
{
    const float factor = newScale / scale;
    if (newScale == 0 || !std::isfinite(factor))
        return;
    scaleBy(factor, getPosition());
}

void Widget3DGroup::setScreenSize(const Lumo::float3& anchor, int pixels, float factor)
{
    IWidget3D::setScreenSize(anchor, pixels, factor);
    for (const QSharedPointer<IWidget3D>& child : children)
        child->setScreenSize(anchor, pixels, factor);
}

void Widget3DGroup::setScreenSize(int pixels, float factor)
{
    setScreenSize(getPosition(), pixels, factor);
}

void Widget3DGroup::show(bool shown)
{
    for (const QSharedPointer<IWidget3D>& child : children)
        child->show(shown);
    IWidget3D::setInteractive(shown);
    IWidget3D::setVisible(shown);
}

void Widget3DGroup::setInteractive(bool value)
{
    IWidget3D::setInteractive(value);
    for (const QSharedPointer<IWidget3D>& child : children)
        child->setInteractive(value);
}

void Widget3DGroup::setVisible(bool value)
{
    IWidget3D::setVisible(value);
    for (const QSharedPointer<IWidget3D>& child : children)
        child->setVisible(value);
}

void Widget3DGroup::setStatic(bool value)
{
    isStatic = value;
    for (const QSharedPointer<IWidget3D>& child : children)
        child->setStatic(value);
}

void Widget3DGroup::setSilenced(bool value)
{
    silenced = value;
    for (const QSharedPointer<IWidget3D>& child : children)
        child->setSilenced(value);
}

void Widget3DGroup::setTransparency(float alpha)
{
    IWidget3D::setTransparency(alpha);
    for (const QSharedPointer<IWidget3D>& child : children)
        child->setTransparency(alpha);
}

void Widget3DGroup::attachToWidgetGroup(Widget3DGroup* group)
{
    for (const QSharedPointer<IWidget3D>& child : children)
        child->attachToWidgetGroup(group);
}

void Widget3DGroup::enumerateAllExcept(std::function<void(IWidget3D*)> fn, IWidget3D* except)
{
    if (this == except)
        return;
    fn(this);
    for (const QSharedPointer<IWidget3D>& child : children)
        child->enumerateAllExcept(fn, except);
}

void Widget3DGroup::addGraphicsNode(VyrGraphicsNode* node)
{
    if (!node || hasGraphicsNode(node))
        return;
    if (eventHandler)
        node->addToScene(eventHandler->GetScene(), sceneItemType);
    node->AddRef();
    graphicsNodes.push_back(node);
}

void Widget3DGroup::removeGraphicsNode(Lumo::Objects::AutoPtr<VyrGraphicsNode> node)
{
    const auto found = std::find(graphicsNodes.begin(), graphicsNodes.end(), node.get());
    if (found == graphicsNodes.end())
        return;
    node->removeFromScene();
    graphicsNodes.erase(found);
    node->ReleaseRef();
}

void Widget3DGroup::setLastMouseEvent(const Widget3DMouseEvent& event)
{
    IWidget3D::setLastMouseEvent(event);
    for (const QSharedPointer<IWidget3D>& child : children)
        child->setLastMouseEvent(event);
}

void Widget3DGroup::resetLastMouseEvent()
{
    IWidget3D::resetLastMouseEvent();
    for (const QSharedPointer<IWidget3D>& child : children)
        child->resetLastMouseEvent();
}

void Widget3DGroup::setWidgetEventHandler(Widget3DEventHandler* handler)
{
    IWidget3D::setWidgetEventHandler(handler);
    for (const QSharedPointer<IWidget3D>& child : children)
        child->setWidgetEventHandler(handler);
}

void Widget3DGroup::addToScene()
{
    IWidget3D::addToScene();
    for (const QSharedPointer<IWidget3D>& child : children) {
        Widget3DEventHandler* handler = child->getWidgetEventHandler();
        if (!handler)
            continue;
        for (VyrGraphicsNode* node : child->getGraphicsNodes())
            node->addToScene(handler->GetScene(), Kairn::Graphics::SceneItemWidget);
    }
}

void Widget3DGroup::OnWidgetTransform(const ADevMatrix& matrix)
{
    transformBy(matrix, true);
}

void Widget3DGroup::setDeformable(bool value)
{
    deformable = value;
}

} // namespace Velto::UiWidget
