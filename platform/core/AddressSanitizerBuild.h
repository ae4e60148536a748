#pragma once

// Memory pools hand out every object as an allocation of its own under AddressSanitizer, or a
// use after free inside a pool block goes unnoticed; this says which build this is. The macro
// is for what a sanitized build cannot hold at all (a check of the C library's allocator).
#if defined(__SANITIZE_ADDRESS__)
#define VERRANT_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VERRANT_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef VERRANT_ADDRESS_SANITIZER
#define VERRANT_ADDRESS_SANITIZER 0
#endif

namespace platform {

inline constexpr bool kAddressSanitizerBuild = VERRANT_ADDRESS_SANITIZER != 0;

} // namespace platform
