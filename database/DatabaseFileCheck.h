#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace vestrona {

// One state of a database file as the file system and SQLite's header tell
// it: a write changes the times (and the header's change counter when SQLite
// writes), a copy or a replacement changes the inode.
struct DatabaseFileStamp {
    qint64 device = 0;
    qint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint32 changeCounter = 0;
    // Last modified long enough before it was taken that a write after it
    // cannot have left the modification time as it was.
    bool settled = false;

    bool operator==(const DatabaseFileStamp &other) const
    {
        return device == other.device && inode == other.inode && size == other.size
            && modifiedNs == other.modifiedNs && changedNs == other.changedNs && changeCounter == other.changeCounter;
    }
};

// Everything that can be said about a reminder database file without letting
// SQLite touch it, so that a file that is no reminder database is never
// changed: it must exist, be a readable file, start with an SQLite header
// that names a valid page size, and be as long as that header says. Throws
// AppError naming the file and the problem. Returns the file's stamp, none
// while a write-ahead log beside it holds changes the stamp cannot see.
std::optional<DatabaseFileStamp> checkDatabaseFile(const QString &path);

// SQLite's own check of every page reads the whole file, so it is skipped
// for a file in the very state that last passed it. The stamp of that file
// is kept in $XDG_CACHE_HOME/vestrona; a record that is missing or cannot be
// read means the check runs again.
std::optional<DatabaseFileStamp> lastFilePassingCheck();
// When that record was kept: the last time a check passed. None without one.
std::optional<QDateTime> lastPassingCheckTime();
// Keeps a settled stamp; a record that cannot be written is no error.
void rememberFilePassingCheck(const DatabaseFileStamp &stamp);

} // namespace vestrona
