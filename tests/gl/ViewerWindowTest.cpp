// The example viewer as a host runs it: the gallery's widget drawn over the model, found on
// screen where it is drawn, highlighted on hover, and dragged with real mouse events on the 3D
// view so that the model moves by exactly what the widget reported; clicks on the model place
// survey points.

#include "viewer/app/CameraStatusListener.h"
#include "viewer/app/MainWindow.h"
#include "viewer/app/ModelController.h"
#include "viewer/app/SceneView.h"
#include "viewer/gallery/FreeMoveHandleWidget.h"
#include "viewer/gallery/GalleryItem.h"
#include "viewer/gallery/GalleryRegistry.h"
#include "viewer/render/SceneRenderer.h"
#include "viewer/tour/HandleFinder.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/AxisTranslateWidget.h"
#include "ui_widgets/platform/scene/IPointSelectionTool.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"
#include "ui_widgets/tracking/SurveyPointWidget.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QLineF>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Viewer::FreeMoveHandleWidget;

QColor toQColor(const Lumo::vec4<float>& c)
{
    return QColor::fromRgbF(c.x, c.y, c.z, c.w);
}

::testing::AssertionResult sameColour(const QColor& actual, const QColor& expected)
{
    // One step of 8-bit rounding either way.
    if (std::abs(actual.red() - expected.red()) <= 1 && std::abs(actual.green() - expected.green()) <= 1
        && std::abs(actual.blue() - expected.blue()) <= 1)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "colour " << actual.name().toStdString() << " instead of "
                                         << expected.name().toStdString();
}

class ViewerWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.sceneView()->setFixedSize(640, 480);
        window.show();
        QApplication::processEvents();
        window.resetCamera();
        widget = show<FreeMoveHandleWidget>(QStringLiteral("FreeMoveHandleWidget"));
        ASSERT_NE(widget, nullptr);
        // Halfway to the eye, in front of the model, where it is drawn at full strength.
        widget->setPosition(0.5f * (window.model().center() + window.sceneView()->camera().eye()));
        // Unlit, the ball shows its colour exactly.
        for (Kairn::Graphics::VyrGraphicsNode* node : widget->getGraphicsNodes())
            node->participateInLighting(false);
    }

    template<class Widget>
    Widget* show(const QString& entry)
    {
        window.showEntry(Viewer::GalleryRegistry::indexOf(entry));
        return window.currentItem() ? qobject_cast<Widget*>(window.currentItem()->signalSource()) : nullptr;
    }

    QPointF projected(const Lumo::float3& world)
    {
        const Lumo::vec2<float> p = window.sceneView()->camera().projectToScreen(world);
        return {p.x, p.y};
    }

    // The colour drawn under a view position given in logical pixels, like mouse positions.
    QColor pixelAt(const QPointF& logical)
    {
        const QImage frame = window.sceneView()->grabFramebuffer();
        const qreal ratio = window.sceneView()->devicePixelRatioF();
        EXPECT_EQ(frame.width(), qRound(640 * ratio));
        return frame.pixelColor(static_cast<int>(logical.x() * ratio), static_cast<int>(logical.y() * ratio));
    }

    void send(QEvent::Type type, const QPointF& position, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QWidget* view = window.sceneView();
        QMouseEvent event(type, position, view->mapToGlobal(position), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }

    Viewer::MainWindow window;
    FreeMoveHandleWidget* widget = nullptr;
};

TEST_F(ViewerWindowTest, RunsAtTheDevicePixelRatioTheTestAsksFor)
{
    // ctest runs this binary once plainly and once with QT_SCALE_FACTOR=2.
    const QByteArray expected = qgetenv("QT_SCALE_FACTOR");
    EXPECT_DOUBLE_EQ(window.sceneView()->devicePixelRatioF(), expected.isEmpty() ? 1.0 : expected.toDouble());
    EXPECT_EQ(window.sceneView()->viewport().size(), QSize(640, 480));
}

