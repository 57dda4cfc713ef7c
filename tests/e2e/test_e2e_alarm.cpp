// Real alarms on the virtual desktop: the pop-up comes with the sound
// looping on the sound server until "Stop", whatever sound file was chosen
// or tried before, and without a sound server the pop-up still comes and
// the program lives on.
#include "tests/e2e/Desktop.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTest>

using namespace vestrona::e2e;

namespace {

constexpr int kHeardSeconds = 10;

const QString kFileDialog = QStringLiteral("^Add File\\(s\\)");
// On the "Alarm Sound File" frame.
const QPoint kChangeSoundButton(144, 541);
const QPoint kTestSoundButton(392, 541);

// The alarm sound chosen before the alarm comes.
enum class ChosenSound {
    BuiltIn,
    // A text file named .wav is tried with "Test Alarm Sound", then a good
    // file is chosen: Qt 6.4's sound effect used to freeze the window here.
    GoodAfterTestingNoSound,
    // A text file named .wav, or a good file deleted after the start: the
    // built-in sound plays, and the user is told once after the alarm.
    NoSound,
    Deleted,
};

QProcessEnvironment withVariable(const QString &name, const QString &value)
{
    QProcessEnvironment environment;
    environment.insert(name, value);
    return environment;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A box of the program other than `mainWindow` (message boxes share its title).
QString waitForBox(RunningProgram &program, const QString &mainWindow)
{
    QString box;
    const bool came = QTest::qWaitFor(
        [&] {
            const QStringList windows = windowsOf(program.pid(), kMainWindowPattern);
            for (const QString &window : windows)
                if (window != mainWindow)
                    box = window;
            return !box.isEmpty();
        },
        15000);
    return came ? box : QString();
}

// Leaves the program's alarm sound as `chosen` asks, through its window as
// the user would; returns "" or what went wrong.
QString chooseSound(ChosenSound chosen, const ProgramFolder &folder, RunningProgram &program, const QString &mainWindow)
{
    const QString good = folder.path() + QStringLiteral("/good.wav");
    switch (chosen) {
    case ChosenSound::BuiltIn:
    case ChosenSound::NoSound:
        return {};
    case ChosenSound::Deleted:
        return QFile::remove(good) ? QString() : QStringLiteral("good.wav could not be deleted");
    case ChosenSound::GoodAfterTestingNoSound:
        break;
    }
    if (!clickIn(mainWindow, kTestSoundButton))
        return QStringLiteral("no click on Test Alarm Sound");
    const QString note = waitForBox(program, mainWindow);
    if (note.isEmpty())
        return QStringLiteral("no word that the file cannot be played");
    if (!pressKey(note, QStringLiteral("Return")))
        return QStringLiteral("the note did not close");
    if (!clickIn(mainWindow, kChangeSoundButton))
        return QStringLiteral("no click on Change Alarm Sound File");
    const QString dialog = waitForWindow(program.pid(), kFileDialog, 15000);
    if (dialog.isEmpty())
        return QStringLiteral("no file dialog");
    if (!typeText(dialog, good) || !pressKey(dialog, QStringLiteral("Return")))
        return QStringLiteral("the file dialog took no file name");
    // The file is checked before it is taken.
    const QString settings = folder.configFolder() + QStringLiteral("/Tolvane.ini");
    const bool taken = QTest::qWaitFor(
        [&] { return QSettings(settings, QSettings::IniFormat).value(QStringLiteral("Vestrona/Alarm")).toString() == good; },
        15000);
    return taken ? QString() : QStringLiteral("good.wav was not taken");
}

} // namespace

Q_DECLARE_METATYPE(ChosenSound)

class AlarmEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(missingDesktop().isEmpty(), qPrintable(missingDesktop()));
        QVERIFY2(missingSoundServer().isEmpty(), qPrintable(missingSoundServer()));
    }

    // Both media back ends of Qt must reach the sound server; the program
    // takes whichever the environment asks for.
    void soundLoopsUntilStop_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<ChosenSound>("chosen");
        QTest::addColumn<QString>("screenshot");
        for (const QString &backend : {QStringLiteral("gstreamer"), QStringLiteral("ffmpeg")}) {
            const QByteArray name = backend.toLatin1();
            QTest::newRow(name) << backend << ChosenSound::BuiltIn
                                << (backend == QLatin1String("gstreamer") ? QStringLiteral("screenshot-alarm-popup.png")
                                                                          : QString());
            QTest::newRow(name + " after testing a file that is no sound")
                << backend << ChosenSound::GoodAfterTestingNoSound << QString();
            QTest::newRow(name + " with a file that is no sound") << backend << ChosenSound::NoSound << QString();
            QTest::newRow(name + " with a deleted file") << backend << ChosenSound::Deleted << QString();
        }
    }

    void soundLoopsUntilStop()
    {
        QFETCH(QString, backend);
        QFETCH(ChosenSound, chosen);
        QFETCH(QString, screenshot);
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        const QString broken = folder.path() + QStringLiteral("/broken.wav");
        // Shorter than a WAV file's first header: Qt's sound effect would
        // wait for the rest for ever.
        QVERIFY(writeFile(broken, QByteArray("no sound\n")));
        QVERIFY(QFile::copy(folder.path() + QStringLiteral("/alarm.wav"), folder.path() + QStringLiteral("/good.wav")));
        if (chosen != ChosenSound::BuiltIn) {
            QSettings settings(folder.configFolder() + QStringLiteral("/Tolvane.ini"), QSettings::IniFormat);
            settings.setValue(QStringLiteral("Vestrona/Alarm"), chosen == ChosenSound::Deleted
                                                                    ? folder.path() + QStringLiteral("/good.wav")
                                                                    : broken);
        }
        RunningProgram program(folder, withVariable(QStringLiteral("QT_MEDIA_BACKEND"), backend));
        const QString mainWindow = waitForWindow(program.pid(), kMainWindowPattern, 20000);
        QVERIFY2(!mainWindow.isEmpty(), qPrintable(program.errorOutput()));
        const QString notChosen = chooseSound(chosen, folder, program, mainWindow);
        QVERIFY2(notChosen.isEmpty(), qPrintable(notChosen + QStringLiteral("; stderr: ") + program.errorOutput()));
        // What "Test Alarm Sound" played has ended.
        QTRY_COMPARE_WITH_TIMEOUT(playingStreamsOf(program.pid()), 0, 10000);

        SoundRecording sink;
        QVERIFY(sink.isRecording());
        QElapsedTimer clock;
        clock.start();
        QDateTime due;
        QVERIFY2(startThenAddReminder(folder, program, &due) == mainWindow, qPrintable(program.errorOutput()));

        // The sound starts just before the pop-up shows.
        QTRY_VERIFY2_WITH_TIMEOUT(playingStreamsOf(program.pid()) > 0,
                                  qPrintable(QStringLiteral("no sound on the sound server; stderr: ") + program.errorOutput()),
                                  20000);
        const qint64 heardBy = clock.elapsed();
        const QString popup = waitForPopup(program);
        QVERIFY(!popup.isEmpty());
        // On time: a window that waits on its sound would bring it late or never.
        const qint64 lateBy = due.msecsTo(QDateTime::currentDateTime());
        QVERIFY2(lateBy < 2500, qPrintable(QStringLiteral("the pop-up came %1 ms after its second").arg(lateBy)));
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

        // The user learns once why the chosen file was not heard.
        if (chosen == ChosenSound::NoSound || chosen == ChosenSound::Deleted) {
            const QString note = waitForBox(program, mainWindow);
            QVERIFY2(!note.isEmpty(), "no word that the built-in sound played instead");
            QVERIFY(pressKey(note, QStringLiteral("Return")));
            QTRY_COMPARE_WITH_TIMEOUT(windowsOf(program.pid(), kMainWindowPattern).size(), 1, 10000);
        }
        QTest::qWait(1000);
        QCOMPARE(windowsOf(program.pid(), kMainWindowPattern).size(), 1);

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
