#include "store/DatabaseFileCheck.h"

#include "core/AppError.h"

#include <QFile>
#include <QFileInfo>

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

} // namespace

void checkDatabaseFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw AppError(QStringLiteral("The reminder database %1 does not exist.").arg(path));
    if (info.isDir())
        throw AppError(QStringLiteral("The reminder database %1 is a folder, not a file.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("The reminder database %1 cannot be read: %2.").arg(path, file.errorString()));
    const qint64 size = file.size();
    if (size == 0)
        throw AppError(QStringLiteral("The reminder database %1 is empty (0 bytes); it holds no reminders table.").arg(path));
    const QByteArray header = file.read(kSqliteHeaderSize);
    if (!header.startsWith(kSqliteMagic))
        throw AppError(QStringLiteral("The reminder database %1 is not an SQLite database.").arg(path));
    if (header.size() < kSqliteHeaderSize)
        throw AppError(QStringLiteral("The reminder database %1 is damaged: the file is cut off inside its header.").arg(path));

    quint32 pageSize = bigEndian(header, 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0)
        throw AppError(QStringLiteral("The reminder database %1 is damaged: its header names no valid page size.").arg(path));
    // With a write-ahead log beside it the file may legitimately lag behind
    // its header until the next checkpoint.
    if (QFileInfo::exists(path + QStringLiteral("-wal")))
        return;
    const quint32 changeCounter = bigEndian(header, 24, 4);
    const quint32 pageCount = bigEndian(header, 28, 4);
    const quint32 validFor = bigEndian(header, 92, 4);
    const bool pageCountTrusted = pageCount != 0 && validFor == changeCounter;
    if (size % pageSize != 0 || (pageCountTrusted && size < qint64(pageCount) * pageSize))
        throw AppError(QStringLiteral("The reminder database %1 is damaged: the file is shorter than its own header says "
                                      "(it may have been cut off).")
                           .arg(path));
}

} // namespace vestrona
