// vestrona-cli run as a process, the way scripts use it: exit codes, what it
// prints, and how it refuses bad input and unusable databases.
#include "tests/support/ProgramFolder.h"
#include "tests/support/TestDatabase.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

using namespace vestrona::test;

namespace {

QStringList outputLines(const ProcessResult &r)
{
    return r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class CliProcess : public QObject {
    Q_OBJECT

private slots:
    void helpAndVersion()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        const ProcessResult help = folder.cli({"--help"});
        QCOMPARE(help.exitCode, 0);
        for (const char *command : {"next", "list", "add", "delete", "agenda", "--rule", "monthly|yearly"})
            QVERIFY2(help.out.contains(QLatin1String(command)), command);
        const ProcessResult version = folder.cli({"--version"});
        QCOMPARE(version.exitCode, 0);
        QVERIFY2(QRegularExpression(QStringLiteral("^vestrona-cli \\d+\\.\\d+\\.\\d+\\n$")).match(version.out).hasMatch(),
                 qPrintable(version.out));
    }

    void addListNextDelete()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        const ProcessResult empty = folder.cli({"next"});
        QCOMPARE(empty.exitCode, 1);
        QCOMPARE(empty.out, QString());
        QCOMPARE(folder.cli({"list"}).out, QString());

        const QDateTime now = QDateTime::currentDateTime();
        const QDateTime inTwoDays = now.addDays(2);
        const QDateTime tomorrow = now.addDays(1);
        const QString past = folder.addOnce(now.addDays(-3), QStringLiteral("Long gone"));
        const QString later = folder.addOnce(inTwoDays, QStringLiteral("Later"));
        const QString soonest = folder.addOnce(tomorrow, QStringLiteral("Soonest"));
        QVERIFY(!past.isEmpty() && !later.isEmpty() && !soonest.isEmpty());
        QCOMPARE(QSet<QString>({past, later, soonest}).size(), 3);

        const ProcessResult list = folder.cli({"list"});
        QCOMPARE(list.exitCode, 0);
        const QStringList rows = outputLines(list);
        QCOMPARE(rows.size(), 3);
        // Start order; the ID is the last column.
        QCOMPARE(rows[0].section(QLatin1Char('\t'), -1), past);
        QCOMPARE(rows[1].section(QLatin1Char('\t'), -1), soonest);
        QCOMPARE(rows[2].section(QLatin1Char('\t'), -1), later);
        QCOMPARE(rows[1].section(QLatin1Char('\t'), 0, 0), QStringLiteral("Soonest"));

        const ProcessResult next = folder.cli({"next"});
        QCOMPARE(next.exitCode, 0);
        QCOMPARE(next.out, tomorrow.toString(QStringLiteral("MM/dd/yyyy HH:mm:ss")) + QStringLiteral("\tSoonest\n"));

        QCOMPARE(folder.cli({"delete", soonest}).exitCode, 0);
        QVERIFY(folder.cli({"next"}).out.endsWith(QLatin1String("\tLater\n")));
        QCOMPARE(outputLines(folder.cli({"list"})).size(), 2);

        const ProcessResult again = folder.cli({"delete", soonest});
        QCOMPARE(again.exitCode, 1);
        QVERIFY2(again.err.contains(soonest), qPrintable(again.err));
        QCOMPARE(outputLines(folder.cli({"list"})).size(), 2);
    }

