#include "database/EmptyDatabase.h"

#include "core/AppError.h"

#include <QCoreApplication>
#include <QFile>

#include <sqlite3.h>

#include <memory>

namespace vestrona {

void createEmptyDatabase(const QString &path, const QString &schemaPath)
{
    QFile schema(schemaPath);
    if (!schema.open(QIODevice::ReadOnly))
        throw AppError(QCoreApplication::translate("EmptyDatabase", "The schema file %1 cannot be read: %2.")
                           .arg(schemaPath, schema.errorString()));
    const QByteArray statements = schema.readAll();

    sqlite3 *handle = nullptr;
    const int opened = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    // A handle is made even when opening fails, and carries the message.
    const std::unique_ptr<sqlite3, int (*)(sqlite3 *)> db(handle, sqlite3_close_v2);
    if (opened == SQLITE_OK && sqlite3_exec(db.get(), statements.constData(), nullptr, nullptr, nullptr) == SQLITE_OK)
        return;
    throw AppError(QCoreApplication::translate("EmptyDatabase", "The empty reminder database %1 could not be made: %2.")
                       .arg(path, QString::fromUtf8(db ? sqlite3_errmsg(db.get()) : sqlite3_errstr(opened))));
}

} // namespace vestrona
