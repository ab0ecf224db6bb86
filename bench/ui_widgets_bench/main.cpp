// ui_widgets_bench: what one mouse event costs in scenes of growing size, event by event.
//
// Camera: 1280 x 800 view, 45-degree vertical field of view, eye (0, -10, 4) looking at the
// origin, +Z up. Handles: N translate widgets along world X, scaled to 0.15 units, 0.18 units
// apart on a grid in the plane across the line of sight 6 units in front of the eye, handle 0 at
// the window centre. Model: a UV sphere of radius 3 at the origin with T triangles (T = 0: none).
//
// --json prints one object per scenario and scene; every event is timed alone and the median and
// 99th percentile are taken over the events of 5 runs. Bytes and allocations per event are
// counted through the replaced global operator new below.

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/AxisTranslateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslateWidget.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/IPointSelectionTool.h"
#include "ui_widgets/platform/scene/MeshRayIntersector.h"
#include "ui_widgets/platform/scene/ProceduralMeshes.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"
#include "ui_widgets/tracking/SurveyPointWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

namespace {

std::atomic<unsigned long long> allocatedBytes{0};
std::atomic<unsigned long long> allocationCount{0};

void* countedAllocation(std::size_t size)
{
    allocatedBytes.fetch_add(size, std::memory_order_relaxed);
    allocationCount.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) { return countedAllocation(size); }
void* operator new[](std::size_t size) { return countedAllocation(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return countedAllocation(size);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

using namespace Kairn::Graphics;
using namespace Velto::UiWidget;
using Clock = std::chrono::steady_clock;

constexpr int viewWidth = 1280;
constexpr int viewHeight = 800;
constexpr int runs = 5;
constexpr int eventsPerRun = 10'000;
constexpr float handleScale = 0.15f;
constexpr float handleSpacing = 0.18f;
constexpr float gridDepth = 6.0f;

struct Result
{
    Result(std::string name, int n, long long t) : scenario(std::move(name)), handles(n), triangles(t) {}

    std::string scenario;
    int handles = 0;
    long long triangles = 0;
    std::vector<double> eventNanoseconds;
    double checksum = 0;
    double bytesPerEvent = -1;
    double allocationsPerEvent = -1;
};

void print(const Result& result, bool json)
{
    std::vector<double> times = result.eventNanoseconds;
    std::sort(times.begin(), times.end());
    const double median = times.empty() ? 0 : times[times.size() / 2];
    const double p99 = times.empty() ? 0 : times[std::min(times.size() - 1, times.size() * 99 / 100)];
    char extra[160] = "";
    if (result.bytesPerEvent >= 0)
        std::snprintf(extra, sizeof extra, ", \"bytes_per_event\": %.1f, \"allocations_per_event\": %.3f",
                      result.bytesPerEvent, result.allocationsPerEvent);
    if (json)
        std::printf("{\"scenario\": \"%s\", \"n_handles\": %d, \"triangles\": %lld, \"events\": %zu, "
                    "\"ns_per_event_median\": %.1f, \"ns_per_event_p99\": %.1f, \"checksum\": %.6f%s}\n",
                    result.scenario.c_str(), result.handles, result.triangles, times.size(), median, p99,
                    result.checksum, extra);
    else
        std::printf("%-15s N=%-6d T=%-8lld events=%-7zu median %12.1f ns  p99 %12.1f ns  checksum %.4f%s\n",
                    result.scenario.c_str(), result.handles, result.triangles, times.size(), median, p99,
                    result.checksum, extra);
    std::fflush(stdout);
}

// 0, 1, -1, 2, -2, ...: grid index k placed so that index 0 is the centre.
int zigzag(int k)
{
    return k % 2 ? (k + 1) / 2 : -(k / 2);
}

Kairn::Objects::Vector3<float> toVector(const Lumo::float3& p)
{
    return {p.x, p.y, p.z};
}

// The model: 2 . segments . (rings - 1) triangles, exactly 100,000 or 1,000,000.
TriangleMesh sphereMesh(long long triangles)
{
    const int segments = triangles >= 1'000'000 ? 1000 : 250;
    return ProceduralMeshes::uvSphere(3.0f, int(triangles / (2 * segments)) + 1, segments);
}

// The view, the handler and the model sphere; widgets are added by the scenario.
struct Scene
{
    QWidget view;
    Viewport viewport{viewWidth, viewHeight};
    std::unique_ptr<Widget3DEventHandler> handler;
    VyrMeshNode* model = nullptr;
    Lumo::float3 gridCentre, right, up;

    explicit Scene(long long triangles)
    {
        view.resize(viewWidth, viewHeight);
        viewport.getCamera()->lookAt({0, -10, 4}, {0, 0, 0}, {0, 0, 1});
        handler = std::make_unique<Widget3DEventHandler>(&view, &viewport);
        const Lumo::float3 eye{0, -10, 4};
        const Lumo::float3 forward = Lumo::normalized(Lumo::float3{0, 0, 0} - eye);
        gridCentre = eye + forward * gridDepth;
        right = Lumo::normalized(Lumo::cross(forward, Lumo::float3{0, 0, 1}));
        up = Lumo::cross(right, forward);
        if (triangles > 0) {
            model = VyrMeshNode::createGraphicsNode();
            model->AddRef();
            model->setMesh(sphereMesh(triangles));
            model->addToScene(viewport.getScene(), SceneItemModel);
            Kairn::Objects::Vector3<float> point, normal;
            handler->GetMeshSelectionTool()->pickSurface({640, 400}, point, normal); // builds the BVH
        }
    }
    ~Scene()
    {
        handler.reset();
        if (model)
            model->ReleaseRef();
    }

    Lumo::float3 gridPosition(int index, int columns) const
    {
        return gridCentre + right * (handleSpacing * float(zigzag(index % columns)))
               + up * (handleSpacing * float(zigzag(index / columns)));
    }
    QPointF screenOf(const Lumo::float3& p) const
    {
        const Lumo::vec2<float> s = viewport.getCamera()->projectToScreen(toVector(p));
        return {s.x, s.y};
    }
};

bool deliver(Widget3DEventHandler& handler, QMouseEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        return handler.mousePress(&event);
    case QEvent::MouseButtonRelease:
        return handler.mouseRelease(&event);
    default:
        return handler.mouseMove(&event);
    }
}

bool send(Widget3DEventHandler& handler, QEvent::Type type, const QPointF& at, Qt::MouseButton button,
          Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, at, button, buttons, Qt::NoModifier);
    return deliver(handler, event);
}

// Runs of one scenario stop early once their timed events add up to this much, so that the
// slow scenes of an unoptimised build still finish; "events" reports how many were timed.
constexpr double runBudgetNanoseconds = 3e9;

// Times one event alone, from the handler's entry to its return: building the Qt event is the
// host's part and stays outside, and so do its allocations.
struct EventTimer
{
    Result& result;
    unsigned long long bytes = 0, allocations = 0, events = 0;
    double runTotal = 0;

