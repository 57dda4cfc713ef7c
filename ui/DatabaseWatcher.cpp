#include "ui/DatabaseWatcher.h"

#include "core/AppError.h"
#include "store/Connection.h"

namespace vestrona {

DatabaseWatcher::DatabaseWatcher(Connection &conn, QObject *parent) : QObject(parent), mConn(conn)
{
    mTimer.setInterval(kIntervalMs);
    connect(&mTimer, &QTimer::timeout, this, &DatabaseWatcher::check);
}

void DatabaseWatcher::start()
{
    mLastVersion = -1;
    check();
    mTimer.start();
}

void DatabaseWatcher::stop()
{
    mTimer.stop();
}

void DatabaseWatcher::check()
{
    if (mConn.State() == 0)
        return;
    qint64 version = 0;
    try {
        version = mConn.dataVersion();
    } catch (const AppError &) {
        // A file locked for a moment by the other program is looked at again
        // on the next tick; a lasting problem shows in the next real command.
        return;
    }
    const bool changed = mLastVersion >= 0 && version != mLastVersion;
    mLastVersion = version;
    if (changed)
        emit changedOutside();
}

} // namespace vestrona
