#include "database/DatabaseWatcher.h"

#include "core/AppError.h"
#include "core/Clock.h"
#include "database/Connection.h"

#include <QFile>

#include <sys/stat.h>

#include <cerrno>
#include <utility>

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
    const std::optional<FileStamp> opened = stamp();
    mOpenedInode = opened ? opened->inode : 0;
    mGone = !opened;
    check();
    arm();
}

void DatabaseWatcher::stop()
{
    mTimer.stop();
}

std::optional<DatabaseWatcher::FileStamp> DatabaseWatcher::stamp() const
{
    struct stat status {};
    if (::stat(QFile::encodeName(mConn.databasePath()).constData(), &status) != 0) {
        // Only a missing file is gone; a folder that may not be searched for
        // a moment says nothing about the file.
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        return FileStamp{};
    }
    return FileStamp{qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec,
            qint64(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec, qint64(status.st_size),
            quint64(status.st_ino)};
}

void DatabaseWatcher::check()
{
    if (mConn.State() == 0)
        return;
    const std::optional<FileStamp> found = stamp();
    if (!found) {
        if (!std::exchange(mGone, true))
            emit deleted();
        return;
    }
    mGone = false;
    const FileStamp &now = *found;
    if (mOpenedInode == 0)
        mOpenedInode = now.inode;
    if (now.inode != 0 && now.inode != mOpenedInode) {
        // The owner opens the new file and starts the watcher again; should
        // that fail, the same new file is not announced a second time.
        mOpenedInode = now.inode;
        emit replaced();
        return;
    }
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
