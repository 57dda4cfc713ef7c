#pragma once

#include "filecommands/FileCommandSteps.h"
#include "formats/ICalendar.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace vestrona {

class Connection;
class Reporter;

// Saving every reminder to an iCalendar file and importing one (the format
// is formats/ICalendar.h), for the window and vestrona-cli.

struct ICalendarExportResult {
    int written = 0;
    // The messages of weekly reminders on no weekday, which never ring.
    QStringList leftOutMessages;
    // The messages of rows whose stored start or rule cannot be read.
    QStringList damagedMessages;
    // Nothing was written; a file the export was to replace is as it was.
    bool failed = false;

    bool leftOut() const { return !leftOutMessages.isEmpty() || !damagedMessages.isEmpty(); }
};

struct ICalendarImportResult {
    // The rows added, with their new IDs; empty when the file failed.
    std::vector<ReminderRecord> added;
    QList<LeftOutComponent> leftOut;
    // The file could not be read or the database refused it: nothing was added.
    bool failed = false;
};

// Writes every reminder to `path`, beside the target and renamed over it only
// when complete. Failures go through `reporter` with the common error box;
// reminders left out are named in one message box afterwards.
ICalendarExportResult SaveRemToICalendar(Connection &conn, Reporter &reporter, const QString &path,
                                         ProgressSink *progress);

// Adds the reminders of one iCalendar file in one transaction. What was left
// out is named in one message box for the file, with what was added, when
// `reportLeftOut` is set,
// otherwise only returned. Failures of the file or the database are always
// reported through `reporter`.
ICalendarImportResult LoadRemFromICalendar(Connection &conn, Reporter &reporter,
                                           const QString &path, ProgressSink *progress, bool reportLeftOut = true);

} // namespace vestrona
