// Seeded random soak: from a seed, an episode builds a scene of widgets of every class (some in
// groups, static, silenced, hidden, non-interactive, scaled or of constant screen size) and runs
// a long random sequence of mouse events through the handler, at random pixels and at projected
// handle pixels so that most steps really drag, interleaved with host calls: widgets and groups
// created and destroyed mid-drag, unregistered, moved between handlers, given zero, tiny, huge
// or non-finite directions, zero scales, far positions, odd camera poses, and the handler itself
// replaced. After every step the invariants hold; after tear-down no node is left.
//
// UIW_SOAK_STEPS sets the number of steps (default: a short run), UIW_SOAK_SEED the first seed.
// A failing episode is shrunk to the fewest steps that still fail and printed as a regression row.

#include "tests/support/InteractionHarness.h"
#include "tests/support/LiveInstanceCheck.h"
#include "tests/support/SignalLog.h"

#include "ui_widgets/annotation/CameraWidget.h"
#include "ui_widgets/annotation/CoordinateGridWidget.h"
#include "ui_widgets/annotation/DialogWidget.h"
#include "ui_widgets/annotation/DimensionBoundingBoxWidget.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DGroup.h"
#include "ui_widgets/manipulators/AxisRotateWidget.h"
#include "ui_widgets/manipulators/AxisTranslateWidget.h"
#include "ui_widgets/manipulators/DirectionalTranslateFreeRotateWidget.h"
#include "ui_widgets/manipulators/DirectionalTranslateRotateWidget.h"
#include "ui_widgets/manipulators/GimbalWidget.h"
#include "ui_widgets/manipulators/PlaneRotateWidget.h"
#include "ui_widgets/manipulators/PlaneScaleRotateWidget.h"
#include "ui_widgets/manipulators/PlaneScaleWidget.h"
#include "ui_widgets/manipulators/PlaneTranslateRotateWidget.h"
#include "ui_widgets/manipulators/RingAxisTranslateWidget.h"
#include "ui_widgets/manipulators/ScaleWidget.h"
#include "ui_widgets/manipulators/SphereRotateWidget.h"
#include "ui_widgets/manipulators/TargetScaleWidget.h"
#include "ui_widgets/manipulators/ThreeAxisRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslatePlaneRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslateWidget.h"
#include "ui_widgets/manipulators/TriadWidget.h"
#include "ui_widgets/platform/math/XLine.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/ProceduralMeshes.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"
#include "ui_widgets/tracking/MouseTrackingWidget.h"
#include "ui_widgets/tracking/SurfaceTrackingWidget.h"
#include "ui_widgets/tracking/SurveyPointWidget.h"

#include <QPointer>
#include <gtest/gtest.h>

#include <csignal>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

using namespace Velto::UiWidget;
using Kairn::Graphics::SceneItemType;
using Lumo::float3;

