#include "ui_widgets/manipulators/PlaneTranslateRotateWidget.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/AxisTranslateWidget.h"
#include "ui_widgets/manipulators/PlaneRotateWidget.h"
#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/manipulators/TiltRingParts.h"
#include "ui_widgets/nodes/VyrArrowNode.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrCylinderNode.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"

namespace Velto::UiWidget {

using Kairn::Graphics::VyrGraphicsNode;

namespace {

// An arrow a quarter of the unit length along `direction`, picked through a thin cylinder over
// its length.
VyrGraphicsNode* createHandleArrow(const Lumo::float3& direction)
{
    auto* arrow = VyrArrowNode::createGraphicsNode();
    auto* pickProxy = Kairn::Graphics::VyrCylinderNode::createGraphicsNode();
    pickProxy->setRadius(0.03125f);
    pickProxy->setHeight(1.1f);
    arrow->setZDirection(direction);
    pickProxy->setZDirection(direction);
    arrow->setScale(0.25f);
    pickProxy->setScale(0.25f);
    VyrGraphicsNode* handleArrow = Kairn::Graphics::VyrGraphicsNodeWithProxy::createGraphicsNodeWithProxy(arrow, pickProxy);
    handleArrow->setColor(styleColor("rgba(112, 173, 193, 100%)"));
    return handleArrow;
}

// Two arrows pointing away from each other along local Z, with a small disc and dot between them.
Kairn::Graphics::VyrGroupNode* createDoubleArrowHandle()
{
    VyrGraphicsNode* upper = createHandleArrow({0, 0, 1});
    VyrGraphicsNode* lower = createHandleArrow({0, 0, -1});

    auto* disc = Kairn::Graphics::VyrCircleNode::createGraphicsNode();
    disc->setRadius(0.05f);
    disc->setFillable(true);
    disc->participateInLighting(false);
    disc->setColor(styleColor("rgba(196, 196, 196, 100%)"));

    auto* dot = Kairn::Graphics::VyrSphereNode::createGraphicsNode();
    dot->setRadius(0.02f);
    dot->setColor(styleColor("rgba(102,174,195,60%)"));

    auto* handle = Kairn::Graphics::VyrGroupNode::createGraphicsNode();
    handle->addChildNode(upper, false);
    handle->addChildNode(lower, false);
    handle->addChildNode(disc, true);
    handle->addChildNode(dot, true);
    return handle;
}

} // namespace

PlaneTranslateRotateWidget::PlaneTranslateRotateWidget(Widget3DEventHandler* handler,
                                                       Kairn::Graphics::SceneItemType type)
    : Widget3DGroup(handler, type)
{
}

PlaneTranslateRotateWidget::~PlaneTranslateRotateWidget() = default;

PlaneTranslateRotateWidget* PlaneTranslateRotateWidget::createWidget3D(Widget3DEventHandler* handler,
                                                                       Kairn::Graphics::SceneItemType type)
{
    auto* widget = new PlaneTranslateRotateWidget(handler, type);
    widget->init();
    return widget;
}

void PlaneTranslateRotateWidget::init()
{
    Kairn::Graphics::VyrGroupNode* handleGeometry = createDoubleArrowHandle();

    auto* handle = new AxisTranslateWidget(eventHandler, Kairn::Graphics::SceneItemOverlay);
    handle->init();
    handle->setInactiveColor(styleColor("rgba(112, 173, 193, 100%)"));
    handle->setHighlightColor(styleColor("rgba(141, 189, 205, 100%)"));
    // Coloured before its arrow gives way to the double arrow, which therefore keeps its own
    // colours until the handle's next colour change.
    handle->setColor(handle->getInactiveColor());
    handle->clearGraphicsNodes();
    handle->addGraphicsNode(handleGeometry);
    connect(handle, SIGNAL(widgetSingleAxisTranslate(const Lumo::float3&)), this,
            SIGNAL(widgetAxisTranslate(const Lumo::float3&)));
    addWidget(handle);

    auto* ring = new PlaneRotateWidget(eventHandler, sceneItemType);
    ring->init();
    addFillableTiltRing(*this, ring);
}

void PlaneTranslateRotateWidget::setFillable(bool fillable)
{
    for (VyrGraphicsNode* node : graphicsNodes)
        node->setVisible(fillable);
}

} // namespace Velto::UiWidget
