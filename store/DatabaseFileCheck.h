#pragma once

#include <QString>

namespace vestrona {

// Everything that can be said about a reminder database file without letting
// SQLite touch it, so that a file that is no reminder database is never
// changed: it must exist, be a readable file, start with an SQLite header
// that names a valid page size, and be as long as that header says. Throws
// AppError naming the file and the problem.
void checkDatabaseFile(const QString &path);

} // namespace vestrona
