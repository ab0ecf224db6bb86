#include "viewer/tour/TourRunner.h"

#include "viewer/app/MainWindow.h"
#include "viewer/app/ModelController.h"
#include "viewer/app/SceneView.h"
#include "viewer/gallery/GalleryItem.h"
#include "viewer/gallery/GalleryRegistry.h"
#include "viewer/render/SceneRenderer.h"
#include "viewer/tour/HandleFinder.h"

#include "ui_widgets/framework/IWidget3D.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/AxisRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslateWidget.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/SceneItemType.h"
#include "ui_widgets/platform/scene/TriangleMesh.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"
#include "ui_widgets/tracking/SurveyPointWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include <sys/resource.h>

namespace Viewer {

namespace {

QString fileSafe(const QString& name)
{
    QString safe = name;
    for (QChar& c : safe)
        if (!c.isLetterOrNumber())
            c = QLatin1Char('-');
    return safe;
}

// User and system time of every thread of the process: Mesa's software rasterizer draws on
// worker threads, and this total does not depend on what else the machine is doing.
double processCpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

QString vectorText(const Lumo::float3& v)
{
    return QStringLiteral("(%1, %2, %3)").arg(v.x, 0, 'f', 3).arg(v.y, 0, 'f', 3).arg(v.z, 0, 'f', 3);
}

// How the model's transform changed: the step S with before . S = after, told as the move of
// the origin, the angle of its rotation and its uniform scale.
QString describeChange(const Lumo::Objects::ADevMatrix& before, const Lumo::Objects::ADevMatrix& after)
{
    using Lumo::Objects::ADevMatrix;
    const ADevMatrix step = ADevMatrix::Multiply(ADevMatrix::Invert(before), after);
    const Lumo::float3 moved = after.transformPoint({}) - before.transformPoint({});
    const float determinant = step.M11 * (step.M22 * step.M33 - step.M23 * step.M32)
                              - step.M12 * (step.M21 * step.M33 - step.M23 * step.M31)
                              + step.M13 * (step.M21 * step.M32 - step.M22 * step.M31);
    const float scale = std::cbrt(determinant);
    const float cosine = scale != 0.0f ? ((step.M11 + step.M22 + step.M33) / scale - 1.0f) / 2.0f : 1.0f;
    const float degrees = std::acos(std::clamp(cosine, -1.0f, 1.0f)) * 180.0f / 3.14159265f;
    return QStringLiteral("model moved by %1, turned by %2 degrees, scaled by %3")
        .arg(vectorText(moved))
        .arg(degrees, 0, 'f', 1)
        .arg(scale, 0, 'f', 3);
}

} // namespace

TourRunner::TourRunner(MainWindow& window, const QString& outputDirectory, QTextStream& out)
    : m_window(window)
    , m_directory(outputDirectory)
    , m_out(out)
{
}

int TourRunner::run()
{
    if (!m_directory.mkpath(QStringLiteral("."))) {
        m_out << "Cannot create " << m_directory.absolutePath() << "\n";
        return 1;
    }
    SceneView* view = m_window.sceneView();
    view->setFixedSize(FrameWidth, FrameHeight);
    m_window.show();
    QApplication::processEvents();
    m_window.resetCamera();
    if (!view->rendererError().isEmpty()) {
        m_out << "The renderer could not start:\n" << view->rendererError() << "\n";
        return 1;
    }

    m_window.showEntry(-1);
    snapshot(QStringLiteral("00-model"));
    const auto& entries = GalleryRegistry::entries();
    for (int i = 0; i < static_cast<int>(entries.size()); ++i)
        tourEntry(i);
    placeSurveyPoints();
    tourDragOptions();
    doubleClickRatchet();
    showCrowd();

    // The whole window as a user first sees it, then the 3D view back at the timed size.
    view->setMinimumSize(FrameWidth / 2, FrameHeight / 2);
    view->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_window.resize(WindowWidth, WindowHeight);
    m_window.model().resetPose();
    m_window.showEntry(GalleryRegistry::indexOf(WindowEntry));
    m_window.resetCamera();
    QApplication::processEvents();
    dragShownWidget([](const QString&) {});
    const QString windowPicture = m_directory.filePath(QStringLiteral("window.png"));
    if (m_window.grab().save(windowPicture))
        ++m_pictures;
    else
        m_failed = true;
    view->setFixedSize(FrameWidth, FrameHeight);
    m_window.model().resetPose();
    m_window.showEntry(0);
    QApplication::processEvents();
    m_window.resetCamera();
    const SceneRenderer* renderer = view->renderer();
    const FrameTiming timing = timeFrames();
    m_out << "Frame time of the default gallery scene at " << FrameWidth << " x " << FrameHeight << " ("
          << m_window.model().triangleCount() << " model triangles, "
          << (renderer ? renderer->lastFrame().modelSamples : 0) << "x multisampling of the model, "
          << (renderer ? renderer->lastFrame().widgetSamples : 0) << "x of the widgets): " << describe(timing) << "\n";
    m_report.setFact(QStringLiteral("defaultSceneFrameMilliseconds"), timing.paintMilliseconds);

    const QString reportPath = m_directory.filePath(QStringLiteral("tour.json"));
    if (!m_report.write(reportPath)) {
        m_out << "Cannot write " << reportPath << "\n";
        m_failed = true;
    }
    m_out << "Wrote " << m_pictures << " pictures and tour.json to " << m_directory.absolutePath() << "\n";
    m_out.flush();
    return m_failed ? 1 : 0;
}

bool TourRunner::tourEntry(int index)
{
    const GalleryEntry& entry = GalleryRegistry::entries()[static_cast<std::size_t>(index)];
    const QString prefix = QStringLiteral("%1-%2").arg(index + 1, 2, 10, QLatin1Char('0')).arg(fileSafe(entry.name));
    m_window.resetCamera();
    m_window.model().resetPose();
    m_window.showEntry(index);
    snapshot(prefix + QStringLiteral("-1-placed"));

    GalleryItem* item = m_window.currentItem();
    if (!item || !qobject_cast<Velto::UiWidget::IWidget3D*>(item->signalSource())) {
        m_out << entry.name << ": shown (a scene node, nothing to drag)\n";
        return true;
    }
    const Lumo::Objects::ADevMatrix before = m_window.model().node()->getFullTransform();
    const int logBefore = m_window.logLineCount();
    const auto handle = dragShownWidget(
        [&](const QString& step) { snapshot(prefix + QLatin1Char('-') + step); });
    if (!handle) {
        m_out << entry.name << ": no handle to drag on screen\n";
        return false;
    }
    const QPointF travel = item->tourDrag();
    m_out << entry.name << ": dragged from (" << handle->x() << ", " << handle->y() << ") by (" << travel.x()
          << ", " << travel.y() << ") px; " << describeChange(before, m_window.model().node()->getFullTransform())
          << "; " << (m_window.logLineCount() - logBefore) << " signals logged\n";
    return true;
}

void TourRunner::placeSurveyPoints()
{
    m_window.resetCamera();
    m_window.model().resetPose();
    m_window.showEntry(GalleryRegistry::indexOf(SurveyEntry));
    const HandleFinder finder(m_window.sceneView()->viewport());
    const std::size_t widgetsBefore = m_window.eventHandler()->getWidgets().size();
    for (const double share : {0.35, 0.65}) {
        const auto click = finder.findBareSurface({share * FrameWidth, 0.5 * FrameHeight});
        if (!click)
            continue;
        sendMouse(QEvent::MouseMove, *click, Qt::NoButton, Qt::NoButton);
        sendMouse(QEvent::MouseButtonPress, *click, Qt::LeftButton, Qt::LeftButton);
        sendMouse(QEvent::MouseButtonRelease, *click, Qt::LeftButton, Qt::NoButton);
    }
    m_out << SurveyEntry << ": " << (m_window.eventHandler()->getWidgets().size() - widgetsBefore)
          << " survey points placed by clicks on the model\n";
    snapshot(QStringLiteral("survey-points"));
}

void TourRunner::doubleClickRatchet()
{
    m_window.resetCamera();
    m_window.model().resetPose();
    m_window.showEntry(GalleryRegistry::indexOf(RatchetEntry));
    GalleryItem* item = m_window.currentItem();
    auto* ring = item ? qobject_cast<Velto::UiWidget::AxisRotateWidget*>(item->signalSource()) : nullptr;
    if (!ring) {
        m_out << RatchetEntry << ": no ring to double-click\n";
        return;
    }
    const Kairn::Graphics::Camera& camera = *m_window.sceneView()->viewport().getCamera();
    const Lumo::vec2<float> onScreen =
        camera.projectToScreen(ring->getRatchet()->getDrawTransform(camera).transformPoint({}));
    const QPointF ratchet(onScreen.x, onScreen.y);
    const Lumo::Objects::ADevMatrix before = m_window.model().node()->getFullTransform();
    sendMouse(QEvent::MouseMove, ratchet, Qt::NoButton, Qt::NoButton);
    snapshot(QStringLiteral("ratchet-1-before-double-click"));
    sendMouse(QEvent::MouseButtonPress, ratchet, Qt::LeftButton, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, ratchet, Qt::LeftButton, Qt::NoButton);
    sendMouse(QEvent::MouseButtonDblClick, ratchet, Qt::LeftButton, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, ratchet, Qt::LeftButton, Qt::NoButton);
    m_out << RatchetEntry << ": ratchet double-clicked at (" << ratchet.x() << ", " << ratchet.y() << "); "
          << describeChange(before, m_window.model().node()->getFullTransform()) << "\n";
    snapshot(QStringLiteral("ratchet-2-turned-a-quarter"));
}

std::optional<QPointF> TourRunner::dragShownWidget(const std::function<void(const QString&)>& picture)
{
    GalleryItem* item = m_window.currentItem();
    auto* widget = item ? qobject_cast<Velto::UiWidget::IWidget3D*>(item->signalSource()) : nullptr;
    const auto handle =
        widget ? HandleFinder(m_window.sceneView()->viewport()).findHandle(widget) : std::optional<QPointF>();
    if (!handle)
        return handle;
    sendMouse(QEvent::MouseMove, *handle, Qt::NoButton, Qt::NoButton);
    picture(QStringLiteral("2-hover"));
    sendMouse(QEvent::MouseButtonPress, *handle, Qt::LeftButton, Qt::LeftButton);
    const QPointF travel = item->tourDrag();
    for (int step = 1; step <= DragSteps; ++step)
        sendMouse(QEvent::MouseMove, *handle + travel * (double(step) / DragSteps), Qt::NoButton, Qt::LeftButton);
    picture(QStringLiteral("3-drag"));
    sendMouse(QEvent::MouseButtonRelease, *handle + travel, Qt::LeftButton, Qt::NoButton);
    picture(QStringLiteral("4-released"));
    return handle;
}

void TourRunner::showCrowd()
{
    using namespace Velto::UiWidget;
    m_window.resetCamera();
    m_window.model().resetPose();
    m_window.showEntry(-1);
    const Kairn::Graphics::TriangleMesh* mesh = m_window.model().node()->mesh();
    if (!mesh || mesh->triangleCount() == 0)
        return;
    // With the pose reset, the mesh's coordinates are world coordinates.
    const auto& positions = mesh->positions();
    const auto& indices = mesh->indices();
    const float radius = m_window.model().radius();
    std::vector<std::unique_ptr<IWidget3D>> crowd;
    for (int i = 0; i < CrowdSurveyPoints; ++i) {
        const std::size_t triangle = static_cast<std::size_t>(i) * mesh->triangleCount() / CrowdSurveyPoints;
        const Lumo::float3 a = positions[indices[3 * triangle]];
        const Lumo::float3 b = positions[indices[3 * triangle + 1]];
        const Lumo::float3 c = positions[indices[3 * triangle + 2]];
        const Lumo::float3 centre = (a + b + c) * (1.0f / 3.0f);
        const Lumo::float3 normal = Lumo::normalized(Lumo::cross(b - a, c - a));
        auto* point = SurveyPointWidget::createWidget3D(m_window.eventHandler(), Kairn::Graphics::SceneItemWidget);
        point->resetColor();
        point->setScale(0.05f * radius);
        point->setPosition(centre);
        point->setDirection(normal);
        point->setLabel(L"P" + std::to_wstring(i + 1));
        crowd.emplace_back(point);
        if (i % (CrowdSurveyPoints / CrowdTools) == 0) {
            auto* tool =
                ThreeAxisTranslateWidget::createWidget3D(m_window.eventHandler(), Kairn::Graphics::SceneItemWidget);
            tool->resetColor();
            tool->setScale(0.08f * radius);
            tool->setPosition(centre + normal * (0.05f * radius));
            crowd.emplace_back(tool);
        }
    }
    QApplication::processEvents();
    snapshot(QStringLiteral("crowd"));
    const FrameTiming timing = timeFrames();
    m_report.setFact(QStringLiteral("crowdFrameMilliseconds"), timing.paintMilliseconds);
    m_out << "Crowd of " << CrowdTools << " three-axis tools and " << CrowdSurveyPoints
          << " survey points on the model: " << describe(timing) << "\n";
}

void TourRunner::tourDragOptions()
{
    const auto show = [this](const char* entry) {
        m_window.resetCamera();
        m_window.model().resetPose();
        m_window.showEntry(GalleryRegistry::indexOf(QString::fromLatin1(entry)));
        return m_window.model().node()->getFullTransform();
    };
    const auto report = [this](const QString& step, const Lumo::Objects::ADevMatrix& before, const QString& note) {
        m_out << step << ": " << describeChange(before, m_window.model().node()->getFullTransform()) << "; " << note
              << "\n";
    };

    Lumo::Objects::ADevMatrix before = show("ThreeAxisTranslateWidget");
    const QPointF cancelTravel{90.0, -40.0};
    if (const auto handle =
            dragWithModifiers(cancelTravel, Qt::NoModifier, QStringLiteral("option-1-cancel-dragging"), true)) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(m_window.sceneView(), &escape);
        snapshot(QStringLiteral("option-1-cancel-cancelled"));
        sendMouse(QEvent::MouseButtonRelease, *handle + cancelTravel, Qt::LeftButton, Qt::NoButton);
        report(QStringLiteral("cancel"), before, QStringLiteral("Escape during the drag"));
    }

