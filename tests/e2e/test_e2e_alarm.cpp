// Real alarms on the virtual desktop: the pop-up comes with the sound
// looping on the sound server until "Stop", and without a sound server the
// pop-up still comes and the program lives on.
#include "tests/e2e/Desktop.h"

#include <QElapsedTimer>
#include <QTest>

using namespace vestrona::e2e;

namespace {

constexpr int kHeardSeconds = 10;

QProcessEnvironment withVariable(const QString &name, const QString &value)
{
    QProcessEnvironment environment;
    environment.insert(name, value);
    return environment;
}

} // namespace

class AlarmEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(missingDesktop().isEmpty(), qPrintable(missingDesktop()));
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
            QFAIL("PULSE_SERVER is not set: the sound server of the virtual desktop is missing");
    }

    // Both media back ends of Qt must reach the sound server; the program
    // takes whichever the environment asks for.
    void soundLoopsUntilStop_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("screenshot");
        QTest::newRow("gstreamer") << QStringLiteral("gstreamer") << QStringLiteral("screenshot-alarm-popup.png");
        QTest::newRow("ffmpeg") << QStringLiteral("ffmpeg") << QString();
    }

    void soundLoopsUntilStop()
    {
        QFETCH(QString, backend);
        QFETCH(QString, screenshot);
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        RunningProgram program(folder, withVariable(QStringLiteral("QT_MEDIA_BACKEND"), backend));
        SoundRecording sink;
        QVERIFY(sink.isRecording());
        QElapsedTimer clock;
        clock.start();
        const QString mainWindow = startThenAddReminder(folder, program);
        QVERIFY2(!mainWindow.isEmpty(), qPrintable(program.errorOutput()));
        QCOMPARE(playingStreamsOf(program.pid()), 0);

        // The sound starts just before the pop-up shows.
        QTRY_VERIFY2_WITH_TIMEOUT(playingStreamsOf(program.pid()) > 0,
                                  qPrintable(QStringLiteral("no sound on the sound server; stderr: ") + program.errorOutput()),
                                  20000);
        const qint64 heardBy = clock.elapsed();
        const QString popup = waitForPopup(program);
        QVERIFY(!popup.isEmpty());
        QVERIFY(showsProgramIcon(popup));
        if (!screenshot.isEmpty())
            QVERIFY(saveScreenshot(QStringLiteral("root"), screenshotPath(screenshot)));

        // The user may take a while to answer; the alarm must be heard all along.
        QTest::qWait((kHeardSeconds + 1) * 1000);
        QVERIFY(answerPopup(popup, PopupButton::Stop));
        const qint64 stoppedAt = clock.elapsed();
        QTRY_VERIFY_WITH_TIMEOUT(windowsOf(program.pid(), kPopupPattern).isEmpty(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(playingStreamsOf(program.pid()), 0, 10000);
        QTest::qWait(3000);
        sink.stop();

        const qint64 heardFrom = sink.firstAudibleFrom(0);
        QVERIFY2(heardFrom >= 0, "nothing audible on the sound server");
        for (int second = 0; second < kHeardSeconds; ++second) {
            const qint64 from = heardFrom + second * 1000;
            QVERIFY2(sink.audibleBetween(from, from + 1000),
                     qPrintable(QStringLiteral("silence in second %1 of the alarm").arg(second + 1)));
        }
        // The recording's times are those of the sound alone: its length,
        // counted from when it was known to play, must end within a second
        // of Stop, and silence must follow it.
        const qint64 lastHeard = sink.lastAudible();
        QVERIFY2(heardBy + (lastHeard - heardFrom) <= stoppedAt + 1000,
                 qPrintable(QStringLiteral("sound for %1 ms after Stop").arg(heardBy + lastHeard - heardFrom - stoppedAt)));
        QVERIFY(sink.lengthMs() >= lastHeard + 1500);

        // Stop moves on to the next reminder; the program keeps running.
        QVERIFY(program.isRunning());
        QVERIFY(windowInfo(mainWindow).viewable);
    }

    // A sound server that cannot be reached: no sound, but the pop-up, the
    // sound test and the program itself go on as usual.
    void withoutSoundServer_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::newRow("gstreamer") << QStringLiteral("gstreamer");
        QTest::newRow("ffmpeg") << QStringLiteral("ffmpeg");
    }

    void withoutSoundServer()
    {
        QFETCH(QString, backend);
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        QProcessEnvironment environment = withVariable(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent"));
        environment.insert(QStringLiteral("QT_MEDIA_BACKEND"), backend);
        RunningProgram program(folder, environment);
        const QString mainWindow = startThenAddReminder(folder, program);
        QVERIFY2(!mainWindow.isEmpty(), qPrintable(program.errorOutput()));

        const QString popup = waitForPopup(program);
        QVERIFY2(!popup.isEmpty(), program.isRunning() ? "no pop-up" : "the program ended at the alarm");
        QTest::qWait(1500);
        QVERIFY(program.isRunning());
        QVERIFY(answerPopup(popup, PopupButton::Stop));
        QTRY_VERIFY_WITH_TIMEOUT(windowsOf(program.pid(), kPopupPattern).isEmpty(), 10000);

        // "Test Alarm Sound", on the right of the "Alarm Sound File" frame.
        QVERIFY(clickIn(mainWindow, QPoint(392, 541)));
        QTest::qWait(1500);
        QVERIFY2(program.isRunning(), qPrintable(QStringLiteral("ended; stderr: ") + program.errorOutput()));
        QVERIFY(windowInfo(mainWindow).viewable);
    }
};

QTEST_GUILESS_MAIN(AlarmEndToEnd)
#include "test_e2e_alarm.moc"
