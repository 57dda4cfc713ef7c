#include "scheduler/MissedOccurrences.h"

#include "scheduler/WallClock.h"
#include "recurrence/RuleOccurrences.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <optional>

namespace vestrona {

namespace {

using namespace wallclock;

struct Occurrences {
    int count = 0;
    qint64 lastDay = 0;
    std::optional<qint64> lastKey = {}; // a rule's, whose added dates may have a time of their own
};

// The row's occurrences whose wall-clock positions lie in (from, to].
std::optional<Occurrences> occurrencesBetween(const ReminderRecord &row, qint64 from, qint64 to)
{
    if (to <= from || !row.StartDate.isValid() || !row.StartTime.isValid())
        return std::nullopt;
    if (row.Option == OptionRule && row.repeat) {
        const std::optional<OccurrenceSpan> span = ruleOccurrencesBetween(row.StartDate, row.StartTime, *row.repeat, from, to);
        if (!span)
            return std::nullopt;
        return Occurrences{span->count, span->last / kMsPerDay, span->last};
    }
    const qint64 timeOfDay = row.StartTime.msecsSinceStartOfDay();
    const qint64 startDay = row.StartDate.toJulianDay();
    // The first and last days whose time of day falls inside the span.
    const qint64 spanFirst = from / kMsPerDay + (from % kMsPerDay < timeOfDay ? 0 : 1);
    const qint64 lastDay = to / kMsPerDay - (to % kMsPerDay >= timeOfDay ? 0 : 1);
    const qint64 firstDay = std::max(spanFirst, startDay);
    if (firstDay > lastDay)
        return std::nullopt;

    switch (row.Option) {
    case OptionDaily:
        return Occurrences{int(std::min<qint64>(lastDay - firstDay + 1, std::numeric_limits<int>::max())), lastDay};
    case OptionWeekly: {
        const int mask = weekdayMask(row.Weekdays);
        if (mask == 0)
            return std::nullopt;
        const qint64 days = lastDay - firstDay + 1;
        qint64 count = days / 7 * std::popcount(unsigned(mask));
        for (qint64 day = firstDay + days / 7 * 7; day <= lastDay; ++day)
            count += (mask >> weekdayOfJulianDay(day)) & 1;
        if (count == 0)
            return std::nullopt;
        qint64 last = lastDay;
        while (!((mask >> weekdayOfJulianDay(last)) & 1))
            --last;
        return Occurrences{int(std::min<qint64>(count, std::numeric_limits<int>::max())), last};
    }
    default:
        if (firstDay != startDay)
            return std::nullopt;
        return Occurrences{1, startDay};
    }
}

qint64 lastKeyOf(const MissedReminder &missed)
{
    return wallKey(missed.lastDay, missed.row.StartTime);
}

bool missedBefore(const MissedReminder &a, const MissedReminder &b)
{
    const qint64 keyA = lastKeyOf(a);
    const qint64 keyB = lastKeyOf(b);
    return keyA != keyB ? keyA < keyB : comesBefore(a.row, b.row);
}

} // namespace

OccurrenceAccounting::OccurrenceAccounting(const QDateTime &seenUpTo, const QDateTime &ringAfter,
                                           const QDateTime &now, size_t keepMissed)
    : mSeenZones(seenUpTo), mRingAfterZones(ringAfter > seenUpTo ? ringAfter : seenUpTo), mNowZones(now),
      mKeepMissed(keepMissed)
{
    if (!seenUpTo.isValid() || !now.isValid() || seenUpTo >= now)
        return;
    mEmpty = false;
}

void OccurrenceAccounting::offer(const ReminderRecord &row)
{
    if (mEmpty)
        return;
    const QString zoneId = row.repeat ? row.repeat->zone : QString();
    const QTimeZone &zone = mNowZones.of(zoneId).zone;
    const qint64 seen = mSeenZones.of(zoneId).threshold;
    const qint64 now = mNowZones.of(zoneId).threshold;
    const qint64 ringAfter = std::min(mRingAfterZones.of(zoneId).threshold, now);
    if (const std::optional<Occurrences> missed = occurrencesBetween(row, seen, ringAfter)) {
        ++mAccount.missedCount;
        mAccount.missed.push_back({row, missed->count, QDate::fromJulianDay(missed->lastDay)});
        // Trimmed now and then rather than on every row: amortized, a row
        // still costs a constant.
        if (mAccount.missed.size() >= 2 * std::max<size_t>(mKeepMissed, 64) && mAccount.missed.size() > mKeepMissed)
            keepFirstMissed(mKeepMissed);
    }
    // Within the grace one ring is enough, even if the span held more.
    if (const std::optional<Occurrences> due = occurrencesBetween(row, ringAfter, now)) {
        const qint64 key = due->lastKey.value_or(wallKey(due->lastDay, row.StartTime.msecsSinceStartOfDay()));
        mAccount.ringNow.push_back({row, firstInstantOfKey(key, zone)});
    }
}

OccurrenceAccount OccurrenceAccounting::take()
{
    std::sort(mAccount.ringNow.begin(), mAccount.ringNow.end(), [](const DueReminder &a, const DueReminder &b) {
        return a.due != b.due ? a.due < b.due : comesBefore(a.row, b.row);
    });
    keepFirstMissed(mKeepMissed);
    std::sort(mAccount.missed.begin(), mAccount.missed.end(), missedBefore);
    return std::move(mAccount);
}

void OccurrenceAccounting::keepFirstMissed(size_t count)
{
    std::vector<MissedReminder> &missed = mAccount.missed;
    if (missed.size() <= count)
        return;
    std::nth_element(missed.begin(), missed.begin() + qsizetype(count), missed.end(), missedBefore);
    missed.erase(missed.begin() + qsizetype(count), missed.end());
}

OccurrenceAccount accountOccurrences(const RowVisitor &visitRows, const QDateTime &seenUpTo,
                                     const QDateTime &ringAfter, const QDateTime &now, size_t keepMissed)
{
    OccurrenceAccounting accounting(seenUpTo, ringAfter, now, keepMissed);
    visitRows([&accounting](const ReminderRecord &row) { accounting.offer(row); });
    return accounting.take();
}

} // namespace vestrona
