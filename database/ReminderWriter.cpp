#include "database/ReminderWriter.h"

#include "core/AppError.h"
#include "formats/StoredDateTime.h"

#include <QCoreApplication>
#include <QStringList>

namespace vestrona {

namespace {

using Kind = ParsedStatement::Kind;

constexpr int kColumnCount = 5;
constexpr int kEveryColumn = (1 << kColumnCount) - 1;

// The SQL a parsed statement of `kind` runs, with a placeholder per value in
// column order and, for an update or delete, the ID last.
QByteArray changeSql(Kind kind, int columns)
{
    switch (kind) {
    case Kind::Insert:
        return "insert into tblReminders (Option, StartDate, StartTime, Reminder, Weekdays) values (?, ?, ?, ?, ?)";
    case Kind::Update: {
        QStringList sets;
        for (int column = 0; column < kColumnCount; ++column) {
            if (columns & (1 << column))
                sets << QStringLiteral("%1 = ?").arg(QLatin1String(columnName(ParsedStatement::Column(column))));
        }
        return QStringLiteral("update tblReminders set %1 where ID = ?").arg(sets.join(QStringLiteral(", "))).toUtf8();
    }
    case Kind::Delete:
        return "delete from tblReminders where ID = ?";
    case Kind::OrderedSelect:
        break;
    }
    return {};
}

// Refuses what the statement text of these values would refuse, so that a
// typed write stores a row exactly when the text would: the text writes the
// date as m/d/yyyy with at most four digits of year, and a time at all.
void checkStorable(const ReminderValues &values)
{
    if (values.option < -32768 || values.option > 32767)
        throw AppError(QCoreApplication::translate("StatementParser",
                                                   "Option takes a whole number from -32768 to 32767, not %1.")
                           .arg(values.option));
    if (!values.date.isValid() || values.date.year() < 1 || values.date.year() > 9999)
        throw AppError(QCoreApplication::translate("StatementParser",
                                                   "StartDate takes a date of the years 1 to 9999, not %1.")
                           .arg(values.date.isValid() ? values.date.toString(Qt::ISODate)
                                                      : QCoreApplication::translate("StatementParser", "none")));
    if (!values.time.isValid())
        throw AppError(QCoreApplication::translate("StatementParser",
                                                   "StartTime takes a time of day; none was given."));
}

} // namespace

void ReminderWriter::releaseStatements()
{
    mShapes.clear();
    mRules.releaseStatements();
}

// The row and its rule beside it are stored together or not at all, inside
// a restore's transaction too.
template <class Store>
auto ReminderWriter::withRule(qint64 *id, const RepeatRule &repeat, Store &&store)
{
    const bool keepsRule = !repeat.isEmpty() || id != nullptr;
    if (!keepsRule)
        return store();
    const QString action = QCoreApplication::translate("SqliteDatabase", "saving the change");
    if (const int status = sqlite3_exec(mDb.handle(), "savepoint rule", nullptr, nullptr, nullptr); status != SQLITE_OK)
        mDb.raise(status, action);
    try {
        const auto result = store();
        if (id == nullptr || result > 0)
            mRules.store(id ? *id : mLastInsertId, repeat);
        sqlite3_exec(mDb.handle(), "release rule", nullptr, nullptr, nullptr);
        return result;
    } catch (...) {
        sqlite3_exec(mDb.handle(), "rollback to rule; release rule", nullptr, nullptr, nullptr);
        throw;
    }
}

sqlite3_stmt *ReminderWriter::prepared(Kind kind, int columns)
{
    Statement &slot = mShapes[static_cast<int>(kind) << 8 | columns];
    if (slot)
        return slot.get();
    return mDb.prepare(slot, changeSql(kind, columns).constData(),
                       QCoreApplication::translate("SqliteDatabase", "preparing the change"));
}

int ReminderWriter::step(sqlite3_stmt *statement, Kind kind)
{
    const int status = sqlite3_step(statement);
    if (status != SQLITE_DONE)
        mDb.raise(status, QCoreApplication::translate("SqliteDatabase", "saving the change"));
    if (kind == Kind::Insert)
        mLastInsertId = sqlite3_last_insert_rowid(mDb.handle());
    return sqlite3_changes(mDb.handle());
}

int ReminderWriter::storeRow(sqlite3_stmt *statement, Kind kind, int option, const QDate &date, const QTime &time,
                             QStringView message, QStringView weekdays, qint64 id)
{
    const ResetOnExit reset(statement);
    const QByteArray texts[] = {isoDate(date), isoTime(time), message.toUtf8(), weekdays.toUtf8()};
    sqlite3_bind_int(statement, 1, option);
    for (int i = 0; i < 4; ++i)
        bindText(statement, i + 2, texts[i], SQLITE_STATIC);
    if (kind == Kind::Update)
        sqlite3_bind_int64(statement, kColumnCount + 1, id);
    return step(statement, kind);
}

int ReminderWriter::execute(const ParsedStatement &statement)
{
    mDb.requireOpen();
    mDb.requireWritable();
    int columns = 0;
    if (statement.kind == Kind::Update) {
        for (const ParsedStatement::Assignment &assignment : statement.values)
            columns |= 1 << static_cast<int>(assignment.column);
    }
    sqlite3_stmt *prepared = this->prepared(statement.kind, columns);
    const ResetOnExit reset(prepared);
    // Bound in column order, which is the order of the placeholders.
    int position = 1;
    for (int column = 0; column < kColumnCount; ++column) {
        for (const ParsedStatement::Assignment &assignment : statement.values) {
            if (static_cast<int>(assignment.column) == column)
                bindValue(prepared, position++, assignment.value);
        }
    }
    if (statement.kind != Kind::Insert)
        sqlite3_bind_int64(prepared, position, statement.id);
    return step(prepared, statement.kind);
}

void ReminderWriter::insertUnchecked(int option, const QDate &date, const QTime &time, QStringView message,
                                     QStringView weekdays, const RepeatRule &repeat)
{
    mDb.requireOpen();
    mDb.requireWritable();
    withRule(nullptr, repeat,
             [&] { return storeRow(prepared(Kind::Insert), Kind::Insert, option, date, time, message, weekdays); });
}

qint64 ReminderWriter::insert(const ReminderValues &values)
{
    mDb.requireOpen();
    checkStorable(values);
    mDb.requireWritable();
    withRule(nullptr, values.repeat, [&] {
        return storeRow(prepared(Kind::Insert), Kind::Insert, values.option, values.date, values.time,
                        values.message, values.weekdays);
    });
    return mLastInsertId;
}

int ReminderWriter::update(qint64 id, const ReminderValues &values)
{
    mDb.requireOpen();
    checkStorable(values);
    mDb.requireWritable();
    return withRule(&id, values.repeat, [&] {
        return storeRow(prepared(Kind::Update, kEveryColumn), Kind::Update, values.option, values.date, values.time,
                        values.message, values.weekdays, id);
    });
}

int ReminderWriter::remove(qint64 id)
{
    mDb.requireOpen();
    mDb.requireWritable();
    sqlite3_stmt *statement = prepared(Kind::Delete);
    const ResetOnExit reset(statement);
    sqlite3_bind_int64(statement, 1, id);
    return step(statement, Kind::Delete);
}

} // namespace vestrona
