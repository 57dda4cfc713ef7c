#pragma once

// For the pieces of database/ only.

#include "core/ReminderRecord.h"
#include "database/SqliteDatabase.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace vestrona {

using RepeatRules = std::unordered_map<qint64, std::shared_ptr<const RepeatRule>>;

// tblRepeatRules, beside tblReminders and keyed by its ID: the rule, the
// dates left out and added and the zone of each reminder that has one of
// them. Made on the first store of such a reminder, so a database without
// them stays exactly as it was; a trigger deletes a reminder's rule with it.
class RepeatRuleTable {
public:
    explicit RepeatRuleTable(SqliteDatabase &db) : mDb(db) {}

    void releaseStatements();

    // Every stored rule by reminder ID; none while the table was never made.
    RepeatRules readAll();
    // The rule of the reminder `id`, or none.
    std::shared_ptr<const RepeatRule> read(qint64 id);
    // Gives each of `rows` its stored rule, looked up one by one: a page of
    // rows needs a few of the rules, not all of them.
    void readInto(std::vector<ReminderRecord> &rows);
    // Stores `repeat` for the reminder `id`, or takes its rule away when
    // `repeat` is empty.
    void store(qint64 id, const RepeatRule &repeat);

private:
    bool exists();
    std::shared_ptr<const RepeatRule> readMade(qint64 id);

    SqliteDatabase &mDb;
    Statement mExists, mSelect, mSelectOne, mUpsert, mDelete;
};

} // namespace vestrona
