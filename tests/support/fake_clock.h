#pragma once

#include "timing/clock.h"

/// A clock the test advances by hand; it starts far from zero like a real monotonic clock. Like a
/// real one, it can also move on by itself after every reading.
class FakeClock : public Clock
{
public:
    Milliseconds Now() const override
    {
        const Milliseconds now = m_now;
        m_now += m_stepPerReading;
        return now;
    }
    void Advance(Milliseconds step) { m_now += step; }
    void AdvanceOnEveryReading(Milliseconds step) { m_stepPerReading = step; }

private:
    mutable Milliseconds m_now{123456789};
    Milliseconds m_stepPerReading{0};
};
