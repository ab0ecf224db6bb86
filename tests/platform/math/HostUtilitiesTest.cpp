#include "ui_widgets/platform/math/AAttachable.h"
#include "ui_widgets/platform/math/ARefCounted.h"
#include "ui_widgets/platform/math/ArrayList.h"
#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/math/HeapOperators.h"
#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/math/Polyline.h"
#include "ui_widgets/platform/math/SharedMatrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

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

class TrackedChild : public Tracked
{
public:
    using Tracked::Tracked;
};

} // namespace

TEST(InternTest, SameTextSamePointerFromEveryThread)
{
    const UString* key = Intern(L"IWidget3D");
    EXPECT_EQ(key, Intern(std::wstring(L"IWidget") + L"3D"));
    EXPECT_NE(key, Intern(L"Widget3DGroup"));
    EXPECT_EQ(key->text(), L"IWidget3D");

    std::vector<const UString*> seen(8);
    std::vector<std::thread> threads;
    for (int i = 0; i < 8; ++i)
        threads.emplace_back([&seen, i] { seen[i] = Intern(L"interned from a thread"); });
    for (std::thread& thread : threads)
        thread.join();
    for (const UString* pointer : seen)
        EXPECT_EQ(pointer, seen[0]);
}

TEST(AAttachableTest, AttachmentsAreKeyedByInternedPointer)
{
    AAttachable node;
    int widget = 0, group = 0, other = 0;
    const UString* widgetKey = Intern(L"IWidget3D");
    const UString* groupKey = Intern(L"Widget3DGroup");

    EXPECT_EQ(node.GetVoidAttachment(widgetKey), nullptr);
    EXPECT_TRUE(node.AddVoidAttachment(widgetKey, &widget));
    EXPECT_FALSE(node.AddVoidAttachment(Intern(L"IWidget3D"), &other)) << "adding keeps an existing attachment";
    EXPECT_EQ(node.GetVoidAttachment(Intern(L"IWidget3D")), &widget);

    EXPECT_TRUE(node.SetVoidAttachment(groupKey, &group));
    EXPECT_TRUE(node.SetVoidAttachment(widgetKey, &other));
    EXPECT_EQ(node.GetVoidAttachment(widgetKey), &other);
    EXPECT_EQ(node.attachmentCount(), 2);

    EXPECT_TRUE(node.RemoveAttachment(widgetKey));
    EXPECT_FALSE(node.RemoveAttachment(widgetKey));
    EXPECT_FALSE(node.HasAttachment(widgetKey));
    EXPECT_TRUE(node.HasAttachment(groupKey));
    EXPECT_EQ(node.attachmentCount(), 1);

    EXPECT_FALSE(node.AddVoidAttachment(nullptr, &widget));
    EXPECT_FALSE(node.SetVoidAttachment(nullptr, &widget));
    EXPECT_FALSE(node.HasAttachment(nullptr));
    EXPECT_EQ(node.attachmentCount(), 1);
}

TEST(ARefCountedTest, TheLastReleaseDeletesAndAStrayReleaseDoesNothing)
{
    int live = 0;
    const long allocations = HeapOperators::liveAllocationCount();
    auto* object = new Tracked(&live);
    EXPECT_EQ(HeapOperators::liveAllocationCount(), allocations + 1);
    EXPECT_EQ(object->refCount(), 0);
    EXPECT_EQ(object->ReleaseRef(), 0) << "a release nobody took is ignored";
    EXPECT_EQ(live, 1);

    EXPECT_EQ(object->AddRef(), 1);
    EXPECT_EQ(object->AddRef(), 2);
    EXPECT_EQ(object->ReleaseRef(), 1);
    EXPECT_EQ(live, 1);
    EXPECT_EQ(object->ReleaseRef(), 0);
    EXPECT_EQ(live, 0);
    EXPECT_EQ(HeapOperators::liveAllocationCount(), allocations);

    // A copy is a new object with a count of its own.
    Tracked original(&live);
    original.AddRef();
    Tracked copy(original);
    EXPECT_EQ(copy.refCount(), 0);
}

TEST(AutoPtrTest, HoldsOneReferencePerPointer)
{
    int live = 0;
    {
        AutoPtr<Tracked> first(new Tracked(&live));
        EXPECT_EQ(first->refCount(), 1);
        AutoPtr<Tracked> second = first;
        EXPECT_EQ(first->refCount(), 2);
        AutoPtr<Tracked> moved = std::move(second);
        EXPECT_EQ(second.get(), nullptr);
        EXPECT_EQ(moved->refCount(), 2);

        moved.reset(moved.get());
        EXPECT_EQ(live, 1) << "resetting to the object held keeps it";
        EXPECT_EQ(first->refCount(), 2);

        moved.reset();
        first = first;
        EXPECT_EQ(first->refCount(), 1);

        AutoPtr<Tracked> base = AutoPtr<TrackedChild>(new TrackedChild(&live));
        EXPECT_EQ(live, 2);
        EXPECT_EQ(base->refCount(), 1);
        base = first;
        EXPECT_EQ(live, 1);
    }
    EXPECT_EQ(live, 0);

    AutoPtr<Tracked> empty;
    EXPECT_FALSE(empty);
    empty.reset();
}

