#include "database/Connection.h"
#include "formats/ICalendar.h"
#include "formats/BackupText.h"
#include "sync/SyncEngine.h"
#include "sync/SyncStateTable.h"
#include "tests/support/FakeCalDavCollection.h"
#include "tests/support/FakeClock.h"
#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDatabase.h"

#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QTest>

#include <memory>

using namespace vestrona;
using namespace vestrona::test;

using Call = FakeCalDavCollection::Call;
using Applied = FakeCalDavCollection::Applied;
using Kind = CalDavFailure::Kind;

Q_DECLARE_METATYPE(Call)
Q_DECLARE_METATYPE(Applied)
Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(EmptiedCalendar)
Q_DECLARE_METATYPE(SyncReport::Outcome)

namespace {

const QString kUrl = QStringLiteral("https://dav.example.org/alice/reminders/");

QByteArray serverEvent(const QByteArray &uid, const QByteArray &summary, const QByteArray &rule = QByteArray())
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:" + uid
        + "\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:20270105T093000\r\nSUMMARY:" + summary + "\r\n"
        + (rule.isEmpty() ? QByteArray() : "RRULE:" + rule + "\r\n") + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

// One computer: a program folder with its database and its sync.
class Device {
public:
    Device(CalDavCollection &server, const QString &url = kUrl)
    {
        QVERIFY(makeDatabase(databasePath()));
        conn.Open(databasePath());
        engine = std::make_unique<SyncEngine>(server, conn, url);
    }

    QString databasePath() const { return folder.file(QStringLiteral("dbReminders.mdb")); }
    QString conflictsPath() const { return folder.file(QLatin1String(kSyncConflictsFileName)); }

    void add(const QString &message, int option = OptionOnce, const QString &weekdays = QString())
    {
        conn.Execute(reminderInsert(option, QDate(2027, 1, 5), QTime(9, 30), message, weekdays));
    }
    // Adds one-time reminders and syncs them up.
    void addSynced(const QStringList &messages)
    {
        for (const QString &message : messages)
            add(message);
        sync();
    }
    qint64 idOf(const QString &message)
    {
        for (const ReminderRecord &row : conn.orderedRows()) {
            if (row.Reminder == message)
                return row.ID;
        }
        return 0;
    }
    void rename(const QString &from, const QString &to)
    {
        conn.Execute(QStringLiteral("update tblReminders set [Reminder]='%1' where id=%2").arg(to).arg(idOf(from)));
    }
    void remove(const QString &message) { conn.Execute(QStringLiteral("delete from tblReminders where id=%1").arg(idOf(message))); }

    // The reminders' texts, sorted, each with its repeat and start.
    QStringList rows()
    {
        QStringList texts;
        for (const ReminderRecord &row : conn.orderedRows())
            texts << QStringLiteral("%1|%2|%3|%4")
                         .arg(row.Reminder)
                         .arg(row.Option)
                         .arg(row.StartDate.toString(Qt::ISODate), weekdaysWithRepeat(row));
        texts.sort();
        return texts;
    }
    QStringList messages()
    {
        QStringList texts;
        for (const ReminderRecord &row : conn.orderedRows())
            texts << row.Reminder;
        texts.sort();
        return texts;
    }

    // Runs one sync in an event loop of its own, as the program's would:
    // QTest::qWaitFor naps between rounds of events and would measure itself.
    SyncReport sync()
    {
        SyncReport report;
        report.outcome = SyncReport::Outcome::Failed;
        report.failure = QStringLiteral("the sync never reported");
        QEventLoop loop;
        const auto connection = QObject::connect(engine.get(), &Syncer::finished, &loop, [&](const SyncReport &r) {
            report = r;
            loop.quit();
        });
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        engine->sync();
        if (engine->isSyncing())
            loop.exec();
        QObject::disconnect(connection);
        return report;
    }

    TempFolder folder;
    Connection conn{RegionalSettings::usEnglish()};
    std::unique_ptr<SyncEngine> engine;
};

// The summaries on the server, sorted: the same reminder twice shows twice.
QStringList serverSummaries(const FakeCalDavCollection &server)
{
    QStringList summaries;
    for (const auto &[href, resource] : server.resources()) {
        const ICalendarResourceContent content = readICalendarResource(resource.calendarData);
        summaries << (content.reminder ? content.reminder->message : content.summary);
    }
    summaries.sort();
    return summaries;
}

QString hrefOf(const FakeCalDavCollection &server, const QString &summary)
{
    for (const auto &[href, resource] : server.resources()) {
        const ICalendarResourceContent content = readICalendarResource(resource.calendarData);
        if ((content.reminder ? content.reminder->message : content.summary) == summary)
            return href;
    }
    return QString();
}

// A phone's change on `server`, at its clock, which then goes on `seconds`.
void phoneChanges(FakeCalDavCollection &server, const QByteArray &uid, const QByteArray &summary, int seconds = 10)
{
    server.store(QStringLiteral("/alice/reminders/%1.ics").arg(QString::fromLatin1(uid)), serverEvent(uid, summary));
    server.serverNow = server.serverNow.addSecs(seconds);
}

// Brings `a` to where it has seen `server`'s time move with a change, so
// that its next sync asks for the time alone.
void syncUntilTimeIsTrusted(FakeCalDavCollection &server, Device &a)
{
    server.serverNow = QDateTime(QDate(2026, 12, 8), QTime(10, 0), Qt::UTC);
    phoneChanges(server, "rent", "Rent");
    QCOMPARE(a.sync().downloaded, 1);
    phoneChanges(server, "gym", "Gym");
    QCOMPARE(a.sync().downloaded, 1);
    QCOMPARE(server.probesWithoutToken(), 0);
}

bool hasSyncTables(const QString &path)
{
    const QString name = QStringLiteral("tables-") + path;
    bool found = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        found = db.open() && db.tables().contains(QStringLiteral("tblSyncState"));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return found;
}

} // namespace

