#pragma once

#include "scheduler/NextReminder.h"
#include "store/ReminderRecord.h"

#include <QDateTime>

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
    std::vector<DueReminder> ringNow;      // by due moment, then the ordered select
    std::vector<MissedReminder> missed;    // by latest occurrence, then the ordered select
};

// Sorts the occurrences due in (seenUpTo, now] of each reminder offered: those
// due after `ringAfter` ring now, the ones up to it are missed. Occurrences
// are counted from the rule, not walked day by day, so a reminder costs the
// same whether one day or ten years went by.
class OccurrenceAccounting {
public:
    OccurrenceAccounting(const QDateTime &seenUpTo, const QDateTime &ringAfter, const QDateTime &now);

    void offer(const ReminderRecord &row);
    // The account of every row offered, sorted.
    OccurrenceAccount take();

private:
    QTimeZone mZone;
    bool mEmpty = true;
    qint64 mSeen = 0;
    qint64 mRingAfter = 0;
    qint64 mNow = 0;
    OccurrenceAccount mAccount;
};

// The accounting over every row a reading visits. A `seenUpTo` at or after
// `now` (the clock was set back) accounts for nothing.
OccurrenceAccount accountOccurrences(const RowVisitor &visitRows, const QDateTime &seenUpTo,
                                     const QDateTime &ringAfter, const QDateTime &now);

} // namespace vestrona
