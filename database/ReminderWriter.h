#pragma once

// For Connection only; the contracts of the writes are Connection's.

#include "core/ReminderRecord.h"
#include "database/RepeatRuleTable.h"
#include "database/SqliteDatabase.h"
#include "database/StatementParser.h"

#include <map>

namespace vestrona {

// The writes to tblReminders. The statement texts of the windows' commands
// arrive parsed and the typed writes arrive as values; both run the same
// prepared statements, one per shape, and store the same cells.
class ReminderWriter {
public:
    explicit ReminderWriter(SqliteDatabase &db) : mDb(db) {}

    // Lets go of the prepared statements, before the database closes.
    void releaseStatements();

    // A parsed insert, update or delete; the number of rows changed.
    int execute(const ParsedStatement &statement);
    qint64 insert(const ReminderValues &values);
    int update(qint64 id, const ReminderValues &values);
    int remove(qint64 id);
    // The insert with values the caller has checked itself.
    void insertUnchecked(int option, const QDate &date, const QTime &time, QStringView message, QStringView weekdays,
                         const RepeatRule &repeat);

    qint64 lastInsertId() const { return mLastInsertId; }

private:
    // The statement for `kind`; an update sets the columns whose bits
    // (1 << ParsedStatement::Column) are in `columns`.
    sqlite3_stmt *prepared(ParsedStatement::Kind kind, int columns = 0);
    // Steps `statement` with its placeholders bound; the number of rows changed.
    int step(sqlite3_stmt *statement, ParsedStatement::Kind kind);
    // Binds the five columns in their order, then `id` for an update, and steps.
    int storeRow(sqlite3_stmt *statement, ParsedStatement::Kind kind, int option, const QDate &date,
                 const QTime &time, QStringView message, QStringView weekdays, qint64 id = 0);

    // Stores the row with `store`, then `repeat` beside it under `id` (the
    // new row's when null), as one change.
    template <class Store>
    auto withRule(qint64 *id, const RepeatRule &repeat, Store &&store);

    SqliteDatabase &mDb;
    RepeatRuleTable mRules{mDb};
    // Prepared once per statement shape: a restore runs the same insert
    // a hundred thousand times.
    std::map<int, Statement> mShapes;
    qint64 mLastInsertId = 0;
};

} // namespace vestrona
