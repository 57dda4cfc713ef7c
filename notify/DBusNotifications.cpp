#include "notify/DBusNotifications.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace vestrona {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

constexpr uchar kCriticalUrgency = 2;
// An alarm's notification stays until it is answered; a notice goes when
// the service thinks fit.
constexpr int kNeverExpires = 0;
constexpr int kServiceDefault = -1;
constexpr int kCloseAtExitMs = 500;

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

} // namespace

DBusNotifications::DBusNotifications(Identity identity, const QDBusConnection &bus, QObject *parent)
    : AlarmNotifier(parent), mIdentity(std::move(identity)), mBus(bus)
{
    mBus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                 SLOT(onActionInvoked(uint, QString)));
    mBus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                 SLOT(onNotificationClosed(uint, uint)));
}

// A program that ends while its alarm rings takes the notification with it,
// or its buttons would stay on screen answering nobody. Waited for, briefly:
// a call merely queued is lost when the process ends.
DBusNotifications::~DBusNotifications()
{
    for (const uint id : std::as_const(mIdOfTicket)) {
        QDBusMessage message = call(QStringLiteral("CloseNotification"));
        message << id;
        mBus.call(message, QDBus::Block, kCloseAtExitMs);
    }
}

quint32 DBusNotifications::showAlarm(const QString &message)
{
    const quint32 ticket = ++mLastTicket;
    mAwaitingId.insert(ticket);
    notify(tr("Reminder"), message, true, [this, ticket](std::optional<uint> id) {
        mAwaitingId.remove(ticket);
        const bool withdrawn = mWithdrawnEarly.remove(ticket);
        if (!id)
            return;
        if (withdrawn) {
            closeNotification(*id);
            return;
        }
        mIdOfTicket.insert(ticket, *id);
        mTicketOfId.insert(*id, ticket);
    });
    return ticket;
}

void DBusNotifications::withdraw(quint32 ticket)
{
    const auto found = mIdOfTicket.constFind(ticket);
    if (found == mIdOfTicket.cend()) {
        // The service has not said its id yet: it is closed as soon as it does.
        if (mAwaitingId.contains(ticket))
            mWithdrawnEarly.insert(ticket);
        return;
    }
    const uint id = found.value();
    mIdOfTicket.erase(found);
    mTicketOfId.remove(id);
    closeNotification(id);
}

void DBusNotifications::showNotice(const QString &text)
{
    notify(mIdentity.appName, text, false, [](std::optional<uint>) {});
}

void DBusNotifications::notify(const QString &summary, const QString &body, bool alarm,
                               std::function<void(std::optional<uint> id)> sent)
{
    if (!mBus.isConnected()) {
        sent(std::nullopt);
        return;
    }
    auto *capabilities = new QDBusPendingCallWatcher(mBus.asyncCall(call(QStringLiteral("GetCapabilities"))), this);
    connect(capabilities, &QDBusPendingCallWatcher::finished, this,
            [this, summary, body, alarm, sent = std::move(sent)](QDBusPendingCallWatcher *watcher) {
                watcher->deleteLater();
                const QDBusPendingReply<QStringList> reply = *watcher;
                // No service, or one that does not answer: the pop-up and the
                // tray are all there is.
                if (reply.isError()) {
                    sent(std::nullopt);
                    return;
                }
                const QStringList caps = reply.value();
                // A service that reads markup would take a reminder's "<" or
                // "&" for a tag and show a mangled text, or none.
                const QString text = caps.contains(QStringLiteral("body-markup")) ? body.toHtmlEscaped() : body;
                QStringList actions;
                QVariantMap hints{{QStringLiteral("desktop-entry"), mIdentity.desktopEntry}};
                if (alarm) {
                    if (caps.contains(QStringLiteral("actions")))
                        actions = {QStringLiteral("default"), tr("Show"), QStringLiteral("snooze"), tr("Snooze"),
                                   QStringLiteral("stop"),    tr("Stop")};
                    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(kCriticalUrgency));
                    hints.insert(QStringLiteral("resident"), true);
                }
                QDBusMessage message = call(QStringLiteral("Notify"));
                message << mIdentity.appName << uint(0) << mIdentity.iconName << summary << text << actions << hints
                        << (alarm ? kNeverExpires : kServiceDefault);
                auto *notified = new QDBusPendingCallWatcher(mBus.asyncCall(message), this);
                connect(notified, &QDBusPendingCallWatcher::finished, this, [sent](QDBusPendingCallWatcher *w) {
                    w->deleteLater();
                    const QDBusPendingReply<uint> id = *w;
                    sent(id.isError() ? std::nullopt : std::optional<uint>(id.value()));
                });
            });
}

void DBusNotifications::closeNotification(uint id)
{
    QDBusMessage message = call(QStringLiteral("CloseNotification"));
    message << id;
    mBus.asyncCall(message);
}

void DBusNotifications::onActionInvoked(uint id, const QString &action)
{
    const auto found = mTicketOfId.constFind(id);
    if (found == mTicketOfId.cend())
        return;
    if (action == QLatin1String("default"))
        emit actionInvoked(found.value(), Action::Show);
    else if (action == QLatin1String("snooze"))
        emit actionInvoked(found.value(), Action::Snooze);
    else if (action == QLatin1String("stop"))
        emit actionInvoked(found.value(), Action::Stop);
}

void DBusNotifications::onNotificationClosed(uint id, uint)
{
    // Dismissed, expired or withdrawn: whatever the reason, the alarm is not
    // answered by it, and there is nothing left to withdraw.
    const auto found = mTicketOfId.constFind(id);
    if (found == mTicketOfId.cend())
        return;
    mIdOfTicket.remove(found.value());
    mTicketOfId.erase(found);
}

} // namespace vestrona
