#include "ui_widgets/tracking/SurveyPointWidget.h"

#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/nodes/VyrMarginTextNode.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"

namespace Velto::UiWidget {

namespace {

constexpr float discRadius = 0.25f;

Lumo::vec4<float> labelTextColor()
{
    return styleColor("rgba(126, 126, 126, 100%)");
}

} // namespace

SurveyPointWidget* SurveyPointWidget::createWidget3D(Widget3DEventHandler* handler,
                                                     Kairn::Graphics::SceneItemType type)
{
    auto* widget = new SurveyPointWidget(handler, type);
    widget->init();
    return widget;
}

SurveyPointWidget::SurveyPointWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : SurfaceTrackingWidget(handler, type)
{
}

SurveyPointWidget::~SurveyPointWidget()
{
    labelNode->ReleaseRef();
}

void SurveyPointWidget::init()
{
    auto* disc = Kairn::Graphics::VyrCircleNode::createGraphicsNode();
    disc->setFillable(true);
    disc->setRadius(discRadius);
    disc->setColor(styleColor("rgba(220, 220, 220, 100%)"));
    auto* stick = Kairn::Graphics::VyrLineSegmentNode::createGraphicsNode();
    stick->setStartPoint({0, 0, 0});
    stick->setEndPoint({0, 0, discRadius});
    addGraphicsNode(disc);
    addGraphicsNode(stick);

    labelNode = VyrMarginTextNode::createGraphicsNode();
    labelNode->AddRef();
    labelNode->setFont(L"Arial");
    labelNode->setFontSize(16);
    labelNode->setColor(labelTextColor());
    labelNode->setBackgroundColor(styleColor("rgba(112, 173, 193, 100%)"));
    labelNode->setPosition(getPosition());
    attachLabel();
}

void SurveyPointWidget::attachLabel()
{
    addGraphicsNode(labelNode);
    if (eventHandler)
        labelNode->addToScene(eventHandler->GetScene(), Kairn::Graphics::SceneItemOverlay);
}

bool SurveyPointWidget::mouseDown(const Widget3DMouseEvent&)
{
    return true;
}

void SurveyPointWidget::setColor(const Lumo::vec4<float>& color)
{
    IWidget3D::setColor(color);
    labelNode->setColor(labelTextColor());
    labelNode->setBackgroundColor(color);
}

std::wstring SurveyPointWidget::getLabel()
{
    return label;
}

void SurveyPointWidget::setLabel(std::wstring text)
{
    label = std::move(text);
    labelNode->setText(label.c_str());
}

void SurveyPointWidget::clearGraphicsNodes()
{
    IWidget3D::clearGraphicsNodes();
    attachLabel();
}

VyrMarginTextNode* SurveyPointWidget::getLabelNode() const
{
    return labelNode;
}

void SurveyPointWidget::cameraOperationBegan(const Ocuvo::CameraParameters&) {}

void SurveyPointWidget::cameraParametersChanged(const Ocuvo::CameraParameters&) {}

void SurveyPointWidget::cameraOperationEnded(const Ocuvo::CameraParameters&) {}

} // namespace Velto::UiWidget
