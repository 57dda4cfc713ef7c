// Build-time tool: makes the empty reminder database shipped beside the
// program from the schema file. An existing database is never touched, so a
// developer's reminders in the build folder survive every rebuild.

#include "core/AppError.h"
#include "database/EmptyDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTextStream>

#include <cerrno>
#include <cstring>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: vestrona-mkdb <schema.sql> <target.mdb>\n";
        return 2;
    }
    const QString schemaPath = args.at(1);
    const QString target = QFileInfo(args.at(2)).absoluteFilePath();
    if (QFileInfo::exists(target)) {
        out << "kept existing " << target << "\n";
        return 0;
    }
    QDir().mkpath(QFileInfo(target).absolutePath());

    // Built under a temporary name and linked into place, so that neither a
    // half-made file nor a race with another build can replace the target.
    QTemporaryFile temporary(target + QStringLiteral(".XXXXXX"));
    if (!temporary.open()) {
        err << "vestrona-mkdb: cannot create a file beside " << target << ": " << temporary.errorString() << "\n";
        return 1;
    }
    temporary.close();
    // QTemporaryFile makes owner-only files; the database is an ordinary data file.
    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                             | QFileDevice::ReadOther);
    try {
        vestrona::createEmptyDatabase(temporary.fileName(), schemaPath);
    } catch (const vestrona::AppError &error) {
        err << "vestrona-mkdb: " << error.description() << "\n";
        return 1;
    }
    if (::link(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(target).constData()) != 0) {
        if (errno == EEXIST) {
            out << "kept existing " << target << "\n";
            return 0;
        }
        err << "vestrona-mkdb: cannot create " << target << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    out << "created " << target << " from " << schemaPath << "\n";
    return 0;
}