    before = show("AxisTranslateWidget");
    if (dragWithModifiers({0.0, -120.0}, Qt::ShiftModifier, QStringLiteral("option-2-precision")))
        report(QStringLiteral("precision"), before, QStringLiteral("Shift held for the second half of the drag"));

    before = show("AxisTranslateWidget");
    if (dragWithModifiers({10.0, -75.0}, Qt::NoModifier, QStringLiteral("option-3-snap")))
        report(QStringLiteral("snapping"), before,
               QStringLiteral("travel in steps of %1").arg(m_window.eventHandler()->getSnapStep()));

    before = show("ScaleWidget");
    if (dragWithModifiers({60.0, -30.0}, Qt::NoModifier, QStringLiteral("option-4-label")))
        report(QStringLiteral("value label"), before, QStringLiteral("the factor follows the handle"));

    // The arrow's axis along the line of sight: it fades, and a press on it reaches the view.
    show("AxisTranslateWidget");
    auto* arrow = qobject_cast<Velto::UiWidget::IWidget3D*>(m_window.currentItem()->signalSource());
    const Lumo::float3 center = arrow->getPosition();
    m_window.sceneView()->camera().lookAt(center + arrow->getDirection() * (3.0f * m_window.model().radius()), center,
                                          std::abs(arrow->getDirection().y) > 0.9f ? Lumo::float3{0, 0, 1}
                                                                                    : Lumo::float3{0, 1, 0});
    QApplication::processEvents();
    const Lumo::vec2<float> onAxis2d =
        m_window.sceneView()->camera().projectToScreen(center + arrow->getDirection() * (0.5f * arrow->getScale()));
    const QPointF onAxis(onAxis2d.x, onAxis2d.y);
    sendMouse(QEvent::MouseButtonPress, onAxis, Qt::LeftButton, Qt::LeftButton);
    const bool grabbed = m_window.eventHandler()->getActiveWidget() != nullptr;
    sendMouse(QEvent::MouseButtonRelease, onAxis, Qt::LeftButton, Qt::NoButton);
    snapshot(QStringLiteral("option-5-view-aligned"));
    m_out << "view-aligned fade: arrow along the line of sight " << (grabbed ? "grabbed" : "faded, not grabbed")
          << " by a press on it\n";
}

