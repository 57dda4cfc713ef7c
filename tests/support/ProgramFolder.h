#pragma once

#include "tests/support/Process.h"
#include "tests/support/TempFolder.h"

#include <QDateTime>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace vestrona::test {

// A throw-away installation of the program: copies of vestrona, vestrona-cli,
// alarm.wav and the translations with a database of their own and settings and data folders of
// their own, so tests never touch the build folder's reminders or the user's
// settings.
class ProgramFolder {
public:
    // Fresh: an empty database beside the programs. Missing: none beside them,
    // and the user's own one, made on an earlier start, is gone.
    enum class Database { Fresh, Missing };

    explicit ProgramFolder(Database database = Database::Fresh);

    // Empty when the folder is ready; otherwise what went wrong.
    const QString &setupError() const { return mSetupError; }

    QString path() const { return mProgram.path(); }
    // The database the copies use.
    QString databasePath() const { return mDatabasePath; }
    QString programPath() const;
    QString cliPath() const;
    QString configFolder() const { return mConfig.path(); }
    QString dataFolder() const { return mData.path(); }
    QString cacheFolder() const { return mCache.path(); }

    // The environment the copies run in: the caller's, with the settings,
    // data and cache folders pointed here and the real display platform for
    // widgets.
    QProcessEnvironment environment() const;

    ProcessResult cli(const QStringList &arguments) const;
    // Ticks "Load this software on Windows startup" and its "Minimized" in
    // the settings, so the next start goes straight into the tray.
    void startIntoTray() const;
    // Adds a reminder through vestrona-cli; returns its ID, "" on failure.
    QString addOnce(const QDateTime &due, const QString &message) const;

private:
    TempFolder mProgram;
    TempFolder mConfig;
    TempFolder mData;
    TempFolder mCache;
    QString mDatabasePath;
    QString mSetupError;
};

} // namespace vestrona::test
