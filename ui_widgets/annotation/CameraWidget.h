#pragma once

#include "ui_widgets/tracking/MouseTrackingWidget.h"

#include <QPoint>

class QMouseEvent;
class QString;

namespace Velto::UiWidget {

// Marks a camera position with a small camera-shaped mesh (a cone when the mesh cannot be read).
// It highlights under the mouse like any widget but never takes a press, so it is never dragged
// and the host's own view navigation still gets every press on it.
//
// A left click on the marker reports cameraClicked. Because the press is not taken, the event
// handler does not route the release to the marker; instead a left press on the marker watches
// the view for the next left release, and a release within draggingThreshold() pixels
// (Manhattan) of the press is the click. A press that turns into a drag (the host orbiting the
// view) is no click. Calling mouseUp directly with a left-button event reports a click as well.
class CameraWidget : public MouseTrackingWidget
{
    Q_OBJECT

public:
    static CameraWidget* createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    ~CameraWidget() override;

    bool mouseDown(const Widget3DMouseEvent& event) override;
    // Emits cameraClicked for a left-button event unless the widget is silenced.
    Lumo::Objects::ADevMatrix mouseUp(const Widget3DMouseEvent& event) override;

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // Fires at the release of a left click on the marker (the widget is never dragged);
    // `event` is the release, in view pixels. A host typically moves its camera there.
    void cameraClicked(const QMouseEvent& event);

protected:
    CameraWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type);
    void init() override;
    // The camera mesh read from `meshPath`, or a default cone in its place, in the style's blues.
    void buildMarker(const QString& meshPath);

private:
    // View position of the left press that may become a click.
    QPoint clickPress;
};

} // namespace Velto::UiWidget
