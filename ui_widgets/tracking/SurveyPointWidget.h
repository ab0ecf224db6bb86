#pragma once

#include "ui_widgets/platform/scene/CameraChangeProtocol.h"
#include "ui_widgets/tracking/SurfaceTrackingWidget.h"

#include <QPoint>

#include <string>

namespace Velto::UiWidget {

class VyrMarginTextNode;

// Marks a surveyed point: a filled disc with a short stick along the widget's direction, and a
// label beside it that shows the point's name in grey on a coloured background (the colour the
// widget is painted with). A press on the disc, the stick or the label is taken, so the handler
// selects the point (widgetSelect), but the point is never dragged.
//
// The label lives in the overlay layer (scene item type 3) and survives clearGraphicsNodes, so a
// host that swaps the marker geometry keeps the label.
class SurveyPointWidget : public SurfaceTrackingWidget, public Kairn::Graphics::CameraChangeProtocol
{
    Q_OBJECT

public:
    static SurveyPointWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~SurveyPointWidget() override;

    // Takes the press without storing it: the handler selects the point (widgetSelect), but no
    // drag ever starts.
    bool mouseDown(const Widget3DMouseEvent& event) override;
    // Paints the marker with `color`; the label keeps grey text and takes `color` as its
    // background. resetColor reaches this with the inactive colour.
    void setColor(const Lumo::vec4<float>& color) override;

    virtual std::wstring getLabel();
    virtual void setLabel(std::wstring label);

    // The base operation, after which the label is put back into the node list and the scene.
    void clearGraphicsNodes();

    VyrMarginTextNode* getLabelNode() const;

    // The survey point does not react to camera changes.
    void cameraOperationBegan(const Ocuvo::CameraParameters& parameters) override;
    void cameraParametersChanged(const Ocuvo::CameraParameters& parameters) override;
    void cameraOperationEnded(const Ocuvo::CameraParameters& parameters) override;

signals:
    // Part of the widget's public signal set for hosts that relay edits of a point; the widget
    // itself never emits it (a click selects the point through widgetSelect instead).
    void surveyPointChanged(const std::wstring& label, const QPoint& pos);

protected:
    SurveyPointWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    void init() override;

private:
    // Lists the label node with the widget and puts it into the handler's overlay layer.
    void attachLabel();

    std::wstring label;
    // Holds the widget's own reference, besides the one of the node list.
    VyrMarginTextNode* labelNode = nullptr;
};

} // namespace Velto::UiWidget
