#include "store/DatabaseWatcher.h"

#include "core/AppError.h"
#include "core/Clock.h"
#include "store/Connection.h"

#include <QFile>

#include <sys/stat.h>

namespace vestrona {

DatabaseWatcher::DatabaseWatcher(Connection &conn, const Clock &clock, QObject *parent)
    : QObject(parent), mConn(conn), mClock(clock)
{
    // Looks just after each wall-clock second, with the countdown's tick, so
    // the two share one wake-up instead of waking the program twice a second.
    mTimer.setSingleShot(true);
    mTimer.setTimerType(Qt::PreciseTimer);
    connect(&mTimer, &QTimer::timeout, this, [this] {
        check();
        arm();
    });
}

void DatabaseWatcher::arm()
{
    startAtNextSecond(mTimer, mClock);
}

void DatabaseWatcher::start()
{
    mLastVersion = -1;
    check();
    arm();
}

void DatabaseWatcher::stop()
{
    mTimer.stop();
}

DatabaseWatcher::FileStamp DatabaseWatcher::stamp() const
{
    struct stat status {};
    if (::stat(QFile::encodeName(mConn.databasePath()).constData(), &status) != 0)
        return {};
    return {qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec,
            qint64(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec, qint64(status.st_size),
            quint64(status.st_ino)};
}

void DatabaseWatcher::check()
{
    if (mConn.State() == 0)
        return;
    const FileStamp now = stamp();
    if (mLastVersion >= 0 && now == mLastStamp)
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
    mLastStamp = now;
    if (changed)
        emit changedOutside();
}

} // namespace vestrona
