#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QString>
#include <QTimeZone>

#include <map>
#include <optional>

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

// The zone's offset from UTC in seconds when it keeps one from three days
// before `from` to three days after `to`; none when its clocks change then.
// Any position of that span's wall clock, a day either side, then happens
// at instantOfSteadyKey's moment, which is firstInstantOfKey's without a
// look-up of the zone for each.
std::optional<int> steadyOffset(const QTimeZone &zone, const QDateTime &from, const QDateTime &to);
// Milliseconds since the epoch at which `key` happens on a clock `offset`
// seconds ahead of UTC.
qint64 instantOfSteadyKey(qint64 key, int offset);
// The wall-clock position a clock `offset` seconds ahead of UTC shows at
// `msecsSinceEpoch`: instantOfSteadyKey undone.
qint64 steadyKeyOfInstant(qint64 msecsSinceEpoch, int offset);

// The wall-clock position up to which every time has already happened at
// `now`: positions after it are still to come.
qint64 thresholdFor(const QDateTime &now, const QTimeZone &zone);

// The thresholds of one moment in each zone reminders ring by: the
// system's, and each reminder's own, each zone looked up once.
class ZoneThresholds {
public:
    explicit ZoneThresholds(const QDateTime &moment);

    struct Zone {
        QTimeZone zone;
        qint64 threshold = 0;
    };
    const Zone &system() const { return mSystem; }
    // The zone `zoneId` names, the system's (this very object, so a caller
    // may tell by address) for "", the system's own id or a zone this system
    // does not know.
    const Zone &of(const QString &zoneId);

private:
    QDateTime mMoment;
    Zone mSystem;
    std::map<QString, std::optional<Zone>> mOwn; // none: the system's zone

};

} // namespace wallclock
} // namespace vestrona
