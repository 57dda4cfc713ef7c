#include "database/Connection.h"

#include "core/AppError.h"
#include "database/DatabaseFileCheck.h"
#include "database/StatementParser.h"
#include "formats/StoredDateTime.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include <sqlite3.h>

#include <algorithm>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vestrona {

namespace {

constexpr int kBusyTimeoutMs = 2000;

bool mayWrite(const QString &path)
{
    const QFileInfo info(path);
    // SQLite writes its journal beside the file, so the folder must take new files too.
    return info.isWritable() && QFileInfo(info.absolutePath()).isWritable();
}

// The rows are read in storage order and sorted here: walking an index and
// looking up every row costs several times as much as a scan and a sort.
constexpr auto kSelectAll = "select ID, Option, StartDate, StartTime, Reminder, Weekdays from tblReminders";
constexpr auto kSelectMessage = "select Reminder from tblReminders where ID = ?";
constexpr auto kCountRows = "select count(*) from tblReminders";

struct Finalize {
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;

// Resets a statement however its use ends, the caller's exceptions included,
// so that a read never keeps its lock on the file.
class ResetOnExit {
public:
    explicit ResetOnExit(sqlite3_stmt *statement) : mStatement(statement) {}
    ~ResetOnExit() { sqlite3_reset(mStatement); }
    ResetOnExit(const ResetOnExit &) = delete;
    ResetOnExit &operator=(const ResetOnExit &) = delete;

private:
    sqlite3_stmt *mStatement;
};

QUtf8StringView columnText(sqlite3_stmt *statement, int column)
{
    return QUtf8StringView(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
                           sqlite3_column_bytes(statement, column));
}

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

// SQLITE_STATIC spares SQLite a copy where the text outlives the statement's step.
void bindText(sqlite3_stmt *statement, int position, const QByteArray &text,
              sqlite3_destructor_type lifetime = SQLITE_TRANSIENT)
{
    // A null QByteArray would bind as SQL NULL; the program's empty text is ''.
    sqlite3_bind_text(statement, position, text.isNull() ? "" : text.constData(), int(text.size()), lifetime);
}

void bindValue(sqlite3_stmt *statement, int position, const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
        sqlite3_bind_int(statement, position, value.toInt());
        break;
    case QMetaType::QDate:
        bindText(statement, position, isoDate(value.toDate()));
        break;
    case QMetaType::QTime:
        bindText(statement, position, isoTime(value.toTime()));
        break;
    default:
        bindText(statement, position, value.toString().toUtf8());
        break;
    }
}

} // namespace

struct Connection::Impl {
    RegionalSettings regional;
    QString path;
    sqlite3 *db = nullptr;
    bool readOnly = false;
    // Opened read-only because the caller asked, not because of the file.
    bool readOnlyAsked = false;
    qint64 lastInsertId = 0;
    // Prepared once per statement shape: a restore runs the same insert
    // a hundred thousand times.
    std::map<int, Statement> changes;
    Statement allRows, selectMessage, countRows, dataVersion, begin, commit, rollback;
    std::map<QByteArray, Statement> ownTables;

    explicit Impl(RegionalSettings settings) : regional(std::move(settings)) {}

    [[noreturn]] void raise(int code, const QString &action) const
    {
        const QString detail = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
        switch (code & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            throw DatabaseBusyError(QStringLiteral("The reminder database %1 is locked by another program; %2 failed. "
                                          "Try again in a moment.")
                               .arg(path, action));
        case SQLITE_READONLY:
            throw AppError(readOnlyMessage());
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            throw AppError(QStringLiteral("The reminder database %1 is damaged (%2).").arg(path, detail));
        case SQLITE_FULL:
            throw AppError(QStringLiteral("The disk holding the folder %1 is full; the change to the reminder database was not saved.")
                               .arg(QFileInfo(path).absolutePath()));
        case SQLITE_IOERR:
            throw AppError(QStringLiteral("The reminder database %1 could not be read or written (%2); %3 failed.")
                               .arg(path, detail, action));
        default:
            throw AppError(QStringLiteral("The reminder database %1 reported an error: %2 failed (%3).").arg(path, action, detail));
        }
    }