namespace {

template<class W>
IWidget3D* make(Widget3DEventHandler* handler, SceneItemType type)
{
    return W::createWidget3D(handler, type);
}

IWidget3D* (*const widgetFactories[])(Widget3DEventHandler*, SceneItemType) = {
    make<Widget3DGroup>, make<AxisTranslateWidget>, make<AxisRotateWidget>, make<PlaneRotateWidget>,
    make<SphereRotateWidget>, make<ScaleWidget>, make<PlaneScaleWidget>, make<TargetScaleWidget>,
    make<RingAxisTranslateWidget>, make<ThreeAxisTranslateWidget>, make<ThreeAxisRotateWidget>, make<GimbalWidget>,
    make<TriadWidget>, make<PlaneTranslateRotateWidget>, make<ThreeAxisTranslatePlaneRotateWidget>,
    make<DirectionalTranslateRotateWidget>, make<DirectionalTranslateFreeRotateWidget>, make<PlaneScaleRotateWidget>,
    make<MouseTrackingWidget>, make<SurfaceTrackingWidget>, make<SurveyPointWidget>, make<DimensionBoundingBoxWidget>,
    make<CoordinateGridWidget>, make<CameraWidget>, make<DialogWidget>,
};

// One step: an action by name and raw choices that the action reads modulo what exists, so that
// a step stays meaningful when the steps before it are dropped while shrinking a failure.
struct Step
{
    std::string action;
    unsigned a = 0, b = 0;
    float x = 0, y = 0;
};

constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr float inf = std::numeric_limits<float>::infinity();

float3 unitFrom(float x, float y)
{
    const float z = 2 * y - 1, r = std::sqrt(std::max(0.0f, 1 - z * z)), phi = 6.2831853f * x;
    return {r * std::cos(phi), r * std::sin(phi), z};
}

bool isFiniteValue(const QVariant& v)
{
    using Line = Lumo::Objects::XLine<float>;
    if (v.metaType() == QMetaType::fromType<float>())
        return std::isfinite(v.value<float>());
    if (v.metaType() == QMetaType::fromType<Line>())
        return Lumo::isFinite(v.value<Line>().Point()) && Lumo::isFinite(v.value<Line>().Direction());
    if (v.metaType() == QMetaType::fromType<Lumo::Objects::ADevMatrix>())
        return v.value<Lumo::Objects::ADevMatrix>().isFinite();
    return v.metaType() != QMetaType::fromType<float3>() || Lumo::isFinite(v.value<float3>());
}

// The host side of one episode: a view with its handler, a model to track, the widgets the host
// owns (top-level ones; children of plain groups are owned by those groups), and a signal log.
class World
{
public:
    World()
    {
        model = Kairn::Graphics::VyrMeshNode::createGraphicsNode();
        model->AddRef();
        model->setMesh(Kairn::Graphics::ProceduralMeshes::uvSphere(1.5f, 12, 16));
        model->addToScene(h.scene(), Kairn::Graphics::SceneItemModel);
    }

    // Host-owned widgets go first; the handler and the view last.
    std::string tearDown()
    {
        std::vector<QPointer<IWidget3D>> everyWidget;
        for (IWidget3D* w : live())
            everyWidget.emplace_back(w);
        for (IWidget3D* w : std::exchange(topLevel, {}))
            delete w;
        model->ReleaseRef();
        for (const QPointer<IWidget3D>& w : everyWidget)
            if (w)
                return std::string(w->metaObject()->className()) + " outlived its owner";
        return {};
    }

    // Every live widget: the top-level ones and everything below them.
    std::vector<IWidget3D*> live() const
    {
        std::vector<IWidget3D*> all;
        for (IWidget3D* w : topLevel)
            w->enumerateAllExcept([&](IWidget3D* x) { all.push_back(x); }, nullptr);
        return all;
    }

    IWidget3D* anyWidget(unsigned choice) const
    {
        const std::vector<IWidget3D*> all = live();
        return all.empty() ? nullptr : all[choice % all.size()];
    }

    // The group that owns `w`, when it is a plain group of the host's (not a composite's part).
    Widget3DGroup* hostGroupOf(IWidget3D* w) const
    {
        for (IWidget3D* x : live())
            if (auto* g = plainGroup(x))
                for (const auto& child : g->getChildren())
                    if (child.data() == w)
                        return g;
        return nullptr;
    }

    static Widget3DGroup* plainGroup(IWidget3D* w)
    {
        return w && w->metaObject() == &Widget3DGroup::staticMetaObject ? static_cast<Widget3DGroup*>(w) : nullptr;
    }

    // A widget the host may destroy: a top-level one or a child of a plain group.
    IWidget3D* ownedWidget(unsigned choice) const
    {
        std::vector<IWidget3D*> owned = topLevel;
        for (IWidget3D* w : live())
            if (hostGroupOf(w))
                owned.push_back(w);
        return owned.empty() ? nullptr : owned[choice % owned.size()];
    }