class TestSyncEngine : public QObject {
    Q_OBJECT

private slots:
    void firstSyncBothWays_data();
    void firstSyncBothWays();
    void forgottenTokenListsEverything_data();
    void forgottenTokenListsEverything();
    void changesTravel_data();
    void changesTravel();
    void bothChangedServerWins();
    void rulesAndZonesTravel();
    void editBeatsDeletion_data();
    void editBeatsDeletion();
    void changedMeanwhile_data();
    void changedMeanwhile();
    void unsupportedLeftAloneAndNamedOnce();
    void eventTurnedUnsupportedStaysHere();
    void cancelledThereStopsRingingHere();
    void absenceIsNoDeletion_data();
    void absenceIsNoDeletion();
    void emptiedCalendarAsksFirst_data();
    void emptiedCalendarAsksFirst();
    void everyUploadRefusedIsAFailure_data();
    void everyUploadRefusedIsAFailure();
    void readOnlyDatabaseFailsInWords();
    void failureThenRetry_data();
    void failureThenRetry();
    void slowServerMeetsTheSyncDeadline();
    void refusedItemNamedRestGoesOn_data();
    void refusedItemNamedRestGoesOn();
    void bookkeepingKeepsItsVersion();
    void newAddressStartsAfresh();
    void copiedDatabaseGetsItsOwnIdentity();
    void addressChangedAndBackDoublesNothing();
    void manyRemindersGoInBatches();
    void failedBatchTakesNothingAndIsFetchedAgain();
    void oneUploadFailsAmongOthers_data();
    void oneUploadFailsAmongOthers();
    void unchangedCalendarIsAskedItsTimeOnly();
    void timeThatStandsIsNeverTrusted();
    void tokenAskedHourlyFindsWhatTheTimeHid();
    void changeWhileTheServerAnswersGoesUp_data();
    void changeWhileTheServerAnswersGoesUp();
};

void TestSyncEngine::firstSyncBothWays_data()
{
    QTest::addColumn<bool>("syncCollection");
    QTest::newRow("sync-collection") << true;
    QTest::newRow("ETags only") << false;
}

void TestSyncEngine::firstSyncBothWays()
{
    QFETCH(bool, syncCollection);
    FakeCalDavCollection server(syncCollection);
    // A quote and an escaped comma: the text goes into the table as typed.
    server.store(QStringLiteral("/alice/reminders/phone-1.ics"), serverEvent("phone-1", "Dentist's\\, room 4"));
    Device a(server);
    a.add(QStringLiteral("Water the plants"));
    a.add(QStringLiteral("Team call"), OptionWeekly, QStringLiteral("Tue,Thu"));
    QVERIFY(!hasSyncTables(a.databasePath()));

    SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(report.uploaded, 2);
    QCOMPARE(report.downloaded, 1);
    QVERIFY(hasSyncTables(a.databasePath()));
    QCOMPARE(serverSummaries(server), QStringList({"Dentist's, room 4", "Team call", "Water the plants"}));
    QVERIFY(a.messages().contains(QStringLiteral("Dentist's, room 4")));
    // The hrefs of new resources are plain names: no server spells them otherwise.
    for (const auto &[href, resource] : server.resources())
        QVERIFY2(QRegularExpression(QStringLiteral("^/alice/reminders/[A-Za-z0-9._-]+\\.ics$")).match(href).hasMatch(),
                 qPrintable(href));

    Device b(server);
    report = b.sync();
    QCOMPARE(report.downloaded, 3);
    QCOMPARE(report.uploaded, 0);
    QCOMPARE(b.rows(), a.rows());

    // Nothing changed anywhere: with sync-collection one request tells so.
    server.resetCalls();
    report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(report.uploaded + report.downloaded + report.deletedHere + report.deletedThere, 0);
    QCOMPARE(server.totalCalls(), syncCollection ? 1 : 2);
    QCOMPARE(server.resources().size(), std::size_t(3));
}

// A server says it forgot the token with valid-sync-token, or, as
// Xandikos does for a token of a calendar deleted and made again, fails
// with an error of its own.
void TestSyncEngine::forgottenTokenListsEverything_data()
{
    QTest::addColumn<bool>("saysSo");
    QTest::newRow("valid-sync-token") << true;
    QTest::newRow("error 500") << false;
}

void TestSyncEngine::forgottenTokenListsEverything()
{
    QFETCH(bool, saysSo);
    FakeCalDavCollection server;
    Device a(server);
    a.addSynced({"Dentist", "Gym"});
    server.erase(hrefOf(server, QStringLiteral("Gym")));
    server.store(QStringLiteral("/alice/reminders/p1.ics"), serverEvent("p1", "Phone 1"));
    if (saysSo)
        server.expireTokens();
    else
        server.failOn(Call::ChangesSince, Kind::Server);

    const SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(report.downloaded, 1);
    QCOMPARE(report.deletedHere, 1);
    QCOMPARE(report.uploaded, 0);
    QCOMPARE(a.messages(), QStringList({"Dentist", "Phone 1"}));
    QCOMPARE(serverSummaries(server), QStringList({"Dentist", "Phone 1"}));
    QCOMPARE(a.sync().outcome, SyncReport::Outcome::Synced);
}

void TestSyncEngine::changesTravel_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("expected");
    const QStringList edited{"Dentist", "Pay rent today"};
    const QStringList deleted{"Dentist"};
    QTest::newRow("edited here") << "here" << "edit" << edited;
    QTest::newRow("deleted here") << "here" << "delete" << deleted;
    QTest::newRow("edited on the phone") << "phone" << "edit" << edited;
    QTest::newRow("deleted on the phone") << "phone" << "delete" << deleted;
}

