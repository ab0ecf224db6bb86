// What a host pays per mouse event: the surface pick that tracking widgets make on the model, and
// the handler's hover path (two widget picks plus the hovered widget's move) over a gallery-sized
// set of widgets.

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/ThreeAxisRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslateWidget.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/IGraphicsSystem.h"
#include "ui_widgets/platform/scene/IGraphicsSystem.h"
#include "ui_widgets/platform/scene/IPointSelectionTool.h"
#include "ui_widgets/platform/scene/ProceduralMeshes.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

using namespace Kairn::Graphics;
using namespace Velto::UiWidget;

namespace {

constexpr int viewWidth = 1280;
constexpr int viewHeight = 800;

// Screen points on a regular grid over the whole view, visited in order like a sweeping mouse.
std::vector<Lumo::vec2<float>> sweep(int columns, int rows)
{
    std::vector<Lumo::vec2<float>> points;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            points.push_back({(column + 0.5f) * viewWidth / columns, (row + 0.5f) * viewHeight / rows});
    return points;
}

void BM_PickSurfaceOnScannedModel(benchmark::State& state)
{
    Viewport viewport(viewWidth, viewHeight);
    VyrMeshNode* model = VyrMeshNode::createGraphicsNode();
    model->AddRef();
    model->setMesh(ProceduralMeshes::bumpyTorusKnot(std::size_t(state.range(0))));
    // Framed as a host frames its model: the knot fills the view, and the sweep also crosses the
    // holes and the background around it.
    const Kairn::Objects::Box<float> bounds = model->mesh()->bounds();
    viewport.getCamera()->lookAt({0, 0, 1}, {0, 0, 0}, {0, 1, 0});
    viewport.getCamera()->frame(bounds.center(), 0.5f * (bounds.max() - bounds.min()).length());
    model->addToScene(viewport.getScene(), SceneItemModel);
    std::unique_ptr<IPointSelectionTool> tool(GetIGSCtrl()->createPointSelectionTool(&viewport, 0));

    const std::vector<Lumo::vec2<float>> points = sweep(64, 40);
    Kairn::Objects::Vector3<float> point, normal;
    tool->pickSurface(points.front(), point, normal); // builds the hierarchy outside the timing
    std::size_t next = 0, hits = 0;
    for (auto _ : state) {
        hits += tool->pickSurface(points[next], point, normal);
        next = (next + 1) % points.size();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["hit_fraction"] = double(hits) / double(state.iterations());
    model->ReleaseRef();
}
BENCHMARK(BM_PickSurfaceOnScannedModel)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

void BM_HoverMoveOverWidgets(benchmark::State& state)
{
    QWidget view;
    view.resize(viewWidth, viewHeight);
    Viewport viewport(viewWidth, viewHeight);
    viewport.getCamera()->lookAt({0, 0, 12}, {0, 0, 0}, {0, 1, 0});
    Widget3DEventHandler handler(&view, &viewport);

    // A row of alternating translate and rotate tools: every move picks through all of them.
    std::vector<std::unique_ptr<IWidget3D>> widgets;
    const int count = int(state.range(0));
    for (int i = 0; i < count; ++i) {
        IWidget3D* widget = i % 2 ? static_cast<IWidget3D*>(ThreeAxisRotateWidget::createWidget3D(&handler, SceneItemWidget))
                                  : ThreeAxisTranslateWidget::createWidget3D(&handler, SceneItemWidget);
        widget->setPosition({(i - count / 2) * 2.5f, float(i % 3) - 1.0f, 0});
        widgets.emplace_back(widget);
    }

    const std::vector<Lumo::vec2<float>> points = sweep(64, 40);
    std::size_t next = 0;
    for (auto _ : state) {
        const QPointF position(points[next].x, points[next].y);
        QMouseEvent move(QEvent::MouseMove, position, position, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        benchmark::DoNotOptimize(handler.mouseMove(&move));
        next = (next + 1) % points.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HoverMoveOverWidgets)->Arg(4)->Arg(16)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
