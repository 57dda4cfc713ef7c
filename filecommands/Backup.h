#pragma once

#include "filecommands/FileCommandSteps.h"
#include "formats/BackupText.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vestrona {

class Connection;
class Reporter;
class RegionalSettings;

// Saving every reminder to a backup file and loading one back (the format
// is formats/BackupText.h), for the window and vestrona-cli.

struct RestoreResult {
    int added = 0;
    QList<RejectedLine> rejected;
    // The file could not be read or the database refused the whole file:
    // nothing was added.
    bool failed = false;
};

struct BackupResult {
    int written = 0;
    // Messages of the reminders left out because they hold the separator.
    QStringList skippedMessages;
    // Messages of the damaged reminders left out (see ReminderRecord).
    QStringList damagedMessages;
    // Nothing was written; a file the backup was to replace is as it was.
    bool failed = false;
};

// Writes every reminder to `path`, one line each. The file is written beside
// the target and renamed over it only when complete; a target that is not a
// regular file (a FIFO, a device) is refused and left alone. A failure is reported
// through `reporter` with the common error box; reminders left out are named
// in one message box after the backup.
BackupResult SaveRemToFile(Connection &conn, const RegionalSettings &regional, Reporter &reporter,
                           const QString &path, ProgressSink *progress);

// Adds the reminders of one backup file in one transaction: when the
// database fails (a full disk) nothing is added. Rejected lines add nothing; when `reportRejections` is set they are named in one message
// box for the file with what was added, otherwise only returned. Failures of the file or the
// database are always reported through `reporter`.
RestoreResult LoadRemFromFile(Connection &conn, const RegionalSettings &regional, Reporter &reporter,
                              const QString &path, ProgressSink *progress, bool reportRejections = true);

} // namespace vestrona
