#pragma once

#include "ui_widgets/framework/Widget3DGroup.h"

namespace Velto::UiWidget {

// A rigid three-ring frame (a ThreeAxisRotateWidget inside a plain group) and a larger outer ring
// about -Y that turns on its own. The gimbal is deformable: a drag step turns only the child that
// holds the dragged ring, so the outer ring never carries the frame and the frame never carries
// the outer ring. Every rotation, from whichever ring, reaches the host as widgetAxisRotate.
class GimbalWidget : public Widget3DGroup
{
    Q_OBJECT

public:
    static GimbalWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

signals:
    // Fires on each drag step of any ring, inner or outer: the angle in radians about
    // `rotationLine` (through the gimbal's centre along the dragged ring's axis).
    void widgetAxisRotate(float radians, const Lumo::Objects::XLine<float>& rotationLine);

protected:
    GimbalWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~GimbalWidget() override;

    void init() override;
};

} // namespace Velto::UiWidget