std::optional<QPointF> TourRunner::dragWithModifiers(const QPointF& travel, Qt::KeyboardModifiers modifiers,
                                                     const QString& picture, bool keepPressed)
{
    GalleryItem* item = m_window.currentItem();
    auto* widget = item ? qobject_cast<Velto::UiWidget::IWidget3D*>(item->signalSource()) : nullptr;
    const auto handle =
        widget ? HandleFinder(m_window.sceneView()->viewport()).findHandle(widget) : std::optional<QPointF>();
    if (!handle) {
        m_out << picture << ": no handle to drag on screen\n";
        return handle;
    }
    sendMouse(QEvent::MouseMove, *handle, Qt::NoButton, Qt::NoButton);
    sendMouse(QEvent::MouseButtonPress, *handle, Qt::LeftButton, Qt::LeftButton);
    for (int step = 1; step <= DragSteps; ++step)
        sendMouse(QEvent::MouseMove, *handle + travel * (double(step) / DragSteps), Qt::NoButton, Qt::LeftButton,
                  step > DragSteps / 2 ? modifiers : Qt::NoModifier);
    snapshot(picture);
    if (!keepPressed)
        sendMouse(QEvent::MouseButtonRelease, *handle + travel, Qt::LeftButton, Qt::NoButton, modifiers);
    return handle;
}

