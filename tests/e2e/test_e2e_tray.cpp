// The tray icon in a real tray host: minimizing hides the window into the
// tray with a balloon; a second start of the program, and a click on the
// icon, bring the window back. Starting straight into the tray points the
// balloon at the icon, and the icon's menu quits the program.
#include "tests/e2e/Desktop.h"

#include <QTest>

using namespace vestrona::e2e;

namespace {

// The program's one window on the screen besides the main window and the
// icon (a balloon, a menu); "" when none came within `timeoutMs`.
QString waitForOtherWindow(qint64 pid, const QString &mainWindow, int timeoutMs)
{
    QString found;
    const bool came = QTest::qWaitFor(
        [&] {
            QStringList windows = windowsOf(pid, QString());
            windows.removeAll(mainWindow);
            found = windows.size() == 1 ? windows.first() : QString();
            return !found.isEmpty();
        },
        timeoutMs);
    return came ? found : QString();
}

} // namespace

namespace {

// The main window of a program just started, once its tray icon is there
// too; "" when either does not come.
QString mainWindowWithTrayIcon(const RunningProgram &program)
{
    const QString window = waitForWindow(program.pid(), QStringLiteral("^Vestrona$"), 20000);
    if (window.isEmpty() || !QTest::qWaitFor([&] { return trayIconsOf(program.pid()).size() == 1; }, 10000))
        return {};
    return window;
}

} // namespace

class TrayEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(missingDesktop().isEmpty(), qPrintable(missingDesktop()));
    }

    void minimizeIntoTrayAndBack()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        RunningProgram program(folder);
        const QString window = mainWindowWithTrayIcon(program);
        QVERIFY2(!window.isEmpty(), qPrintable(program.errorOutput()));
        const QString icon = trayIconsOf(program.pid()).first();
        QVERIFY(saveScreenshot(QStringLiteral("root"), screenshotPath(QStringLiteral("screenshot-tray.png"))));

        QVERIFY(minimizeWindow(window));
        QVERIFY2(waitUntilHidden(window), "the main window is still on the screen after minimizing; it belongs in the tray");
        // The balloon is the one window of the program left on the screen
        // besides the icon.
        QTRY_COMPARE_WITH_TIMEOUT(windowsOf(program.pid(), QString()).size(), 1, 10000);
        QVERIFY(saveScreenshot(QStringLiteral("root"), screenshotPath(QStringLiteral("screenshot-balloon.png"))));
        QCOMPARE(trayIconsOf(program.pid()), QStringList{icon});

        // A second start brings the running copy out of the tray and ends at once.
        const ProcessResult second = runProcess(folder.programPath(), {}, folder.environment(), 10000);
        QCOMPARE(second.exitCode, 0);
        QTRY_VERIFY_WITH_TIMEOUT(windowInfo(window).viewable, 10000);
        QCOMPARE(trayIconsOf(program.pid()), QStringList{icon});
        QVERIFY(minimizeWindow(window));
        QVERIFY(waitUntilHidden(window));

        const WindowInfo iconInfo = windowInfo(icon);
        QVERIFY(iconInfo.viewable);
        QVERIFY(clickAt(iconInfo.geometry.center()));
        QTRY_VERIFY_WITH_TIMEOUT(!windowsOf(program.pid(), QStringLiteral("^Vestrona$")).isEmpty(), 10000);
        QCOMPARE(windowInfo(windowsOf(program.pid(), QStringLiteral("^Vestrona$")).first()).geometry.size(), QSize(536, 607));

        QVERIFY(program.closeThroughWindowManager(windowsOf(program.pid(), QStringLiteral("^Vestrona$")).first()));
        QCOMPARE(program.exitCode(), 0);
    }

    void startingInTheTrayPointsTheBalloonAtTheIcon()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        folder.startIntoTray();
        RunningProgram program(folder);
        QTRY_VERIFY2_WITH_TIMEOUT(trayIconsOf(program.pid()).size() == 1,
                                  qPrintable(QStringLiteral("no tray icon; windows on the screen: %1; %2")
                                                 .arg(windowsOf(program.pid(), QString()).join(QLatin1Char(' ')),
                                                      program.errorOutput())),
                                  20000);
        const QString balloon = waitForOtherWindow(program.pid(), QString(), 10000);
        QVERIFY2(!balloon.isEmpty(), qPrintable(program.errorOutput()));
        QVERIFY(saveScreenshot(QStringLiteral("root"), screenshotPath(QStringLiteral("screenshot-balloon-at-start.png"))));
        const QRect icon = windowInfo(trayIconsOf(program.pid()).first()).geometry;
        const QRect shown = windowInfo(balloon).geometry;
        // The balloon's arrow ends on the icon.
        QVERIFY2(shown.adjusted(-icon.width(), -icon.height(), icon.width(), icon.height()).contains(icon.center()),
                 qPrintable(QStringLiteral("the balloon at %1,%2 %3x%4 points away from the icon at %5,%6")
                                .arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())
                                .arg(icon.center().x()).arg(icon.center().y())));
    }

    void trayMenuQuitEndsTheProgram()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        RunningProgram program(folder);
        const QString window = mainWindowWithTrayIcon(program);
        QVERIFY2(!window.isEmpty(), qPrintable(program.errorOutput()));

        QVERIFY(clickAt(windowInfo(trayIconsOf(program.pid()).first()).geometry.center(), 3));
        const QString menu = waitForOtherWindow(program.pid(), window, 10000);
        QVERIFY2(!menu.isEmpty(), "a right click on the icon opened no menu");
        QVERIFY(saveScreenshot(QStringLiteral("root"), screenshotPath(QStringLiteral("screenshot-tray-menu.png"))));

        // "Show Vestrona" above, "Quit" below.
        const QRect entries = windowInfo(menu).geometry;
        QVERIFY(clickAt(QPoint(entries.center().x(), entries.top() + entries.height() * 3 / 4)));
        QVERIFY2(program.waitForExit(10000), "Quit in the tray menu left the program running");
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TrayEndToEnd)
#include "test_e2e_tray.moc"
