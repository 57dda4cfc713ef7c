#include "filecommands/Backup.h"
#include "database/Connection.h"
#include "database/Statements.h"
#include "tests/support/Files.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSet>
#include <QTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace vestrona;
using namespace vestrona::test;

namespace {

class RecordingProgress final : public ProgressSink {
public:
    void setProgress(int value, const QString &text) override { steps << QStringLiteral("%1 %2").arg(value).arg(text); }
    void processEvents() override { steps << QStringLiteral("events"); }
    QStringList steps;
};

// A row as one comparable text: option, date, time, message, weekdays.
QString rowText(const ReminderRecord &r)
{
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(r.Option)
        .arg(r.StartDate.toString(Qt::ISODate), r.StartTime.toString(Qt::ISODate), r.Reminder, r.Weekdays);
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sampleReminderLine();
    void emptyDatabaseGivesEmptyFile();
    void rejectedLinesShareOneBox();
    void roundTripDoublesEveryReminder_data();
    void roundTripDoublesEveryReminder();
    void messageWithSeparatorIsLeftOutAndNamed();
    void failedBackupLeavesOldFile();
    void writeFailingMidwayLeavesOldFile();
    void unreadableFileAddsNothing();
    void readOnlyDatabaseAddsNothing();
    void fullDiskChangesNothing();
    void refusesFilesThatAreNoBackup_data();
    void refusesFilesThatAreNoBackup();
    void backupNeverReplacesSpecialFiles_data();
    void backupNeverReplacesSpecialFiles();

private:
    QString path(const char *name) const { return mFolder->file(QString::fromLatin1(name)); }
    QStringList rows() const
    {
        QStringList out;
        for (const ReminderRecord &r : mConn->orderedRows())
            out << rowText(r);
        return out;
    }

    std::unique_ptr<TempFolder> mFolder;
    std::unique_ptr<Connection> mConn;
    RecordingReporter mReporter;
    RegionalSettings mUs = RegionalSettings::usEnglish();
};

void TestBackup::init()
{
    mFolder = std::make_unique<TempFolder>();
    QVERIFY(makeDatabase(path("dbReminders.mdb")));
    mConn = std::make_unique<Connection>(mUs);
    mConn->Open(path("dbReminders.mdb"));
    mReporter.clear();
}

void TestBackup::cleanup()
{
    mConn.reset();
    mFolder.reset();
}

void TestBackup::sampleReminderLine()
{
    mConn->Execute(QString::fromLatin1(kSampleInsert));
    RecordingProgress progress;
    const BackupResult result = SaveRemToFile(*mConn, mUs, mReporter, path("backup.txt"), &progress);

    QCOMPARE(readFile(path("backup.txt")), QByteArray("1|;|10/23/2012|;|3:03:00 PM|;|Sample Reminder|;||;|\r\n"));
    QCOMPARE(result.written, 1);
    QVERIFY(!result.failed);
    QVERIFY(mReporter.boxes.isEmpty());
    QCOMPARE(progress.steps, QStringList({"events", "30 Writing file: backup.txt", "events", "100 Done.", "0 Saved 1 reminder to backup.txt."}));

    // Reading the line back runs the same insert as the sample command.
    RecordingProgress readProgress;
    const RestoreResult restored = LoadRemFromFile(*mConn, mUs, mReporter, path("backup.txt"), &readProgress);
    QCOMPARE(restored.added, 1);
    QCOMPARE(rows(), QStringList({"1|2012-10-23|15:03:00|Sample Reminder|", "1|2012-10-23|15:03:00|Sample Reminder|"}));
    QCOMPARE(readProgress.steps,
             QStringList({"events", "30 Reading file: backup.txt", "events", "100 Done.", "0 Added 1 reminder from backup.txt."}));
}

void TestBackup::emptyDatabaseGivesEmptyFile()
{
    writeFile(path("old.txt"), "something that was there before\r\n");
    const BackupResult result = SaveRemToFile(*mConn, mUs, mReporter, path("old.txt"), nullptr);
    QVERIFY(!result.failed);
    QCOMPARE(QFileInfo(path("old.txt")).size(), 0);
    QVERIFY(mReporter.boxes.isEmpty());
}

void TestBackup::rejectedLinesShareOneBox()
{
    QByteArray file = "1|;|10/23/2012|;|3:03:00 PM|;|good|;||;|\r\n";
    for (int i = 0; i < 25; ++i)
        file += "broken line\r\n";
    writeFile(path("many.txt"), file);

    const RestoreResult result = LoadRemFromFile(*mConn, mUs, mReporter, path("many.txt"), nullptr);
    QCOMPARE(result.added, 1);
    QCOMPARE(result.rejected.size(), 25);
    QCOMPARE(mReporter.boxes.size(), 1);
    const QString text = mReporter.boxes.first().text;
    // Nothing failed: a summary, not the error box.
    QCOMPARE(mReporter.boxes.first().kind, RecordingReporter::Box::Message);
    QVERIFY2(text.startsWith(QStringLiteral("Added 1 reminder from many.txt. 25 lines were left out:\r\nline 2: ")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("\r\nline 21: ")));
    QVERIFY(!text.contains(QStringLiteral("\r\nline 22: ")));
    QVERIFY(text.contains(QStringLiteral("... and 5 more.")));

    // Without the box the rejections are only returned, for vestrona-cli.
    mReporter.clear();
    const RestoreResult quiet = LoadRemFromFile(*mConn, mUs, mReporter, path("many.txt"), nullptr, false);
    QCOMPARE(quiet.rejected.size(), 25);
    QVERIFY(mReporter.boxes.isEmpty());
}

void TestBackup::roundTripDoublesEveryReminder_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("twentyFourHour");
    QTest::newRow("U.S.") << int(RegionalSettings::DateOrder::MonthFirst) << QChar(u'/') << false;
    QTest::newRow("German") << int(RegionalSettings::DateOrder::DayFirst) << QChar(u'.') << true;
    QTest::newRow("ISO") << int(RegionalSettings::DateOrder::YearFirst) << QChar(u'-') << true;
}

