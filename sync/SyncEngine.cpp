#include "sync/SyncEngine.h"

#include "core/AppError.h"
#include "database/Connection.h"
#include "formats/ICalendar.h"
#include "database/Statements.h"
#include "sync/SyncStateTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

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

struct Upload {
    enum class Kind { Put, Delete };
    Kind kind = Kind::Put;
    QString href;
    QString uid;
    QByteArray ifMatch; // empty: create
    ReminderRecord row; // what goes up, for Put
};

QString shownName(const QString &message)
{
    return message.isEmpty() ? QStringLiteral("(no text)") : QLatin1Char('"') + message + QLatin1Char('"');
}

// Runs `change` in one transaction of `conn`: all of it or none.
void inTransaction(Connection &conn, const std::function<void()> &change)
{
    conn.beginTransaction();
    try {
        change();
        conn.commit();
    } catch (...) {
        conn.rollback();
        throw;
    }
}

// What one reconciliation has seen and decided so far.
struct Decisions {
    const std::map<qint64, ReminderRecord> &local;
    const std::map<QString, SyncEntry> &byHref;
    std::map<QString, qint64> ownHrefs;
    std::set<qint64> handledIds;
    std::set<QString> handledHrefs;
    std::vector<SyncEntry> toRecord;
};

} // namespace

// One sync from probe to report. It lives in the engine while it runs;
// every answer of the collection checks first that it still does.
struct SyncEngine::Run {
    SyncEngine &engine;
    SyncStateTable table;
    SyncReport report;
    QString calendarId;
    QByteArray newToken;
    int round = 0;

    // What the server changed since the last sync, by href.
    std::vector<QString> toFetch;
    std::map<QString, CalDavObject> fetched;
    std::set<QString> removedThere;

    std::deque<Upload> uploads;
    int uploadsRunning = 0;
    std::vector<SyncEntry> records;      // done on the server, not yet recorded
    std::vector<QString> recordsRemoved; // gone from the server, not yet recorded
    std::vector<QString> refetch;        // answered 412: changed meanwhile
    std::vector<SyncEntry> withoutEtag;  // uploaded, but the server named no ETag
    bool failed = false;

    explicit Run(SyncEngine &owner) : engine(owner), table(owner.mConn) {}

    template <class Answer>
    std::function<Answer> guarded(std::function<Answer> step);

    void start();
    void listChanges(const CalDavCollectionInfo &info);
    void listAll();
    // The ETag of every href in the bookkeeping.
    std::map<QString, QByteArray> knownEtags();
    void takeChanges(const std::vector<CalDavResource> &changed, const std::vector<QString> &removed, bool whole);
    void fetchNext(std::size_t from);
    void reconcile();
    void decide();
    void takeServerVersion(Decisions &decisions, const CalDavObject &object);
    void takeServerDeletion(Decisions &decisions, const QString &href);
    void takeLocalState(const ReminderRecord &row, const std::map<qint64, SyncEntry> &syncedById,
                        const std::map<qint64, SyncEntry> &leftOutById);
    void recordAsStored(std::vector<SyncEntry> &toRecord);
    void uploadNext();
    void uploaded(const Upload &upload, const CalDavFailure &failure, const QByteArray &etag);
    void flushRecords();
    void afterUploads();
    void learnEtags(std::size_t from);
    void settle();
    bool onlyOwnChanges(const CalDavChanges &changes);
    void fail(const QString &words, const QString &fingerprint = QString());
    // Ends the sync when a request failed; true then.
    bool ended(const CalDavFailure &failure);
    void finish();

    qint64 insertHere(const ReminderValues &values);
    void saveConflict(const ReminderRecord &mine);
    QString newHref(const QString &uid) const;
};

SyncEngine::SyncEngine(CalDavCollection &collection, Connection &conn, RegionalSettings regional,
                       QString collectionUrl, QObject *parent)
    : Syncer(parent), mCollection(collection), mConn(conn), mRegional(std::move(regional)),
      mCollectionUrl(std::move(collectionUrl))
{
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
    fail(failure.words.isEmpty() ? QStringLiteral("The calendar server did not answer as expected.") : failure.words,
         failure.certificateFingerprint);
    return true;
}

