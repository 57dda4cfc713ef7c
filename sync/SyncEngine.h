#pragma once

#include "formats/RegionalSettings.h"
#include "sync/CalDavCollection.h"
#include "sync/SyncReport.h"

#include <QString>

#include <memory>

namespace vestrona {

class Connection;

// The name of the file beside the database that keeps every local version
// of a reminder that lost against the server's version, one VEVENT each,
// readable by "Load Reminders From File".
inline constexpr auto kSyncConflictsFileName = "Vestrona sync conflicts.ics";

// Two-way sync of tblReminders with one CalDAV collection, each reminder one
// VEVENT resource. The bookkeeping (SyncStateTable) tells what changed on
// either side since the last sync:
//  - new, changed or deleted here goes to the server (If-None-Match: * or
//    If-Match, so nothing there is overwritten blindly);
//  - new, changed or deleted there comes here, through the connection and
//    in one transaction, so other windows see it as any other change;
//  - changed on both sides: the server's version wins, since other devices
//    already show it; the version from here is appended to the conflicts
//    file and named once in SyncReport::conflicts;
//  - an edit beats a deletion on the other side;
//  - server resources no reminder can hold exactly are never written or
//    deleted; they, and reminders here that cannot be written, are named in
//    SyncReport::leftOut once (again only when they change).
// A failure ends the sync with what was done so far recorded, so that the
// next sync duplicates nothing.
class SyncEngine final : public Syncer {
    Q_OBJECT
public:
    // Hrefs per calendar-multiget, and uploads under way at once.
    static constexpr int kFetchBatch = 100;
    static constexpr int kUploadsAtOnce = 4;

    // `collectionUrl` names the collection in the bookkeeping: a sync with
    // another one starts afresh. `collection` and `conn` must outlive the
    // engine; `conn` stays open.
    SyncEngine(CalDavCollection &collection, Connection &conn, RegionalSettings regional, QString collectionUrl,
               QObject *parent = nullptr);
    ~SyncEngine() override;

    void sync() override;
    bool isSyncing() const override;

private:
    struct Run;
    std::unique_ptr<Run> mRun;
    // Counts the runs, so that a late answer meant for an ended run is
    // never taken for one of a later run.
    quint64 mRunNumber = 0;
    CalDavCollection &mCollection;
    Connection &mConn;
    RegionalSettings mRegional;
    QString mCollectionUrl;
};

} // namespace vestrona
