#pragma once

#include "shell/AutostartEntry.h"

namespace vestrona {

class Reporter;

// Puts the program into the user's logon start list and takes it out again.
// A failure is reported with the common error box and the caller goes on.
namespace mStartUp {

// True when the entry was written.
bool EnableRunAtLogon(Reporter &reporter, const AutostartEntry &entry);
// True when no entry is left.
bool DisableRunAtLogon(Reporter &reporter, const AutostartEntry &entry);

} // namespace mStartUp
} // namespace vestrona