void SyncEngine::Run::finish()
{
    report.finishedAt = QDateTime::currentDateTime();
    if (report.outcome != SyncReport::Outcome::Failed)
        report.outcome = report.leftOut.isEmpty() ? SyncReport::Outcome::Synced : SyncReport::Outcome::SomeLeftOut;
    const SyncReport done = report;
    SyncEngine &owner = engine;
    // Destroys this run; nothing of it may be touched afterwards.
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
    engine.mCollection.probe(guarded<void(CalDavFailure, CalDavCollectionInfo)>(
        [this](const CalDavFailure &failure, const CalDavCollectionInfo &info) {
            if (ended(failure))
                return;
            listChanges(info);
        }));
}

void SyncEngine::Run::listChanges(const CalDavCollectionInfo &info)
{
    if (!info.supportsSyncCollection)
        return listAll();
    const QByteArray saved = table.syncToken();
    // The collection's token is the one of the last sync: nothing changed
    // there, and this one request is all the server hears of it.
    if (!saved.isEmpty() && info.syncToken == saved) {
        newToken = saved;
        return reconcile();
    }
    engine.mCollection.changesSince(
        saved, guarded<void(CalDavFailure, CalDavChanges)>(
                   [this, saved, info](const CalDavFailure &failure, const CalDavChanges &changes) {
                       if (ended(failure))
                           return;
                       if (!changes.tokenExpired) {
                           newToken = changes.newSyncToken;
                           return takeChanges(changes.changed, changes.removed, saved.isEmpty());
                       }
                       // The whole listing is newer than the probe's token;
                       // what changed in between comes again next time.
                       newToken = info.syncToken;
                       listAll();
                   }));
}

void SyncEngine::Run::listAll()
{
    engine.mCollection.listResources(guarded<void(CalDavFailure, std::vector<CalDavResource>)>(
        [this](const CalDavFailure &failure, const std::vector<CalDavResource> &all) {
            if (ended(failure))
                return;
            takeChanges(all, {}, true);
        }));
}

std::map<QString, QByteArray> SyncEngine::Run::knownEtags()
{
    std::map<QString, QByteArray> known;
    for (const SyncEntry &entry : table.entries()) {
        if (!entry.href.isEmpty())
            known.emplace(entry.href, entry.etag);
    }
    return known;
}

void SyncEngine::Run::takeChanges(const std::vector<CalDavResource> &changed, const std::vector<QString> &removed,
                                  bool whole)
{
    const std::map<QString, QByteArray> known = knownEtags();
    std::set<QString> listed;
    for (const CalDavResource &resource : changed) {
        listed.insert(resource.href);
        const auto entry = known.find(resource.href);
        // Its own uploads come back with the ETag already recorded.
        if (entry == known.end() || entry->second != resource.etag)
            toFetch.push_back(resource.href);
    }
    for (const QString &href : removed) {
        if (known.count(href))
            removedThere.insert(href);
    }
    // A listing of the whole collection names no deletions: whatever it
    // lacks is gone.
    if (whole) {
        for (const auto &[href, etag] : known) {
            if (!listed.count(href))
                removedThere.insert(href);
        }
    }
    fetchNext(0);
}

void SyncEngine::Run::fetchNext(std::size_t from)
{
    if (from >= toFetch.size()) {
        // Gone between the listing and the fetch.
        for (const QString &href : toFetch) {
            if (!fetched.count(href))
                removedThere.insert(href);
        }
        toFetch.clear();
        return reconcile();
    }
    const std::size_t end = std::min(toFetch.size(), from + std::size_t(kFetchBatch));
    const std::vector<QString> batch(toFetch.begin() + qsizetype(from), toFetch.begin() + qsizetype(end));
    engine.mCollection.fetch(
        batch, guarded<void(CalDavFailure, std::vector<CalDavObject>)>(
                   [this, end, batch](const CalDavFailure &failure, const std::vector<CalDavObject> &objects) {
                       if (ended(failure))
                           return;
                       // Only what was asked for: the answer is the server's word.
                       for (const CalDavObject &object : objects) {
                           if (std::find(batch.begin(), batch.end(), object.href) != batch.end())
                               fetched[object.href] = object;
                       }
                       fetchNext(end);
                   }));
}