    // Words for people follow the desktop's language; what scripts read
    // (list, next, exit codes) is the same in every one.
    void speaksTheDesktopsLanguageButNotToScripts_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("unknown");
        QTest::addColumn<QString>("help");
        QTest::newRow("LANGUAGE") << "LANGUAGE" << "de" << "Unbekannter Befehl „frobnicate“." << "Befehle:";
        QTest::newRow("LC_ALL") << "LC_ALL" << "fr_FR.UTF-8" << "Commande inconnue « frobnicate »." << "Commandes :";
        QTest::newRow("LC_MESSAGES") << "LC_MESSAGES"
                                     << "pl_PL.UTF-8"
                                     << "Nieznane polecenie „frobnicate”."
                                     << "Polecenia:";
        QTest::newRow("LANG") << "LANG" << "pt_BR.UTF-8" << "Comando desconhecido “frobnicate”." << "Comandos:";
        QTest::newRow("English") << "LANG" << "en_GB.UTF-8" << "Unknown command \"frobnicate\"." << "Commands:";
    }
    void speaksTheDesktopsLanguageButNotToScripts()
    {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(QString, unknown);
        QFETCH(QString, help);
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        QVERIFY(!folder.addOnce(QDateTime::currentDateTime().addDays(1), QStringLiteral("Dentist")).isEmpty());
        const auto run = [&](const QStringList &arguments, bool translated) {
            QProcessEnvironment env = folder.environment();
            for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
                env.remove(QLatin1String(name));
            env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
            if (translated)
                env.insert(variable, value);
            return runProcess(folder.cliPath(), arguments, env);
        };
        const ProcessResult wrong = run({"frobnicate"}, true);
        QCOMPARE(wrong.exitCode, run({"frobnicate"}, false).exitCode);
        QVERIFY2(wrong.err.contains(unknown), qPrintable(wrong.err));
        QVERIFY2(run({"--help"}, true).out.contains(help), qPrintable(run({"--help"}, true).out));
        for (const char *command : {"list", "next"}) {
            const ProcessResult english = run({command}, false);
            const ProcessResult local = run({command}, true);
            QCOMPARE(local.exitCode, english.exitCode);
            QCOMPARE(local.out, english.out);
        }
    }

    void nextShowsAWaitingSnoozeWhenItComesFirst_data()
    {
        QTest::addColumn<int>("snoozeInMinutes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("snooze first") << 60 << QStringLiteral("Tea again");
        QTest::newRow("reminder first") << 2 * 24 * 60 << QStringLiteral("Soonest");
    }

    void nextShowsAWaitingSnoozeWhenItComesFirst()
    {
        QFETCH(int, snoozeInMinutes);
        QFETCH(QString, expected);
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        const QDateTime now = QDateTime::currentDateTime();
        QVERIFY(!folder.addOnce(now.addDays(1), QStringLiteral("Soonest")).isEmpty());
        const QDateTime snoozeAt = now.addSecs(snoozeInMinutes * 60);
        {
            QSettings ini(QDir(folder.configFolder()).filePath(QStringLiteral("Tolvane.ini")), QSettings::IniFormat);
            ini.setValue(QStringLiteral("Vestrona/SnoozeAt"), snoozeAt.toUTC().toString(Qt::ISODate));
            ini.setValue(QStringLiteral("Vestrona/SnoozedReminders"), QStringLiteral(R"([{"id":7,"message":"Tea again"}])"));
        }
        const ProcessResult next = folder.cli({"next"});
        QCOMPARE(next.exitCode, 0);
        QCOMPARE(outputLines(next).size(), 1);
        QCOMPARE(next.out.section(QLatin1Char('\t'), 1).trimmed(), expected);
        if (snoozeInMinutes == 60)
            QCOMPARE(next.out.section(QLatin1Char('\t'), 0, 0), snoozeAt.toString(QStringLiteral("MM/dd/yyyy HH:mm:ss")));
    }

    // One reminder, one line, whatever its message holds.
    // A row another tool wrote with a start that is no time is named once on
    // the error stream; the output and every other reminder are as before.
    void damagedRowsAreNamedOnTheErrorStream_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("list") << QStringLiteral("list");
        QTest::newRow("next") << QStringLiteral("next");
    }
    void damagedRowsAreNamedOnTheErrorStream()
    {
        QFETCH(QString, command);
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        const QString good = folder.addOnce(QDateTime::currentDateTime().addDays(1), QStringLiteral("good"));
        rawSql(folder.databasePath(), {QStringLiteral("insert into tblReminders (Option, StartDate, StartTime, Reminder, "
                                                      "Weekdays) values (1, '2027-03-07', '10:00', 'bad', '')")});

        const ProcessResult result = folder.cli({command});
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.contains(QStringLiteral("good")), qPrintable(result.out));
        QCOMPARE(result.err.count(QStringLiteral("never ring")), 1);
        QVERIFY2(result.err.contains(QStringLiteral("\"bad\"")) && result.err.contains(QStringLiteral("\"10:00\"")),
                 qPrintable(result.err));
        QVERIFY(!result.err.contains(QStringLiteral("good")));
    }

    void listEscapesLineBreaksTabsAndBackslashes()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        const QString message = QStringLiteral("line one\r\nline two\ttabbed C:\\temp\\new\rend");
        QCOMPARE(folder.cli({"add", "--option", "weekly", "--date", "2030-05-06", "--time", "09:15", "--days", "Mon,Wed",
                             message}).exitCode, 0);
        const ProcessResult list = folder.cli({"list"});
        QCOMPARE(list.exitCode, 0);
        QCOMPARE(list.out.count(QLatin1Char('\n')), 1);
        const QStringList cells = list.out.chopped(1).split(QLatin1Char('\t'));
        QCOMPARE(cells.size(), 6);
        QCOMPARE(cells[0], QStringLiteral("line one\\r\\nline two\\ttabbed C:\\\\temp\\\\new\\rend"));
        QCOMPARE(cells[2], QStringLiteral("05/06/2030"));
        QCOMPARE(cells[3], QStringLiteral("09:15:00"));
        QVERIFY2(cells[4].contains(QLatin1String("Mon")) && cells[4].contains(QLatin1String("Wed")), qPrintable(cells[4]));
    }

    // Rules added from a script show their summary in the list, and the
    // agenda lists every occurrence of a span by time, then ID.
    void rulesInListAndAgenda()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        const auto add = [&folder](QStringList arguments) {
            const ProcessResult r = folder.cli(QStringList{"add"} + arguments);
            return r.exitCode == 0 ? r.out.trimmed() : r.err;
        };
        const QString rent = add({"--rule", "FREQ=MONTHLY;BYDAY=-1FR", "--date", "2030-01-25", "--time", "18:00", "rent"});
        const QString birthday = add({"--option", "yearly", "--date", "2030-02-12", "--time", "08:00", "birthday"});
        const QString course =
            add({"--rule", "FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH;UNTIL=20300301", "--date", "2030-01-31", "--time", "10:00", "course"});
        const QString pill = add({"--rule", "FREQ=DAILY;COUNT=2", "--date", "2030-02-11", "--time", "08:00", "pill"});
        const QStringList list = outputLines(folder.cli({"list"}));
        QCOMPARE(list.size(), 4);
        QStringList summaries;
        for (const QString &line : list)
            summaries.append(line.section(u'\t', 1, 1));
        QCOMPARE(summaries, QStringList({"Every month on the last Fri", "Every 2 weeks on Mon, Thu, until 2030-03-01",
                                         "Every day, 2 times", "Every year on Feb 12"}));

        const ProcessResult agenda = folder.cli({"agenda", "--from", "2030-02-01 00:00:00", "--days", "28"});
        QCOMPARE(agenda.exitCode, 0);
        QCOMPARE(outputLines(agenda), QStringList({
                                          "2030-02-11 08:00:00\t" + pill + "\tpill",
                                          "2030-02-11 10:00:00\t" + course + "\tcourse",
                                          "2030-02-12 08:00:00\t" + birthday + "\tbirthday",
                                          "2030-02-12 08:00:00\t" + pill + "\tpill",
                                          "2030-02-14 10:00:00\t" + course + "\tcourse",
                                          "2030-02-22 18:00:00\t" + rent + "\trent",
                                          "2030-02-25 10:00:00\t" + course + "\tcourse",
                                          "2030-02-28 10:00:00\t" + course + "\tcourse",
                                      }));

        // Through a backup and a restore every occurrence stays.
        const auto withoutIds = [](QStringList lines) {
            for (QString &line : lines)
                line = line.section(u'\t', 0, 0) + u'\t' + line.section(u'\t', 2);
            // The restore gives new IDs, which order reminders due together.
            lines.sort();
            return lines;
        };
        const QString backup = folder.path() + QStringLiteral("/rules.txt");
        QCOMPARE(folder.cli({"backup", backup}).exitCode, 0);
        for (const QString &id : {rent, birthday, course, pill})
            QCOMPARE(folder.cli({"delete", id}).exitCode, 0);
        QCOMPARE(folder.cli({"restore", backup}).exitCode, 0);
        const ProcessResult restored = folder.cli({"agenda", "--from", "2030-02-01 00:00:00", "--days", "28"});
        QCOMPARE(withoutIds(outputLines(restored)), withoutIds(outputLines(agenda)));
    }

    // A long agenda, put into words in blocks on two threads, comes whole:
    // every line in its place, each message escaped onto its line.
    void longAgendaComesWhole()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        const QString message = QStringLiteral("tab\there C:\\temp\nnext line, grüße 😀");
        QStringList ids;
        for (int i = 0; i < 3; ++i) {
            const ProcessResult added =
                folder.cli({"add", "--option", "daily", "--date", "2030-01-01", "--time", "07:05:09", message});
            QCOMPARE(added.exitCode, 0);
            ids << added.out.trimmed();
        }
        const ProcessResult agenda = folder.cli({"agenda", "--from", "2030-01-20 12:00:00", "--days", "3660"});
        QCOMPARE(agenda.exitCode, 0);
        QString escaped = message;
        escaped.replace(u'\\', QLatin1String("\\\\")).replace(u'\t', QLatin1String("\\t")).replace(u'\n', QLatin1String("\\n"));
        QStringList expected;
        for (QDate day(2030, 1, 21); day <= QDate(2040, 1, 28); day = day.addDays(1)) {
            for (const QString &id : ids)
                expected << day.toString(Qt::ISODate) + QStringLiteral(" 07:05:09\t") + id + u'\t' + escaped;
        }
        QCOMPARE(outputLines(agenda), expected);
    }

    void badArgumentsChangeNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("no command") << QStringList{} << QStringLiteral("No command");
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << QStringLiteral("frobnicate");
        QTest::newRow("unknown option") << QStringList{"list", "--colour"} << QStringLiteral("colour");
        QTest::newRow("list with an argument") << QStringList{"list", "all"} << QStringLiteral("list");
        QTest::newRow("option of another command") << QStringList{"next", "--force"} << QStringLiteral("--force");
        QTest::newRow("add without time") << QStringList{"add", "--option", "once", "--date", "2030-01-01", "x"}
                                          << QStringLiteral("--time");
        QTest::newRow("add without message") << QStringList{"add", "--option", "once", "--date", "2030-01-01", "--time", "10:00"}
                                             << QStringLiteral("MESSAGE");
        QTest::newRow("add with two messages")
            << QStringList{"add", "--option", "once", "--date", "2030-01-01", "--time", "10:00", "a", "b"}
            << QStringLiteral("MESSAGE");
        QTest::newRow("unknown option") << QStringList{"add", "--option", "fortnightly", "--date", "2030-01-01", "--time", "10:00", "x"}
                                        << QStringLiteral("fortnightly");
        QTest::newRow("rule more often than daily")
            << QStringList{"add", "--rule", "FREQ=HOURLY", "--date", "2030-01-01", "--time", "10:00", "x"}
            << QStringLiteral("more often than every day");
        QTest::newRow("rule that cannot be read")
            << QStringList{"add", "--rule", "FREQ=MONTHLY;BYDAY=9XX", "--date", "2030-01-01", "--time", "10:00", "x"}
            << QStringLiteral("BYDAY=9XX");
        QTest::newRow("option and rule")
            << QStringList{"add", "--option", "once", "--rule", "FREQ=DAILY", "--date", "2030-01-01", "--time", "10:00", "x"}
            << QStringLiteral("either --option or --rule");
        QTest::newRow("agenda for no days") << QStringList{"agenda", "--days", "0"} << QStringLiteral("--days");
        QTest::newRow("agenda from a bad moment") << QStringList{"agenda", "--from", "tomorrow"} << QStringLiteral("tomorrow");
        QTest::newRow("impossible date") << QStringList{"add", "--option", "once", "--date", "2030-02-30", "--time", "10:00", "x"}
                                         << QStringLiteral("2030-02-30");
        QTest::newRow("day-first date") << QStringList{"add", "--option", "once", "--date", "01/02/2030", "--time", "10:00", "x"}
                                        << QStringLiteral("01/02/2030");
        QTest::newRow("impossible time") << QStringList{"add", "--option", "once", "--date", "2030-01-01", "--time", "25:00", "x"}
                                         << QStringLiteral("25:00");
        QTest::newRow("unknown weekday")
            << QStringList{"add", "--option", "weekly", "--date", "2030-01-01", "--time", "10:00", "--days", "Mon,Xyz", "x"}
            << QStringLiteral("Xyz");
        QTest::newRow("weekly without days")
            << QStringList{"add", "--option", "weekly", "--date", "2030-01-01", "--time", "10:00", "x"}
            << QStringLiteral("at least one weekday");
        QTest::newRow("weekly with empty days")
            << QStringList{"add", "--option", "weekly", "--date", "2030-01-01", "--time", "10:00", "--days", ",", "x"}
            << QStringLiteral("at least one weekday");
        QTest::newRow("date with a time")
            << QStringList{"add", "--option", "once", "--date", "2030-01-01T10:00", "--time", "10:00", "x"}
            << QStringLiteral("2030-01-01T10:00");
        QTest::newRow("delete a negative number") << QStringList{"delete", "-1"} << QStringLiteral("\"-1\" is not a reminder ID");
        QTest::newRow("delete without ID") << QStringList{"delete"} << QStringLiteral("delete ID");
        QTest::newRow("delete a word") << QStringList{"delete", "first"} << QStringLiteral("first");
        QTest::newRow("delete zero") << QStringList{"delete", "0"} << QStringLiteral("\"0\"");
        QTest::newRow("sync with an argument") << QStringList{"sync", "now"} << QStringLiteral("sync [--url URL");
        QTest::newRow("account option of another command") << QStringList{"list", "--user", "alice"} << QStringLiteral("--user");
    }

    void badArgumentsChangeNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, mentions);
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        const QString kept = folder.addOnce(QDateTime::currentDateTime().addDays(1), QStringLiteral("Keep me"));
        QVERIFY(!kept.isEmpty());

        const ProcessResult r = folder.cli(arguments);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith(QLatin1String("vestrona-cli: ")) && r.err.contains(mentions), qPrintable(r.err));
        QVERIFY2(r.err.contains(QLatin1String("--help")), qPrintable(r.err));
        const QStringList rows = outputLines(folder.cli({"list"}));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().section(QLatin1Char('\t'), -1), kept);
    }

    // Refused before any request goes out: exit 3, words, reminders untouched.
    void syncRefusedBeforeAnyRequest_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("no account") << QStringList{"sync"} << QStringLiteral("No calendar account is set up");
        QTest::newRow("user without address") << QStringList{"sync", "--user", "alice"}
                                              << QStringLiteral("is not a web address");
        QTest::newRow("plain http elsewhere") << QStringList{"sync", "--url", "http://dav.example.org/alice/", "--user", "alice"}
                                              << QStringLiteral("https://");
        QTest::newRow("fingerprint cut short")
            << QStringList{"sync", "--url", "https://dav.example.org/alice/", "--user", "alice", "--accept-certificate", "AB:CD"}
            << QStringLiteral("32 hex pairs");
        QTest::newRow("no password and no terminal")
            << QStringList{"sync", "--url", "https://dav.example.org/alice/", "--user", "alice"}
            << QStringLiteral("VESTRONA_CALDAV_PASSWORD");
    }
    void syncRefusedBeforeAnyRequest()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, mentions);
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        QVERIFY(!folder.addOnce(QDateTime::currentDateTime().addDays(1), QStringLiteral("Keep me")).isEmpty());
        QProcessEnvironment env = folder.environment();
        env.remove(QStringLiteral("VESTRONA_CALDAV_PASSWORD"));
        // No keyring either.
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent/vestrona-test-bus"));
        const ProcessResult r = runProcess(folder.cliPath(), arguments, env);
        QCOMPARE(r.exitCode, 3);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith(QLatin1String("vestrona-cli: ")) && r.err.contains(mentions), qPrintable(r.err));
        QCOMPARE(outputLines(folder.cli({"list"})).size(), 1);
    }

    // The account given once is the one later syncs use.
    void syncKeepsTheAccountGiven()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        QProcessEnvironment env = folder.environment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent/vestrona-test-bus"));
        env.remove(QStringLiteral("VESTRONA_CALDAV_PASSWORD"));
        runProcess(folder.cliPath(), {"sync", "--url", "https://dav.example.org/alice/", "--user", "alice"}, env);
        const ProcessResult again = runProcess(folder.cliPath(), {"sync"}, env);
        QCOMPARE(again.exitCode, 3);
        QVERIFY2(again.err.contains(QLatin1String("No password for alice at dav.example.org")), qPrintable(again.err));
    }

    // Without a home the user's files would go below "/".
    void withoutHomeSaysSoAndStops()
    {
        ProgramFolder folder(ProgramFolder::Database::Missing);
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        QProcessEnvironment env = folder.environment();
        for (const char *name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
            env.remove(QString::fromLatin1(name));
        const bool hadRootData = QFileInfo::exists(QStringLiteral("/.local/share/vestrona"));
        const ProcessResult r = runProcess(folder.cliPath(), {"list"}, env);
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.startsWith(QLatin1String("vestrona-cli: HOME is not set")), qPrintable(r.err));
        QCOMPARE(QFileInfo::exists(QStringLiteral("/.local/share/vestrona")), hadRootData);
    }

    void missingDatabase_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("next") << QStringList{"next"};
        QTest::newRow("list") << QStringList{"list"};
        QTest::newRow("add") << QStringList{"add", "--option", "once", "--date", "2030-01-01", "--time", "10:00", "x"};
        QTest::newRow("delete") << QStringList{"delete", "1"};
    }

    void missingDatabase()
    {
        QFETCH(QStringList, arguments);
        ProgramFolder folder(ProgramFolder::Database::Missing);
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        const ProcessResult r = folder.cli(arguments);
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.contains(folder.databasePath()), qPrintable(r.err));
        // Nothing is made in its place.
        QVERIFY(!QFile::exists(folder.databasePath()));
    }

    void unusableDatabase_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("arguments");
        const QByteArray noise = QByteArray::fromHex("8badf00d0123456789abcdef").repeated(500);
        const QStringList add{"add", "--option", "daily", "--date", "2030-01-01", "--time", "10:00", "x"};
        QTest::newRow("noise, list") << noise << QStringList{"list"};
        QTest::newRow("noise, add") << noise << add;
        QTest::newRow("empty, next") << QByteArray() << QStringList{"next"};
        QTest::newRow("empty, add") << QByteArray() << add;
        QTest::newRow("cut-off header, delete") << QByteArray("SQLite format 3\0\x10\0", 18) << QStringList{"delete", "1"};
    }

    void unusableDatabase()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, arguments);
        ProgramFolder folder(ProgramFolder::Database::Missing);
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        QFile file(folder.databasePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        const ProcessResult r = folder.cli(arguments);
        QCOMPARE(r.exitCode, 3);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith(QLatin1String("vestrona-cli: ")) && r.err.contains(folder.databasePath()), qPrintable(r.err));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll() == content, "vestrona-cli changed a file it could not use");
    }
};

QTEST_GUILESS_MAIN(CliProcess)
#include "test_cli_process.moc"