void TestSyncEngine::changesTravel()
{
    QFETCH(QString, where);
    QFETCH(QString, change);
    QFETCH(QStringList, expected);
    FakeCalDavCollection server;
    Device a(server);
    Device b(server);
    a.addSynced({"Dentist", "Pay rent"});
    b.sync();
    const QString href = hrefOf(server, QStringLiteral("Pay rent"));

    if (where == QLatin1String("here") && change == QLatin1String("edit"))
        a.rename(QStringLiteral("Pay rent"), QStringLiteral("Pay rent today"));
    else if (where == QLatin1String("here"))
        a.remove(QStringLiteral("Pay rent"));
    else if (change == QLatin1String("edit"))
        server.store(href, serverEvent("phone-edit", "Pay rent today"));
    else
        server.erase(href);

    QCOMPARE(a.sync().outcome, SyncReport::Outcome::Synced);
    QCOMPARE(b.sync().outcome, SyncReport::Outcome::Synced);
    QCOMPARE(a.messages(), expected);
    QCOMPARE(b.messages(), expected);
    QCOMPARE(serverSummaries(server), expected);
    QCOMPARE(a.rows(), b.rows());
}

// A phone's rule with a date left out, in a zone of its own, comes down
// whole; a change of the rule here goes up and reaches the other computer.
void TestSyncEngine::rulesAndZonesTravel()
{
    FakeCalDavCollection server;
    server.store(QStringLiteral("/alice/reminders/phone-rent.ics"),
                 "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:phone-rent\r\n"
                 "DTSTAMP:20261201T000000Z\r\nDTSTART;TZID=Asia/Tokyo:20270129T180000\r\nSUMMARY:Rent\r\n"
                 "RRULE:FREQ=MONTHLY;BYDAY=-1FR\r\nEXDATE;TZID=Asia/Tokyo:20270226T180000\r\nEND:VEVENT\r\n"
                 "END:VCALENDAR\r\n");
    Device a(server);
    Device b(server);
    QCOMPARE(a.sync().downloaded, 1);
    QCOMPARE(a.rows(), QStringList{"Rent|4|2027-01-29|RRULE=FREQ=MONTHLY;BYDAY=-1FR,EXDATE=20270226T180000,TZID=Asia/Tokyo"});

    ReminderRecord rent = a.conn.orderedRows().front();
    ReminderValues changed{OptionRule, rent.StartDate, rent.StartTime, rent.Reminder, {}, *rent.repeat};
    changed.repeat.rule = QStringLiteral("FREQ=MONTHLY;COUNT=6;BYDAY=-1FR");
    QCOMPARE(a.conn.updateReminder(rent.ID, changed), 1);
    QCOMPARE(a.sync().uploaded, 1);
    QCOMPARE(b.sync().downloaded, 1);
    QCOMPARE(b.rows(), a.rows());
    QVERIFY2(a.rows().front().contains(QLatin1String("COUNT=6")), qPrintable(a.rows().front()));
}

void TestSyncEngine::bothChangedServerWins()
{
    FakeCalDavCollection server;
    Device a(server);
    a.addSynced({"Call mum", "Buy milk"});
    const QString mum = hrefOf(server, QStringLiteral("Call mum"));
    const QString milk = hrefOf(server, QStringLiteral("Buy milk"));
    a.rename(QStringLiteral("Call mum"), QStringLiteral("Call mum at six"));
    a.rename(QStringLiteral("Buy milk"), QStringLiteral("Buy oat milk"));
    server.store(mum, serverEvent("mum", "Call mum at seven"));
    server.store(milk, serverEvent("milk", "Buy milk and eggs"));
    const QByteArray serverText = server.resources().at(mum).calendarData;

    SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(a.messages(), QStringList({"Buy milk and eggs", "Call mum at seven"}));
    QCOMPARE(server.resources().at(mum).calendarData, serverText);
    QCOMPARE(report.conflicts.size(), 2);
    QVERIFY2(report.conflicts.join(' ').contains(QLatin1String("Call mum at six")), qPrintable(report.conflicts.join(' ')));
    QVERIFY(report.conflicts.first().contains(a.conflictsPath()));
    // Every lost version can be loaded back from the one file.
    const ICalendarContent lost = readICalendar(readFile(a.conflictsPath()));
    QStringList lostMessages;
    for (const ReminderValues &values : lost.reminders)
        lostMessages << values.message;
    lostMessages.sort();
    QCOMPARE(lostMessages, QStringList({"Buy oat milk", "Call mum at six"}));

    report = a.sync();
    QVERIFY(report.conflicts.isEmpty());
    QCOMPARE(report.uploaded + report.downloaded, 0);
}

void TestSyncEngine::editBeatsDeletion_data()
{
    QTest::addColumn<bool>("deletedHere");
    QTest::addColumn<QString>("survivor");
    QTest::newRow("deleted here, edited there") << true << "Gym at eight";
    QTest::newRow("edited here, deleted there") << false << "Gym at nine";
}

void TestSyncEngine::editBeatsDeletion()
{
    QFETCH(bool, deletedHere);
    QFETCH(QString, survivor);
    FakeCalDavCollection server;
    Device a(server);
    a.addSynced({"Gym"});
    const QString href = hrefOf(server, QStringLiteral("Gym"));
    if (deletedHere) {
        a.remove(QStringLiteral("Gym"));
        server.store(href, serverEvent("gym", "Gym at eight"));
    } else {
        a.rename(QStringLiteral("Gym"), QStringLiteral("Gym at nine"));
        server.erase(href);
    }

    const SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(a.messages(), QStringList({survivor}));
    QCOMPARE(serverSummaries(server), QStringList({survivor}));
    QCOMPARE(a.sync().uploaded + a.sync().downloaded, 0);
}

void TestSyncEngine::changedMeanwhile_data()
{
    QTest::addColumn<bool>("deletedHere");
    QTest::addColumn<QStringList>("conflicts");
    QTest::newRow("PUT after an edit there") << false << QStringList({"Walk the dog"});
    QTest::newRow("DELETE after an edit there") << true << QStringList();
}

