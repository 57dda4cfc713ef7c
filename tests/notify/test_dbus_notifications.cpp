// The notification client against a stand-in for the desktop's notification
// service on a bus of the test's own: what an alarm's notification carries,
// its answers, dismissal and withdrawal, and a desktop without the service.
#include "notify/DBusNotifications.h"
#include "notify/SleepWatch.h"
#include "tests/support/PrivateBus.h"

#include <QDBusMessage>
#include <QJsonObject>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace vestrona;
using namespace vestrona::test;

namespace {

using Action = AlarmNotifier::Action;

DBusNotifications::Identity identity()
{
    return {QStringLiteral("Vestrona"), QStringLiteral("example.tolvane.Vestrona"),
            QStringLiteral("example.tolvane.Vestrona")};
}

// The one Notify call the stand-in got, once it came.
QJsonObject waitForNotify(const NotificationStandIn &service, int count = 1)
{
    QJsonArray calls;
    for (int i = 0; i < 50 && calls.size() < count; ++i) {
        QTest::qWait(100);
        calls = service.callsOf(QStringLiteral("Notify"));
    }
    return calls.size() == count ? calls.last().toObject() : QJsonObject();
}

// The client on a bus of its own with the stand-in service.
struct Desktop {
    explicit Desktop(const QStringList &serviceOptions = {}) : service(bus, serviceOptions) {}
    QString error() const { return bus.error() + service.error(); }

    PrivateBus bus;
    NotificationStandIn service;
    DBusNotifications notifications{identity(), bus.connection()};
};

QJsonArray hint(const QJsonObject &notify, const char *name)
{
    return notify.value(QStringLiteral("hints")).toObject().value(QString::fromLatin1(name)).toArray();
}

} // namespace

Q_DECLARE_METATYPE(vestrona::AlarmNotifier::Action)