    void requireOpen() const
    {
        if (!db)
            throw AppError(QStringLiteral("The reminder database is not open."));
    }

    void requireWritable() const
    {
        if (readOnly)
            throw AppError(readOnlyMessage());
    }

    QString readOnlyMessage() const
    {
        // A writable file in a folder that takes no new files cannot be
        // changed either; the folder is what the user has to fix.
        const QFileInfo file(path);
        const QString folder = file.absolutePath();
        if (!readOnlyAsked && file.isWritable() && !QFileInfo(folder).isWritable())
            return QStringLiteral("The folder %1 that holds the reminder database may not be written to, so the "
                                  "change was not saved: changing the database needs room for a journal file there.")
                .arg(folder);
        return QStringLiteral("The reminder database %1 is read-only; the change was not saved.").arg(path);
    }

    sqlite3_stmt *prepare(Statement &slot, const char *sql, const QString &action)
    {
        if (!slot) {
            sqlite3_stmt *statement = nullptr;
            const int status = sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
            slot.reset(statement);
            if (status != SQLITE_OK)
                raise(status, action);
        }
        return slot.get();
    }

    // Steps a statement whose one row is one number.
    qint64 number(Statement &slot, const char *sql, const QString &action)
    {
        sqlite3_stmt *statement = prepare(slot, sql, action);
        const ResetOnExit reset(statement);
        const int status = sqlite3_step(statement);
        if (status != SQLITE_ROW)
            raise(status, action);
        return sqlite3_column_int64(statement, 0);
    }

    // Steps a statement that returns no rows, such as BEGIN or COMMIT.
    void run(Statement &slot, const char *sql, const QString &action)
    {
        sqlite3_stmt *statement = prepare(slot, sql, action);
        const ResetOnExit reset(statement);
        const int status = sqlite3_step(statement);
        if (status != SQLITE_DONE)
            raise(status, action);
    }

    // Runs a statement prepared for this one use, handing each row to `row`.
    template <class Row>
    void eachRow(const char *sql, const QString &action, Row &&row)
    {
        Statement statement;
        sqlite3_stmt *step = prepare(statement, sql, action);
        int status;
        while ((status = sqlite3_step(step)) == SQLITE_ROW)
            row(step);
        if (status != SQLITE_DONE)
            raise(status, action);
    }

    // Walks every row in storage order. Without `withMessage` only what
    // scheduling needs is read: no message, and weekdays of weekly rows only,
    // since choosing the next reminder looks at every row but needs one message.
    template <class Row>
    void walkRows(bool withMessage, Row &&row)
    {
        walkRows(allRows, kSelectAll, withMessage, std::forward<Row>(row));
    }

    template <class Row>
    void walkRows(Statement &slot, const char *sql, bool withMessage, Row &&row)
    {
        ReminderRecord record;
        SharedTexts weekdays;
        stepRows(slot, sql, [&](sqlite3_stmt *statement) {
            readRecord(statement, withMessage, record, &weekdays);
            row(record);
        });
    }

    // Walks every row in storage order with its start read as numbers, never
    // as a QDate, QTime or text: `valid` gets the statement with the option,
    // Julian day and milliseconds since midnight, `damaged` the statement of
    // a row whose option, date or time cannot be read.
    template <class Valid, class Damaged>
    void walkStarts(Valid &&valid, Damaged &&damaged)
    {
        stepRows(allRows, kSelectAll, [&](sqlite3_stmt *statement) {
            const std::optional<int> option = wholeOption(statement);
            const std::optional<qint64> day = storedJulianDay(columnText(statement, 2));
            const std::optional<int> msecs = storedMsecsOfDay(columnText(statement, 3));
            if (option && day && msecs)
                valid(statement, *option, *day, *msecs);
            else
                damaged(statement);
        });
    }

