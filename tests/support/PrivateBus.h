#pragma once

#include <QDBusConnection>
#include <QJsonArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace vestrona::test {

// A D-Bus daemon of the test's own, so that no desktop's services answer
// and none see the test. It ends with this object.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    // Empty when the daemon runs, else why not.
    QString error() const { return mError; }
    QString address() const { return mAddress; }
    // A connection of the test's own to the bus.
    QDBusConnection connection() const;
    // The environment of a program that is to take the bus for its session bus.
    void addTo(QProcessEnvironment &environment) const;

private:
    QProcess mDaemon;
    QString mAddress;
    QString mError;
    QString mConnectionName;
};

// tests/support/notification_service.py on a private bus: what the program
// sent to the desktop's notifications, and the user's clicks on them.
class NotificationStandIn {
public:
    // `options`: "--no-actions", "--markup".
    explicit NotificationStandIn(const PrivateBus &bus, const QStringList &options = {});
    ~NotificationStandIn();
    NotificationStandIn(const NotificationStandIn &) = delete;
    NotificationStandIn &operator=(const NotificationStandIn &) = delete;

    QString error() const { return mError; }
    // Every call so far, oldest first: objects with "method" and the call's
    // arguments by name; hints as {name: [D-Bus type, value]}.
    QJsonArray calls() const;
    // The calls of one method.
    QJsonArray callsOf(const QString &method) const;
    // The user clicks the action `key` of notification `id`, or its close box.
    bool invoke(uint id, const QString &key) const;
    bool dismiss(uint id) const;

private:
    QDBusConnection mBus;
    QProcess mProcess;
    QString mError;
};

} // namespace vestrona::test
