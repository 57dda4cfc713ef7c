#include "core/AppError.h"
#include "database/Connection.h"
#include "filecommands/ICalendar.h"
#include "database/Statements.h"
#include "tests/formats/ICalendarSamples.h"
#include "tests/support/Files.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDatabase.h"

#include <QTest>

using namespace vestrona;
using namespace vestrona::test;

class TestICalendar : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roundTripGivesIdenticalRows();
    void rowsThatNeverRingAreLeftOutAndNamed();
    void leftOutEntriesShareOneBox();
    void badFilesAddNothing_data();
    void badFilesAddNothing();

private:
    QString path(const QString &name) const { return mFolder->file(name); }
    QStringList rows() const
    {
        QStringList out;
        for (const ReminderRecord &r : mConn->orderedRows())
            out << rowText(r);
        return out;
    }
    void insert(int option, const QDate &date, const QTime &time, const QString &message, const QString &days = {})
    {
        mConn->Execute(reminderInsert(option, date, time, message, days));
    }

    std::unique_ptr<TempFolder> mFolder;
    std::unique_ptr<Connection> mConn;
    RecordingReporter mReporter;
    RegionalSettings mUs = RegionalSettings::usEnglish();
};

void TestICalendar::init()
{
    mFolder = std::make_unique<TempFolder>();
    QVERIFY(makeDatabase(path("dbReminders.mdb")));
    mConn = std::make_unique<Connection>(mUs);
    mConn->Open(path("dbReminders.mdb"));
    mReporter.clear();
}

void TestICalendar::cleanup()
{
    mConn.reset();
    mFolder.reset();
}

void TestICalendar::roundTripGivesIdenticalRows()
{
    insert(OptionOnce, QDate(2027, 1, 15), QTime(9, 30, 5), QStringLiteral("Dentist"));
    insert(OptionDaily, QDate(2027, 3, 28), QTime(2, 30), QStringLiteral("Pills, \"two\"; it's time\\now"));
    insert(OptionWeekly, QDate(2027, 7, 5), QTime(23, 59, 59), QStringLiteral("Bins"), QStringLiteral("Mon, Wed,Sun"));
    insert(OptionOnce, QDate(2027, 10, 31), QTime(2, 30), QStringLiteral("Line one\nLine two\n\nfour"));
    insert(OptionWeekly, QDate(2028, 2, 29), QTime(0, 0), QStringLiteral("Grüße, 日本 😀"), QStringLiteral("Tue"));
    insert(OptionOnce, QDate(2028, 3, 1), QTime(6, 0), QString());
    const QStringList before = rows();

    const ICalendarExportResult saved = SaveRemToICalendar(*mConn, mReporter, path("out.ics"), nullptr);
    QCOMPARE(saved.written, 6);
    QVERIFY(!saved.failed);
    for (const ReminderRecord &r : mConn->orderedRows())
        mConn->Execute(deleteStatement(r.ID));

    const ICalendarImportResult loaded = LoadRemFromICalendar(*mConn, mReporter, path("out.ics"), nullptr);
    QVERIFY(mReporter.boxes.isEmpty());
    QVERIFY(loaded.leftOut.isEmpty());
    QCOMPARE(rows(), before);
    QCOMPARE(int(loaded.added.size()), 6);
    QCOMPARE(rowText(loaded.added.front()), before.first());
}

void TestICalendar::rowsThatNeverRingAreLeftOutAndNamed()
{
    insert(OptionWeekly, QDate(2027, 1, 15), QTime(9, 30), QStringLiteral("never"), QString());
    insert(OptionDaily, QDate(2027, 1, 15), QTime(9, 30), QStringLiteral("daily"));
    // Its first Monday would be in the year 10000, which no calendar holds.
    insert(OptionWeekly, QDate(9999, 12, 31), QTime(9, 30), QStringLiteral("after 9999"), QStringLiteral("Mon"));
    mConn->runSql("insert into tblReminders (Option, StartDate, StartTime, Reminder, Weekdays) "
                  "values (0, 'garbage', '10:00:00', 'damaged', '')");
    const ICalendarExportResult saved = SaveRemToICalendar(*mConn, mReporter, path("out.ics"), nullptr);
    QCOMPARE(saved.written, 1);
    QCOMPARE(saved.leftOutMessages, (QStringList{"never", "after 9999"}));
    QCOMPARE(saved.damagedMessages, QStringList{"damaged"});
    QCOMPARE(mReporter.boxes.size(), 1);
    QCOMPARE(mReporter.boxes.first().text,
             QStringLiteral("These reminders were not written to out.ics, because they are weekly on no weekday and so "
                            "never ring:\r\nnever\r\nafter 9999\r\n\r\nThese reminders were not written to out.ics, because their "
                            "start or repetition rule as stored is not valid:\r\ndamaged"));

    // What was written is the one event, and another calendar reads it whole.
    const QByteArray text = readFile(path("out.ics"));
    QCOMPARE(text.count("BEGIN:VEVENT"), 1);
    QVERIFY(!text.contains("00000000T"));
    const ICalendarContent back = readICalendar(text);
    QVERIFY(back.leftOut.isEmpty());
    QCOMPARE(int(back.reminders.size()), 1);
    QCOMPARE(back.reminders.front().message, QStringLiteral("daily"));
}

