#include "shell/mStartUp.h"

#include "core/ErrorTrap.h"

namespace vestrona::mStartUp {

bool EnableRunAtLogon(Reporter &reporter, const AutostartEntry &entry)
{
    ErrorTrap trap(reporter, QStringLiteral("mStartUp.EnableRunAtLogon"));
    return trap(100, [&] { entry.add(); });
}

bool DisableRunAtLogon(Reporter &reporter, const AutostartEntry &entry)
{
    ErrorTrap trap(reporter, QStringLiteral("mStartUp.DisableRunAtLogon"));
    return trap(100, [&] { entry.remove(); });
}

} // namespace vestrona::mStartUp
