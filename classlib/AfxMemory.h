// The class library's allocator: running out of memory throws CMemoryException, as everywhere
// in the class library, instead of std::bad_alloc.
#pragma once

#include <cstddef>

void* AfxAlloc(size_t cb);
void AfxFree(void* p);

template <class T> struct AfxAllocator
{
    typedef T value_type;
    AfxAllocator() = default;
    template <class U> explicit AfxAllocator(const AfxAllocator<U>&) {}
    T* allocate(size_t n) { return static_cast<T*>(AfxAlloc(n * sizeof(T))); }
    void deallocate(T* p, size_t) { AfxFree(p); }
    template <class U> bool operator==(const AfxAllocator<U>&) const { return true; }
    template <class U> bool operator!=(const AfxAllocator<U>&) const { return false; }
};