bool TourRunner::snapshot(const QString& name)
{
    SceneView* view = m_window.sceneView();
    const QString path = m_directory.filePath(name + QStringLiteral(".png"));
    if (!view->grabFramebuffer().save(path)) {
        m_out << "Cannot write " << path << "\n";
        m_failed = true;
        return false;
    }
    ++m_pictures;
    QJsonObject step;
    const int entry = m_window.currentEntry();
    GalleryItem* item = m_window.currentItem();
    step.insert(QStringLiteral("entry"), entry >= 0 ? GalleryRegistry::entries()[std::size_t(entry)].name : QString());
    step.insert(QStringLiteral("widget"), item && qobject_cast<Velto::UiWidget::IWidget3D*>(item->signalSource()));
    step.insert(QStringLiteral("frameMilliseconds"), view->lastFrameMilliseconds());
    if (const auto visibility = view->measureWidgetVisibility()) {
        const QRectF& extent = visibility->extent;
        const double drawn = std::max(1, visibility->fullPixels + visibility->fadedPixels);
        step.insert(QStringLiteral("extentPixels"), std::round(std::max(extent.width(), extent.height())));
        step.insert(QStringLiteral("extent"), QJsonArray{extent.x(), extent.y(), extent.width(), extent.height()});
        step.insert(QStringLiteral("fullStrengthShare"), visibility->fullPixels / drawn);
        step.insert(QStringLiteral("fadedShare"), visibility->fadedPixels / drawn);
    }
    m_report.addStep(name + QStringLiteral(".png"), step);
    return true;
}

