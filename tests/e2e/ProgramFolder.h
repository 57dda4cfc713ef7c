#pragma once

#include "tests/support/TempFolder.h"

#include <QDateTime>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace vestrona::e2e {

// What a finished helper process left behind.
struct ToolResult {
    int exitCode = -1; // -1 when it could not start, crashed or hung
    QString out;
    QString err;
};

// Runs `program` to its end, killing it after `timeoutMs`.
ToolResult runTool(const QString &program, const QStringList &arguments,
                   const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                   int timeoutMs = 30000);

// A throw-away installation of the program: copies of vestrona, vestrona-cli
// and alarm.wav with a database of their own and a settings folder of their
// own, so tests never touch the build folder's reminders or the user's
// settings.
class ProgramFolder {
public:
    enum class Database { Fresh, Missing };

    explicit ProgramFolder(Database database = Database::Fresh);

    // Empty when the folder is ready; otherwise what went wrong.
    const QString &setupError() const { return mSetupError; }

    QString path() const { return mProgram.path(); }
    QString databasePath() const;
    QString programPath() const;
    QString cliPath() const;
    QString configFolder() const { return mConfig.path(); }

    // The environment the copies run in: the caller's, with the settings
    // folder pointed here and the real display platform for widgets.
    QProcessEnvironment environment() const;

    ToolResult cli(const QStringList &arguments) const;
    // Adds a reminder through vestrona-cli; returns its ID, "" on failure.
    QString addOnce(const QDateTime &due, const QString &message) const;

private:
    test::TempFolder mProgram;
    test::TempFolder mConfig;
    QString mSetupError;
};

} // namespace vestrona::e2e
