#pragma once

#include "mainwin/clock.h"

/// The total and the lap at one instant.
struct StopwatchReading
{
    Milliseconds total;
    Milliseconds lap;
};

/// Measures the total and the current lap as exact sums of their running periods.
class Stopwatch
{
public:
    /// The clock must outlive the stopwatch.
    explicit Stopwatch(const Clock& clock) : m_clock(clock) {}

    /// Starts from zero after a reset, or resumes exactly where the last stop left off.
    void Start();
    /// Freezes total and lap at this instant and returns them.
    StopwatchReading Stop();
    /// Begins a new lap at this instant and returns the total and the lap that just ended.
    StopwatchReading Split();
    /// Back to zero, not running.
    void Reset();

    /// True between a start and the next stop or reset.
    bool IsRunning() const { return m_running; }
    /// Total and lap from a single clock reading (frozen while stopped), so the two agree.
    StopwatchReading Read() const;

private:
    /// Total and lap at `now`: what was measured before this period, plus the period so far.
    StopwatchReading At(Milliseconds now) const;

    const Clock& m_clock;
    bool m_running = false;
    /// Total and lap measured up to the start of the current period (all of them while stopped).
    StopwatchReading m_elapsed{Milliseconds{0}, Milliseconds{0}};
    /// When the current running period began; meaningful only while running.
    Milliseconds m_periodStart{0};
};
