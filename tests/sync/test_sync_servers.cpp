// The sync's hard cases on two real CalDAV servers that answer differently:
// Radicale over TLS, and Xandikos behind a web server asking for Digest
// (its sync tokens are commits of a git repository, so a token from before
// a reset of the calendar is one it cannot read). Each row starts a server
// of its own, so the account holds only the calendars the case makes.
#include "tests/support/Files.h"
#include "tests/support/RadicaleServer.h"
#include "tests/support/SyncedCalendar.h"
#include "tests/support/XandikosServer.h"

#include <QDateTime>
#include <QDir>
#include <QTest>

#include <memory>
#include <vector>

using namespace vestrona::test;

enum class Server { Radicale, Xandikos };
Q_DECLARE_METATYPE(Server)

namespace {

QString shown(const ProcessResult &result)
{
    return QStringLiteral("exit %1\nout: %2\nerr: %3").arg(result.exitCode).arg(result.out, result.err);
}

// One row's world: a running server with the user's account and its
// calendars, and a computer.
struct World {
    std::unique_ptr<CalendarServer> server;
    std::vector<SyncedCalendar> calendars;
    ProgramFolder computer;

    // Empty words when the server runs with calendars named `names`.
    QString start(Server kind, const QStringList &names)
    {
        QString failed = computer.setupError();
        if (kind == Server::Xandikos) {
            auto xandikos = std::make_unique<XandikosServer>(SyncedCalendar::user, SyncedCalendar::password);
            if (failed.isEmpty())
                failed = xandikos->start();
            server = std::move(xandikos);
        } else {
            auto radicale = std::make_unique<RadicaleServer>();
            if (failed.isEmpty())
                failed = radicale->addUser(SyncedCalendar::user, SyncedCalendar::password);
            if (failed.isEmpty())
                failed = radicale->start();
            server = std::move(radicale);
        }
        for (const QString &name : names) {
            if (failed.isEmpty())
                failed = calendars.emplace_back().start(*server, name);
        }
        return failed;
    }
};

// The events on the calendar, as phone.py's "summaries" lists them.
int eventsOn(const SyncedCalendar &calendar)
{
    return int(calendar.phone({QStringLiteral("summaries")}).out.count(QLatin1Char('\t')));
}

void addReminders(ProgramFolder &computer, const QStringList &messages)
{
    for (int i = 0; i < messages.size(); ++i)
        QVERIFY(!computer.addOnce(QDateTime::currentDateTime().addDays(i + 1), messages[i]).isEmpty());
}

void serverRows()
{
    QTest::addColumn<Server>("server");
    QTest::newRow("radicale") << Server::Radicale;
    QTest::newRow("xandikos") << Server::Xandikos;
}

} // namespace

class TestSyncServers : public QObject {
    Q_OBJECT

private slots:
    void emptiedCalendarIsAQuestion_data();
    void emptiedCalendarIsAQuestion();
    void addressOfServerPrincipalOrCalendarEndsAtTheCalendar_data();
    void addressOfServerPrincipalOrCalendarEndsAtTheCalendar();
    void switchingCalendarsAndBackDoublesNothing_data() { serverRows(); }
    void switchingCalendarsAndBackDoublesNothing();
};

// An account reset (the calendar deleted and made again) or another client
// deleting every event: nothing is deleted here, the user is asked, and
// once answered the sync goes on from a listing, not from the old token.
void TestSyncServers::emptiedCalendarIsAQuestion_data()
{
    QTest::addColumn<Server>("server");
    QTest::addColumn<bool>("reset");
    QTest::newRow("radicale, account reset") << Server::Radicale << true;
    QTest::newRow("radicale, every event deleted") << Server::Radicale << false;
    QTest::newRow("xandikos, account reset") << Server::Xandikos << true;
    QTest::newRow("xandikos, every event deleted") << Server::Xandikos << false;
}

void TestSyncServers::emptiedCalendarIsAQuestion()
{
    QFETCH(Server, server);
    QFETCH(bool, reset);
    World world;
    const QString failed = world.start(server, {QStringLiteral("reminders")});
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    const SyncedCalendar &calendar = world.calendars.front();
    const QStringList all{QStringLiteral("Dentist"), QStringLiteral("Gym"), QStringLiteral("Walk")};
    addReminders(world.computer, all);
    ProcessResult synced = calendar.sync(world.computer);
    QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Up: 3")), qPrintable(shown(synced)));

    if (reset) {
        const ProcessResult onPhone = calendar.phone({QStringLiteral("reset")});
        QVERIFY2(onPhone.exitCode == 0, qPrintable(shown(onPhone)));
    } else {
        const QString listed = calendar.phone({QStringLiteral("summaries")}).out;
        for (const QString &line : listed.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            QCOMPARE(calendar.phone({QStringLiteral("delete"), line.section(QLatin1Char('\t'), 0, 0)}).exitCode, 0);
    }
    QCOMPARE(eventsOn(calendar), 0);

    // Asked again while unanswered, never a bare server error.
    for (int ask = 0; ask < 2; ++ask) {
        synced = calendar.sync(world.computer);
        QVERIFY2(synced.exitCode == 3 && synced.err.contains(QLatin1String("no longer holds 3 of the 3"))
                     && synced.err.contains(QLatin1String("vestrona-cli sync --upload-all"))
                     && synced.err.contains(QLatin1String("vestrona-cli sync --accept-deletions")),
                 qPrintable(shown(synced)));
        QCOMPARE(reminderMessages(world.computer), all);
    }

    synced = calendar.sync(world.computer, SyncedCalendar::password, {QStringLiteral("--upload-all")});
    QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Up: 3")), qPrintable(shown(synced)));
    QCOMPARE(eventsOn(calendar), 3);
    synced = calendar.sync(world.computer);
    QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Up: 0"))
                 && synced.out.contains(QLatin1String("Down: 0")),
             qPrintable(shown(synced)));

    // Later changes on the phone come down as usual.
    const QString tomorrow =
        QDateTime::currentDateTime().addDays(1).toUTC().toString(QStringLiteral("yyyyMMddTHHmmssZ"));
    QCOMPARE(calendar.phone({QStringLiteral("add"), QStringLiteral("swim-1"), QStringLiteral("Swim"), tomorrow}).exitCode,
             0);
    synced = calendar.sync(world.computer);
    QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Down: 1")), qPrintable(shown(synced)));
    QCOMPARE(reminderMessages(world.computer), QStringList({"Dentist", "Gym", "Swim", "Walk"}));
}

