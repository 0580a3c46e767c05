#pragma once

#include "timing/clock.h"

/// The total and the lap at one instant.
struct StopwatchReading
{
    Milliseconds total;
    Milliseconds lap;
};

/// Measures the total and the current lap as exact sums of their running periods. Whether a
/// period is open is the window's run state, not the stopwatch's: the caller opens one only when
/// none is open, and stops or splits only while one is.
class Stopwatch
{
public:
    /// The clock must outlive the stopwatch.
    explicit Stopwatch(const Clock& clock) : m_clock(clock) {}

    /// Opens a period at this instant: from zero after a reset, or resuming exactly where the
    /// last stop left off.
    void Start();
    /// Closes the period at this instant and returns the total and lap, frozen from now on.
    StopwatchReading Stop();
    /// Begins a new lap at this instant and returns the total and the lap that just ended.
    StopwatchReading Split();
    void Reset();
    /// Stopped at `kept`, a reading of an earlier run brought back: Start resumes from it.
    void Restore(const StopwatchReading& kept);

    /// Total and lap from a single clock reading while `running`, so the two agree; the frozen
    /// values otherwise.
    StopwatchReading Read(bool running) const;

private:
    /// Total and lap at `now`: what was measured before this period, plus the period so far.
    StopwatchReading At(Milliseconds now) const;

    const Clock& m_clock;
    /// Total and lap measured up to the start of the current period (all of them while stopped).
    StopwatchReading m_elapsed{Milliseconds{0}, Milliseconds{0}};
    /// When the current running period began; meaningful only while running.
    Milliseconds m_periodStart{0};
};