TourRunner::FrameTiming TourRunner::timeFrames()
{
    SceneView* view = m_window.sceneView();
    view->grabFramebuffer();
    double paintTotal = 0.0;
    QElapsedTimer wall;
    const double cpuStart = processCpuMilliseconds();
    wall.start();
    for (int i = 0; i < TimedFrames; ++i) {
        // A small orbit per frame, as while navigating, so no frame is a repeat of the last.
        view->camera().orbit(0.01f, 0.0f);
        view->grabFramebuffer();
        paintTotal += view->lastFrameMilliseconds();
    }
    return {paintTotal / TimedFrames, static_cast<double>(wall.elapsed()) / TimedFrames,
            (processCpuMilliseconds() - cpuStart) / TimedFrames};
}

QString TourRunner::describe(const FrameTiming& timing) const
{
    const SceneRenderer* renderer = m_window.sceneView()->renderer();
    return QStringLiteral("%1 ms to draw (%2 frames/s), %3 ms with read-back, %4 ms of CPU time over all threads; "
                          "%5 draw calls, %6 tessellations in the last frame")
        .arg(timing.paintMilliseconds, 0, 'f', 1)
        .arg(1000.0 / timing.paintMilliseconds, 0, 'f', 1)
        .arg(timing.wallMilliseconds, 0, 'f', 1)
        .arg(timing.cpuMilliseconds, 0, 'f', 1)
        .arg(renderer ? renderer->lastFrame().drawCalls : 0)
        .arg(renderer ? renderer->lastFrame().tessellations : 0);
}

void TourRunner::sendMouse(int type, const QPointF& position, Qt::MouseButton button, Qt::MouseButtons buttons,
                           Qt::KeyboardModifiers modifiers)
{
    SceneView* view = m_window.sceneView();
    QMouseEvent event(static_cast<QEvent::Type>(type), position, view->mapToGlobal(position), button, buttons,
                      modifiers);
    QApplication::sendEvent(view, &event);
}

} // namespace Viewer
