// Nothing lost across restarts and clock jumps: the real vestrona on the
// virtual desktop, its wall clock moved by libfaketime while the monotonic
// clock its timers run on goes on, as after a suspend or a clock change.
#include "tests/e2e/Desktop.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <signal.h>

using namespace vestrona::e2e;
using vestrona::test::TempFolder;

namespace {

const QString kFaketimeLibrary = QStringLiteral("/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1");
const QString kMainWindow = QStringLiteral("^Vestrona$");
const QString kPopup = QStringLiteral("^ Reminder$");
const QString kMissedWindow = QStringLiteral("^Missed reminders$");

// The program's wall clock, `offset` seconds from the real one; it can be
// moved while the program runs.
class ProgramClock {
public:
    explicit ProgramClock(qint64 offsetSeconds = 0) { set(offsetSeconds); }

    void set(qint64 offsetSeconds)
    {
        QFile file(mFolder.file(QStringLiteral("faketime")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(offsetSeconds < 0 ? "" : "+") + QByteArray::number(offsetSeconds) + "\n");
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("LD_PRELOAD"), kFaketimeLibrary);
        env.insert(QStringLiteral("FAKETIME_TIMESTAMP_FILE"), mFolder.file(QStringLiteral("faketime")));
        env.insert(QStringLiteral("FAKETIME_CACHE_DURATION"), QStringLiteral("1"));
        env.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
        return env;
    }

private:
    TempFolder mFolder;
};

// Adds a reminder due at `due`: once, or by a monthly rule whose first
// occurrence it is, which the scheduler expands with libical.
QString addDue(const ProgramFolder &folder, const QDateTime &due, const QString &message, bool byRule)
{
    if (!byRule)
        return folder.addOnce(due, message);
    const ProcessResult added = folder.cli(
        {QStringLiteral("add"), QStringLiteral("--rule"),
         QStringLiteral("FREQ=MONTHLY;BYMONTHDAY=%1;COUNT=12").arg(due.date().day()), QStringLiteral("--date"),
         due.date().toString(Qt::ISODate), QStringLiteral("--time"), due.time().toString(QStringLiteral("HH:mm:ss")),
         message});
    return added.exitCode == 0 ? added.out.trimmed() : QString();
}

// Ends the program as the user does, through its main window.
bool quit(RunningProgram &program, const QString &mainWindow)
{
    return program.closeThroughWindowManager(mainWindow);
}

} // namespace