void TestSyncServers::addressOfServerPrincipalOrCalendarEndsAtTheCalendar_data()
{
    QTest::addColumn<Server>("server");
    QTest::addColumn<QString>("address");
    for (const auto &[name, server] : {std::pair{"radicale", Server::Radicale}, std::pair{"xandikos", Server::Xandikos}}) {
        for (const char *address : {"server", "principal", "calendar"})
            QTest::addRow("%s, %s", name, address) << server << QString::fromLatin1(address);
    }
}

void TestSyncServers::addressOfServerPrincipalOrCalendarEndsAtTheCalendar()
{
    QFETCH(Server, server);
    QFETCH(QString, address);
    World world;
    const QString failed = world.start(server, {QStringLiteral("reminders")});
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    const SyncedCalendar &calendar = world.calendars.front();
    const QUrl calendarUrl = calendar.url();
    const QUrl given = address == QLatin1String("server")      ? world.server->url()
                       : address == QLatin1String("principal") ? world.server->principalUrl(SyncedCalendar::user)
                                                                : calendarUrl;
    addReminders(world.computer, {QStringLiteral("Feed the cat")});

    QProcessEnvironment env = world.computer.environment();
    env.insert(QStringLiteral("VESTRONA_CALDAV_PASSWORD"), SyncedCalendar::password);
    QStringList arguments{QStringLiteral("sync"), QStringLiteral("--url"), given.toString(), QStringLiteral("--user"),
                          SyncedCalendar::user};
    if (const QString fingerprint = world.server->certificateFingerprint(); !fingerprint.isEmpty())
        arguments << QStringLiteral("--accept-certificate") << fingerprint;
    ProcessResult synced = runProcess(world.computer.cliPath(), arguments, env, 90000);
    QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Up: 1")), qPrintable(shown(synced)));
    const QByteArray settings = readFile(QDir(world.computer.configFolder()).filePath(QStringLiteral("Tolvane.ini")));
    QVERIFY2(settings.contains("CalDavUrl=" + calendarUrl.toString().toUtf8()), settings.constData());

    // The next sync, from the settings alone, is with the same calendar.
    synced = runProcess(world.computer.cliPath(), {QStringLiteral("sync")}, env, 90000);
    QVERIFY2(synced.exitCode == 0 && synced.out.contains(QLatin1String("Up: 0")), qPrintable(shown(synced)));
    QCOMPARE(calendar.phone({QStringLiteral("summaries")}).out.section(QLatin1Char('\t'), 1).trimmed(),
             QStringLiteral("Feed the cat"));
}

// Calendar A, then calendar B, then A again: each switch starts the
// bookkeeping afresh, and the items already on a calendar are matched to the
// reminders here instead of going up (or coming down) a second time.
void TestSyncServers::switchingCalendarsAndBackDoublesNothing()
{
    QFETCH(Server, server);
    World world;
    const QString failed = world.start(server, {QStringLiteral("a"), QStringLiteral("b")});
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    const SyncedCalendar &a = world.calendars[0];
    const SyncedCalendar &b = world.calendars[1];
    const QString tomorrow =
        QDateTime::currentDateTime().addDays(3).toUTC().toString(QStringLiteral("yyyyMMddTHHmmssZ"));
    QCOMPARE(b.phone({QStringLiteral("add"), QStringLiteral("swim-1"), QStringLiteral("Swim"), tomorrow}).exitCode, 0);
    addReminders(world.computer, {QStringLiteral("Dentist"), QStringLiteral("Gym")});
    const QStringList all{QStringLiteral("Dentist"), QStringLiteral("Gym"), QStringLiteral("Swim")};

    struct Step {
        const SyncedCalendar &calendar;
        const char *counts;
        int events;
    };
    const Step steps[] = {
        {a, "Up: 2\nDown: 0\n", 2},
        {b, "Up: 2\nDown: 1\n", 3},
        {a, "Up: 1\nDown: 0\n", 3},
        {a, "Up: 0\nDown: 0\n", 3},
        {b, "Up: 0\nDown: 0\n", 3},
    };
    for (const Step &step : steps) {
        const ProcessResult synced = step.calendar.sync(world.computer);
        QVERIFY2(synced.exitCode == 0 && synced.out.startsWith(QLatin1String(step.counts)), qPrintable(shown(synced)));
        QCOMPARE(eventsOn(step.calendar), step.events);
    }
    QCOMPARE(reminderMessages(world.computer), all);
}

QTEST_GUILESS_MAIN(TestSyncServers)
#include "test_sync_servers.moc"
