#include "tests/support/Files.h"
#include "tests/support/ProgramFolder.h"

#include <QDir>
#include <QTest>

using namespace vestrona::test;

namespace {

const QByteArray kSampleLine("1|;|10/23/2012|;|3:03:00 PM|;|Sample Reminder|;||;|\r\n");

} // namespace

// vestrona-cli's backup files and iCalendar files. It finds the database
// beside itself, so each test runs a copy of it in a folder of its own with a
// fresh database.
class TestCliBackup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void backupRefusesToReplaceWithoutForce();
    void restoreAddsAndReportsRejectedLines();
    void restoreOfUnreadableFileFails();
    void exportThenImportListsWhatWasAdded();
    void importNamesWhatIsLeftOutAndRefusesBadFiles();

private:
    ProcessResult cli(const QStringList &arguments) const { return mFolder->cli(arguments); }
    QString file(const char *name) const { return QDir(mFolder->path()).filePath(QString::fromLatin1(name)); }

    std::unique_ptr<ProgramFolder> mFolder;
};

void TestCliBackup::init()
{
    mFolder = std::make_unique<ProgramFolder>();
    QCOMPARE(mFolder->setupError(), QString());
}

void TestCliBackup::cleanup()
{
    mFolder.reset();
}

void TestCliBackup::backupRefusesToReplaceWithoutForce()
{
    QCOMPARE(cli({"add", "--option", "once", "--date", "2012-10-23", "--time", "15:03:00", "Sample Reminder"}).exitCode, 0);

    ProcessResult run = cli({"backup", file("out.txt")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    QCOMPARE(readFile(file("out.txt")), kSampleLine);

    writeFile(file("out.txt"), "keep");
    run = cli({"backup", file("out.txt")});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.contains(QStringLiteral("--force")));
    QCOMPARE(readFile(file("out.txt")), QByteArray("keep"));

    run = cli({"backup", "--force", file("out.txt")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(readFile(file("out.txt")), kSampleLine);
}

void TestCliBackup::restoreAddsAndReportsRejectedLines()
{
    writeFile(file("good.txt"), kSampleLine);
    writeFile(file("mixed.txt"), "1|;|1/2/2030|;|8:00:00 AM|;|two\r\nlines|;||;|\r\nnot a reminder\r\n"
                                 "1|;|31/31/2030|;|8:00:00 AM|;|bad date|;||;|\r\n");
    const ProcessResult run = cli({"restore", file("good.txt"), file("mixed.txt")});
    QCOMPARE(run.exitCode, 1);
    const QStringList errors = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(errors.size(), 2);
    QVERIFY(errors.at(0).startsWith(file("mixed.txt") + QStringLiteral(":3: ")));
    QVERIFY(errors.at(1).startsWith(file("mixed.txt") + QStringLiteral(":4: ")));
    QVERIFY(errors.at(1).contains(QStringLiteral("31/31/2030")));

    const ProcessResult list = cli({"list"});
    QCOMPARE(list.exitCode, 0);
    const QStringList rows = list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 2);
    QVERIFY(rows.at(0).startsWith(QStringLiteral("Sample Reminder\t")));
    QVERIFY(rows.at(1).startsWith(QStringLiteral("two\\r\\nlines\t")));

    // A clean file restores quietly.
    const ProcessResult again = cli({"restore", file("good.txt")});
    QCOMPARE(again.exitCode, 0);
    QCOMPARE(again.err, QString());
}

void TestCliBackup::restoreOfUnreadableFileFails()
{
    const ProcessResult run = cli({"restore", file("missing.txt")});
    QCOMPARE(run.exitCode, 3);
    QVERIFY(run.err.contains(file("missing.txt")));
    QVERIFY(!run.err.contains(QStringLiteral("Please email")));
}

void TestCliBackup::exportThenImportListsWhatWasAdded()
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
    QCOMPARE(run.exitCode, 2);
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

void TestCliBackup::importNamesWhatIsLeftOutAndRefusesBadFiles()
{
    writeFile(file("mixed.ics"), "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
                                 "BEGIN:VEVENT\r\nDTSTART:20270101T080000\r\nSUMMARY:Kept\r\nEND:VEVENT\r\n"
                                 "BEGIN:VEVENT\r\nDTSTART:20270101T080000\r\nRRULE:FREQ=YEARLY;BYWEEKNO=1\r\nSUMMARY:Rent\r\nEND:VEVENT\r\n"
                                 "END:VCALENDAR\r\n");
    writeFile(file("backup.txt"), "1|;|10/23/2012|;|3:03:00 PM|;|Sample Reminder|;||;|\r\n");
    ProcessResult run = cli({"import", file("mixed.ics")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, file("mixed.ics") + QStringLiteral(": \"Rent\": its rule picks days by BYWEEKNO\n"));
    QVERIFY(run.out.contains(QStringLiteral("Kept")));

    run = cli({"import", file("backup.txt")});
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.err.contains(QStringLiteral("it is not an iCalendar file")), qPrintable(run.err));
    QCOMPARE(cli({"list"}).out.count(QLatin1Char('\n')), 1);
    QCOMPARE(cli({"import"}).exitCode, 2);
}

QTEST_GUILESS_MAIN(TestCliBackup)
#include "test_cli_backup.moc"
