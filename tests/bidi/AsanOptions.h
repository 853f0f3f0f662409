// QZ_ADDRESS_SANITIZER: the program is built with AddressSanitizer (g++ or clang).
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define QZ_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QZ_ADDRESS_SANITIZER 1
#endif
#endif
