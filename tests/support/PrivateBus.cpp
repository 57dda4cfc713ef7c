#include "tests/support/PrivateBus.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

namespace vestrona::test {

PrivateBus::PrivateBus() : mConnectionName(QStringLiteral("private-bus-") + QUuid::createUuid().toString())
{
    // A session bus without the system's service folders.
    const QString config = mFolder.file(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)
        || file.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                      " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                      "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>"
                      "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                      "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n")
               < 0) {
        mError = QStringLiteral("no bus configuration could be written to ") + config;
        return;
    }
    file.close();
    mDaemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                                                  QStringLiteral("--print-address")});
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

StandInService::StandInService(const PrivateBus &bus, const QString &script, const QString &serviceName,
                               const QStringList &options)
    : mBus(bus.connection()), mServiceName(serviceName)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    bus.addTo(environment);
    mProcess.setProcessEnvironment(environment);
    mProcess.start(QStringLiteral("/usr/bin/python3"), QStringList{script} + options);
    if (!mProcess.waitForStarted(5000) || !mProcess.waitForReadyRead(10000) || !mProcess.readLine().startsWith("ready"))
        mError = QStringLiteral("the stand-in for %1 did not start: %2")
                     .arg(serviceName, QString::fromLocal8Bit(mProcess.readAllStandardError()));
}

StandInService::~StandInService()
{
    mProcess.kill();
    mProcess.waitForFinished(5000);
}

QDBusMessage StandInService::call(const QString &method, const QVariantList &arguments) const
{
    QDBusMessage message = QDBusMessage::createMethodCall(mServiceName, QStringLiteral("/standin"),
                                                          QStringLiteral("example.tolvane.StandIn"), method);
    message.setArguments(arguments);
    return mBus.call(message, QDBus::Block, 10000);
}

NotificationStandIn::NotificationStandIn(const PrivateBus &bus, const QStringList &options)
    : mService(bus, QStringLiteral(VESTRONA_NOTIFICATION_SERVICE), QStringLiteral("org.freedesktop.Notifications"),
               options)
{
}

QJsonArray NotificationStandIn::calls() const
{
    const QDBusMessage reply = mService.call(QStringLiteral("Calls"));
    return QJsonDocument::fromJson(reply.arguments().value(0).toString().toUtf8()).array();
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
    return mService.call(QStringLiteral("Invoke"), {id, key}).type() == QDBusMessage::ReplyMessage;
}

bool NotificationStandIn::dismiss(uint id) const
{
    return mService.call(QStringLiteral("Dismiss"), {id}).type() == QDBusMessage::ReplyMessage;
}

StatusNotifierHostStandIn::StatusNotifierHostStandIn(const PrivateBus &bus)
    : mService(bus, QStringLiteral(VESTRONA_STATUS_NOTIFIER_HOST), QStringLiteral("org.kde.StatusNotifierWatcher"), {})
{
}

QStringList StatusNotifierHostStandIn::items() const
{
    return mService.call(QStringLiteral("Items")).arguments().value(0).toStringList();
}

QString StatusNotifierHostStandIn::tip(const QString &item) const
{
    const QJsonObject tip =
        QJsonDocument::fromJson(mService.call(QStringLiteral("Tip"), {item}).arguments().value(0).toString().toUtf8())
            .object();
    return tip.value(QStringLiteral("title")).toString() + QLatin1Char('\n') + tip.value(QStringLiteral("text")).toString();
}

QStringList StatusNotifierHostStandIn::menu(const QString &item) const
{
    return mService.call(QStringLiteral("Menu"), {item}).arguments().value(0).toStringList();
}

bool StatusNotifierHostStandIn::click(const QString &item, const QString &label) const
{
    return mService.call(QStringLiteral("Click"), {item, label}).arguments().value(0).toBool();
}

} // namespace vestrona::test
