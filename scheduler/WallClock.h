#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QTimeZone>

namespace vestrona {

// Local wall-clock positions as plain numbers (Julian day and time of day in
// one count of milliseconds), so reminders compare and count without building
// date-time objects. Shared by the choice of the next reminder and the
// accounting of missed ones.
namespace wallclock {

inline constexpr qint64 kMsPerDay = 86400000;

inline qint64 wallKey(qint64 julianDay, qint64 msecsOfDay)
{
    return julianDay * kMsPerDay + msecsOfDay;
}

inline qint64 wallKey(const QDate &date, const QTime &time)
{
    return wallKey(date.toJulianDay(), time.msecsSinceStartOfDay());
}

// ISO weekday (1 = Monday) of a Julian day; day 0 was a Monday.
inline int weekdayOfJulianDay(qint64 day)
{
    return int(day % 7) + 1;
}

inline QDate dateOfKey(qint64 key)
{
    return QDate::fromJulianDay(key / kMsPerDay);
}

// The moment a wall-clock position happens in `zone`: a skipped time at the
// end of the gap, a repeated one at its first pass.
QDateTime firstInstantOfKey(qint64 key, const QTimeZone &zone);

// The wall-clock position up to which every time has already happened at
// `now`: positions after it are still to come.
qint64 thresholdFor(const QDateTime &now, const QTimeZone &zone);

} // namespace wallclock
} // namespace vestrona