    // Mostly the projected pixel of a point inside the bounds of a node of a widget that can be
    // picked (so that presses land on handles), otherwise any pixel in or around the view.
    QPointF pointer(const Step& s) const
    {
        std::vector<IWidget3D*> reachable;
        for (IWidget3D* w : live())
            if (w->getWidgetEventHandler() && w->isVisible() && w->isInteractive() && !w->getGraphicsNodes().empty())
                reachable.push_back(w);
        if (IWidget3D* w = reachable.empty() ? nullptr : reachable[s.a % reachable.size()]; w && (s.b & 3)) {
            const auto& nodes = w->getGraphicsNodes();
            const auto bounds = nodes[(s.a >> 8) % nodes.size()]->getPosedBounds();
            const float3 size = (bounds.max() - bounds.min()).toFloat();
            const float3 inside = (s.b >> 8) & 1 ? size * 0.5f
                                                 : float3{size.x * s.x, size.y * s.y, size.z * float((s.a >> 16) % 64) / 64};
            return h.screenPoint(bounds.min().toFloat() + inside);
        }
        return {900.0 * s.x - 50, 700.0 * s.y - 50};
    }

    void create(const Step& s)
    {
        IWidget3D* w = widgetFactories[s.a % std::size(widgetFactories)](
            h.handler(), (s.b >> 6) % 3 ? Kairn::Graphics::SceneItemWidget : Kairn::Graphics::SceneItemOverlay);
        log.watch(w, w->metaObject()->className());
        w->setPosition({8 * s.x - 4, 6 * s.y - 3, float((s.a >> 8) % 5) - 2.0f});
        if ((s.b >> 4) & 1)
            w->setDirection(unitFrom(s.y, s.x));
        switch ((s.b >> 1) % 8) {
        case 0: w->setStatic(true); break;
        case 1: w->setSilenced(true); break;
        case 2: w->setVisible(false); break;
        case 3: w->setInteractive(false); break;
        case 4: w->setScale(0.2f + 3 * s.x); break;
        case 5: w->setScreenSize(80, 1.0f); break;
        default: break;
        }
        std::vector<Widget3DGroup*> groups;
        for (IWidget3D* x : live())
            if (plainGroup(x))
                groups.push_back(plainGroup(x));
        if ((s.b >> 5) & 1 && !groups.empty())
            groups[(s.a >> 12) % groups.size()]->addWidget(w);
        else
            topLevel.push_back(w);
    }

    void destroy(const Step& s)
    {
        IWidget3D* w = ownedWidget(s.a);
        if (Widget3DGroup* g = hostGroupOf(w))
            g->removeWidget(w);
        else if (w) {
            std::erase(topLevel, w);
            delete w;
        }
    }

    // A top-level widget moves into a plain group that it does not contain.
    void nest(const Step& s)
    {
        IWidget3D* w = topLevel.empty() ? nullptr : topLevel[s.a % topLevel.size()];
        Widget3DGroup* g = plainGroup(anyWidget(s.b));
        if (w && g && !w->containsWidget(g)) {
            std::erase(topLevel, w);
            g->addWidget(w);
        }
    }

    std::string check()
    {
        const std::vector<IWidget3D*> all = live();
        const auto isLive = [&](IWidget3D* w) { return std::find(all.begin(), all.end(), w) != all.end(); };
        if (Widget3DEventHandler* handler = h.handler()) {
            for (IWidget3D* w : handler->getWidgets())
                if (!isLive(w) || w->getWidgetEventHandler() != handler)
                    return "the handler lists a widget that is gone or would not unregister";
            for (IWidget3D* w : {handler->getActiveWidget(), handler->getHoveredWidget()})
                if (w && !handler->isRegistered(w))
                    return "the handler's active or hovered widget is not registered";
        }
        for (IWidget3D* w : all) {
            const std::string name = w->metaObject()->className();
            if (!Lumo::isFinite(w->getPosition()) || !Lumo::isFinite(w->getDirection()) || !std::isfinite(w->getScale()))
                return name + " has a pose that is not finite";
            if (Widget3DEventHandler* handler = w->getWidgetEventHandler())
                for (Kairn::Graphics::VyrGraphicsNode* node : w->getGraphicsNodes())
                    if (!handler->GetScene()->containsNode(node))
                        return "a node of " + name + " is not in its handler's scene";
        }
        for (const UiwTest::SignalLog::Entry& entry : log.entries())
            for (const QVariant& value : entry.arguments)
                if (!isFiniteValue(value))
                    return entry.line.toStdString() + " signalled a value that is not finite";
        log.clear();
        return {};
    }

