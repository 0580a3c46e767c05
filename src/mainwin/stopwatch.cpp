#include "mainwin/stopwatch.h"

void Stopwatch::Start()
{
    if (m_running)
        return;
    const Milliseconds now = m_clock.Now();
    m_total = now - m_total;
    m_lap = now - m_lap;
    m_running = true;
}

StopwatchReading Stopwatch::Stop()
{
    if (m_running)
    {
        const Milliseconds now = m_clock.Now();
        m_total = now - m_total;
        m_lap = now - m_lap;
        m_running = false;
    }
    return {m_total, m_lap};
}

StopwatchReading Stopwatch::Split()
{
    if (!m_running)
    {
        const StopwatchReading ended{m_total, m_lap};
        m_lap = Milliseconds{0};
        return ended;
    }
    const Milliseconds now = m_clock.Now();
    const StopwatchReading ended{now - m_total, now - m_lap};
    m_lap = now;
    return ended;
}

void Stopwatch::Reset()
{
    m_running = false;
    m_total = Milliseconds{0};
    m_lap = Milliseconds{0};
}

StopwatchReading Stopwatch::Read() const
{
    if (!m_running)
        return {m_total, m_lap};
    const Milliseconds now = m_clock.Now();
    return {now - m_total, now - m_lap};
}
