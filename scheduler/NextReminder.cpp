#include "scheduler/NextReminder.h"

#include "store/Connection.h"

#include "store/DateFormats.h"

#include <algorithm>

namespace vestrona {

namespace {

constexpr qint64 kMsPerDay = 86400000;
// Julian day of 1970-01-01: wall-clock positions minus this many days are
// milliseconds since the epoch as if the wall clock were UTC.
constexpr qint64 kEpochJulianDay = 2440588;

// A wall-clock position: Julian day and time of day as one number, so rows
// compare without building date-time objects.
qint64 wallKey(qint64 julianDay, qint64 msecsOfDay)
{
    return julianDay * kMsPerDay + msecsOfDay;
}

qint64 wallKey(const QDate &date, const QTime &time)
{
    return wallKey(date.toJulianDay(), time.msecsSinceStartOfDay());
}

QDate dateOfKey(qint64 key)
{
    return QDate::fromJulianDay(key / kMsPerDay);
}

QDateTime utcAt(qint64 msecsSinceEpoch)
{
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, QTimeZone::utc());
}

QDateTime firstInstantOfKey(qint64 key, const QTimeZone &zone)
{
    const qint64 wall = key - kEpochJulianDay * kMsPerDay;
    // No zone changes its offset twice within two days, so the offsets a day
    // either side are the only ones this wall-clock time can have.
    const int before = zone.offsetFromUtc(utcAt(wall - kMsPerDay));
    const int after = zone.offsetFromUtc(utcAt(wall + kMsPerDay));
    std::optional<qint64> first;
    for (const int offset : {before, after}) {
        const qint64 utc = wall - offset * 1000LL;
        if (zone.offsetFromUtc(utcAt(utc)) == offset && (!first || utc < *first))
            first = utc;
    }
    if (!first) {
        // Skipped by the clocks: the gap ends at the transition, which lies
        // after the earlier reading of this wall-clock time.
        const qint64 earlier = wall - std::max(before, after) * 1000LL;
        const QTimeZone::OffsetData transition = zone.nextTransition(utcAt(earlier));
        first = transition.atUtc.isValid() ? transition.atUtc.toMSecsSinceEpoch() : earlier;
    }
    return QDateTime::fromMSecsSinceEpoch(*first, Qt::LocalTime);
}

// The wall-clock position up to which every time has already happened at
// `now`. Normally now's own wall-clock time; during the second pass of a
// repeated hour, the end of that hour, since its first pass is over.
qint64 thresholdFor(const QDateTime &now, const QTimeZone &zone)
{
    const QDateTime local = now.toLocalTime();
    const qint64 key = wallKey(local.date(), local.time());
    if (firstInstantOfKey(key, zone) >= now)
        return key;
    const QTimeZone::OffsetData transition = zone.previousTransition(now.addMSecs(1));
    if (!transition.atUtc.isValid())
        return key;
    const qint64 atUtc = transition.atUtc.toMSecsSinceEpoch();
    const int offsetBefore = zone.offsetFromUtc(utcAt(atUtc - 1));
    return atUtc + offsetBefore * 1000LL + kEpochJulianDay * kMsPerDay - 1;
}

// The row's first wall-clock position after `threshold`, if any.
std::optional<qint64> nextWallKey(const ReminderRecord &row, qint64 threshold)
{
    if (!row.StartDate.isValid() || !row.StartTime.isValid())
        return std::nullopt;
    const qint64 timeOfDay = row.StartTime.msecsSinceStartOfDay();
    const qint64 startDay = row.StartDate.toJulianDay();
    const qint64 start = wallKey(startDay, timeOfDay);
    const qint64 thresholdDay = threshold / kMsPerDay;

    switch (row.Option) {
    case OptionDaily: {
        if (start > threshold)
            return start;
        const qint64 today = wallKey(thresholdDay, timeOfDay);
        return today > threshold ? today : today + kMsPerDay;
    }
    case OptionWeekly: {
        const int mask = weekdayMask(row.Weekdays);
        if (mask == 0)
            return std::nullopt;
        const qint64 firstDay = std::max(startDay, thresholdDay);
        // Eight days: today's weekday may come round again a week later.
        for (qint64 day = firstDay; day < firstDay + 8; ++day) {
            const qint64 key = wallKey(day, timeOfDay);
            if ((mask & (1 << QDate::fromJulianDay(day).dayOfWeek())) && key > threshold)
                return key;
        }
        return std::nullopt;
    }
    default:
        if (start > threshold)
            return start;
        return std::nullopt;
    }
}

} // namespace

int weekdayMask(QStringView weekdays)
{
    int mask = 0;
    const qsizetype size = weekdays.size();
    qsizetype from = 0;
    while (from <= size) {
        qsizetype end = from;
        while (end < size && weekdays[end] != QLatin1Char(','))
            ++end;
        const int day = weekdayIndex(weekdays.mid(from, end - from));
        if (day >= 0)
            mask |= 1 << (day + 1);
        from = end + 1;
    }
    return mask;
}

QDateTime firstInstantOf(const QDate &date, const QTime &time)
{
    return firstInstantOfKey(wallKey(date, time), QTimeZone::systemTimeZone());
}

std::optional<QDateTime> nextOccurrence(const ReminderRecord &row, const QDateTime &now)
{
    NextReminderFinder finder(now);
    finder.offer(row);
    if (!finder.hasChoice())
        return std::nullopt;
    return finder.due();
}

NextReminderFinder::NextReminderFinder(const QDateTime &now)
    : mZone(QTimeZone::systemTimeZone()), mThreshold(thresholdFor(now, mZone))
{
}

void NextReminderFinder::offer(const ReminderRecord &row)
{
    const std::optional<qint64> key = nextWallKey(row, mThreshold);
    if (!key)
        return;
    // Later on the wall clock is never sooner, and strictly later unless the
    // best so far was moved to the end of a skipped hour.
    if (mHasBest && *key > mBestKey && !mBestShifted)
        return;
    QDateTime due = firstInstantOfKey(*key, mZone);
    // Equal moments go to the row that comes first in the ordered select, so
    // rows may be offered in any order.
    if (mHasBest && (due > mBestDue || (due == mBestDue && !comesBefore(row, mBest))))
        return;
    const QDateTime local = due.toLocalTime();
    mHasBest = true;
    mBestShifted = wallKey(local.date(), local.time()) != *key;
    mBestKey = *key;
    mBestDue = std::move(due);
    mBest = row;
}

NextReminderChoice NextReminderFinder::choice(const QString &dateFormat, const RegionalSettings &regional) const
{
    if (!mHasBest)
        return {};
    return {composeAlarmTimeText(dateOfKey(mBestKey), mBest.StartTime, dateFormat, regional), mBest.Reminder, mBestDue,
            mBest.ID};
}

NextReminderChoice chooseNextReminder(const RowVisitor &visitRows, const QDateTime &now, const QString &dateFormat,
                                      const RegionalSettings &regional)
{
    NextReminderFinder finder(now);
    visitRows([&finder](const ReminderRecord &row) { finder.offer(row); });
    return finder.choice(dateFormat, regional);
}

NextReminderChoice findNextReminder(Connection &conn, const QDateTime &now, const QString &dateFormat,
                                    const RegionalSettings &regional)
{
    NextReminderChoice choice = chooseNextReminder(
        [&conn](const auto &row) { conn.forEachScheduleRow(row); }, now, dateFormat, regional);
    if (!choice.alarmTime.isEmpty())
        choice.alarmText = conn.reminderMessage(choice.id);
    return choice;
}

} // namespace vestrona
