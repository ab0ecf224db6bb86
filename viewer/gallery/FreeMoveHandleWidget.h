#pragma once

#include "ui_widgets/framework/IWidget3D.h"

namespace Viewer {

// The viewer's own example of a host-written widget: a ball that is dragged freely in the plane
// facing the camera while the left button is held, reporting each step as a translation. It
// shows what a widget class needs (a factory, init() building nodes, mouseDown / mouseMove /
// mouseUp) and gives the gallery something to drag before the library's own widgets are in.
class FreeMoveHandleWidget : public Velto::UiWidget::IWidget3D
{
    Q_OBJECT

public:
    static FreeMoveHandleWidget* createWidget3D(Velto::UiWidget::Widget3DEventHandler* handler,
                                                Kairn::Graphics::SceneItemType type);

    bool mouseDown(const Velto::UiWidget::Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseMove(const Velto::UiWidget::Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseUp(const Velto::UiWidget::Widget3DMouseEvent& event) override;

    static constexpr float BallRadius = 0.15f;

signals:
    void widgetFreeMove(const Lumo::float3& translation);

protected:
    FreeMoveHandleWidget(Velto::UiWidget::Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    void init() override;

private:
    // The grabbed point's offset from the widget position, fixed at the press so the ball does
    // not jump to the mouse.
    Lumo::float3 m_grabOffset{};
};

} // namespace Viewer
