#include "cli/CliCommands.h"
#include "core/Clock.h"
#include "config/DataLocation.h"
#include "config/Settings.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vestrona-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VESTRONA_VERSION));

    using namespace vestrona;
    IniSettingsStore settings(IniSettingsStore::userConfigFolder());
    SystemClock clock;
    DataLocation data(DataLocation::forProgram(QCoreApplication::applicationDirPath()), settings);
    const CliEnvironment env{data, settings, clock, RegionalSettings::system()};
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCli(QCoreApplication::arguments(), env, out, err);
}
