#include "ui_widgets/framework/IWidget3D.h"

#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DGroup.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/platform/host/Conversion.h"
#include "ui_widgets/platform/host/Styles.h"
#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/math/Vector3.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"

#include <algorithm>
#include <cmath>

namespace Velto::UiWidget {

using Kairn::Graphics::VyrGraphicsNode;
using Kairn::Graphics::VyrGroupNode;
using Lumo::Objects::ADevMatrix;
using Matrix4 = Kairn::Objects::Matrix4<float>;
using Vector3 = Kairn::Objects::Vector3<float>;

IWidget3D::IWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : eventHandler(handler)
    , sceneItemType(type)
{
    // Widgets are meant to get their colours from their own class; one that never does still
    // rests in the style's widget blue and lights up on hover.
    inactiveColor = widgetBlue();
    highlightColor = Utilities::Conversion::ToColor4(Resource::Styles::Instance().Color3DWidgetBlue().lighter(120));
    if (handler)
        handler->addConstructedWidget3D(this);
}

IWidget3D::~IWidget3D()
{
    for (VyrGraphicsNode* node : graphicsNodes)
        node->removeFromScene();
    if (eventHandler)
        eventHandler->removeWidget3D(this);
    delete mouseDownEvent;
    delete lastMouseEvent;
    for (VyrGraphicsNode* node : std::exchange(graphicsNodes, {}))
        node->ReleaseRef();
}

const Lumo::Objects::UString* IWidget3D::AttachmentID()
{
    static const Lumo::Objects::UString* const id = Lumo::Objects::Intern(L"IWidget3D");
    return id;
}

void* IWidget3D::rootAttachment(VyrGraphicsNode* node, const Lumo::Objects::UString* id)
{
    if (!node)
        return nullptr;
    VyrGraphicsNode* root = VyrGroupNode::getRootParentNode(node);
    return (root ? root : node)->GetVoidAttachment(id);
}

IWidget3D* IWidget3D::getWidgetFromGraphicsNode(VyrGraphicsNode* node)
{
    return static_cast<IWidget3D*>(rootAttachment(node, AttachmentID()));
}

VyrGraphicsNode* IWidget3D::getRootGraphicsNode(VyrGraphicsNode* node)
{
    if (!node)
        return nullptr;
    auto* root = static_cast<VyrGraphicsNode*>(node->GetVoidAttachment(VyrGroupNode::InterfaceID()));
    return root ? root : node;
}

void IWidget3D::invalidateGraphicsNode(VyrGraphicsNode* node)
{
    if (!node)
        return;
    node->RemoveAttachment(AttachmentID());
    node->removeFromScene();
}

bool IWidget3D::mouseEnter(const Widget3DMouseEvent&)
{
    setColor(highlightColor);
    return false;
}

bool IWidget3D::mouseLeave(const Widget3DMouseEvent&)
{
    setColor(inactiveColor);
    return false;
}

ADevMatrix IWidget3D::mouseMove(const Widget3DMouseEvent& event)
{
    if (!eventHandler || !eventHandler->GetViewport())
        return {};
    Kairn::Graphics::Viewport* viewport = eventHandler->GetViewport();
    const Kairn::Objects::Ray3<float> ray = viewport->getCamera()->getPickRay(event.screenPoint());
    const Vector3 p = getPosition();
    const Vector3 n = -Vector3(viewport->getViewDirection());
    const float facing = ray.direction().dot(n);
    if (facing == 0)
        return {};
    const float t = (p - ray.origin()).dot(n) / facing;
    const Vector3 move = ray.pointAt(t) - p;
    if (!move.isFinite())
        return {};
    return ADevMatrix::Translation(move);
}

ADevMatrix IWidget3D::mouseDoubleClick(const Widget3DMouseEvent&)
{
    return {};
}

bool IWidget3D::startsDragOnDoubleClick(const Widget3DMouseEvent&) const
{
    return false;
}

ADevMatrix IWidget3D::stepAbout(const ADevMatrix& matrix, const Lumo::float3& center)
{
    return ADevMatrix::Multiply(ADevMatrix::Multiply(ADevMatrix::Translation(-center), matrix),
                                ADevMatrix::Translation(center));
}

void IWidget3D::transformBy(const ADevMatrix& matrix, bool aboutPosition)
{
    if (matrix.IsIdentity() || !matrix.isFinite() || isStatic)
        return;
    const ADevMatrix step = aboutPosition ? stepAbout(matrix, getPosition()) : matrix;
    const Lumo::float3 moved = step.transformPoint(position);
    const float scaled = scale * Matrix4(matrix).extractScale().z;
    // A step that would carry the pose past the float range is refused as a whole, so that the
    // pose and the nodes stay together.
    if (!Lumo::isFinite(moved) || !std::isfinite(scaled))
        return;
    position = moved;
    const Lumo::float3 turned = Lumo::normalized(step.transformVector(direction));
    if (turned != Lumo::float3{})
        direction = turned;
    scale = scaled;
    for (VyrGraphicsNode* node : graphicsNodes)
        node->transformBy(step);
}

void IWidget3D::translateBy(const Lumo::float3& translation)
{
    transformBy(Matrix4::Translation(translation), false);
}

void IWidget3D::rotateBy(float radians, const Lumo::Objects::XLine<float>& line)
{
    transformBy(Matrix4::Rotation(line, radians), false);
}

void IWidget3D::scaleBy(float factor, const Lumo::float3& center)
{
    transformBy(Matrix4::Scale(Vector3(factor, factor, factor), center), false);
}

bool IWidget3D::containsWidget(IWidget3D* widget) const
{
    return widget == this;
}

void IWidget3D::setHoverCursor(QCursor cursor)
{
    hoverCursor = cursor;
}

QCursor IWidget3D::getHoverCursor() const
{
    return hoverCursor;
}

void IWidget3D::setActiveCursor(QCursor cursor)
{
    activeCursor = cursor;
}

QCursor IWidget3D::getActiveCursor() const
{
    return activeCursor;
}

void IWidget3D::setColor(const Lumo::vec4<float>& color)
{
    for (VyrGraphicsNode* node : graphicsNodes)
        node->setColor(color);
}

Lumo::vec4<float> IWidget3D::getColor() const
{
    return graphicsNodes.empty() ? inactiveColor : graphicsNodes.back()->getColor();
}

void IWidget3D::resetColor()
{
    setColor(inactiveColor);
}

void IWidget3D::setPosition(const Lumo::float3& newPosition)
{
    translateBy(newPosition - position);
}

Lumo::float3 IWidget3D::getPosition() const
{
    return position;
}

bool IWidget3D::directionNeedsTurn(const Lumo::float3& newDirection, Lumo::float3& unit, double& alignment) const
{
    unit = Lumo::normalized(newDirection);
    if (unit == Lumo::float3{})
        return false;
    alignment = double(unit.x) * direction.x + double(unit.y) * direction.y + double(unit.z) * direction.z;
    return alignment < 0.99999;
}

void IWidget3D::setDirection(const Lumo::float3& newDirection)
{
    Lumo::float3 u;
    double alignment = 0;
    if (!directionNeedsTurn(newDirection, u, alignment))
        return;
    Vector3 axis;
    const float angle = Vector3(direction).getSignedAngleTo(Vector3(u), axis);
    if (axis.length() == 0)
        axis = Vector3(direction).getPerpendicularVector();
    const Lumo::Objects::XLine<float> line(position, axis);
    for (VyrGraphicsNode* node : graphicsNodes)
        node->rotateBy(angle, line);
    direction = u;
}

Lumo::float3 IWidget3D::getDirection() const
{
    return direction;
}

void IWidget3D::setScale(float newScale)
{
    const float factor = newScale / scale;
    if (newScale == 0 || !std::isfinite(factor))
        return;
    IWidget3D::scaleBy(factor, getPosition());
    scale = newScale;
}

float IWidget3D::getScale() const
{
    return scale;
}

void IWidget3D::setScreenSize(const Lumo::float3& anchor, int pixels, float factor)
{
    for (VyrGraphicsNode* node : graphicsNodes)
        node->setConstantScreenSize(pixels, factor, anchor);
}

void IWidget3D::setScreenSize(int pixels, float factor)
{
    setScreenSize(getPosition(), pixels, factor);
}

void IWidget3D::show(bool shown)
{
    setInteractive(shown);
    setVisible(shown);
}

void IWidget3D::setInteractive(bool value)
{
    interactive = value;
    for (VyrGraphicsNode* node : graphicsNodes)
        node->setPickable(value);
}

void IWidget3D::setVisible(bool value)
{
    visible = value;
    for (VyrGraphicsNode* node : graphicsNodes)
        node->setVisible(value);
}

void IWidget3D::setStatic(bool value)
{
    isStatic = value;
}

void IWidget3D::setSilenced(bool value)
{
    silenced = value;
}

void IWidget3D::setTransparency(float alpha)
{
    for (VyrGraphicsNode* node : graphicsNodes) {
        Lumo::vec4<float> color = node->getColor();
        color.w = alpha;
        node->setColor(color);
    }
}

void IWidget3D::updateTransparencyByFactor(float factor)
{
    for (VyrGraphicsNode* node : graphicsNodes) {
        Lumo::vec4<float> color = node->getColor();
        const float alpha = color.w * factor;
        color.w = alpha > 1.0f ? 1.0f : (alpha > 0.0f ? alpha : 0.0f);
        node->setColor(color);
    }
}

void IWidget3D::attachToWidgetGroup(Widget3DGroup* group)
{
    for (VyrGraphicsNode* node : graphicsNodes)
        node->SetVoidAttachment(Widget3DGroup::AttachmentID(), group);
}

void IWidget3D::enumerateAllExcept(std::function<void(IWidget3D*)> fn, IWidget3D* except)
{
    if (this != except)
        fn(this);
}

void IWidget3D::addGraphicsNode(VyrGraphicsNode* node)
{
    if (!node || hasGraphicsNode(node))
        return;
    node->AddVoidAttachment(AttachmentID(), this);
    if (eventHandler)
        node->addToScene(eventHandler->GetScene(), sceneItemType);
    node->AddRef();
    graphicsNodes.push_back(node);
}

void IWidget3D::removeGraphicsNode(VyrGraphicsNode* node)
{
    const auto found = std::find(graphicsNodes.begin(), graphicsNodes.end(), node);
    if (found == graphicsNodes.end())
        return;
    node->RemoveAttachment(AttachmentID());
    node->removeFromScene();
    graphicsNodes.erase(found);
    node->ReleaseRef();
}

void IWidget3D::setLastMouseEvent(const Widget3DMouseEvent& event)
{
    auto* copy = new Widget3DMouseEvent(event);
    delete lastMouseEvent;
    lastMouseEvent = copy;
}

void IWidget3D::resetLastMouseEvent()
{
    delete lastMouseEvent;
    lastMouseEvent = nullptr;
}

void IWidget3D::setWidgetEventHandler(Widget3DEventHandler* handler)
{
    if (handler == eventHandler)
        return;
    if (eventHandler)
        eventHandler->removeWidget3D(this);
    eventHandler = handler;
    if (!handler)
        return;
    handler->addWidget3D(this);
    Kairn::Graphics::IScene* scene = handler->GetViewport() ? handler->GetViewport()->getScene() : nullptr;
    for (VyrGraphicsNode* node : graphicsNodes) {
        node->removeFromScene();
        if (scene)
            node->addToScene(scene, Kairn::Graphics::SceneItemWidget);
    }
}

void IWidget3D::OnWidgetTransform(const ADevMatrix& matrix)
{
    transformBy(matrix, true);
}

Widget3DEventHandler* IWidget3D::getWidgetEventHandler() const
{
    return eventHandler;
}

Kairn::Graphics::SceneItemType IWidget3D::getSceneItemType() const
{
    return sceneItemType;
}

const std::vector<VyrGraphicsNode*>& IWidget3D::getGraphicsNodes() const
{
    return graphicsNodes;
}

bool IWidget3D::hasGraphicsNode(VyrGraphicsNode* node) const
{
    return node && std::find(graphicsNodes.begin(), graphicsNodes.end(), node) != graphicsNodes.end();
}

void IWidget3D::clearGraphicsNodes()
{
    for (VyrGraphicsNode* node : graphicsNodes) {
        node->RemoveAttachment(AttachmentID());
        node->removeFromScene();
    }
    for (VyrGraphicsNode* node : std::exchange(graphicsNodes, {}))
        node->ReleaseRef();
}

void IWidget3D::setGraphicsNodes(const std::vector<VyrGraphicsNode*>& nodes)
{
    clearGraphicsNodes();
    for (VyrGraphicsNode* node : nodes)
        addGraphicsNode(node);
}

void IWidget3D::addToScene()
{
    if (!eventHandler)
        return;
    for (VyrGraphicsNode* node : graphicsNodes)
        node->addToScene(eventHandler->GetScene(), Kairn::Graphics::SceneItemWidget);
}

void IWidget3D::setInactiveColor(const Lumo::vec4<float>& color)
{
    inactiveColor = color;
}

Lumo::vec4<float> IWidget3D::getInactiveColor() const
{
    return inactiveColor;
}

void IWidget3D::setHighlightColor(const Lumo::vec4<float>& color)
{
    highlightColor = color;
}

Lumo::vec4<float> IWidget3D::getHighlightColor() const
{
    return highlightColor;
}

Lumo::vec4<float> IWidget3D::getTextColor() const
{
    return textColor;
}

Lumo::vec4<float> IWidget3D::getTextBackgroundColor() const
{
    return textBackgroundColor;
}

bool IWidget3D::isInteractive() const
{
    return interactive;
}

bool IWidget3D::isVisible() const
{
    return visible;
}

bool IWidget3D::isStaticWidget() const
{
    return isStatic;
}

bool IWidget3D::isSilenced() const
{
    return silenced;
}

const Widget3DMouseEvent* IWidget3D::getLastMouseEvent() const
{
    return lastMouseEvent;
}

void IWidget3D::emitWidgetTransform(const ADevMatrix& matrix)
{
    if (!silenced)
        emit widgetTransform(matrix);
}

void IWidget3D::emitWidgetSelect(const QMouseEvent& event)
{
    if (!silenced)
        emit widgetSelect(event);
}

void IWidget3D::emitWidgetDeselect(const QMouseEvent& event)
{
    if (!silenced)
        emit widgetDeselect(event);
}

void IWidget3D::emitWidgetEntered(const QMouseEvent& event)
{
    if (!silenced)
        emit widgetEntered(event);
}

void IWidget3D::emitWidgetExited(const QMouseEvent& event)
{
    if (!silenced)
        emit widgetExited(event);
}

void IWidget3D::emitWidgetDragCancelled(const ADevMatrix& undo)
{
    if (!silenced)
        emit widgetDragCancelled(undo);
}

void IWidget3D::cancelDrag(const Widget3DMouseEvent& event)
{
    mouseUp(event);
}

void IWidget3D::refreshViewAlignment() {}

} // namespace Velto::UiWidget
