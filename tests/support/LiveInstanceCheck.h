#pragma once

// Checks that a test leaves no scene node behind. The check snapshots the live-instance counter
// (NetObjectCountImpl) of every tracked node class when it is made; unchanged() then compares
// them again:
//
//     LiveInstanceCheck live;                  // the scene layer's node classes
//     live.track<ArrowNode>("ArrowNode");      // and the custom nodes a test creates
//     { ... create, drag and destroy widgets ... }
//     EXPECT_TRUE(live.unchanged());
//
// VyrGraphicsNode counts every node of every class, so the default set already catches any leak;
// the per-class counters say which kind of node it was.

#include "ui_widgets/platform/scene/NetObjectCountImpl.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace UiwTest {

class LiveInstanceCheck
{
public:
    LiveInstanceCheck();

    template<class T>
    void track(const std::string& name)
    {
        trackCounter(name, [] { return NetObjectCountImpl<T>::NetObjectCount(); });
    }

    // The current count of a tracked class minus its count at the snapshot.
    int difference(const std::string& name) const;
    ::testing::AssertionResult unchanged() const;

private:
    struct Counter
    {
        std::string name;
        std::function<int()> count;
        int start;
    };

    void trackCounter(const std::string& name, std::function<int()> count);

    std::vector<Counter> m_counters;
};

} // namespace UiwTest
