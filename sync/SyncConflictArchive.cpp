#include "sync/SyncConflictArchive.h"

#include "core/AppError.h"
#include "core/RegularFile.h"
#include "formats/ICalendar.h"
#include "sync/SyncReconciler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vestrona {

SyncConflictArchive::SyncConflictArchive(const QString &databasePath, QString calendarId)
    : mPath(QFileInfo(databasePath).absoluteDir().filePath(QLatin1String(kSyncConflictsFileName))),
      mCalendarId(std::move(calendarId))
{
}

QString SyncConflictArchive::keep(const ReminderRecord &mine) const
{
    // A calendar of its own per version: the file stays one readable
    // calendar file however often it is appended to.
    const QByteArray text = iCalendarResource(mine, iCalendarUid(mine, mCalendarId));
    QFile file(mPath);
    if (!openRegularFile(file, QIODevice::WriteOnly | QIODevice::Append) || file.write(text) != text.size() || !file.flush())
        throw AppError(
            QCoreApplication::translate("SyncConflictArchive",
                                        "The version from here of %1, changed here and on the server, cannot be saved "
                                        "to %2 (%3); nothing was changed.")
                .arg(shownName(mine.Reminder), mPath, file.errorString()));
    return QCoreApplication::translate("SyncConflictArchive",
                                       "%1 was changed here and on the server: the server's version was kept, "
                                       "the version from here was saved to %2.")
        .arg(shownName(mine.Reminder), mPath);
}

} // namespace vestrona
