#include "sync/SyncEngineRun.h"

#include <QCoreApplication>

#include <algorithm>

namespace vestrona {

namespace {

// A 412 answer is followed by fetching the resource and deciding afresh;
// a server that keeps changing under the sync is left for the next one.
constexpr int kRounds = 3;
// Uploads recorded per transaction: each commit waits for the disk. One
// lost before its commit is found on the server by its href next time.
constexpr int kRecordsPerCommit = 500;

} // namespace

void SyncEngine::Run::uploadNext()
{
    while (uploadsRunning < kUploadsAtOnce && !uploads.empty()) {
        const SyncAction action = uploads.front();
        uploads.pop_front();
        ++uploadsRunning;
        send(action);
    }
    if (uploadsRunning > 0 || !uploads.empty())
        return;
    if (stopping)
        ended(*stopping);
    else
        afterUploads();
}

void SyncEngine::Run::send(const SyncAction &action)
{
    if (action.kind == SyncAction::Kind::DeleteThere) {
        engine.mCollection.remove(action.href, action.etag,
                                  guarded<void(CalDavFailure)>([this, action](const CalDavFailure &failure) {
                                      uploaded(action, failure, QByteArray());
                                  }));
        return;
    }
    engine.mCollection.put(action.href, iCalendarResource(action.row, action.uid), action.etag,
                           guarded<void(CalDavFailure, QByteArray)>(
                               [this, action](const CalDavFailure &failure, const QByteArray &etag) {
                                   uploaded(action, failure, etag);
                               }));
}

void SyncEngine::Run::uploaded(const SyncAction &action, const CalDavFailure &failure, const QByteArray &etag)
{
    using Failure = CalDavFailure::Kind;
    --uploadsRunning;
    const bool put = action.kind != SyncAction::Kind::DeleteThere;
    if (put)
        putHrefs.insert(action.href);
    if (!failure.failed()) {
        if (put) {
            putTaken = true;
            const SyncEntry entry{action.href, action.row.ID, action.uid, etag, syncedStateOf(action.row)};
            records.push_back(entry);
            if (etag.isEmpty())
                withoutEtag.push_back(entry);
            ++report.uploaded;
        } else {
            recordsRemoved.push_back(action.href);
            ++report.deletedThere;
        }
    } else if (failure.kind == Failure::PreconditionFailed) {
        // Changed meanwhile: decided afresh on what the server holds now.
        again.present.push_back({action.href, QByteArray()});
        lastRefusal = failure.words;
    } else if (failure.kind == Failure::NotFound && put) {
        // Deleted there meanwhile: decided afresh as a deletion there.
        again.removed.push_back(action.href);
    } else if (failure.kind == Failure::NotFound) {
        recordsRemoved.push_back(action.href);
    } else if (failure.concernsOneItem()) {
        if (put)
            putRefused.insert(action.href);
        lastRefusal = failure.words;
        report.leftOut << QStringLiteral("%1: %2 (%3)")
                              .arg(shownName(action.row.Reminder),
                                   put ? QCoreApplication::translate(
                                       "SyncEngine", "the server did not take it; it is sent again next time")
                                       : QCoreApplication::translate(
                                           "SyncEngine", "the server did not delete it; it is asked again next time"),
                                   failure.words);
    } else {
        // What the uploads still under way did is recorded as their answers
        // come, so the next sync neither sends them again nor fetches them
        // to find out; those not sent yet are simply planned again then.
        if (!stopping)
            stopping = failure;
        uploads.clear();
    }
    if (records.size() + recordsRemoved.size() >= std::size_t(kRecordsPerCommit))
        flushRecords();
    uploadNext();
}

void SyncEngine::Run::flushRecords()
{
    if (!applier)
        return;
    applier->record(records, recordsRemoved);
    records.clear();
    recordsRemoved.clear();
}

void SyncEngine::Run::afterUploads()
{
    flushRecords();
    if ((!again.present.empty() || !again.removed.empty()) && ++round < kRounds) {
        ServerListing heard = std::move(again);
        again = {};
        return takeListing(std::move(heard));
    }
    for (const CalDavResource &resource : again.present) {
        putRefused.insert(resource.href);
        report.leftOut << resource.href
                + QCoreApplication::translate("SyncEngine", ": the server kept answering that it changed meanwhile");
    }
    again = {};
    if (!putTaken && !putRefused.empty() && putRefused.size() == putHrefs.size())
        return fail(QCoreApplication::translate("SyncEngine",
                                                "The calendar server took none of the %1 reminders sent to it: %2")
                        .arg(putHrefs.size())
                        .arg(lastRefusal));
    learnEtags(0);
}

void SyncEngine::Run::learnEtags(std::size_t from)
{
    if (from >= withoutEtag.size())
        return settle();
    const std::size_t end = std::min(withoutEtag.size(), from + std::size_t(kFetchBatch));
    std::vector<QString> batch;
    for (std::size_t i = from; i < end; ++i)
        batch.push_back(withoutEtag[i].href);
    const auto learn = [this, from, end](const CalDavFailure &failure, const std::vector<CalDavObject> &objects) {
        if (ended(failure))
            return;
        for (std::size_t i = from; i < end; ++i) {
            for (const CalDavObject &object : objects) {
                if (object.href == withoutEtag[i].href)
                    withoutEtag[i].etag = object.etag;
            }
            records.push_back(withoutEtag[i]);
        }
        flushRecords();
        learnEtags(end);
    };
    engine.mCollection.fetch(batch, guarded<void(CalDavFailure, std::vector<CalDavObject>)>(learn));
}

// Saves the token for the next sync. After uploads the collection's token
// has moved on past the one the sync started from; when all that moved it
// is this sync's own doing, the newer token spares the next sync listing
// its own uploads again.
void SyncEngine::Run::settle()
{
    if (newToken.isEmpty() || holdToken)
        return finish();
    if (report.uploaded + report.deletedThere == 0) {
        keepToken(newToken);
        return finish();
    }
    engine.mCollection.changesSince(newToken, guarded<void(CalDavFailure, CalDavChanges)>(
                                                  [this](const CalDavFailure &failure, const CalDavChanges &changes) {
                                                      if (!failure.failed() && !changes.tokenExpired
                                                          && onlyOwnChanges(changes))
                                                          newToken = changes.newSyncToken;
                                                      keepToken(newToken);
                                                      finish();
                                                  }));
}

// The probe's time goes with the token: it was read before the token was
// had, so a time that is still the same later means the token is still
// the collection's. The token first: a time saved without its token would
// stand for changes the old token has not listed.
void SyncEngine::Run::keepToken(const QByteArray &token)
{
    // Each write waits for the disk: an unchanged sync writes nothing.
    if (token != table.syncToken())
        table.setSyncToken(token);
    const LastModifiedRecord record = lastModified->toSave(probed, probeAsked == CalDavProbe::WithToken);
    if (record != table.lastModifiedRecord())
        table.setLastModifiedRecord(record);
}

bool SyncEngine::Run::onlyOwnChanges(const CalDavChanges &changes)
{
    return !bringsNews({changes.changed, changes.removed, false}, table.entries()) && !changes.newSyncToken.isEmpty();
}

} // namespace vestrona
