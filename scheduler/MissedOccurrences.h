#pragma once

#include "scheduler/NextReminder.h"
#include "core/ReminderRecord.h"
#include "scheduler/WallClock.h"

#include <QDateTime>

#include <limits>
#include <vector>

namespace vestrona {

// The grace of a late alarm: an occurrence due at most this long ago still
// rings; an older one is only reported, since the moment it was meant for has
// passed.
inline constexpr qint64 kRingGraceSeconds = 60;

// One reminder's occurrences that fell due while nothing could ring them.
struct MissedReminder {
    ReminderRecord row; // as read for the schedule: the message is not filled in
    int count = 0;
    QDate lastDay; // the day of the latest missed occurrence, at row.StartTime
};

// One occurrence that is still worth ringing.
struct DueReminder {
    ReminderRecord row;
    QDateTime due;
};

struct OccurrenceAccount {
    std::vector<DueReminder> ringNow;   // by due moment, then the ordered select
    std::vector<MissedReminder> missed; // the first ones by latest occurrence, then the ordered select
    qsizetype missedCount = 0;          // every reminder missed, kept in `missed` or not
};

// Sorts the occurrences due in (seenUpTo, now] of each reminder offered: those
// due after `ringAfter` ring now, the ones up to it are missed. Occurrences
// are counted from the rule, not walked day by day, so a reminder costs the
// same whether one day or ten years went by. Of the missed ones only the
// first `keepMissed` are kept, so memory stays small however many there are.
class OccurrenceAccounting {
public:
    OccurrenceAccounting(const QDateTime &seenUpTo, const QDateTime &ringAfter, const QDateTime &now,
                         size_t keepMissed);

    void offer(const ReminderRecord &row);
    // The account of every row offered, sorted.
    OccurrenceAccount take();

private:
    void keepFirstMissed(size_t count);

    // The wall-clock positions of the three moments in each zone.
    wallclock::ZoneThresholds mSeenZones, mRingAfterZones, mNowZones;
    bool mEmpty = true;
    size_t mKeepMissed = 0;
    OccurrenceAccount mAccount;
};

// The accounting over every row a reading visits. A `seenUpTo` at or after
// `now` (the clock was set back) accounts for nothing.
OccurrenceAccount accountOccurrences(const RowVisitor &visitRows, const QDateTime &seenUpTo,
                                     const QDateTime &ringAfter, const QDateTime &now,
                                     size_t keepMissed = std::numeric_limits<size_t>::max());

} // namespace vestrona
