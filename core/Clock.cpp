#include "core/Clock.h"

namespace vestrona {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

} // namespace vestrona
