#include "scheduler/NextReminder.h"

#include "scheduler/WallClock.h"
#include "store/Connection.h"
#include "store/DateFormats.h"

#include <algorithm>

namespace vestrona {

namespace {

using namespace wallclock;

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
    // A time the clocks skip that night rings when the gap ends, so that is
    // the time shown, as the countdown counts to it.
    const QDateTime local = mBestDue.toLocalTime();
    const QDate date = mBestShifted ? local.date() : dateOfKey(mBestKey);
    const QTime time = mBestShifted ? local.time() : mBest.StartTime;
    return {composeAlarmTimeText(date, time, dateFormat, regional), mBest.Reminder, mBestDue, mBest.ID};
}

NextReminderChoice chooseNextReminder(const RowVisitor &visitRows, const QDateTime &now, const QString &dateFormat,
                                      const RegionalSettings &regional)
{
    NextReminderFinder finder(now);
    visitRows([&finder](const ReminderRecord &row) { finder.offer(row); });
    return finder.choice(dateFormat, regional);
}

NextReminderChoice chooseNextReminder(const std::vector<ReminderRecord> &rows, const QDateTime &now,
                                      const QString &dateFormat, const RegionalSettings &regional)
{
    NextReminderFinder finder(now);
    for (const ReminderRecord &row : rows) {
        if (!row.damaged)
            finder.offer(row);
    }
    return finder.choice(dateFormat, regional);
}

NextReminderChoice findNextReminder(Connection &conn, const QDateTime &now, const QString &dateFormat,
                                    const RegionalSettings &regional,
                                    const std::function<void(const ReminderRecord &)> &damaged)
{
    NextReminderChoice choice = chooseNextReminder(
        [&](const auto &row) { conn.forEachScheduleRow(row, damaged); }, now, dateFormat, regional);
    if (!choice.alarmTime.isEmpty())
        choice.alarmText = conn.reminderMessage(choice.id);
    return choice;
}

} // namespace vestrona
