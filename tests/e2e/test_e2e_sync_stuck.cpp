// The window program rings on time while its sync is stuck on a server that
// drips its answer one byte at a time: the sync never holds up the alarm.
#include "sync/SyncAccount.h"
#include "tests/e2e/Desktop.h"
#include "tests/support/FaultServer.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

using namespace vestrona::e2e;
using vestrona::test::FaultServer;

namespace {

const QString kMainWindow = QStringLiteral("^Vestrona$");
const QString kPopup = QStringLiteral("^ Reminder$");

// Whether some socket on this computer is connected to 127.0.0.1:`port`
// (/proc/net/tcp: hex addresses, state 01 for established).
bool someoneConnectedTo(int port)
{
    QFile table(QStringLiteral("/proc/net/tcp"));
    if (!table.open(QIODevice::ReadOnly))
        return false;
    const QByteArray remote = "0100007F:" + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 3 && fields[2] == remote && fields[3] == "01")
            return true;
    }
    return false;
}

} // namespace

class SyncStuckEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(missingDesktop().isEmpty(), qPrintable(missingDesktop())); }

    void ringsOnTimeWhileSyncDrips()
    {
        FaultServer server;
        const QString failed = server.start();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        ProgramFolder computer;
        QVERIFY2(computer.setupError().isEmpty(), qPrintable(computer.setupError()));
        {
            QSettings ini(QDir(computer.configFolder()).filePath(QStringLiteral("Tolvane.ini")), QSettings::IniFormat);
            ini.beginGroup(QStringLiteral("Vestrona"));
            ini.setValue(QLatin1String(vestrona::SyncSettingKey::Url), server.collectionUrl(QStringLiteral("drip")).toString());
            ini.setValue(QLatin1String(vestrona::SyncSettingKey::User), QStringLiteral("alice"));
        }
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("VESTRONA_CALDAV_PASSWORD"), QStringLiteral("s3cret"));
        RunningProgram program(computer, environment);
        QVERIFY(!waitForWindow(program.pid(), kMainWindow, 20000).isEmpty());
        // The sync starts a moment after start-up and drips on for a minute.
        const QDateTime due = wholeSecondsFromNow(8);
        QVERIFY(!computer.addOnce(due, QStringLiteral("Stretch your legs")).isEmpty());
        const QString popup = waitForWindow(program.pid(), kPopup, int(QDateTime::currentDateTime().msecsTo(due)) + 20000);
        const QDateTime shown = QDateTime::currentDateTime();
        QVERIFY2(!popup.isEmpty(), qPrintable(program.errorOutput()));
        QVERIFY2(someoneConnectedTo(server.collectionUrl(QStringLiteral("drip")).port()),
                 "the sync was not waiting on the dripping server when the reminder rang");
        QVERIFY2(shown >= due, "rang before it was due");
        QVERIFY2(due.msecsTo(shown) < 2000,
                 qPrintable(QStringLiteral("the pop-up came %1 ms after the due second").arg(due.msecsTo(shown))));
        QVERIFY(answerPopup(popup, PopupButton::Stop));
        QVERIFY(program.isRunning());
    }
};

QTEST_GUILESS_MAIN(SyncStuckEndToEnd)
#include "test_e2e_sync_stuck.moc"
