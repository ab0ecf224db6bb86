#include "ui_widgets/platform/math/HeapOperators.h"

#include <atomic>
#include <new>

namespace Lumo::Objects {

namespace {
std::atomic<long> liveAllocations{0};
} // namespace

void* HeapOperators::operator new(std::size_t size)
{
    void* memory = ::operator new(size);
    ++liveAllocations;
    return memory;
}

void HeapOperators::operator delete(void* memory) noexcept
{
    if (!memory)
        return;
    --liveAllocations;
    ::operator delete(memory);
}

void HeapOperators::operator delete(void* memory, std::size_t) noexcept
{
    operator delete(memory);
}

void* HeapOperators::operator new[](std::size_t size)
{
    return operator new(size);
}

void HeapOperators::operator delete[](void* memory) noexcept
{
    operator delete(memory);
}

long HeapOperators::liveAllocationCount()
{
    return liveAllocations.load();
}

} // namespace Lumo::Objects
