#pragma once

// Live-instance counter of a node class T: every constructed object of T (default or copy) adds
// one, every destroyed one takes one away, assignment changes nothing. The count is a plain int:
// nodes live on the user-interface thread only.
//
// A class that derives from several counters (a custom node counts itself, its group base and
// the node base) names its own with NET_OBJECT_COUNT_OF(Class), so that Class::NetObjectCount()
// is not ambiguous.
template<class T>
class NetObjectCountImpl
{
public:
    NetObjectCountImpl() { IncreaseNetObjectCount(); }
    NetObjectCountImpl(const NetObjectCountImpl&) { IncreaseNetObjectCount(); }
    NetObjectCountImpl& operator=(const NetObjectCountImpl&) { return *this; }
    ~NetObjectCountImpl() { DecreaseNetObjectCount(); }

    static void IncreaseNetObjectCount() { ++mNetObjectCount; }
    static void DecreaseNetObjectCount() { --mNetObjectCount; }
    static int NetObjectCount() { return mNetObjectCount; }

    static inline int mNetObjectCount = 0;
};

#define NET_OBJECT_COUNT_OF(Class)                                                                 \
    using NetObjectCountImpl<Class>::IncreaseNetObjectCount;                                       \
    using NetObjectCountImpl<Class>::DecreaseNetObjectCount;                                       \
    using NetObjectCountImpl<Class>::NetObjectCount;                                               \
    using NetObjectCountImpl<Class>::mNetObjectCount
