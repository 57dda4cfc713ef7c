#include "config/DataLocation.h"

#include "core/AppError.h"
#include "core/PathHelpers.h"
#include "config/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace vestrona {

namespace {

constexpr auto kDataFolderName = "vestrona";

QString databaseIn(const QString &folder)
{
    return joinPath(folder, QString::fromLatin1(kDatabaseFileName));
}

// A dangling link still names a file the user put there.
bool somethingAt(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

DataFiles DataFiles::beside(const QString &folder)
{
    return {databaseIn(folder), joinPath(folder, QString::fromLatin1(kAlarmFileName))};
}

DataLocation::DataLocation(Folders folders, SettingsStore &settings)
    : mFolders(std::move(folders))
    , mSettings(settings)
{
}

DataLocation::Folders DataLocation::forProgram(const QString &programFolder)
{
    return {programFolder, userDataHome(), sharedFolder(programFolder)};
}

QString DataLocation::sharedFolder(const QString &programFolder)
{
    return QDir::cleanPath(joinPath(programFolder, QStringLiteral(VESTRONA_SHARE_FROM_BIN)));
}

QString DataLocation::userDataHome()
{
    return xdgBaseFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
}

QString DataLocation::besideDatabase() const
{
    return databaseIn(mFolders.program);
}

QString DataLocation::userDatabase() const
{
    return databaseIn(joinPath(mFolders.dataHome, QString::fromLatin1(kDataFolderName)));
}

DataFiles DataLocation::files() const
{
    const DataFiles beside = DataFiles::beside(mFolders.program);
    const QString alarm = FileExists(beside.defaultAlarm)
                              ? beside.defaultAlarm
                              : joinPath(mFolders.shared, QString::fromLatin1(kAlarmFileName));
    return {somethingAt(beside.database) ? beside.database : userDatabase(), alarm};
}

DataFiles DataLocation::prepare()
{
    const DataFiles chosen = files();
    if (chosen.database == besideDatabase() || somethingAt(chosen.database))
        return chosen;
    const QString made = mSettings.GetSetting(QString::fromLatin1(SettingKey::UserDatabase), QString());
    if (made == chosen.database)
        return chosen;
    makeUserDatabase();
    mSettings.SaveSetting(QString::fromLatin1(SettingKey::UserDatabase), chosen.database);
    return chosen;
}

void DataLocation::makeUserDatabase() const
{
    const QString target = userDatabase();
    const QString folder = QFileInfo(target).path();
    if (somethingAt(folder) && !QFileInfo(folder).isDir())
        throw AppError(
            QCoreApplication::translate("DataLocation",
                                        "%1 is a file, not a folder, so your reminder database cannot be made in it.")
                .arg(folder));
    if (!QDir().mkpath(folder))
        throw AppError(
            QCoreApplication::translate("DataLocation", "The folder %1 for your reminder database could not be made.")
                .arg(folder));

    const QString emptyDatabase = databaseIn(mFolders.shared);
    QFile source(emptyDatabase);
    if (!QFileInfo(emptyDatabase).isFile() || !source.open(QIODevice::ReadOnly))
        throw AppError(
            QCoreApplication::translate("DataLocation",
                                        "The empty reminder database %1 that comes with Vestrona could not be read, "
                                        "so your reminder database cannot be made.")
                .arg(emptyDatabase));
    const QByteArray content = source.readAll();

    // Written under a temporary name and then given its own, which fails
    // rather than replace a database that appeared in the meantime. The copy
    // is the user's to change, whatever the shipped file's permissions are.
    QTemporaryFile copy(joinPath(folder, QStringLiteral(".dbReminders.XXXXXX")));
    if (!copy.open() || copy.write(content) != content.size() || !copy.flush())
        throw AppError(
            QCoreApplication::translate("DataLocation", "Your reminder database could not be made in the folder %1: %2")
                .arg(folder, copy.errorString()));
    if (!copy.rename(target))
        throw AppError(QCoreApplication::translate("DataLocation", "Your reminder database %1 could not be made: %2")
                           .arg(target, copy.errorString()));
    copy.setAutoRemove(false);
}

} // namespace vestrona
