#include "sync/SyncEngine.h"

#include "core/AppError.h"
#include "core/Clock.h"
#include "database/Connection.h"
#include "sync/BackgroundReader.h"
#include "sync/SyncApplier.h"
#include "sync/SyncReconciler.h"
#include "sync/SyncStateTable.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <set>

namespace vestrona {

namespace {

// A 412 answer is followed by fetching the resource and deciding afresh;
// a server that keeps changing under the sync is left for the next one.
constexpr int kRounds = 3;
// Uploads recorded per transaction: each commit waits for the disk. One
// lost before its commit is found on the server by its href next time.
constexpr int kRecordsPerCommit = 500;
// Pages of a sync-collection answer the server cuts short that are asked
// for in one sync; the rest waits for the next one.
constexpr int kListingPages = 50;

// Whether `heard` holds what this side has not taken in: a version to
// fetch, or the deletion of something held here.
bool bringsNews(const ServerListing &heard, const std::vector<SyncEntry> &entries)
{
    if (!hrefsToFetch(heard, entries).empty())
        return true;
    std::set<QString> held;
    for (const SyncEntry &entry : entries)
        held.insert(entry.href);
    return std::any_of(heard.removed.begin(), heard.removed.end(),
                       [&held](const QString &href) { return held.count(href) != 0; });
}

const SystemClock kSystemClock;
} // namespace

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

SyncEngine::SyncEngine(CalDavCollection &collection, Connection &conn, QString collectionUrl, QObject *parent)
    : Syncer(parent), mCollection(collection), mConn(conn), mCollectionUrl(std::move(collectionUrl)),
      mReader(new BackgroundReader(this)), mDeadline(new QTimer(this)), mClock(&kSystemClock)
{
    mDeadline->setSingleShot(true);
    mDeadline->setInterval(kSyncDeadline);
    connect(mDeadline, &QTimer::timeout, this, [this] {
        if (!mRun)
            return;
        mRun->report.failureKind = CalDavFailure::Kind::Timeout;
        mRun->fail(QCoreApplication::translate(
                       "SyncEngine",
                       "The sync took longer than %1 seconds and was stopped. What it did so far is kept; "
                       "the next sync goes on from there.")
                       .arg(mDeadline->interval() / 1000.0));
    });
}

void SyncEngine::setSyncDeadline(std::chrono::milliseconds deadline)
{
    mDeadline->setInterval(deadline);
}

void SyncEngine::setClock(const Clock &clock)
{
    mClock = &clock;
}

SyncEngine::~SyncEngine() = default;

bool SyncEngine::isSyncing() const
{
    return mRun != nullptr;
}

void SyncEngine::sync()
{
    if (mRun)
        return;
    ++mRunNumber;
    mRun = std::make_unique<Run>(*this);
    mRun->emptied = takeEmptiedAnswer();
    mDeadline->start();
    mRun->start();
}

void SyncEngine::Run::fail(const QString &words, const QString &fingerprint)
{
    if (failed)
        return;
    failed = true;
    report.outcome = SyncReport::Outcome::Failed;
    report.failure = words;
    report.certificateFingerprint = fingerprint;
    // What the server already did is kept, so a retry repeats none of it.
    try {
        flushRecords();
    } catch (const AppError &) {
        // The next sync finds these on the server and links them again.
    }
    finish();
}

bool SyncEngine::Run::ended(const CalDavFailure &failure)
{
    if (!failure.failed())
        return false;
    // The scheduler stops retrying on its own for what only the user can mend.
    report.failureKind = failure.kind;
    fail(failure.words.isEmpty()
             ? QCoreApplication::translate("SyncEngine", "The calendar server did not answer as expected.")
             : failure.words,
         failure.certificateFingerprint);
    return true;
}

void SyncEngine::Run::finish()
{
    report.finishedAt = QDateTime::currentDateTime();
    if (report.outcome != SyncReport::Outcome::Failed)
        report.outcome = report.leftOut.isEmpty() && report.stillLeftOut == 0 ? SyncReport::Outcome::Synced
                                                                               : SyncReport::Outcome::SomeLeftOut;
    const SyncReport done = report;
    SyncEngine &owner = engine;
    // Destroys this run; nothing of it may be touched afterwards.
    owner.mDeadline->stop();
    owner.mRun.reset();
    emit owner.finished(done);
}

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

void SyncEngine::Run::start()
{
    try {
        table.open(engine.mCollectionUrl);
        calendarId = table.calendarId();
    } catch (const AppError &e) {
        // Reported later, as every outcome is: the caller may not expect
        // the signal before sync() returns.
        QMetaObject::invokeMethod(&engine, [this, words = e.description()] { fail(words); }, Qt::QueuedConnection);
        return;
    }
    archive.emplace(engine.mConn.databasePath(), calendarId);
    applier.emplace(engine.mConn, table, *archive);
    lastModified.emplace(table.lastModifiedRecord(), engine.mClock->now());
    if (lastModified->mayAskTimeOnly(!table.syncToken().isEmpty()))
        probeAsked = CalDavProbe::WithoutToken;
    engine.mCollection.probe(probeAsked, guarded<void(CalDavFailure, CalDavCollectionInfo)>(
                                             [this](const CalDavFailure &failure, const CalDavCollectionInfo &info) {
                                                 if (ended(failure))
                                                     return;
                                                 probed = info;
                                                 listChanges(info);
                                             }));
    try {
        applier->readAhead();
    } catch (const AppError &) {
        // Read again when the sync comes to decide, which reports it then.
    }
}

void SyncEngine::Run::listChanges(const CalDavCollectionInfo &info)
{
    if (!info.supportsSyncCollection)
        return listAll();
    const QByteArray saved = table.syncToken();
    // The collection's token, or its time, is the one of the last sync:
    // nothing changed there, and this one request is all the server hears
    // of it.
    const bool unchanged = probeAsked == CalDavProbe::WithoutToken ? lastModified->unchanged(info)
                                                                     : !saved.isEmpty() && info.syncToken == saved;
    if (unchanged) {
        newToken = saved;
        return reconcileRound();
    }
    learnFromListing = probeAsked == CalDavProbe::WithToken && !saved.isEmpty();
    listChangesFrom(saved, saved.isEmpty(), info, {}, 0);
}

// Asks for the changes since `from`, page after page while the server cuts
// its answer short (RFC 6578 section 3.6): each page's token goes on from
// where that page stopped.
void SyncEngine::Run::listChangesFrom(const QByteArray &from, bool whole, const CalDavCollectionInfo &info,
                                      ServerListing sofar, int pages)
{
    engine.mCollection.changesSince(
        from, guarded<void(CalDavFailure, CalDavChanges)>([this, from, whole, info, sofar, pages](
                                                              const CalDavFailure &failure,
                                                              const CalDavChanges &changes) mutable {
            // Not every server that cannot read a token says valid-sync-token:
            // Xandikos fails with error 500 on one of a calendar deleted and
            // made again. Asked with the saved token, such a refusal is taken
            // as forgetting it; should the listing fail too, that is reported.
            const bool tokenRefused = failure.kind == CalDavFailure::Kind::Server && pages == 0 && !from.isEmpty();
            if (!tokenRefused && ended(failure))
                return;
            if (changes.tokenExpired || tokenRefused) {
                // Dropped at once, so that no later sync asks with it again.
                table.setSyncToken(QByteArray());
                // The whole listing is newer than the probe's token; what
                // changed in between comes again next time.
                newToken = info.syncToken;
                return listAll();
            }
            addPage(sofar, changes);
            newToken = changes.newSyncToken;
            const bool goesOn = !changes.newSyncToken.isEmpty() && changes.newSyncToken != from;
            if (changes.truncated && goesOn && pages + 1 < kListingPages)
                return listChangesFrom(changes.newSyncToken, whole, info, std::move(sofar), pages + 1);
            // Cut short, it is no whole listing: what it lacks may be there.
            sofar.whole = whole && !changes.truncated;
            takeListing(std::move(sofar));
        }));
}

void SyncEngine::Run::listAll()
{
    engine.mCollection.listResources(guarded<void(CalDavFailure, std::vector<CalDavResource>)>(
        [this](const CalDavFailure &failure, const std::vector<CalDavResource> &all) {
            if (ended(failure))
                return;
            takeListing({all, {}, true});
        }));
}

void SyncEngine::Run::takeListing(ServerListing heard)
{
    listing = std::move(heard);
    const std::vector<SyncEntry> entries = table.entries();
    toFetch = hrefsToFetch(listing, entries);
    if (learnFromListing && !listing.whole) {
        lastModified->learn(probed, bringsNews(listing, entries));
        table.setLastModifiedRecord(lastModified->learnt());
    }
    learnFromListing = false;
    fetchFrom = 0;
    fetchNext();
}

// A few multigets at once, so that a second computer's first sync waits on
// the server rather than on one round trip after another; the answers are
// read one by one on the reader thread in whatever order they come.
void SyncEngine::Run::fetchNext()
{
    while (fetchesRunning < kFetchesAtOnce && fetchFrom < toFetch.size()) {
        const std::size_t end = std::min(toFetch.size(), fetchFrom + std::size_t(kFetchBatch));
        const std::vector<QString> batch(toFetch.begin() + qsizetype(fetchFrom), toFetch.begin() + qsizetype(end));
        fetchFrom = end;
        ++fetchesRunning;
        // Served calendars are read on the engine's reader thread: a hostile
        // time zone or a huge event must not hold up the countdown and the alarm.
        const auto read = [this, batch](const CalDavFailure &failure, const std::vector<CalDavObject> &objects) {
            if (ended(failure))
                return;
            engine.mReader->read<std::vector<ServerItem>>(
                [objects, batch] {
                    std::vector<ServerItem> items;
                    // Only what was asked for: the answer is the server's word.
                    for (const CalDavObject &object : objects)
                        if (std::find(batch.begin(), batch.end(), object.href) != batch.end())
                            items.push_back({object.href, object.etag, readICalendarResource(object.calendarData)});
                    return items;
                },
                guarded<void(std::vector<ServerItem>)>([this](const std::vector<ServerItem> &items) {
                    for (const ServerItem &item : items)
                        fetched[item.href] = item;
                    --fetchesRunning;
                    fetchNext();
                }));
        };
        engine.mCollection.fetch(batch, guarded<void(CalDavFailure, std::vector<CalDavObject>)>(read));
    }
    if (fetchesRunning == 0 && fetchFrom >= toFetch.size())
        reconcileRound();
}

void SyncEngine::Run::reconcileRound()
{
    if (fetched.size() < toFetch.size())
        holdToken = true;
    const SyncPlan plan = applier->decideAndApply(
        [this](const LocalState &here) {
            return reconcile({here.rows, here.entries, listing, fetched, calendarId,
                              engine.mCollection.collectionPath(), emptied});
        },
        report);
    if (plan.serverEmptied) {
        report.serverEmptied = true;
        return fail(
            QCoreApplication::translate("SyncEngine",
                                        "The calendar on the server no longer holds %1 of the %2 items it held at the "
                                        "last sync, so nothing was deleted here. Either put this computer's reminders "
                                        "back on the server, or delete them here too.")
                .arg(plan.lost)
                .arg(plan.held));
    }
    if (round == 0)
        report.stillLeftOut = plan.stillLeftOut;
    listing = {};
    fetched.clear();
    for (const SyncAction &action : plan.actions) {
        if (action.isRemote())
            uploads.push_back(action);
    }
    uploadNext();
}

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
