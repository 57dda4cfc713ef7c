#include "sync/SyncStateTable.h"

#include "core/AppError.h"
#include "database/Connection.h"
#include "formats/BackupText.h"
#include "formats/StoredDateTime.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <QUuid>

#include <sys/stat.h>

namespace vestrona {

namespace {

// Href is unique but may be NULL, for the reminders that cannot go to the
// server; a reminder's row there holds the state the user was told about.
constexpr auto kCreateState =
    "create table if not exists tblSyncState (Href TEXT UNIQUE, ReminderID INTEGER, UID TEXT, ETag TEXT, "
    "Option TEXT, StartDate TEXT, StartTime TEXT, Reminder TEXT, Weekdays TEXT, ServerLeftOut INTEGER)";
// A first sync of many reminders looks each one up by its ID.
constexpr auto kCreateIndex = "create index if not exists idxSyncStateReminder on tblSyncState (ReminderID)";
constexpr auto kCreateInfo = "create table if not exists tblSyncInfo (Key TEXT PRIMARY KEY, Value TEXT)";

constexpr auto kKeyUrl = "CollectionUrl";
constexpr auto kKeyToken = "SyncToken";
constexpr auto kKeyCalendar = "CalendarId";
constexpr auto kKeyVersion = "SchemaVersion";
constexpr auto kKeyHome = "Home";
constexpr auto kKeyLastModified = "LastModified";
constexpr auto kKeyLastModifiedTrust = "LastModifiedTrust";
constexpr auto kKeyTokenAskedAt = "TokenAskedAt";

// Where this database file is: this computer, and the file itself.
QString homeOf(const QString &databasePath)
{
    struct stat status {};
    if (::stat(QFile::encodeName(databasePath).constData(), &status) != 0)
        return QString();
    return QStringLiteral("%1:%2:%3")
        .arg(QString::fromLatin1(QSysInfo::machineUniqueId()))
        .arg(qulonglong(status.st_dev))
        .arg(qulonglong(status.st_ino));
}

// As QDate::toString(Qt::ISODate) and QTime::toString(Qt::ISODate) write
// them, empty where they write nothing, without their printf: every sync
// compares every reminder's state.
QString dateText(const QDate &date)
{
    return date.isValid() && date.year() > 0 && date.year() <= 9999 ? QString::fromLatin1(isoDate(date)) : QString();
}

QString timeText(const QTime &time)
{
    return time.isValid() ? QString::fromLatin1(isoTime(time)) : QString();
}

QVariant nullIfEmpty(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

} // namespace

SyncedState syncedStateOf(const ReminderRecord &row)
{
    if (row.damaged)
        return {row.stored->option, row.stored->date, row.stored->time, row.Reminder, row.Weekdays};
    // The rule and zone go with the days, so that a change of them is a change.
    return {QString::number(row.Option), dateText(row.StartDate), timeText(row.StartTime), row.Reminder,
            weekdaysWithRepeat(row)};
}

void SyncStateTable::open(const QString &collectionUrl)
{
    mConn.runSql(kCreateState);
    mConn.runSql(kCreateIndex);
    mConn.runSql(kCreateInfo);
    upgrade();
    if (value(kKeyUrl) == collectionUrl)
        return;
    mConn.beginTransaction();
    try {
        mConn.runSql("delete from tblSyncState");
        setValue(kKeyToken, QString());
        // Another server's time says nothing of this one.
        writeLastModifiedRecord({});
        setValue(kKeyUrl, collectionUrl);
        mConn.commit();
    } catch (...) {
        mConn.rollback();
        throw;
    }
}

void SyncStateTable::upgrade()
{
    // None: tables of a version that kept no number, laid out as version 1.
    const int found = value(kKeyVersion).toInt();
    if (found == kSyncSchemaVersion)
        return;
    if (found > kSyncSchemaVersion)
        throw AppError(
            QCoreApplication::translate("SyncStateTable",
                                        "The calendar sync's bookkeeping in %1 was written by a newer Vestrona; "
                                        "sync this database with that version.")
                .arg(mConn.databasePath()));
    // Version 2 adds ServerLeftOut; a table made just now has it already.
    bool hasLeftOut = false;
    mConn.runSql("select 1 from pragma_table_info('tblSyncState') where name = 'ServerLeftOut'", {},
                 [&hasLeftOut](const QVariantList &) { hasLeftOut = true; });
    mConn.beginTransaction();
    try {
        if (!hasLeftOut)
            mConn.runSql("alter table tblSyncState add column ServerLeftOut INTEGER");
        setValue(kKeyVersion, QString::number(kSyncSchemaVersion));
        mConn.commit();
    } catch (...) {
        mConn.rollback();
        throw;
    }
}

int SyncStateTable::schemaVersion()
{
    return value(kKeyVersion).toInt();
}

std::vector<SyncEntry> SyncStateTable::entries()
{
    std::vector<SyncEntry> result;
    mConn.runSql("select Href, ReminderID, UID, ETag, Option, StartDate, StartTime, Reminder, Weekdays, "
                 "ServerLeftOut from tblSyncState",
                 {}, [&result](const QVariantList &row) {
                     result.push_back({row[0].toString(), row[1].toLongLong(), row[2].toString(),
                                       row[3].toString().toUtf8(),
                                       {row[4].toString(), row[5].toString(), row[6].toString(), row[7].toString(),
                                        row[8].toString()},
                                       row[9].toLongLong() != 0});
                 });
    return result;
}

void SyncStateTable::save(const SyncEntry &entry)
{
    // A reminder that could not go to the server before and now can loses
    // its old entry here.
    if (entry.reminderId)
        removeReminder(entry.reminderId);
    mConn.runSql("insert or replace into tblSyncState (Href, ReminderID, UID, ETag, Option, StartDate, StartTime, "
                 "Reminder, Weekdays, ServerLeftOut) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                 {nullIfEmpty(entry.href), entry.reminderId ? QVariant(entry.reminderId) : QVariant(), entry.uid,
                  QString::fromUtf8(entry.etag), entry.state.option, entry.state.date, entry.state.time,
                  entry.state.message, entry.state.weekdays, entry.serverLeftOut ? 1 : 0});
}

void SyncStateTable::removeHref(const QString &href)
{
    mConn.runSql("delete from tblSyncState where Href = ?", {href});
}

void SyncStateTable::removeReminder(qint64 reminderId)
{
    mConn.runSql("delete from tblSyncState where Href is null and ReminderID = ?", {reminderId});
}

QByteArray SyncStateTable::syncToken()
{
    return value(kKeyToken).toUtf8();
}

void SyncStateTable::setSyncToken(const QByteArray &token)
{
    setValue(kKeyToken, QString::fromUtf8(token));
}

LastModifiedRecord SyncStateTable::lastModifiedRecord()
{
    using Trust = LastModifiedRecord::Trust;
    const QString trust = value(kKeyLastModifiedTrust);
    return {value(kKeyLastModified).toUtf8(),
            trust == u"moves"   ? Trust::Moves
                : trust == u"stays" ? Trust::Stays
                                    : Trust::Unknown,
            QDateTime::fromString(value(kKeyTokenAskedAt), Qt::ISODateWithMs)};
}

void SyncStateTable::setLastModifiedRecord(const LastModifiedRecord &record)
{
    mConn.beginTransaction();
    try {
        writeLastModifiedRecord(record);
        mConn.commit();
    } catch (...) {
        mConn.rollback();
        throw;
    }
}

void SyncStateTable::writeLastModifiedRecord(const LastModifiedRecord &record)
{
    using Trust = LastModifiedRecord::Trust;
    setValue(kKeyLastModified, QString::fromUtf8(record.lastModified));
    setValue(kKeyLastModifiedTrust, record.trust == Trust::Moves   ? QStringLiteral("moves")
                                    : record.trust == Trust::Stays ? QStringLiteral("stays")
                                                                   : QString());
    setValue(kKeyTokenAskedAt, record.tokenAskedAt.toUTC().toString(Qt::ISODateWithMs));
}

QString SyncStateTable::calendarId()
{
    QString id = value(kKeyCalendar);
    const QString home = value(kKeyHome);
    const QString here = homeOf(mConn.databasePath());
    if (id.isEmpty() || (!home.isEmpty() && !here.isEmpty() && home != here)) {
        id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        setValue(kKeyCalendar, id);
    }
    if (!here.isEmpty() && home != here)
        setValue(kKeyHome, here);
    return id;
}

QString SyncStateTable::value(const char *key)
{
    QString result;
    mConn.runSql("select Value from tblSyncInfo where Key = ?", {QString::fromLatin1(key)},
                 [&result](const QVariantList &row) { result = row[0].toString(); });
    return result;
}

void SyncStateTable::setValue(const char *key, const QString &value)
{
    mConn.runSql("insert or replace into tblSyncInfo values (?, ?)", {QString::fromLatin1(key), value});
}

} // namespace vestrona
