#include "ui_widgets/annotation/CameraWidget.h"

#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/platform/scene/VyrConeNode.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"

#include <QMouseEvent>
#include <QWidget>

namespace Velto::UiWidget {


CameraWidget* CameraWidget::createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
{
    auto* widget = new CameraWidget(handler, type);
    widget->init();
    return widget;
}

CameraWidget::CameraWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : MouseTrackingWidget(handler, type)
{
}

CameraWidget::~CameraWidget() = default;

void CameraWidget::init()
{
    buildMarker(QStringLiteral(":resources/meshes/3d_camera.obj"));
}

void CameraWidget::buildMarker(const QString& meshPath)
{
    auto* mesh = Kairn::Graphics::VyrMeshNode::createGraphicsNode();
    mesh->AddRef();
    if (mesh->loadFromFileSynchronously(meshPath) && mesh->mesh())
        addGraphicsNode(mesh);
    else
        addGraphicsNode(Kairn::Graphics::VyrConeNode::createGraphicsNode());
    mesh->ReleaseRef();
    setInactiveColor(styleColor("rgba(112, 173, 193, 100%)"));
    setHighlightColor(styleColor("rgba(141, 189, 205, 100%)"));
    setColor(getInactiveColor());
}

bool CameraWidget::mouseDown(const Widget3DMouseEvent& event)
{
    if (event.button() == Qt::LeftButton && eventHandler && eventHandler->GetView()) {
        clickPress = event.pos();
        eventHandler->GetView()->installEventFilter(this);
    }
    return false;
}

bool CameraWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::LeftButton) {
            watched->removeEventFilter(this);
            if (manhattanDistance(release->pos(), clickPress) <= draggingThreshold())
                mouseUp(Widget3DMouseEvent(release));
        }
    }
    return false;
}

Lumo::Objects::ADevMatrix CameraWidget::mouseUp(const Widget3DMouseEvent& event)
{
    MouseTrackingWidget::mouseUp(event);
    if (event.button() == Qt::LeftButton && !silenced)
        emit cameraClicked(event);
    return {};
}

} // namespace Velto::UiWidget