TEST_F(ViewerWindowTest, HandleIsDrawnInItsColourWhereItIsAndLightsUpOnHover)
{
    const QPointF handle = projected(widget->getPosition());
    EXPECT_TRUE(sameColour(pixelAt(handle), toQColor(widget->getInactiveColor())));

    send(QEvent::MouseMove, handle, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(window.eventHandler()->getHoveredWidget(), widget);
    EXPECT_TRUE(sameColour(pixelAt(handle), toQColor(widget->getHighlightColor())));

    // Off the ball (twice its radius on screen away) the handler lets go and the colour rests.
    const float ballPixels = window.sceneView()->camera().pixelsPerWorldUnitAt(widget->getPosition())
                             * FreeMoveHandleWidget::BallRadius * widget->getScale();
    send(QEvent::MouseMove, handle + QPointF(2.0 * ballPixels, 0.0), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(window.eventHandler()->getHoveredWidget(), nullptr);
    EXPECT_TRUE(sameColour(pixelAt(handle), toQColor(widget->getInactiveColor())));
}

TEST_F(ViewerWindowTest, DraggingTheHandleMovesTheModelByTheReportedTranslation)
{
    QSignalSpy reported(widget, &FreeMoveHandleWidget::widgetFreeMove);
    const Lumo::float3 modelBefore = window.model().origin();
    const QPointF start = projected(widget->getPosition());
    const QPointF travel(60.0, -40.0);

    send(QEvent::MouseMove, start, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    for (int step = 1; step <= 8; ++step)
        send(QEvent::MouseMove, start + travel * (step / 8.0), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, start + travel, Qt::LeftButton, Qt::NoButton);

    ASSERT_GT(reported.count(), 0);
    Lumo::float3 total{};
    for (const QList<QVariant>& arguments : reported)
        total = total + qvariant_cast<Lumo::float3>(arguments.at(0));
    const Lumo::float3 moved = window.model().origin() - modelBefore;
    EXPECT_NEAR(moved.x, total.x, 1e-4f);
    EXPECT_NEAR(moved.y, total.y, 1e-4f);
    EXPECT_NEAR(moved.z, total.z, 1e-4f);
    EXPECT_GT(Lumo::length(total), 0.1f);

    // The ball is drawn where it went, in its resting colour again.
    const QPointF end = projected(widget->getPosition());
    EXPECT_GT(QLineF(start, end).length(), 0.5 * QLineF(QPointF(), travel).length());
    EXPECT_TRUE(sameColour(pixelAt(end), toQColor(widget->getInactiveColor())));
}

TEST_F(ViewerWindowTest, AxisTranslateArrowIsDrawnHighlightedAndDraggedWithTheModel)
{
    auto* arrow = show<Velto::UiWidget::AxisTranslateWidget>(QStringLiteral("AxisTranslateWidget"));
    ASSERT_NE(arrow, nullptr);
    // Small enough that its head stays in view while it is dragged up.
    arrow->setScale(0.5f);
    // The unlit cone head spans z = 1 .. 1.15 of the arrow's frame; 0.04 above its base, on the
    // axis, the ray from the camera above meets the cone's side, 0.055 from a rim it never leaves.
    const Lumo::float3 headPoint = arrow->getPosition() + arrow->getDirection() * (1.04f * arrow->getScale());
    const QPointF head = projected(headPoint);
    EXPECT_TRUE(sameColour(pixelAt(head), toQColor(arrow->getInactiveColor())));

    send(QEvent::MouseMove, head, Qt::NoButton, Qt::NoButton);
    ASSERT_EQ(window.eventHandler()->getHoveredWidget(), arrow);
    EXPECT_TRUE(sameColour(pixelAt(head), toQColor(arrow->getHighlightColor())));

    QSignalSpy reported(arrow, &Velto::UiWidget::AxisTranslateWidget::widgetSingleAxisTranslate);
    const Lumo::float3 modelBefore = window.model().origin();
    const Lumo::float3 arrowBefore = arrow->getPosition();
    send(QEvent::MouseButtonPress, head, Qt::LeftButton, Qt::LeftButton);
    for (int step = 1; step <= 6; ++step)
        send(QEvent::MouseMove, head + QPointF(0.0, -4.0 * step), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, head + QPointF(0.0, -24.0), Qt::LeftButton, Qt::NoButton);

    ASSERT_GT(reported.count(), 0);
    Lumo::float3 total{};
    for (const QList<QVariant>& arguments : reported)
        total = total + qvariant_cast<Lumo::float3>(arguments.at(0));
    // Model and arrow went the same way, and only along the arrow's axis.
    const Lumo::float3 moved = window.model().origin() - modelBefore;
    const Lumo::float3 arrowMoved = arrow->getPosition() - arrowBefore;
    for (const auto& [actual, name] : {std::pair{moved, "model"}, std::pair{arrowMoved, "arrow"}}) {
        EXPECT_NEAR(actual.x, total.x, 1e-4f) << name;
        EXPECT_NEAR(actual.y, total.y, 1e-4f) << name;
        EXPECT_NEAR(actual.z, total.z, 1e-4f) << name;
    }
    EXPECT_NEAR(Lumo::length(Lumo::cross(total, arrow->getDirection())), 0.0f, 1e-4f);
    EXPECT_GT(Lumo::length(total), 0.05f);
    // Drawn where it went, its resting colour back after the release.
    const QPointF headAfter = projected(arrow->getPosition() + arrow->getDirection() * (1.04f * arrow->getScale()));
    EXPECT_TRUE(sameColour(pixelAt(headAfter), toQColor(arrow->getInactiveColor())));
}

TEST_F(ViewerWindowTest, CameraNavigationRunsOnlyWhenNoWidgetTakesTheEvent)
{
    const Lumo::float3 eyeBefore = window.sceneView()->camera().eye();
    const QPointF handle = projected(widget->getPosition());
    send(QEvent::MouseButtonPress, handle, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, handle + QPointF(30, 0), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, handle + QPointF(30, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(window.sceneView()->camera().eye(), eyeBefore);

    // A drag over empty space orbits the camera, as one operation its listeners hear about.
    const int operationsBefore = window.cameraListener().finishedOperations();
    const QPointF empty(20, 20);
    send(QEvent::MouseButtonPress, empty, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, empty + QPointF(15, 0), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, empty + QPointF(30, 0), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, empty + QPointF(30, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_NE(window.sceneView()->camera().eye(), eyeBefore);
    EXPECT_EQ(window.cameraListener().finishedOperations(), operationsBefore + 1);
}

TEST_F(ViewerWindowTest, ClicksOnTheModelPlaceNumberedSurveyPointsOnItsSurfaceUntilTheEntryChanges)
{
    using Velto::UiWidget::SurveyPointWidget;
    auto* shown = show<SurveyPointWidget>(QStringLiteral("SurveyPointWidget"));
    ASSERT_NE(shown, nullptr);
    Kairn::Graphics::IPointSelectionTool* surface = window.eventHandler()->GetMeshSelectionTool();
    const auto pickSurface = [&](const QPointF& at, Kairn::Objects::Vector3<float>& point,
                                 Kairn::Objects::Vector3<float>& normal) {
        return surface->pickSurface({static_cast<float>(at.x()), static_cast<float>(at.y())}, point, normal);
    };
    // The survey points the clicks placed: every registered one but the entry's own.
    const auto placedPoints = [&] {
        std::vector<SurveyPointWidget*> points;
        for (Velto::UiWidget::IWidget3D* registered : window.eventHandler()->getWidgets())
            if (auto* point = qobject_cast<SurveyPointWidget*>(registered); point && point != shown)
                points.push_back(point);
        return points;
    };
    const auto click = [&](const QPointF& at) {
        send(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
        send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    };
    Kairn::Objects::Vector3<float> surfacePoint;
    Kairn::Objects::Vector3<float> normal;

    // The corner of the view shows background: no surface there, and a click places nothing.
    const QPointF background(4, 4);
    ASSERT_FALSE(pickSurface(background, surfacePoint, normal));
    click(background);
    EXPECT_TRUE(placedPoints().empty());

    // A drag over the model turns the camera and places nothing either.
    const Viewer::HandleFinder finder(window.sceneView()->viewport());
    const auto dragStart = finder.findBareSurface({320, 240});
    ASSERT_TRUE(dragStart);
    send(QEvent::MouseButtonPress, *dragStart, Qt::LeftButton, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step)
        send(QEvent::MouseMove, *dragStart + QPointF(5.0 * step, 0.0), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, *dragStart + QPointF(20.0, 0.0), Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(placedPoints().empty());
    window.resetCamera();

    // Clicks on bare model surface left and right of the middle: each places the next point where
    // the surface pick under the mouse lands, aimed along the surface normal.
    std::vector<QPointer<SurveyPointWidget>> placed;
    for (const double x : {0.35 * 640, 0.65 * 640}) {
        const auto target = finder.findBareSurface({x, 240});
        ASSERT_TRUE(target);
        ASSERT_TRUE(pickSurface(*target, surfacePoint, normal));
        // The navigation drag above may have ended over the centre point: it stays hovered until here.
        send(QEvent::MouseMove, *target, Qt::NoButton, Qt::NoButton);
        const int logLines = window.logLineCount();
        click(*target);

        const std::vector<SurveyPointWidget*> points = placedPoints();
        ASSERT_EQ(points.size(), placed.size() + 1);
        SurveyPointWidget* point = nullptr;
        for (SurveyPointWidget* candidate : points)
            if (std::find(placed.begin(), placed.end(), candidate) == placed.end())
                point = candidate;
        ASSERT_NE(point, nullptr);
        placed.emplace_back(point);
        const Lumo::float3 position = point->getPosition();
        const Lumo::float3 direction = point->getDirection();
        EXPECT_NEAR(position.x, surfacePoint.x, 1e-4f);
        EXPECT_NEAR(position.y, surfacePoint.y, 1e-4f);
        EXPECT_NEAR(position.z, surfacePoint.z, 1e-4f);
        EXPECT_NEAR(Lumo::dot(direction, Lumo::float3(normal)), 1.0f, 1e-4f);
        // The surface point lies under the mouse.
        EXPECT_LT(QLineF(projected(position), *target).length(), 0.5);
        EXPECT_EQ(point->getLabel(), L"P" + std::to_wstring(placed.size()));
        EXPECT_EQ(window.logLineCount(), logLines + 1);
    }

    // Another entry takes the placed points away with the item.
    window.showEntry(Viewer::GalleryRegistry::indexOf(QStringLiteral("AxisTranslateWidget")));
    for (const QPointer<SurveyPointWidget>& point : placed)
        EXPECT_TRUE(point.isNull());
}

} // namespace

TEST_F(ViewerWindowTest, ObjModelsOpenUprightForTheChosenUpAxisAndFramed)
{
    // One triangle 4 units tall along the file's Y and 1 wide along its X.
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/XXXXXX.obj"));
    ASSERT_TRUE(file.open());
    file.write("v 0 0 0\nv 1 0 0\nv 0 4 0\nf 1 2 3\n");
    file.close();
    struct Row
    {
        Viewer::ModelController::UpAxis axis;
        double heightAlongZ, depthAlongY;
    };
    // Y-up: the file's Y becomes the view's Z. Z-up: the file is shown as it is.
    using UpAxis = Viewer::ModelController::UpAxis;
    for (const Row& row : {Row{UpAxis::Y, 4.0, 0.0}, Row{UpAxis::Z, 0.0, 4.0}}) {
        window.model().setUpAxis(row.axis);
        ASSERT_TRUE(window.openModel(file.fileName(), true));
        const auto bounds = window.model().node()->getPosedBounds();
        EXPECT_NEAR(bounds.zLength(), row.heightAlongZ, 1e-5);
        EXPECT_NEAR(bounds.yLength(), row.depthAlongY, 1e-5);
        // Framed: the model's centre is in the middle of the view.
        EXPECT_LT(QLineF(projected(window.model().center()), QPointF(320, 240)).length(), 1.0);
    }
}

TEST_F(ViewerWindowTest, FilesThatAreNoModelAreRefusedWithTheReasonAndTheModelStays)
{
    QTemporaryDir dir;
    const struct
    {
        const char* name;
        QByteArray bytes;
        const char* reason;
    } files[] = {
        {"broken.obj", "v 0 0 0\nv 1 0 0\nf 1 2 7\n", "out of range"},
        {"empty.obj", "", "empty"},
        {"huge-index.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 4294967299\n", "out of range"},
        {"binary.obj", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "binary"},
        {"utf16.obj", QByteArray("\xff\xfev\0 \0" "0\0 \0" "0\0 \0" "0\0\n\0", 18), "UTF-16"},
        {"missing.obj", {}, "cannot open"},
    };
    const QString modelBefore = window.model().modelName();
    const std::size_t trianglesBefore = window.model().triangleCount();
    for (const auto& file : files) {
        const QString path = dir.filePath(QString::fromLatin1(file.name));
        if (!file.bytes.isNull()) {
            QFile out(path);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(file.bytes);
        }
        const int logLines = window.logLineCount();
        EXPECT_FALSE(window.openModel(path)) << file.name;
        EXPECT_EQ(window.model().modelName(), modelBefore) << file.name;
        EXPECT_EQ(window.model().triangleCount(), trianglesBefore) << file.name;
        EXPECT_EQ(window.logLineCount(), logLines + 1) << file.name;
        QPointer<QMessageBox> box = window.findChild<QMessageBox*>();
        ASSERT_TRUE(box) << file.name;
        EXPECT_TRUE(box->isVisible()) << file.name;
        EXPECT_TRUE(box->text().contains(QLatin1String(file.reason))) << file.name << ": " << box->text().toStdString();
        EXPECT_TRUE(box->text().contains(modelBefore)) << file.name;
        box->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(box.isNull()) << file.name;
    }
}