void TestICalendar::leftOutEntriesShareOneBox()
{
    writeFile(path("in.ics"), calendar(vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=YEARLY;BYWEEKNO=1\r\nSUMMARY:Anniversary\r\n")
                                       + vevent("SUMMARY:No time\r\n")
                                       + vevent("DTSTART:20270101T080000\r\nSUMMARY:Kept\r\n")));
    const ICalendarImportResult result = LoadRemFromICalendar(*mConn, mReporter, path("in.ics"), nullptr);
    QCOMPARE(int(result.added.size()), 1);
    // Nothing failed: a summary, not the error box.
    QCOMPARE(mReporter.boxes.size(), 1);
    QCOMPARE(mReporter.boxes.first().kind, RecordingReporter::Box::Message);
    QCOMPARE(mReporter.boxes.first().text,
             QStringLiteral("Added 1 reminder from in.ics. 2 entries were left out:\r\n\"Anniversary\": its rule picks "
                            "days by BYWEEKNO.\r\n\"No time\": it has no start (DTSTART)."));
}

void TestICalendar::badFilesAddNothing_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");

    const QByteArray good = vevent("DTSTART:20270101T080000\r\nSUMMARY:ok\r\n");
    QTest::newRow("backup file") << QByteArray("1|;|10/23/2012|;|3:03:00 PM|;|Sample Reminder|;||;|\r\n")
                                 << QStringLiteral("it is not an iCalendar file");
    QTest::newRow("empty file") << QByteArray() << QStringLiteral("it is not an iCalendar file");
    QTest::newRow("empty calendar") << calendar({}) << QStringLiteral("it holds no events or to-dos");
    QTest::newRow("cut off in an event") << calendar(good).left(150) << QStringLiteral("it may be cut off");
    QTest::newRow("invalid UTF-8") << calendar(good + vevent("DTSTART:20270101T080000\r\nSUMMARY:\xC3\x28\r\n"))
                                   << QStringLiteral("it is not UTF-8 text");
    QTest::newRow("binary") << QByteArray("BEGIN:VCALENDAR\0\1\2", 18) << QStringLiteral("it is not a text file");
    // Read and added an entry at a time: a fault far into the file still
    // takes back the thousands of entries added before it.
    const QByteArray many = good.repeated(2000);
    QTest::newRow("invalid UTF-8 far in") << calendar(many + vevent("DTSTART:20270101T080000\r\nSUMMARY:\xC3\x28\r\n"))
                                          << QStringLiteral("it is not UTF-8 text");
    QTest::newRow("cut off far in") << calendar(many).chopped(20) << QStringLiteral("it may be cut off");
    QByteArray huge = calendar(good);
    huge.append(QByteArray(kICalendarMaxBytes, ' '));
    QTest::newRow("too large") << huge << QStringLiteral("it is larger than 64 MB");
}

void TestICalendar::badFilesAddNothing()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    insert(OptionOnce, QDate(2027, 1, 1), QTime(8, 0), QStringLiteral("already there"));
    writeFile(path("bad.ics"), file);
    const ICalendarImportResult result = LoadRemFromICalendar(*mConn, mReporter, path("bad.ics"), nullptr);
    QVERIFY(result.failed);
    QVERIFY(result.added.empty());
    QCOMPARE(rows().size(), 1);
    QCOMPARE(mReporter.errors().size(), 1);
    const QString text = mReporter.errors().first().description;
    QVERIFY2(text.startsWith(QStringLiteral("The file %1 cannot be imported: ").arg(path("bad.ics"))) && text.contains(reason),
             qPrintable(text));
}

QTEST_GUILESS_MAIN(TestICalendar)
#include "test_icalendar.moc"
