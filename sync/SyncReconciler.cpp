#include "sync/SyncReconciler.h"

#include <set>

namespace vestrona {

namespace {

using Kind = SyncAction::Kind;

// One reconciliation: the inputs sorted for lookup, and what is decided.
class Reconciliation {
public:
    explicit Reconciliation(const SyncInputs &in) : mIn(in)
    {
        for (const ReminderRecord &row : in.local)
            mLocal.emplace(row.ID, row);
        for (const SyncEntry &entry : in.entries) {
            if (entry.isSynced())
                mSyncedById.emplace(entry.reminderId, entry);
            if (entry.href.isEmpty())
                mLeftOutById.emplace(entry.reminderId, entry);
            else
                mByHref.emplace(entry.href, entry);
        }
        // An upload whose answer never arrived left no entry; its href tells it.
        for (const auto &[id, row] : mLocal) {
            if (!mSyncedById.count(id) && isExportable(row))
                mOwnHrefs.emplace(newHref(in.collectionPath, iCalendarUid(row, in.calendarId)), id);
        }
    }

    SyncPlan run()
    {
        for (const auto &[href, item] : mIn.fetched)
            takeServerVersion(item);
        for (const QString &href : removedThere())
            takeServerDeletion(href);
        for (const auto &[id, row] : mLocal) {
            if (!mHandledIds.count(id))
                takeLocalState(row);
        }
        for (const auto &[id, entry] : mSyncedById) {
            if (!mLocal.count(id) && !mHandledHrefs.count(entry.href))
                add(Kind::DeleteThere, entry.href, entry.uid, entry.etag, asSynced(entry));
        }
        for (const auto &[id, entry] : mLeftOutById) {
            if (!mLocal.count(id))
                add(Kind::ForgetLeftOut, {}, {}, {}, asSynced(entry));
        }
        return std::move(mPlan);
    }

private:
    void add(Kind kind, const QString &href, const QString &uid, const QByteArray &etag,
             const ReminderRecord &row = {}, const ReminderValues &values = {})
    {
        mPlan.actions.push_back({kind, href, uid, etag, row, values});
    }

    // The reminder of `entry` as it was synced, for the words about it.
    static ReminderRecord asSynced(const SyncEntry &entry)
    {
        ReminderRecord row;
        row.ID = entry.reminderId;
        row.Reminder = entry.state.message;
        return row;
    }

    // Hrefs of the bookkeeping the server no longer holds.
    std::set<QString> removedThere() const
    {
        std::set<QString> removed;
        for (const QString &href : mIn.listing.removed) {
            if (mByHref.count(href))
                removed.insert(href);
        }
        // A listing of the whole collection names no deletions: whatever it
        // lacks is gone.
        std::set<QString> listed;
        for (const CalDavResource &resource : mIn.listing.present)
            listed.insert(resource.href);
        if (mIn.listing.whole) {
            for (const auto &[href, entry] : mByHref) {
                if (!listed.count(href))
                    removed.insert(href);
            }
        }
        // Gone between the listing and the fetch.
        for (const QString &href : hrefsToFetch(mIn.listing, mIn.entries)) {
            if (!mIn.fetched.count(href) && mByHref.count(href))
                removed.insert(href);
        }
        return removed;
    }

    void takeServerVersion(const ServerItem &item)
    {
        const ICalendarResourceContent &resource = item.content;
        mHandledHrefs.insert(item.href);
        const auto known = mByHref.find(item.href);
        const SyncEntry *entry = known == mByHref.end() ? nullptr : &known->second;
        qint64 id = 0;
        if (entry && entry->isSynced()) {
            id = entry->reminderId;
        } else if (const auto own = mOwnHrefs.find(item.href); own != mOwnHrefs.end()) {
            id = own->second;
        }
        const auto here = mLocal.find(id);
        const ReminderRecord *mine = here == mLocal.end() ? nullptr : &here->second;
        if (mine)
            mHandledIds.insert(mine->ID);
        // Without an entry the state it was synced in is unknown: only a
        // different version counts as a change then.
        const bool changedHere = mine && (!entry || !entry->isSynced() || syncedStateOf(*mine) != entry->state);
        const QString uid = resource.uid.isEmpty() && entry ? entry->uid : resource.uid;

        if (!resource.reminder) {
            mPlan.leftOut << QStringLiteral("%1: %2").arg(shownName(resource.summary), resource.leftOutReason);
            if (mine)
                add(changedHere ? Kind::ArchiveAndDeleteHere : Kind::DeleteHere, item.href, uid, {}, *mine);
            add(Kind::Record, item.href, uid, item.etag);
            return;
        }
        const ReminderValues &values = *resource.reminder;
        if (!mine)
            add(Kind::AddHere, item.href, uid, item.etag, {}, values);
        else if (syncedStateOf(storedRecord(values, id)) != syncedStateOf(*mine))
            add(changedHere ? Kind::TakeServers : Kind::ChangeHere, item.href, uid, item.etag, *mine, values);
        else
            add(Kind::Record, item.href, uid, item.etag, *mine);
    }

