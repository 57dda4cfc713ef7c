#include "sync/SyncReconciler.h"

#include <QHash>

#include <algorithm>
#include <set>

#include <QCoreApplication>

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
        // An upload whose answer never arrived left no entry; its href and
        // UID tell it. Another computer's or another address's upload of
        // the same reminder shows by its content.
        for (const auto &[id, row] : mLocal) {
            if (mSyncedById.count(id) || !isExportable(row))
                continue;
            const QString uid = iCalendarUid(row, in.calendarId);
            mUnlinked.emplace(newHref(in.collectionPath, uid), id);
            mUnlinked.emplace(uid, id);
            mUnlinked.emplace(contentKey(syncedStateOf(row)), id);
        }
    }

    SyncPlan run()
    {
        const std::set<QString> removed = removedThere();
        if (emptied(removed)) {
            if (mIn.emptied == EmptiedCalendar::Ask) {
                mPlan.serverEmptied = true;
                return std::move(mPlan);
            }
            mUploadAll = mIn.emptied == EmptiedCalendar::UploadAll;
        }
        for (const auto &[href, item] : mIn.fetched)
            takeServerVersion(item);
        for (const QString &href : removed)
            takeServerDeletion(href);
        for (const auto &[id, row] : mLocal) {
            if (!mHandledIds.count(id))
                takeLocalState(row);
        }
        for (const auto &[id, entry] : mSyncedById) {
            if (mLocal.count(id) || mHandledHrefs.count(entry.href))
                continue;
            // What the server holds is no reminder's: it stays, known as left out.
            if (entry.serverLeftOut)
                add(Kind::Record, entry.href, entry.uid, entry.etag);
            else
                add(Kind::DeleteThere, entry.href, entry.uid, entry.etag, asSynced(entry));
        }
        for (const auto &[id, entry] : mLeftOutById) {
            if (!mLocal.count(id))
                add(Kind::ForgetLeftOut, {}, {}, {}, asSynced(entry));
        }
        countStillLeftOut();
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

    static QString contentKey(const SyncedState &state)
    {
        return QStringList{QStringLiteral("content"), state.option, state.date, state.time, state.message,
                           state.weekdays}
            .join(QChar(0));
    }

    // The unlinked reminder here that `item` is, by its href, UID or
    // content, taken so that no second item is matched to it; 0 for none.
    qint64 takeUnlinked(const ServerItem &item)
    {
        QStringList keys{item.href, item.content.uid};
        if (item.content.reminder)
            keys << contentKey(syncedStateOf(storedRecord(*item.content.reminder, 0)));
        for (const QString &key : keys) {
            const auto [first, last] = mUnlinked.equal_range(key);
            for (auto found = first; found != last; ++found) {
                if (!mHandledIds.count(found->second))
                    return found->second;
            }
        }
        return 0;
    }

    // All or most of what the server held is gone, and some of it would
    // take a reminder here with it.
    bool emptied(const std::set<QString> &removed)
    {
        mPlan.held = int(mByHref.size());
        mPlan.lost = int(removed.size());
        // The one item of a calendar of one going is an ordinary deletion.
        const bool most =
            (mPlan.lost == mPlan.held && mPlan.held >= 2) || (mPlan.held >= 10 && 2 * mPlan.lost > mPlan.held);
        if (mPlan.lost == 0 || !most)
            return false;
        for (const QString &href : removed) {
            const SyncEntry &entry = mByHref.at(href);
            const auto here = mLocal.find(entry.reminderId);
            if (entry.isSynced() && here != mLocal.end() && syncedStateOf(here->second) == entry.state)
                return true;
        }
        return false;
    }

    // Left-out items of the bookkeeping this plan neither names nor changes.
    void countStillLeftOut()
    {
        for (const SyncEntry &entry : mIn.entries) {
            if (entry.href.isEmpty()) {
                const auto here = mLocal.find(entry.reminderId);
                mPlan.stillLeftOut += here != mLocal.end() && syncedStateOf(here->second) == entry.state;
            } else if ((!entry.reminderId || entry.serverLeftOut) && !mHandledHrefs.count(entry.href)) {
                ++mPlan.stillLeftOut;
            }
        }
    }

    // Hrefs of the bookkeeping the server no longer holds.
    std::set<QString> removedThere() const
    {
        std::set<QString> removed;
        for (const QString &href : mIn.listing.removed) {
            if (mByHref.count(href))
                removed.insert(href);
        }
        // A complete listing of the whole collection names no deletions:
        // whatever it lacks is gone.
        std::set<QString> listed;
        for (const CalDavResource &resource : mIn.listing.present)
            listed.insert(resource.href);
        if (mIn.listing.whole) {
            for (const auto &[href, entry] : mByHref) {
                if (!listed.count(href))
                    removed.insert(href);
            }
        }
        return removed;
    }

    void takeServerVersion(const ServerItem &item)
    {
        const ICalendarResourceContent &resource = item.content;
        mHandledHrefs.insert(item.href);
        const auto known = mByHref.find(item.href);
        const SyncEntry *entry = known == mByHref.end() ? nullptr : &known->second;
        const qint64 id = entry && entry->isSynced() ? entry->reminderId : takeUnlinked(item);
        const auto here = mLocal.find(id);
        const ReminderRecord *mine = here == mLocal.end() ? nullptr : &here->second;
        if (mine)
            mHandledIds.insert(mine->ID);
        // Without an entry the state it was synced in is unknown: only a
        // different version counts as a change then.
        const bool changedHere = mine && (!entry || !entry->isSynced() || syncedStateOf(*mine) != entry->state);
        const QString uid = resource.uid.isEmpty() && entry ? entry->uid : resource.uid;

        // Cancelled there, as it was synced here: it stops ringing here, and
        // the server's copy stays known as no reminder's.
        if (resource.cancelled && mine && !changedHere)
            return add(Kind::DeleteHere, item.href, uid, item.etag, *mine);
        if (!resource.reminder) {
            mPlan.leftOut << QStringLiteral("%1: %2").arg(shownName(resource.summary), resource.leftOutReason);
            if (!mine)
                return add(Kind::Record, item.href, uid, item.etag);
            // The reminder here keeps ringing as it was synced; an edit here
            // since then stays an edit.
            add(Kind::KeepHere, item.href, uid, item.etag, *mine);
            mPlan.actions.back().state = entry && entry->isSynced() ? entry->state : syncedStateOf(*mine);
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
        if (syncedStateOf(mine) == entry.state && !mUploadAll) {
            add(Kind::DeleteHere, href, entry.uid, {}, mine);
            mHandledIds.insert(mine.ID);
        } else if (isExportable(mine)) {
            // Edited here, or to be put back, so it goes up again. The entry
            // stays until the upload is done: should the href be taken
            // meanwhile, the 412 finds the reminder as a changed one.
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
                row.damaged ? QCoreApplication::translate("SyncReconciler", "its stored start or repeat cannot be read")
                            : QCoreApplication::translate("SyncReconciler",
                                                          "it repeats weekly on no weekday, so it never rings"));
            return add(Kind::RecordLeftOut, {}, {}, {}, row);
        }
        const auto synced = mSyncedById.find(row.ID);
        if (synced != mSyncedById.end() && synced->second.serverLeftOut)
            return;
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
    // Reminders here without an entry, by the href and UID they would be
    // uploaded under and by their content.
    std::multimap<QString, qint64> mUnlinked;
    // The user chose to put back what the server lost.
    bool mUploadAll = false;
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

void addPage(ServerListing &listing, const CalDavChanges &page)
{
    // One pass over what is listed so far, not one per entry: a large
    // calendar's first listing comes as a single page. Each href's last
    // word in the page is the one it keeps, changes first, then removals.
    QHash<QString, qsizetype> lastWord;
    qsizetype word = 0;
    for (const CalDavResource &resource : page.changed)
        lastWord.insert(resource.href, word++);
    for (const QString &href : page.removed)
        lastWord.insert(href, word++);
    std::erase_if(listing.present, [&](const CalDavResource &r) { return lastWord.contains(r.href); });
    std::erase_if(listing.removed, [&](const QString &href) { return lastWord.contains(href); });
    word = 0;
    for (const CalDavResource &resource : page.changed)
        if (lastWord.value(resource.href) == word++)
            listing.present.push_back(resource);
    for (const QString &href : page.removed)
        if (lastWord.value(href) == word++)
            listing.removed.push_back(href);
}

bool bringsNews(const ServerListing &listing, const std::vector<SyncEntry> &entries)
{
    if (!hrefsToFetch(listing, entries).empty())
        return true;
    std::set<QString> held;
    for (const SyncEntry &entry : entries)
        held.insert(entry.href);
    return std::any_of(listing.removed.begin(), listing.removed.end(),
                       [&held](const QString &href) { return held.count(href) != 0; });
}

} // namespace vestrona
