#pragma once

#include "notify/AlarmNotifier.h"

#include <QDBusConnection>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <functional>
#include <optional>

namespace vestrona {

// The freedesktop notification service (org.freedesktop.Notifications) on
// the session bus. The calls are asynchronous, so an alarm never waits for
// a slow or missing service. An alarm asks for the service's capabilities
// each time: the service may start, stop or change after the program.
class DBusNotifications final : public AlarmNotifier {
    Q_OBJECT

public:
    struct Identity {
        QString appName;      // "Vestrona"
        QString iconName;     // the program's icon in the icon theme
        QString desktopEntry; // the desktop file's id, without ".desktop"
    };

    DBusNotifications(Identity identity, const QDBusConnection &bus = QDBusConnection::sessionBus(),
                      QObject *parent = nullptr);
    ~DBusNotifications() override;

    quint32 showAlarm(const QString &message) override;
    void withdraw(quint32 ticket) override;
    void showNotice(const QString &text) override;

private slots:
    void onActionInvoked(uint id, const QString &action);
    void onNotificationClosed(uint id, uint reason);

private:
    // Sends Notify once the capabilities are known; `sent` gets the
    // service's id, or none when no notification was shown.
    void notify(const QString &summary, const QString &body, bool alarm,
                std::function<void(std::optional<uint> id)> sent);
    void closeNotification(uint id);

    Identity mIdentity;
    QDBusConnection mBus;
    quint32 mLastTicket = 0;
    // Alarms shown, by ticket, and the other way round.
    QHash<quint32, uint> mIdOfTicket;
    QHash<uint, quint32> mTicketOfId;
    // Sent, the service's id not yet known; of those, the ones withdrawn.
    QSet<quint32> mAwaitingId;
    QSet<quint32> mWithdrawnEarly;
};

} // namespace vestrona
