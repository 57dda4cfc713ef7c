#include "database/Connection.h"

#include "core/AppError.h"
#include "database/DatabaseOpening.h"
#include "database/ReminderReader.h"
#include "database/ReminderWriter.h"
#include "database/SqliteDatabase.h"
#include "database/StatementParser.h"

#include <QCoreApplication>

namespace vestrona {

struct Connection::Impl {
    RegionalSettings regional;
    SqliteDatabase db;
    ReminderReader reader{db};
    ReminderWriter writer{db};
    bool pagesUnchecked = false;

    explicit Impl(RegionalSettings settings) : regional(std::move(settings)) {}

    void close()
    {
        reader.releaseStatements();
        writer.releaseStatements();
        db.close();
        pagesUnchecked = false;
    }
};

Connection::Connection(RegionalSettings regional) : d(std::make_unique<Impl>(std::move(regional))) {}

Connection::~Connection()
{
    Close();
}

int Connection::State() const
{
    return d->db.handle() ? 1 : 0;
}

void Connection::Open(const QString &databasePath, Access access, LockWait wait, PageCheck check)
{
    Close();
    try {
        d->pagesUnchecked = !openReminderDatabase(d->db, databasePath, access, wait, check);
    } catch (...) {
        d->close();
        throw;
    }
}

void Connection::Close()
{
    d->close();
}

bool Connection::pagesUnchecked() const
{
    return d->pagesUnchecked;
}

bool Connection::isReadOnly() const
{
    return d->db.isReadOnly();
}

QString Connection::databasePath() const
{
    return d->db.path();
}

int Connection::Execute(const QString &statementText)
{
    d->db.requireOpen();
    const ParsedStatement statement = parseStatement(statementText, d->regional);
    if (statement.kind == ParsedStatement::Kind::OrderedSelect)
        throw AppError(QCoreApplication::translate(
            "Connection", "Execute runs only insert, update and delete statements; the ordered select is a read."));
    return d->writer.execute(statement);
}

qint64 Connection::lastInsertId() const
{
    return d->writer.lastInsertId();
}

qint64 Connection::insertReminder(const ReminderValues &values)
{
    return d->writer.insert(values);
}

int Connection::updateReminder(qint64 id, const ReminderValues &values)
{
    return d->writer.update(id, values);
}

int Connection::deleteReminder(qint64 id)
{
    return d->writer.remove(id);
}

void Connection::insertReminder(int option, const QDate &date, const QTime &time, QStringView message,
                                QStringView weekdays, const RepeatRule &repeat)
{
    d->writer.insertUnchecked(option, date, time, message, weekdays, repeat);
}

std::vector<ReminderRecord> Connection::orderedRows()
{
    return d->reader.orderedRows();
}

void Connection::forEachOrderedRow(const std::function<void(const ReminderRecord &)> &row)
{
    d->reader.forEachOrderedRow(row);
}

void Connection::forEachListRow(const std::function<void(const ListRow &)> &row, const RowCallback &damaged)
{
    d->reader.forEachListRow(row, damaged);
}

qint64 Connection::reminderCount()
{
    return d->reader.reminderCount();
}

void Connection::forEachScheduleRow(const RowCallback &row, const RowCallback &damaged)
{
    d->reader.forEachScheduleRow(row, damaged);
}

void Connection::forEachScheduleStart(const std::function<void(const ScheduleRow &)> &row,
                                      const RowCallback &damaged)
{
    d->reader.forEachScheduleStart(row, damaged);
}

std::vector<ReminderRecord> Connection::damagedRows()
{
    return d->reader.damagedRows();
}

std::optional<ReminderRecord> Connection::reminder(qint64 id)
{
    return d->reader.reminder(id);
}

std::vector<ReminderRecord> Connection::listPage(const ListPage &page)
{
    return d->reader.listPage(page);
}

qint64 Connection::listPosition(const ReminderRecord &row, const std::vector<qint64> &leaveOut)
{
    return d->reader.listPosition(row, leaveOut);
}

void Connection::indexListOrder()
{
    d->reader.indexListOrder();
}

QString Connection::reminderMessage(qint64 id)
{
    return d->reader.reminderMessage(id);
}

void Connection::beginTransaction()
{
    d->db.beginTransaction();
}

void Connection::commit()
{
    d->db.commit();
}

void Connection::rollback()
{
    d->db.rollback();
}

qint64 Connection::dataVersion() const
{
    return d->db.dataVersion();
}

qint64 Connection::ownChanges() const
{
    return d->db.ownChanges();
}

int Connection::runSql(const char *sql, const QVariantList &values, const std::function<void(const QVariantList &)> &row)
{
    return d->db.runSql(sql, values, row);
}

} // namespace vestrona