    // Steps a statement kept in `slot` to its end, handing it to `row` at each row.
    template <class Row>
    void stepRows(Statement &slot, const char *sql, Row &&row)
    {
        const QString action = QStringLiteral("reading the reminders");
        sqlite3_stmt *statement = prepare(slot, sql, action);
        const ResetOnExit reset(statement);
        int status;
        while ((status = sqlite3_step(statement)) == SQLITE_ROW)
            row(statement);
        if (status != SQLITE_DONE)
            raise(status, action);
    }

    // The row of a kSelectAll-shaped statement; without `withMessage` only
    // what scheduling needs, as walkRows reads it.
    static void readRecord(sqlite3_stmt *statement, bool withMessage, ReminderRecord &record,
                           SharedTexts *weekdays = nullptr)
    {
        record.ID = sqlite3_column_int64(statement, 0);
        const std::optional<int> option = wholeOption(statement);
        record.Option = option.value_or(0);
        record.StartDate = storedDate(columnText(statement, 2));
        record.StartTime = storedTime(columnText(statement, 3));
        record.damaged = !option || !record.StartDate.isValid() || !record.StartTime.isValid();
        record.stored = record.damaged ? std::make_shared<const StoredCells>(StoredCells{
                                             columnText(statement, 1).toString(), columnText(statement, 2).toString(),
                                             columnText(statement, 3).toString()})
                                       : nullptr;
        if (withMessage)
            record.Reminder = columnText(statement, 4).toString();
        if (withMessage || record.Option == OptionWeekly)
            record.Weekdays = weekdays ? weekdays->take(columnText(statement, 5)) : columnText(statement, 5).toString();
    }

