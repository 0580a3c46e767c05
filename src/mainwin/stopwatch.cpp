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

Milliseconds Stopwatch::Stop()
{
    if (m_running)
    {
        const Milliseconds now = m_clock.Now();
        m_total = now - m_total;
        m_lap = now - m_lap;
        m_running = false;
    }
    return m_total;
}

Milliseconds Stopwatch::Split()
{
    if (!m_running)
    {
        m_lap = Milliseconds{0};
        return m_total;
    }
    const Milliseconds now = m_clock.Now();
    m_lap = now;
    return now - m_total;
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
