#pragma once

#include "core/ReminderRecord.h"

#include <QString>

namespace vestrona {

// The name of the file beside the database that keeps every local version
// of a reminder that lost against the server's version, one VEVENT each,
// readable by "Load Reminders From File".
inline constexpr auto kSyncConflictsFileName = "Vestrona sync conflicts.ics";

// The conflicts file of one database: appended to, never rewritten, so that
// no version that lost is ever lost itself.
class SyncConflictArchive {
public:
    // The file beside `databasePath`; the versions are written as reminders
    // of the calendar `calendarId`.
    SyncConflictArchive(const QString &databasePath, QString calendarId);

    QString path() const { return mPath; }

    // Appends `mine` and returns the words that tell the user what happened
    // to it and where it is. Throws AppError, naming the file, when it cannot
    // be written: the caller then changes nothing.
    QString keep(const ReminderRecord &mine) const;

private:
    QString mPath;
    QString mCalendarId;
};

} // namespace vestrona