void TestSyncEngine::changedMeanwhile()
{
    QFETCH(bool, deletedHere);
    QFETCH(QStringList, conflicts);
    FakeCalDavCollection server;
    Device a(server);
    a.addSynced({"Walk"});
    const QString href = hrefOf(server, QStringLiteral("Walk"));
    if (deletedHere)
        a.remove(QStringLiteral("Walk"));
    else
        a.rename(QStringLiteral("Walk"), QStringLiteral("Walk the dog"));
    // The phone edits it after the sync looked and before its upload.
    server.onNext(deletedHere ? Call::Remove : Call::Put,
                  [&server, href] { server.store(href, serverEvent("walk", "Walk in the park")); });

    const SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(a.messages(), QStringList({"Walk in the park"}));
    QCOMPARE(serverSummaries(server), QStringList({"Walk in the park"}));
    QCOMPARE(report.conflicts.size(), conflicts.size());
    for (const QString &lost : conflicts)
        QVERIFY(readFile(a.conflictsPath()).contains(lost.toUtf8()));
}

void TestSyncEngine::unsupportedLeftAloneAndNamedOnce()
{
    FakeCalDavCollection server;
    const QString monthly = QStringLiteral("/alice/reminders/rent.ics");
    server.store(monthly, serverEvent("rent", "Pay rent", "FREQ=YEARLY;BYWEEKNO=1"));
    Device a(server);
    a.add(QStringLiteral("Never rings"), OptionWeekly, QString());
    const FakeCalDavCollection::Resource before = server.resources().at(monthly);

    SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::SomeLeftOut);
    QCOMPARE(report.leftOut.size(), 2);
    QVERIFY2(report.leftOut.join(' ').contains(QLatin1String("\"Pay rent\": its rule picks days by BYWEEKNO")),
             qPrintable(report.leftOut.join(' ')));
    QVERIFY(report.leftOut.join(' ').contains(QLatin1String("Never rings")));
    QCOMPARE(a.messages(), QStringList({"Never rings"}));
    QCOMPARE(server.resources().size(), std::size_t(1));

    // Named once, counted as long as they are left out.
    report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::SomeLeftOut);
    QVERIFY(report.leftOut.isEmpty());
    QCOMPARE(report.stillLeftOut, 2);
    QCOMPARE(summaryText(report), QStringLiteral("2 still left out"));

    // Changed on the phone, still monthly: named again, still untouched.
    server.store(monthly, serverEvent("rent", "Pay the rent", "FREQ=YEARLY;BYWEEKNO=1"));
    const FakeCalDavCollection::Resource changed = server.resources().at(monthly);
    report = a.sync();
    QCOMPARE(report.leftOut.size(), 1);
    QCOMPARE(report.stillLeftOut, 1);
    QVERIFY(report.leftOut.first().contains(QLatin1String("Pay the rent")));
    QCOMPARE(server.resources().at(monthly).etag, changed.etag);
    QCOMPARE(server.calls(Call::Put) + server.calls(Call::Remove), 0);
    QVERIFY(before.etag != changed.etag);
}

// The reminder here rings on as it was; the server's version is named and
// neither written over nor deleted, until it changes again.
void TestSyncEngine::eventTurnedUnsupportedStaysHere()
{
    FakeCalDavCollection server;
    Device a(server);
    a.addSynced({"Rent", "Gym"});
    const QString href = hrefOf(server, QStringLiteral("Rent"));
    a.rename(QStringLiteral("Rent"), QStringLiteral("Rent changed here"));
    server.store(href, serverEvent("rent", "Rent", "FREQ=YEARLY;BYWEEKNO=1"));
    const FakeCalDavCollection::Resource monthly = server.resources().at(href);

    SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::SomeLeftOut);
    QCOMPARE(report.leftOut.size(), 1);
    QCOMPARE(report.deletedHere, 0);
    QVERIFY(report.conflicts.isEmpty());
    QCOMPARE(a.messages(), QStringList({"Gym", "Rent changed here"}));

    report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::SomeLeftOut);
    QCOMPARE(report.stillLeftOut, 1);
    QCOMPARE(server.resources().at(href).calendarData, monthly.calendarData);
    QCOMPARE(server.resources().at(href).etag, monthly.etag);

    // Back to what a reminder can hold: the server's version wins over the
    // edit here, which is kept in the conflicts file.
    server.store(href, serverEvent("rent", "Rent on the first"));
    report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(a.messages(), QStringList({"Gym", "Rent on the first"}));
    QVERIFY(readFile(a.conflictsPath()).contains("Rent changed here"));
}

// A phone that cancels an event instead of deleting it: the reminder goes
// on both computers, the server's copy is left alone and not fetched again.
void TestSyncEngine::cancelledThereStopsRingingHere()
{
    FakeCalDavCollection server;
    Device a(server);
    Device b(server);
    a.addSynced({"Dentist", "Pay rent"});
    b.sync();
    const QString href = hrefOf(server, QStringLiteral("Pay rent"));
    QByteArray cancelled = server.resources().at(href).calendarData;
    cancelled.replace("END:VEVENT", "STATUS:CANCELLED\r\nEND:VEVENT");
    server.store(href, cancelled);
    const FakeCalDavCollection::Resource there = server.resources().at(href);

    SyncReport report = a.sync();
    QCOMPARE(report.deletedHere, 1);
    QVERIFY(report.leftOut.isEmpty());
    QCOMPARE(a.messages(), QStringList({"Dentist"}));
    QCOMPARE(b.sync().deletedHere, 1);
    QCOMPARE(b.messages(), QStringList({"Dentist"}));

    server.resetCalls();
    report = a.sync();
    QCOMPARE(report.deletedHere, 0);
    QCOMPARE(a.messages(), QStringList({"Dentist"}));
    QCOMPARE(server.calls(Call::Put) + server.calls(Call::Remove) + server.calls(Call::Fetch), 0);
    QCOMPARE(server.resources().at(href).etag, there.etag);
}

