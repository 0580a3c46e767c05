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
    /// The total time so far (frozen while stopped).
    Milliseconds Total() const { return Read().total; }
    /// The time of the current lap so far (frozen while stopped).
    Milliseconds Lap() const { return Read().lap; }

private:
    const Clock& m_clock;
    bool m_running = false;
    // While running these are the virtual instants at which total and lap began, so that
    // paused time is left out; while stopped they hold the frozen elapsed times.
    Milliseconds m_total{0};
    Milliseconds m_lap{0};
};