void TestBackup::roundTripDoublesEveryReminder()
{
    QFETCH(int, order);
    QFETCH(QChar, separator);
    QFETCH(bool, twentyFourHour);
    const RegionalSettings regional(RegionalSettings::DateOrder(order), separator, QLatin1Char(':'), twentyFourHour);
    Connection conn(regional);
    mConn.reset();
    conn.Open(path("dbReminders.mdb"));
    conn.Execute(reminderInsert(1, QDate(2022, 4, 3), QTime(23, 59, 59), QStringLiteral("It's Bob's")));
    conn.Execute(reminderInsert(3, QDate(2030, 12, 31), QTime(0, 0, 1), QStringLiteral("two\r\nlines"), QStringLiteral("Mon, Wed,Sun")));
    conn.Execute(reminderInsert(2, QDate(1999, 1, 9), QTime(12, 30), QStringLiteral("  blank\nfirst\n"), QStringLiteral("Tue")));
    const std::vector<ReminderRecord> before = conn.orderedRows();

    QVERIFY(!SaveRemToFile(conn, regional, mReporter, path("round.txt"), nullptr).failed);
    const RestoreResult result = LoadRemFromFile(conn, regional, mReporter, path("round.txt"), nullptr);
    QCOMPARE(result.added, 3);
    QVERIFY(mReporter.boxes.isEmpty());

    const std::vector<ReminderRecord> after = conn.orderedRows();
    QCOMPARE(after.size(), size_t(6));
    QStringList expected, actual;
    QSet<qint64> ids;
    for (const ReminderRecord &r : before)
        expected << rowText(r) << rowText(r);
    for (const ReminderRecord &r : after) {
        actual << rowText(r);
        ids.insert(r.ID);
    }
    QCOMPARE(actual, expected);
    QCOMPARE(ids.size(), 6);
}

void TestBackup::messageWithSeparatorIsLeftOutAndNamed()
{
    mConn->Execute(reminderInsert(1, QDate(2020, 1, 1), QTime(8, 0), QStringLiteral("first")));
    mConn->Execute(reminderInsert(1, QDate(2020, 1, 2), QTime(8, 0), QStringLiteral("a|;|b")));
    mConn->Execute(reminderInsert(1, QDate(2020, 1, 3), QTime(8, 0), QStringLiteral("last")));
    // "|;" with the separator after it reads as a separator two characters early.
    mConn->Execute(reminderInsert(1, QDate(2020, 1, 4), QTime(8, 0), QStringLiteral("x|;")));

    const BackupResult result = SaveRemToFile(*mConn, mUs, mReporter, path("sep.txt"), nullptr);
    QCOMPARE(result.written, 2);
    QCOMPARE(result.skippedMessages, (QStringList{"a|;|b", "x|;"}));
    QCOMPARE(readFile(path("sep.txt")), QByteArray("1|;|1/1/2020|;|8:00:00 AM|;|first|;||;|\r\n"
                                                  "1|;|1/3/2020|;|8:00:00 AM|;|last|;||;|\r\n"));
    QCOMPARE(mReporter.boxes.size(), 1);
    QCOMPARE(mReporter.boxes.first().kind, RecordingReporter::Box::Message);
    QVERIFY(mReporter.boxes.first().text.contains(QStringLiteral("sep.txt")));
    QVERIFY(mReporter.boxes.first().text.endsWith(QStringLiteral("\r\na|;|b\r\nx|;")));
}

