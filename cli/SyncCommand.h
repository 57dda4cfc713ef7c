#pragma once

#include "sync/SyncReport.h"

#include <QString>

#include <optional>

class QTextStream;

namespace vestrona {

class Connection;
class SettingsStore;

// What `sync` was told on the command line; each given part is saved to the
// account before the sync.
struct SyncCommandLine {
    std::optional<QString> url;
    std::optional<QString> user;
    std::optional<QString> acceptCertificate;
    // The answer to a calendar that lost most of what it held.
    EmptiedCalendar emptied = EmptiedCalendar::Ask;
};

// `sync`: one sync of `conn` with the account of `settings`. The password
// comes from inside --url (then kept in the keyring, never in the settings),
// else VESTRONA_CALDAV_PASSWORD, else the keyring, else a prompt when the
// standard input is a terminal. Prints a line per kind of change, then
// each item left out and each conflict; a failure goes to `err` in words.
// A new --url may name the server or the account instead of the calendar:
// the one calendar behind it is synced (and saved); several are listed, one
// a line as "display name<TAB>address", and none is synced (ExitUsage).
// Returns a CliExit: ok, some left out now or still (ExitNothing), a
// calendar to choose (ExitUsage) or failed (ExitDatabase), an emptied
// calendar included: its two ways on are printed.
int syncCommand(Connection &conn, SettingsStore &settings, const SyncCommandLine &commandLine, QTextStream &out,
                QTextStream &err);

} // namespace vestrona
