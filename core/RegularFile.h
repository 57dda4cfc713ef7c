#pragma once

#include <QFile>

namespace vestrona {

// Opens `file` (named by its fileName()) in `mode` without waiting on what
// is there: throws AppError "<path> is not a regular file." for a FIFO, a
// device, a socket or a folder. False, with the file's errorString(), when
// it cannot be opened. With WriteOnly a missing file is made; Truncate is
// not offered.
bool openRegularFile(QFile &file, QIODevice::OpenMode mode);

} // namespace vestrona
