#include "timing/time_text.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;

TEST(TimeText, FieldBoundariesAndTruncatedTenths)
{
    const struct
    {
        Milliseconds elapsed;
        const char* text;
    } cases[] = {
        {0ms, "00:00:00.0"},
        {99ms, "00:00:00.0"},
        {100ms, "00:00:00.1"},
        {999ms, "00:00:00.9"},
        {9s, "00:00:09.0"},
        {10s, "00:00:10.0"},
        {59s, "00:00:59.0"},
        {59999ms, "00:00:59.9"},
        {60s, "00:01:00.0"},
        {75399ms, "00:01:15.3"},
        {3599s, "00:59:59.0"},
        {3599999ms, "00:59:59.9"},
        {3600s, "01:00:00.0"},
        {3725900ms, "01:02:05.9"},
        {359999s, "99:59:59.0"},
        {360000s, "100:00:00.0"},
        {std::chrono::hours(1000), "1000:00:00.0"},
        {std::chrono::hours(1000) + 59min + 59s + 999ms, "1000:59:59.9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatTimeText(c.elapsed), c.text) << c.elapsed.count() << " ms";
}

TEST(TimeText, ZeroTextIsTheFormatOfZero)
{
    EXPECT_EQ(FormatTimeText(0ms), ZeroTimeText);
}

TEST(TimeText, NegativeTimeShowsZero)
{
    EXPECT_EQ(FormatTimeText(-1500ms), ZeroTimeText);
    const ClockFields fields = SplitClockFields(-5);
    EXPECT_EQ(fields.seconds, "00");
}

TEST(TimeText, SplitClockFieldsPadsToTwoDigitsOnly)
{
    const ClockFields fields = SplitClockFields(360000 + 61);
    EXPECT_EQ(fields.hours, "100");
    EXPECT_EQ(fields.minutes, "01");
    EXPECT_EQ(fields.seconds, "01");
}
