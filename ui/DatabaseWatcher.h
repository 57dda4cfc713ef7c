#pragma once

#include <QObject>
#include <QTimer>

namespace vestrona {

class Connection;

// Notices changes another program (vestrona-cli, a second copy) commits to
// the database, so the list and the next reminder follow within a second.
// SQLite's data version changes only for commits made through OTHER
// connections, so the program's own changes never raise the signal.
class DatabaseWatcher final : public QObject {
    Q_OBJECT

public:
    static constexpr int kIntervalMs = 1000;

    explicit DatabaseWatcher(Connection &conn, QObject *parent = nullptr);

    // Remembers the current version and starts looking once a second.
    void start();
    void stop();
    // One look, as the timer makes it; public so the owner can look at once.
    void check();

signals:
    void changedOutside();

private:
    void arm();

    Connection &mConn;
    QTimer mTimer;
    qint64 mLastVersion = -1;
};

} // namespace vestrona
