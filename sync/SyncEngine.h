#pragma once

#include "sync/CalDavCollection.h"
#include "sync/SyncConflictArchive.h"
#include "sync/SyncReport.h"

#include <QString>

#include <chrono>
#include <memory>

class QTimer;

namespace vestrona {

class BackgroundReader;
class Clock;
class Connection;

// Two-way sync of tblReminders with one CalDAV collection, each reminder one
// VEVENT resource. The engine only sequences the requests: probe, listing,
// fetch, then the uploads and deletions; what to do is decided by
// reconcile() (SyncReconciler.h, where the rules are) on what the server
// said, the reminders and the bookkeeping (SyncStateTable), and the local
// half is carried out by SyncApplier in one transaction.
//  - Uploads go with If-None-Match: * or If-Match, so nothing there is
//    overwritten blindly; one answered 412 (changed meanwhile) is fetched
//    and decided afresh.
//  - A saved sync token the server will not take (valid-sync-token, or an
//    error answer to the first request with it) is dropped, and the whole
//    collection is listed instead.
//  - A sync-collection answer cut short is asked on from its token; one
//    that stays short is no whole listing, so its gaps delete nothing. An
//    item listed but not fetched keeps the old token for the next sync.
//  - A request refused for one item (an upload or deletion the server turns
//    down) is named in SyncReport::leftOut and the sync goes on; the item is
//    tried again next time. When every upload was refused, the sync failed.
//    A failure of the collection itself (no connection, timeout, wrong
//    password, certificate, an unreadable listing) ends the sync with what
//    was done so far recorded, so that the next sync duplicates nothing;
//    no upload is sent after it, and those already under way are waited
//    for (each has its deadline) and recorded.
//  - The calendars fetched are read on a thread of the engine's own, so a
//    huge or hostile one never holds up the caller's event loop; the
//    database is used on the calling thread only.
//  - A calendar that lost most of what it held ends the sync as a failure
//    with SyncReport::serverEmptied, nothing changed, until the next sync
//    is given the user's answer (Syncer::answerEmptiedCalendar).
//  - A sync that runs longer than its deadline ends as a timeout, what was
//    done so far recorded: each request has a deadline of its own, but a
//    server answering every one just in time could hold a sync for hours.
class SyncEngine final : public Syncer {
    Q_OBJECT
public:
    // Hrefs per calendar-multiget, and multigets and uploads under way at once.
    static constexpr int kFetchBatch = 100;
    static constexpr int kFetchesAtOnce = 3;
    static constexpr int kUploadsAtOnce = 4;
    static constexpr std::chrono::milliseconds kSyncDeadline = std::chrono::minutes(15);

    // `collectionUrl` names the collection in the bookkeeping: a sync with
    // another one starts afresh. `collection` and `conn` must outlive the
    // engine; `conn` stays open.
    SyncEngine(CalDavCollection &collection, Connection &conn, QString collectionUrl, QObject *parent = nullptr);
    ~SyncEngine() override;

    void sync() override;
    bool isSyncing() const override;
    // For tests: a deadline other than kSyncDeadline for the next syncs.
    void setSyncDeadline(std::chrono::milliseconds deadline);
    // For tests: the clock that says when the sync token was last asked for.
    void setClock(const Clock &clock);

private:
    struct Run;
    std::unique_ptr<Run> mRun;
    // Counts the runs, so that a late answer meant for an ended run is
    // never taken for one of a later run.
    quint64 mRunNumber = 0;
    CalDavCollection &mCollection;
    Connection &mConn;
    QString mCollectionUrl;
    // Reads the fetched calendars off the calling thread.
    BackgroundReader *mReader;
    QTimer *mDeadline;
    const Clock *mClock;
};

} // namespace vestrona
