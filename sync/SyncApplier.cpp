#include "sync/SyncApplier.h"

#include "database/Connection.h"
#include "sync/SyncConflictArchive.h"
#include "sync/SyncStateTable.h"

#include <map>
#include <utility>

namespace vestrona {

namespace {

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

} // namespace

SyncApplier::SyncApplier(Connection &conn, SyncStateTable &table, const SyncConflictArchive &archive)
    : mConn(conn), mTable(table), mArchive(archive)
{
}

SyncPlan SyncApplier::decideAndApply(const std::function<SyncPlan(const LocalState &)> &decide, SyncReport &report)
{
    SyncPlan plan;
    SyncReport counts;
    inTransaction(mConn, [&] {
        plan = decide(readState());
        std::vector<SyncEntry> toRecord;
        for (const SyncAction &action : plan.actions)
            apply(action, counts, toRecord);
        recordAsStored(toRecord);
    });
    report.downloaded += counts.downloaded;
    report.deletedHere += counts.deletedHere;
    report.conflicts << counts.conflicts;
    report.leftOut << plan.leftOut;
    return plan;
}

void SyncApplier::readAhead()
{
    inTransaction(mConn, [this] {
        mAhead = LocalState{mConn.orderedRows(), mTable.entries()};
        mAheadStamp = writeStamp();
    });
}

// Within the transaction, so that what was read ahead is known to be what
// the transaction sees.
LocalState SyncApplier::readState()
{
    std::optional<LocalState> ahead = std::exchange(mAhead, std::nullopt);
    // A read first: the transaction sees the file from its first read on,
    // and the data version tells of the commits before that.
    mTable.schemaVersion();
    if (ahead && writeStamp() == mAheadStamp)
        return std::move(*ahead);
    return {mConn.orderedRows(), mTable.entries()};
}

std::pair<qint64, qint64> SyncApplier::writeStamp()
{
    return {mConn.dataVersion(), mConn.ownChanges()};
}

void SyncApplier::apply(const SyncAction &action, SyncReport &counts, std::vector<SyncEntry> &toRecord)
{
    using Kind = SyncAction::Kind;
    const SyncEntry entry{action.href, action.row.ID, action.uid, action.etag, {}};
    switch (action.kind) {
    case Kind::UploadNew:
    case Kind::UploadChange:
    case Kind::DeleteThere:
        return;
    case Kind::AddHere: {
        const ReminderValues &v = action.values;
        mConn.insertReminder(v.option, v.date, v.time, v.message, v.weekdays, v.repeat);
        toRecord.push_back({action.href, mConn.lastInsertId(), action.uid, action.etag, {}});
        ++counts.downloaded;
        return;
    }
    case Kind::TakeServers:
        counts.conflicts << mArchive.keep(action.row);
        [[fallthrough]];
    case Kind::ChangeHere:
        mConn.updateReminder(action.row.ID, action.values);
        toRecord.push_back(entry);
        ++counts.downloaded;
        return;
    case Kind::DeleteHere:
        mConn.deleteReminder(action.row.ID);
        if (action.etag.isEmpty())
            mTable.removeHref(action.href);
        else
            mTable.save({action.href, 0, action.uid, action.etag, {}});
        ++counts.deletedHere;
        return;
    case Kind::Record:
        if (action.row.ID)
            toRecord.push_back(entry);
        else
            mTable.save(entry);
        return;
    case Kind::KeepHere:
        mTable.save({action.href, action.row.ID, action.uid, action.etag, action.state, true});
        return;
    case Kind::RecordLeftOut:
        mTable.save({QString(), action.row.ID, QString(), QByteArray(), syncedStateOf(action.row)});
        return;
    case Kind::ForgetHref:
        mTable.removeHref(action.href);
        return;
    case Kind::ForgetLeftOut:
        mTable.removeReminder(action.row.ID);
        return;
    }
}

void SyncApplier::recordAsStored(std::vector<SyncEntry> &toRecord)
{
    if (toRecord.empty())
        return;
    // The state is read back as stored, so the next sync compares like with like.
    std::map<qint64, SyncedState> stored;
    for (const ReminderRecord &row : mConn.orderedRows())
        stored.emplace(row.ID, syncedStateOf(row));
    for (SyncEntry &entry : toRecord) {
        entry.state = stored[entry.reminderId];
        mTable.save(entry);
    }
}

void SyncApplier::record(const std::vector<SyncEntry> &saved, const std::vector<QString> &forgotten)
{
    if (saved.empty() && forgotten.empty())
        return;
    inTransaction(mConn, [&] {
        for (const SyncEntry &entry : saved)
            mTable.save(entry);
        for (const QString &href : forgotten)
            mTable.removeHref(href);
    });
}

} // namespace vestrona