void TestSyncEngine::readOnlyDatabaseFailsInWords()
{
    FakeCalDavCollection server;
    Device a(server);
    a.add(QStringLiteral("Dentist"));
    a.conn.Open(a.databasePath(), Connection::Access::ReadOnly);

    const SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Failed);
    QVERIFY2(report.failure.contains(QLatin1String("read-only")), qPrintable(report.failure));
    QCOMPARE(server.totalCalls(), 0);
    QVERIFY(!a.engine->isSyncing());
}

void TestSyncEngine::failureThenRetry_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<int>("nth");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<Applied>("applied");
    QTest::newRow("probe unreachable") << Call::Probe << 1 << Kind::Unreachable << Applied::No;
    QTest::newRow("changes, wrong password") << Call::ChangesSince << 1 << Kind::Unauthorized << Applied::No;
    QTest::newRow("fetch times out") << Call::Fetch << 1 << Kind::Timeout << Applied::No;
    QTest::newRow("third PUT done, answer lost") << Call::Put << 3 << Kind::Timeout << Applied::Yes;
    QTest::newRow("DELETE done, answer lost") << Call::Remove << 1 << Kind::Timeout << Applied::Yes;
}

void TestSyncEngine::failureThenRetry()
{
    QFETCH(Call, call);
    QFETCH(int, nth);
    QFETCH(Kind, kind);
    QFETCH(Applied, applied);
    FakeCalDavCollection server;
    Device a(server);
    a.addSynced({"Old", "Kept"});
    a.remove(QStringLiteral("Old"));
    for (const QString &message : {QStringLiteral("New 1"), QStringLiteral("New 2"), QStringLiteral("New 3")})
        a.add(message);
    server.store(QStringLiteral("/alice/reminders/p1.ics"), serverEvent("p1", "Phone 1"));
    server.store(QStringLiteral("/alice/reminders/p2.ics"), serverEvent("p2", "Phone 2"));
    const QStringList all{"Kept", "New 1", "New 2", "New 3", "Phone 1", "Phone 2"};

    server.failOn(call, kind, nth, applied);
    SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Failed);
    QVERIFY(report.failure.contains(QLatin1String("failed on purpose")));
    QCOMPARE(report.failureKind, kind);
    for (const QString &message : {QStringLiteral("Kept"), QStringLiteral("New 1"), QStringLiteral("New 3")})
        QVERIFY(a.messages().contains(message));

    report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(a.messages(), all);
    QCOMPARE(serverSummaries(server), all);
    QVERIFY(report.conflicts.isEmpty());
    Device b(server);
    b.sync();
    QCOMPARE(b.messages(), all);
}

// A server that answers every request, only slowly, cannot hold a sync
// past its deadline: it ends as a timeout in words, and the next sync
// finishes the work without doubling what the cut one had sent.
void TestSyncEngine::slowServerMeetsTheSyncDeadline()
{
    using namespace std::chrono_literals;
    FakeCalDavCollection server;
    Device a(server);
    a.add(QStringLiteral("Water the plants"));
    a.add(QStringLiteral("Team call"));
    server.store(QStringLiteral("/alice/reminders/p1.ics"), serverEvent("p1", "Phone 1"));
    const QStringList all{"Phone 1", "Team call", "Water the plants"};
    // Probe, listing, fetch and the uploads take 800 ms at the least.
    server.answerDelay = 200ms;
    a.engine->setSyncDeadline(700ms);

    SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Failed);
    QCOMPARE(report.failureKind, CalDavFailure::Kind::Timeout);
    QVERIFY2(report.failure.contains(QLatin1String("took longer than 0.7 seconds")), qPrintable(report.failure));
    QVERIFY(a.messages().contains(QStringLiteral("Water the plants")));

    server.answerDelay = 0ms;
    report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(a.messages(), all);
    QCOMPARE(serverSummaries(server), all);
}

void TestSyncEngine::refusedItemNamedRestGoesOn_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QString>("refused");
    QTest::newRow("first PUT refused") << Call::Put << "New 1";
    QTest::newRow("DELETE refused") << Call::Remove << "Old";
}

void TestSyncEngine::refusedItemNamedRestGoesOn()
{
    QFETCH(Call, call);
    QFETCH(QString, refused);
    FakeCalDavCollection server;
    Device a(server);
    a.addSynced({"Old", "Kept"});
    a.remove(QStringLiteral("Old"));
    for (const QString &message : {QStringLiteral("New 1"), QStringLiteral("New 2")})
        a.add(message);
    server.store(QStringLiteral("/alice/reminders/p1.ics"), serverEvent("p1", "Phone 1"));
    const QStringList all{"Kept", "New 1", "New 2", "Phone 1"};

    server.failOn(call, Kind::Server);
    SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::SomeLeftOut);
    QCOMPARE(report.leftOut.size(), 1);
    QVERIFY2(report.leftOut.first().contains(refused) && report.leftOut.first().contains(QLatin1String("on purpose")),
             qPrintable(report.leftOut.first()));
    QCOMPARE(a.messages(), all);
    // Everything else went: on the server the refused one alone is as before.
    QStringList onServer = all;
    if (call == Call::Put)
        onServer.removeOne(refused);
    else
        onServer << refused;
    onServer.sort();
    QCOMPARE(serverSummaries(server), onServer);

    report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(serverSummaries(server), all);
}

