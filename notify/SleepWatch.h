#pragma once

#include <QDBusConnection>
#include <QObject>

namespace vestrona {

// Tells when the machine wakes from a suspend, from logind's PrepareForSleep
// on the system bus. Without a system bus or logind it never tells, and the
// next tick finds the time that passed all the same.
class SleepWatch final : public QObject {
    Q_OBJECT

public:
    explicit SleepWatch(const QDBusConnection &bus = QDBusConnection::systemBus(), QObject *parent = nullptr);

signals:
    void resumed();

private slots:
    void onPrepareForSleep(bool goingToSleep);
};

} // namespace vestrona
