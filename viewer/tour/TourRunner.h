#pragma once

#include "viewer/tour/TourReport.h"

#include <QDir>
#include <QPointF>
#include <QString>
#include <QTextStream>

#include <functional>
#include <optional>

namespace Viewer {

class MainWindow;

// The scripted tour behind `viewer --tour DIR`: for every gallery entry it places the widget on
// the model, hovers one of its handles and drags it with synthetic mouse events sent to the 3D
// view (so the events take the same road as real ones), and writes one PNG of the view per step;
// it also places two survey points by clicking the model, double-clicks a ring's ratchet and
// shows a crowd of widgets at once.
// Then it times frames of the default gallery scene at 1280 x 800 and prints where everything is.
// Beside the pictures it writes tour.json: for every picture, how large the widgets are on screen,
// what share of their pixels is at full strength and what share faded behind the model, and how
// long the frame took to draw.
class TourRunner
{
public:
    TourRunner(MainWindow& window, const QString& outputDirectory, QTextStream& out);

    // 0 when every picture was written; 1 when the directory or a picture could not be written.
    int run();

    static constexpr int FrameWidth = 1280;
    static constexpr int FrameHeight = 800;
    static constexpr int WindowWidth = 1400;
    static constexpr int WindowHeight = 860;
    static constexpr int TimedFrames = 30;
    static constexpr int DragSteps = 12;
    // The widget shown in the picture of the whole window.
    static constexpr const char* WindowEntry = "ThreeAxisRotateWidget";
    // The entry whose clicks on the model place labelled points.
    static constexpr const char* SurveyEntry = "SurveyPointWidget";
    static constexpr int CrowdTools = 200;
    static constexpr int CrowdSurveyPoints = 2000;
    // The entry whose ratchet the tour double-clicks.
    static constexpr const char* RatchetEntry = "AxisRotateWidget";

private:
    bool tourEntry(int index);
    // Clicks the model at two points left and right of the middle of the view with the survey
    // entry chosen, and pictures the points placed.
    void placeSurveyPoints();
    // One step per drag option of the handler (the viewer turns them all on): a drag cancelled
    // with Escape, a drag finished with Shift held, snapped travel, the scale factor label, and an
    // arrow pointing at the eye that a press goes through.
    void tourDragOptions();
    // Drags the handle of the entry shown by `travel`, holding `modifiers` for the second half of
    // the moves, and pictures the drag as `picture`; released unless `keepPressed`. The handle,
    // or none.
    std::optional<QPointF> dragWithModifiers(const QPointF& travel, Qt::KeyboardModifiers modifiers,
                                             const QString& picture, bool keepPressed = false);
    // Double-clicks the ratchet of the ring as Qt delivers it (press, release, double-click,
    // release) and pictures the ring and the model turned by a quarter.
    void doubleClickRatchet();
    // Hovers a handle of the widget shown, drags it by the item's tour travel and releases it;
    // `picture` is called after the hover, the drag and the release. The handle, or none.
    std::optional<QPointF> dragShownWidget(const std::function<void(const QString&)>& picture);
    // Many widgets at once: CrowdTools three-axis tools and CrowdSurveyPoints survey points spread
    // over the model's surface, pictured and timed.
    void showCrowd();
    // Writes the view's picture `name`.png and records the step's measurements in the report.
    bool snapshot(const QString& name);
    struct FrameTiming
    {
        double paintMilliseconds = 0.0;
        double wallMilliseconds = 0.0;
        double cpuMilliseconds = 0.0;
    };
    // The mean over TimedFrames frames, each after a small orbit of the camera.
    FrameTiming timeFrames();
    QString describe(const FrameTiming& timing) const;
    void sendMouse(int type, const QPointF& position, Qt::MouseButton button, Qt::MouseButtons buttons,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    MainWindow& m_window;
    QDir m_directory;
    QTextStream& m_out;
    TourReport m_report;
    int m_pictures = 0;
    bool m_failed = false;
};

} // namespace Viewer
