#include "filecommands/Backup.h"

#include "core/AppError.h"
#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "core/Reporter.h"
#include "database/Connection.h"
#include "formats/TextLineReader.h"

namespace vestrona {

namespace {

QString rejectedLinesText(const QString &path, const QList<RejectedLine> &rejected)
{
    QString text = rejected.size() == 1
        ? QStringLiteral("1 line of %1 was not restored:").arg(FileNameFromPath(path))
        : QStringLiteral("%1 lines of %2 were not restored:").arg(rejected.size()).arg(FileNameFromPath(path));
    for (qsizetype i = 0; i < rejected.size() && i < kRejectedLinesListed; ++i)
        text += QStringLiteral("\r\nline %1: %2").arg(rejected.at(i).lineNumber).arg(rejected.at(i).reason);
    if (rejected.size() > kRejectedLinesListed)
        text += QStringLiteral("\r\n... and %1 more.").arg(rejected.size() - kRejectedLinesListed);
    return text;
}

QString leftOutText(const QString &path, const BackupResult &result)
{
    return notWrittenText(path, {{QStringLiteral("their message contains \"%1\", which the backup file uses between its "
                                                 "fields")
                                      .arg(QLatin1StringView(kFieldSeparator)),
                                  result.skippedMessages},
                                 {kDamagedRowReason, result.damagedMessages}});
}

} // namespace

BackupResult SaveRemToFile(Connection &conn, const RegionalSettings &regional, Reporter &reporter,
                           const QString &path, ProgressSink *progress)
{
    ErrorTrap trap(reporter, QStringLiteral("modReminder.SaveRemToFile"));
    BackupResult result;
    trap(100, [&] { startProgress(progress, "Writing file: ", path); });

    const bool saved = writeWholeFile(trap, path, "backup", [&](QIODevice &file) {
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
    trap(108, [&] { finishProgress(progress); });
    if (saved && (!result.skippedMessages.isEmpty() || !result.damagedMessages.isEmpty()))
        trap(110, [&] { reporter.showMessage(leftOutText(path, result)); });
    return result;
}

RestoreResult LoadRemFromFile(Connection &conn, const RegionalSettings &regional, Reporter &reporter,
                              const QString &path, ProgressSink *progress, bool reportRejections)
{
    ErrorTrap trap(reporter, QStringLiteral("modReminder.LoadRemFromFile"));
    RestoreResult result;
    trap(100, [&] { startProgress(progress, "Reading file: ", path); });

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
            conn.insertReminder(r.option, r.date, r.time, r.message, r.weekdays);
            ++result.added;
        }, result.rejected);
    }));
    if (result.failed) {
        result.added = 0;
        result.rejected.clear();
    }
    if (!result.failed && reportRejections && !result.rejected.isEmpty())
        trap(110, [&] { throw AppError(rejectedLinesText(path, result.rejected)); });
    trap(112, [&] { finishProgress(progress); });
    return result;
}

} // namespace vestrona
