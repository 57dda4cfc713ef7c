#pragma once

// The state of one sync while it runs, shared by the engine's files: the
// probe and listing in SyncEngine.cpp, the uploads and the saved token in
// SyncEngineUploads.cpp. Nothing outside the engine includes it.

#include "core/AppError.h"
#include "sync/LastModifiedCheck.h"
#include "sync/SyncApplier.h"
#include "sync/SyncConflictArchive.h"
#include "sync/SyncEngine.h"
#include "sync/SyncReconciler.h"
#include "sync/SyncStateTable.h"

#include <QPointer>

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace vestrona {

// One sync from probe to report. It lives in the engine while it runs;
// every answer of the collection checks first that it still does.
struct SyncEngine::Run {
    SyncEngine &engine;
    SyncStateTable table;
    std::optional<SyncConflictArchive> archive;
    std::optional<SyncApplier> applier;
    SyncReport report;
    QString calendarId;
    QByteArray newToken;
    // Something listed was not fetched: the next sync lists from the old token.
    bool holdToken = false;
    std::optional<LastModifiedCheck> lastModified;
    CalDavProbe probeAsked = CalDavProbe::WithToken;
    CalDavCollectionInfo probed;
    // The probe's token moved from the saved one: the first listing tells
    // whether the collection's time moved with it.
    bool learnFromListing = false;
    EmptiedCalendar emptied = EmptiedCalendar::Ask;
    int round = 0;
    std::set<QString> putHrefs, putRefused; // reminders sent, and those refused
    bool putTaken = false;
    QString lastRefusal;

    // What the server said in this round, and what was fetched of it.
    ServerListing listing;
    std::vector<QString> toFetch;
    std::map<QString, ServerItem> fetched;
    std::size_t fetchFrom = 0; // the first of toFetch not yet asked for
    int fetchesRunning = 0;

    std::deque<SyncAction> uploads;
    int uploadsRunning = 0;
    std::vector<SyncEntry> records;      // done on the server, not yet recorded
    std::vector<QString> recordsRemoved; // gone from the server, not yet recorded
    ServerListing again;                 // answered 412 or 404: changed meanwhile
    std::vector<SyncEntry> withoutEtag;  // uploaded, but the server named no ETag
    // The collection failed under an upload: nothing more is sent, and the
    // sync ends so once the uploads under way have answered.
    std::optional<CalDavFailure> stopping;
    bool failed = false;

    explicit Run(SyncEngine &owner) : engine(owner), table(owner.mConn) {}

    template <class Answer>
    std::function<Answer> guarded(std::function<Answer> step);

    void start();
    void listChanges(const CalDavCollectionInfo &info);
    void listChangesFrom(const QByteArray &from, bool whole, const CalDavCollectionInfo &info, ServerListing sofar,
                         int pages);
    void listAll();
    void takeListing(ServerListing heard);
    void fetchNext();
    void reconcileRound();
    void uploadNext();
    void send(const SyncAction &action);
    void uploaded(const SyncAction &action, const CalDavFailure &failure, const QByteArray &etag);
    void flushRecords();
    void afterUploads();
    void learnEtags(std::size_t from);
    void settle();
    void keepToken(const QByteArray &token);
    bool onlyOwnChanges(const CalDavChanges &changes);
    void fail(const QString &words, const QString &fingerprint = QString());
    // Ends the sync when a request failed; true then.
    bool ended(const CalDavFailure &failure);
    void finish();
};

// Wraps a step for the collection's answer: dropped when the engine is gone,
// and an error of the database ends the sync in words.
template <class Answer>
std::function<Answer> SyncEngine::Run::guarded(std::function<Answer> step)
{
    QPointer<SyncEngine> owner(&engine);
    Run *self = this;
    const quint64 number = engine.mRunNumber;
    return [owner, self, number, step](auto... args) {
        if (!owner || !owner->mRun || owner->mRunNumber != number)
            return;
        try {
            step(args...);
        } catch (const AppError &e) {
            self->fail(e.description());
        }
    };
}

} // namespace vestrona
