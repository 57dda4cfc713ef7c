#include "database/ReminderReader.h"

#include "core/AppError.h"
#include "formats/StoredDateTime.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include <QCoreApplication>

namespace vestrona {

namespace {

// The rows are read in storage order and sorted here: walking an index and
// looking up every row costs several times as much as a scan and a sort.
constexpr auto kSelectAll = "select ID, Option, StartDate, StartTime, Reminder, Weekdays from tblReminders";
constexpr auto kSelectMessage = "select Reminder from tblReminders where ID = ?";
constexpr auto kCountRows = "select count(*) from tblReminders";
constexpr auto kSelectRow = "select ID, Option, StartDate, StartTime, Reminder, Weekdays from tblReminders where ID = ?";
// ISO texts sort as the dates and times they name; with the ID, which the
// index holds as the rowid, the index alone gives the list's order.
constexpr auto kIndexListOrder =
    "create index if not exists tblRemindersStart on tblReminders (StartDate, StartTime)";

// The Option column as a whole number of int's range: 1.7 or 4294967297
// must not pass for 1.
std::optional<int> wholeOption(sqlite3_stmt *statement)
{
    const qint64 option = sqlite3_column_int64(statement, 1);
    if (sqlite3_column_type(statement, 1) != SQLITE_INTEGER || option < std::numeric_limits<int>::min()
        || option > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(option);
}

// The Option, StartDate and StartTime cells of a kSelectAll row as numbers,
// each missing where the stored cell cannot be read: the one decoding of a
// row's start that every reader shares.
struct StoredStart {
    std::optional<int> option;
    std::optional<qint64> day;
    std::optional<int> msecs;

    explicit StoredStart(sqlite3_stmt *statement)
        : option(wholeOption(statement)), day(storedJulianDay(columnText(statement, 2))),
          msecs(storedMsecsOfDay(columnText(statement, 3)))
    {
    }
    bool canRing() const { return option && day && msecs; }
};

// A long list repeats a handful of weekday sets: rows storing the same text
// share one string rather than each holding a copy. A table of ever new texts
// stops being pooled after a few hundred.
class SharedTexts {
public:
    QString take(QUtf8StringView text)
    {
        const std::string_view key(text.data(), size_t(text.size()));
        if (const auto found = mTexts.find(key); found != mTexts.end())
            return found->second;
        QString value = text.toString();
        if (mTexts.size() < kMostTexts)
            mTexts.emplace(std::string(key), value);
        return value;
    }

private:
    static constexpr size_t kMostTexts = 256;
    std::map<std::string, QString, std::less<>> mTexts;
};

// The row of a kSelectAll-shaped statement. Without `withMessage` only what
// scheduling needs: no message, and Weekdays of weekly rows only.
void readRecord(sqlite3_stmt *statement, bool withMessage, ReminderRecord &record, SharedTexts *weekdays = nullptr)
{
    const StoredStart start(statement);
    record.ID = sqlite3_column_int64(statement, 0);
    record.Option = start.option.value_or(0);
    record.StartDate = start.day ? QDate::fromJulianDay(*start.day) : QDate();
    record.StartTime = start.msecs ? QTime::fromMSecsSinceStartOfDay(*start.msecs) : QTime();
    record.damaged = !start.canRing();
    record.stored = record.damaged ? std::make_shared<const StoredCells>(StoredCells{
                                         columnText(statement, 1).toString(), columnText(statement, 2).toString(),
                                         columnText(statement, 3).toString()})
                                   : nullptr;
    if (withMessage)
        record.Reminder = columnText(statement, 4).toString();
    if (withMessage || record.Option == OptionWeekly)
        record.Weekdays = weekdays ? weekdays->take(columnText(statement, 5)) : columnText(statement, 5).toString();
}

QString readingAction()
{
    return QCoreApplication::translate("SqliteDatabase", "reading the reminders");
}

QUtf8StringView argumentText(sqlite3_value *argument)
{
    return QUtf8StringView(reinterpret_cast<const char *>(sqlite3_value_text(argument)), sqlite3_value_bytes(argument));
}

// One number that sorts as comesBefore orders the stored start: by date, then
// time, an invalid one before every valid one, as an invalid QDate or QTime
// is. A single whole number lets SQLite's sort compare its records cheaply.
void startKey(sqlite3_context *context, int, sqlite3_value **arguments)
{
    constexpr qint64 kTimesPerDay = 24 * 60 * 60 * 1000 + 1;
    const qint64 day = storedJulianDay(argumentText(arguments[0])).value_or(-1) + 1;
    const qint64 moment = storedMsecsOfDay(argumentText(arguments[1])).value_or(-1) + 1;
    sqlite3_result_int64(context, day * kTimesPerDay + moment);
}

// The start as the list's order compares it: the stored texts.
std::pair<QByteArray, QByteArray> storedStart(const ReminderRecord &row)
{
    if (row.stored)
        return {row.stored->date.toUtf8(), row.stored->time.toUtf8()};
    return {isoDate(row.StartDate), isoTime(row.StartTime)};
}

// The rules by reminder ID, with a bit for each ID in front of the map:
// most rows have no rule, and at 100,000 rows the map's look-ups cost a
// tenth of reading them. IDs far beyond the rows' count, or below zero,
// are looked up in the map alone.
class RuleIndex {
public:
    explicit RuleIndex(RepeatRules rules) : mRules(std::move(rules))
    {
        constexpr qint64 kMostBits = qint64(1) << 24;
        qint64 highest = 0;
        for (const auto &[id, rule] : mRules) {
            if (id < 0 || id >= kMostBits)
                return;
            highest = std::max(highest, id);
        }
        mHasRule.resize(size_t(highest) + 1);
        for (const auto &[id, rule] : mRules)
            mHasRule[size_t(id)] = true;
    }

    const RepeatRule *of(qint64 id) const
    {
        if (mRules.empty()
            || (!mHasRule.empty() && (id < 0 || id >= qint64(mHasRule.size()) || !mHasRule[size_t(id)])))
            return nullptr;
        const auto found = mRules.find(id);
        return found != mRules.end() ? found->second.get() : nullptr;
    }

private:
    RepeatRules mRules;
    std::vector<bool> mHasRule; // empty: every ID is looked up
};

// " and ID not in (...)" for the rows a list read leaves out: a few damaged
// rows, so the IDs are written into the text.
std::string leftOut(const std::vector<qint64> &ids)
{
    std::string clause;
    for (const qint64 id : ids)
        clause += (clause.empty() ? " and ID not in (" : ",") + std::to_string(id);
    return clause.empty() ? clause : clause + ")";
}

} // namespace

void ReminderReader::releaseStatements()
{
    for (Statement *statement : {&mAllRows, &mSelectMessage, &mCountRows, &mSelectRow})
        statement->reset();
    mRules.releaseStatements();
}

// Walks every row in storage order. Without `withMessage` only what
// scheduling needs is read: no message, and weekdays of weekly rows only,
// since choosing the next reminder looks at every row but needs one message.
template <class Row>
void ReminderReader::walkRows(bool withMessage, Row &&row)
{
    walkRows(mAllRows, kSelectAll, withMessage, std::forward<Row>(row));
}

template <class Row>
void ReminderReader::walkRows(Statement &slot, const char *sql, bool withMessage, Row &&row)
{
    ReminderRecord record;
    SharedTexts weekdays;
    const RepeatRules rules = mRules.readAll();
    mDb.stepRows(slot, sql, readingAction(), [&](sqlite3_stmt *statement) {
        readRecord(statement, withMessage, record, &weekdays);
        if (!rules.empty()) {
            const auto found = rules.find(record.ID);
            record.repeat = found != rules.end() ? found->second : nullptr;
        }
        row(record);
    });
}

// Walks every row in storage order with its start read as numbers, never
// as a QDate, QTime or text. For a row that can ring, `numbers` (a ListRow
// or a ScheduleRow) gets the ID, option, Julian day and milliseconds since
// midnight before `valid` gets the statement for the rest; `damaged` gets
// the statement of a row whose option, date or time cannot be read.
template <class Numbers, class Valid, class Damaged>
void ReminderReader::walkStarts(Numbers &numbers, Valid &&valid, Damaged &&damaged)
{
    const RuleIndex rules(mRules.readAll());
    mDb.stepRows(mAllRows, kSelectAll, readingAction(), [&](sqlite3_stmt *statement) {
        const StoredStart start(statement);
        if (!start.canRing()) {
            damaged(statement);
            return;
        }
        numbers.ID = sqlite3_column_int64(statement, 0);
        numbers.repeat = rules.of(numbers.ID);
        numbers.Option = *start.option;
        numbers.startDay = *start.day;
        numbers.startMsecs = *start.msecs;
        valid(statement);
    });
}

std::vector<ReminderRecord> ReminderReader::orderedRows()
{
    std::vector<ReminderRecord> rows;
    // Far cheaper than the copies a growing vector makes of every record.
    rows.reserve(size_t(reminderCount()));
    walkRows(true, [&rows](const ReminderRecord &record) { rows.push_back(record); });
    // Start date, then start time; reminders that start together come in the
    // order they were added.
    std::sort(rows.begin(), rows.end(), [](const ReminderRecord &a, const ReminderRecord &b) {
        return comesBefore(a, b);
    });
    return rows;
}

void ReminderReader::forEachOrderedRow(const Connection::RowCallback &row)
{
    mDb.requireOpen();
    const int status = sqlite3_create_function_v2(mDb.handle(), "vestrona_start_key", 2,
                                                  SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, startKey, nullptr,
                                                  nullptr, nullptr);
    if (status != SQLITE_OK)
        mDb.raise(status, readingAction());
    // SQLite sorts in a bounded amount of memory, spilling to a temporary
    // file, where a sort here would hold every row at once.
    Statement ordered;
    walkRows(ordered,
             "select ID, Option, StartDate, StartTime, Reminder, Weekdays from tblReminders order by "
             "vestrona_start_key(StartDate, StartTime), ID",
             true, row);
}

void ReminderReader::forEachListRow(const std::function<void(const Connection::ListRow &)> &row,
                                    const Connection::RowCallback &damaged)
{
    mDb.requireOpen();
    Connection::ListRow listed;
    walkStarts(
        listed,
        [&](sqlite3_stmt *statement) {
            listed.message = columnText(statement, 4);
            listed.weekdays = columnText(statement, 5);
            row(listed);
        },
        [&](sqlite3_stmt *statement) {
            ReminderRecord record;
            readRecord(statement, true, record);
            damaged(record);
        });
}

void ReminderReader::forEachScheduleRow(const Connection::RowCallback &row, const Connection::RowCallback &damaged)
{
    mDb.requireOpen();
    walkRows(false, [&](const ReminderRecord &record) {
        if (!record.damaged) {
            row(record);
        } else if (damaged) {
            // Rare enough that the message is looked up on its own.
            ReminderRecord named = record;
            named.Reminder = reminderMessage(record.ID);
            damaged(named);
        }
    });
}

void ReminderReader::forEachScheduleStart(const std::function<void(const ScheduleRow &)> &row,
                                          const Connection::RowCallback &damaged)
{
    mDb.requireOpen();
    ScheduleRow numbers;
    walkStarts(
        numbers,
        [&](sqlite3_stmt *statement) {
            numbers.weekdays = numbers.Option == OptionWeekly ? weekdayMask(columnText(statement, 5)) : 0;
            row(numbers);
        },
        [&](sqlite3_stmt *statement) {
            if (!damaged)
                return;
            ReminderRecord record;
            readRecord(statement, false, record);
            // Rare enough that the message is looked up on its own.
            record.Reminder = reminderMessage(record.ID);
            damaged(record);
        });
}

std::vector<ReminderRecord> ReminderReader::damagedRows()
{
    mDb.requireOpen();
    std::vector<ReminderRecord> rows;
    walkRows(true, [&rows](const ReminderRecord &record) {
        if (record.damaged)
            rows.push_back(record);
    });
    std::sort(rows.begin(), rows.end(), hasLowerId);
    return rows;
}

qint64 ReminderReader::reminderCount()
{
    mDb.requireOpen();
    return mDb.number(mCountRows, kCountRows, readingAction());
}

std::optional<ReminderRecord> ReminderReader::reminder(qint64 id)
{
    mDb.requireOpen();
    sqlite3_stmt *statement = mDb.prepare(mSelectRow, kSelectRow, readingAction());
    const ResetOnExit reset(statement);
    sqlite3_bind_int64(statement, 1, id);
    const int status = sqlite3_step(statement);
    if (status == SQLITE_DONE)
        return std::nullopt;
    if (status != SQLITE_ROW)
        mDb.raise(status, readingAction());
    ReminderRecord record;
    readRecord(statement, true, record);
    record.repeat = mRules.read(id);
    return record;
}

std::vector<ReminderRecord> ReminderReader::listPage(const Connection::ListPage &page)
{
    mDb.requireOpen();
    const std::string sql = std::string(kSelectAll) + " where "
        + (page.after ? "(StartDate, StartTime, ID) > (?1, ?2, ?3)" : "1") + leftOut(page.leaveOut)
        + " order by StartDate, StartTime, ID limit ?4 offset ?5";
    std::vector<ReminderRecord> rows;
    rows.reserve(size_t(std::max(page.count, 0)));
    Statement statement;
    sqlite3_stmt *prepared = mDb.prepare(statement, sql.c_str(), readingAction());
    if (page.after) {
        const auto [date, time] = storedStart(*page.after);
        bindText(prepared, 1, date);
        bindText(prepared, 2, time);
        sqlite3_bind_int64(prepared, 3, page.after->ID);
    }
    sqlite3_bind_int(prepared, 4, page.count);
    sqlite3_bind_int64(prepared, 5, page.after ? 0 : page.offset);
    SharedTexts weekdays;
    mDb.stepRows(statement, sql.c_str(), readingAction(), [&](sqlite3_stmt *row) {
        rows.emplace_back();
        readRecord(row, true, rows.back(), &weekdays);
    });
    mRules.readInto(rows);
    return rows;
}

qint64 ReminderReader::listPosition(const ReminderRecord &row, const std::vector<qint64> &leaveOut)
{
    mDb.requireOpen();
    const std::string sql =
        "select count(*) from tblReminders where (StartDate, StartTime, ID) < (?1, ?2, ?3)" + leftOut(leaveOut);
    Statement statement;
    sqlite3_stmt *prepared = mDb.prepare(statement, sql.c_str(), readingAction());
    const auto [date, time] = storedStart(row);
    bindText(prepared, 1, date);
    bindText(prepared, 2, time);
    sqlite3_bind_int64(prepared, 3, row.ID);
    return mDb.number(statement, sql.c_str(), readingAction());
}

void ReminderReader::indexListOrder()
{
    mDb.requireOpen();
    // A file of a few thousand reminders is sorted whole for a page in a
    // few milliseconds: it is left as it is.
    constexpr qint64 kIndexFromPages = 256;
    Statement pages;
    if (mDb.isReadOnly() || mDb.number(pages, "pragma page_count", readingAction()) < kIndexFromPages)
        return;
    // Only a help: a file another program holds locked is read without it.
    sqlite3_exec(mDb.handle(), kIndexListOrder, nullptr, nullptr, nullptr);
}

QString ReminderReader::reminderMessage(qint64 id)
{
    mDb.requireOpen();
    const QString action = QCoreApplication::translate("SqliteDatabase", "reading a reminder");
    sqlite3_stmt *statement = mDb.prepare(mSelectMessage, kSelectMessage, action);
    const ResetOnExit reset(statement);
    sqlite3_bind_int64(statement, 1, id);
    const int status = sqlite3_step(statement);
    if (status == SQLITE_DONE)
        throw AppError(
            QCoreApplication::translate("SqliteDatabase", "The reminder with the ID %1 is no longer there.").arg(id));
    if (status != SQLITE_ROW)
        mDb.raise(status, action);
    return columnText(statement, 0).toString();
}

} // namespace vestrona
