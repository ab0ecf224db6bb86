#pragma once

// Points on rings, the arguments of rotation signals and the overlay nodes of rotation widgets.

#include "tests/platform/math/MathExpect.h"
#include "tests/support/ColorExpect.h"
#include "tests/support/WidgetFixture.h"
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

using UiwTest::rgb255;
using UiwTest::sameColor;

// The lines of a ring drag of `moves` steps through a composite: per step the composite's
// re-emission (logged first: the composite connected before the log), the ring's own signal and
// the handler's transform report.
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
    EXPECT_EQ(pairs, int(log.entriesOf(compositeSignal).size()));
    EXPECT_EQ(pairs, int(log.entriesOf(ringSignal).size()));
    EXPECT_GT(pairs, 0);
}

// A composite under test; dragAround drags the ring point at `from` degrees to `to` degrees in
// 3-degree moves on the circle of `radius` spanned by `x` and `y`.
class RotateCompositeTest : public UiwTest::WidgetFixture<Velto::UiWidget::IWidget3D>
{
protected:
    void dragAround(double from, double to, const Lumo::float3& x, const Lumo::float3& y, float radius = 1.0f)
    {
        h.press(onCircle(from, x, y, radius));
        const int moves = int(std::abs(to - from) / 3);
        for (int i = 1; i <= moves; ++i)
            h.move(onCircle(from + (to - from) * i / moves, x, y, radius));
        h.release(onCircle(to, x, y, radius));
    }
};

} // namespace RotateTest
