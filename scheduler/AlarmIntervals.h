#pragma once

#include <iterator>

namespace vestrona {

// The rows of ListView2, in their order; OftenIndex stores the 1-based position.
struct AlarmInterval {
    const char *text;
    int seconds;
};

inline constexpr AlarmInterval kAlarmIntervals[] = {
    {"Play the alarm every 5 minutes", 300},  {"Play the alarm every 10 minutes", 600},
    {"Play the alarm every 30 minutes", 1800}, {"Play the alarm every 1 hour", 3600},
    {"Play the alarm every 2 hours", 7200},    {"Play the alarm every 4 hours", 14400},
};

inline constexpr int kAlarmIntervalCount = int(std::size(kAlarmIntervals));

} // namespace vestrona