void SyncEngine::Run::reconcile()
{
    // Read inside the transaction: another program's change cannot slip in
    // between what was read and what is written.
    inTransaction(engine.mConn, [this] { decide(); });
    fetched.clear();
    removedThere.clear();
    uploadNext();
}

void SyncEngine::Run::decide()
{
    Connection &conn = engine.mConn;
    std::map<qint64, ReminderRecord> local;
    for (ReminderRecord &row : conn.orderedRows())
        local.emplace(row.ID, std::move(row));
    std::map<QString, SyncEntry> byHref;
    std::map<qint64, SyncEntry> syncedById, leftOutById;
    for (SyncEntry &entry : table.entries()) {
        if (entry.isSynced())
            syncedById.emplace(entry.reminderId, entry);
        if (entry.href.isEmpty())
            leftOutById.emplace(entry.reminderId, entry);
        else
            byHref.emplace(entry.href, std::move(entry));
    }

    Decisions decisions{local, byHref, {}, {}, {}, {}};
    // An upload whose answer never arrived left no entry; its href tells it.
    for (const auto &[id, row] : local) {
        if (!syncedById.count(id) && isExportable(row))
            decisions.ownHrefs.emplace(newHref(iCalendarUid(row, calendarId)), id);
    }

    for (const auto &[href, object] : fetched)
        takeServerVersion(decisions, object);
    for (const QString &href : removedThere)
        takeServerDeletion(decisions, href);
    for (const auto &[id, row] : local) {
        if (!decisions.handledIds.count(id))
            takeLocalState(row, syncedById, leftOutById);
    }
    for (const auto &[id, entry] : syncedById) {
        if (!local.count(id) && !decisions.handledHrefs.count(entry.href))
            uploads.push_back({Upload::Kind::Delete, entry.href, entry.uid, entry.etag, {}});
    }
    for (const auto &[id, entry] : leftOutById) {
        if (!local.count(id))
            table.removeReminder(id);
    }
    recordAsStored(decisions.toRecord);
}

void SyncEngine::Run::takeServerVersion(Decisions &decisions, const CalDavObject &object)
{
    Connection &conn = engine.mConn;
    const ICalendarResourceContent resource = readICalendarResource(object.calendarData);
    decisions.handledHrefs.insert(object.href);
    const auto known = decisions.byHref.find(object.href);
    const SyncEntry *entry = known == decisions.byHref.end() ? nullptr : &known->second;
    qint64 id = 0;
    if (entry && entry->isSynced()) {
        id = entry->reminderId;
    } else if (const auto own = decisions.ownHrefs.find(object.href); own != decisions.ownHrefs.end()) {
        id = own->second;
    }
    const auto here = decisions.local.find(id);
    const ReminderRecord *mine = here == decisions.local.end() ? nullptr : &here->second;
    if (mine)
        decisions.handledIds.insert(mine->ID);
    // Without an entry the state it was synced in is unknown: only a
    // different version counts as a change then.
    const bool changedHere = mine && (!entry || !entry->isSynced() || syncedStateOf(*mine) != entry->state);
    SyncEntry record{object.href, 0, resource.uid.isEmpty() && entry ? entry->uid : resource.uid, object.etag, {}};

    if (!resource.reminder) {
        report.leftOut << QStringLiteral("%1: %2").arg(shownName(resource.summary), resource.leftOutReason);
        if (mine) {
            if (changedHere)
                saveConflict(*mine);
            conn.Execute(deleteStatement(mine->ID));
            ++report.deletedHere;
        }
        table.save(record);
        return;
    }
    const ReminderValues &values = *resource.reminder;
    if (!mine) {
        id = insertHere(values);
        ++report.downloaded;
    } else if (syncedStateOf(storedRecord(values, id)) != syncedStateOf(*mine)) {
        if (changedHere)
            saveConflict(*mine);
        conn.Execute(editorUpdateStatement(values, id, engine.mRegional));
        ++report.downloaded;
    }
    record.reminderId = id;
    decisions.toRecord.push_back(record);
}

