#include "AllocationWatch.h"

#include <cstdlib>
#include <new>

// Kept in a file of its own: compilers that see these inlined into their callers warn about
// malloc and free behind new and delete.
std::atomic<bool> watching{false};
std::atomic<size_t> largestAllocation{0};

void* operator new(size_t size)
{
    if (watching.load() && size > largestAllocation.load()) largestAllocation.store(size);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, size_t) noexcept
{
    std::free(p);
}