    UiwTest::InteractionHarness h;
    UiwTest::SignalLog log;
    std::vector<IWidget3D*> topLevel;
    Kairn::Graphics::VyrMeshNode* model = nullptr;
};

Qt::MouseButton buttonOf(unsigned b)
{
    static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                              Qt::MiddleButton};
    return buttons[(b >> 2) % std::size(buttons)];
}

Qt::KeyboardModifiers modifiersOf(unsigned b)
{
    static const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier,
                                                      Qt::ControlModifier, Qt::AltModifier,
                                                      Qt::ShiftModifier | Qt::ControlModifier};
    return modifiers[(b >> 4) % std::size(modifiers)];
}

float3 oddDirection(const Step& s)
{
    const float3 odd[] = {{0, 0, 0}, {1e-30f, 0, 0}, {1e30f, -1e30f, 1e30f}, {nan, 0, 1}, {0, inf, 0},
                          {0, 0, -1}, {1, 0, 0}, unitFrom(s.x, s.y)};
    return odd[s.b % std::size(odd)];
}

// Every host call and mouse event the soak makes. A new host call is one more row; the weights
// set how often each is drawn.
struct Action
{
    const char* name;
    int weight;
    void (*run)(World&, const Step&);
};

const Action actions[] = {
    {"create", 5, [](World& w, const Step& s) { w.create(s); }},
    {"destroy", 2, [](World& w, const Step& s) { w.destroy(s); }},
    {"nest", 1, [](World& w, const Step& s) { w.nest(s); }},
    {"removeWidget3D", 1,
     [](World& w, const Step& s) {
         if (w.h.handler())
             w.h.handler()->removeWidget3D(w.anyWidget(s.a));
     }},
    {"addWidget3D", 1,
     [](World& w, const Step& s) {
         if (w.h.handler())
             w.h.handler()->addWidget3D(w.anyWidget(s.a));
     }},
    {"setWidgetEventHandler", 1,
     [](World& w, const Step& s) {
         if (IWidget3D* x = w.anyWidget(s.a))
             x->setWidgetEventHandler(s.b % 4 ? w.h.handler() : nullptr);
     }},
    {"setDirection", 2,
     [](World& w, const Step& s) {
         if (IWidget3D* x = w.anyWidget(s.a))
             x->setDirection(oddDirection(s));
     }},
    {"setScale", 1,
     [](World& w, const Step& s) {
         const float scales[] = {0.0f, 1e-30f, 1e30f, nan, 0.1f + 4 * s.x};
         if (IWidget3D* x = w.anyWidget(s.a))
             x->setScale(scales[s.b % std::size(scales)]);
     }},
    {"setPosition", 1,
     [](World& w, const Step& s) {
         const float3 places[] = {{1e7f * s.x, 0, -1e7f * s.y}, {nan, 0, 0}, {8 * s.x - 4, 6 * s.y - 3, 0}};
         if (IWidget3D* x = w.anyWidget(s.a))
             x->setPosition(places[s.b % std::size(places)]);
     }},
    {"setFlag", 2,
     [](World& w, const Step& s) {
         IWidget3D* x = w.anyWidget(s.a);
         const bool on = s.b & 1;
         switch (x ? (s.b >> 1) % 6 : 6) {
         case 0: x->setStatic(on); break;
         case 1: x->setSilenced(on); break;
         case 2: x->show(on); break;
         case 3: x->setInteractive(on); break;
         case 4: x->setVisible(on); break;
         case 5: if (auto* g = qobject_cast<Widget3DGroup*>(x)) g->setDeformable(on); break;
         default: break;
         }
     }},
    {"replaceHandler", 1,
     [](World& w, const Step& s) {
         if (s.b % 4 == 0) {
             w.h.destroyHandler();
             return;
         }
         w.h.createHandler();
         for (IWidget3D* x : w.topLevel)
             x->setWidgetEventHandler(w.h.handler());
     }},
    {"camera", 2,
     [](World& w, const Step& s) {
         IWidget3D* x = w.anyWidget(s.a);
         const float3 p = x ? x->getPosition() : float3{0, 0, 0}, d = x ? x->getDirection() : float3{0, 0, 1};
         const float3 up = (s.b >> 3) & 1 ? d : float3{0, 1, 0};
         Kairn::Graphics::Camera* camera = w.h.camera();
         switch (s.b % 7) {
         case 0: camera->lookAt(p + d * (2 + 20 * s.x), p, up); break;  // along the widget's axis
         case 1: camera->lookAt(p - d * (2 + 20 * s.x), p, up); break;  // from behind
         case 2: camera->lookAt(p + unitFrom(s.x, s.y) * 1e-3f, p, up); break;
         case 3: camera->lookAt(unitFrom(s.x, s.y) * 1e5f, p, up); break;
         case 4: camera->lookAt(p, p, up); break;
         case 5: camera->setOrthographic(20 * s.x); break;
         default: camera->setPerspective(3 * s.y); break;
         }
     }},
    {"press", 10, [](World& w, const Step& s) { w.h.pressAt(w.pointer(s), buttonOf(s.b), modifiersOf(s.b)); }},
    {"move", 30, [](World& w, const Step& s) { w.h.moveAt(w.pointer(s), modifiersOf(s.b)); }},
    {"release", 1, [](World& w, const Step& s) { w.h.releaseAt(w.pointer(s), buttonOf(s.b), modifiersOf(s.b)); }},
    {"doubleClick", 2,
     [](World& w, const Step& s) { w.h.doubleClickAt(w.pointer(s), buttonOf(s.b), modifiersOf(s.b)); }},
};

