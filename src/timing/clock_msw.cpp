#include "timing/clock.h"

#include <windows.h>

Milliseconds SystemClock::Now() const
{
    // The performance counter: monotonic, never moved by the wall clock, and counting the time
    // the machine spends asleep or hibernating.
    static const std::int64_t frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<std::int64_t>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    const std::int64_t ticks = counter.QuadPart;
    // Whole seconds first, so ticks * 1000 cannot overflow however long the machine has run.
    return Milliseconds{ticks / frequency * 1000 + ticks % frequency * 1000 / frequency};
}
