#pragma once

#include "timing/clock.h"

#include <cstdint>
#include <string>

/// The hours, minutes and seconds fields of a time text, each at least two digits wide.
struct ClockFields
{
    std::string hours;
    std::string minutes;
    std::string seconds;
};

/// Splits whole elapsed seconds into zero-padded fields; hours grow past two digits unbounded.
ClockFields SplitClockFields(std::int64_t seconds);

/// The time text "HH:MM:SS.t" of an elapsed time; the tenth is truncated, never rounded.
std::string FormatTimeText(Milliseconds elapsed);

/// What both readouts show before the first start and after a reset.
inline constexpr char ZeroTimeText[] = "00:00:00.0";
