#pragma once

// Snapshots the live-instance counters of the scene layer's node classes (and of the classes a
// test adds with track) when made; unchanged() compares them again, so a leaked node fails.

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