    void takeServerDeletion(const QString &href)
    {
        const SyncEntry &entry = mByHref.at(href);
        mHandledHrefs.insert(href);
        const auto here = mLocal.find(entry.reminderId);
        if (!entry.isSynced() || here == mLocal.end())
            return add(Kind::ForgetHref, href, {}, {});
        const ReminderRecord &mine = here->second;
        if (syncedStateOf(mine) == entry.state) {
            add(Kind::DeleteHere, href, entry.uid, {}, mine);
            mHandledIds.insert(mine.ID);
        } else if (isExportable(mine)) {
            // Edited here, so it goes up again. The entry stays until the
            // upload is done: should the href be taken meanwhile, the 412
            // finds the reminder as a changed one.
            add(Kind::UploadNew, href, entry.uid, {}, mine);
            mHandledIds.insert(mine.ID);
        } else {
            add(Kind::ForgetHref, href, {}, {});
        }
    }

    void takeLocalState(const ReminderRecord &row)
    {
        const SyncedState state = syncedStateOf(row);
        if (!isExportable(row)) {
            const auto named = mLeftOutById.find(row.ID);
            if (named != mLeftOutById.end() && named->second.state == state)
                return;
            mPlan.leftOut << QStringLiteral("%1: %2").arg(
                shownName(row.Reminder),
                row.damaged ? QStringLiteral("its stored start or repeat cannot be read")
                            : QStringLiteral("it repeats weekly on no weekday, so it never rings"));
            return add(Kind::RecordLeftOut, {}, {}, {}, row);
        }
        const auto synced = mSyncedById.find(row.ID);
        if (synced == mSyncedById.end()) {
            const QString uid = iCalendarUid(row, mIn.calendarId);
            add(Kind::UploadNew, newHref(mIn.collectionPath, uid), uid, {}, row);
        } else if (synced->second.state != state) {
            add(Kind::UploadChange, synced->second.href, synced->second.uid, synced->second.etag, row);
        }
    }

    const SyncInputs &mIn;
    std::map<qint64, ReminderRecord> mLocal;
    std::map<QString, SyncEntry> mByHref;
    std::map<qint64, SyncEntry> mSyncedById;
    std::map<qint64, SyncEntry> mLeftOutById;
    std::map<QString, qint64> mOwnHrefs;
    std::set<qint64> mHandledIds;
    std::set<QString> mHandledHrefs;
    SyncPlan mPlan;
};

} // namespace

std::vector<QString> hrefsToFetch(const ServerListing &listing, const std::vector<SyncEntry> &entries)
{
    std::map<QString, QByteArray> known;
    for (const SyncEntry &entry : entries) {
        if (!entry.href.isEmpty())
            known.emplace(entry.href, entry.etag);
    }
    std::vector<QString> hrefs;
    for (const CalDavResource &resource : listing.present) {
        const auto entry = known.find(resource.href);
        // Its own uploads come back with the ETag already recorded.
        if (entry == known.end() || entry->second != resource.etag)
            hrefs.push_back(resource.href);
    }
    return hrefs;
}

SyncPlan reconcile(const SyncInputs &inputs)
{
    return Reconciliation(inputs).run();
}

QString newHref(const QString &collectionPath, const QString &uid)
{
    QString path = collectionPath;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    QString name = uid;
    for (QChar &c : name) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-') && c != QLatin1Char('_')
            && c != QLatin1Char('.'))
            c = QLatin1Char('-');
    }
    return path + name + QStringLiteral(".ics");
}

QString shownName(const QString &message)
{
    return message.isEmpty() ? QStringLiteral("(no text)") : QLatin1Char('"') + message + QLatin1Char('"');
}

} // namespace vestrona
