// The alarm's notification on a desktop whose notification service is a
// stand-in on a private session bus: what the program sends, and what each
// answer does to the sound the sound server plays and to the pop-up.
#include "tests/e2e/Desktop.h"
#include "tests/support/PrivateBus.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QTest>

using namespace vestrona::e2e;
using vestrona::test::NotificationStandIn;
using vestrona::test::PrivateBus;

namespace {

// The program on the private bus, an alarm on its way.
struct Ringing {
    explicit Ringing(const QStringList &serviceOptions = {})
        : service(bus, serviceOptions), program(folder, busEnvironment(bus))
    {
    }
    static QProcessEnvironment busEnvironment(const PrivateBus &bus)
    {
        QProcessEnvironment environment;
        bus.addTo(environment);
        return environment;
    }
    // Empty words once the pop-up rings and its notification was sent.
    QString waitForAlarm()
    {
        if (!bus.error().isEmpty() || !service.error().isEmpty() || !folder.setupError().isEmpty())
            return bus.error() + service.error() + folder.setupError();
        if (startThenAddReminder(folder, program).isEmpty())
            return QStringLiteral("no main window: ") + program.errorOutput();
        popup = waitForPopup(program);
        if (popup.isEmpty())
            return QStringLiteral("no pop-up");
        if (!QTest::qWaitFor([this] { return playingStreamsOf(program.pid()) > 0; }, 10000))
            return QStringLiteral("no sound");
        if (!QTest::qWaitFor([this] { return !service.callsOf(QStringLiteral("Notify")).isEmpty(); }, 5000))
            return QStringLiteral("no notification");
        notification = service.callsOf(QStringLiteral("Notify")).first().toObject();
        return {};
    }
    uint id() const { return uint(notification.value(QStringLiteral("id")).toInt()); }
    QList<int> closed() const
    {
        QList<int> ids;
        for (const QJsonValue call : service.callsOf(QStringLiteral("CloseNotification")))
            ids << call.toObject().value(QStringLiteral("id")).toInt();
        return ids;
    }

    PrivateBus bus;
    NotificationStandIn service;
    ProgramFolder folder;
    RunningProgram program;
    QString popup;
    QJsonObject notification;
};

} // namespace

class NotificationEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(missingDesktop().isEmpty(), qPrintable(missingDesktop()));
        QVERIFY2(missingSoundServer().isEmpty(), qPrintable(missingSoundServer()));
    }

    // "Snooze" or "Stop" on the notification end the sound within a second
    // and close the pop-up, as its own buttons do; the notification is then
    // withdrawn.
    void answeredOnTheNotification_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("stop") << QStringLiteral("stop");
        QTest::newRow("snooze") << QStringLiteral("snooze");
    }
    void answeredOnTheNotification()
    {
        QFETCH(QString, action);
        SoundRecording sink;
        QVERIFY(sink.isRecording());
        QElapsedTimer clock;
        clock.start();
        Ringing alarm;
        const QString failed = alarm.waitForAlarm();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        const qint64 heardBy = clock.elapsed();
        QCOMPARE(alarm.notification.value("summary").toString(), QStringLiteral("Reminder"));
        QCOMPARE(alarm.notification.value("body").toString(), QStringLiteral("Water the plants"));
        QCOMPARE(alarm.notification.value("actions").toVariant().toStringList(),
                 (QStringList{"default", "Show", "snooze", "Snooze", "stop", "Stop"}));
        QVERIFY(alarm.closed().isEmpty());
        QTest::qWait(2000);

        QVERIFY(alarm.service.invoke(alarm.id(), action));
        const qint64 answeredAt = clock.elapsed();

        QTRY_VERIFY_WITH_TIMEOUT(windowsOf(alarm.program.pid(), kPopupPattern).isEmpty(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(playingStreamsOf(alarm.program.pid()), 0, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(alarm.closed(), QList<int>{int(alarm.id())}, 5000);
        QTest::qWait(2500);
        sink.stop();
        const qint64 heardFrom = sink.firstAudibleFrom(0);
        QVERIFY2(heardFrom >= 0, "nothing audible on the sound server");
        const qint64 lastHeard = sink.lastAudible();
        QVERIFY2(heardBy + (lastHeard - heardFrom) <= answeredAt + 1000,
                 qPrintable(QStringLiteral("sound for %1 ms after %2 on the notification")
                                .arg(heardBy + lastHeard - heardFrom - answeredAt)
                                .arg(action)));
        QVERIFY(sink.lengthMs() >= lastHeard + 1500);
        QVERIFY(alarm.program.isRunning());
    }

    // Closing the notification is no answer: the sound goes on and the
    // pop-up stays, and the pop-up's answer later finds nothing to withdraw.
    void dismissedKeepsRinging()
    {
        SoundRecording sink;
        QVERIFY(sink.isRecording());
        Ringing alarm;
        const QString failed = alarm.waitForAlarm();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QTest::qWait(1000);
        sink.stop();
        const qint64 dismissedFrom = sink.lengthMs();
        SoundRecording after;
        QVERIFY(after.isRecording());

        QVERIFY(alarm.service.dismiss(alarm.id()));

        QTest::qWait(4000);
        QVERIFY(playingStreamsOf(alarm.program.pid()) > 0);
        QCOMPARE(windowsOf(alarm.program.pid(), kPopupPattern), QStringList{alarm.popup});
        after.stop();
        const qint64 first = after.firstAudibleFrom(0);
        QVERIFY2(first >= 0, qPrintable(QStringLiteral("silence after the dismissal (%1 ms heard before)").arg(dismissedFrom)));
        for (qint64 from = first; from + 1000 <= after.lengthMs() - 500; from += 1000)
            QVERIFY2(after.audibleBetween(from, from + 1000),
                     qPrintable(QStringLiteral("silence %1 ms after the dismissal").arg(from - first)));

        QVERIFY(answerPopup(alarm.popup, PopupButton::Stop));
        QTRY_COMPARE_WITH_TIMEOUT(playingStreamsOf(alarm.program.pid()), 0, 5000);
        QTest::qWait(500);
        QVERIFY(alarm.closed().isEmpty());
    }

    // Answered in the pop-up, the notification is withdrawn; on a service
    // without buttons the notification carries none and the pop-up answers.
    void popupAnswerWithdrawsIt_data()
    {
        QTest::addColumn<QStringList>("serviceOptions");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("actions");
        QTest::newRow("Snooze") << QStringList() << int(PopupButton::Snooze) << 6;
        QTest::newRow("Stop") << QStringList() << int(PopupButton::Stop) << 6;
        QTest::newRow("Stop, service without actions") << QStringList{"--no-actions"} << int(PopupButton::Stop) << 0;
    }
    void popupAnswerWithdrawsIt()
    {
        QFETCH(QStringList, serviceOptions);
        QFETCH(int, button);
        QFETCH(int, actions);
        Ringing alarm(serviceOptions);
        const QString failed = alarm.waitForAlarm();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QCOMPARE(alarm.notification.value("actions").toArray().size(), actions);

        QVERIFY(answerPopup(alarm.popup, PopupButton(button)));

        QTRY_COMPARE_WITH_TIMEOUT(alarm.closed(), QList<int>{int(alarm.id())}, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(playingStreamsOf(alarm.program.pid()), 0, 5000);
        QVERIFY(windowsOf(alarm.program.pid(), kPopupPattern).isEmpty());
    }
};

QTEST_MAIN(NotificationEndToEnd)
#include "test_e2e_notification.moc"
