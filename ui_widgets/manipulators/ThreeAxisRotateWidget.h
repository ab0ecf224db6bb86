#pragma once

#include "ui_widgets/framework/Widget3DGroup.h"

namespace Velto::UiWidget {

class AxisRotateWidget;

// Three rings about X, -Y and Z sharing one centre, acting as one rotation tool. The group routes
// each press to the ring that was hit; the step that ring returns turns all three together (or
// only the dragged one when the group is deformable). Every ring's widgetSingleAxisRotate reaches
// the host unchanged as widgetThreeAxisRotate. Ratchet, angle display and reference angles are
// passed on to all rings at once.
class ThreeAxisRotateWidget : public Widget3DGroup
{
    Q_OBJECT

    // Composite widgets that hold a three-axis rotate build it through the protected
    // constructor and init().
    friend class GimbalWidget;
    friend class TriadWidget;
    friend class DirectionalTranslateRotateWidget;

public:
    static ThreeAxisRotateWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~ThreeAxisRotateWidget() override;

    // The index-th child that is an AxisRotateWidget, counting from 0 in the order the children
    // were added (0, 1, 2: the X, Y and Z rings); null when there is none.
    AxisRotateWidget* getAxisRotateWidget(int index);

    // Also gives every ring snap-back exactly when the group is rigid.
    void setDeformable(bool deformable) override;
    void setUseRatchet(bool use);
    void setDisplayAngle(bool display);
    // In radians, to the first, second and third ring in child order; rings beyond the third
    // are left alone.
    void setReferenceAngles(double x, double y, double z);
    void unsetReferenceAngles();

signals:
    // Fires on each drag step of any ring, with that ring's widgetSingleAxisRotate
    // arguments: the angle in radians about `rotationLine`.
    void widgetThreeAxisRotate(float radians, const Lumo::Objects::XLine<float>& rotationLine);

protected:
    ThreeAxisRotateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;

private:
    // The rings among the children, in child order.
    std::vector<AxisRotateWidget*> rings() const;
};

} // namespace Velto::UiWidget
