#pragma once
// Bounds on the order of some work, measured in processor time so that a
// loaded machine cannot fail them.
#include <ctime>

// Sanitized builds run several times slower.  Timing bounds are about the
// order of the work (quadratic, or a statement per row outside a
// transaction), so they only stretch there.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kSanitizerSlowdown = 4;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr double kSanitizerSlowdown = 4;
#else
constexpr double kSanitizerSlowdown = 1;
#endif
#else
constexpr double kSanitizerSlowdown = 1;
#endif

// Processor time this process has used, in seconds.
inline double ProcessSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}
