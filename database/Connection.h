#pragma once

#include "core/AppError.h"
#include "core/ReminderRecord.h"
#include "formats/RegionalSettings.h"

#include <QString>
#include <QUtf8StringView>
#include <QVariantList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace vestrona {

// Another program holds the database locked for writing; the file itself may
// be fine and usable once the lock goes.
class DatabaseBusyError final : public AppError {
public:
    using AppError::AppError;
};

// SQLite found the file's pages damaged: rows may be missing or wrong.
class DatabaseDamagedError final : public AppError {
public:
    using AppError::AppError;
};

// The program's one database connection (`conn`) to dbReminders.mdb, an
// SQLite 3 file. The windows' commands hand over changes as the statement
// texts they build; each is parsed by parseStatement and run as a prepared
// statement with bound values. Other writers and every reader use typed
// calls. Every failure throws AppError with a description that names the
// problem.
//
// Inside database/ the work is shared out: SqliteDatabase (the handle, its
// errors, transactions, runSql), openReminderDatabase (the open and its
// checks), ReminderReader and ReminderWriter (tblReminders).
class Connection {
public:
    explicit Connection(RegionalSettings regional);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    enum class Access { ReadWrite, ReadOnly };
    // How long opening waits for another program's lock before it throws
    // DatabaseBusyError; once open, every command waits a moment.
    enum class LockWait { AMoment, NotAtAll };
    // Whether SQLite's check of every page runs before the file is used. It
    // reads the whole file, a tenth of a second at a million reminders, so a
    // window that starts leaves a large file's check to run beside it.
    enum class PageCheck { BeforeUse, BeforeUseWhenSmall };

    // 0 closed, 1 open.
    int State() const;

    // Opens an existing database file; never creates one. A file that is not
    // a usable reminder database (not SQLite, truncated, unreadable, a folder,
    // no tblReminders) throws, naming the file and the problem, and is left
    // untouched. A file that may not be written (or ReadOnly access) is
    // opened read-only: reads work, changes throw.
    void Open(const QString &databasePath, Access access = Access::ReadWrite, LockWait wait = LockWait::AMoment,
              PageCheck check = PageCheck::BeforeUse);
    void Close();
    // The last Open left the page check of a large file to the caller.
    bool pagesUnchecked() const;

    bool isReadOnly() const;
    QString databasePath() const;

    // Runs an insert, update or delete; returns the number of rows changed.
    int Execute(const QString &statementText);
    // The ID the last insert assigned.
    qint64 lastInsertId() const;

    // The typed writes store exactly the cells that the statement texts
    // editorInsertStatement, editorUpdateStatement and deleteStatement store
    // for the same values (Weekdays being weekday codes, which those texts
    // do not quote). They throw AppError, storing nothing, for the values
    // whose texts are refused: an Option outside -32768..32767, no date of
    // the years 1 to 9999, no time.
    // Adds a reminder; returns the ID it was given (lastInsertId too).
    qint64 insertReminder(const ReminderValues &values);
    // Replaces every value of the reminder with the ID `id`; returns the
    // number of rows changed, 0 when there is no such reminder.
    int updateReminder(qint64 id, const ReminderValues &values);
    // Returns the number of rows deleted, 0 when there is no such reminder.
    int deleteReminder(qint64 id);

    // Every reminder by start date, start time, then ID, damaged rows too.
    std::vector<ReminderRecord> orderedRows();
    using RowCallback = std::function<void(const ReminderRecord &)>;
    // A row that can ring as it is stored: the start read as numbers as in
    // ScheduleRow, the message and Weekdays still the stored UTF-8, which is
    // only valid during the call that hands the row over.
    struct ListRow {
        qint64 ID = 0;
        int Option = OptionOnce;
        qint64 startDay = 0;
        int startMsecs = 0;
        QUtf8StringView message;
        QUtf8StringView weekdays;
        const RepeatRule *repeat = nullptr; // a rule or zone beside the table, if any
    };
    // The rows of orderedRows in storage order, one at a time, for a reader
    // that keeps them in a form of its own and needs no QString of each:
    // rows that can ring go to `row`, damaged ones whole to `damaged`.
    void forEachListRow(const std::function<void(const ListRow &)> &row, const RowCallback &damaged);
    // How many rows tblReminders holds; counting decodes no row.
    qint64 reminderCount();
    // Every row that can ring (no damaged one) in no particular order, with
    // only what scheduling needs: no message, and Weekdays for weekly rows
    // only. For a reader that looks at every row but needs the message of
    // one. Damaged rows, if `damaged` is given, go to it with their messages.
    void forEachScheduleRow(const RowCallback &row, const RowCallback &damaged = {});
    // The same rows read as numbers, without building a date, time or text
    // for any of them: choosing the next reminder looks at every row.
    void forEachScheduleStart(const std::function<void(const ScheduleRow &)> &row, const RowCallback &damaged = {});
    QString reminderMessage(qint64 id);
    // The damaged rows only, by ID, each with its message and stored cells.
    std::vector<ReminderRecord> damagedRows();
    // The row with this ID whole, damaged or not; nothing when there is none.
    std::optional<ReminderRecord> reminder(qint64 id);

    // The list's order read a page at a time: by the stored start date and
    // start time texts, then ID, which for rows that can ring is the order
    // of orderedRows. The rows with an ID in `leaveOut` are not counted.
    struct ListPage {
        std::vector<qint64> leaveOut;
        // Rows from this place in the order, or, faster, the rows right
        // after `after` (a row read before), when it is given.
        qint64 offset = 0;
        const ReminderRecord *after = nullptr;
        int count = 0;
    };
    std::vector<ReminderRecord> listPage(const ListPage &page);
    // How many rows not left out come before `row` in that order.
    qint64 listPosition(const ReminderRecord &row, const std::vector<qint64> &leaveOut);
    // Gives the list's order an index when the file has none, may be
    // changed and holds more than a few thousand reminders; the list still
    // reads without one, a page costing a sort.
    void indexListOrder();

    // One restore runs in one transaction: all its rows or none. A rollback
    // after SQLite has already ended the transaction does nothing.
    void beginTransaction();
    void commit();
    void rollback();

    // Changes whenever another connection (another process) commits a change
    // to the file; cheap enough to poll once a second.
    qint64 dataVersion() const;
    // Rows this connection itself has changed since it opened.
    qint64 ownChanges() const;

    // For the program's own tables beside tblReminders, such as the sync's
    // bookkeeping: runs `sql`, prepared once per text, with `values` bound in
    // order (a null QVariant binds NULL, whole numbers bind as integers) and
    // hands each result row to `row`: integers as qint64, texts as QString,
    // NULL as a null QVariant. Returns the number of rows changed.
    int runSql(const char *sql, const QVariantList &values = {},
               const std::function<void(const QVariantList &)> &row = {});

    // Adds one reminder with these values bound straight to the insert that
    // the statement texts run, for a caller that has checked them itself: a
    // restore adds a hundred thousand rows without building statement texts.
    // A rule or zone beside the row is stored with it, as one change.
    void insertReminder(int option, const QDate &date, const QTime &time, QStringView message, QStringView weekdays,
                        const RepeatRule &repeat = {});
    // The rows of orderedRows in the same order, handed to `row` one at a
    // time and never all held at once: for writers of every row.
    void forEachOrderedRow(const std::function<void(const ReminderRecord &)> &row);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace vestrona
