#pragma once

#include <QtGlobal>

#include <iterator>

namespace vestrona {

// The rows of ListView2, in their order; OftenIndex stores the 1-based position.
struct AlarmInterval {
    const char *text;
    int seconds;
};

inline constexpr AlarmInterval kAlarmIntervals[] = {
    {QT_TRANSLATE_NOOP("AlarmIntervals", "Play the alarm every 5 minutes"), 300},
    {QT_TRANSLATE_NOOP("AlarmIntervals", "Play the alarm every 10 minutes"), 600},
    {QT_TRANSLATE_NOOP("AlarmIntervals", "Play the alarm every 30 minutes"), 1800},
    {QT_TRANSLATE_NOOP("AlarmIntervals", "Play the alarm every 1 hour"), 3600},
    {QT_TRANSLATE_NOOP("AlarmIntervals", "Play the alarm every 2 hours"), 7200},
    {QT_TRANSLATE_NOOP("AlarmIntervals", "Play the alarm every 4 hours"), 14400},
};

inline constexpr int kAlarmIntervalCount = int(std::size(kAlarmIntervals));

} // namespace vestrona
