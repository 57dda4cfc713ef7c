// The real program on the virtual desktop: its main window comes up with the
// reminders of its folder, and closing it ends the program cleanly.
#include "tests/e2e/Desktop.h"

#include <QTest>

using namespace vestrona::e2e;

class MainWindowEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(missingDesktop().isEmpty(), qPrintable(missingDesktop()));
    }

    void showsTheMainWindowAndEndsWhenItIsClosed()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        const QDateTime tomorrow = QDateTime::currentDateTime().addDays(1);
        QVERIFY(!folder.addOnce(tomorrow, QStringLiteral("Dentist at nine")).isEmpty());
        QCOMPARE(folder.cli({"add", "--option", "daily", "--date", "2025-03-01", "--time", "07:30", "Take the pills"}).exitCode, 0);
        QCOMPARE(folder.cli({"add", "--option", "weekly", "--date", "2025-03-03", "--time", "18:00", "--days", "Mon,Wed",
                             "Choir practice"}).exitCode, 0);

        RunningProgram program(folder);
        QVERIFY(program.isRunning());
        const QString window = waitForWindow(program.pid(), QStringLiteral("^Vestrona$"), 20000);
        QVERIFY2(!window.isEmpty(), qPrintable(QStringLiteral("no main window; stderr: ") + program.errorOutput()));
        const WindowInfo info = windowInfo(window);
        QVERIFY(info.viewable);
        QCOMPARE(info.geometry.size(), QSize(536, 607));
        QTRY_COMPARE_WITH_TIMEOUT(trayIconsOf(program.pid()).size(), 1, 10000);
        QVERIFY(saveScreenshot(window, screenshotPath(QStringLiteral("screenshot-main-window.png"))));

        // Through the window manager, as the title bar's close button does.
        QVERIFY2(program.closeThroughWindowManager(window), "the program did not end after its main window was closed");
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(trayIconsOf(program.pid()).isEmpty());
        QVERIFY(!windowInfo(window).exists);
    }
};

QTEST_GUILESS_MAIN(MainWindowEndToEnd)
#include "test_e2e_main_window.moc"
