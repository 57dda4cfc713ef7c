#include "database/RepeatRuleTable.h"

#include <QCoreApplication>

namespace vestrona {

namespace {

constexpr auto kExists = "select count(*) from sqlite_master where type = 'table' and name = 'tblRepeatRules'";
constexpr auto kCreate =
    "create table if not exists tblRepeatRules (ID integer primary key, Rule text not null default '', "
    "ExDates text not null default '', RDates text not null default '', Zone text not null default '');"
    "create trigger if not exists trgRepeatRulesDelete after delete on tblReminders "
    "begin delete from tblRepeatRules where ID = old.ID; end;";
constexpr auto kSelect = "select ID, Rule, ExDates, RDates, Zone from tblRepeatRules";
constexpr auto kSelectOne = "select ID, Rule, ExDates, RDates, Zone from tblRepeatRules where ID = ?";
constexpr auto kUpsert = "insert or replace into tblRepeatRules (ID, Rule, ExDates, RDates, Zone) values (?, ?, ?, ?, ?)";
constexpr auto kDelete = "delete from tblRepeatRules where ID = ?";

QString readingAction()
{
    return QCoreApplication::translate("SqliteDatabase", "reading the repeat rules");
}

QString storingAction()
{
    return QCoreApplication::translate("SqliteDatabase", "storing a repeat rule");
}

std::shared_ptr<const RepeatRule> ruleOf(sqlite3_stmt *statement)
{
    return std::make_shared<const RepeatRule>(RepeatRule{columnText(statement, 1).toString(),
                                                         columnText(statement, 2).toString(),
                                                         columnText(statement, 3).toString(),
                                                         columnText(statement, 4).toString()});
}

} // namespace

void RepeatRuleTable::releaseStatements()
{
    for (Statement *statement : {&mExists, &mSelect, &mSelectOne, &mUpsert, &mDelete})
        statement->reset();
}

bool RepeatRuleTable::exists()
{
    return mDb.number(mExists, kExists, readingAction()) > 0;
}

RepeatRules RepeatRuleTable::readAll()
{
    RepeatRules rules;
    if (!exists())
        return rules;
    mDb.stepRows(mSelect, kSelect, readingAction(), [&rules](sqlite3_stmt *statement) {
        rules.emplace(sqlite3_column_int64(statement, 0), ruleOf(statement));
    });
    return rules;
}

std::shared_ptr<const RepeatRule> RepeatRuleTable::read(qint64 id)
{
    return exists() ? readMade(id) : nullptr;
}

void RepeatRuleTable::readInto(std::vector<ReminderRecord> &rows)
{
    if (rows.empty() || !exists())
        return;
    for (ReminderRecord &row : rows)
        row.repeat = readMade(row.ID);
}

std::shared_ptr<const RepeatRule> RepeatRuleTable::readMade(qint64 id)
{
    sqlite3_stmt *statement = mDb.prepare(mSelectOne, kSelectOne, readingAction());
    const ResetOnExit reset(statement);
    sqlite3_bind_int64(statement, 1, id);
    const int status = sqlite3_step(statement);
    if (status == SQLITE_ROW)
        return ruleOf(statement);
    if (status != SQLITE_DONE)
        mDb.raise(status, readingAction());
    return nullptr;
}

void RepeatRuleTable::store(qint64 id, const RepeatRule &repeat)
{
    mDb.requireWritable();
    if (repeat.isEmpty()) {
        if (!exists())
            return;
        sqlite3_stmt *statement = mDb.prepare(mDelete, kDelete, storingAction());
        const ResetOnExit reset(statement);
        sqlite3_bind_int64(statement, 1, id);
        if (const int status = sqlite3_step(statement); status != SQLITE_DONE)
            mDb.raise(status, storingAction());
        return;
    }
    if (!exists()) {
        if (const int status = sqlite3_exec(mDb.handle(), kCreate, nullptr, nullptr, nullptr); status != SQLITE_OK)
            mDb.raise(status, storingAction());
        // Prepared against a schema without the table.
        releaseStatements();
    }
    sqlite3_stmt *statement = mDb.prepare(mUpsert, kUpsert, storingAction());
    const ResetOnExit reset(statement);
    sqlite3_bind_int64(statement, 1, id);
    const QByteArray texts[] = {repeat.rule.toUtf8(), repeat.exdates.toUtf8(), repeat.rdates.toUtf8(),
                                repeat.zone.toUtf8()};
    for (int i = 0; i < 4; ++i)
        bindText(statement, i + 2, texts[i]);
    if (const int status = sqlite3_step(statement); status != SQLITE_DONE)
        mDb.raise(status, storingAction());
}

} // namespace vestrona