void SyncEngine::Run::takeServerDeletion(Decisions &decisions, const QString &href)
{
    const auto known = decisions.byHref.find(href);
    if (known == decisions.byHref.end())
        return;
    const SyncEntry &entry = known->second;
    decisions.handledHrefs.insert(href);
    const auto here = decisions.local.find(entry.reminderId);
    if (!entry.isSynced() || here == decisions.local.end()) {
        table.removeHref(href);
        return;
    }
    const ReminderRecord &mine = here->second;
    if (syncedStateOf(mine) == entry.state) {
        engine.mConn.Execute(deleteStatement(mine.ID));
        ++report.deletedHere;
        decisions.handledIds.insert(mine.ID);
        table.removeHref(href);
    } else if (isExportable(mine)) {
        // Edited here, so it goes up again. The entry stays until the
        // upload is done: should the href be taken meanwhile, the 412 finds
        // the reminder as a changed one.
        uploads.push_back({Upload::Kind::Put, href, entry.uid, {}, mine});
        decisions.handledIds.insert(mine.ID);
    } else {
        table.removeHref(href);
    }
}

void SyncEngine::Run::takeLocalState(const ReminderRecord &row, const std::map<qint64, SyncEntry> &syncedById,
                                     const std::map<qint64, SyncEntry> &leftOutById)
{
    const SyncedState state = syncedStateOf(row);
    if (!isExportable(row)) {
        const auto named = leftOutById.find(row.ID);
        if (named != leftOutById.end() && named->second.state == state)
            return;
        report.leftOut << QStringLiteral("%1: %2").arg(
            shownName(row.Reminder), row.damaged ? QStringLiteral("its stored start or repeat cannot be read")
                                                 : QStringLiteral("it repeats weekly on no weekday, so it never rings"));
        table.save({QString(), row.ID, QString(), QByteArray(), state});
        return;
    }
    const auto synced = syncedById.find(row.ID);
    if (synced == syncedById.end()) {
        const QString uid = iCalendarUid(row, calendarId);
        uploads.push_back({Upload::Kind::Put, newHref(uid), uid, {}, row});
    } else if (synced->second.state != state) {
        uploads.push_back({Upload::Kind::Put, synced->second.href, synced->second.uid, synced->second.etag, row});
    }
}

void SyncEngine::Run::recordAsStored(std::vector<SyncEntry> &toRecord)
{
    if (toRecord.empty())
        return;
    // The state is read back as stored, so the next sync compares like with like.
    std::map<qint64, SyncedState> stored;
    for (const ReminderRecord &row : engine.mConn.orderedRows())
        stored.emplace(row.ID, syncedStateOf(row));
    for (SyncEntry &entry : toRecord) {
        entry.state = stored[entry.reminderId];
        table.save(entry);
    }
}

void SyncEngine::Run::uploadNext()
{
    while (uploadsRunning < kUploadsAtOnce && !uploads.empty()) {
        const Upload upload = uploads.front();
        uploads.pop_front();
        ++uploadsRunning;
        if (upload.kind == Upload::Kind::Put) {
            engine.mCollection.put(upload.href, iCalendarResource(upload.row, upload.uid), upload.ifMatch,
                                   guarded<void(CalDavFailure, QByteArray)>(
                                       [this, upload](const CalDavFailure &failure, const QByteArray &etag) {
                                           uploaded(upload, failure, etag);
                                       }));
        } else {
            engine.mCollection.remove(upload.href, upload.ifMatch,
                                      guarded<void(CalDavFailure)>([this, upload](const CalDavFailure &failure) {
                                          uploaded(upload, failure, QByteArray());
                                      }));
        }
    }
    if (uploadsRunning == 0 && uploads.empty())
        afterUploads();
}

void SyncEngine::Run::uploaded(const Upload &upload, const CalDavFailure &failure, const QByteArray &etag)
{
    --uploadsRunning;
    const bool put = upload.kind == Upload::Kind::Put;
    if (!failure.failed()) {
        if (put) {
            const SyncEntry entry{upload.href, upload.row.ID, upload.uid, etag, syncedStateOf(upload.row)};
            records.push_back(entry);
            if (etag.isEmpty())
                withoutEtag.push_back(entry);
            ++report.uploaded;
        } else {
            recordsRemoved.push_back(upload.href);
            ++report.deletedThere;
        }
    } else if (failure.kind == CalDavFailure::Kind::PreconditionFailed
               || (failure.kind == CalDavFailure::Kind::NotFound && put)) {
        // Changed or deleted there meanwhile: decided afresh on what the
        // server holds now.
        refetch.push_back(upload.href);
    } else if (failure.kind == CalDavFailure::Kind::NotFound) {
        recordsRemoved.push_back(upload.href);
    } else {
        ended(failure);
        return;
    }
    if (records.size() + recordsRemoved.size() >= std::size_t(kRecordsPerCommit))
        flushRecords();
    uploadNext();
}

