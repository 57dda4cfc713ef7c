#include "database/DatabaseOpening.h"

#include "core/AppError.h"
#include "database/DatabaseFileCheck.h"
#include "database/SqliteDatabase.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace vestrona {

namespace {

constexpr int kBusyTimeoutMs = 2000;
// Checked in a few milliseconds: about 70,000 reminders.
constexpr qint64 kLargeFileBytes = 4 * 1024 * 1024;

bool mayWrite(const QString &path)
{
    const QFileInfo info(path);
    // SQLite writes its journal beside the file, so the folder must take new files too.
    return info.isWritable() && QFileInfo(info.absolutePath()).isWritable();
}

// The columns the program reads and writes; a table may have more.
void checkTable(SqliteDatabase &db)
{
    QStringList found;
    db.eachRow("PRAGMA table_info(tblReminders)", QCoreApplication::translate("SqliteDatabase", "checking the file"),
               [&found](sqlite3_stmt *row) { found << columnText(row, 1).toString(); });
    if (found.isEmpty())
        throw AppError(
            QCoreApplication::translate("DatabaseOpening", "The reminder database %1 has no table tblReminders.")
                .arg(db.path()));
    for (const char *name : {"ID", "Option", "StartDate", "StartTime", "Reminder", "Weekdays"}) {
        if (!found.contains(QLatin1String(name), Qt::CaseInsensitive))
            throw AppError(
                QCoreApplication::translate("DatabaseOpening",
                                            "The reminder database %1 has a table tblReminders without the column %2.")
                    .arg(db.path(), QLatin1String(name)));
    }
}

} // namespace

void checkPages(SqliteDatabase &db)
{
    bool firstRow = true;
    db.eachRow("PRAGMA quick_check", QCoreApplication::translate("SqliteDatabase", "checking the file"),
               [&](sqlite3_stmt *row) {
                   const QString verdict = columnText(row, 0).toString();
                   if (firstRow && verdict != QLatin1String("ok")) {
                       // SQLite lists every bad cell; the first few say enough.
                       QStringList lines = verdict.split(QLatin1Char('\n'));
                       if (lines.size() > 4)
                           lines = lines.first(3) << QStringLiteral("...");
                       throw DatabaseDamagedError(
                           QCoreApplication::translate("DatabaseOpening", "The reminder database %1 is damaged (%2).")
                               .arg(db.path(), lines.join(QLatin1Char('\n'))));
                   }
                   firstRow = false;
               });
}

void checkPagesOf(const QString &path)
{
    const std::optional<DatabaseFileStamp> stamp = checkDatabaseFile(path);
    SqliteDatabase db;
    db.open(path, QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded(QUrl::FullyEncoded) + "?mode=ro",
            SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_READONLY, true, true);
    sqlite3_busy_timeout(db.handle(), kBusyTimeoutMs);
    checkPages(db);
    // Only a file that stayed as it was while it was read has passed.
    if (stamp && stamp == checkDatabaseFile(path))
        rememberFilePassingCheck(*stamp);
}

bool openReminderDatabase(SqliteDatabase &db, const QString &path, Connection::Access access, Connection::LockWait wait,
                          Connection::PageCheck check)
{
    const std::optional<DatabaseFileStamp> stamp = checkDatabaseFile(path);
    const bool readOnlyAsked = access == Connection::Access::ReadOnly;
    const bool readOnly = readOnlyAsked || !mayWrite(path);
    // mode=rw keeps SQLite from ever creating the file.
    const QByteArray uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded(QUrl::FullyEncoded)
        + (readOnly ? "?mode=ro" : "?mode=rw");
    // A connection serves one thread, so SQLite's locking of it would be pure cost.
    const int flags = SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX | (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
    db.open(path, uri, flags, readOnly, readOnlyAsked);
    sqlite3_busy_timeout(db.handle(), wait == Connection::LockWait::AMoment ? kBusyTimeoutMs : 0);

    bool pagesChecked = true;
    if (!stamp || stamp != lastFilePassingCheck()) {
        if (check == Connection::PageCheck::BeforeUseWhenSmall && stamp && stamp->size > kLargeFileBytes) {
            pagesChecked = false;
        } else {
            checkPages(db);
            if (stamp)
                rememberFilePassingCheck(*stamp);
        }
    }
    checkTable(db);
    sqlite3_busy_timeout(db.handle(), kBusyTimeoutMs);
    if (!readOnly) {
        // Only now that the file has proved to be a reminder database may it
        // be changed. A rollback journal, not a write-ahead log: a WAL file
        // cannot even be read by a user who may not create files in its
        // folder, and reading it read-only leaves -wal and -shm files behind.
        // The switch fails harmlessly while another program holds the file
        // in WAL mode, so its result is not checked.
        sqlite3_exec(db.handle(), "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
        const int status = sqlite3_exec(db.handle(), "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
        if (status != SQLITE_OK)
            db.raise(status, QCoreApplication::translate("SqliteDatabase", "opening it"));
    }
    return pagesChecked;
}

} // namespace vestrona
