#include "sync/SyncEngine.h"

#include "core/Clock.h"
#include "database/Connection.h"
#include "sync/BackgroundReader.h"
#include "sync/SyncEngineRun.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

namespace vestrona {

namespace {

// Pages of a sync-collection answer the server cuts short that are asked
// for in one sync; the rest waits for the next one.
constexpr int kListingPages = 50;

const SystemClock kSystemClock;

} // namespace

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

} // namespace vestrona
