#include "core/ErrorTrap.h"

namespace vestrona {

void ErrorTrap::report(int line, const QString &description)
{
    ++mFailures;
    mReporter.showError({description, mLocation, line});
}

} // namespace vestrona
