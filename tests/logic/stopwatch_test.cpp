#include "fake_clock.h"
#include "timing/stopwatch.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;

TEST(Stopwatch, ARunIsExactToTheMillisecond)
{
    FakeClock clock;
    Stopwatch watch(clock);
    EXPECT_EQ(watch.Read(false).total, 0ms);

    watch.Start();
    clock.Advance(75399ms);
    EXPECT_EQ(watch.Read(true).total, 75399ms);
    const StopwatchReading first = watch.Split(); // total and ended lap at that instant
    EXPECT_EQ(first.total, 75399ms);
    EXPECT_EQ(first.lap, 75399ms);
    EXPECT_EQ(watch.Read(true).lap, 0ms);

    clock.Advance(1234ms);
    const StopwatchReading stopped = watch.Stop();
    EXPECT_EQ(stopped.total, 76633ms);
    EXPECT_EQ(stopped.lap, 1234ms);
    EXPECT_EQ(watch.Read(false).lap, 1234ms);

    clock.Advance(std::chrono::hours(5)); // a pause counts for nothing
    EXPECT_EQ(watch.Read(false).total, 76633ms);
    EXPECT_EQ(watch.Read(false).lap, 1234ms);

    watch.Start();
    clock.Advance(67ms);
    EXPECT_EQ(watch.Read(true).total, 76700ms);
    EXPECT_EQ(watch.Read(true).lap, 1301ms);
    const StopwatchReading second = watch.Split(); // the lap left out the pause
    EXPECT_EQ(second.total, 76700ms);
    EXPECT_EQ(second.lap, 1301ms);
    clock.Advance(5ms);
    EXPECT_EQ(watch.Stop().total, 76705ms);
    EXPECT_EQ(watch.Read(false).lap, 5ms);
}

TEST(Stopwatch, ResetStartsTheNextRunFromZero)
{
    FakeClock clock;
    Stopwatch watch(clock);
    watch.Start();
    clock.Advance(10s);
    watch.Stop();
    watch.Reset();
    EXPECT_EQ(watch.Read(false).total, 0ms);
    EXPECT_EQ(watch.Read(false).lap, 0ms);
    clock.Advance(3s);
    watch.Start();
    clock.Advance(250ms);
    EXPECT_EQ(watch.Read(true).total, 250ms);
    EXPECT_EQ(watch.Read(true).lap, 250ms);
}

TEST(Stopwatch, ThousandStopResumeCyclesLoseNothing)
{
    FakeClock clock;
    Stopwatch watch(clock);
    Milliseconds expected{0};
    for (int i = 0; i < 1000; ++i)
    {
        watch.Start();
        const Milliseconds run{37 + (i * 7919) % 1013}; // odd, uneven periods
        clock.Advance(run);
        expected += run;
        ASSERT_EQ(watch.Stop().total, expected) << "cycle " << i;
        clock.Advance(Milliseconds{1 + (i * 104729) % 9973}); // odd pauses
    }
    EXPECT_EQ(watch.Read(false).total, expected);
    EXPECT_EQ(watch.Read(false).lap, expected);
}

// The real clock counts time asleep, so a suspend reaches the stopwatch as one large step of its
// clock between two readings.
TEST(Stopwatch, ASuspendCountsWhileRunningAndNotWhileStopped)
{
    const Milliseconds suspend = 600s;
    const struct
    {
        bool running;
        Milliseconds total; // before the split that follows the suspend
        Milliseconds lap;
    } cases[] = {
        {true, 2s + suspend + 3s, 1s + suspend + 3s},
        {false, 2s + 3s, 1s + 3s},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.running ? "running" : "stopped");
        FakeClock clock;
        Stopwatch watch(clock);
        watch.Start();
        clock.Advance(1s);
        watch.Split();
        clock.Advance(1s);
        if (!c.running)
            watch.Stop();
        clock.Advance(suspend);
        if (c.running)
        {
            EXPECT_EQ(watch.Read(true).total, 2s + suspend) << "the first reading after the resume";
            EXPECT_EQ(watch.Read(true).lap, 1s + suspend);
        }
        else
        {
            EXPECT_EQ(watch.Read(false).total, 2s);
            watch.Start();
        }
        clock.Advance(3s);
        const StopwatchReading row = watch.Split();
        EXPECT_EQ(row.total, c.total);
        EXPECT_EQ(row.lap, c.lap);
        clock.Advance(1s);
        EXPECT_EQ(watch.Read(true).total, c.total + 1s) << "and every later reading";
        EXPECT_EQ(watch.Read(true).lap, 1s);
    }
}

// A real clock moves on between any two readings: each row is still one instant, so the laps
// tile the total and no moment is counted twice.
TEST(Stopwatch, EachRowIsOneInstantWhileTheClockMovesBetweenReadings)
{
    FakeClock clock;
    clock.AdvanceOnEveryReading(1ms);
    Stopwatch watch(clock);
    const Milliseconds before = clock.Now();
    watch.Start();
    Milliseconds previousTotal{0};
    for (int row = 0; row < 5; ++row)
    {
        clock.Advance(100ms);
        const StopwatchReading reading = row < 4 ? watch.Split() : watch.Stop();
        EXPECT_EQ(reading.total - reading.lap, previousTotal) << "row " << row;
        previousTotal = reading.total;
    }
    const Milliseconds after = clock.Now();
    EXPECT_EQ(watch.Read(false).total, previousTotal);
    EXPECT_GE(previousTotal, 500ms);
    EXPECT_LT(previousTotal, after - before) << "no moment counted twice";
}
