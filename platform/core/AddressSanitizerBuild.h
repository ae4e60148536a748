#pragma once

namespace platform {

// Memory pools hand out every object as an allocation of its own under AddressSanitizer, or a
// use after free inside a pool block goes unnoticed; this says which build this is.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizerBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSanitizerBuild = true;
#else
inline constexpr bool kAddressSanitizerBuild = false;
#endif
#else
inline constexpr bool kAddressSanitizerBuild = false;
#endif

} // namespace platform
