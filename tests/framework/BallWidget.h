#pragma once

#include "ui_widgets/framework/IWidget3D.h"

#include <QString>

namespace Kairn::Graphics {
class VyrSphereNode;
}

namespace UiwTest {
class SignalLog;
}

// A minimal widget for the framework tests: one or more sphere handles that drag freely in the
// plane facing the camera while a button is held. Every mouse operation and transformBy is noted
// in a SignalLog as "<name>.<operation>", so logs show calls and signals in one sequence.
class BallWidget : public Velto::UiWidget::IWidget3D
{
    Q_OBJECT

public:
    static BallWidget* createWidget3D(Velto::UiWidget::Widget3DEventHandler* handler, const Lumo::float3& center,
                                      UiwTest::SignalLog* log = nullptr, const QString& name = "ball");
    ~BallWidget() override;

    // Another sphere of radius 0.5 at `center`, a second node of the same widget.
    Kairn::Graphics::VyrSphereNode* addBall(const Lumo::float3& center);
    Kairn::Graphics::VyrSphereNode* ball(int index = 0) const;

    // The answer of mouseDown; steps returned by mouseUp and mouseDoubleClick.
    bool acceptsPress = true;
    Lumo::Objects::ADevMatrix releaseStep;
    Lumo::Objects::ADevMatrix doubleClickStep;

    // The node and hit point of the last event the widget saw in a mouse operation.
    Kairn::Graphics::VyrGraphicsNode* seenNode = nullptr;
    Lumo::float3 seenHitPoint{};

    static int liveCount;

protected:
    BallWidget(Velto::UiWidget::Widget3DEventHandler* handler, UiwTest::SignalLog* log, const QString& name);
    void init() override;

public:
    bool mouseEnter(const Velto::UiWidget::Widget3DMouseEvent& event) override;
    bool mouseLeave(const Velto::UiWidget::Widget3DMouseEvent& event) override;
    bool mouseDown(const Velto::UiWidget::Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseMove(const Velto::UiWidget::Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseUp(const Velto::UiWidget::Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseDoubleClick(const Velto::UiWidget::Widget3DMouseEvent& event) override;
    void transformBy(const Lumo::Objects::ADevMatrix& matrix, bool aboutPosition) override;

private:
    void note(const char* operation, const Velto::UiWidget::Widget3DMouseEvent* event = nullptr);

    UiwTest::SignalLog* m_log;
    QString m_name;
};
