// In the sanitized host build, an allocation beyond 1 GiB fails as it would in a 32-bit process,
// so that the tests can reach the class library's memory exception.
#include "AsanOptions.h"

#if defined(QZ_ADDRESS_SANITIZER)
extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1:max_allocation_size_mb=1024";
}
#endif
