#pragma once

#include "core/ReminderRecord.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>
#include <QTimeZone>

namespace vestrona {

// A rule typed, imported or synced, in the form it is stored in, or the
// reason a reminder cannot hold it, in the user's words.
struct RuleCheck {
    RepeatRule repeat;
    QString error; // "" when the rule can be held
};

// Reads RRULE text (without "RRULE:") for a reminder that starts at
// `date` `time` on the wall clock of `zone`. Refuses what libical cannot
// read and what a reminder cannot hold exactly: a frequency below a day,
// BYWEEKNO, BYYEARDAY, BYHOUR, BYMINUTE, BYSECOND, a calendar scale, COUNT
// beyond 100,000 (libical itself refuses COUNT with UNTIL). An UNTIL in UTC ("Z") becomes the
// zone's wall-clock time, an UNTIL that is a date the end of that day;
// the rest is written as libical writes it, so equal rules store equal text.
// `zoneId` is stored as the rule's zone ("" for the system's).
RuleCheck checkRule(QStringView rrule, const QDate &date, const QTime &time, const QString &zoneId = {});

// The same for a whole stored rule (a backup's or a sync's), with its
// dates left out and added, which must be "YYYYMMDDTHHMMSS" lists, and its
// zone, which must be one this system knows.
RuleCheck checkRepeat(const RepeatRule &repeat, const QDate &date, const QTime &time);

// The zone a reminder rings by: its own, else the system's.
QTimeZone reminderZone(const RepeatRule *repeat);

} // namespace vestrona
