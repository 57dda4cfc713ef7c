// Two computers (program folders running vestrona-cli sync) and a phone
// (Python's caldav library) on one calendar of a real Radicale over TLS with
// password authentication.
#include "sync/SyncEngine.h"
#include "tests/support/Files.h"
#include "tests/support/FaultServer.h"
#include "tests/support/RadicaleServer.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/SyncedCalendar.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <memory>

using namespace vestrona;
using namespace vestrona::test;

namespace {

QString shown(const ProcessResult &result)
{
    return QStringLiteral("exit %1\nout: %2\nerr: %3").arg(result.exitCode).arg(result.out, result.err);
}

QString tomorrowAt(int hour)
{
    return QDateTime(QDate::currentDate().addDays(1), QTime(hour, 0)).toUTC().toString(QStringLiteral("yyyyMMddTHHmmssZ"));
}

// A value the sync keeps in its bookkeeping.
QString syncInfo(const ProgramFolder &computer, const QString &key)
{
    const QString name = QStringLiteral("sync-info");
    QString value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(computer.databasePath());
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("select Value from tblSyncInfo where Key = '%1'").arg(key))
            && query.next())
            value = query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(name);
    return value;
}

} // namespace

class TestSyncDevices : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(mServer.addUser(SyncedCalendar::user, SyncedCalendar::password).isEmpty(), "htpasswd");
        const QString started = mServer.start();
        QVERIFY2(started.isEmpty(), qPrintable(started));
    }

    void init()
    {
        // A calendar of its own per case, so counts start from nothing.
        const QString made = mCalendar.start(mServer, QStringLiteral("calendar-%1").arg(++mCalendars));
        QVERIFY2(made.isEmpty(), qPrintable(made));
        // Fresh computers per case too.
        mA = std::make_unique<ProgramFolder>();
        mB = std::make_unique<ProgramFolder>();
        QVERIFY2(mA->setupError().isEmpty() && mB->setupError().isEmpty(), "program folders");
    }

    void changesTravelBetweenComputersAndPhone()
    {
        QVERIFY(!mA->addOnce(QDateTime::currentDateTime().addDays(1), QStringLiteral("Water the plants")).isEmpty());
        ProcessResult synced = mCalendar.sync(*mA);
        QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Up: 1")), qPrintable(shown(synced)));
        synced = mCalendar.sync(*mB);
        QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Down: 1")), qPrintable(shown(synced)));
        QCOMPARE(reminderMessages(*mB), QStringList{QStringLiteral("Water the plants")});
        ProcessResult onPhone = mCalendar.phone({QStringLiteral("summaries")});
        QVERIFY2(onPhone.out.contains(QLatin1String("\tWater the plants")), qPrintable(shown(onPhone)));

        // Edited on the phone: both computers take the phone's words.
        const QString uid = onPhone.out.section(QLatin1Char('\t'), 0, 0);
        onPhone = mCalendar.phone({QStringLiteral("edit"), uid, QStringLiteral("Water the garden")});
        QVERIFY2(onPhone.exitCode == 0, qPrintable(shown(onPhone)));
        for (const ProgramFolder *computer : {mA.get(), mB.get()}) {
            synced = mCalendar.sync(*computer);
            QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Down: 1")), qPrintable(shown(synced)));
            QCOMPARE(reminderMessages(*computer), QStringList{QStringLiteral("Water the garden")});
        }

        // Deleted on B: gone from the server, then from A.
        QCOMPARE(mB->cli({QStringLiteral("delete"), reminderId(*mB, QStringLiteral("Water the garden"))}).exitCode, 0);
        synced = mCalendar.sync(*mB);
        QVERIFY2(synced.out.contains(QLatin1String("Deleted on the server: 1")), qPrintable(shown(synced)));
        QCOMPARE(mCalendar.phone({QStringLiteral("summaries")}).out.trimmed(), QString());
        synced = mCalendar.sync(*mA);
        QVERIFY2(synced.out.contains(QLatin1String("Deleted here: 1")), qPrintable(shown(synced)));
        QCOMPARE(reminderMessages(*mA), QStringList());
    }

    // Once a sync has seen Radicale's calendar time move with a change, an
    // unchanged sync asks for that time alone; the phone's changes still
    // come through, one made right after a sync too.
    void phoneChangesComeThroughWhenOnlyTheTimeIsAsked()
    {
        QVERIFY(!mA->addOnce(QDateTime::currentDateTime().addDays(1), QStringLiteral("Water the plants")).isEmpty());
        // Times are whole seconds: one is kept once two have passed.
        QTest::qWait(2100);
        QCOMPARE(mCalendar.sync(*mA).exitCode, 0);
        const QString uid = mCalendar.phone({QStringLiteral("summaries")}).out.section(QLatin1Char('\t'), 0, 0);
        QCOMPARE(mCalendar.phone({QStringLiteral("edit"), uid, QStringLiteral("Water the garden")}).exitCode, 0);
        QTest::qWait(2100);
        ProcessResult synced = mCalendar.sync(*mA);
        QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Down: 1")), qPrintable(shown(synced)));
        QCOMPARE(syncInfo(*mA, QStringLiteral("LastModifiedTrust")), QStringLiteral("moves"));
        const QString tokenAsked = syncInfo(*mA, QStringLiteral("TokenAskedAt"));
        QVERIFY(!tokenAsked.isEmpty());

        synced = mCalendar.sync(*mA);
        QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Down: 0")), qPrintable(shown(synced)));
        QCOMPARE(syncInfo(*mA, QStringLiteral("TokenAskedAt")), tokenAsked);
        const QStringList edits{QStringLiteral("Water the roses"), QStringLiteral("Water the tulips")};
        for (const QString &text : edits) {
            QCOMPARE(mCalendar.phone({QStringLiteral("edit"), uid, text}).exitCode, 0);
            synced = mCalendar.sync(*mA);
            QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Down: 1")), qPrintable(shown(synced)));
            QCOMPARE(reminderMessages(*mA), QStringList{text});
            // The first edit was found by the time alone.
            if (text == edits.front())
                QCOMPARE(syncInfo(*mA, QStringLiteral("TokenAskedAt")), tokenAsked);
        }
    }

    void bothSidesChangedKeepsTheServersAndSavesOurs()
    {
        const QString id = mA->addOnce(QDateTime::currentDateTime().addDays(1), QStringLiteral("Call mum"));
        QCOMPARE(mCalendar.sync(*mA).exitCode, 0);
        const QString uid = mCalendar.phone({QStringLiteral("summaries")}).out.section(QLatin1Char('\t'), 0, 0);
        QVERIFY(!uid.isEmpty());

        rawSql(mA->databasePath(), {QStringLiteral("UPDATE tblReminders SET Reminder = 'Call mum at noon' WHERE ID = %1").arg(id)});
        QCOMPARE(mCalendar.phone({QStringLiteral("edit"), uid, QStringLiteral("Call mum tonight")}).exitCode, 0);

        ProcessResult synced = mCalendar.sync(*mA);
        QVERIFY2(synced.exitCode == 0, qPrintable(shown(synced)));
        QCOMPARE(synced.out.count(QLatin1String("Changed on both sides")), 1);
        QVERIFY2(synced.out.contains(QLatin1String("Call mum at noon")), qPrintable(shown(synced)));
        QCOMPARE(reminderMessages(*mA), QStringList{QStringLiteral("Call mum tonight")});
        const QString conflicts = QFileInfo(mA->databasePath()).dir().filePath(QLatin1String(kSyncConflictsFileName));
        QVERIFY2(readFile(conflicts).contains("Call mum at noon"), qPrintable(conflicts));

        // Said once: the next sync has nothing to tell.
        synced = mCalendar.sync(*mA);
        QVERIFY2(synced.exitCode == 0 && !synced.out.contains(QLatin1String("Changed on both sides")),
                 qPrintable(shown(synced)));
    }

    void weekNumberEventOnTheServerIsLeftAlone()
    {
        const QStringList resource{QStringLiteral("resource"), QStringLiteral("rent-1")};
        ProcessResult onPhone = mCalendar.phone(
            {QStringLiteral("add"), QStringLiteral("rent-1"), QStringLiteral("Pay rent"), tomorrowAt(9), QStringLiteral("FREQ=YEARLY;BYWEEKNO=1")});
        QVERIFY2(onPhone.exitCode == 0, qPrintable(shown(onPhone)));
        const ProcessResult before = mCalendar.phone(resource);
        QVERIFY2(before.exitCode == 0 && !before.out.isEmpty(), qPrintable(shown(before)));

        QVERIFY(!mA->addOnce(QDateTime::currentDateTime().addDays(2), QStringLiteral("Dentist")).isEmpty());
        ProcessResult synced = mCalendar.sync(*mA);
        QVERIFY2(synced.exitCode == 1, qPrintable(shown(synced)));
        QCOMPARE(synced.out.count(QLatin1String("Pay rent")), 1);
        QCOMPARE(reminderMessages(*mA), QStringList{QStringLiteral("Dentist")});

        // Named once, counted while it is left out.
        synced = mCalendar.sync(*mA);
        QVERIFY2(synced.exitCode == 1 && !synced.out.contains(QLatin1String("Pay rent"))
                     && synced.out.contains(QLatin1String("Still left out: 1")),
                 qPrintable(shown(synced)));
        const ProcessResult after = mCalendar.phone(resource);
        QCOMPARE(after.out, before.out); // the same ETag and the same text
    }

    // Another program empties the calendar: nothing is deleted here until
    // the user says which way on.
    void calendarEmptiedByAnotherClientIsAQuestion()
    {
        const QStringList all{QStringLiteral("Dentist"), QStringLiteral("Gym"), QStringLiteral("Walk")};
        for (int i = 0; i < all.size(); ++i)
            QVERIFY(!mA->addOnce(QDateTime::currentDateTime().addDays(i + 1), all[i]).isEmpty());
        QCOMPARE(mCalendar.sync(*mA).exitCode, 0);
        const auto emptyTheCalendar = [this] {
            const QString listed = mCalendar.phone({QStringLiteral("summaries")}).out;
            for (const QString &line : listed.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                QCOMPARE(mCalendar.phone({QStringLiteral("delete"), line.section(QLatin1Char('\t'), 0, 0)}).exitCode, 0);
        };
        emptyTheCalendar();

        ProcessResult synced = mCalendar.sync(*mA);
        QVERIFY2(synced.exitCode == 3 && synced.err.contains(QLatin1String("no longer holds 3 of the 3"))
                     && synced.err.contains(QLatin1String("vestrona-cli sync --upload-all"))
                     && synced.err.contains(QLatin1String("vestrona-cli sync --accept-deletions")),
                 qPrintable(shown(synced)));
        QCOMPARE(reminderMessages(*mA), all);

        synced = mCalendar.sync(*mA, SyncedCalendar::password, {QStringLiteral("--upload-all")});
        QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Up: 3")), qPrintable(shown(synced)));
        QCOMPARE(mCalendar.phone({QStringLiteral("summaries")}).out.count(QLatin1Char('\t')), 3);

        emptyTheCalendar();
        synced = mCalendar.sync(*mA, SyncedCalendar::password, {QStringLiteral("--accept-deletions")});
        QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Deleted here: 3")), qPrintable(shown(synced)));
        QCOMPARE(reminderMessages(*mA), QStringList());
    }

    // A phone leaves out one day of a daily reminder: the reminder here
    // skips that day too, and an edit here goes back with the gap kept.
    void phoneAddingAnExdateSkipsThatDayHere()
    {
        const QDate tomorrow = QDate::currentDate().addDays(1);
        const ProcessResult added = mA->cli({QStringLiteral("add"), QStringLiteral("--option"), QStringLiteral("daily"),
                                             QStringLiteral("--date"), tomorrow.toString(Qt::ISODate),
                                             QStringLiteral("--time"), QStringLiteral("09:00"), QStringLiteral("Stretch")});
        QVERIFY2(added.exitCode == 0, qPrintable(shown(added)));
        QCOMPARE(mCalendar.sync(*mA).exitCode, 0);
        const QString uid = mCalendar.phone({QStringLiteral("summaries")}).out.section(QLatin1Char('\t'), 0, 0);
        ProcessResult onPhone = mCalendar.phone({QStringLiteral("exdate"), uid, tomorrowAt(9)});
        QVERIFY2(onPhone.exitCode == 0, qPrintable(shown(onPhone)));

        ProcessResult synced = mCalendar.sync(*mA);
        QVERIFY2(synced.exitCode == 0 && !synced.out.contains(QLatin1String("Left out")), qPrintable(shown(synced)));
        QCOMPARE(reminderMessages(*mA), QStringList{QStringLiteral("Stretch")});
        const ProcessResult agenda =
            mA->cli({QStringLiteral("agenda"), QStringLiteral("--from"), tomorrow.toString(Qt::ISODate) + QStringLiteral(" 00:00:00"),
                     QStringLiteral("--days"), QStringLiteral("2")});
        QVERIFY2(agenda.exitCode == 0 && agenda.out.count(QLatin1Char('\n')) == 1
                     && agenda.out.startsWith(tomorrow.addDays(1).toString(Qt::ISODate) + QStringLiteral(" 09:00:00\t")),
                 qPrintable(shown(agenda)));

        rawSql(mA->databasePath(), {QStringLiteral("UPDATE tblReminders SET Reminder = 'Stretch well'")});
        synced = mCalendar.sync(*mA);
        QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Up: 1")), qPrintable(shown(synced)));
        const ProcessResult after = mCalendar.phone({QStringLiteral("resource"), uid});
        QVERIFY2(after.out.contains(QLatin1String("Stretch well")) && after.out.contains(QLatin1String("EXDATE")),
                 qPrintable(after.out));
    }

    void refusalsSayWhyAndKeepEverything_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("acceptCertificate");
        QTest::addColumn<QString>("words");
        QTest::newRow("wrong password") << QStringLiteral("Wr0ng-Pa55") << true << "did not accept the user name or password";
        QTest::newRow("certificate not accepted") << SyncedCalendar::password << false << "--accept-certificate ";
    }
    void refusalsSayWhyAndKeepEverything()
    {
        QFETCH(QString, password);
        QFETCH(bool, acceptCertificate);
        QFETCH(QString, words);
        QVERIFY(!mA->addOnce(QDateTime::currentDateTime().addDays(1), QStringLiteral("Feed the cat")).isEmpty());
        QProcessEnvironment env = mA->environment();
        env.insert(QStringLiteral("VESTRONA_CALDAV_PASSWORD"), password);
        QStringList arguments{QStringLiteral("sync"), QStringLiteral("--url"), mCalendar.url().toString(),
                              QStringLiteral("--user"), SyncedCalendar::user};
        if (acceptCertificate)
            arguments << QStringLiteral("--accept-certificate") << mServer.certificateFingerprint();
        const ProcessResult synced = runProcess(mA->cliPath(), arguments, env);
        QVERIFY2(synced.exitCode == 3 && synced.err.contains(words), qPrintable(shown(synced)));
        QVERIFY2(!synced.err.contains(password), "the password is never shown");
        if (!acceptCertificate)
            QVERIFY2(synced.err.contains(mServer.certificateFingerprint()), qPrintable(shown(synced)));
        QCOMPARE(reminderMessages(*mA), QStringList{QStringLiteral("Feed the cat")});
    }

    // The password given inside --url serves for the sync (no other is at
    // hand), and neither the settings nor the sync's bookkeeping keep it.
    void passwordInTheAddressIsUsedAndNeverSaved()
    {
        QVERIFY(!mA->addOnce(QDateTime::currentDateTime().addDays(1), QStringLiteral("Feed the cat")).isEmpty());
        QUrl withCredentials = mCalendar.url();
        withCredentials.setUserName(SyncedCalendar::user);
        withCredentials.setPassword(SyncedCalendar::password);
        QProcessEnvironment env = mA->environment();
        env.remove(QStringLiteral("VESTRONA_CALDAV_PASSWORD"));
        const ProcessResult synced =
            runProcess(mA->cliPath(),
                       {QStringLiteral("sync"), QStringLiteral("--url"), QString::fromUtf8(withCredentials.toEncoded()),
                        QStringLiteral("--accept-certificate"), mServer.certificateFingerprint()},
                       env, 90000);
        QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Up: 1")), qPrintable(shown(synced)));
        const QString password = SyncedCalendar::password;
        const QByteArray settings = readFile(QDir(mA->configFolder()).filePath(QStringLiteral("Tolvane.ini")));
        QVERIFY2(settings.contains(mCalendar.url().toString().toUtf8()), settings.constData());
        QVERIFY2(settings.contains("CalDavUser=alice"), settings.constData());
        QVERIFY2(!settings.contains(password.toUtf8()) && !settings.contains(QUrl::toPercentEncoding(password))
                     && !settings.contains("alice:"),
                 settings.constData());
        const QByteArray database = readFile(mA->databasePath()) + readFile(mA->databasePath() + QStringLiteral("-wal"));
        QVERIFY(database.contains(mCalendar.url().path().toUtf8()));
        QVERIFY(!database.contains(password.toUtf8()) && !database.contains(QUrl::toPercentEncoding(password)));
    }

    // Given the server's address of an account with several calendars, the
    // sync lists them and asks for one.
    void severalCalendarsAreListedToChooseFrom()
    {
        QUrl other;
        const QString made = mServer.createCalendar(SyncedCalendar::user, SyncedCalendar::password,
                                                    QStringLiteral("other-%1").arg(mCalendars), other,
                                                    QStringLiteral("Other calendar"));
        QVERIFY2(made.isEmpty(), qPrintable(made));
        QVERIFY(!mA->addOnce(QDateTime::currentDateTime().addDays(1), QStringLiteral("Feed the cat")).isEmpty());
        QProcessEnvironment env = mA->environment();
        env.insert(QStringLiteral("VESTRONA_CALDAV_PASSWORD"), SyncedCalendar::password);
        const ProcessResult listed =
            runProcess(mA->cliPath(),
                       {QStringLiteral("sync"), QStringLiteral("--url"), mServer.url().toString(), QStringLiteral("--user"),
                        SyncedCalendar::user, QStringLiteral("--accept-certificate"), mServer.certificateFingerprint()},
                       env, 90000);
        QVERIFY2(listed.exitCode == 2 && listed.err.contains(QLatin1String("choose one with --url")), qPrintable(shown(listed)));
        const QStringList lines = listed.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(lines.contains(QStringLiteral("alice/calendar-%1\t%2").arg(mCalendars).arg(mCalendar.url().toString()))
                     && lines.contains(QStringLiteral("Other calendar\t") + other.toString()),
                 qPrintable(listed.out));
        // Nothing was synced.
        QCOMPARE(mCalendar.phone({QStringLiteral("summaries")}).out.trimmed(), QString());
    }

    void misbehavingServerEndsInWords_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("words");
        QTest::newRow("401") << "unauthorized" << "did not accept the user name or password";
        QTest::newRow("500") << "error500" << "failed with error 500";
        QTest::newRow("stalled") << "stall" << "stopped answering";
        QTest::newRow("50 MB") << "huge" << "larger than";
        QTest::newRow("malformed XML") << "malformed" << "cannot read";
    }
    void misbehavingServerEndsInWords()
    {
        QFETCH(QString, mode);
        QFETCH(QString, words);
        FaultServer server;
        const QString started = server.start();
        QVERIFY2(started.isEmpty(), qPrintable(started));
        QVERIFY(!mA->addOnce(QDateTime::currentDateTime().addDays(1), QStringLiteral("Feed the cat")).isEmpty());
        QProcessEnvironment env = mA->environment();
        env.insert(QStringLiteral("VESTRONA_CALDAV_PASSWORD"), SyncedCalendar::password);
        const ProcessResult synced =
            runProcess(mA->cliPath(),
                       {QStringLiteral("sync"), QStringLiteral("--url"), server.collectionUrl(mode).toString(),
                        QStringLiteral("--user"), SyncedCalendar::user},
                       env, 90000);
        QVERIFY2(synced.exitCode == 3 && synced.err.contains(words), qPrintable(shown(synced)));
        QVERIFY2(!synced.err.contains(SyncedCalendar::password), "the password is never shown");
        QCOMPARE(reminderMessages(*mA), QStringList{QStringLiteral("Feed the cat")});
    }

private:
    RadicaleServer mServer;
    SyncedCalendar mCalendar;
    int mCalendars = 0;
    std::unique_ptr<ProgramFolder> mA;
    std::unique_ptr<ProgramFolder> mB;
};

QTEST_GUILESS_MAIN(TestSyncDevices)
#include "test_sync_devices.moc"
