#pragma once

#include "mainwin/time_text.h"

/// A monotonic source of the current instant, so tests can drive time by hand.
class Clock
{
public:
    virtual ~Clock() = default;
    /// Milliseconds since an arbitrary fixed origin; never goes backwards.
    virtual Milliseconds Now() const = 0;
};

/// The real clock: steady, so changes of the wall clock do not move it.
class SteadyClock final : public Clock
{
public:
    Milliseconds Now() const override;
};
