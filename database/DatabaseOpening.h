#pragma once

// For Connection only; see Connection::Open for what opening promises.

#include "database/Connection.h"

namespace vestrona {

class SqliteDatabase;

// Opens `path` into `db` as Connection::Open describes: the file checked
// before SQLite touches it, SQLite's page check unless this very file passed
// it before, the reminder table's columns, then the journal and sync
// settings a writable file is changed under. On a throw `db` may hold the
// half-opened handle; the caller closes it.
void openReminderDatabase(SqliteDatabase &db, const QString &path, Connection::Access access, Connection::LockWait wait);

} // namespace vestrona