TEST(SharedMatrixTest, HoldersSeeTheSameMatrix)
{
    const long allocations = HeapOperators::liveAllocationCount();
    {
        AutoPtr<SharedMatrix> a(new SharedMatrix(ADevMatrix::Translation({1, 2, 3})));
        AutoPtr<SharedMatrix> b = a;
        b->setMatrix(ADevMatrix::Scale({2, 2, 2}));
        EXPECT_EQ(a->matrix(), ADevMatrix::Scale({2, 2, 2}));
        EXPECT_EQ(HeapOperators::liveAllocationCount(), allocations + 1);
    }
    EXPECT_EQ(HeapOperators::liveAllocationCount(), allocations);
}

TEST(ArrayListTest, RefCountedLifetimeHoldsAReferencePerEntry)
{
    using List = ArrayList<Tracked*, RefCountedLifetime<Tracked*>>;
    int live = 0;
    Tracked* a = new Tracked(&live);
    Tracked* b = new Tracked(&live);
    Tracked* c = new Tracked(&live);
    {
        List list;
        list.append(a);
        list.append(c);
        EXPECT_TRUE(list.insertAt(1, b));
        EXPECT_FALSE(list.insertAt(5, a));
        EXPECT_FALSE(list.removeAt(-1));
        EXPECT_EQ(a->refCount(), 1) << "a refused insert takes no reference";
        ASSERT_EQ(list.size(), 3);
        EXPECT_EQ(list.at(1), b);
        EXPECT_EQ(list.at(3), nullptr);

        {
            List copy = list;
            EXPECT_EQ(b->refCount(), 2);
            EXPECT_TRUE(list.removeAt(1));
            EXPECT_EQ(b->refCount(), 1);
            EXPECT_EQ(list.at(1), c) << "later entries move down";
        }
        EXPECT_EQ(live, 2) << "the copy held the last reference to the removed entry";

        list.append(nullptr);
        std::vector<Tracked*> order(list.begin(), list.end());
        EXPECT_EQ(order, (std::vector<Tracked*>{a, c, nullptr}));

        List moved = std::move(list);
        EXPECT_EQ(list.size(), 0);
        EXPECT_EQ(a->refCount(), 1);
    }
    EXPECT_EQ(live, 0);

    Tracked* kept = new Tracked(&live);
    kept->AddRef();
    {
        List list;
        list.append(kept);
        list.clear();
        EXPECT_EQ(list.size(), 0);
    }
    EXPECT_EQ(kept->refCount(), 1);
    kept->ReleaseRef();
    EXPECT_EQ(live, 0);

    ArrayList<int> plain;
    plain.append(4);
    plain.insertAt(0, 3);
    EXPECT_EQ(plain.at(0), 3);
    EXPECT_EQ(plain.indexOf(4), 1);
}

TEST(PolylineTest, EditsKeepOrderAndRefuseBadInput)
{
    Polyline<float> line;
    EXPECT_TRUE(line.addPoint({1, 0, 0}));
    EXPECT_TRUE(line.addPoint({1, 1, 0}));
    EXPECT_TRUE(line.insertPointAtIndex(0, {0, 0, 0}));
    EXPECT_TRUE(line.insertPointAtIndex(3, {0, 1, 0}));
    EXPECT_FALSE(line.insertPointAtIndex(5, {9, 9, 9}));
    EXPECT_FALSE(line.addPoint({std::nanf(""), 0, 0}));
    ASSERT_EQ(line.pointCount(), 4);
    EXPECT_EQ(line.point(0), (Lumo::float3{0, 0, 0}));
    EXPECT_EQ(line.point(3), (Lumo::float3{0, 1, 0}));
    EXPECT_EQ(line.point(4), (Lumo::float3{}));

    // Three unit sides of the square when open, four when closed.
    EXPECT_FLOAT_EQ(line.length(), 3);
    line.setClosed(true);
    EXPECT_FLOAT_EQ(line.length(), 4);

    EXPECT_TRUE(line.removePointAtIndex(1));
    EXPECT_FALSE(line.removePointAtIndex(3));
    EXPECT_EQ(line.point(1), (Lumo::float3{1, 1, 0}));
    // Closed triangle (0,0,0) -> (1,1,0) -> (0,1,0): sqrt(2) + 1 + 1.
    EXPECT_FLOAT_EQ(line.length(), std::sqrt(2.0f) + 2);
}
