#include "mainwin/stopwatch.h"

StopwatchReading Stopwatch::At(Milliseconds now) const
{
    const Milliseconds period = now - m_periodStart;
    return {m_elapsed.total + period, m_elapsed.lap + period};
}

void Stopwatch::Start()
{
    if (m_running)
        return;
    m_periodStart = m_clock.Now();
    m_running = true;
}

StopwatchReading Stopwatch::Stop()
{
    if (m_running)
    {
        m_elapsed = At(m_clock.Now());
        m_running = false;
    }
    return m_elapsed;
}

StopwatchReading Stopwatch::Split()
{
    if (!m_running)
    {
        const StopwatchReading ended = m_elapsed;
        m_elapsed.lap = Milliseconds{0};
        return ended;
    }
    const Milliseconds now = m_clock.Now();
    const StopwatchReading ended = At(now);
    // A new period and a new lap begin now; the total carries everything before them.
    m_elapsed = {ended.total, Milliseconds{0}};
    m_periodStart = now;
    return ended;
}

void Stopwatch::Reset()
{
    m_running = false;
    m_elapsed = {Milliseconds{0}, Milliseconds{0}};
}

StopwatchReading Stopwatch::Read() const
{
    return m_running ? At(m_clock.Now()) : m_elapsed;
}
