// The program as a native Wayland client under a headless weston: an alarm
// shows its pop-up, loops its sound on the sound server and sends its
// notification, which answers it. Weston's scene graph (weston --debug)
// tells which windows are on the screen.
#include "tests/e2e/Desktop.h"
#include "tests/support/PrivateBus.h"
#include "tests/support/TempFolder.h"

#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace vestrona::e2e;
using vestrona::test::NotificationStandIn;
using vestrona::test::PrivateBus;
using vestrona::test::TempFolder;

namespace {

const QString kSocket = QStringLiteral("vestrona-test");

class HeadlessWeston {
public:
    HeadlessWeston()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), mRuntime.path());
        environment.remove(QStringLiteral("DISPLAY"));
        mWeston.setProcessEnvironment(environment);
        mWeston.setProcessChannelMode(QProcess::MergedChannels);
        mWeston.start(QStringLiteral("weston"), {QStringLiteral("--backend=headless-backend.so"),
                                                 QStringLiteral("--socket=") + kSocket, QStringLiteral("--debug"),
                                                 QStringLiteral("--idle-time=0")});
        if (!mWeston.waitForStarted(5000)
            || !QTest::qWaitFor([this] { return QFile::exists(mRuntime.file(kSocket)); }, 10000))
            mError = QStringLiteral("weston did not start: ") + QString::fromLocal8Bit(mWeston.readAll());
    }
    ~HeadlessWeston()
    {
        mWeston.terminate();
        if (!mWeston.waitForFinished(5000))
            mWeston.kill();
    }
    QString error() const { return mError; }

    // A client's environment: this compositor, no X display.
    QProcessEnvironment clientEnvironment(QProcessEnvironment environment) const
    {
        environment.remove(QStringLiteral("DISPLAY"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), mRuntime.path());
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), kSocket);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        return environment;
    }

    // The titles of the top-level windows of process `pid` on the screen.
    QStringList windowsOf(qint64 pid) const
    {
        const QString graph = runProcess(QStringLiteral("weston-debug"), {QStringLiteral("scene-graph")},
                                         clientEnvironment(QProcessEnvironment::systemEnvironment()), 5000)
                                  .out;
        QStringList titles;
        const QRegularExpression view(QStringLiteral("PID (\\d+), .*top-level window '([^']*)'"));
        for (auto match = view.globalMatch(graph); match.hasNext();) {
            const QRegularExpressionMatch found = match.next();
            if (found.captured(1).toLongLong() == pid)
                titles << found.captured(2);
        }
        return titles;
    }

private:
    TempFolder mRuntime;
    QProcess mWeston;
    QString mError;
};

} // namespace

class WaylandEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(missingSoundServer().isEmpty(), qPrintable(missingSoundServer()));
    }

    void alarmUnderWayland()
    {
        HeadlessWeston weston;
        QVERIFY2(weston.error().isEmpty(), qPrintable(weston.error()));
        PrivateBus bus;
        QVERIFY2(bus.error().isEmpty(), qPrintable(bus.error()));
        NotificationStandIn service(bus);
        QVERIFY2(service.error().isEmpty(), qPrintable(service.error()));
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        QProcessEnvironment environment = weston.clientEnvironment(folder.environment());
        bus.addTo(environment);
        RunningProgram program(folder.programPath(), environment);
        QTRY_VERIFY2_WITH_TIMEOUT(weston.windowsOf(program.pid()).contains(QStringLiteral("Vestrona")),
                                  qPrintable(program.errorOutput()), 20000);
        SoundRecording sink;
        QVERIFY(sink.isRecording());
        QVERIFY(!folder.addOnce(wholeSecondsFromNow(3), QStringLiteral("Water the plants")).isEmpty());

        QTRY_VERIFY2_WITH_TIMEOUT(weston.windowsOf(program.pid()).contains(QStringLiteral(" Reminder")),
                                  qPrintable(program.errorOutput()), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(playingStreamsOf(program.pid()) > 0, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(service.callsOf(QStringLiteral("Notify")).size(), 1, 5000);
        const QJsonObject sent = service.callsOf(QStringLiteral("Notify")).first().toObject();
        QCOMPARE(sent.value("body").toString(), QStringLiteral("Water the plants"));
        // A second start reaches the running copy under Wayland too, and ends.
        QCOMPARE(runProcess(folder.programPath(), {}, environment, 10000).exitCode, 0);
        QTest::qWait(3000);
        QVERIFY(playingStreamsOf(program.pid()) > 0);
        QCOMPARE(weston.windowsOf(program.pid()).count(QStringLiteral(" Reminder")), 1);

        QVERIFY(service.invoke(uint(sent.value("id").toInt()), QStringLiteral("stop")));
        QTRY_COMPARE_WITH_TIMEOUT(playingStreamsOf(program.pid()), 0, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!weston.windowsOf(program.pid()).contains(QStringLiteral(" Reminder")), 5000);
        sink.stop();
        const qint64 first = sink.firstAudibleFrom(0);
        QVERIFY2(first >= 0, "nothing audible on the sound server");
        // The sound loops: heard in each of the three seconds before the answer.
        for (int second = 0; second < 3; ++second)
            QVERIFY2(sink.audibleBetween(first + second * 1000, first + (second + 1) * 1000),
                     qPrintable(QStringLiteral("silence in second %1 of the alarm").arg(second + 1)));
        QVERIFY(program.isRunning());
    }
};

QTEST_MAIN(WaylandEndToEnd)
#include "test_e2e_wayland.moc"
