#pragma once

#include "ui_widgets/manipulators/AxisTranslateWidget.h"

namespace Velto::UiWidget {

// A double-cone handle dragged along the axis from its anchor through the widget, scaling
// uniformly about the anchor. Press and release are the arrow's; a move turns the displacement
// of the grab point along the axis since the press into a factor relative to the widget's
// distance from the anchor: 1 + displacement / distance, never below 0. The factor is emitted
// with the anchor as widgetSingleAxisScale and returned as a scale matrix about the anchor.
class ScaleWidget : public AxisTranslateWidget
{
    Q_OBJECT

public:
    static ScaleWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    // Turns the widget so that its axis runs from the anchor through the widget, unless the
    // anchor lies at the widget's position.
    void setAnchor(const Lumo::float3& anchor);
    Lumo::float3 getAnchor() const;

    Lumo::Objects::ADevMatrix mouseMove(const Widget3DMouseEvent& event) override;

    // Gives `widget` the double-cone handle (two cones pointing away from each other inside a
    // pick cylinder) and the handle's resting and highlight colours, and paints it at rest.
    static void buildDoubleConeHandle(IWidget3D& widget);

public slots:
    // Moves only the anchor, so the widget scales about the point that another widget carries.
    void OnWidgetTransform(const Lumo::Objects::ADevMatrix& matrix) override;

signals:
    // Fires on each drag step: the uniform factor `scale` (0 or more) to apply about
    // `anchor`, relative to the previous step.
    void widgetSingleAxisScale(float scale, const Lumo::float3& anchor);

protected:
    ScaleWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;

    // Where the factor label goes while dragging; needs the handler's viewport.
    Lumo::float3 besideHandle() const;

    Lumo::float3 anchor{};
};

} // namespace Velto::UiWidget
