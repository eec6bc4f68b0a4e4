#pragma once

// Whether this build runs under AddressSanitizer (gcc names it one way, clang another): tests
// that play long sessions play shorter ones there, where every step costs many times more.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool SanitizedBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool SanitizedBuild = true;
#else
inline constexpr bool SanitizedBuild = false;
#endif
#else
inline constexpr bool SanitizedBuild = false;
#endif
