#include "store/Connection.h"

#include "core/AppError.h"
#include "store/StatementParser.h"

#include <QAtomicInteger>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <optional>

namespace vestrona {

namespace {

constexpr int kBusyTimeoutMs = 2000;
constexpr qsizetype kSqliteHeaderSize = 100;
const QByteArray kSqliteMagic = QByteArrayLiteral("SQLite format 3\0");


quint32 bigEndian(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | static_cast<quint8>(bytes.at(offset + i));
    return value;
}

// Everything that can be said about the file without letting SQLite touch it,
// so that a file that is no reminder database is never changed.
void checkFileBeforeOpening(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw AppError(QStringLiteral("The reminder database %1 does not exist.").arg(path));
    if (info.isDir())
        throw AppError(QStringLiteral("The reminder database %1 is a folder, not a file.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("The reminder database %1 cannot be read: %2.").arg(path, file.errorString()));
    const qint64 size = file.size();
    if (size == 0)
        throw AppError(QStringLiteral("The reminder database %1 is empty (0 bytes); it holds no reminders table.").arg(path));
    const QByteArray header = file.read(kSqliteHeaderSize);
    if (!header.startsWith(kSqliteMagic))
        throw AppError(QStringLiteral("The reminder database %1 is not an SQLite database.").arg(path));
    if (header.size() < kSqliteHeaderSize)
        throw AppError(QStringLiteral("The reminder database %1 is damaged: the file is cut off inside its header.").arg(path));

    quint32 pageSize = bigEndian(header, 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0)
        throw AppError(QStringLiteral("The reminder database %1 is damaged: its header names no valid page size.").arg(path));
    // With a write-ahead log beside it the file may legitimately lag behind
    // its header until the next checkpoint.
    if (QFileInfo::exists(path + QStringLiteral("-wal")))
        return;
    const quint32 changeCounter = bigEndian(header, 24, 4);
    const quint32 pageCount = bigEndian(header, 28, 4);
    const quint32 validFor = bigEndian(header, 92, 4);
    const bool pageCountTrusted = pageCount != 0 && validFor == changeCounter;
    if (size % pageSize != 0 || (pageCountTrusted && size < qint64(pageCount) * pageSize))
        throw AppError(QStringLiteral("The reminder database %1 is damaged: the file is shorter than its own header says "
                                      "(it may have been cut off).")
                           .arg(path));
}

bool mayWrite(const QString &path)
{
    const QFileInfo info(path);
    // SQLite writes its journal beside the file, so the folder must take new files too.
    return info.isWritable() && QFileInfo(info.absolutePath()).isWritable();
}

QString isoDate(const QDate &date)
{
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    char text[11];
    text[0] = char('0' + year / 1000 % 10);
    text[1] = char('0' + year / 100 % 10);
    text[2] = char('0' + year / 10 % 10);
    text[3] = char('0' + year % 10);
    text[4] = '-';
    text[5] = char('0' + month / 10);
    text[6] = char('0' + month % 10);
    text[7] = '-';
    text[8] = char('0' + day / 10);
    text[9] = char('0' + day % 10);
    return QString::fromLatin1(text, 10);
}

QString isoTime(const QTime &time)
{
    const int parts[3] = {time.hour(), time.minute(), time.second()};
    char text[8];
    for (int i = 0; i < 3; ++i) {
        text[i * 3] = char('0' + parts[i] / 10);
        text[i * 3 + 1] = char('0' + parts[i] % 10);
        if (i < 2)
            text[i * 3 + 2] = ':';
    }
    return QString::fromLatin1(text, 8);
}

// The fixed-width stored forms are read digit by digit: the ordered select
// decodes every row, and the general ISO readers cost more than the query.
bool readDigits(QUtf8StringView text, qsizetype from, qsizetype count, int &value)
{
    value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char c = text.at(i);
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

QDate storedDate(QUtf8StringView text)
{
    int year = 0, month = 0, day = 0;
    if (text.size() != 10 || text.at(4) != '-' || text.at(7) != '-' || !readDigits(text, 0, 4, year)
        || !readDigits(text, 5, 2, month) || !readDigits(text, 8, 2, day))
        return {};
    return QDate(year, month, day);
}

QTime storedTime(QUtf8StringView text)
{
    int hour = 0, minute = 0, second = 0;
    if (text.size() != 8 || text.at(2) != ':' || text.at(5) != ':' || !readDigits(text, 0, 2, hour)
        || !readDigits(text, 3, 2, minute) || !readDigits(text, 6, 2, second))
        return {};
    return QTime(hour, minute, second);
}

// The rows are read in storage order and sorted here: walking an index and
// looking up every row costs several times as much as a scan and a sort.
const QString kSelectAll = QStringLiteral("select ID, Option, StartDate, StartTime, Reminder, Weekdays from tblReminders");

} // namespace

struct Connection::Impl {
    RegionalSettings regional;
    QString path;
    QString connectionName;
    QSqlDatabase db;
    bool open = false;
    bool readOnly = false;
    qint64 lastInsertId = 0;
    // Prepared once per statement shape: a restore runs the same insert
    // a hundred thousand times.
    std::map<int, QSqlQuery> prepared;
    std::optional<QSqlQuery> dataVersionQuery;
    // The ordered select runs on SQLite directly: reading 100,000 rows
    // through QSqlQuery's per-value QVariants costs several times as much.
    sqlite3_stmt *selectStatement = nullptr;
    sqlite3_stmt *messageStatement = nullptr;

    explicit Impl(RegionalSettings settings) : regional(std::move(settings)) {}

    [[noreturn]] void raise(const QSqlError &error, const QString &action) const
    {
        const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
        raiseCode(error.nativeErrorCode().toInt(), detail, action);
    }

    [[noreturn]] void raiseNative(int code, const QString &action) const
    {
        raiseCode(code, QString::fromUtf8(sqlite3_errstr(code)), action);
    }

    [[noreturn]] void raiseCode(int code, const QString &detail, const QString &action) const
    {
        switch (code & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            throw AppError(QStringLiteral("The reminder database %1 is locked by another program; %2 failed. "
                                          "Try again in a moment.")
                               .arg(path, action));
        case SQLITE_READONLY:
            throw AppError(QStringLiteral("The reminder database %1 is read-only; the change was not saved.").arg(path));
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            throw AppError(QStringLiteral("The reminder database %1 is damaged (%2).").arg(path, detail));
        case SQLITE_FULL:
            throw AppError(QStringLiteral("The disk holding the reminder database %1 is full; the change was not saved.").arg(path));
        case SQLITE_IOERR:
            throw AppError(QStringLiteral("The reminder database %1 could not be read or written (%2); %3 failed.")
                               .arg(path, detail, action));
        default:
            throw AppError(QStringLiteral("The reminder database %1 reported an error: %2 failed (%3).").arg(path, action, detail));
        }
    }

    void requireOpen() const
    {
        if (!open)
            throw AppError(QStringLiteral("The reminder database is not open."));
    }

    void requireWritable() const
    {
        if (readOnly)
            throw AppError(QStringLiteral("The reminder database %1 is read-only; the change was not saved.").arg(path));
    }

    sqlite3_stmt *nativeStatement(sqlite3_stmt *&slot, const QString &sql, const QString &action)
    {
        if (slot)
            return slot;
        const QVariant handle = db.driver()->handle();
        sqlite3 *sqlite = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0
            ? *static_cast<sqlite3 *const *>(handle.constData())
            : nullptr;
        if (!sqlite)
            throw AppError(QStringLiteral("The reminder database %1 is not open.").arg(path));
        const QByteArray text = sql.toUtf8();
        const int status =
            sqlite3_prepare_v3(sqlite, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &slot, nullptr);
        if (status != SQLITE_OK) {
            sqlite3_finalize(slot);
            slot = nullptr;
            raiseNative(status, action);
        }
        return slot;
    }

    // Walks every row in storage order. Without `withMessage` only what
    // scheduling needs is read: no message, and weekdays of weekly rows only,
    // since choosing the next reminder looks at every row but needs one message.
    template <class Row>
    void walkRows(bool withMessage, Row &&row)
    {
        const QString action = QStringLiteral("reading the reminders");
        sqlite3_stmt *statement = nativeStatement(selectStatement, kSelectAll, action);
        // Releases the read lock however the walk ends, the caller's exceptions included.
        struct Finish {
            sqlite3_stmt *statement;
            ~Finish() { sqlite3_reset(statement); }
        } finish{statement};

        const auto text = [statement](int column) {
            return QUtf8StringView(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
                                   sqlite3_column_bytes(statement, column));
        };
        ReminderRecord record;
        int status;
        while ((status = sqlite3_step(statement)) == SQLITE_ROW) {
            record.ID = sqlite3_column_int64(statement, 0);
            record.Option = sqlite3_column_int(statement, 1);
            record.StartDate = storedDate(text(2));
            record.StartTime = storedTime(text(3));
            if (!record.StartDate.isValid() || !record.StartTime.isValid())
                throw AppError(QStringLiteral("The reminder database %1 holds a reminder (ID %2) whose start \"%3 %4\" "
                                              "is no valid date and time.")
                                   .arg(path)
                                   .arg(record.ID)
                                   .arg(text(2).toString(), text(3).toString()));
            if (withMessage)
                record.Reminder = text(4).toString();
            if (withMessage || record.Option == OptionWeekly)
                record.Weekdays = text(5).toString();
            row(record);
        }
        if (status != SQLITE_DONE)
            raiseNative(status, action);
    }

    QSqlQuery run(const QString &sql, const QString &action)
    {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(sql))
            raise(query.lastError(), action);
        return query;
    }

    void validate()
    {
        const QString action = QStringLiteral("checking the file");
        QSqlQuery check = run(QStringLiteral("PRAGMA quick_check"), action);
        if (check.next() && check.value(0).toString() != QLatin1String("ok"))
            throw AppError(QStringLiteral("The reminder database %1 is damaged (%2).").arg(path, check.value(0).toString()));
        check.finish();

        QSqlQuery columns = run(QStringLiteral("PRAGMA table_info(tblReminders)"), action);
        QStringList found;
        while (columns.next())
            found << columns.value(1).toString();
        columns.finish();
        if (found.isEmpty())
            throw AppError(QStringLiteral("The reminder database %1 has no table tblReminders.").arg(path));
        for (const char *name : {"ID", "Option", "StartDate", "StartTime", "Reminder", "Weekdays"}) {
            if (!found.contains(QLatin1String(name), Qt::CaseInsensitive))
                throw AppError(QStringLiteral("The reminder database %1 has a table tblReminders without the column %2.")
                                   .arg(path, QLatin1String(name)));
        }
    }

    void closeDatabase()
    {
        sqlite3_finalize(selectStatement);
        selectStatement = nullptr;
        sqlite3_finalize(messageStatement);
        messageStatement = nullptr;
        prepared.clear();
        dataVersionQuery.reset();
        if (db.isValid())
            db.close();
        db = QSqlDatabase();
        if (!connectionName.isEmpty())
            QSqlDatabase::removeDatabase(connectionName);
        connectionName.clear();
        open = false;
    }

    QSqlQuery &preparedFor(const ParsedStatement &statement)
    {
        int key = static_cast<int>(statement.kind) << 8;
        if (statement.kind == ParsedStatement::Kind::Update) {
            for (const ParsedStatement::Assignment &assignment : statement.values)
                key |= 1 << static_cast<int>(assignment.column);
        }
        auto found = prepared.find(key);
        if (found != prepared.end())
            return found->second;

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
        QSqlQuery query(db);
        if (!query.prepare(sql))
            raise(query.lastError(), QStringLiteral("preparing the change"));
        return prepared.emplace(key, std::move(query)).first->second;
    }

    static QVariant bindable(const QVariant &value)
    {
        if (value.typeId() == QMetaType::QDate)
            return isoDate(value.toDate());
        if (value.typeId() == QMetaType::QTime)
            return isoTime(value.toTime());
        // A null QString binds as SQL NULL; the program's empty text is ''.
        if (value.typeId() == QMetaType::QString && value.toString().isNull())
            return QStringLiteral("");
        return value;
    }

    int execute(const ParsedStatement &statement)
    {
        QSqlQuery &query = preparedFor(statement);
        // Bound in column order, which is the order of the placeholders.
        int position = 0;
        for (int column = 0; column < 5; ++column) {
            for (const ParsedStatement::Assignment &assignment : statement.values) {
                if (static_cast<int>(assignment.column) == column)
                    query.bindValue(position++, bindable(assignment.value));
            }
        }
        if (statement.kind != ParsedStatement::Kind::Insert)
            query.bindValue(position, statement.id);
        if (!query.exec())
            raise(query.lastError(), QStringLiteral("saving the change"));
        if (statement.kind == ParsedStatement::Kind::Insert)
            lastInsertId = query.lastInsertId().toLongLong();
        return query.numRowsAffected();
    }
};

Connection::Connection(RegionalSettings regional) : d(new Impl(std::move(regional))) {}

Connection::~Connection()
{
    Close();
    delete d;
}

int Connection::State() const
{
    return d->open ? 1 : 0;
}

void Connection::Open(const QString &databasePath, Access access)
{
    Close();
    checkFileBeforeOpening(databasePath);

    static QAtomicInteger<quint64> counter;
    d->path = databasePath;
    d->readOnly = access == Access::ReadOnly || !mayWrite(databasePath);
    d->connectionName = QStringLiteral("vestrona-reminders-%1").arg(counter.fetchAndAddRelaxed(1));
    d->db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d->connectionName);
    if (!d->db.isValid()) {
        d->closeDatabase();
        throw AppError(QStringLiteral("The reminder database %1 cannot be opened: the SQLite driver of Qt (QSQLITE) is "
                                      "not installed.")
                           .arg(databasePath));
    }
    // mode=rw keeps SQLite from ever creating the file.
    const QString uri = QUrl::fromLocalFile(QFileInfo(databasePath).absoluteFilePath()).toString(QUrl::FullyEncoded)
                        + (d->readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw"));
    d->db.setDatabaseName(uri);
    d->db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1%2")
                                .arg(kBusyTimeoutMs)
                                .arg(d->readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
    try {
        if (!d->db.open())
            d->raise(d->db.lastError(), QStringLiteral("opening it"));
        d->open = true;
        d->validate();
        if (!d->readOnly) {
            // Only now that the file has proved to be a reminder database may it
            // be changed. A rollback journal, not a write-ahead log: a WAL file
            // cannot even be read by a user who may not create files in its
            // folder, and reading it read-only leaves -wal and -shm files behind.
            // The switch fails harmlessly while another program holds the file
            // in WAL mode, so its result is not checked.
            QSqlQuery(QStringLiteral("PRAGMA journal_mode=DELETE"), d->db).finish();
            d->run(QStringLiteral("PRAGMA synchronous=FULL"), QStringLiteral("opening it"));
        }
    } catch (...) {
        d->closeDatabase();
        throw;
    }
}

void Connection::Close()
{
    d->closeDatabase();
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

void Connection::forEachRow(const QString &statementText, const std::function<void(const ReminderRecord &)> &row)
{
    for (const ReminderRecord &record : selectAll(statementText))
        row(record);
}

std::vector<ReminderRecord> Connection::selectAll(const QString &statementText)
{
    d->requireOpen();
    if (parseStatement(statementText, d->regional).kind != ParsedStatement::Kind::OrderedSelect)
        throw AppError(QStringLiteral("Only the ordered select reads reminders; \"%1\" is a change.").arg(statementText.left(40)));
    std::vector<ReminderRecord> rows;
    d->walkRows(true, [&rows](const ReminderRecord &record) { rows.push_back(record); });
    // Start date, then start time; reminders that start together come in the
    // order they were added.
    std::sort(rows.begin(), rows.end(), [](const ReminderRecord &a, const ReminderRecord &b) {
        return comesBefore(a, b);
    });
    return rows;
}

void Connection::forEachScheduleRow(const std::function<void(const ReminderRecord &)> &row)
{
    d->requireOpen();
    d->walkRows(false, row);
}

QString Connection::reminderMessage(qint64 id)
{
    d->requireOpen();
    const QString action = QStringLiteral("reading a reminder");
    sqlite3_stmt *statement =
        d->nativeStatement(d->messageStatement, QStringLiteral("select Reminder from tblReminders where ID = ?"), action);
    struct Finish {
        sqlite3_stmt *statement;
        ~Finish() { sqlite3_reset(statement); }
    } finish{statement};
    sqlite3_bind_int64(statement, 1, id);
    const int status = sqlite3_step(statement);
    if (status == SQLITE_DONE)
        throw AppError(QStringLiteral("The reminder with the ID %1 is no longer there.").arg(id));
    if (status != SQLITE_ROW)
        d->raiseNative(status, action);
    return QUtf8StringView(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)),
                           sqlite3_column_bytes(statement, 0))
        .toString();
}

void Connection::beginTransaction()
{
    d->requireOpen();
    d->requireWritable();
    if (!d->db.transaction())
        d->raise(d->db.lastError(), QStringLiteral("starting the change"));
}

void Connection::commit()
{
    d->requireOpen();
    if (!d->db.commit())
        d->raise(d->db.lastError(), QStringLiteral("saving the changes"));
}

void Connection::rollback()
{
    d->requireOpen();
    if (!d->db.rollback())
        d->raise(d->db.lastError(), QStringLiteral("undoing the changes"));
}

qint64 Connection::dataVersion() const
{
    d->requireOpen();
    if (!d->dataVersionQuery) {
        d->dataVersionQuery.emplace(d->db);
        d->dataVersionQuery->setForwardOnly(true);
        if (!d->dataVersionQuery->prepare(QStringLiteral("PRAGMA data_version")))
            d->raise(d->dataVersionQuery->lastError(), QStringLiteral("looking for changes"));
    }
    QSqlQuery &query = *d->dataVersionQuery;
    if (!query.exec() || !query.next())
        d->raise(query.lastError(), QStringLiteral("looking for changes"));
    const qint64 version = query.value(0).toLongLong();
    query.finish();
    return version;
}

} // namespace vestrona