// An older program's tables, without a version, are upgraded in place; a
// newer program's are refused rather than half understood.
void TestSyncEngine::bookkeepingKeepsItsVersion()
{
    FakeCalDavCollection server;
    Device a(server);
    a.addSynced({"Dentist", "Gym"});
    const auto setVersion = [&a](const QString &value) {
        a.conn.runSql("delete from tblSyncInfo where Key = 'SchemaVersion'");
        if (!value.isEmpty())
            a.conn.runSql("insert into tblSyncInfo values ('SchemaVersion', ?)", {value});
    };
    const auto version = [&a] {
        QString found;
        a.conn.runSql("select Value from tblSyncInfo where Key = 'SchemaVersion'", {},
                      [&found](const QVariantList &row) { found = row[0].toString(); });
        return found;
    };
    QCOMPARE(version(), QString::number(kSyncSchemaVersion));

    // Laid out as before versions were kept: no ServerLeftOut, no number.
    a.conn.runSql("create table tblOld as select Href, ReminderID, UID, ETag, Option, StartDate, StartTime, "
                  "Reminder, Weekdays from tblSyncState");
    a.conn.runSql("drop table tblSyncState");
    a.conn.runSql("alter table tblOld rename to tblSyncState");
    setVersion(QString());
    SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(report.uploaded + report.downloaded + report.deletedHere, 0);
    QCOMPARE(version(), QString::number(kSyncSchemaVersion));

    setVersion(QString::number(kSyncSchemaVersion + 1));
    report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Failed);
    QVERIFY2(report.failure.contains(QLatin1String("newer Vestrona")), qPrintable(report.failure));
    QCOMPARE(a.messages(), QStringList({"Dentist", "Gym"}));
}

void TestSyncEngine::absenceIsNoDeletion_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("cutAfter");
    QTest::newRow("listing cut short, asked on") << "cut short" << 2;
    QTest::newRow("listing cut short, no way on") << "cut short" << 0;
    QTest::newRow("multiget leaves it out") << "not fetched" << -1;
}

void TestSyncEngine::absenceIsNoDeletion()
{
    QFETCH(QString, how);
    QFETCH(int, cutAfter);
    FakeCalDavCollection server;
    Device a(server);
    a.addSynced({"Dentist", "Gym", "Walk"});
    const QString gym = hrefOf(server, QStringLiteral("Gym"));
    server.store(gym, serverEvent("gym", "Gym at eight"));
    if (how == QLatin1String("cut short")) {
        // From the start, as after a forgotten token: two of three listed.
        a.conn.runSql("update tblSyncInfo set Value = '' where Key = 'SyncToken'");
        server.changesCutAfter = cutAfter;
    } else {
        server.fetchLeavesOut.insert(gym);
    }

    SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(report.deletedHere, 0);
    QVERIFY(a.messages().contains(QStringLiteral("Walk")));
    QVERIFY(a.messages().contains(QStringLiteral("Dentist")));

    // Once the server answers in full, what was missed arrives.
    server.changesCutAfter = -1;
    server.fetchLeavesOut.clear();
    report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(a.messages(), QStringList({"Dentist", "Gym at eight", "Walk"}));
    QCOMPARE(serverSummaries(server), a.messages());
}

void TestSyncEngine::emptiedCalendarAsksFirst_data()
{
    QTest::addColumn<bool>("syncCollection");
    QTest::addColumn<EmptiedCalendar>("answer");
    QTest::addColumn<QStringList>("here");
    const QStringList all{"Dentist", "Gym", "Walk"};
    QTest::newRow("sync-collection, upload all") << true << EmptiedCalendar::UploadAll << all;
    QTest::newRow("ETags only, upload all") << false << EmptiedCalendar::UploadAll << all;
    QTest::newRow("sync-collection, accept deletions") << true << EmptiedCalendar::AcceptDeletions << QStringList();
}

void TestSyncEngine::emptiedCalendarAsksFirst()
{
    QFETCH(bool, syncCollection);
    QFETCH(EmptiedCalendar, answer);
    QFETCH(QStringList, here);
    FakeCalDavCollection server(syncCollection);
    Device a(server);
    const QStringList all{"Dentist", "Gym", "Walk"};
    a.addSynced(all);
    // Another program empties the calendar.
    while (!server.resources().empty())
        server.erase(server.resources().begin()->first);

    for (int asked = 0; asked < 2; ++asked) {
        const SyncReport report = a.sync();
        QCOMPARE(report.outcome, SyncReport::Outcome::Failed);
        QVERIFY(report.serverEmptied);
        QVERIFY(report.needsTheUser());
        QVERIFY2(report.failure.contains(QLatin1String("no longer holds 3 of the 3")), qPrintable(report.failure));
        QCOMPARE(a.messages(), all);
    }

    a.engine->answerEmptiedCalendar(answer);
    SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(a.messages(), here);
    QCOMPARE(serverSummaries(server), here);
    report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(report.uploaded + report.downloaded + report.deletedHere + report.deletedThere, 0);
}

void TestSyncEngine::everyUploadRefusedIsAFailure_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("refusals");
    QTest::newRow("refused") << Kind::Server << 2;
    // "Changed meanwhile" to both PUTs of each of the sync's three rounds.
    QTest::newRow("412 every time") << Kind::PreconditionFailed << 6;
}

void TestSyncEngine::everyUploadRefusedIsAFailure()
{
    QFETCH(Kind, kind);
    QFETCH(int, refusals);
    FakeCalDavCollection server;
    Device a(server);
    a.add(QStringLiteral("Dentist"));
    a.add(QStringLiteral("Gym"));
    for (int i = 0; i < refusals; ++i)
        server.failOn(Call::Put, kind, 1);

    SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Failed);
    QVERIFY2(report.failure.contains(QLatin1String("took none of the 2 reminders")), qPrintable(report.failure));
    QVERIFY(report.failure.contains(QLatin1String("on purpose")));
    QVERIFY(server.resources().empty());

    report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(serverSummaries(server), QStringList({"Dentist", "Gym"}));
}

void TestSyncEngine::newAddressStartsAfresh()
{
    FakeCalDavCollection first;
    FakeCalDavCollection second(true, QStringLiteral("/bob/calendar/"));
    Device a(first);
    a.addSynced({"Dentist"});
    first.store(QStringLiteral("/alice/reminders/p1.ics"), serverEvent("p1", "Only on the first"));
    a.engine = std::make_unique<SyncEngine>(second, a.conn, QStringLiteral("https://other.example.org/bob/calendar/"));

    const SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(report.uploaded, 1);
    QCOMPARE(report.deletedHere, 0);
    QCOMPARE(serverSummaries(second), QStringList({"Dentist"}));
    QVERIFY(second.resources().begin()->first.startsWith(QLatin1String("/bob/calendar/")));
    QCOMPARE(a.messages(), QStringList({"Dentist"}));
}

