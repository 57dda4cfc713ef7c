// The program on a desktop without a tray host, as stock GNOME is: a
// display of the test's own with a window manager and no tray. Minimizing
// leaves the window in the task bar, a start into the tray starts
// minimized, alarms ring as anywhere, and a second start brings back the
// window and a ringing pop-up.
#include "tests/e2e/Desktop.h"

#include <QProcess>
#include <QTest>

using namespace vestrona::e2e;

namespace {

// Xvfb and openbox on a free display, taken for the rest of this test
// process's life by everything it starts.
class DesktopWithoutTray {
public:
    DesktopWithoutTray()
    {
        mX.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                          QStringLiteral("0"), QStringLiteral("1280x800x24"),
                                          QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
        if (!mX.waitForReadyRead(10000)) {
            mError = QStringLiteral("Xvfb did not start");
            return;
        }
        qputenv("DISPLAY", ":" + mX.readLine().trimmed());
        mWindowManager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        const bool managed = QTest::qWaitFor(
            [] {
                return runProcess(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                    .out.contains(QStringLiteral("window id"));
            },
            10000);
        if (!managed)
            mError = QStringLiteral("openbox did not take the display");
    }
    ~DesktopWithoutTray()
    {
        for (QProcess *process : {&mWindowManager, &mX}) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
        }
    }
    QString error() const { return mError; }

private:
    QProcess mX;
    QProcess mWindowManager;
    QString mError;
};

// The window manager's word on a window: "Normal", "Iconic", or "" for a
// window it no longer manages (hidden, or never shown).
QString windowState(const QString &window)
{
    const QString out = runProcess(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("WM_STATE")}).out;
    const qsizetype at = out.indexOf(QStringLiteral("window state: "));
    return at < 0 ? QString() : out.mid(at + 14).section(QLatin1Char('\n'), 0, 0).trimmed();
}

// The main window of the program, shown or in the task bar; "" when none came.
QString mainWindowOf(const RunningProgram &program)
{
    QString found;
    const bool came = QTest::qWaitFor(
        [&] {
            const QStringList windows = windowsOf(program.pid(), kMainWindowPattern, false);
            for (const QString &window : windows)
                if (!windowState(window).isEmpty())
                    found = window;
            return !found.isEmpty();
        },
        20000);
    return came ? found : QString();
}

bool secondStartEnds(const ProgramFolder &folder)
{
    return runProcess(folder.programPath(), {}, folder.environment(), 10000).exitCode == 0;
}

} // namespace

class NoTrayEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(missingDesktop().isEmpty(), qPrintable(missingDesktop()));
        mDesktop = std::make_unique<DesktopWithoutTray>();
        QVERIFY2(mDesktop->error().isEmpty(), qPrintable(mDesktop->error()));
    }
    void cleanupTestCase() { mDesktop.reset(); }

    void minimizeKeepsItInTheTaskBar()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        RunningProgram program(folder);
        const QString window = waitForWindow(program.pid(), kMainWindowPattern, 20000);
        QVERIFY2(!window.isEmpty(), qPrintable(program.errorOutput()));
        QVERIFY(trayIconsOf(program.pid()).isEmpty());

        QVERIFY(minimizeWindow(window));
        QTRY_COMPARE_WITH_TIMEOUT(windowState(window), QStringLiteral("Iconic"), 10000);
        // Still iconic a while later: not taken out of the task bar into a tray that is not there.
        QTest::qWait(1500);
        QCOMPARE(windowState(window), QStringLiteral("Iconic"));

        QVERIFY(secondStartEnds(folder));
        QTRY_VERIFY_WITH_TIMEOUT(windowInfo(window).viewable, 10000);
        QCOMPARE(windowState(window), QStringLiteral("Normal"));
    }

    void startIntoTheTrayStartsMinimized()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        folder.startIntoTray();
        RunningProgram program(folder);
        const QString window = mainWindowOf(program);
        QVERIFY2(!window.isEmpty(), qPrintable(QStringLiteral("the window is neither shown nor in the task bar; ")
                                                + program.errorOutput()));
        QTRY_COMPARE_WITH_TIMEOUT(windowState(window), QStringLiteral("Iconic"), 10000);

        QVERIFY(secondStartEnds(folder));
        QTRY_VERIFY_WITH_TIMEOUT(windowInfo(window).viewable, 10000);
    }

    // Minimized, an alarm still rings with its pop-up; a second start brings
    // back the window and the pop-up with it.
    void alarmRingsAndASecondStartBringsItBack()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        RunningProgram program(folder);
        const QString window = startThenAddReminder(folder, program);
        QVERIFY2(!window.isEmpty(), qPrintable(program.errorOutput()));
        QVERIFY(minimizeWindow(window));
        QTRY_COMPARE_WITH_TIMEOUT(windowState(window), QStringLiteral("Iconic"), 10000);

        const QString popup = waitForPopup(program);
        QVERIFY(!popup.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(playingStreamsOf(program.pid()) > 0, 10000);
        QVERIFY(saveScreenshot(QStringLiteral("root"), screenshotPath(QStringLiteral("screenshot-no-tray-alarm.png"))));

        QVERIFY(secondStartEnds(folder));
        QTRY_VERIFY_WITH_TIMEOUT(windowInfo(window).viewable, 10000);
        QVERIFY(windowInfo(popup).viewable);
        QVERIFY(playingStreamsOf(program.pid()) > 0);

        QVERIFY(answerPopup(popup, PopupButton::Stop));
        QTRY_COMPARE_WITH_TIMEOUT(playingStreamsOf(program.pid()), 0, 10000);
        QVERIFY(program.isRunning());
    }

private:
    std::unique_ptr<DesktopWithoutTray> mDesktop;
};

QTEST_MAIN(NoTrayEndToEnd)
#include "test_e2e_no_tray.moc"
