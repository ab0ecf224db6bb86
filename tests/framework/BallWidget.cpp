#include "tests/framework/BallWidget.h"

#include "tests/support/SignalLog.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"

using Velto::UiWidget::Widget3DMouseEvent;

int BallWidget::liveCount = 0;

BallWidget::BallWidget(Velto::UiWidget::Widget3DEventHandler* handler, UiwTest::SignalLog* log, const QString& name)
    : IWidget3D(handler, Kairn::Graphics::SceneItemWidget)
    , m_log(log)
    , m_name(name)
{
    ++liveCount;
}

BallWidget::~BallWidget()
{
    --liveCount;
}

BallWidget* BallWidget::createWidget3D(Velto::UiWidget::Widget3DEventHandler* handler, const Lumo::float3& center,
                                       UiwTest::SignalLog* log, const QString& name)
{
    auto* widget = new BallWidget(handler, log, name);
    widget->init();
    widget->setPosition(center);
    return widget;
}

void BallWidget::init()
{
    setInactiveColor({0.2f, 0.4f, 0.6f, 1.0f});
    setHighlightColor({0.4f, 0.6f, 0.8f, 1.0f});
    addBall({0, 0, 0});
    resetColor();
}

Kairn::Graphics::VyrSphereNode* BallWidget::addBall(const Lumo::float3& center)
{
    auto* sphere = Kairn::Graphics::VyrSphereNode::createGraphicsNode();
    sphere->setRadius(0.5f);
    sphere->setPosition(center);
    sphere->setColor(inactiveColor);
    addGraphicsNode(sphere);
    return sphere;
}

Kairn::Graphics::VyrSphereNode* BallWidget::ball(int index) const
{
    return static_cast<Kairn::Graphics::VyrSphereNode*>(graphicsNodes.at(std::size_t(index)));
}

void BallWidget::note(const char* operation, const Widget3DMouseEvent* event)
{
    if (event) {
        seenNode = event->graphicsNode;
        seenHitPoint = event->hitPoint;
    }
    if (m_log)
        m_log->note(m_name + "." + operation);
}

bool BallWidget::mouseEnter(const Widget3DMouseEvent& event)
{
    note("mouseEnter", &event);
    return IWidget3D::mouseEnter(event);
}

bool BallWidget::mouseLeave(const Widget3DMouseEvent& event)
{
    note("mouseLeave", &event);
    return IWidget3D::mouseLeave(event);
}

bool BallWidget::mouseDown(const Widget3DMouseEvent& event)
{
    note("mouseDown", &event);
    if (!acceptsPress)
        return false;
    delete mouseDownEvent;
    mouseDownEvent = new Widget3DMouseEvent(event);
    return true;
}

Lumo::Objects::ADevMatrix BallWidget::mouseMove(const Widget3DMouseEvent& event)
{
    note("mouseMove", &event);
    return mouseDownEvent ? IWidget3D::mouseMove(event) : Lumo::Objects::ADevMatrix();
}

Lumo::Objects::ADevMatrix BallWidget::mouseUp(const Widget3DMouseEvent& event)
{
    note("mouseUp", &event);
    delete mouseDownEvent;
    mouseDownEvent = nullptr;
    return releaseStep;
}

Lumo::Objects::ADevMatrix BallWidget::mouseDoubleClick(const Widget3DMouseEvent& event)
{
    note("mouseDoubleClick", &event);
    return doubleClickStep;
}

void BallWidget::transformBy(const Lumo::Objects::ADevMatrix& matrix, bool aboutPosition)
{
    note("transformBy");
    IWidget3D::transformBy(matrix, aboutPosition);
}
