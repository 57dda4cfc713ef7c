#include "database/SqliteDatabase.h"

#include "core/AppError.h"
#include "database/Connection.h"
#include "formats/StoredDateTime.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QVariant>

#include <string_view>

namespace vestrona {

void bindValue(sqlite3_stmt *statement, int position, const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
        sqlite3_bind_int(statement, position, value.toInt());
        break;
    case QMetaType::QDate:
        bindText(statement, position, isoDate(value.toDate()));
        break;
    case QMetaType::QTime:
        bindText(statement, position, isoTime(value.toTime()));
        break;
    default:
        bindText(statement, position, value.toString().toUtf8());
        break;
    }
}

SqliteDatabase::~SqliteDatabase()
{
    close();
}

void SqliteDatabase::open(const QString &path, const QByteArray &uri, int flags, bool readOnly, bool readOnlyAsked)
{
    close();
    mPath = path;
    mReadOnly = readOnly;
    mReadOnlyAsked = readOnlyAsked;
    const int status = sqlite3_open_v2(uri.constData(), &mDb, flags, nullptr);
    if (status != SQLITE_OK)
        raise(status, QCoreApplication::translate("SqliteDatabase", "opening it"));
}

void SqliteDatabase::close()
{
    mOwnTables.clear();
    for (Statement *statement : {&mDataVersion, &mBegin, &mCommit, &mRollback})
        statement->reset();
    sqlite3_close_v2(mDb);
    mDb = nullptr;
}

void SqliteDatabase::raise(int code, const QString &action) const
{
    const QString detail = QString::fromUtf8(mDb ? sqlite3_errmsg(mDb) : sqlite3_errstr(code));
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw DatabaseBusyError(
            QCoreApplication::translate("SqliteDatabase",
                                        "The reminder database %1 is locked by another program; %2 failed. "
                                        "Try again in a moment.")
                .arg(mPath, action));
    case SQLITE_READONLY:
        throw AppError(readOnlyMessage());
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        throw DatabaseDamagedError(
            QCoreApplication::translate("SqliteDatabase", "The reminder database %1 is damaged (%2).")
                .arg(mPath, detail));
    case SQLITE_FULL:
        throw AppError(QCoreApplication::translate(
                           "SqliteDatabase",
                           "The disk holding the folder %1 is full; the change to the reminder database was not saved.")
                           .arg(QFileInfo(mPath).absolutePath()));
    case SQLITE_IOERR:
        throw AppError(QCoreApplication::translate(
                           "SqliteDatabase", "The reminder database %1 could not be read or written (%2); %3 failed.")
                           .arg(mPath, detail, action));
    default:
        throw AppError(
            QCoreApplication::translate("SqliteDatabase", "The reminder database %1 reported an error: %2 failed (%3).")
                .arg(mPath, action, detail));
    }
}

void SqliteDatabase::requireOpen() const
{
    if (!mDb)
        throw AppError(QCoreApplication::translate("SqliteDatabase", "The reminder database is not open."));
}

void SqliteDatabase::requireWritable() const
{
    if (mReadOnly)
        throw AppError(readOnlyMessage());
}

QString SqliteDatabase::readOnlyMessage() const
{
    // A writable file in a folder that takes no new files cannot be
    // changed either; the folder is what the user has to fix.
    const QFileInfo file(mPath);
    const QString folder = file.absolutePath();
    if (!mReadOnlyAsked && file.isWritable() && !QFileInfo(folder).isWritable())
        return QCoreApplication::translate(
                   "SqliteDatabase",
                   "The folder %1 that holds the reminder database may not be written to, so the "
                   "change was not saved: changing the database needs room for a journal file there.")
            .arg(folder);
    return QCoreApplication::translate("SqliteDatabase",
                                       "The reminder database %1 is read-only; the change was not saved.")
        .arg(mPath);
}

sqlite3_stmt *SqliteDatabase::prepare(Statement &slot, const char *sql, const QString &action)
{
    if (!slot) {
        sqlite3_stmt *statement = nullptr;
        const int status = sqlite3_prepare_v3(mDb, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
        slot.reset(statement);
        if (status != SQLITE_OK)
            raise(status, action);
    }
    return slot.get();
}

qint64 SqliteDatabase::number(Statement &slot, const char *sql, const QString &action)
{
    sqlite3_stmt *statement = prepare(slot, sql, action);
    const ResetOnExit reset(statement);
    const int status = sqlite3_step(statement);
    if (status != SQLITE_ROW)
        raise(status, action);
    return sqlite3_column_int64(statement, 0);
}

void SqliteDatabase::run(Statement &slot, const char *sql, const QString &action)
{
    stepRows(slot, sql, action, [](sqlite3_stmt *) {});
}

void SqliteDatabase::beginTransaction()
{
    requireOpen();
    requireWritable();
    run(mBegin, "BEGIN", QCoreApplication::translate("SqliteDatabase", "starting the change"));
}

void SqliteDatabase::commit()
{
    requireOpen();
    run(mCommit, "COMMIT", QCoreApplication::translate("SqliteDatabase", "saving the changes"));
}

void SqliteDatabase::rollback()
{
    requireOpen();
    // SQLite itself ends a transaction that a full disk or a lack of memory
    // cut short; there is nothing left to undo then.
    if (sqlite3_get_autocommit(mDb))
        return;
    run(mRollback, "ROLLBACK", QCoreApplication::translate("SqliteDatabase", "undoing the changes"));
}

qint64 SqliteDatabase::dataVersion()
{
    requireOpen();
    return number(mDataVersion, "PRAGMA data_version",
                  QCoreApplication::translate("SqliteDatabase", "looking for changes"));
}

qint64 SqliteDatabase::ownChanges()
{
    requireOpen();
    return sqlite3_total_changes64(mDb);
}

int SqliteDatabase::runSql(const char *sql, const QVariantList &values,
                           const std::function<void(const QVariantList &)> &row)
{
    requireOpen();
    const QString action = QCoreApplication::translate("SqliteDatabase", "keeping the sync's records");
    const std::string_view text(sql);
    auto slot = mOwnTables.find(text);
    if (slot == mOwnTables.end())
        slot = mOwnTables.emplace(std::string(text), Statement()).first;
    sqlite3_stmt *statement = prepare(slot->second, sql, action);
    if (!sqlite3_stmt_readonly(statement))
        requireWritable();
    const ResetOnExit reset(statement);
    sqlite3_clear_bindings(statement);
    for (int i = 0; i < values.size(); ++i) {
        const QVariant &value = values.at(i);
        if (value.isNull())
            sqlite3_bind_null(statement, i + 1);
        else if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
            sqlite3_bind_int64(statement, i + 1, value.toLongLong());
        else
            bindValue(statement, i + 1, value);
    }
    int status;
    QVariantList columns;
    while ((status = sqlite3_step(statement)) == SQLITE_ROW) {
        columns.clear();
        for (int column = 0; column < sqlite3_column_count(statement); ++column) {
            switch (sqlite3_column_type(statement, column)) {
            case SQLITE_NULL:
                columns.append(QVariant());
                break;
            case SQLITE_INTEGER:
                columns.append(qint64(sqlite3_column_int64(statement, column)));
                break;
            default:
                columns.append(columnText(statement, column).toString());
                break;
            }
        }
        if (row)
            row(columns);
    }
    if (status != SQLITE_DONE)
        raise(status, action);
    return sqlite3_stmt_readonly(statement) ? 0 : sqlite3_changes(mDb);
}

} // namespace vestrona
