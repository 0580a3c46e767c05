#include "timing/stopwatch.h"

StopwatchReading Stopwatch::At(Milliseconds now) const
{
    const Milliseconds period = now - m_periodStart;
    return {m_elapsed.total + period, m_elapsed.lap + period};
}

void Stopwatch::Start()
{
    m_periodStart = m_clock.Now();
}

StopwatchReading Stopwatch::Stop()
{
    m_elapsed = At(m_clock.Now());
    return m_elapsed;
}

StopwatchReading Stopwatch::Split()
{
    const Milliseconds now = m_clock.Now();
    const StopwatchReading ended = At(now);
    // A new period and a new lap begin now; the total carries everything before them.
    m_elapsed = {ended.total, Milliseconds{0}};
    m_periodStart = now;
    return ended;
}

void Stopwatch::Reset()
{
    m_elapsed = {Milliseconds{0}, Milliseconds{0}};
}

void Stopwatch::Restore(const StopwatchReading& kept)
{
    m_elapsed = kept;
}

StopwatchReading Stopwatch::Read(bool running) const
{
    return running ? At(m_clock.Now()) : m_elapsed;
}
