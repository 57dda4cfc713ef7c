// The tray icon in a real tray host: minimizing hides the window into the
// tray with a balloon; a second start of the program, and a click on the
// icon, bring the window back.
#include "tests/e2e/Desktop.h"

#include <QTest>

using namespace vestrona::e2e;

class TrayEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString missing = missingDesktop();
        if (!missing.isEmpty())
            QFAIL(qPrintable(missing));
    }

    void minimizeIntoTrayAndBack()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        RunningProgram program(folder);
        const QString window = waitForWindow(program.pid(), QStringLiteral("^Vestrona$"), 20000);
        QVERIFY2(!window.isEmpty(), qPrintable(program.errorOutput()));
        QTRY_COMPARE_WITH_TIMEOUT(trayIconsOf(program.pid()).size(), 1, 10000);
        const QString icon = trayIconsOf(program.pid()).first();
        QVERIFY(saveScreenshot(QStringLiteral("root"), screenshotPath(QStringLiteral("screenshot-tray.png"))));

        QVERIFY(minimizeWindow(window));
        QTRY_VERIFY2_WITH_TIMEOUT(!windowInfo(window).viewable,
                                  "the main window is still on the screen after minimizing; it belongs in the tray",
                                  10000);
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
        QTRY_VERIFY_WITH_TIMEOUT(!windowInfo(window).viewable, 10000);

        const WindowInfo iconInfo = windowInfo(icon);
        QVERIFY(iconInfo.viewable);
        QVERIFY(clickAt(iconInfo.geometry.center()));
        QTRY_VERIFY_WITH_TIMEOUT(!windowsOf(program.pid(), QStringLiteral("^Vestrona$")).isEmpty(), 10000);
        QCOMPARE(windowInfo(windowsOf(program.pid(), QStringLiteral("^Vestrona$")).first()).geometry.size(), QSize(536, 607));

        QVERIFY(pressKey(windowsOf(program.pid(), QStringLiteral("^Vestrona$")).first(), QStringLiteral("alt+F4")));
        QVERIFY(program.waitForExit(10000));
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TrayEndToEnd)
#include "test_e2e_tray.moc"