class MissedEndToEnd : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;

    // Starts the program and waits for its main window.
    QString startProgram(RunningProgram &program)
    {
        const QString window = waitForWindow(program.pid(), kMainWindow, 20000);
        if (window.isEmpty())
            qWarning("no main window; stderr: %s", qPrintable(program.errorOutput()));
        return window;
    }

    // Runs the program once on the real clock and quits it, so that it has
    // accounted for everything up to now.
    bool startAndQuit()
    {
        RunningProgram first(*folder);
        const QString window = startProgram(first);
        return !window.isEmpty() && quit(first, window);
    }

    // Nothing rings and nothing is reported for `ms` milliseconds.
    bool staysQuiet(const RunningProgram &program, int ms)
    {
        QTest::qWait(ms);
        return windowsOf(program.pid(), kPopup).isEmpty() && windowsOf(program.pid(), kMissedWindow).isEmpty();
    }

    QDateTime savedMoment(const char *key) const
    {
        QSettings ini(QDir(folder->configFolder()).filePath(QStringLiteral("Tolvane.ini")), QSettings::IniFormat);
        return QDateTime::fromString(ini.value(QStringLiteral("Vestrona/") + QLatin1String(key)).toString(),
                                     Qt::ISODateWithMs);
    }

    static void reminderKinds()
    {
        QTest::addColumn<bool>("byRule");
        QTest::newRow("once") << false;
        QTest::newRow("monthly rule") << true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(missingDesktop().isEmpty(), qPrintable(missingDesktop()));
        if (!QFile::exists(kFaketimeLibrary))
            QFAIL("libfaketime is not installed");
    }

    void init()
    {
        folder = std::make_unique<ProgramFolder>();
        QVERIFY2(folder->setupError().isEmpty(), qPrintable(folder->setupError()));
    }

    // Each scenario with reminders that ring once and with repeat rules.
    void quitAndRestartAcrossOccurrences_data() { reminderKinds(); }
    void quitAndRestartAcrossOccurrences()
    {
        QFETCH(bool, byRule);
        QVERIFY(!addDue(*folder, wholeSecondsFromNow(3600), QStringLiteral("Missed while off"), byRule).isEmpty());
        QVERIFY(!addDue(*folder, wholeSecondsFromNow(2 * 3600 - 20), QStringLiteral("Due just before the start"), byRule)
                     .isEmpty());
        QVERIFY(startAndQuit());
        // Two hours later.
        ProgramClock clock(2 * 3600);
        RunningProgram program(*folder, clock.environment());
        QVERIFY(!startProgram(program).isEmpty());
        const QString missed = waitForWindow(program.pid(), kMissedWindow, 10000);
        QVERIFY2(!missed.isEmpty(), qPrintable(program.errorOutput()));
        const QString popup = waitForWindow(program.pid(), kPopup, 10000);
        QVERIFY2(!popup.isEmpty(), "the reminder due within the last minute did not ring");
        QVERIFY(answerPopup(popup, PopupButton::Stop));
        QTRY_VERIFY_WITH_TIMEOUT(windowsOf(program.pid(), kPopup).isEmpty(), 10000);
        QCOMPARE(windowsOf(program.pid(), kMissedWindow).size(), 1);
        if (!byRule)
            QVERIFY(saveScreenshot(missed, screenshotPath(QStringLiteral("screenshot-missed-window.png"))));
    }

    void killedWhileRingingRingsAgain()
    {
        QVERIFY(!folder->addOnce(wholeSecondsFromNow(3), QStringLiteral("Ring me again")).isEmpty());
        {
            RunningProgram first(*folder);
            QVERIFY(!startProgram(first).isEmpty());
            QVERIFY(!waitForWindow(first.pid(), kPopup, 20000).isEmpty());
            QCOMPARE(::kill(pid_t(first.pid()), SIGKILL), 0);
            QVERIFY(first.waitForExit(10000));
        }
        RunningProgram again(*folder);
        QVERIFY(!startProgram(again).isEmpty());
        const QString popup = waitForWindow(again.pid(), kPopup, 10000);
        QVERIFY2(!popup.isEmpty(), "the alarm that was never answered did not ring again");
        QVERIFY(answerPopup(popup, PopupButton::Stop));
        QTRY_VERIFY_WITH_TIMEOUT(windowsOf(again.pid(), kPopup).isEmpty(), 10000);
        QVERIFY(staysQuiet(again, 2000));
    }

    void snoozeOutlivesTheProgram_data() { reminderKinds(); }
    void snoozeOutlivesTheProgram()
    {
        QFETCH(bool, byRule);
        QVERIFY(!addDue(*folder, wholeSecondsFromNow(3), QStringLiteral("Take the cake out"), byRule).isEmpty());
        {
            RunningProgram first(*folder);
            const QString window = startProgram(first);
            QVERIFY(!window.isEmpty());
            const QString popup = waitForWindow(first.pid(), kPopup, 20000);
            QVERIFY(!popup.isEmpty());
            QVERIFY(answerPopup(popup, PopupButton::Snooze));
            QTRY_VERIFY_WITH_TIMEOUT(windowsOf(first.pid(), kPopup).isEmpty(), 10000);
            QVERIFY(quit(first, window));
        }
        const QDateTime snoozeAt = savedMoment("SnoozeAt");
        QVERIFY(snoozeAt.isValid());
        QVERIFY(folder->cli({QStringLiteral("next")}).out.contains(QStringLiteral("\tTake the cake out")));
        {
            // Restarted two minutes later: the wait goes on.
            ProgramClock clock(120);
            RunningProgram before(*folder, clock.environment());
            const QString window = startProgram(before);
            QVERIFY(!window.isEmpty());
            QVERIFY(staysQuiet(before, 2000));
            QVERIFY(quit(before, window));
        }
        // Restarted just after the wait ended: it rings.
        ProgramClock clock(QDateTime::currentDateTime().secsTo(snoozeAt) + 3);
        RunningProgram after(*folder, clock.environment());
        QVERIFY(!startProgram(after).isEmpty());
        const QString popup = waitForWindow(after.pid(), kPopup, 10000);
        QVERIFY2(!popup.isEmpty(), "the snooze did not ring after the restart");
        QVERIFY(answerPopup(popup, PopupButton::Stop));
        QTRY_VERIFY_WITH_TIMEOUT(!savedMoment("SnoozeAt").isValid(), 10000);
    }

    void clockJumpsWhileRunning()
    {
        QVERIFY(!folder->addOnce(wholeSecondsFromNow(3600), QStringLiteral("Due during the sleep")).isEmpty());
        QVERIFY(!folder->addOnce(wholeSecondsFromNow(2 * 3600 - 20), QStringLiteral("Due just before waking")).isEmpty());
        ProgramClock clock;
        RunningProgram program(*folder, clock.environment());
        QVERIFY(!startProgram(program).isEmpty());
        QVERIFY(staysQuiet(program, 1000));

        // Two hours of sleep.
        clock.set(2 * 3600);
        const QString missed = waitForWindow(program.pid(), kMissedWindow, 10000);
        QVERIFY2(!missed.isEmpty(), "the reminder due during the sleep was not reported");
        const QString popup = waitForWindow(program.pid(), kPopup, 10000);
        QVERIFY2(!popup.isEmpty(), "the reminder due within the last minute did not ring");
        QVERIFY(answerPopup(popup, PopupButton::Stop));
        QTRY_VERIFY_WITH_TIMEOUT(windowsOf(program.pid(), kPopup).isEmpty(), 10000);
        QVERIFY(pressKey(missed, QStringLiteral("alt+F4")));
        QTRY_VERIFY_WITH_TIMEOUT(windowsOf(program.pid(), kMissedWindow).isEmpty(), 10000);

        // An hour back, then forward over the same hour again: each
        // occurrence was handled once and stays handled.
        clock.set(3600);
        QVERIFY(staysQuiet(program, 2500));
        clock.set(2 * 3600);
        QVERIFY(staysQuiet(program, 2500));
        QVERIFY(program.isRunning());
    }

    // Forward, back across a restart, and forward again: what was reported
    // is never reported again. The window opens on the main window and
    // Escape closes it.
    void clockBackAcrossARestartReportsNothingTwice()
    {
        QVERIFY(!folder->addOnce(wholeSecondsFromNow(3600), QStringLiteral("Reported once")).isEmpty());
        QVERIFY(startAndQuit());
        ProgramClock clock(2 * 3600);
        {
            RunningProgram later(*folder, clock.environment());
            const QString window = startProgram(later);
            QVERIFY(!window.isEmpty());
            const QString missed = waitForWindow(later.pid(), kMissedWindow, 10000);
            QVERIFY2(!missed.isEmpty(), "the reminder due while the program was off was not reported");
            const QPoint offCentre = windowInfo(missed).geometry.center() - windowInfo(window).geometry.center();
            QVERIFY2(offCentre.manhattanLength() < 60,
                     qPrintable(QStringLiteral("%1,%2 off the main window's centre").arg(offCentre.x()).arg(offCentre.y())));
            QVERIFY(pressKey(missed, QStringLiteral("Escape")));
            QTRY_VERIFY_WITH_TIMEOUT(windowsOf(later.pid(), kMissedWindow).isEmpty(), 10000);
            QVERIFY(quit(later, window));
        }
        // Back to before the reminder's hour, started again, then forward past it.
        clock.set(1800);
        RunningProgram back(*folder, clock.environment());
        QVERIFY(!startProgram(back).isEmpty());
        QVERIFY(staysQuiet(back, 2500));
        clock.set(2 * 3600 + 60);
        QVERIFY(staysQuiet(back, 3000));
        QVERIFY(back.isRunning());
    }
};

QTEST_GUILESS_MAIN(MissedEndToEnd)
#include "test_e2e_missed.moc"
