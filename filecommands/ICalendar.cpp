#include "filecommands/ICalendar.h"

#include "core/AppError.h"
#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "core/Reporter.h"
#include "database/Connection.h"

#include <QFile>
#include <QFileInfo>

namespace vestrona {

namespace {

QString leftOutText(const QString &path, const ICalendarImportResult &result)
{
    QStringList details;
    for (const LeftOutComponent &entry : result.leftOut)
        details << QStringLiteral("\"%1\": %2.").arg(entry.summary, entry.reason);
    return partialLoadText(path, qsizetype(result.added.size()), details, "entry", "entries");
}

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("The file %1 cannot be read: %2.").arg(path, file.errorString()));
    // read() stops at the bound, so even an endless special file ends.
    const QByteArray bytes = file.read(kICalendarMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("The file %1 cannot be read: %2.").arg(path, file.errorString()));
    return bytes;
}

} // namespace

ICalendarExportResult SaveRemToICalendar(Connection &conn, Reporter &reporter, const QString &path,
                                         ProgressSink *progress)
{
    ErrorTrap trap(reporter, QStringLiteral("modReminder.SaveRemToICalendar"));
    ICalendarExportResult result;
    trap(100, [&] { startProgress(progress, "Writing file: ", path); });

    const bool saved = writeWholeFile(trap, path, "calendar", [&](QIODevice &file) {
        const std::vector<ReminderRecord> rows = conn.orderedRows();
        const QByteArray text = iCalendarText(rows, QFileInfo(conn.databasePath()).absoluteFilePath(), result.leftOutMessages);
        result.written = int(rows.size() - result.leftOutMessages.size());
        file.write(text);
        return qint64(text.size());
    });
    if (!saved)
        result = {0, {}, true};
    trap(108, [&] {
        finishProgress(progress, saved ? QStringLiteral("Exported %1 to %2.").arg(countedReminders(result.written),
                                                                                  FileNameFromPath(path))
                                       : QString());
    });
    if (saved && !result.leftOutMessages.isEmpty())
        trap(110, [&] {
            reporter.showMessage(QStringLiteral("These weekly reminders were not written to %1, because they are on no "
                                                "weekday and so never ring:\r\n")
                                     .arg(FileNameFromPath(path))
                                 + result.leftOutMessages.join(QStringLiteral("\r\n")));
        });
    return result;
}

ICalendarImportResult LoadRemFromICalendar(Connection &conn, Reporter &reporter,
                                           const QString &path, ProgressSink *progress, bool reportLeftOut)
{
    ErrorTrap trap(reporter, QStringLiteral("modReminder.LoadRemFromICalendar"));
    trap(100, [&] { startProgress(progress, "Reading file: ", path); });

    ICalendarContent content;
    const bool read = trap(102, [&] {
        const QByteArray bytes = readWholeFile(path);
        try {
            content = readICalendar(bytes);
        } catch (const AppError &e) {
            throw AppError(QStringLiteral("The file %1 cannot be imported: %2.").arg(path, e.description()));
        }
    });
    ICalendarImportResult result;
    result.leftOut = content.leftOut;
    result.failed = !(read && addInOneTransaction(trap, conn, [&] {
        for (const ReminderValues &values : content.reminders) {
            conn.insertReminder(values.option, values.date, values.time, values.message, values.weekdays);
            result.added.push_back(storedRecord(values, conn.lastInsertId()));
        }
    }));
    if (result.failed)
        result.added.clear();
    // Entries left out for a reason are no failure: the box says what was added too.
    if (!result.failed && reportLeftOut && !result.leftOut.isEmpty())
        trap(110, [&] { reporter.showMessage(leftOutText(path, result)); });
    trap(112, [&] {
        finishProgress(progress, result.failed
                                     ? QString()
                                     : QStringLiteral("Added %1 from %2.").arg(countedReminders(qsizetype(result.added.size())),
                                                                               FileNameFromPath(path)));
    });
    return result;
}

} // namespace vestrona