    void startRun() { runTotal = 0; }
    bool withinBudget() const { return runTotal < runBudgetNanoseconds; }
    template <class Event>
    void time(Event&& event)
    {
        const unsigned long long bytesBefore = allocatedBytes, countBefore = allocationCount;
        const Clock::time_point start = Clock::now();
        event();
        const double elapsed = double(std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count());
        bytes += allocatedBytes - bytesBefore;
        allocations += allocationCount - countBefore;
        ++events;
        runTotal += elapsed;
        result.eventNanoseconds.push_back(elapsed);
    }
    void finish()
    {
        result.bytesPerEvent = events ? double(bytes) / double(events) : 0;
        result.allocationsPerEvent = events ? double(allocations) / double(events) : 0;
    }
};

template <class Event>
double timeOnce(Event&& event)
{
    const Clock::time_point start = Clock::now();
    event();
    return double(std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count());
}

template <class Widget>
std::vector<std::unique_ptr<IWidget3D>> makeHandles(Scene& scene, int count)
{
    const int columns = int(std::ceil(std::sqrt(double(count))));
    std::vector<std::unique_ptr<IWidget3D>> handles;
    handles.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        IWidget3D* widget = Widget::createWidget3D(scene.handler.get(), SceneItemWidget);
        widget->setDirection({1, 0, 0});
        widget->setScale(handleScale);
        widget->setPosition(scene.gridPosition(i, columns));
        handles.emplace_back(widget);
    }
    return handles;
}

