#include "ui_widgets/platform/math/ARefCounted.h"
#include "ui_widgets/platform/math/ArrayList.h"
#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/math/HeapOperators.h"

#include <gtest/gtest.h>

using namespace Lumo::Objects;

namespace {

// A counted object that reports its own destruction.
class Tracked : public ARefCounted, public HeapOperators
{
public:
    explicit Tracked(int* liveCount) : m_liveCount(liveCount) { ++*m_liveCount; }
    ~Tracked() override { --*m_liveCount; }

private:
    int* m_liveCount;
};

} // namespace

// Scene nodes live by these counts: a missing release leaks a node, an extra one frees it twice.
TEST(ARefCountedTest, TheLastReleaseDeletesAndEveryHolderTakesOneReference)
{
    int live = 0;
    const long allocations = HeapOperators::liveAllocationCount();
    auto* object = new Tracked(&live);
    EXPECT_EQ(object->ReleaseRef(), 0) << "a release nobody took is ignored";
    object->AddRef();
    {
        AutoPtr<Tracked> first(object);
        AutoPtr<Tracked> moved = std::move(first);
        moved.reset(moved.get());
        EXPECT_EQ(object->refCount(), 2) << "moving and resetting to the object held take nothing";

        using List = ArrayList<Tracked*, RefCountedLifetime<Tracked*>>;
        List list;
        list.append(object);
        EXPECT_FALSE(list.insertAt(5, object));
        EXPECT_EQ(object->refCount(), 3) << "a refused insert takes no reference";
        List copy = list;
        EXPECT_TRUE(list.removeAt(0));
        EXPECT_EQ(object->refCount(), 3);
    }
    EXPECT_EQ(object->ReleaseRef(), 0);
    EXPECT_EQ(live, 0);
    EXPECT_EQ(HeapOperators::liveAllocationCount(), allocations);
}
