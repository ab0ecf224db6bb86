#pragma once

#include "ui_widgets/framework/Widget3DGroup.h"

namespace Velto::UiWidget {

class VyrGridPlaneNode;

// A passive reference grid: one grid plane node, 21 lines each way over a 20 x 20 square with
// unit spacing, and two axes 40 long, in the plane through an origin spanned by two axes. The
// widget holds no child widgets and its node carries no widget tag, so picks never find it and
// a press over it always reaches the host's view navigation.
class CoordinateGridWidget : public Widget3DGroup
{
    Q_OBJECT

public:
    static CoordinateGridWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

protected:
    CoordinateGridWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    // The XY plane of the widget's frame.
    void init() override;

public:
    bool mouseDown(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseUp(const Widget3DMouseEvent& event) override;

    // The axes are normalised, so only their directions count. A zero or non-finite axis, or a
    // non-finite origin, leaves the grid as it was.
    virtual void setCoordinateSystem(const Lumo::vec3<float>& origin, const Lumo::vec3<float>& xAxis,
                                     const Lumo::vec3<float>& yAxis);

private:
    VyrGridPlaneNode* gridNode = nullptr;
};

} // namespace Velto::UiWidget