// Two computers from one database file: each reminder new on either side
// is a resource of its own, though both got the same ID.
void TestSyncEngine::copiedDatabaseGetsItsOwnIdentity()
{
    FakeCalDavCollection server;
    Device a(server);
    a.addSynced({"Dentist"});
    Device b(server);
    b.conn.Close();
    QVERIFY(QFile::remove(b.databasePath()));
    QVERIFY(QFile::copy(a.databasePath(), b.databasePath()));
    b.conn.Open(b.databasePath());

    a.add(QStringLiteral("Gym"));
    b.add(QStringLiteral("Swim"));
    QCOMPARE(a.idOf(QStringLiteral("Gym")), b.idOf(QStringLiteral("Swim")));
    QCOMPARE(a.sync().uploaded, 1);
    SyncReport report = b.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QVERIFY(report.conflicts.isEmpty());
    QCOMPARE(report.uploaded, 1);
    a.sync();
    const QStringList all{"Dentist", "Gym", "Swim"};
    QCOMPARE(serverSummaries(server), all);
    QCOMPARE(a.messages(), all);
    QCOMPARE(b.messages(), all);
}

// The bookkeeping of the first calendar is dropped on the way; coming back,
// every reminder is found there again by its UID or its content.
void TestSyncEngine::addressChangedAndBackDoublesNothing()
{
    FakeCalDavCollection first;
    FakeCalDavCollection second(false, QStringLiteral("/bob/calendar/"));
    const QString firstUrl = kUrl;
    const QString secondUrl = QStringLiteral("https://other.example.org/bob/calendar/");
    Device a(first);
    a.addSynced({"Dentist"});
    first.store(QStringLiteral("/alice/reminders/p1.ics"), serverEvent("p1", "From the phone"));
    a.sync();
    const QStringList both{"Dentist", "From the phone"};
    QCOMPARE(a.messages(), both);

    a.engine = std::make_unique<SyncEngine>(second, a.conn, secondUrl);
    QCOMPARE(a.sync().uploaded, 2);
    a.engine = std::make_unique<SyncEngine>(first, a.conn, firstUrl);
    const SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(report.uploaded + report.downloaded, 0);
    QVERIFY(report.conflicts.isEmpty());
    QCOMPARE(serverSummaries(first), both);
    QCOMPARE(a.messages(), both);
}

void TestSyncEngine::manyRemindersGoInBatches()
{
    FakeCalDavCollection server;
    for (int i = 0; i < 250; ++i)
        server.store(QStringLiteral("/alice/reminders/%1.ics").arg(i), serverEvent(QByteArray::number(i), "Phone " + QByteArray::number(i)));
    Device a(server);
    // Without the etag of its uploads the sync asks for them, batched too.
    server.sendsEtagOnPut = false;
    for (int i = 0; i < 150; ++i)
        a.add(QStringLiteral("Here %1").arg(i));

    const SyncReport report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(report.downloaded, 250);
    QCOMPARE(report.uploaded, 150);
    QCOMPARE(server.calls(Call::Fetch), 3 + 2);
    // Several requests at once, so the sync waits on the server's answers
    // side by side rather than one after another; never more than a few.
    QCOMPARE(server.mostAtOnce(Call::Fetch), SyncEngine::kFetchesAtOnce);
    QCOMPARE(server.mostAtOnce(Call::Put), SyncEngine::kUploadsAtOnce);
    QCOMPARE(a.messages().size(), 400);

    server.resetCalls();
    const SyncReport again = a.sync();
    QCOMPARE(again.uploaded + again.downloaded, 0);
    QCOMPARE(server.totalCalls(), 1);
}

// One multiget failing while others are under way ends the sync with nothing
// taken from the rest, and the next sync fetches every item again.
void TestSyncEngine::failedBatchTakesNothingAndIsFetchedAgain()
{
    FakeCalDavCollection server;
    server.answerDelay = std::chrono::milliseconds(5);
    for (int i = 0; i < 250; ++i)
        server.store(QStringLiteral("/alice/reminders/%1.ics").arg(i), serverEvent(QByteArray::number(i), "Phone " + QByteArray::number(i)));
    Device a(server);
    server.failOn(Call::Fetch, Kind::Server, 2);

    const SyncReport failed = a.sync();
    QCOMPARE(failed.outcome, SyncReport::Outcome::Failed);
    QVERIFY(a.messages().isEmpty());

    const SyncReport again = a.sync();
    QCOMPARE(again.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(again.downloaded, 250);
    QCOMPARE(a.messages().size(), 250);
}

void TestSyncEngine::oneUploadFailsAmongOthers_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<SyncReport::Outcome>("outcome");
    QTest::addColumn<int>("uploaded");
    // Uploads answer in the order sent: the first goes, the second fails,
    // and the fifth was sent between them.
    QTest::newRow("412, changed meanwhile") << Kind::PreconditionFailed << SyncReport::Outcome::Synced << 8;
    QTest::newRow("500 for that one") << Kind::Server << SyncReport::Outcome::SomeLeftOut << 7;
    QTest::newRow("connection dropped") << Kind::Unreachable << SyncReport::Outcome::Failed << 4;
}