std::string asRow(const std::vector<Step>& steps)
{
    std::string row;
    for (const Step& s : steps) {
        char line[160];
        std::snprintf(line, sizeof line, "     {\"%s\", %uu, %uu, %.9gf, %.9gf},\n", s.action.c_str(), s.a, s.b,
                      double(s.x), double(s.y));
        row += line;
    }
    return row;
}

// What is printed when a signal stops the process: the episode that was running.
std::string runningEpisode;

// The steps of the running episode, up to and with the one being run.
std::vector<Step> runningSteps;

void sayWhereItDied()
{
    const std::string text = "soak: stopped in " + runningEpisode + " by its steps\n" + asRow(runningSteps);
    [[maybe_unused]] const auto written = write(2, text.data(), text.size());
}

struct Outcome
{
    std::string failure;
    std::size_t failedStep = 0;
};

Outcome runEpisode(const std::vector<Step>& steps)
{
    UiwTest::LiveInstanceCheck counters;
    Outcome outcome;
    runningSteps.clear();
    {
        auto owned = std::make_unique<World>();
        World& world = *owned;
        for (; outcome.failedStep < steps.size() && outcome.failure.empty(); ++outcome.failedStep) {
            const Step& s = steps[outcome.failedStep];
            runningSteps.push_back(s);
            for (const Action& action : actions)
                if (s.action == action.name)
                    action.run(world, s);
            outcome.failure = world.check();
        }
        // A world that broke an invariant may hold dangling pointers: it is left as it is.
        if (!outcome.failure.empty()) {
            owned.release();
            return outcome;
        }
        outcome.failure = world.tearDown();
    }
    if (const auto counted = counters.unchanged(); outcome.failure.empty() && !counted)
        outcome.failure = counted.message();
    return outcome;
}

std::vector<Step> generate(std::uint64_t seed, std::size_t count)
{
    std::mt19937_64 random(seed);
    int totalWeight = 0;
    for (const Action& action : actions)
        totalWeight += action.weight;
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::vector<Step> steps(count);
    for (Step& s : steps) {
        int pick = int(random() % unsigned(totalWeight));
        const Action* action = actions;
        while (pick >= action->weight)
            pick -= (action++)->weight;
        s = {action->name, unsigned(random()), unsigned(random()), unit(random), unit(random)};
    }
    return steps;
}

