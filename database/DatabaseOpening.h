#pragma once

// For Connection and the background page check only; see Connection::Open
// for what opening promises.

#include "database/Connection.h"

namespace vestrona {

class SqliteDatabase;

// Opens `path` into `db` as Connection::Open describes: the file checked
// before SQLite touches it, SQLite's page check unless this very file passed
// it before, the reminder table's columns, then the journal and sync
// settings a writable file is changed under. On a throw `db` may hold the
// half-opened handle; the caller closes it. Returns false when the page
// check was left to the caller.
bool openReminderDatabase(SqliteDatabase &db, const QString &path, Connection::Access access, Connection::LockWait wait,
                          Connection::PageCheck check);

// SQLite's check of every page of the open `db`; throws DatabaseDamagedError
// naming what it found.
void checkPages(SqliteDatabase &db);

// The same check of the file at `path` on a read-only connection of its own,
// for any thread; a file that passes is remembered as passing. Throws
// DatabaseDamagedError for damage, other AppErrors (a lock, a file gone) when
// it cannot tell.
void checkPagesOf(const QString &path);

} // namespace vestrona
