#pragma once

// Shared by the rotation widget tests: points on rings, the signal arguments of rotation steps
// and the transient nodes that widgets put into the overlay layer.

#include "tests/platform/math/MathExpect.h"
#include "tests/support/InteractionHarness.h"
#include "tests/support/LiveInstanceCheck.h"
#include "tests/support/SignalLog.h"
#include "ui_widgets/framework/IWidget3D.h"
#include "ui_widgets/platform/math/XLine.h"
#include "ui_widgets/platform/scene/SceneItemType.h"
#include "ui_widgets/platform/scene/VyrScene.h"

#include <QStringList>

#include <cmath>
#include <memory>
#include <vector>

namespace RotateTest {

using MathTest::near;

constexpr double pi = 3.14159265358979323846;

inline float radians(double degrees)
{
    return float(degrees * pi / 180.0);
}

// The point at `degrees` on a circle about the origin, counted from `from` toward `toward`
// (two perpendicular unit vectors).
inline Lumo::float3 onCircle(double degrees, const Lumo::float3& from, const Lumo::float3& toward, float radius = 1.0f)
{
    const float a = radians(degrees);
    return (from * std::cos(a) + toward * std::sin(a)) * radius;
}

// On the ring in the XY plane, from +X toward +Y.
inline Lumo::float3 onXYRing(double degrees, float radius = 1.0f)
{
    return onCircle(degrees, {1, 0, 0}, {0, 1, 0}, radius);
}

// The entries of one signal, e.g. "ring.widgetSingleAxisRotate".
inline std::vector<UiwTest::SignalLog::Entry> entriesOf(const UiwTest::SignalLog& log, const QString& line)
{
    std::vector<UiwTest::SignalLog::Entry> found;
    for (const UiwTest::SignalLog::Entry& entry : log.entries())
        if (entry.line == line)
            found.push_back(entry);
    return found;
}

// Angle and line of a rotation signal (float radians, XLine<float>).
inline float angleOf(const UiwTest::SignalLog::Entry& entry)
{
    return entry.arguments.at(0).toFloat();
}

inline Lumo::Objects::XLine<float> lineOf(const UiwTest::SignalLog::Entry& entry)
{
    return qvariant_cast<Lumo::Objects::XLine<float>>(entry.arguments.at(1));
}

inline double sumOfAngles(const std::vector<UiwTest::SignalLog::Entry>& entries)
{
    double sum = 0;
    for (const UiwTest::SignalLog::Entry& entry : entries)
        sum += angleOf(entry);
    return sum;
}

// The top-level nodes of class Node in the scene's overlay layer (scene item type 3).
template<class Node>
std::vector<Node*> overlayNodes(const Kairn::Graphics::VyrScene* scene)
{
    std::vector<Node*> found;
    for (Kairn::Graphics::VyrGraphicsNode* node : scene->nodes(Kairn::Graphics::SceneItemOverlay))
        if (auto* typed = dynamic_cast<Node*>(node))
            found.push_back(typed);
    return found;
}

const Lumo::float3 xAxis{1, 0, 0};
const Lumo::float3 yAxis{0, 1, 0};
const Lumo::float3 zAxis{0, 0, 1};

inline Lumo::vec4<float> rgb255(float r, float g, float b, float alpha)
{
    return {r / 255.0f, g / 255.0f, b / 255.0f, alpha};
}

// The lines expected while a ring drag of `moves` steps goes through a composite: per step the
// composite's re-emission, the ring's own signal and the handler's transform report. The
// re-emission is logged first because the composite connected to the ring before the log did.
inline QStringList dragLog(const QString& ringSignal, const QString& compositeSignal, const QString& composite, int moves)
{
    QStringList lines{composite + ".widgetEntered", composite + ".widgetSelect"};
    for (int i = 0; i < moves; ++i)
        lines << compositeSignal << ringSignal << composite + ".widgetTransform";
    lines << composite + ".widgetDeselect";
    return lines;
}

// Every ring emission comes with exactly one re-emission, with the same angle and line.
inline void expectReemittedOnce(const UiwTest::SignalLog& log, const QString& ringSignal, const QString& compositeSignal)
{
    const auto& entries = log.entries();
    int pairs = 0;
    for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
        if (entries[i].line != compositeSignal || entries[i + 1].line != ringSignal)
            continue;
        EXPECT_EQ(angleOf(entries[i]), angleOf(entries[i + 1]));
        EXPECT_EQ(lineOf(entries[i]), lineOf(entries[i + 1]));
        ++pairs;
    }
    EXPECT_EQ(pairs, int(entriesOf(log, compositeSignal).size()));
    EXPECT_EQ(pairs, int(entriesOf(log, ringSignal).size()));
    EXPECT_GT(pairs, 0);
}

// A composite rotation widget under test, destroyed before the instance counts are compared.
class RotateCompositeTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        composite.reset();
        EXPECT_TRUE(live.unchanged());
    }

    // Drags the ring point at `from` degrees to `to` degrees in 3-degree moves on the circle of
    // `radius` spanned by `x` and `y`.
    void dragAround(double from, double to, const Lumo::float3& x, const Lumo::float3& y, float radius = 1.0f)
    {
        h.press(onCircle(from, x, y, radius));
        const int moves = int(std::abs(to - from) / 3);
        for (int i = 1; i <= moves; ++i)
            h.move(onCircle(from + (to - from) * i / moves, x, y, radius));
        h.release(onCircle(to, x, y, radius));
    }

    UiwTest::LiveInstanceCheck live;
    UiwTest::InteractionHarness h;
    UiwTest::SignalLog log;
    std::unique_ptr<Velto::UiWidget::IWidget3D> composite;
};

} // namespace RotateTest
