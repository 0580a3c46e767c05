#pragma once

#include <chrono>
#include <cstdint>

/// Elapsed times are whole milliseconds in 64 bits: a 1000-hour run is nowhere near overflow.
using Milliseconds = std::chrono::duration<std::int64_t, std::milli>;

/// A monotonic source of the current instant, so tests can drive time by hand.
class Clock
{
public:
    virtual ~Clock() = default;
    /// Milliseconds since an arbitrary fixed origin; never goes backwards.
    virtual Milliseconds Now() const = 0;
};

/// The real clock: never moved by changes of the wall clock, and still counting while the
/// machine sleeps, so a run that spans a suspend shows the time that really passed.
class SystemClock final : public Clock
{
public:
    Milliseconds Now() const override;
};
