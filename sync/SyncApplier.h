#pragma once

#include "sync/SyncReconciler.h"
#include "sync/SyncReport.h"

#include <functional>
#include <optional>
#include <vector>

namespace vestrona {

class Connection;
class SyncConflictArchive;
class SyncStateTable;

// The reminders and the bookkeeping as one reconciliation finds them.
struct LocalState {
    std::vector<ReminderRecord> rows;
    std::vector<SyncEntry> entries;
};

// Carries out the local half of a sync: the reminders through the
// connection's typed calls and the bookkeeping, each change all or nothing.
// Every call throws AppError as the connection does, having changed nothing.
class SyncApplier {
public:
    // All three must outlive the applier.
    SyncApplier(Connection &conn, SyncStateTable &table, const SyncConflictArchive &archive);

    // In one transaction: reads the local state, lets `decide` plan on it,
    // and carries out the plan's local actions in their order, so that no
    // other program's change slips in between what was read and what is
    // written. Counts what it did in `report` once it is committed; returns
    // the plan, whose remote actions are the caller's.
    SyncPlan decideAndApply(const std::function<SyncPlan(const LocalState &)> &decide, SyncReport &report);
    // Reads the local state now, while the server works on a request: the
    // next decideAndApply takes it instead of reading again, unless this
    // connection or another one has written to the file since.
    void readAhead();

    // Records, in one transaction, what the server has done: `saved` as
    // they are, and the entries of `forgotten` hrefs dropped.
    void record(const std::vector<SyncEntry> &saved, const std::vector<QString> &forgotten);

private:
    void apply(const SyncAction &action, SyncReport &counts, std::vector<SyncEntry> &toRecord);
    void recordAsStored(std::vector<SyncEntry> &toRecord);
    LocalState readState();
    // What tells that nothing was written: other connections' commits and
    // this connection's own changes.
    std::pair<qint64, qint64> writeStamp();

    Connection &mConn;
    SyncStateTable &mTable;
    const SyncConflictArchive &mArchive;
    std::optional<LocalState> mAhead;
    std::pair<qint64, qint64> mAheadStamp;
};

} // namespace vestrona
