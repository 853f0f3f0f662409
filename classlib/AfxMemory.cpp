#include "AfxMemory.h"
#include "Exceptions.h"

#include <cstdlib>

void* AfxAlloc(size_t cb)
{
    void* p = std::malloc(cb != 0 ? cb : 1);
    if (p == nullptr)
    {
        AfxThrowMemoryException();
    }
    return p;
}

void AfxFree(void* p)
{
    std::free(p);
}
