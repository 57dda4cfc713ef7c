// The window program syncing with a real Radicale: while the server is down
// it keeps ringing, and once the server is back its next try brings in what
// the phone added meanwhile, which then rings as well.
#include "tests/e2e/Desktop.h"
#include "tests/support/RadicaleServer.h"
#include "tests/support/SyncedCalendar.h"

#include <QTest>

using namespace vestrona::e2e;
using vestrona::test::RadicaleServer;
using vestrona::test::reminderMessages;
using vestrona::test::SyncedCalendar;

namespace {

const QString kMainWindow = QStringLiteral("^Vestrona$");
const QString kPopup = QStringLiteral("^ Reminder$");

} // namespace

class SyncEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(missingDesktop().isEmpty(), qPrintable(missingDesktop())); }

    void serverDownThenBack()
    {
        RadicaleServer server;
        QVERIFY(server.addUser(SyncedCalendar::user, SyncedCalendar::password).isEmpty());
        QString failed = server.start();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        SyncedCalendar calendar;
        failed = calendar.start(server, QStringLiteral("reminders"));
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        ProgramFolder computer;
        QVERIFY2(computer.setupError().isEmpty(), qPrintable(computer.setupError()));
        // vestrona-cli sets the account up for the window program too.
        const ProcessResult setUp = calendar.sync(computer);
        QVERIFY2(setUp.exitCode == 0, qPrintable(setUp.err));

        server.stop();
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("VESTRONA_CALDAV_PASSWORD"), SyncedCalendar::password);
        RunningProgram program(computer, environment);
        QVERIFY(!waitForWindow(program.pid(), kMainWindow, 20000).isEmpty());
        QVERIFY(!computer.addOnce(wholeSecondsFromNow(4), QStringLiteral("Stretch your legs")).isEmpty());
        QString popup = waitForWindow(program.pid(), kPopup, 20000);
        QVERIFY2(!popup.isEmpty(), qPrintable(program.errorOutput()));
        QVERIFY(answerPopup(popup, PopupButton::Stop));

        // Back before the program's first retry, half a minute after its
        // failed sync at start-up.
        failed = server.start();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        const QDateTime due = wholeSecondsFromNow(45);
        const ProcessResult added = calendar.phone({QStringLiteral("add"), QStringLiteral("phone-1"), QStringLiteral("Leave for the train"),
                                                    due.toUTC().toString(QStringLiteral("yyyyMMddTHHmmssZ"))});
        QVERIFY2(added.exitCode == 0, qPrintable(added.err));
        QTRY_VERIFY_WITH_TIMEOUT(reminderMessages(computer).contains(QStringLiteral("Leave for the train")), 40000);

        // The countdown chose the new reminder. The retry may have come long
        // before the reminder is due, so wait from now until a while after it.
        popup = waitForWindow(program.pid(), kPopup, int(QDateTime::currentDateTime().msecsTo(due)) + 20000);
        QVERIFY2(!popup.isEmpty(), qPrintable(program.errorOutput()));
        QVERIFY2(QDateTime::currentDateTime() >= due, "rang before it was due");
        QVERIFY(answerPopup(popup, PopupButton::Stop));
        QVERIFY(program.isRunning());
    }
};

QTEST_GUILESS_MAIN(SyncEndToEnd)
#include "test_e2e_sync.moc"
