#include "scheduler/NextReminder.h"

#include "scheduler/WallClock.h"
#include "database/Connection.h"
#include "formats/DateFormats.h"
#include "recurrence/RuleOccurrences.h"

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

} // namespace

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

namespace {

// The first position after `threshold` at the start's time of day, from the
// start on: no occurrence of a rule comes sooner, as a rule holds no hours
// of its own (only a date added may have another time).
qint64 earliestRuleKey(const ScheduleRow &row, qint64 threshold)
{
    const qint64 start = wallKey(row.startDay, row.startMsecs);
    if (start > threshold)
        return start;
    const qint64 today = wallKey(threshold / kMsPerDay, row.startMsecs);
    return today > threshold ? today : today + kMsPerDay;
}

// The first occurrence of a rule after `threshold`, as libical expands it.
std::optional<qint64> nextRuleKey(const ScheduleRow &row, const RepeatRule &repeat, qint64 threshold)
{
    RuleOccurrences occurrences(QDate::fromJulianDay(row.startDay), QTime::fromMSecsSinceStartOfDay(row.startMsecs),
                                repeat);
    occurrences.skipPast(threshold);
    return occurrences.next();
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

NextReminderFinder::NextReminderFinder(const QDateTime &now) : mZones(now) {}

void NextReminderFinder::offer(const ReminderRecord &row)
{
    if (!row.StartDate.isValid() || !row.StartTime.isValid())
        return;
    const ScheduleRow numbers{row.ID, row.Option, row.StartDate.toJulianDay(), row.StartTime.msecsSinceStartOfDay(),
                              row.Option == OptionWeekly ? weekdayMask(row.Weekdays) : 0, row.repeat.get()};
    if (offer(numbers))
        mBestMessage = row.Reminder;
}

bool NextReminderFinder::offer(const ScheduleRow &row)
{
    const ZoneThresholds::Zone &zone = row.repeat ? mZones.of(row.repeat->zone) : mZones.system();
    const bool ownZone = &zone != &mZones.system();
    // Later on the same wall clock is never sooner, and strictly later unless
    // the best so far was moved to the end of a skipped hour.
    const bool comparableKeys = mHasBest && !ownZone && !mBestShifted;
    const bool byRule = row.Option == OptionRule && row.repeat;
    // A rule is expanded only when it could beat the best so far: libical's
    // iterator costs far more than this test.
    if (byRule && comparableKeys && row.repeat->rdates.isEmpty() && earliestRuleKey(row, zone.threshold) > mBestKey)
        return false;
    const std::optional<qint64> key = byRule ? nextRuleKey(row, *row.repeat, zone.threshold)
                                             : nextWallKey(row, zone.threshold);
    if (!key)
        return false;
    if (comparableKeys && *key > mBestKey)
        return false;
    QDateTime due = firstInstantOfKey(*key, zone.zone);
    // Equal moments go to the row that comes first in the ordered select, so
    // rows may be offered in any order.
    if (mHasBest && (due > mBestDue || (due == mBestDue && !comesFirst(row, mBest))))
        return false;
    const QDateTime local = due.toLocalTime();
    const qint64 localKey = wallKey(local.date(), local.time());
    mHasBest = true;
    mBestShifted = ownZone || localKey != *key;
    mBestKey = ownZone ? localKey : *key;
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
    const QTime time = mBestShifted ? local.time() : QTime::fromMSecsSinceStartOfDay(int(mBestKey % kMsPerDay));
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
