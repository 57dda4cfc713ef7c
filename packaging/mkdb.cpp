// Build-time tool: makes the empty reminder database shipped beside the
// program from the schema file. An existing database is never touched, so a
// developer's reminders in the build folder survive every rebuild.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QTextStream>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// The schema file holds plain statements separated by ";" with no ";"
// inside a literal, which is all a table and an index need.
QString createDatabase(const QString &schemaPath, const QString &databasePath)
{
    QFile schema(schemaPath);
    if (!schema.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringLiteral("cannot read %1: %2").arg(schemaPath, schema.errorString());
    const QStringList statements = QString::fromUtf8(schema.readAll()).split(QLatin1Char(';'), Qt::SkipEmptyParts);

    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mkdb"));
        db.setDatabaseName(databasePath);
        if (!db.open())
            failure = db.lastError().text();
        QSqlQuery query(db);
        for (const QString &statement : statements) {
            if (failure.isEmpty() && !statement.trimmed().isEmpty() && !query.exec(statement))
                failure = QStringLiteral("%1\n%2").arg(query.lastError().text(), statement.trimmed());
        }
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("mkdb"));
    return failure;
}

} // namespace

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
    const QString failure = createDatabase(schemaPath, temporary.fileName());
    if (!failure.isEmpty()) {
        err << "vestrona-mkdb: " << failure << "\n";
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
