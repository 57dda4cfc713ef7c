#include "tests/support/PrivateBus.h"

#include <QDBusInterface>
#include <QDBusReply>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

namespace vestrona::test {

namespace {

const QString kControlInterface = QStringLiteral("example.tolvane.StandIn");

} // namespace

PrivateBus::PrivateBus() : mConnectionName(QStringLiteral("private-bus-") + QUuid::createUuid().toString())
{
    mDaemon.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    if (!mDaemon.waitForStarted(5000) || !mDaemon.waitForReadyRead(5000)) {
        mError = QStringLiteral("dbus-daemon did not start: ") + QString::fromLocal8Bit(mDaemon.readAllStandardError());
        return;
    }
    mAddress = QString::fromLocal8Bit(mDaemon.readLine()).trimmed();
    if (!QDBusConnection::connectToBus(mAddress, mConnectionName).isConnected())
        mError = QStringLiteral("no connection to the private bus at ") + mAddress;
}

PrivateBus::~PrivateBus()
{
    QDBusConnection::disconnectFromBus(mConnectionName);
    mDaemon.kill();
    mDaemon.waitForFinished(5000);
}

QDBusConnection PrivateBus::connection() const
{
    return QDBusConnection(mConnectionName);
}

void PrivateBus::addTo(QProcessEnvironment &environment) const
{
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), mAddress);
}

NotificationStandIn::NotificationStandIn(const PrivateBus &bus, const QStringList &options)
    : mBus(bus.connection())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    bus.addTo(environment);
    mProcess.setProcessEnvironment(environment);
    mProcess.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral(VESTRONA_NOTIFICATION_SERVICE)} + options);
    if (!mProcess.waitForStarted(5000) || !mProcess.waitForReadyRead(10000)
        || !mProcess.readLine().startsWith("ready"))
        mError = QStringLiteral("the stand-in notification service did not start: ")
            + QString::fromLocal8Bit(mProcess.readAllStandardError());
}

NotificationStandIn::~NotificationStandIn()
{
    mProcess.kill();
    mProcess.waitForFinished(5000);
}

QJsonArray NotificationStandIn::calls() const
{
    QDBusInterface control(QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/standin"),
                           kControlInterface, mBus);
    const QDBusReply<QString> reply = control.call(QStringLiteral("Calls"));
    return QJsonDocument::fromJson(reply.value().toUtf8()).array();
}

QJsonArray NotificationStandIn::callsOf(const QString &method) const
{
    QJsonArray found;
    for (const QJsonValue call : calls())
        if (call.toObject().value(QStringLiteral("method")).toString() == method)
            found.append(call);
    return found;
}

bool NotificationStandIn::invoke(uint id, const QString &key) const
{
    QDBusInterface control(QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/standin"),
                           kControlInterface, mBus);
    return control.call(QStringLiteral("Invoke"), id, key).type() == QDBusMessage::ReplyMessage;
}

bool NotificationStandIn::dismiss(uint id) const
{
    QDBusInterface control(QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/standin"),
                           kControlInterface, mBus);
    return control.call(QStringLiteral("Dismiss"), id).type() == QDBusMessage::ReplyMessage;
}

} // namespace vestrona::test
