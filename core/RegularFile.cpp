#include "core/RegularFile.h"

#include "core/AppError.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>

namespace vestrona {

namespace {

[[noreturn]] void failNotRegular(const QString &path)
{
    throw AppError(QCoreApplication::translate("RegularFile", "%1 is not a regular file.").arg(path));
}

} // namespace

bool openRegularFile(QFile &file, QIODevice::OpenMode mode)
{
    const QString path = file.fileName();
    const int access = mode.testFlag(QIODevice::ReadWrite) ? O_RDWR : mode.testFlag(QIODevice::WriteOnly) ? O_WRONLY : O_RDONLY;
    const int created = mode.testFlag(QIODevice::WriteOnly) ? O_CREAT : 0;
    const int appended = mode.testFlag(QIODevice::Append) ? O_APPEND : 0;
    // Opening a FIFO waits for its other end, unless asked not to; only the
    // open itself must not wait, reading and writing a file never does.
    const int fd = ::open(QFile::encodeName(path).constData(), access | created | appended | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        // A writer's open of a FIFO without a reader fails (ENXIO) instead,
        // and of a folder with EISDIR.
        if (errno == ENXIO || errno == EISDIR)
            failNotRegular(path);
        // Qt fails the same way and says why in its own words.
        return file.open(mode);
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        failNotRegular(path);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return file.open(fd, mode, QFileDevice::AutoCloseHandle);
}

} // namespace vestrona
