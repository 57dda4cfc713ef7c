#pragma once

#include "scheduler/AlarmRecord.h"
#include "scheduler/MissedOccurrences.h"
#include "scheduler/MissedReport.h"

#include <QDateTime>

#include <optional>
#include <vector>

namespace vestrona {

// What becomes of snoozed alarms whose wait is over: all rung again when the
// wait ended after `ringAfter`, else all listed as missed at its end.
struct SnoozeOutcome {
    std::vector<SnoozedReminder> repeats;
    std::vector<MissedEntry> missed;
};
SnoozeOutcome endSnooze(const PendingSnooze &snooze, const QDateTime &ringAfter);

// One row of the missed-reminders window as a catch-up decides it. A
// reminder's message is read only for the rows shown, so `id` names the
// reminder whose message is still to be read into `entry`; 0 for a snoozed
// alarm, whose message is already there.
struct MissedLine {
    qint64 id = 0;
    MissedEntry entry;
};

// A reminder to ring and the moment it fell due.
struct RingingOccurrence {
    qint64 id = 0;
    QDateTime due;
};

// What a catch-up does with what fell due since "seen up to".
struct CatchUpPlan {
    // Rung in this order: the snooze repeats, due at the end of their wait,
    // then the reminders due within the grace, by due moment.
    std::vector<SnoozedReminder> repeats;
    QDateTime repeatsDue;
    std::vector<RingingOccurrence> ring;
    // At most the row limit, in the order they fell due; where two fell due
    // at the same moment a snoozed alarm comes first.
    std::vector<MissedLine> missed;
    int more = 0; // missed reminders and alarms not in `missed`
};

// Decides a catch-up from the account of the occurrences since "seen up to"
// and the snooze found run out at start-up, if any. `ringAfter` is the
// moment before which an alarm is too late to ring.
CatchUpPlan planCatchUp(const OccurrenceAccount &account, const std::optional<PendingSnooze> &overdueSnooze,
                        const QDateTime &ringAfter, int rowLimit = kMissedRowLimit);

// The plan's missed rows for the window once the messages of its first
// `linesRead` rows are read in: a reminder's row past them (the table failed
// on the way) is counted in plan.more instead; a snoozed alarm's always stays.
std::vector<MissedEntry> takeListedRows(CatchUpPlan &plan, size_t linesRead);

} // namespace vestrona
