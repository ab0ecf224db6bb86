#pragma once

#include <cstddef>

namespace Lumo::Objects {

// The scene library's allocation operators: a class that derives from this base is allocated
// and freed through them, so node memory has one place of accounting. The live allocation count
// lets a test check that every node that was made has been freed.
class HeapOperators
{
public:
    static void* operator new(std::size_t size);
    static void operator delete(void* memory) noexcept;
    static void operator delete(void* memory, std::size_t size) noexcept;
    static void* operator new[](std::size_t size);
    static void operator delete[](void* memory) noexcept;

    static long liveAllocationCount();

protected:
    HeapOperators() = default;
    ~HeapOperators() = default;
};

} // namespace Lumo::Objects
