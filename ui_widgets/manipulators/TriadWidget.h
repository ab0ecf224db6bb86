#pragma once

#include "ui_widgets/framework/Widget3DGroup.h"

namespace Velto::UiWidget {

// The combined move-and-turn tool: three rotation rings and, inside them, three translation
// arrows at 0.6 scale, all about one centre in one rigid group. Whatever handle is dragged, the
// whole triad moves with it, so after a ring drag the arrows point along the turned axes.
// Rotations reach the host as widgetTriadRotate, translations as widgetTriadTranslate.
class TriadWidget : public Widget3DGroup
{
    Q_OBJECT

public:
    static TriadWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

signals:
    // Fires on each drag step of a ring: the angle in radians about `rotationLine`.
    void widgetTriadRotate(float radians, const Lumo::Objects::XLine<float>& rotationLine);
    // Fires on each drag step of an arrow: its world-space move since the previous step.
    void widgetTriadTranslate(const Lumo::float3& translation);
    // Offered for hosts that connect a scale to the triad; the triad itself never emits it.
    void widgetTriadScale(float factor, const Lumo::float3& center);

protected:
    TriadWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~TriadWidget() override;

    void init() override;
};

} // namespace Velto::UiWidget
