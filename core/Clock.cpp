#include "core/Clock.h"

#include <QTimer>

namespace vestrona {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

void startAtNextSecond(QTimer &timer, const Clock &clock)
{
    timer.start(1000 - clock.now().time().msec() + 1);
}

} // namespace vestrona
