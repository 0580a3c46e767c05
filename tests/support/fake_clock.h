#pragma once

#include "mainwin/clock.h"

/// A clock the test advances by hand; it starts far from zero like a real monotonic clock.
class FakeClock : public Clock
{
public:
    Milliseconds Now() const override { return m_now; }
    void Advance(Milliseconds step) { m_now += step; }

private:
    Milliseconds m_now{123456789};
};
