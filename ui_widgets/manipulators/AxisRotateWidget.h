#pragma once

#include "ui_widgets/framework/IWidget3D.h"
#include "ui_widgets/platform/math/AutoPtr.h"

#include <sstream>
#include <string>

namespace Kairn::Graphics {
class VyrCircleNode;
class VyrGraphicsNodeWithProxy;
class VyrGroupNode;
} // namespace Kairn::Graphics

namespace Velto::UiWidget {

class VyrMarginTextNode;

// A ring in the plane perpendicular to the widget's direction, dragged around with the left
// button to rotate about that direction. The drag is incremental: each move compares the ring
// point under the mouse with the one under the last event that produced a step, and that event
// is replaced only when a step is taken, so motions below the threshold (a cosine of 0.99999,
// about 0.256 degrees) add up instead of being lost.
//
// A small arrow head on the ring, the ratchet, turns in whole multiples of the angle step when it
// is dragged instead of the ring (steps of 45 degrees or more in one move are ignored), and a
// double-click on it during a press turns by exactly 90 degrees. While dragging, a label beside
// the ring shows the accumulated signed angle in degrees.
//
// Each step is emitted as widgetSingleAxisRotate (a non-negative angle; the sense is carried by
// the axis, the widget's direction or its opposite) and returned as a rotation for the handler
// to apply about the widget's position.
class AxisRotateWidget : public IWidget3D
{
    Q_OBJECT

    // Composite widgets build their rings through the protected constructor and init().
    friend class ThreeAxisRotateWidget;
    friend class GimbalWidget;

public:
    static AxisRotateWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~AxisRotateWidget() override;

    // Zero, negative and non-finite steps are ignored.
    void setAngleStep(double degrees);
    double getAngleStep() const;
    // The next presses start the label from `radians` instead of 0.
    void setReferenceAngle(double radians);
    void unsetReferenceAngle();
    bool hasReferenceAngle() const;
    // The accumulated signed angle of the drags, in radians, as the label shows it.
    float getAngle() const;
    // Takes effect at the next press.
    void setDisplayAngle(bool display);
    bool isDisplayingAngle() const;
    void setUseRatchet(bool use);
    // Places the ratchet just outside the ring at `direction` (a unit vector), pointing at the centre.
    void setRatchetDirection(const Lumo::float3& direction);
    // With snap-back the ratchet returns at release to where it was grabbed; the ring keeps its turn.
    void setRatchetSnapback(bool snapback);
    bool hasRatchetSnapback() const;

    Kairn::Graphics::VyrGraphicsNodeWithProxy* getRing() const;
    Kairn::Graphics::VyrGraphicsNode* getRatchet() const;

    bool mouseEnter(const Widget3DMouseEvent& event) override;
    bool mouseDown(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseMove(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseUp(const Widget3DMouseEvent& event) override;
    // During a ratchet drag: a quarter turn about the widget direction.
    Lumo::Objects::ADevMatrix mouseDoubleClick(const Widget3DMouseEvent& event) override;
    // A left double-click on the ratchet: it starts the ratchet drag that the quarter turn needs.
    bool startsDragOnDoubleClick(const Widget3DMouseEvent& event) const override;
    // The ring is drawn at 40 % opacity, the ratchet opaque.
    void setColor(const Lumo::vec4<float>& color) override;

signals:
    // Fires on each drag step that turns the ring: a non-negative angle in radians about
    // `rotationLine` (through the widget's position; its direction gives the sense).
    void widgetSingleAxisRotate(float radians, const Lumo::Objects::XLine<float>& rotationLine);

protected:
    AxisRotateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;

    // A cone pointing along local -Z with a filled base circle; the caller takes a reference.
    Kairn::Graphics::VyrGraphicsNode* createRatchet();
    // Unit vector from the centre to the ring point nearest to the event's pick ray; the zero
    // vector when there is none (no viewport, degenerate ray).
    Lumo::float3 getVectorOnPlane(const Widget3DMouseEvent& event) const;
    // A space, the angle in degrees in the stream's notation, a space and a null character.
    std::wstring getAngleString();
    // The screen point 10 pixels outward from the ring point of the last mouse position.
    Lumo::vec2<float> calculateTextPosition2D();

    Lumo::float3 lastVectorOnPlane{};
    std::wostringstream angleStream;
    float angle = 0.0f;
    double angleStep = 5.0;
    bool displayAngle = true;
    bool referenceAngleSet = false;
    bool ratchetSnapback = false;
    Lumo::Objects::AutoPtr<VyrMarginTextNode> angleLabel;
    Lumo::Objects::AutoPtr<Kairn::Graphics::VyrGraphicsNode> ratchet;
    Lumo::Objects::AutoPtr<Kairn::Graphics::VyrGraphicsNodeWithProxy> ring;
    // Marks where the ratchet was grabbed; exists only during a ratchet drag.
    Lumo::Objects::AutoPtr<Kairn::Graphics::VyrGraphicsNode> ratchetGhost;

private:
    Kairn::Graphics::VyrCircleNode* ringCircle() const;
    float ringRadius() const;
    // Hands the label the current angle and puts it at the ring point of the last mouse position.
    void updateAngleLabel();
};

} // namespace Velto::UiWidget
