#include "timing/clock.h"

#include <time.h>

Milliseconds SystemClock::Now() const
{
    // The boot-time clock: monotonic like CLOCK_MONOTONIC (std::chrono::steady_clock), which
    // stands still while the machine is suspended; this one goes on counting.
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return Milliseconds{static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000};
}
