#include "tests/support/LiveInstanceCheck.h"

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"

#include <algorithm>

namespace UiwTest {

LiveInstanceCheck::LiveInstanceCheck()
{
    track<Kairn::Graphics::VyrGraphicsNode>("VyrGraphicsNode");
    track<Kairn::Graphics::VyrGroupNode>("VyrGroupNode");
    track<Kairn::Graphics::VyrGraphicsNodeWithProxy>("VyrGraphicsNodeWithProxy");
}

void LiveInstanceCheck::trackCounter(const std::string& name, std::function<int()> count)
{
    const int start = count();
    m_counters.push_back({name, std::move(count), start});
}

int LiveInstanceCheck::difference(const std::string& name) const
{
    const auto found = std::find_if(m_counters.begin(), m_counters.end(),
                                    [&](const Counter& counter) { return counter.name == name; });
    return found == m_counters.end() ? 0 : found->count() - found->start;
}

::testing::AssertionResult LiveInstanceCheck::unchanged() const
{
    std::string changes;
    for (const Counter& counter : m_counters) {
        const int now = counter.count();
        if (now != counter.start)
            changes += " " + counter.name + ": " + std::to_string(counter.start) + " -> " + std::to_string(now) + ";";
    }
    if (changes.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "live instances changed:" << changes;
}

} // namespace UiwTest
