#include "ui_widgets/tracking/SurfaceTrackingWidget.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/platform/scene/IPointSelectionTool.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"

namespace Velto::UiWidget {

using Lumo::Objects::ADevMatrix;
using Vector3 = Kairn::Objects::Vector3<float>;

SurfaceTrackingWidget* SurfaceTrackingWidget::createWidget3D(Widget3DEventHandler* handler,
                                                             Kairn::Graphics::SceneItemType type)
{
    auto* widget = new SurfaceTrackingWidget(handler, type);
    widget->init();
    return widget;
}

SurfaceTrackingWidget::SurfaceTrackingWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : IWidget3D(handler, type)
{
}

SurfaceTrackingWidget::~SurfaceTrackingWidget() = default;

void SurfaceTrackingWidget::init()
{
    auto* sphere = Kairn::Graphics::VyrSphereNode::createGraphicsNode();
    sphere->setRadius(0.1f);
    addGraphicsNode(sphere);
}

int SurfaceTrackingWidget::draggingThreshold() const
{
    return drag.threshold();
}

void SurfaceTrackingWidget::draggingThreshold(int pixels)
{
    drag.setThreshold(pixels);
}

bool SurfaceTrackingWidget::mouseDown(const Widget3DMouseEvent& event)
{
    return drag.press(event, getPosition(), mouseDownEvent);
}

ADevMatrix SurfaceTrackingWidget::mouseMove(const Widget3DMouseEvent& event)
{
    if (!drag.isDragging(mouseDownEvent, event) || !eventHandler || !eventHandler->GetMeshSelectionTool())
        return {};
    Vector3 surfacePoint;
    Vector3 surfaceNormal;
    if (!eventHandler->GetMeshSelectionTool()->pickSurface(event.screenPoint(), surfacePoint, surfaceNormal))
        return {};
    const Lumo::float3 delta = surfacePoint - Vector3(getPosition());
    const Vector3 currentDirection = getDirection();
    Vector3 axis = currentDirection.cross(surfaceNormal);
    const float angle = currentDirection.getSignedAngleTo(surfaceNormal, axis);
    if (!silenced) {
        emit widgetRotate(angle, Lumo::Objects::XLine<float>(getPosition(), axis));
        // A receiver of widgetRotate may have silenced the widget.
        if (!silenced)
            emit widgetTranslate(delta);
    }
    return ADevMatrix::Translation(delta);
}

ADevMatrix SurfaceTrackingWidget::mouseUp(const Widget3DMouseEvent&)
{
    drag.release(mouseDownEvent);
    return {};
}

} // namespace Velto::UiWidget
