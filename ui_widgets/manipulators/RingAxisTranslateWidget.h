#pragma once

#include "ui_widgets/manipulators/AxisTranslateWidget.h"

namespace Kairn::Graphics {
class VyrCircleNode;
}

namespace Velto::UiWidget {

// A ring lying across the widget's direction that drags along that direction exactly like the
// arrow it derives from. The ring is filled with a fully transparent but pickable disc, so a
// press anywhere inside the ring grabs it; the disc keeps alpha 0 through every recolouring.
// The owner sets the inactive and highlight colours.
class RingAxisTranslateWidget : public AxisTranslateWidget
{
    Q_OBJECT

    // Composite widgets build their rings through the protected constructor and init().
    friend class DirectionalTranslateRotateWidget;
    friend class DirectionalTranslateFreeRotateWidget;

public:
    static RingAxisTranslateWidget* createWidget3D(Widget3DEventHandler* handler,
                                                   Kairn::Graphics::SceneItemType type);

    // Paints every node with `color` and the grab disc with its red, green and blue only.
    void setColor(const Lumo::vec4<float>& color) override;

protected:
    RingAxisTranslateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;

    // One of the widget's graphics nodes; the node list holds its reference.
    Kairn::Graphics::VyrCircleNode* grabDisc = nullptr;
};

} // namespace Velto::UiWidget