void TestBackup::failedBackupLeavesOldFile()
{
    const QByteArray old = "1|;|10/23/2012|;|3:03:00 PM|;|old backup|;||;|\r\n";
    writeFile(path("keep.txt"), old);
    mConn->Close();
    RecordingProgress progress;
    const BackupResult result = SaveRemToFile(*mConn, mUs, mReporter, path("keep.txt"), &progress);

    QVERIFY(result.failed);
    QCOMPARE(readFile(path("keep.txt")), old);
    QCOMPARE(mReporter.errors().size(), 1);
    QCOMPARE(mReporter.errors().first().location, QStringLiteral("modReminder.SaveRemToFile"));
    QCOMPARE(progress.steps.last(), QStringLiteral("0 Progress Bar"));
    // No temporary file is left behind either.
    QCOMPARE(QDir(mFolder->path()).entryList({"keep*"}, QDir::Files), QStringList{"keep.txt"});

    // A file that cannot be created at all is reported the same way.
    mReporter.clear();
    QVERIFY(SaveRemToFile(*mConn, mUs, mReporter, path("no/such/folder/x.txt"), nullptr).failed);
    QCOMPARE(mReporter.errors().size(), 1);
}

void TestBackup::writeFailingMidwayLeavesOldFile()
{
    QByteArray file;
    for (int i = 1; i <= 5000; ++i)
        file += "1|;|10/23/2030|;|3:03:00 PM|;|reminder number " + QByteArray::number(i) + "|;||;|\r\n";
    writeFile(path("many.txt"), file);
    QCOMPARE(LoadRemFromFile(*mConn, mUs, mReporter, path("many.txt"), nullptr).added, 5000);
    const QByteArray old = "1|;|10/23/2012|;|3:03:00 PM|;|old backup|;||;|\r\n";
    writeFile(path("keep.txt"), old);

    // A limit on the size of files this process writes fails the backup
    // after its first chunks went out, as a disk filling up would.
    struct rlimit before {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = before;
    limited.rlim_cur = 100 * 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const BackupResult result = SaveRemToFile(*mConn, mUs, mReporter, path("keep.txt"), nullptr);
    setrlimit(RLIMIT_FSIZE, &before);
    signal(SIGXFSZ, previousHandler);

    QVERIFY(result.failed);
    QCOMPARE(result.written, 0);
    QCOMPARE(readFile(path("keep.txt")), old);
    QCOMPARE(mReporter.errors().size(), 1);
    QVERIFY2(mReporter.errors().first().description.contains(QStringLiteral("A file of that name is as it was.")),
             qPrintable(mReporter.errors().first().description));
    QCOMPARE(QDir(mFolder->path()).entryList({"keep*"}, QDir::Files), QStringList{"keep.txt"});
}

void TestBackup::unreadableFileAddsNothing()
{
    const RestoreResult result = LoadRemFromFile(*mConn, mUs, mReporter, path("missing.txt"), nullptr);
    QVERIFY(result.failed);
    QCOMPARE(result.added, 0);
    QCOMPARE(mReporter.errors().size(), 1);
    QVERIFY(mReporter.errors().first().description.contains(QStringLiteral("missing.txt")));
    QVERIFY(rows().isEmpty());
}

void TestBackup::readOnlyDatabaseAddsNothing()
{
    writeFile(path("in.txt"), "1|;|10/23/2012|;|3:03:00 PM|;|x|;||;|\r\n");
    Connection readOnly(mUs);
    readOnly.Open(path("dbReminders.mdb"), Connection::Access::ReadOnly);
    const RestoreResult result = LoadRemFromFile(readOnly, mUs, mReporter, path("in.txt"), nullptr);
    QVERIFY(result.failed);
    QCOMPARE(result.added, 0);
    QCOMPARE(mReporter.errors().size(), 1);
    QVERIFY(rows().isEmpty());
}

void TestBackup::fullDiskChangesNothing()
{
    const QString disk = path("disk");
    QVERIFY(QDir().mkpath(disk));
    if (runProcess(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=2m", "tmpfs", disk}).exitCode != 0)
        QSKIP("Mounting a small tmpfs needs root; the full disk cannot be made here.");
    const auto unmount = qScopeGuard([&] {
        mConn.reset();
        runProcess(QStringLiteral("umount"), {disk});
    });
    QByteArray file;
    for (int i = 1; i <= 200000; ++i)
        file += "1|;|10/23/2030|;|3:03:00 PM|;|reminder number " + QByteArray::number(i) + "|;||;|\r\n";
    writeFile(path("big.txt"), file);

    // A backup too large for the disk leaves nothing there and says why.
    QCOMPARE(LoadRemFromFile(*mConn, mUs, mReporter, path("big.txt"), nullptr).added, 200000);
    QVERIFY(SaveRemToFile(*mConn, mUs, mReporter, disk + QStringLiteral("/backup.txt"), nullptr).failed);
    QCOMPARE(mReporter.errors().size(), 1);
    QVERIFY2(mReporter.errors().first().description.contains(QStringLiteral("the disk holding the folder %1 is full").arg(disk)),
             qPrintable(mReporter.errors().first().description));
    QVERIFY(QDir(disk).isEmpty());

    // A restore too large for the disk adds nothing, however often it is tried.
    QVERIFY(makeDatabase(disk + QStringLiteral("/dbReminders.mdb")));
    mConn = std::make_unique<Connection>(mUs);
    mConn->Open(disk + QStringLiteral("/dbReminders.mdb"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        mReporter.clear();
        const RestoreResult result = LoadRemFromFile(*mConn, mUs, mReporter, path("big.txt"), nullptr);
        QVERIFY(result.failed);
        QCOMPARE(result.added, 0);
        QVERIFY(rows().isEmpty());
        QCOMPARE(mReporter.errors().size(), 1);
        const QString said = mReporter.errors().first().description;
        QVERIFY2(said.contains(QStringLiteral("is full")) && said.contains(disk), qPrintable(said));
    }
    // The database still takes a restore that fits.
    writeFile(path("small.txt"), "1|;|10/23/2030|;|3:03:00 PM|;|fits|;||;|\r\n");
    QCOMPARE(LoadRemFromFile(*mConn, mUs, mReporter, path("small.txt"), nullptr).added, 1);
    QCOMPARE(rows(), QStringList{"1|2030-10-23|15:03:00|fits|"});
}

void TestBackup::refusesFilesThatAreNoBackup_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("said");

    QTest::newRow("FIFO") << QStringLiteral("fifo") << QStringLiteral("is not a regular file");
    QTest::newRow("endless device") << QStringLiteral("/dev/zero") << QStringLiteral("is not a regular file");
    QTest::newRow("folder") << QString() << QStringLiteral("is not a regular file");
    QTest::newRow("larger than 256 MB") << QStringLiteral("huge.txt") << QStringLiteral("larger than 256 MB");
    QTest::newRow("line over 1 MB") << QStringLiteral("long.txt") << QStringLiteral("line 2 is longer than 1 MB");
    QTest::newRow("line over 1 MB with more after it") << QStringLiteral("longer.txt")
                                                       << QStringLiteral("line 3 is longer than 1 MB");
}

void TestBackup::refusesFilesThatAreNoBackup()
{
    QFETCH(QString, file);
    QFETCH(QString, said);
    QVERIFY(mkfifo(QFile::encodeName(path("fifo")).constData(), 0600) == 0);
    QFile huge(path("huge.txt"));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(257LL * 1024 * 1024));
    huge.close();
    writeFile(path("long.txt"), "1|;|10/23/2030|;|3:03:00 PM|;|x|;||;|\r\n" + QByteArray(1024 * 1024 + 1, 'x'));
    writeFile(path("longer.txt"), "1|;|10/23/2030|;|3:03:00 PM|;|x|;||;|\r\n\r\n" + QByteArray(1024 * 1024 + 1, 'x') + "\r\ny\r\n");

    const QString target = file.startsWith(QLatin1Char('/')) ? file : path(qPrintable(file));
    const RestoreResult result = LoadRemFromFile(*mConn, mUs, mReporter, target, nullptr);
    QVERIFY(result.failed);
    QVERIFY(rows().isEmpty());
    QCOMPARE(mReporter.errors().size(), 1);
    QVERIFY2(mReporter.errors().first().description.contains(said), qPrintable(mReporter.errors().first().description));
}

void TestBackup::backupNeverReplacesSpecialFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
    QTest::newRow("device") << QStringLiteral("/dev/null");
}

void TestBackup::backupNeverReplacesSpecialFiles()
{
    QFETCH(QString, name);
    QVERIFY(mkfifo(QFile::encodeName(path("fifo")).constData(), 0600) == 0);
    const QString file = name.startsWith(QLatin1Char('/')) ? name : path(qPrintable(name));
    mConn->Execute(QString::fromLatin1(kSampleInsert));
    struct stat before {};
    QCOMPARE(stat(QFile::encodeName(file).constData(), &before), 0);

    const BackupResult result = SaveRemToFile(*mConn, mUs, mReporter, file, nullptr);
    QVERIFY(result.failed);
    QCOMPARE(mReporter.errors().size(), 1);
    QVERIFY(mReporter.errors().first().description.contains(QStringLiteral("is not a regular file")));
    struct stat after {};
    QCOMPARE(stat(QFile::encodeName(file).constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
}

QTEST_GUILESS_MAIN(TestBackup)
#include "test_backup.moc"
