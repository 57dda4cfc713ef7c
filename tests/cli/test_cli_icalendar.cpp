#include "tests/support/Files.h"
#include "tests/support/ProgramFolder.h"

#include <QDir>
#include <QTest>

using namespace vestrona::test;

class TestCliICalendar : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void exportThenImportListsWhatWasAdded();
    void importNamesWhatIsLeftOutAndRefusesBadFiles();

private:
    ProcessResult cli(const QStringList &arguments) const { return mFolder->cli(arguments); }
    QString file(const char *name) const { return QDir(mFolder->path()).filePath(QString::fromLatin1(name)); }

    std::unique_ptr<ProgramFolder> mFolder;
};

void TestCliICalendar::init()
{
    mFolder = std::make_unique<ProgramFolder>();
    QCOMPARE(mFolder->setupError(), QString());
}

void TestCliICalendar::cleanup()
{
    mFolder.reset();
}

void TestCliICalendar::exportThenImportListsWhatWasAdded()
{
    QCOMPARE(cli({"add", "--option", "weekly", "--days", "Mon,Wed", "--date", "2027-01-18", "--time", "18:00", "Choir"}).exitCode, 0);
    QCOMPARE(cli({"add", "--option", "once", "--date", "2027-01-15", "--time", "09:30", "Two\nlines"}).exitCode, 0);
    const QString listed = cli({"list"}).out;

    ProcessResult run = cli({"export", file("out.ics")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    QVERIFY(readFile(file("out.ics")).startsWith("BEGIN:VCALENDAR\r\n"));
    writeFile(file("out.ics"), "keep");
    run = cli({"export", file("out.ics")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains(QStringLiteral("--force")));
    QCOMPARE(readFile(file("out.ics")), QByteArray("keep"));
    QCOMPARE(cli({"export", "--force", file("out.ics")}).exitCode, 0);

    // The added rows are printed as `list` prints them, with their new IDs.
    run = cli({"import", file("out.ics")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    const QStringList added = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(added.size(), 2);
    const QStringList all = cli({"list"}).out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(all.size(), 4);
    for (const QString &line : added)
        QVERIFY2(all.contains(line), qPrintable(line));
    QCOMPARE(all.filter(QStringLiteral("Choir")).size(), 2);
    QVERIFY(listed.contains(QStringLiteral("Two\\nlines")));
}

void TestCliICalendar::importNamesWhatIsLeftOutAndRefusesBadFiles()
{
    writeFile(file("mixed.ics"), "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
                                 "BEGIN:VEVENT\r\nDTSTART:20270101T080000\r\nSUMMARY:Kept\r\nEND:VEVENT\r\n"
                                 "BEGIN:VEVENT\r\nDTSTART:20270101T080000\r\nRRULE:FREQ=MONTHLY\r\nSUMMARY:Rent\r\nEND:VEVENT\r\n"
                                 "END:VCALENDAR\r\n");
    writeFile(file("backup.txt"), "1|;|10/23/2012|;|3:03:00 PM|;|Sample Reminder|;||;|\r\n");
    ProcessResult run = cli({"import", file("mixed.ics")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, file("mixed.ics") + QStringLiteral(": \"Rent\": it repeats monthly, which a reminder cannot\n"));
    QVERIFY(run.out.contains(QStringLiteral("Kept")));

    run = cli({"import", file("backup.txt")});
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.err.contains(QStringLiteral("it is not an iCalendar file")), qPrintable(run.err));
    QCOMPARE(cli({"list"}).out.count(QLatin1Char('\n')), 1);
    QCOMPARE(cli({"import"}).exitCode, 2);
}

QTEST_GUILESS_MAIN(TestCliICalendar)
#include "test_cli_icalendar.moc"
