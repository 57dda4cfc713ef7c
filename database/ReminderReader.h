#pragma once

// For Connection only; the contracts of the reads are Connection's.

#include "database/Connection.h"
#include "database/RepeatRuleTable.h"
#include "database/SqliteDatabase.h"

#include <vector>

namespace vestrona {

// The typed reads of tblReminders. Every reader walks the one select of all
// rows in storage order and decodes a row's start one way, as numbers; the
// readers that hand out ReminderRecords build the date and time from them.
class ReminderReader {
public:
    explicit ReminderReader(SqliteDatabase &db) : mDb(db) {}

    // Lets go of the prepared statements, before the database closes.
    void releaseStatements();

    std::vector<ReminderRecord> orderedRows();
    void forEachOrderedRow(const Connection::RowCallback &row);
    void forEachListRow(const std::function<void(const Connection::ListRow &)> &row,
                        const Connection::RowCallback &damaged);
    void forEachScheduleRow(const Connection::RowCallback &row, const Connection::RowCallback &damaged);
    void forEachScheduleStart(const std::function<void(const ScheduleRow &)> &row,
                              const Connection::RowCallback &damaged);
    std::vector<ReminderRecord> damagedRows();
    qint64 reminderCount();
    std::optional<ReminderRecord> reminder(qint64 id);
    std::vector<ReminderRecord> listPage(const Connection::ListPage &page);
    qint64 listPosition(const ReminderRecord &row, const std::vector<qint64> &leaveOut);
    void indexListOrder();
    QString reminderMessage(qint64 id);

private:
    template <class Row>
    void walkRows(bool withMessage, Row &&row);
    template <class Row>
    void walkRows(Statement &slot, const char *sql, bool withMessage, Row &&row);
    template <class Numbers, class Valid, class Damaged>
    void walkStarts(Numbers &numbers, Valid &&valid, Damaged &&damaged);

    SqliteDatabase &mDb;
    RepeatRuleTable mRules{mDb};
    Statement mAllRows, mSelectMessage, mCountRows, mSelectRow;
};

} // namespace vestrona
