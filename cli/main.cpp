#include "cli/CliCommands.h"
#include "core/AppError.h"
#include "core/Clock.h"
#include "config/DataLocation.h"
#include "config/Settings.h"
#include "config/Translations.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vestrona-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VESTRONA_VERSION));

    using namespace vestrona;
    Translations translations;
    translations.install(QLocale::system(), Translations::folders(QCoreApplication::applicationDirPath()),
                         Translations::qtFolder());
    QTextStream out(stdout);
    QTextStream err(stderr);
    std::unique_ptr<IniSettingsStore> settings;
    std::unique_ptr<DataLocation> data;
    try {
        settings = std::make_unique<IniSettingsStore>(IniSettingsStore::userConfigFolder());
        data = std::make_unique<DataLocation>(DataLocation::forProgram(QCoreApplication::applicationDirPath()), *settings);
    } catch (const AppError &e) {
        err << "vestrona-cli: " << e.description() << '\n';
        return ExitDatabase;
    }
    SystemClock clock;
    const CliEnvironment env{*data, *settings, clock, RegionalSettings::system()};
    return runCli(QCoreApplication::arguments(), env, out, err);
}