// Drops ever smaller runs of steps while the episode still fails the same way.
std::vector<Step> shrink(std::vector<Step> steps, const std::string& failure)
{
    for (std::size_t chunk = steps.size() / 2; chunk >= 1; chunk /= 2)
        for (std::size_t start = 0; start + chunk <= steps.size();) {
            std::vector<Step> fewer = steps;
            fewer.erase(fewer.begin() + std::ptrdiff_t(start), fewer.begin() + std::ptrdiff_t(start + chunk));
            if (runEpisode(fewer).failure == failure)
                steps = std::move(fewer);
            else
                start += chunk;
        }
    return steps;
}

constexpr std::size_t EpisodeLength = 400;

TEST(Soak, SeededEpisodesKeepEveryInvariant)
{
    // The sanitizers end their reports with abort() (abort_on_error) and catch the other signals
    // themselves.
#if defined(__SANITIZE_ADDRESS__)
    for (int signal : {SIGABRT})
#else
    for (int signal : {SIGABRT, SIGSEGV, SIGFPE})
#endif
        std::signal(signal, [](int signal) {
            sayWhereItDied();
            std::signal(signal, SIG_DFL);
            std::raise(signal);
        });
    const auto number = [](const char* name, int fallback) {
        return std::uint64_t(qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : fallback);
    };
    const std::uint64_t totalSteps = number("UIW_SOAK_STEPS", 4000), firstSeed = number("UIW_SOAK_SEED", 1);
    for (std::uint64_t seed = firstSeed; seed < firstSeed + (totalSteps + EpisodeLength - 1) / EpisodeLength; ++seed) {
        runningEpisode = "the episode of seed " + std::to_string(seed) + " (UIW_SOAK_SEED=" + std::to_string(seed)
            + " UIW_SOAK_STEPS=" + std::to_string(EpisodeLength) + ")";
        std::vector<Step> steps = generate(seed, EpisodeLength);
        const Outcome outcome = runEpisode(steps);
        if (outcome.failure.empty())
            continue;
        steps.resize(outcome.failedStep);
        const std::vector<Step> fewest = shrink(steps, outcome.failure);
        FAIL() << "seed " << seed << ": " << outcome.failure << " after step " << outcome.failedStep
               << "\nshrunk to " << fewest.size() << " steps:\n"
               << asRow(fewest);
    }
}

// Failures the soak found, each shrunk to its steps; the seed that found it names the row.
struct Regression
{
    const char* name;
    std::vector<Step> steps;
};

const Regression regressions[] = {
    // Seed 2 found it with 11 steps; these are the two that matter.
    {"seed 2: a scale of 1e30 on a group", {{"create", 0u, 14u, 0.5f, 0.5f}, {"setScale", 0u, 2u, 0.5f, 0.5f}}},
    {"seed 47: a pick through a mesh scaled to almost nothing", {
     {"create", 679512805u, 102735635u, 0.3783153f, 0.309358567f},
     {"setScale", 1259293848u, 3988891242u, 0.819602072f, 0.349122703f},
     {"create", 3564189983u, 3680098022u, 0.507784903f, 0.208841458f},
     {"create", 2497306298u, 2040693679u, 0.498115718f, 0.554367125f},
     {"camera", 891539924u, 3730378076u, 0.658138931f, 0.41159305f},
     {"release", 3337825968u, 3712962331u, 0.751499593f, 0.995317459f}}},
    {"seed 21: a detached widget registered by the host", {
     {"create", 3516506719u, 3666946181u, 0.492534876f, 0.475993216f},
     {"setWidgetEventHandler", 114425015u, 3079539936u, 0.742715955f, 0.895618677f},
     {"addWidget3D", 1954088708u, 683250776u, 0.766614616f, 0.0743461698f}}},
};

TEST(Soak, ShrunkFailuresStayFixed)
{
    for (const Regression& row : regressions)
        EXPECT_EQ(runEpisode(row.steps).failure, "") << row.name;
}

} // namespace
