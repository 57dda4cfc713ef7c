// The real program as a screen reader meets it through AT-SPI, in English and
// in German: every control of the main window, the editor and the alarm
// pop-up has a role and a name, and Stop pressed through its AT-SPI action
// silences the alarm.
#include "tests/e2e/Desktop.h"
#include "tests/support/PrivateBus.h"

#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace vestrona::e2e;
using vestrona::test::PrivateBus;

namespace {

// The desktop's accessibility bus, launched on the test's own session bus as
// a desktop session launches it; it ends with this object.
class AccessibilityBus {
public:
    explicit AccessibilityBus(const PrivateBus &bus)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        bus.addTo(env);
        // On the bus only: no address on the shared display's root window.
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        mLauncher.setProcessEnvironment(env);
        mLauncher.start(QStringLiteral("/usr/libexec/at-spi-bus-launcher"), {QStringLiteral("--launch-immediately")});
        mReady = QTest::qWaitFor(
            [&] { return bus.connection().interface()->isServiceRegistered(QStringLiteral("org.a11y.Bus")).value(); },
            10000);
    }
    ~AccessibilityBus()
    {
        mLauncher.terminate();
        if (!mLauncher.waitForFinished(5000))
            mLauncher.kill();
        mLauncher.waitForFinished();
    }
    AccessibilityBus(const AccessibilityBus &) = delete;
    AccessibilityBus &operator=(const AccessibilityBus &) = delete;

    bool isReady() const { return mReady; }

private:
    QProcess mLauncher;
    bool mReady = false;
};

struct ScreenReader {
    QProcessEnvironment environment;
    qint64 pid = 0;

    ProcessResult run(const QStringList &arguments) const
    {
        return runProcess(QStringLiteral("/usr/bin/python3"),
                          QStringList{QStringLiteral(VESTRONA_SCREEN_READER)} + arguments, environment, 30000);
    }
    // Every control shown in the window: [role, name, description].
    QJsonArray walk(const QString &window) const
    {
        const ProcessResult r = run({QStringLiteral("walk"), QString::number(pid), window});
        if (r.exitCode != 0)
            qWarning("walk: %s", qPrintable(r.err));
        return QJsonDocument::fromJson(r.out.toUtf8()).array();
    }
    bool press(const QString &window, const QString &button) const
    {
        const ProcessResult r = run({QStringLiteral("press"), QString::number(pid), window, button});
        if (r.exitCode != 0)
            qWarning("press: %s", qPrintable(r.err));
        return r.exitCode == 0;
    }
};

// The controls a screen reader would reach without a name, and whether the
// walk found the ones it must.
QStringList unnamed(const QJsonArray &controls)
{
    QStringList found;
    for (const QJsonValue &control : controls)
        if (control[1].toString().trimmed().isEmpty())
            found << control[0].toString();
    return found;
}

bool has(const QJsonArray &controls, const QString &role, const QString &name)
{
    for (const QJsonValue &control : controls)
        if (control[0].toString() == role && control[1].toString() == name)
            return true;
    return false;
}

} // namespace

class AccessibilityEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(missingDesktop().isEmpty(), qPrintable(missingDesktop()));
        QVERIFY2(missingSoundServer().isEmpty(), qPrintable(missingSoundServer()));
    }

    void screenReaderWalksAndStopsTheAlarm_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("names"); // editor, pop-up, Add, Monday, Stop, the pop-up's message
        QTest::newRow("English") << "en_US.UTF-8" << QStringList{"Reminder", " Reminder", "Add New Reminder",
                                                                 "Monday",   "Stop",      "Reminder message"};
        QTest::newRow("German") << "de_DE.UTF-8"
                                << QStringList{"Erinnerung", " Erinnerung", "Neue Erinnerung hinzufügen",
                                               "Montag",     "Stopp",       "Erinnerungstext"};
    }
    void screenReaderWalksAndStopsTheAlarm()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, names);
        const QString &editor = names[0], &popup = names[1];
        PrivateBus bus;
        QVERIFY2(bus.error().isEmpty(), qPrintable(bus.error()));
        AccessibilityBus accessibility(bus);
        QVERIFY2(accessibility.isReady(), "at-spi-bus-launcher did not come up");
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        QProcessEnvironment env;
        bus.addTo(env);
        env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        env.insert(QStringLiteral("LC_ALL"), locale);
        RunningProgram program(folder, env);
        ScreenReader reader{QProcessEnvironment::systemEnvironment(), program.pid()};
        bus.addTo(reader.environment);

        const QString mainWindow = waitForWindow(program.pid(), kMainWindowPattern, 20000);
        QVERIFY2(!mainWindow.isEmpty(), qPrintable(program.errorOutput()));
        const QJsonArray main = reader.walk(QStringLiteral("Vestrona"));
        QVERIFY2(main.size() >= 15, qPrintable(QJsonDocument(main).toJson()));
        QCOMPARE(unnamed(main), QStringList());
        QVERIFY(has(main, QStringLiteral("push button"), names[2]));

        QVERIFY(reader.press(QStringLiteral("Vestrona"), names[2]));
        const QString editorWindow = waitForWindow(program.pid(), QLatin1Char('^') + editor + QLatin1Char('$'), 10000);
        QVERIFY(!editorWindow.isEmpty());
        const QJsonArray edit = reader.walk(editor);
        QVERIFY2(edit.size() >= 15, qPrintable(QJsonDocument(edit).toJson()));
        QCOMPARE(unnamed(edit), QStringList());
        QVERIFY(has(edit, QStringLiteral("check box"), names[3]));
        QVERIFY(pressKey(editorWindow, QStringLiteral("Escape")));
        QTRY_VERIFY_WITH_TIMEOUT(windowsOf(program.pid(), QLatin1Char('^') + editor + QLatin1Char('$')).isEmpty(),
                                 10000);

        SoundRecording sink;
        QVERIFY(sink.isRecording());
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(startThenAddReminder(folder, program), mainWindow);
        QTRY_VERIFY_WITH_TIMEOUT(playingStreamsOf(program.pid()) > 0, 20000);
        const qint64 heardBy = clock.elapsed();
        QVERIFY(!waitForWindow(program.pid(), QLatin1Char('^') + popup + QLatin1Char('$'), 20000).isEmpty());
        const QJsonArray ringing = reader.walk(popup);
        QCOMPARE(unnamed(ringing), QStringList());
        QVERIFY2(has(ringing, QStringLiteral("push button"), names[4]), qPrintable(QJsonDocument(ringing).toJson()));
        QVERIFY(has(ringing, QStringLiteral("text"), names[5]));
        // Heard for a while before the answer, as a user's would come.
        QTest::qWait(2000);

        QVERIFY(reader.press(popup, names[4]));
        const qint64 stoppedAt = clock.elapsed();
        QTRY_VERIFY_WITH_TIMEOUT(windowsOf(program.pid(), QLatin1Char('^') + popup + QLatin1Char('$')).isEmpty(),
                                 10000);
        QTRY_COMPARE_WITH_TIMEOUT(playingStreamsOf(program.pid()), 0, 10000);
        QTest::qWait(3000);
        sink.stop();
        const qint64 heardFrom = sink.firstAudibleFrom(0);
        QVERIFY2(heardFrom >= 0, "nothing audible on the sound server");
        const qint64 lastHeard = sink.lastAudible();
        QVERIFY2(
            heardBy + (lastHeard - heardFrom) <= stoppedAt + 1000,
            qPrintable(QStringLiteral("sound for %1 ms after Stop").arg(heardBy + lastHeard - heardFrom - stoppedAt)));
        QVERIFY(sink.lengthMs() >= lastHeard + 1500);
        QVERIFY(program.isRunning());
    }
};

QTEST_GUILESS_MAIN(AccessibilityEndToEnd)
#include "test_e2e_accessibility.moc"
