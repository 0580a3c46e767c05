#include "mainwin/clock.h"

Milliseconds SteadyClock::Now() const
{
    return std::chrono::duration_cast<Milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}
