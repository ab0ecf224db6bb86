#pragma once

#include "ui_widgets/framework/IWidget3D.h"
#include "ui_widgets/nodes/VyrBoxNode.h"
#include "ui_widgets/platform/host/UnitType.h"
#include "ui_widgets/platform/math/Box.h"
#include "ui_widgets/platform/math/Color.h"

#include <array>

namespace Kairn::Graphics {
class VyrTextNode;
}

namespace Velto::UiWidget {

// An axis-aligned box shown as a cube outline with three labels that give its length along X, Y
// and Z in a chosen unit ("X  12.5 mm"); one face can be filled with a colour. The widget never
// takes a press, so the host's view navigation keeps the mouse; while hovered it follows the
// base widget's free drag in the view plane.
//
// Nodes, in order: the box outline, then the X, Y and Z labels.
class DimensionBoundingBoxWidget : public IWidget3D
{
    Q_OBJECT

public:
    static DimensionBoundingBoxWidget* createWidget3D(Widget3DEventHandler* handler,
                                                      Kairn::Graphics::SceneItemType type);

protected:
    DimensionBoundingBoxWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;

public:
    bool mouseDown(const Widget3DMouseEvent& event) override;
    Lumo::Objects::ADevMatrix mouseUp(const Widget3DMouseEvent& event) override;
    // Restores the colours of resetColor.
    bool mouseLeave(const Widget3DMouseEvent& event) override;
    // Box colour on the outline, text colour on the labels, and the selected face filled (or
    // not) with the box colour. Until the host sets them, these are the colours the nodes had
    // when the widget was built.
    void resetColor() override;

    // Fits the outline to `box` (in millimetres), writes its lengths converted to `unit` (an
    // unknown unit shows the millimetre value with "mm") and places each label along its edge at
    // `offsetFromMin`. Labels are 5 % of the smallest side. An empty box, one with non-finite
    // corners, or a non-finite offset changes nothing.
    virtual void updateToBox(const Kairn::Objects::Box<double>& box, const Zel::Common::UnitType& unit,
                             double offsetFromMin);
    virtual void setBoxColor(const Kairn::Objects::Color4& color);
    virtual void setTextColor(const Kairn::Objects::Color4& color);
    virtual void setTextScale(float scale);
    // Remembers the face and the flag for resetColor; the colour is kept only when filling.
    virtual void setFillWithColor(VyrBoxNode::Plane plane, bool fill, const Lumo::vec4<float>& color);

    double getOffsetFromMin() const;

private:
    VyrBoxNode* boxNode = nullptr;
    std::array<Kairn::Graphics::VyrTextNode*, 3> dimensionTexts{};
    Kairn::Objects::Color4 boxColor;
    Kairn::Objects::Color4 dimensionTextColor;
    Kairn::Objects::Color4 fillColor;
    bool fillFlag = false;
    int fillPlane = 0;
    double offsetFromMin = 0.5;
};

} // namespace Velto::UiWidget
