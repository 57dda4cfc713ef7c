#include "tests/support/ProgramFolder.h"

#include "config/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace vestrona::test {

namespace {

QString copyInto(const QString &source, const QString &folder)
{
    const QString target = QDir(folder).filePath(QFileInfo(source).fileName());
    if (!QFile::copy(source, target))
        return QStringLiteral("cannot copy %1 into %2").arg(source, folder);
    return {};
}

} // namespace

ProgramFolder::ProgramFolder(Database database)
{
    if (!mProgram.isValid() || !mConfig.isValid() || !mData.isValid()) {
        mSetupError = QStringLiteral("cannot make a temporary folder");
        return;
    }
    for (const char *file : {VESTRONA_PROGRAM, VESTRONA_CLI_PROGRAM, VESTRONA_ALARM_SOUND}) {
        mSetupError = copyInto(QString::fromLocal8Bit(file), path());
        if (!mSetupError.isEmpty())
            return;
    }
    // Carried as a portable copy carries them: in translations/ beside the programs.
    const QDir translations(QStringLiteral(VESTRONA_TRANSLATIONS));
    if (!QDir(path()).mkdir(QStringLiteral("translations"))) {
        mSetupError = QStringLiteral("cannot make the translations folder");
        return;
    }
    for (const QString &catalogue : translations.entryList({QStringLiteral("*.qm")}, QDir::Files)) {
        mSetupError = copyInto(translations.filePath(catalogue), mProgram.file(QStringLiteral("translations")));
        if (!mSetupError.isEmpty())
            return;
    }
    if (database == Database::Missing) {
        const QString userFolder = mData.file(QStringLiteral("vestrona"));
        mDatabasePath = QDir(userFolder).filePath(QStringLiteral("dbReminders.mdb"));
        if (!QDir().mkpath(userFolder))
            mSetupError = QStringLiteral("cannot make ") + userFolder;
        IniSettingsStore(configFolder()).SaveSetting(QString::fromLatin1(SettingKey::UserDatabase), mDatabasePath);
        return;
    }
    mDatabasePath = mProgram.file(QStringLiteral("dbReminders.mdb"));
    const ProcessResult made = runProcess(QStringLiteral(VESTRONA_MKDB_TOOL),
                                         {QStringLiteral(VESTRONA_SCHEMA_FILE), databasePath()});
    if (made.exitCode != 0)
        mSetupError = QStringLiteral("vestrona-mkdb failed: ") + made.err;
}

QString ProgramFolder::programPath() const
{
    return mProgram.file(QStringLiteral("vestrona"));
}

QString ProgramFolder::cliPath() const
{
    return mProgram.file(QStringLiteral("vestrona-cli"));
}

QProcessEnvironment ProgramFolder::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder());
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataFolder());
    env.insert(QStringLiteral("XDG_CACHE_HOME"), mCache.path());
    // CTest runs the unit tests offscreen; the program under test must show
    // real windows on the display.
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

ProcessResult ProgramFolder::cli(const QStringList &arguments) const
{
    return runProcess(cliPath(), arguments, environment());
}

void ProgramFolder::startIntoTray() const
{
    QSettings settings(QDir(configFolder()).filePath(QStringLiteral("Tolvane.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Vestrona/Windows Startup"), QStringLiteral("On"));
    settings.setValue(QStringLiteral("Vestrona/Minimized"), QStringLiteral("On"));
}

QString ProgramFolder::addOnce(const QDateTime &due, const QString &message) const
{
    const ProcessResult added = cli({QStringLiteral("add"), QStringLiteral("--option"), QStringLiteral("once"),
                                  QStringLiteral("--date"), due.date().toString(Qt::ISODate),
                                  QStringLiteral("--time"), due.time().toString(QStringLiteral("HH:mm:ss")), message});
    return added.exitCode == 0 ? added.out.trimmed() : QString();
}

} // namespace vestrona::test
