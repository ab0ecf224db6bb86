#pragma once

#include "ui_widgets/framework/IWidget3D.h"
#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/math/Vector3.h"

namespace Kairn::Objects {
class IVYRNode;
}

namespace Velto::UiWidget {

class VyrMarginTextNode;

// A double-cone handle that scales a host object directly. The handle sits at the target's
// handle point, on the axis from the target's centre through it. Dragging it sets the target's
// world matrix to the matrix it had at the press times a uniform scale by the ratio of the
// handle's distance from the centre now to that distance at the press, so the factor is absolute
// for the drag whatever path the mouse took. The widget then follows the target and emits
// widgetScale; it returns the identity to the handler, never moving through a step.
//
// The target is not owned: the host keeps it alive while it is set.
class TargetScaleWidget : public IWidget3D
{
    Q_OBJECT

public:
    static TargetScaleWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~TargetScaleWidget() override;

    bool mouseDown(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseMove(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseUp(const Widget3DMouseEvent& event) override;
    // The widget scales its target itself, so a cancelled drag gives the target back its matrix
    // of the press.
    void cancelDrag(const Widget3DMouseEvent& event) override;

    // Places the widget on `target` and aims it away from the target's centre. Null clears the
    // target; the widget then stays where it is and takes no drag.
    virtual void setTargetObject(Kairn::Objects::IVYRNode* target);
    // Re-reads the target's centre and moves the widget to the target's handle point.
    virtual void UpdateWidget();

    Kairn::Objects::IVYRNode* getTargetObject() const;

signals:
    // Fires on each drag step after the widget has rescaled its target object itself; a host
    // reads the target's new size from the object.
    void widgetScale();

protected:
    TargetScaleWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;

    // Gives the target the world matrix it had at the press times a uniform scale by `factor`.
    void ScaleObject(float factor);
    // The point nearest to the pick ray on the axis from the widget toward the target's centre.
    // Without a viewport, or with the widget at the centre, the widget's position.
    Lumo::float3 GetClosestPointToAxis(const Widget3DMouseEvent& event) const;

    Kairn::Objects::Vector3<float> targetCentre{};
    Kairn::Objects::IVYRNode* target = nullptr;
    // The target's world matrix when the drag began.
    Lumo::Objects::ADevMatrix startTransform;
    // The widget's position when the drag began.
    Lumo::float3 dragStartPosition{};

private:
    // The factor of the drag, shown while the handler asks for value labels.
    Lumo::Objects::AutoPtr<VyrMarginTextNode> factorLabel;

    bool closestPointToAxis(const Widget3DMouseEvent& event, Lumo::float3& point) const;
};

} // namespace Velto::UiWidget
