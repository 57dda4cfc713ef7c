#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>
#include <vector>

namespace vestrona::recurrence {

inline constexpr qint64 kMsPerDay = 86400000;

// A wall-clock position as the scheduler counts it: Julian day and time of
// day in one count of milliseconds.
inline qint64 keyOf(const QDate &date, const QTime &time)
{
    return date.toJulianDay() * kMsPerDay + time.msecsSinceStartOfDay();
}

// The stored form of a wall-clock position, "YYYYMMDDTHHMMSS".
QString wallText(qint64 key);
// Such positions joined by ","; sorted, each once; nullopt when one is no
// valid date and time.
std::optional<std::vector<qint64>> parseDateList(QStringView text);
QString dateListText(const std::vector<qint64> &keys);

} // namespace vestrona::recurrence
