#pragma once

#include "formats/RegionalSettings.h"
#include "core/ReminderRecord.h"
#include "scheduler/WallClock.h"

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QTimeZone>

#include <functional>
#include <optional>
#include <vector>

namespace vestrona {

// The moment a local wall-clock date and time happens. A time the clocks skip
// (spring forward) happens at the first moment after the gap; a time they
// repeat (fall back) happens at its first pass.
QDateTime firstInstantOf(const QDate &date, const QTime &time);

// The first wall-clock position after `threshold` of a row read as numbers
// by its Option alone: once (and any unknown Option) at its start; every day
// at its time from its start on; weekly on its weekdays. The fast path of the
// three options, which need no rule expanded.
std::optional<qint64> nextWallKey(const ScheduleRow &row, qint64 threshold);

// The first moment strictly after `now` at which the reminder is due: once
// (and any unknown Option) at its start only; every day at StartTime from
// StartDate on; weekly at StartTime on its listed weekdays from StartDate on.
std::optional<QDateTime> nextOccurrence(const ReminderRecord &row, const QDateTime &now);

struct NextReminderChoice {
    QString alarmTime; // the alarm time text, "" when nothing is due
    QString alarmText; // the reminder's message, "" when nothing is due
    QDateTime due;     // invalid when nothing is due
    qint64 id = 0;     // the reminder's ID
};

// Keeps, of the rows offered, the one due first after `now`; a tie goes to
// the row that comes first in the ordered select, whatever order the rows
// come in. Cheap per row: wall-clock
// positions are compared as integers and a QDateTime is built only for a
// row that could be due before the best so far.
class NextReminderFinder {
public:
    explicit NextReminderFinder(const QDateTime &now);

    void offer(const ReminderRecord &row);
    // A row read as numbers; true when it is the choice so far. The choice
    // then has no message: the caller reads the chosen one's.
    bool offer(const ScheduleRow &row);

    bool hasChoice() const { return mHasBest; }
    const QDateTime &due() const { return mBestDue; }
    // The alarm time text uses the day the reminder rings and its StartTime.
    NextReminderChoice choice(const QString &dateFormat, const RegionalSettings &regional) const;

private:
    // Wall-clock positions of "now" in each zone: only later ones are ahead.
    wallclock::ZoneThresholds mZones;
    bool mHasBest = false;
    qint64 mBestKey = 0;
    bool mBestShifted = false; // moved to the end of a skipped hour, or due by another zone's clock
    QDateTime mBestDue;
    ScheduleRow mBest;
    QString mBestMessage;
};

// Hands each row of a reading to the given callback, in order.
using RowVisitor = std::function<void(const std::function<void(const ReminderRecord &)> &)>;

// The choice from rows already read with their messages; damaged rows
// never ring.
NextReminderChoice chooseNextReminder(const std::vector<ReminderRecord> &rows, const QDateTime &now,
                                      const QString &dateFormat, const RegionalSettings &regional);

class Connection;

// GetLatestReminder's choice, read from the database: every row is looked
// at, but only the chosen reminder's message is read. The damaged rows met
// on the way go to `damaged`, if given, with their messages.
NextReminderChoice findNextReminder(Connection &conn, const QDateTime &now, const QString &dateFormat,
                                    const RegionalSettings &regional,
                                    const std::function<void(const ReminderRecord &)> &damaged = {});

} // namespace vestrona
