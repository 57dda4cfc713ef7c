#pragma once

// For the pieces of database/ only; other folders reach the file through Connection.

#include <QByteArray>
#include <QString>
#include <QUtf8StringView>
#include <QVariantList>

#include <sqlite3.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace vestrona {

struct FinalizeStatement {
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
// A statement prepared once and kept by whoever runs it.
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

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

// The stored UTF-8 of a column, valid until the statement steps on.
inline QUtf8StringView columnText(sqlite3_stmt *statement, int column)
{
    return QUtf8StringView(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
                           sqlite3_column_bytes(statement, column));
}

// Binds the program's empty text as '' where a null QByteArray would bind
// SQL NULL. SQLITE_STATIC spares SQLite a copy where the text outlives the
// statement's step.
inline void bindText(sqlite3_stmt *statement, int position, const QByteArray &text,
                     sqlite3_destructor_type lifetime = SQLITE_TRANSIENT)
{
    sqlite3_bind_text(statement, position, text.isNull() ? "" : text.constData(), int(text.size()), lifetime);
}

// An int as an integer, a QDate or QTime in the stored ISO form, anything
// else as its text.
void bindValue(sqlite3_stmt *statement, int position, const QVariant &value);

// The open SQLite file behind a Connection: the one place where an SQLite
// result code becomes words for the user, the checks that the file is open
// and may be changed, transactions, and the program's own tables beside
// tblReminders through runSql. Statements that the reminder table's readers
// and writers keep must be let go of before close().
class SqliteDatabase {
public:
    SqliteDatabase() = default;
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase &) = delete;
    SqliteDatabase &operator=(const SqliteDatabase &) = delete;

    // Opens `uri` (an SQLite file URI) with sqlite3_open_v2's `flags`; on
    // failure throws with the handle kept, so that close() is still owed.
    // `path` is the file as the user named it, for the messages.
    void open(const QString &path, const QByteArray &uri, int flags, bool readOnly, bool readOnlyAsked);
    void close();

    sqlite3 *handle() const { return mDb; }
    const QString &path() const { return mPath; }
    bool isReadOnly() const { return mReadOnly; }

    // Throws the AppError (DatabaseBusyError for a lock) that says in plain
    // words what `code` means for the user; `action` names what failed.
    [[noreturn]] void raise(int code, const QString &action) const;
    void requireOpen() const;
    void requireWritable() const;

    // The statement in `slot`, prepared on first use.
    sqlite3_stmt *prepare(Statement &slot, const char *sql, const QString &action);
    // Steps a statement whose one row is one number.
    qint64 number(Statement &slot, const char *sql, const QString &action);
    // Steps a statement that returns no rows, such as BEGIN or COMMIT.
    void run(Statement &slot, const char *sql, const QString &action);
    // Steps a statement kept in `slot` to its end, handing it to `row` at each row.
    template <class Row>
    void stepRows(Statement &slot, const char *sql, const QString &action, Row &&row);
    // The same for a statement prepared for this one use.
    template <class Row>
    void eachRow(const char *sql, const QString &action, Row &&row)
    {
        Statement statement;
        stepRows(statement, sql, action, std::forward<Row>(row));
    }

    // A rollback after SQLite has already ended the transaction does nothing.
    void beginTransaction();
    void commit();
    void rollback();
    qint64 dataVersion();
    qint64 ownChanges();

    // Connection::runSql: `sql` prepared once per text, `values` bound in
    // order, each result row handed to `row` as integers, texts and nulls.
    int runSql(const char *sql, const QVariantList &values, const std::function<void(const QVariantList &)> &row);

private:
    QString readOnlyMessage() const;

    QString mPath;
    sqlite3 *mDb = nullptr;
    bool mReadOnly = false;
    // Opened read-only because the caller asked, not because of the file.
    bool mReadOnlyAsked = false;
    Statement mDataVersion, mBegin, mCommit, mRollback;
    std::map<std::string, Statement, std::less<>> mOwnTables;
};

template <class Row>
void SqliteDatabase::stepRows(Statement &slot, const char *sql, const QString &action, Row &&row)
{
    sqlite3_stmt *statement = prepare(slot, sql, action);
    const ResetOnExit reset(statement);
    int status;
    while ((status = sqlite3_step(statement)) == SQLITE_ROW)
        row(statement);
    if (status != SQLITE_DONE)
        raise(status, action);
}

} // namespace vestrona