class TestDBusNotifications : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<AlarmNotifier::Action>(); }

    void alarmCarriesTheReminderWithItsActions_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QStringList>("actions");
        const QStringList all{"default", "Show", "snooze", "Snooze", "stop", "Stop"};
        QTest::newRow("plain") << QStringList() << QStringLiteral("Water the plants")
                               << QStringLiteral("Water the plants") << all;
        // A service that reads markup must not take the message's signs for tags.
        QTest::newRow("markup") << QStringList{"--markup"} << QStringLiteral("Call <Ann> & Bo")
                                << QStringLiteral("Call &lt;Ann&gt; &amp; Bo") << all;
        QTest::newRow("no markup, signs kept") << QStringList() << QStringLiteral("Call <Ann> & Bo")
                                               << QStringLiteral("Call <Ann> & Bo") << all;
        // Without buttons on the desktop the pop-up answers alone.
        QTest::newRow("no actions") << QStringList{"--no-actions"} << QStringLiteral("Tea")
                                    << QStringLiteral("Tea") << QStringList();
    }
    void alarmCarriesTheReminderWithItsActions()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, message);
        QFETCH(QString, body);
        QFETCH(QStringList, actions);
        Desktop desktop(options);
        QVERIFY2(desktop.error().isEmpty(), qPrintable(desktop.error()));
        auto &[bus, service, notifications] = desktop;

        QVERIFY(notifications.showAlarm(message) != 0);

        const QJsonObject sent = waitForNotify(service);
        QVERIFY(!sent.isEmpty());
        QCOMPARE(sent.value("app_name").toString(), QStringLiteral("Vestrona"));
        QCOMPARE(sent.value("app_icon").toString(), QStringLiteral("example.tolvane.Vestrona"));
        QCOMPARE(sent.value("summary").toString(), QStringLiteral("Reminder"));
        QCOMPARE(sent.value("body").toString(), body);
        QCOMPARE(sent.value("actions").toVariant().toStringList(), actions);
        QCOMPARE(sent.value("replaces_id").toInt(), 0);
        QCOMPARE(sent.value("expire_timeout").toInt(), 0);
        // The types matter: a service reads urgency only as a byte.
        QCOMPARE(hint(sent, "urgency"), QJsonArray({"Byte", 2}));
        QCOMPARE(hint(sent, "resident"), QJsonArray({"Boolean", true}));
        QCOMPARE(hint(sent, "desktop-entry"), QJsonArray({"String", "example.tolvane.Vestrona"}));
    }

    void eachActionIsTold_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<Action>("action");
        QTest::newRow("default") << QStringLiteral("default") << Action::Show;
        QTest::newRow("snooze") << QStringLiteral("snooze") << Action::Snooze;
        QTest::newRow("stop") << QStringLiteral("stop") << Action::Stop;
    }
    void eachActionIsTold()
    {
        QFETCH(QString, key);
        QFETCH(Action, action);
        Desktop desktop;
        QVERIFY2(desktop.error().isEmpty(), qPrintable(desktop.error()));
        auto &[bus, service, notifications] = desktop;
        QSignalSpy told(&notifications, &AlarmNotifier::actionInvoked);
        // Someone else's notification on the same service answers nothing.
        notifications.showNotice(QStringLiteral("1 reminder was missed"));
        const quint32 ticket = notifications.showAlarm(QStringLiteral("Tea"));
        const QJsonObject sent = waitForNotify(service, 2);
        QVERIFY(!sent.isEmpty());
        const uint notice = uint(service.callsOf(QStringLiteral("Notify")).first().toObject().value("id").toInt());

        QVERIFY(service.invoke(notice, key));
        QVERIFY(service.invoke(uint(sent.value("id").toInt()), key));

        QTRY_COMPARE(told.size(), 1);
        QCOMPARE(told.first().at(0).value<quint32>(), ticket);
        QCOMPARE(told.first().at(1).value<Action>(), action);
    }

    // Withdrawn, it is closed on the service, even when that comes before
    // the service said its id; dismissed by the user first, it is not closed
    // again. Either way its buttons answer nothing any more.
    void withdrawnOrDismissed_data()
    {
        QTest::addColumn<QString>("when");
        QTest::newRow("withdrawn") << QStringLiteral("withdrawn");
        QTest::newRow("withdrawn at once") << QStringLiteral("withdrawn at once");
        QTest::newRow("dismissed, then the pop-up answered") << QStringLiteral("dismissed first");
    }
    void withdrawnOrDismissed()
    {
        QFETCH(QString, when);
        Desktop desktop;
        QVERIFY2(desktop.error().isEmpty(), qPrintable(desktop.error()));
        auto &[bus, service, notifications] = desktop;
        QSignalSpy told(&notifications, &AlarmNotifier::actionInvoked);
        const quint32 ticket = notifications.showAlarm(QStringLiteral("Tea"));
        if (when == QLatin1String("withdrawn at once"))
            notifications.withdraw(ticket);
        const uint id = uint(waitForNotify(service).value("id").toInt());
        QVERIFY(id != 0);
        if (when == QLatin1String("dismissed first")) {
            QVERIFY(service.dismiss(id));
            QTest::qWait(300);
        }

        notifications.withdraw(ticket);

        QTest::qWait(300);
        QList<int> closed;
        for (const QJsonValue call : service.callsOf(QStringLiteral("CloseNotification")))
            closed << call.toObject().value("id").toInt();
        QCOMPARE(closed, when == QLatin1String("dismissed first") ? QList<int>() : QList<int>{int(id)});
        QVERIFY(service.invoke(id, QStringLiteral("stop")));
        QTest::qWait(300);
        QCOMPARE(told.size(), 0);
    }

    // The program ending while its alarm rings takes the notification along.
    void endingWhileItRingsWithdrawsTheAlarm()
    {
        PrivateBus bus;
        NotificationStandIn service(bus);
        QVERIFY2(bus.error().isEmpty() && service.error().isEmpty(), qPrintable(bus.error() + service.error()));
        uint id = 0;
        {
            DBusNotifications notifications{identity(), bus.connection()};
            notifications.showAlarm(QStringLiteral("Tea"));
            id = uint(waitForNotify(service).value("id").toInt());
            QVERIFY(id != 0);
        }
        const QJsonArray closed = service.callsOf(QStringLiteral("CloseNotification"));
        QCOMPARE(closed.size(), 1);
        QCOMPARE(uint(closed.first().toObject().value("id").toInt()), id);
    }

    // A notice says its words with the service's own timing and no buttons.
    void noticeIsPlain()
    {
        Desktop desktop;
        QVERIFY2(desktop.error().isEmpty(), qPrintable(desktop.error()));
        auto &[bus, service, notifications] = desktop;

        notifications.showNotice(QStringLiteral("2 reminders were missed while Vestrona was not running"));

        const QJsonObject sent = waitForNotify(service);
        QCOMPARE(sent.value("summary").toString(), QStringLiteral("Vestrona"));
        QCOMPARE(sent.value("body").toString(), QStringLiteral("2 reminders were missed while Vestrona was not running"));
        QVERIFY(sent.value("actions").toArray().isEmpty());
        QCOMPARE(sent.value("expire_timeout").toInt(), -1);
        QVERIFY(hint(sent, "urgency").isEmpty());
    }

    // No service on the bus, or no bus at all: nothing waits and nothing is told.
    void withoutAServiceNothingHappens()
    {
        PrivateBus bus;
        QVERIFY2(bus.error().isEmpty(), qPrintable(bus.error()));
        for (const QDBusConnection &connection : {bus.connection(), QDBusConnection(QStringLiteral("no such bus"))}) {
            DBusNotifications notifications(identity(), connection);
            QSignalSpy told(&notifications, &AlarmNotifier::actionInvoked);
            QElapsedTimer clock;
            clock.start();
            const quint32 ticket = notifications.showAlarm(QStringLiteral("Tea"));
            notifications.withdraw(ticket);
            notifications.showNotice(QStringLiteral("words"));
            QVERIFY(clock.elapsed() < 100);
            QTest::qWait(300);
            QCOMPARE(told.size(), 0);
        }
    }

    // logind's word that the machine woke, and not the one that it sleeps.
    void sleepWatchTellsTheWakeUp()
    {
        PrivateBus bus;
        QVERIFY2(bus.error().isEmpty(), qPrintable(bus.error()));
        QDBusConnection logind = bus.connection();
        QVERIFY(logind.registerService(QStringLiteral("org.freedesktop.login1")));
        SleepWatch watch(bus.connection());
        QSignalSpy resumed(&watch, &SleepWatch::resumed);
        for (const bool goingToSleep : {true, false}) {
            QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                             QStringLiteral("org.freedesktop.login1.Manager"),
                                                             QStringLiteral("PrepareForSleep"));
            signal << goingToSleep;
            QVERIFY(logind.send(signal));
        }
        QTRY_COMPARE(resumed.size(), 1);
        QTest::qWait(300);
        QCOMPARE(resumed.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDBusNotifications)
#include "test_dbus_notifications.moc"
