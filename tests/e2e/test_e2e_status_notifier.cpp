// The tray icon where a StatusNotifierItem host runs (Plasma, GNOME with
// the AppIndicator extension), here a stand-in on a private session bus:
// the icon is registered there rather than in the X tray, names the next
// reminder, and its menu works as the X tray's does.
#include "tests/e2e/Desktop.h"
#include "tests/support/PrivateBus.h"

#include <QTest>

using namespace vestrona::e2e;
using vestrona::test::PrivateBus;
using vestrona::test::StatusNotifierHostStandIn;

class StatusNotifierEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(missingDesktop().isEmpty(), qPrintable(missingDesktop())); }

    void iconAndMenuOnTheHost()
    {
        PrivateBus bus;
        QVERIFY2(bus.error().isEmpty(), qPrintable(bus.error()));
        StatusNotifierHostStandIn host(bus);
        QVERIFY2(host.error().isEmpty(), qPrintable(host.error()));
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        QVERIFY(!folder.addOnce(wholeSecondsFromNow(3600), QStringLiteral("Water the plants")).isEmpty());
        QProcessEnvironment environment;
        bus.addTo(environment);
        RunningProgram program(folder, environment);
        const QString window = waitForWindow(program.pid(), kMainWindowPattern, 20000);
        QVERIFY2(!window.isEmpty(), qPrintable(program.errorOutput()));

        QTRY_COMPARE_WITH_TIMEOUT(host.items().size(), 1, 10000);
        const QString item = host.items().first();
        QVERIFY(trayIconsOf(program.pid()).isEmpty());
        QCOMPARE(host.menu(item), (QStringList{"Show Vestrona", "Calendar sync…", "Quit"}));
        QVERIFY2(host.tip(item).contains(QStringLiteral("Next: Water the plants")), qPrintable(host.tip(item)));

        // Minimized, the window goes into the host's tray, and its menu brings it back.
        QVERIFY(minimizeWindow(window));
        QVERIFY(waitUntilHidden(window));
        QTest::qWait(500);
        QVERIFY(host.click(item, QStringLiteral("Show Vestrona")));
        QTRY_VERIFY_WITH_TIMEOUT(windowInfo(window).viewable, 10000);

        QVERIFY(host.click(item, QStringLiteral("Quit")));
        QVERIFY2(program.waitForExit(10000), "Quit in the menu left the program running");
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_MAIN(StatusNotifierEndToEnd)
#include "test_e2e_status_notifier.moc"
