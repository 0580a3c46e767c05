#include "timing/time_text.h"

namespace
{
std::string FieldText(std::int64_t value)
{
    std::string digits = std::to_string(value);
    return value > 9 ? digits : "0" + digits;
}
} // namespace

ClockFields SplitClockFields(std::int64_t seconds)
{
    // A negative time cannot come from a monotonic clock; show it as zero rather than "0-5".
    if (seconds < 0)
        seconds = 0;
    return {FieldText(seconds / 3600), FieldText(seconds / 60 % 60), FieldText(seconds % 60)};
}

std::string FormatTimeText(Milliseconds elapsed)
{
    const std::int64_t ms = elapsed.count() < 0 ? 0 : elapsed.count();
    const ClockFields fields = SplitClockFields(ms / 1000);
    return fields.hours + ":" + fields.minutes + ":" + fields.seconds + "." +
           std::to_string(ms % 1000 / 100);
}
