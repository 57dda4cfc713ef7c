#include "scheduler/NextReminder.h"

#include "scheduler/WallClock.h"
#include "database/Connection.h"
#include "formats/DateFormats.h"

#include <algorithm>

namespace vestrona {

namespace {

using namespace wallclock;

// comesBefore, for rows read as numbers.
bool comesFirst(const ScheduleRow &a, const ScheduleRow &b)
{
    if (a.startDay != b.startDay)
        return a.startDay < b.startDay;
    if (a.startMsecs != b.startMsecs)
        return a.startMsecs < b.startMsecs;
    return a.ID < b.ID;
}

// The row's first wall-clock position after `threshold`, if any.
std::optional<qint64> nextWallKey(const ScheduleRow &row, qint64 threshold)
{
    const qint64 start = wallKey(row.startDay, row.startMsecs);
    const qint64 thresholdDay = threshold / kMsPerDay;

    switch (row.Option) {
    case OptionDaily: {
        if (start > threshold)
            return start;
        const qint64 today = wallKey(thresholdDay, row.startMsecs);
        return today > threshold ? today : today + kMsPerDay;
    }
    case OptionWeekly: {
        if (row.weekdays == 0)
            return std::nullopt;
        const qint64 firstDay = std::max(row.startDay, thresholdDay);
        // Eight days: today's weekday may come round again a week later.
        for (qint64 day = firstDay; day < firstDay + 8; ++day) {
            const qint64 key = wallKey(day, row.startMsecs);
            if ((row.weekdays & (1 << weekdayOfJulianDay(day))) && key > threshold)
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
    if (!row.StartDate.isValid() || !row.StartTime.isValid())
        return;
    const ScheduleRow numbers{row.ID, row.Option, row.StartDate.toJulianDay(), row.StartTime.msecsSinceStartOfDay(),
                              row.Option == OptionWeekly ? weekdayMask(row.Weekdays) : 0};
    if (offer(numbers))
        mBestMessage = row.Reminder;
}

bool NextReminderFinder::offer(const ScheduleRow &row)
{
    const std::optional<qint64> key = nextWallKey(row, mThreshold);
    if (!key)
        return false;
    // Later on the wall clock is never sooner, and strictly later unless the
    // best so far was moved to the end of a skipped hour.
    if (mHasBest && *key > mBestKey && !mBestShifted)
        return false;
    QDateTime due = firstInstantOfKey(*key, mZone);
    // Equal moments go to the row that comes first in the ordered select, so
    // rows may be offered in any order.
    if (mHasBest && (due > mBestDue || (due == mBestDue && !comesFirst(row, mBest))))
        return false;
    const QDateTime local = due.toLocalTime();
    mHasBest = true;
    mBestShifted = wallKey(local.date(), local.time()) != *key;
    mBestKey = *key;
    mBestDue = std::move(due);
    mBest = row;
    mBestMessage.clear();
    return true;
}

NextReminderChoice NextReminderFinder::choice(const QString &dateFormat, const RegionalSettings &regional) const
{
    if (!mHasBest)
        return {};
    // A time the clocks skip that night rings when the gap ends, so that is
    // the time shown, as the countdown counts to it.
    const QDateTime local = mBestDue.toLocalTime();
    const QDate date = mBestShifted ? local.date() : dateOfKey(mBestKey);
    const QTime time = mBestShifted ? local.time() : QTime::fromMSecsSinceStartOfDay(mBest.startMsecs);
    return {composeAlarmTimeText(date, time, dateFormat, regional), mBestMessage, mBestDue, mBest.ID};
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
    NextReminderFinder finder(now);
    conn.forEachScheduleStart([&finder](const ScheduleRow &row) { finder.offer(row); }, damaged);
    NextReminderChoice choice = finder.choice(dateFormat, regional);
    if (!choice.alarmTime.isEmpty())
        choice.alarmText = conn.reminderMessage(choice.id);
    return choice;
}

} // namespace vestrona
