#include "notify/SleepWatch.h"

namespace vestrona {

SleepWatch::SleepWatch(const QDBusConnection &bus, QObject *parent) : QObject(parent)
{
    QDBusConnection connection = bus;
    connection.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                       QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
                       SLOT(onPrepareForSleep(bool)));
}

void SleepWatch::onPrepareForSleep(bool goingToSleep)
{
    if (!goingToSleep)
        emit resumed();
}

} // namespace vestrona
