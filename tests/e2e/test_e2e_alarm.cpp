// A real alarm on the virtual desktop: the pop-up comes with the sound
// playing on the sound server, and "Stop" ends both.
#include "tests/e2e/Desktop.h"

#include <QTest>

using namespace vestrona::e2e;

class AlarmEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString missing = missingDesktop();
        if (!missing.isEmpty())
            QFAIL(qPrintable(missing));
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
            QFAIL("PULSE_SERVER is not set: the sound server of the virtual desktop is missing");
    }

    // Both media back ends of Qt must reach the sound server; the program
    // takes whichever Qt picks.
    void popupAndSoundUntilStop_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("screenshot");
        QTest::newRow("gstreamer") << QStringLiteral("gstreamer") << QStringLiteral("screenshot-alarm-popup.png");
        QTest::newRow("ffmpeg") << QStringLiteral("ffmpeg") << QString();
    }

    void popupAndSoundUntilStop()
    {
        QFETCH(QString, backend);
        QFETCH(QString, screenshot);
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        // Far enough ahead that start-up is over before it rings.
        QDateTime due = QDateTime::currentDateTime().addSecs(4);
        due.setTime(QTime(due.time().hour(), due.time().minute(), due.time().second()));
        QVERIFY(!folder.addOnce(due, QStringLiteral("Water the plants")).isEmpty());

        QProcessEnvironment backendChoice;
        backendChoice.insert(QStringLiteral("QT_MEDIA_BACKEND"), backend);
        RunningProgram program(folder, backendChoice);
        const QString mainWindow = waitForWindow(program.pid(), QStringLiteral("^Vestrona$"), 20000);
        QVERIFY2(!mainWindow.isEmpty(), qPrintable(program.errorOutput()));
        if (QDateTime::currentDateTime() >= due)
            QSKIP("the program took longer to start than the reminder was ahead");
        QCOMPARE(playingStreamsOf(program.pid()), 0);

        const QString popup = waitForWindow(program.pid(), QStringLiteral("^ Reminder$"), 20000);
        QVERIFY2(!popup.isEmpty(), qPrintable(QStringLiteral("no pop-up; stderr: ") + program.errorOutput()));
        QTRY_VERIFY2_WITH_TIMEOUT(playingStreamsOf(program.pid()) > 0,
                                  qPrintable(QStringLiteral("no sound on the sound server; stderr: ") + program.errorOutput()),
                                  10000);
        if (!screenshot.isEmpty())
            QVERIFY(saveScreenshot(QStringLiteral("root"), screenshotPath(screenshot)));

        // "Stop" is the right-hand button along the pop-up's bottom edge.
        const WindowInfo info = windowInfo(popup);
        QVERIFY(info.viewable);
        QVERIFY(clickAt(info.geometry.topLeft() + QPoint(272 + 128, 214 + 13)));
        QTRY_VERIFY_WITH_TIMEOUT(windowsOf(program.pid(), QStringLiteral("^ Reminder$")).isEmpty(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(playingStreamsOf(program.pid()), 0, 10000);
        // Stop moves on to the next reminder; the program keeps running.
        QVERIFY(program.isRunning());
        QVERIFY(windowInfo(mainWindow).viewable);
    }
};

QTEST_GUILESS_MAIN(AlarmEndToEnd)
#include "test_e2e_alarm.moc"
