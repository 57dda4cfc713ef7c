#pragma once

#include "tests/support/TempFolder.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QJsonArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace vestrona::test {

// A D-Bus daemon of the test's own, so that no desktop's services answer
// and none see the test: it starts no service by itself, as a session bus
// would start an installed notification daemon. It ends with this object.
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
    TempFolder mFolder;
    QProcess mDaemon;
    QString mAddress;
    QString mError;
    QString mConnectionName;
};

// A stand-in for a desktop service: a python3-dbus script from
// tests/support on a private bus, which owns `serviceName` and takes the
// test's calls at /standin (interface example.tolvane.StandIn).
class StandInService {
public:
    StandInService(const PrivateBus &bus, const QString &script, const QString &serviceName,
                   const QStringList &options);
    ~StandInService();
    StandInService(const StandInService &) = delete;
    StandInService &operator=(const StandInService &) = delete;

    QString error() const { return mError; }
    // One of the stand-in's methods; an error reply when it failed.
    QDBusMessage call(const QString &method, const QVariantList &arguments = {}) const;

private:
    QDBusConnection mBus;
    QString mServiceName;
    QProcess mProcess;
    QString mError;
};

// tests/support/notification_service.py: what the program sent to the
// desktop's notifications, and the user's clicks on them.
class NotificationStandIn {
public:
    // `options`: "--no-actions", "--markup".
    explicit NotificationStandIn(const PrivateBus &bus, const QStringList &options = {});

    QString error() const { return mService.error(); }
    // Every call so far, oldest first: objects with "method" and the call's
    // arguments by name; hints as {name: [D-Bus type, value]}.
    QJsonArray calls() const;
    // The calls of one method.
    QJsonArray callsOf(const QString &method) const;
    // The user clicks the action `key` of notification `id`, or its close box.
    bool invoke(uint id, const QString &key) const;
    bool dismiss(uint id) const;

private:
    StandInService mService;
};

// tests/support/status_notifier_host.py: a panel that shows tray icons
// as StatusNotifierItems, and the user's clicks in their menus.
class StatusNotifierHostStandIn {
public:
    explicit StatusNotifierHostStandIn(const PrivateBus &bus);

    QString error() const { return mService.error(); }
    // The bus names of the items registered so far.
    QStringList items() const;
    // The item's tooltip, title and text on one line each.
    QString tip(const QString &item) const;
    // The labels of the item's menu, top to bottom.
    QStringList menu(const QString &item) const;
    // Clicks the menu entry with that label; false when there is none.
    bool click(const QString &item, const QString &label) const;

private:
    StandInService mService;
};

} // namespace vestrona::test
