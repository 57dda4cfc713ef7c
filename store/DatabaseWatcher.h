#pragma once

#include <QObject>
#include <QTimer>

namespace vestrona {

class Clock;
class Connection;

// Notices changes another program (vestrona-cli, a second copy) commits to
// the database, so the list and the next reminder follow within a second.
// SQLite's data version changes only for commits made through OTHER
// connections, so the program's own changes never raise the signal. Asking
// for it takes a read lock on the file, so it is asked only once the file's
// status says something was written.
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
    FileStamp stamp() const;

    Connection &mConn;
    const Clock &mClock;
    QTimer mTimer;
    qint64 mLastVersion = -1;
    FileStamp mLastStamp;
};

} // namespace vestrona