void SyncEngine::Run::flushRecords()
{
    if (records.empty() && recordsRemoved.empty())
        return;
    inTransaction(engine.mConn, [this] {
        for (const SyncEntry &entry : records)
            table.save(entry);
        for (const QString &href : recordsRemoved)
            table.removeHref(href);
    });
    records.clear();
    recordsRemoved.clear();
}

void SyncEngine::Run::afterUploads()
{
    flushRecords();
    if (!refetch.empty() && ++round < kRounds) {
        toFetch.swap(refetch);
        refetch.clear();
        return fetchNext(0);
    }
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
    engine.mCollection.fetch(batch, guarded<void(CalDavFailure, std::vector<CalDavObject>)>(
                                        [this, from, end](const CalDavFailure &failure,
                                                          const std::vector<CalDavObject> &objects) {
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
                                        }));
}

// Saves the token for the next sync. After uploads the collection's token
// has moved on past the one the sync started from; when all that moved it
// is this sync's own doing, the newer token spares the next sync listing
// its own uploads again.
void SyncEngine::Run::settle()
{
    if (newToken.isEmpty())
        return finish();
    if (report.uploaded + report.deletedThere == 0) {
        table.setSyncToken(newToken);
        return finish();
    }
    engine.mCollection.changesSince(newToken, guarded<void(CalDavFailure, CalDavChanges)>(
                                                  [this](const CalDavFailure &failure, const CalDavChanges &changes) {
                                                      if (!failure.failed() && !changes.tokenExpired
                                                          && onlyOwnChanges(changes))
                                                          newToken = changes.newSyncToken;
                                                      table.setSyncToken(newToken);
                                                      finish();
                                                  }));
}

bool SyncEngine::Run::onlyOwnChanges(const CalDavChanges &changes)
{
    const std::map<QString, QByteArray> known = knownEtags();
    for (const CalDavResource &resource : changes.changed) {
        const auto entry = known.find(resource.href);
        if (entry == known.end() || entry->second != resource.etag)
            return false;
    }
    for (const QString &href : changes.removed) {
        if (known.count(href))
            return false;
    }
    return !changes.newSyncToken.isEmpty();
}

qint64 SyncEngine::Run::insertHere(const ReminderValues &values)
{
    engine.mConn.Execute(editorInsertStatement(values, engine.mRegional));
    return engine.mConn.lastInsertId();
}

void SyncEngine::Run::saveConflict(const ReminderRecord &mine)
{
    const QString path = QFileInfo(engine.mConn.databasePath()).absoluteDir().filePath(QLatin1String(kSyncConflictsFileName));
    QStringList notWritten;
    // A calendar of its own per version: the file stays one readable
    // calendar file however often it is appended to.
    const QByteArray text = iCalendarText({mine}, calendarId, notWritten);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(text) != text.size() || !file.flush())
        throw AppError(QStringLiteral("The version from here of %1, changed here and on the server, cannot be saved "
                                      "to %2 (%3); nothing was changed.")
                           .arg(shownName(mine.Reminder), path, file.errorString()));
    report.conflicts << QStringLiteral("%1 was changed here and on the server: the server's version was kept, "
                                       "the version from here was saved to %2.")
                            .arg(shownName(mine.Reminder), path);
}

QString SyncEngine::Run::newHref(const QString &uid) const
{
    QString path = engine.mCollection.collectionPath();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    // Only characters no server percent-encodes, so that its listings spell
    // the href exactly as it was uploaded.
    QString name = uid;
    for (QChar &c : name) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-') && c != QLatin1Char('_')
            && c != QLatin1Char('.'))
            c = QLatin1Char('-');
    }
    return path + name + QStringLiteral(".ics");
}

} // namespace vestrona
