#pragma once

#include "formats/RegionalSettings.h"

#include <QString>
#include <QStringList>

class QTextStream;

namespace vestrona {

class Clock;
class DataLocation;
class SettingsStore;

struct CliEnvironment {
    DataLocation &dataLocation; // the database used unless --database names one
    SettingsStore &settings;
    const Clock &clock;
    RegionalSettings regional;
};

// Exit codes of vestrona-cli.
enum CliExit { ExitOk = 0, ExitNothing = 1, ExitUsage = 2, ExitDatabase = 3 };

// Runs one vestrona-cli command line (arguments without the program name
// at index 0 are not expected: pass QCoreApplication::arguments()).
int runCli(const QStringList &arguments, const CliEnvironment &env, QTextStream &out, QTextStream &err);

} // namespace vestrona
