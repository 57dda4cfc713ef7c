#include "database/DatabaseFileCheck.h"

#include "core/AppError.h"
#include "core/PathHelpers.h"
#include "core/RegularFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <cstdio>

namespace vestrona {

namespace {

constexpr qsizetype kSqliteHeaderSize = 100;
const QByteArray kSqliteMagic = QByteArrayLiteral("SQLite format 3\0");

quint32 bigEndian(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | static_cast<quint8>(bytes.at(offset + i));
    return value;
}

// A write gets the kernel's coarse time, which may lag the clock read here by
// a tick: a second apart, no write after the stamp can share its time.
constexpr qint64 kSettledAfterNs = 1'000'000'000;
// Read back with the same format it is written with.
#define VESTRONA_CHECK_RECORD "vestrona-checked-file %lld %lld %lld %lld %lld %u"

qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

std::optional<DatabaseFileStamp> stampOf(const QFile &file, quint32 changeCounter)
{
    struct stat status {};
    if (::fstat(file.handle(), &status) != 0)
        return std::nullopt;
    DatabaseFileStamp stamp;
    stamp.device = qint64(status.st_dev);
    stamp.inode = qint64(status.st_ino);
    stamp.size = qint64(status.st_size);
    stamp.modifiedNs = nanoseconds(status.st_mtim);
    stamp.changedNs = nanoseconds(status.st_ctim);
    stamp.changeCounter = changeCounter;
    const qint64 nowNs = QDateTime::currentMSecsSinceEpoch() * 1'000'000;
    stamp.settled = stamp.modifiedNs < nowNs - kSettledAfterNs;
    return stamp;
}

// Empty without a home folder: then no record is kept and the check always runs.
QString checkRecordPath()
{
    try {
        return xdgBaseFolder("XDG_CACHE_HOME", QStringLiteral(".cache")) + QStringLiteral("/vestrona/checked-database");
    } catch (const AppError &) {
        return {};
    }
}

} // namespace

std::optional<DatabaseFileStamp> checkDatabaseFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw AppError(
            QCoreApplication::translate("DatabaseFileCheck", "The reminder database %1 does not exist.").arg(path));
    if (info.isDir())
        throw AppError(
            QCoreApplication::translate("DatabaseFileCheck", "The reminder database %1 is a folder, not a file.")
                .arg(path));
    QFile file(path);
    bool opened = false;
    try {
        opened = openRegularFile(file, QIODevice::ReadOnly);
    } catch (const AppError &) {
        // SQLite would wait on a FIFO as long as a plain open would.
        throw AppError(
            QCoreApplication::translate("DatabaseFileCheck", "The reminder database %1 is not a regular file.")
                .arg(path));
    }
    if (!opened)
        throw AppError(QCoreApplication::translate("DatabaseFileCheck", "The reminder database %1 cannot be read: %2.")
                           .arg(path, file.errorString()));
    const qint64 size = file.size();
    if (size == 0)
        throw AppError(
            QCoreApplication::translate("DatabaseFileCheck",
                                        "The reminder database %1 is empty (0 bytes); it holds no reminders table.")
                .arg(path));
    const QByteArray header = file.read(kSqliteHeaderSize);
    if (!header.startsWith(kSqliteMagic))
        throw AppError(
            QCoreApplication::translate("DatabaseFileCheck", "The reminder database %1 is not an SQLite database.")
                .arg(path));
    if (header.size() < kSqliteHeaderSize)
        throw AppError(
            QCoreApplication::translate("DatabaseFileCheck",
                                        "The reminder database %1 is damaged: the file is cut off inside its header.")
                .arg(path));

    quint32 pageSize = bigEndian(header, 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0)
        throw AppError(
            QCoreApplication::translate("DatabaseFileCheck",
                                        "The reminder database %1 is damaged: its header names no valid page size.")
                .arg(path));
    // With a write-ahead log beside it the file may legitimately lag behind
    // its header until the next checkpoint.
    if (QFileInfo::exists(path + QStringLiteral("-wal")))
        return std::nullopt;
    const quint32 changeCounter = bigEndian(header, 24, 4);
    const quint32 pageCount = bigEndian(header, 28, 4);
    const quint32 validFor = bigEndian(header, 92, 4);
    const bool pageCountTrusted = pageCount != 0 && validFor == changeCounter;
    if (size % pageSize != 0 || (pageCountTrusted && size < qint64(pageCount) * pageSize))
        throw AppError(QCoreApplication::translate(
                           "DatabaseFileCheck",
                           "The reminder database %1 is damaged: the file is shorter than its own header says "
                           "(it may have been cut off).")
                           .arg(path));
    return stampOf(file, changeCounter);
}

std::optional<DatabaseFileStamp> lastFilePassingCheck()
{
    QFile file(checkRecordPath());
    // A record that is not a regular file is as good as none; the next one
    // kept is renamed over it.
    try {
        if (!openRegularFile(file, QIODevice::ReadOnly))
            return std::nullopt;
    } catch (const AppError &) {
        return std::nullopt;
    }
    const QByteArray line = file.read(256);
    DatabaseFileStamp stamp;
    long long device, inode, size, modified, changed;
    if (std::sscanf(line.constData(), VESTRONA_CHECK_RECORD, &device, &inode, &size, &modified, &changed,
                    &stamp.changeCounter) != 6)
        return std::nullopt;
    stamp.device = device;
    stamp.inode = inode;
    stamp.size = size;
    stamp.modifiedNs = modified;
    stamp.changedNs = changed;
    stamp.settled = true;
    return stamp;
}

std::optional<QDateTime> lastPassingCheckTime()
{
    const QFileInfo record(checkRecordPath());
    if (!record.isFile())
        return std::nullopt;
    return record.lastModified();
}

void rememberFilePassingCheck(const DatabaseFileStamp &stamp)
{
    if (!stamp.settled)
        return;
    const QString path = checkRecordPath();
    if (path.isEmpty())
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    char line[256];
    const int length = std::snprintf(line, sizeof line, VESTRONA_CHECK_RECORD, static_cast<long long>(stamp.device),
                                     static_cast<long long>(stamp.inode), static_cast<long long>(stamp.size),
                                     static_cast<long long>(stamp.modifiedNs), static_cast<long long>(stamp.changedNs),
                                     unsigned(stamp.changeCounter));
    // Renamed into place whole, as programs started together may both keep
    // one; not synced to disk, since a record lost costs only a check.
    const QString written = path + QStringLiteral(".%1").arg(QCoreApplication::applicationPid());
    QFile file(written);
    if (!file.open(QIODevice::WriteOnly) || file.write(line, length) != length) {
        file.remove();
        return;
    }
    file.close();
    if (std::rename(QFile::encodeName(written).constData(), QFile::encodeName(path).constData()) != 0)
        file.remove();
}

} // namespace vestrona