    void open(const QString &databasePath, LockWait wait)
    {
        // mode=rw keeps SQLite from ever creating the file.
        const QByteArray uri =
            QUrl::fromLocalFile(QFileInfo(databasePath).absoluteFilePath()).toEncoded(QUrl::FullyEncoded)
            + (readOnly ? "?mode=ro" : "?mode=rw");
        // A connection serves one thread, so SQLite's locking of it would be pure cost.
        const int flags = SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX | (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
        const int status = sqlite3_open_v2(uri.constData(), &db, flags, nullptr);
        if (status != SQLITE_OK)
            raise(status, QStringLiteral("opening it"));
        sqlite3_busy_timeout(db, wait == LockWait::AMoment ? kBusyTimeoutMs : 0);
    }

    void checkPages()
    {
        bool firstRow = true;
        eachRow("PRAGMA quick_check", QStringLiteral("checking the file"), [&](sqlite3_stmt *row) {
            const QString verdict = columnText(row, 0).toString();
            if (firstRow && verdict != QLatin1String("ok"))
                throw AppError(QStringLiteral("The reminder database %1 is damaged (%2).").arg(path, verdict));
            firstRow = false;
        });
    }

    void checkTable()
    {
        const QString action = QStringLiteral("checking the file");
        QStringList found;
        eachRow("PRAGMA table_info(tblReminders)", action,
                [&found](sqlite3_stmt *row) { found << columnText(row, 1).toString(); });
        if (found.isEmpty())
            throw AppError(QStringLiteral("The reminder database %1 has no table tblReminders.").arg(path));
        for (const char *name : {"ID", "Option", "StartDate", "StartTime", "Reminder", "Weekdays"}) {
            if (!found.contains(QLatin1String(name), Qt::CaseInsensitive))
                throw AppError(QStringLiteral("The reminder database %1 has a table tblReminders without the column %2.")
                                   .arg(path, QLatin1String(name)));
        }
    }

    void close()
    {
        changes.clear();
        ownTables.clear();
        for (Statement *statement : {&allRows, &selectMessage, &countRows, &dataVersion, &begin, &commit, &rollback})
            statement->reset();
        sqlite3_close_v2(db);
        db = nullptr;
    }

    sqlite3_stmt *preparedFor(const ParsedStatement &statement)
    {
        int key = static_cast<int>(statement.kind) << 8;
        if (statement.kind == ParsedStatement::Kind::Update) {
            for (const ParsedStatement::Assignment &assignment : statement.values)
                key |= 1 << static_cast<int>(assignment.column);
        }
        Statement &slot = changes[key];
        if (slot)
            return slot.get();

        QString sql;
        switch (statement.kind) {
        case ParsedStatement::Kind::Insert:
            sql = QStringLiteral("insert into tblReminders (Option, StartDate, StartTime, Reminder, Weekdays) "
                                 "values (?, ?, ?, ?, ?)");
            break;
        case ParsedStatement::Kind::Update: {
            QStringList sets;
            for (int column = 0; column < 5; ++column) {
                if (key & (1 << column))
                    sets << QStringLiteral("%1 = ?").arg(QLatin1String(columnName(ParsedStatement::Column(column))));
            }
            sql = QStringLiteral("update tblReminders set %1 where ID = ?").arg(sets.join(QStringLiteral(", ")));
            break;
        }
        case ParsedStatement::Kind::Delete:
            sql = QStringLiteral("delete from tblReminders where ID = ?");
            break;
        case ParsedStatement::Kind::OrderedSelect:
            break;
        }
        return prepare(slot, sql.toUtf8().constData(), QStringLiteral("preparing the change"));
    }

    int execute(const ParsedStatement &statement)
    {
        sqlite3_stmt *prepared = preparedFor(statement);
        const ResetOnExit reset(prepared);
        // Bound in column order, which is the order of the placeholders.
        int position = 1;
        for (int column = 0; column < 5; ++column) {
            for (const ParsedStatement::Assignment &assignment : statement.values) {
                if (static_cast<int>(assignment.column) == column)
                    bindValue(prepared, position++, assignment.value);
            }
        }
        if (statement.kind != ParsedStatement::Kind::Insert)
            sqlite3_bind_int64(prepared, position, statement.id);
        const int status = sqlite3_step(prepared);
        if (status != SQLITE_DONE)
            raise(status, QStringLiteral("saving the change"));
        if (statement.kind == ParsedStatement::Kind::Insert)
            lastInsertId = sqlite3_last_insert_rowid(db);
        return sqlite3_changes(db);
    }
};

Connection::Connection(RegionalSettings regional) : d(std::make_unique<Impl>(std::move(regional))) {}

Connection::~Connection()
{
    Close();
}

int Connection::State() const
{
    return d->db ? 1 : 0;
}

void Connection::Open(const QString &databasePath, Access access, LockWait wait)
{
    Close();
    const std::optional<DatabaseFileStamp> stamp = checkDatabaseFile(databasePath);
    d->path = databasePath;
    d->readOnlyAsked = access == Access::ReadOnly;
    d->readOnly = d->readOnlyAsked || !mayWrite(databasePath);
    try {
        d->open(databasePath, wait);
        if (!stamp || stamp != lastFilePassingCheck()) {
            d->checkPages();
            if (stamp)
                rememberFilePassingCheck(*stamp);
        }
        d->checkTable();
        sqlite3_busy_timeout(d->db, kBusyTimeoutMs);
        if (!d->readOnly) {
            // Only now that the file has proved to be a reminder database may it
            // be changed. A rollback journal, not a write-ahead log: a WAL file
            // cannot even be read by a user who may not create files in its
            // folder, and reading it read-only leaves -wal and -shm files behind.
            // The switch fails harmlessly while another program holds the file
            // in WAL mode, so its result is not checked.
            sqlite3_exec(d->db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
            const int status = sqlite3_exec(d->db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
            if (status != SQLITE_OK)
                d->raise(status, QStringLiteral("opening it"));
        }
    } catch (...) {
        d->close();
        throw;
    }
}

void Connection::Close()
{
    d->close();
}

bool Connection::isReadOnly() const
{
    return d->readOnly;
}

QString Connection::databasePath() const
{
    return d->path;
}

int Connection::Execute(const QString &statementText)
{
    d->requireOpen();
    const ParsedStatement statement = parseStatement(statementText, d->regional);
    if (statement.kind == ParsedStatement::Kind::OrderedSelect)
        throw AppError(QStringLiteral("Execute runs only insert, update and delete statements; the ordered select is a read."));
    d->requireWritable();
    return d->execute(statement);
}

qint64 Connection::lastInsertId() const
{
    return d->lastInsertId;
}

std::vector<ReminderRecord> Connection::orderedRows()
{
    std::vector<ReminderRecord> rows;
    // Far cheaper than the copies a growing vector makes of every record.
    rows.reserve(size_t(reminderCount()));
    d->walkRows(true, [&rows](const ReminderRecord &record) { rows.push_back(record); });
    // Start date, then start time; reminders that start together come in the
    // order they were added.
    std::sort(rows.begin(), rows.end(), [](const ReminderRecord &a, const ReminderRecord &b) {
        return comesBefore(a, b);
    });
    return rows;
}

void Connection::forEachListRow(const std::function<void(const ListRow &)> &row, const RowCallback &damaged)
{
    d->requireOpen();
    ListRow listed;
    d->walkStarts(
        [&](sqlite3_stmt *statement, int option, qint64 day, int msecs) {
            listed.ID = sqlite3_column_int64(statement, 0);
            listed.Option = option;
            listed.startDay = day;
            listed.startMsecs = msecs;
            listed.message = columnText(statement, 4);
            listed.weekdays = columnText(statement, 5);
            row(listed);
        },
        [&](sqlite3_stmt *statement) {
            ReminderRecord record;
            Impl::readRecord(statement, true, record);
            damaged(record);
        });
}

qint64 Connection::reminderCount()
{
    d->requireOpen();
    return d->number(d->countRows, kCountRows, QStringLiteral("reading the reminders"));
}

void Connection::forEachScheduleRow(const RowCallback &row, const RowCallback &damaged)
{
    d->requireOpen();
    d->walkRows(false, [&](const ReminderRecord &record) {
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

void Connection::forEachScheduleStart(const std::function<void(const ScheduleRow &)> &row,
                                      const RowCallback &damaged)
{
    d->requireOpen();
    ScheduleRow numbers;
    d->walkStarts(
        [&](sqlite3_stmt *statement, int option, qint64 day, int msecs) {
            numbers.ID = sqlite3_column_int64(statement, 0);
            numbers.Option = option;
            numbers.startDay = day;
            numbers.startMsecs = msecs;
            numbers.weekdays = option == OptionWeekly ? weekdayMask(columnText(statement, 5)) : 0;
            row(numbers);
        },
        [&](sqlite3_stmt *statement) {
            if (!damaged)
                return;
            ReminderRecord record;
            Impl::readRecord(statement, false, record);
            // Rare enough that the message is looked up on its own.
            record.Reminder = reminderMessage(record.ID);
            damaged(record);
        });
}

std::vector<ReminderRecord> Connection::damagedRows()
{
    d->requireOpen();
    std::vector<ReminderRecord> rows;
    d->walkRows(true, [&rows](const ReminderRecord &record) {
        if (record.damaged)
            rows.push_back(record);
    });
    std::sort(rows.begin(), rows.end(), hasLowerId);
    return rows;
}

QString Connection::reminderMessage(qint64 id)
{
    d->requireOpen();
    const QString action = QStringLiteral("reading a reminder");
    sqlite3_stmt *statement = d->prepare(d->selectMessage, kSelectMessage, action);
    const ResetOnExit reset(statement);
    sqlite3_bind_int64(statement, 1, id);
    const int status = sqlite3_step(statement);
    if (status == SQLITE_DONE)
        throw AppError(QStringLiteral("The reminder with the ID %1 is no longer there.").arg(id));
    if (status != SQLITE_ROW)
        d->raise(status, action);
    return columnText(statement, 0).toString();
}

void Connection::beginTransaction()
{
    d->requireOpen();
    d->requireWritable();
    d->run(d->begin, "BEGIN", QStringLiteral("starting the change"));
}

void Connection::commit()
{
    d->requireOpen();
    d->run(d->commit, "COMMIT", QStringLiteral("saving the changes"));
}

void Connection::rollback()
{
    d->requireOpen();
    // SQLite itself ends a transaction that a full disk or a lack of memory
    // cut short; there is nothing left to undo then.
    if (sqlite3_get_autocommit(d->db))
        return;
    d->run(d->rollback, "ROLLBACK", QStringLiteral("undoing the changes"));
}

qint64 Connection::dataVersion() const
{
    d->requireOpen();
    return d->number(d->dataVersion, "PRAGMA data_version", QStringLiteral("looking for changes"));
}

int Connection::runSql(const char *sql, const QVariantList &values, const std::function<void(const QVariantList &)> &row)
{
    d->requireOpen();
    const QString action = QStringLiteral("keeping the sync's records");
    sqlite3_stmt *statement = d->prepare(d->ownTables[QByteArray(sql)], sql, action);
    if (!sqlite3_stmt_readonly(statement))
        d->requireWritable();
    const ResetOnExit reset(statement);
    sqlite3_clear_bindings(statement);
    for (int i = 0; i < values.size(); ++i) {
        const QVariant &value = values.at(i);
        if (value.isNull())
            sqlite3_bind_null(statement, i + 1);
        else if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
            sqlite3_bind_int64(statement, i + 1, value.toLongLong());
        else
            bindValue(statement, i + 1, value);
    }
    int status;
    QVariantList columns;
    while ((status = sqlite3_step(statement)) == SQLITE_ROW) {
        columns.clear();
        for (int column = 0; column < sqlite3_column_count(statement); ++column) {
            switch (sqlite3_column_type(statement, column)) {
            case SQLITE_NULL:
                columns.append(QVariant());
                break;
            case SQLITE_INTEGER:
                columns.append(qint64(sqlite3_column_int64(statement, column)));
                break;
            default:
                columns.append(columnText(statement, column).toString());
                break;
            }
        }
        if (row)
            row(columns);
    }
    if (status != SQLITE_DONE)
        d->raise(status, action);
    return sqlite3_stmt_readonly(statement) ? 0 : sqlite3_changes(d->db);
}

void Connection::insertReminder(int option, const QDate &date, const QTime &time, QStringView message,
                                QStringView weekdays)
{
    d->requireOpen();
    d->requireWritable();
    sqlite3_stmt *prepared = d->preparedFor(ParsedStatement{ParsedStatement::Kind::Insert, {}, 0});
    const ResetOnExit reset(prepared);
    const QByteArray texts[] = {isoDate(date), isoTime(time), message.toUtf8(), weekdays.toUtf8()};
    sqlite3_bind_int(prepared, 1, option);
    for (int i = 0; i < 4; ++i)
        bindText(prepared, i + 2, texts[i], SQLITE_STATIC);
    const int status = sqlite3_step(prepared);
    if (status != SQLITE_DONE)
        d->raise(status, QStringLiteral("saving the change"));
    d->lastInsertId = sqlite3_last_insert_rowid(d->db);
}

namespace {

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

} // namespace

void Connection::forEachOrderedRow(const std::function<void(const ReminderRecord &)> &row)
{
    d->requireOpen();
    const int status = sqlite3_create_function_v2(d->db, "vestrona_start_key", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                                  nullptr, startKey, nullptr, nullptr, nullptr);
    if (status != SQLITE_OK)
        d->raise(status, QStringLiteral("reading the reminders"));
    // SQLite sorts in a bounded amount of memory, spilling to a temporary
    // file, where a sort here would hold every row at once.
    Statement ordered;
    d->walkRows(ordered,
                "select ID, Option, StartDate, StartTime, Reminder, Weekdays from tblReminders order by "
                "vestrona_start_key(StartDate, StartTime), ID",
                true, row);
}

int Connection::updateReminder(qint64 id, const ReminderValues &values)
{
    using Column = ParsedStatement::Column;
    d->requireOpen();
    d->requireWritable();
    return d->execute({ParsedStatement::Kind::Update,
                       {{Column::Option, values.option},
                        {Column::StartDate, values.date},
                        {Column::StartTime, values.time},
                        {Column::Reminder, values.message},
                        {Column::Weekdays, values.weekdays}},
                       id});
}

int Connection::deleteReminder(qint64 id)
{
    d->requireOpen();
    d->requireWritable();
    return d->execute({ParsedStatement::Kind::Delete, {}, id});
}

} // namespace vestrona
