#include "filecommands/ICalendar.h"

#include "core/AppError.h"
#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "core/RegularFile.h"
#include "core/Reporter.h"
#include "database/Connection.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace vestrona {

namespace {

QString leftOutText(const QString &path, const ICalendarImportResult &result)
{
    QStringList details;
    for (const LeftOutComponent &entry : result.leftOut)
        details << QStringLiteral("\"%1\": %2.").arg(entry.summary, entry.reason);
    return partialLoadText(path, qsizetype(result.added.size()), details,
                           QT_TRANSLATE_NOOP("FileCommands", "Added %1 from %2. 1 entry was left out:"),
                           QT_TRANSLATE_N_NOOP("FileCommands", "Added %1 from %2. %n entries were left out:"));
}

QString leftOutOfExportText(const QString &path, const ICalendarExportResult &result)
{
    // Written out, a start that cannot be read would be an event in the year
    // zero, which other calendars refuse or ring at a time nobody chose.
    return notWrittenText(path, {{QCoreApplication::translate("FileCommands",
                                                              "they are weekly on no weekday and so never ring"),
                                  result.leftOutMessages},
                                 {damagedRowReason(), result.damagedMessages}});
}

QString cannotRead(const QString &path, const QFile &file)
{
    return QCoreApplication::translate("FileCommands", "The file %1 cannot be read: %2.").arg(path, file.errorString());
}

} // namespace

ICalendarExportResult SaveRemToICalendar(Connection &conn, Reporter &reporter, const QString &path,
                                         ProgressSink *progress)
{
    ErrorTrap trap(reporter, QStringLiteral("modReminder.SaveRemToICalendar"));
    ICalendarExportResult result;
    trap(100, [&] { startProgress(progress, QT_TRANSLATE_NOOP("FileCommands", "Writing file: %1"), path); });

    // Row by row from the database's own sort, so that an export of a
    // million reminders holds one event at a time.
    const bool saved = writeWholeFile(trap, path, WholeFileKind::Calendar, [&](QIODevice &file) {
        const ICalendarWriter writer(QFileInfo(conn.databasePath()).absoluteFilePath());
        qint64 size = 0;
        const auto put = [&](const QByteArray &bytes) {
            file.write(bytes);
            size += bytes.size();
        };
        put(writer.head());
        conn.forEachOrderedRow([&](const ReminderRecord &row) {
            if (row.damaged) {
                result.damagedMessages.append(row.Reminder);
            } else if (!isExportable(row)) {
                result.leftOutMessages.append(row.Reminder);
            } else {
                put(writer.event(row));
                ++result.written;
            }
        });
        put(writer.tail());
        return size;
    });
    if (!saved)
        result = {};
    result.failed = !saved;
    trap(108, [&] {
        finishProgress(progress, saved ? QCoreApplication::translate("FileCommands", "Exported %1 to %2.")
                                                 .arg(countedReminders(result.written), FileNameFromPath(path))
                                       : QString());
    });
    if (saved && result.leftOut())
        trap(110, [&] { reporter.showMessage(leftOutOfExportText(path, result)); });
    return result;
}

ICalendarImportResult LoadRemFromICalendar(Connection &conn, Reporter &reporter,
                                           const QString &path, ProgressSink *progress, bool reportLeftOut)
{
    ErrorTrap trap(reporter, QStringLiteral("modReminder.LoadRemFromICalendar"));
    trap(100, [&] { startProgress(progress, QT_TRANSLATE_NOOP("FileCommands", "Reading file: %1"), path); });

    // Read an entry at a time and added as it is read, in one transaction:
    // a calendar of any size takes no more memory than one entry.
    QFile file(path);
    ICalendarImportResult result;
    const bool opened = trap(102, [&] {
        if (!openRegularFile(file, QIODevice::ReadOnly))
            throw AppError(cannotRead(path, file));
    });
    result.failed = !(opened && addInOneTransaction(trap, conn, [&] {
        bool adding = false;
        try {
            result.leftOut = readICalendarEntries(file, [&](const ReminderValues &values) {
                adding = true;
                conn.insertReminder(values.option, values.date, values.time, values.message, values.weekdays, values.repeat);
                result.added.push_back(storedRecord(values, conn.lastInsertId()));
                adding = false;
            });
            if (file.error() != QFileDevice::NoError)
                throw AppError(QString());
        } catch (const AppError &e) {
            if (adding)
                throw;
            if (file.error() != QFileDevice::NoError)
                throw AppError(cannotRead(path, file));
            throw AppError(QCoreApplication::translate("FileCommands", "The file %1 cannot be imported: %2.")
                               .arg(path, e.description()));
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
                                     : QCoreApplication::translate("FileCommands", "Added %1 from %2.")
                                           .arg(countedReminders(qsizetype(result.added.size())),
                                                FileNameFromPath(path)));
    });
    return result;
}

} // namespace vestrona
