#pragma once

#include <QObject>
#include <QTimer>

#include <optional>

namespace vestrona {

class Clock;
class Connection;

// Notices changes another program (vestrona-cli, a second copy) commits to
// the database, so the list and the next reminder follow within a second.
// SQLite's data version changes only for commits made through OTHER
// connections, so the program's own changes never raise the signal. Asking
// for it takes a read lock on the file, so it is asked only once the file's
// status says something was written. It also notices the file itself going:
// replaced by another file (a new inode at the path) or deleted.
class DatabaseWatcher final : public QObject {
    Q_OBJECT

public:
    DatabaseWatcher(Connection &conn, const Clock &clock, QObject *parent = nullptr);

    // Remembers the current version and starts looking once a second.
    void start();
    void stop();
    // One look, as the timer makes it; public so the owner can look at once.
    void check();

signals:
    void changedOutside();
    // Another file now stands at the database's path; the connection still
    // reads the old one until it is opened again.
    void replaced();
    // Once each time the path stops naming any file.
    void deleted();

private:
    void arm();

    // Modification time, change time, size and inode of the database file.
    struct FileStamp {
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        qint64 size = -1;
        quint64 inode = 0;
        bool operator==(const FileStamp &) const = default;
    };
    // The file's stamp; nullopt when no file is at the path any more.
    std::optional<FileStamp> stamp() const;

    Connection &mConn;
    const Clock &mClock;
    QTimer mTimer;
    qint64 mLastVersion = -1;
    FileStamp mLastStamp;
    // The file the connection opened, by inode.
    quint64 mOpenedInode = 0;
    bool mGone = false;
};

} // namespace vestrona