// One upload failing while others are under way disturbs none of theirs:
// what went is counted and recorded, and the next sync sends just the rest.
void TestSyncEngine::oneUploadFailsAmongOthers()
{
    QFETCH(Kind, kind);
    QFETCH(SyncReport::Outcome, outcome);
    QFETCH(int, uploaded);
    FakeCalDavCollection server;
    server.answerDelay = std::chrono::milliseconds(5);
    Device a(server);
    QStringList all;
    for (int i = 1; i <= 8; ++i) {
        all << QStringLiteral("New %1").arg(i);
        a.add(all.last());
    }
    server.failOn(Call::Put, kind, 2);

    SyncReport report = a.sync();
    QCOMPARE(report.outcome, outcome);
    QCOMPARE(server.mostAtOnce(Call::Put), SyncEngine::kUploadsAtOnce);
    QCOMPARE(report.uploaded, uploaded);
    QCOMPARE(serverSummaries(server).size(), uploaded);
    QCOMPARE(a.messages(), all);

    server.resetCalls();
    report = a.sync();
    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(server.calls(Call::Put), 8 - uploaded);
    QCOMPARE(server.calls(Call::Fetch), 0);
    QCOMPARE(serverSummaries(server), all);
}

QTEST_MAIN(TestSyncEngine)
// A server's time of the last change spares it working out the sync token
// of an unchanged calendar; a change is still seen, even one in the same
// second as the time the last sync read.
void TestSyncEngine::unchangedCalendarIsAskedItsTimeOnly()
{
    FakeCalDavCollection server;
    Device a(server);
    syncUntilTimeIsTrusted(server, a);

    // One request, and nothing written: each write would wait for the disk.
    Connection watcher(RegionalSettings::usEnglish());
    watcher.Open(a.databasePath());
    const qint64 version = watcher.dataVersion();
    server.resetCalls();
    QCOMPARE(a.sync().outcome, SyncReport::Outcome::Synced);
    QCOMPARE(server.totalCalls(), 1);
    QCOMPARE(server.probesWithoutToken(), 1);
    QCOMPARE(watcher.dataVersion(), version);

    phoneChanges(server, "gym", "Gym at six", 0);
    // Read in the second it changed: not kept, so the next sync asks the token.
    SyncReport report = a.sync();
    QCOMPARE(report.downloaded, 1);
    QCOMPARE(server.probesWithoutToken(), 2);
    phoneChanges(server, "gym", "Gym at seven");
    report = a.sync();
    QCOMPARE(report.downloaded, 1);
    QCOMPARE(server.probesWithoutToken(), 2);
    QCOMPARE(a.messages(), (QStringList{"Gym at seven", "Rent"}));

    // Changes here go up after a probe for the time alone; the next sync
    // finds its own uploads and asks for them only once.
    a.add(QStringLiteral("Dentist"));
    server.serverNow = server.serverNow.addSecs(10);
    QCOMPARE(a.sync().uploaded, 1);
    QCOMPARE(server.probesWithoutToken(), 3);
    server.serverNow = server.serverNow.addSecs(10);
    QCOMPARE(a.sync().outcome, SyncReport::Outcome::Synced);
    server.resetCalls();
    QCOMPARE(a.sync().outcome, SyncReport::Outcome::Synced);
    QCOMPARE(server.totalCalls(), 1);
    QCOMPARE(serverSummaries(server), (QStringList{"Dentist", "Gym at seven", "Rent"}));
}

void TestSyncEngine::timeThatStandsIsNeverTrusted()
{
    FakeCalDavCollection server;
    server.timeStands = true;
    Device a(server);
    server.serverNow = QDateTime(QDate(2026, 12, 8), QTime(10, 0), Qt::UTC);
    phoneChanges(server, "rent", "Rent");
    QCOMPARE(a.sync().downloaded, 1);
    for (const QByteArray summary : {"Rent at nine", "Rent at ten"}) {
        phoneChanges(server, "rent", summary);
        QCOMPARE(a.sync().downloaded, 1);
        QCOMPARE(a.messages(), QStringList{QString::fromLatin1(summary)});
    }
    QCOMPARE(server.probesWithoutToken(), 0);
}

// A server whose time stopped following its calendar hides a change for
// an hour at most: the token is asked then, and the time never again.
void TestSyncEngine::tokenAskedHourlyFindsWhatTheTimeHid()
{
    FakeCalDavCollection server;
    FakeClock clock(QDateTime(QDate(2026, 12, 8), QTime(10, 0), Qt::UTC));
    Device a(server);
    a.engine->setClock(clock);
    syncUntilTimeIsTrusted(server, a);

    server.timeStands = true;
    phoneChanges(server, "gym", "Gym at six");
    clock.advanceSeconds(59 * 60);
    QCOMPARE(a.sync().downloaded, 0);
    QCOMPARE(server.probesWithoutToken(), 1);

    clock.advanceSeconds(2 * 60);
    QCOMPARE(a.sync().downloaded, 1);
    QCOMPARE(a.messages(), (QStringList{"Gym at six", "Rent"}));
    QCOMPARE(server.probesWithoutToken(), 1);
    a.sync();
    QCOMPARE(server.probesWithoutToken(), 1);
}

// The reminders are read while the probe is out; a change made meanwhile,
// here or by another program, is what the sync decides on, not what it read.
void TestSyncEngine::changeWhileTheServerAnswersGoesUp_data()
{
    QTest::addColumn<bool>("otherProgram");
    QTest::newRow("this program") << false;
    QTest::newRow("another program") << true;
}

void TestSyncEngine::changeWhileTheServerAnswersGoesUp()
{
    QFETCH(bool, otherProgram);
    FakeCalDavCollection server;
    Device a(server);
    a.addSynced({"Dentist", "Pay rent"});
    server.answerDelay = std::chrono::milliseconds(200);
    Connection other(RegionalSettings::usEnglish());
    other.Open(a.databasePath());
    const qint64 rent = a.idOf(QStringLiteral("Pay rent"));
    QTimer::singleShot(50, [&] {
        const QString edit = QStringLiteral("update tblReminders set [Reminder]='Pay rent today' where id=%1").arg(rent);
        (otherProgram ? other : a.conn).Execute(edit);
    });
    const SyncReport report = a.sync();
    QCOMPARE(report.uploaded, 1);
    QCOMPARE(serverSummaries(server), (QStringList{"Dentist", "Pay rent today"}));
}

#include "test_sync_engine.moc"
