#pragma once

#include "core/ReminderRecord.h"
#include "sync/LastModifiedCheck.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace vestrona {

class Connection;

// The layout of the bookkeeping tables this program writes, kept in
// tblSyncInfo as SchemaVersion.
inline constexpr int kSyncSchemaVersion = 2;

// A reminder's cells as text, exactly as a sync last saw them, so that any
// change here since then shows, a damaged row's stored texts included.
struct SyncedState {
    QString option, date, time, message, weekdays;

    friend bool operator==(const SyncedState &, const SyncedState &) = default;
};

SyncedState syncedStateOf(const ReminderRecord &row);

// One row of the sync's bookkeeping. Three kinds:
//  - a reminder on the server: href and reminderId, with the ETag and state
//    of the last sync; serverLeftOut when the server's version (of that
//    ETag) is one no reminder can hold: the reminder here then stays as it
//    was, and neither side is written until the server's version changes;
//  - a server resource no reminder can hold: href, no reminderId, with the
//    ETag it had when the user was told so;
//  - a reminder here that cannot go to the server: reminderId, no href, with
//    the state it had when the user was told so.
struct SyncEntry {
    QString href;
    qint64 reminderId = 0; // 0: none
    QString uid;
    QByteArray etag;
    SyncedState state;
    bool serverLeftOut = false;

    bool isSynced() const { return reminderId != 0 && !href.isEmpty(); }
};

// The sync's bookkeeping in tables of its own in the reminder database
// (tblSyncState and tblSyncInfo), beside tblReminders and never touching it.
// Databases that never synced have neither table. Every call throws AppError
// as the connection does.
class SyncStateTable {
public:
    explicit SyncStateTable(Connection &conn) : mConn(conn) {}

    // Creates the tables the first time, brings older ones up to
    // kSyncSchemaVersion in place, keeping every entry, and drops the
    // bookkeeping of another collection: a sync with a new address starts as
    // a first one. Tables of a newer version are refused with AppError, so
    // that this program never half-understands them.
    void open(const QString &collectionUrl);
    // The layout the tables have: 0 before open() on a database that kept none.
    int schemaVersion();

    std::vector<SyncEntry> entries();
    // Replaces the entry of the same href, or for one without an href the
    // entry of the same reminder.
    void save(const SyncEntry &entry);
    void removeHref(const QString &href);
    void removeReminder(qint64 reminderId);

    // RFC 6578's token of the last complete sync, empty before one.
    QByteArray syncToken();
    void setSyncToken(const QByteArray &token);
    // What the sync learnt of the collection's last-modified time.
    LastModifiedRecord lastModifiedRecord();
    void setLastModifiedRecord(const LastModifiedRecord &record);
    // A random name of this database, from which the UIDs of the reminders
    // it uploads are made: the same for every sync of this file on this
    // computer. A copy of the file (onto another computer, or beside the
    // original) gets a name of its own on its first sync, so that no two
    // databases ever make the same UID for different reminders; its
    // bookkeeping stays, since its reminders are the same as the original's.
    //
    // A copy is told by a marker kept beside the name: the computer's
    // machine id (/etc/machine-id, which a copied file never carries along)
    // and the file's device and inode (which no copy on the same computer
    // shares while the original exists). Moving or renaming the file keeps
    // both. Should the file be replaced by one written anew (a restored
    // copy), it gets a new name too; that costs nothing, since the
    // reminders already on the server are found again by their entries.
    // Bookkeeping older than the marker is taken as this file's own.
    QString calendarId();

private:
    void upgrade();
    void writeLastModifiedRecord(const LastModifiedRecord &record);
    QString value(const char *key);
    void setValue(const char *key, const QString &value);

    Connection &mConn;
};

} // namespace vestrona
