#pragma once

#include "ui_widgets/framework/Widget3DGroup.h"

namespace Velto::UiWidget {

class AxisTranslateWidget;

// Three arrows along +X, +Y and +Z sharing one origin, acting as one translation tool. The group
// routes each press to the arrow that was hit; the step that arrow returns moves all three
// together (or only the dragged one when the group is deformable). Every arrow's
// widgetSingleAxisTranslate reaches the host unchanged as widgetThreeAxisTranslate.
class ThreeAxisTranslateWidget : public Widget3DGroup
{
    Q_OBJECT

    // Composite widgets that hold a three-axis translate build it through the protected
    // constructor and init().
    friend class PlaneScaleWidget;
    friend class TriadWidget;
    friend class ThreeAxisTranslatePlaneRotateWidget;

public:
    static ThreeAxisTranslateWidget* createWidget3D(Widget3DEventHandler* handler,
                                                    Kairn::Graphics::SceneItemType type);
    ~ThreeAxisTranslateWidget() override;

    // The index-th child that is an AxisTranslateWidget, counting from 0 in the order the
    // children were added (0, 1, 2: the X, Y and Z arrows); null when there is none.
    AxisTranslateWidget* getAxisTranslateWidget(int index);

signals:
    // Fires on each drag step of any arrow: `translation` is the world-space move along
    // that arrow since the previous step. A host adds it to its object's position.
    void widgetThreeAxisTranslate(const Lumo::float3& translation);

protected:
    ThreeAxisTranslateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);

    void init() override;
};

} // namespace Velto::UiWidget
