#include "filecommands/Backup.h"

#include "core/AppError.h"
#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "core/Reporter.h"
#include "database/Connection.h"
#include "formats/TextLineReader.h"

#include <QCoreApplication>

namespace vestrona {

namespace {

QString rejectedLinesText(const QString &path, const RestoreResult &result)
{
    QStringList details;
    for (const RejectedLine &line : result.rejected)
        details << QCoreApplication::translate("FileCommands", "line %1: %2").arg(line.lineNumber).arg(line.reason);
    return partialLoadText(path, result.added, details,
                           QT_TRANSLATE_NOOP("FileCommands", "Added %1 from %2. 1 line was left out:"),
                           QT_TRANSLATE_N_NOOP("FileCommands", "Added %1 from %2. %n lines were left out:"));
}

QString leftOutText(const QString &path, const BackupResult &result)
{
    return notWrittenText(path, {{QCoreApplication::translate("FileCommands",
                                                              "their message contains \"%1\", which the backup file "
                                                              "uses between its fields")
                                      .arg(QLatin1StringView(kFieldSeparator)),
                                  result.skippedMessages},
                                 {damagedRowReason(), result.damagedMessages}});
}

} // namespace

BackupResult SaveRemToFile(Connection &conn, const RegionalSettings &regional, Reporter &reporter,
                           const QString &path, ProgressSink *progress)
{
    ErrorTrap trap(reporter, QStringLiteral("modReminder.SaveRemToFile"));
    BackupResult result;
    trap(100, [&] { startProgress(progress, QT_TRANSLATE_NOOP("FileCommands", "Writing file: %1"), path); });

    const bool saved = writeWholeFile(trap, path, WholeFileKind::Backup, [&](QIODevice &file) {
        BackupWriter out(file, regional);
        conn.forEachOrderedRow([&](const ReminderRecord &r) {
            switch (out.write(r)) {
            case BackupWriter::Outcome::Written:
                ++result.written;
                break;
            case BackupWriter::Outcome::Damaged:
                result.damagedMessages.append(r.Reminder);
                break;
            case BackupWriter::Outcome::HoldsSeparator:
                result.skippedMessages.append(r.Reminder);
                break;
            }
        });
        return out.finish();
    });
    if (!saved) {
        result.failed = true;
        result.written = 0;
    }
    trap(108, [&] {
        finishProgress(progress, saved ? QCoreApplication::translate("FileCommands", "Saved %1 to %2.")
                                                 .arg(countedReminders(result.written), FileNameFromPath(path))
                                       : QString());
    });
    if (saved && (!result.skippedMessages.isEmpty() || !result.damagedMessages.isEmpty()))
        trap(110, [&] { reporter.showMessage(leftOutText(path, result)); });
    return result;
}

RestoreResult LoadRemFromFile(Connection &conn, const RegionalSettings &regional, Reporter &reporter,
                              const QString &path, ProgressSink *progress, bool reportRejections)
{
    ErrorTrap trap(reporter, QStringLiteral("modReminder.LoadRemFromFile"));
    RestoreResult result;
    trap(100, [&] { startProgress(progress, QT_TRANSLATE_NOOP("FileCommands", "Reading file: %1"), path); });

    // The whole file is checked before the database is touched, so a file
    // that is no backup is refused as such; it is read again to be added.
    const bool read = trap(102, [&] {
        TextLineReader lines(path);
        while (lines.skip()) {
        }
    });
    result.failed = !(read && addInOneTransaction(trap, conn, [&] {
        TextLineReader lines(path);
        // The reader checked every field, so a failure here is the
        // database's (a full disk, a lock) and ends the whole restore: all
        // rows or none.
        readBackupRecords(lines, regional, [&](const BackupRecord &r) {
            conn.insertReminder(r.option, r.date, r.time, r.message, r.weekdays, r.repeat);
            ++result.added;
        }, result.rejected);
    }));
    if (result.failed) {
        result.added = 0;
        result.rejected.clear();
    }
    // Lines left out for a reason are no failure: the box says what was added too.
    if (!result.failed && reportRejections && !result.rejected.isEmpty())
        trap(110, [&] { reporter.showMessage(rejectedLinesText(path, result)); });
    trap(112, [&] {
        finishProgress(progress, result.failed ? QString()
                                               : QCoreApplication::translate("FileCommands", "Added %1 from %2.")
                                                     .arg(countedReminders(result.added), FileNameFromPath(path)));
    });
    return result;
}

} // namespace vestrona