double displacementSum(const std::vector<std::unique_ptr<IWidget3D>>& handles, const std::vector<Lumo::float3>& start)
{
    double sum = 0;
    for (std::size_t i = 0; i < handles.size(); ++i) {
        const Lumo::float3 moved = handles[i]->getPosition() - start[i];
        sum += double(moved.x) + moved.y + moved.z;
    }
    return sum;
}

// Press on handle 0's X arrow, 10,000 one-pixel moves along the window's x axis (0 to +100
// pixels and back), then, untimed, 100 more to +100 pixels and the release. The checksum is the
// sum of all handles' displacements: handle 0's 0.6213 units per 100 pixels at that depth.
template <class Widget>
Result drag(const char* name, int count, long long triangles)
{
    Result result{name, count, triangles};
    result.eventNanoseconds.reserve(std::size_t(runs) * eventsPerRun);
    EventTimer timer{result};
    Scene scene(triangles);
    for (int run = 0; run < runs; ++run) {
        auto handles = makeHandles<Widget>(scene, count);
        std::vector<Lumo::float3> start;
        for (const auto& h : handles)
            start.push_back(h->getPosition());
        // Along the X arrow of handle 0, 40 % of its scaled 1.25-unit pick cylinder out.
        const QPointF grab = scene.screenOf(scene.gridCentre + Lumo::float3{0.4f * 1.25f * handleScale, 0, 0});
        if (!send(*scene.handler, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton)) {
            std::fprintf(stderr, "%s: the press at the grab point missed handle 0\n", name);
            std::exit(1);
        }
        timer.startRun();
        int offset = 0, stepDirection = 1;
        for (int i = 0; i < eventsPerRun && timer.withinBudget(); ++i) {
            offset += stepDirection;
            if (offset == 100 || offset == 0)
                stepDirection = -stepDirection;
            QMouseEvent move(QEvent::MouseMove, grab + QPointF(offset, 0), grab + QPointF(offset, 0), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            timer.time([&] { deliver(*scene.handler, move); });
        }
        while (offset < 100)
            send(*scene.handler, QEvent::MouseMove, grab + QPointF(++offset, 0), Qt::NoButton, Qt::LeftButton);
        send(*scene.handler, QEvent::MouseButtonRelease, grab + QPointF(offset, 0), Qt::LeftButton, Qt::NoButton);
        result.checksum = displacementSum(handles, start);
    }
    timer.finish();
    return result;
}

// 10,000 button-less moves along the row of handle 0, x from 20 to 1260 pixels and back, in
// half-pixel steps. The checksum counts the events of the last run that found a widget under
// the mouse.
void hoverAlongRow(Result& result, EventTimer& timer, Scene& scene)
{
    const double y = scene.screenOf(scene.gridCentre).y();
    timer.startRun();
    double hovered = 0;
    for (int i = 0; i < eventsPerRun && timer.withinBudget(); ++i) {
        const int phase = i % 4960;
        const double x = 20 + 0.5 * (phase < 2480 ? phase : 4960 - phase);
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        timer.time([&] { deliver(*scene.handler, move); });
        hovered += scene.handler->getHoveredWidget() != nullptr;
    }
    result.checksum = hovered;
}

template <class Widget>
Result hover(const char* name, int count, long long triangles)
{
    Result result{name, count, triangles};
    result.eventNanoseconds.reserve(std::size_t(runs) * eventsPerRun);
    EventTimer timer{result};
    Scene scene(triangles);
    for (int run = 0; run < runs; ++run) {
        auto handles = makeHandles<Widget>(scene, count);
        hoverAlongRow(result, timer, scene);
    }
    timer.finish();
    return result;
}

// 100,000 rays through random pixel centres of the centred square of half-size 352 pixels.
Result surfacePick(long long triangles)
{
    Result result{"surface_pick", 0, triangles};
    result.eventNanoseconds.reserve(std::size_t(runs) * 100'000);
    Scene scene(triangles);
    IPointSelectionTool* tool = scene.handler->GetMeshSelectionTool();
    for (int run = 0; run < runs; ++run) {
        std::mt19937 random(1234);
        std::uniform_int_distribution<int> pixel(-352, 351);
        int hits = 0;
        for (int i = 0; i < 100'000; ++i) {
            const Lumo::vec2<float> at{640.5f + float(pixel(random)), 400.5f + float(pixel(random))};
            Kairn::Objects::Vector3<float> point, normal;
            result.eventNanoseconds.push_back(timeOnce([&] { hits += tool->pickSurface(at, point, normal); }));
        }
        result.checksum = hits;
    }
    return result;
}

Result build(long long triangles)
{
    Result result{"build", 0, triangles};
    const TriangleMesh mesh = sphereMesh(triangles);
    for (int run = 0; run < runs; ++run) {
        std::size_t built = 0;
        result.eventNanoseconds.push_back(timeOnce([&] {
            const MeshRayIntersector intersector(mesh);
            built = intersector.triangleCount();
        }));
        result.checksum = double(built);
    }
    return result;
}

// 10,000 survey points spread evenly over the sphere (a Fibonacci lattice), facing out.
std::vector<std::unique_ptr<IWidget3D>> makeSurveyPoints(Scene& scene, int count)
{
    std::vector<std::unique_ptr<IWidget3D>> points;
    points.reserve(std::size_t(count));
    const float golden = float(M_PI) * (3.0f - std::sqrt(5.0f));
    for (int i = 0; i < count; ++i) {
        const float z = 1.0f - 2.0f * (float(i) + 0.5f) / float(count);
        const float r = std::sqrt(1.0f - z * z);
        const Lumo::float3 normal{r * std::cos(golden * float(i)), r * std::sin(golden * float(i)), z};
        IWidget3D* point = SurveyPointWidget::createWidget3D(scene.handler.get(), SceneItemWidget);
        point->setDirection(normal);
        point->setPosition(normal * 3.0f);
        points.emplace_back(point);
    }
    return points;
}

void survey(bool json)
{
    constexpr int count = 10'000;
    constexpr long long triangles = 100'000;
    Result hoverResult{"survey_hover", count, triangles}, create{"survey_create", count, triangles},
        destroy{"survey_destroy", count, triangles};
    hoverResult.eventNanoseconds.reserve(std::size_t(runs) * eventsPerRun);
    EventTimer timer{hoverResult};
    Scene scene(triangles);
    for (int run = 0; run < runs; ++run) {
        std::vector<std::unique_ptr<IWidget3D>> points;
        create.eventNanoseconds.push_back(timeOnce([&] { points = makeSurveyPoints(scene, count); }));
        hoverAlongRow(hoverResult, timer, scene);
        create.checksum = double(scene.handler->getWidgets().size());
        destroy.eventNanoseconds.push_back(timeOnce([&] { points.clear(); }));
        destroy.checksum = double(scene.handler->getWidgets().size());
    }
    timer.finish();
    print(hoverResult, json);
    print(create, json);
    print(destroy, json);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool json = false;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0)
            json = true;
        else if (std::strncmp(argv[i], "--only=", 7) == 0)
            only = argv[i] + 7;
    }
    const auto wanted = [&](const char* scenario) { return only.empty() || only == scenario; };
    for (const int count : {1, 100, 1000, 10'000})
        for (const long long triangles : {0LL, 100'000LL, 1'000'000LL}) {
            if (wanted("drag"))
                print(drag<AxisTranslateWidget>("drag", count, triangles), json);
            if (wanted("hover"))
                print(hover<AxisTranslateWidget>("hover", count, triangles), json);
        }
    for (const int count : {1, 100, 1000, 10'000}) {
        if (wanted("drag3"))
            print(drag<ThreeAxisTranslateWidget>("drag3", count, 0), json);
        if (wanted("hover3"))
            print(hover<ThreeAxisTranslateWidget>("hover3", count, 0), json);
    }
    for (const long long triangles : {100'000LL, 1'000'000LL}) {
        if (wanted("surface_pick"))
            print(surfacePick(triangles), json);
        if (wanted("build"))
            print(build(triangles), json);
    }
    if (wanted("survey"))
        survey(json);
    return 0;
}
