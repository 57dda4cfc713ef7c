#include "core/AppError.h"
#include "database/Connection.h"
#include "filecommands/ICalendar.h"
#include "database/Statements.h"
#include "tests/support/Files.h"
#include "tests/support/Process.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDatabase.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimeZone>

using namespace vestrona;
using namespace vestrona::test;

namespace {

QString rowText(const ReminderRecord &r)
{
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(r.Option)
        .arg(r.StartDate.toString(Qt::ISODate), r.StartTime.toString(Qt::ISODate), r.Reminder, r.Weekdays);
}

// The local wall-clock time of a time in another zone, as a row shows it.
QString localText(const QDateTime &at)
{
    const QDateTime local = at.toLocalTime();
    return local.date().toString(Qt::ISODate) + QLatin1Char('|') + local.time().toString(Qt::ISODate);
}

QByteArray calendar(const QByteArray &components)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + components + "END:VCALENDAR\r\n";
}

QByteArray vevent(const QByteArray &lines)
{
    return "BEGIN:VEVENT\r\nUID:x@test\r\nDTSTAMP:20261201T000000Z\r\n" + lines + "END:VEVENT\r\n";
}

const QByteArray kNewYorkZone = "BEGIN:VTIMEZONE\r\nTZID:America/New_York\r\n"
                                "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\nTZNAME:EDT\r\n"
                                "DTSTART:19700308T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\nEND:DAYLIGHT\r\n"
                                "BEGIN:STANDARD\r\nTZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\nTZNAME:EST\r\n"
                                "DTSTART:19701101T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\nEND:STANDARD\r\n"
                                "END:VTIMEZONE\r\n";

} // namespace

class TestICalendar : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roundTripGivesIdenticalRows();
    void exportIsStableAndInTheSystemZone();
    void weeklyOnNoDayIsLeftOutAndNamed();
    void readsOtherProgramsShapes_data();
    void readsOtherProgramsShapes();
    void leftOutEntriesShareOneBox();
    void badFilesAddNothing_data();
    void badFilesAddNothing();
    void calcurseReadsTheExportAndWritesWhatIsRead();

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
    QString import(const QByteArray &bytes);

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

// Imports a calendar file and gives the rows and the left-out entries as text.
QString TestICalendar::import(const QByteArray &bytes)
{
    writeFile(path("in.ics"), bytes);
    const ICalendarImportResult result =
        LoadRemFromICalendar(*mConn, mUs, mReporter, path("in.ics"), nullptr, false);
    QStringList out = rows();
    for (const LeftOutComponent &left : result.leftOut)
        out << QStringLiteral("left out %1: %2").arg(left.summary, left.reason);
    return out.join(QLatin1Char('\n'));
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

    const ICalendarImportResult loaded = LoadRemFromICalendar(*mConn, mUs, mReporter, path("out.ics"), nullptr);
    QVERIFY(mReporter.boxes.isEmpty());
    QVERIFY(loaded.leftOut.isEmpty());
    QCOMPARE(rows(), before);
    QCOMPARE(int(loaded.added.size()), 6);
    QCOMPARE(rowText(loaded.added.front()), before.first());
}

void TestICalendar::exportIsStableAndInTheSystemZone()
{
    insert(OptionOnce, QDate(2027, 1, 15), QTime(9, 30), QStringLiteral("a"));
    insert(OptionWeekly, QDate(2027, 1, 15), QTime(9, 30), QStringLiteral("b"), QStringLiteral("Mon"));
    QVERIFY(!SaveRemToICalendar(*mConn, mReporter, path("1.ics"), nullptr).failed);
    QVERIFY(!SaveRemToICalendar(*mConn, mReporter, path("2.ics"), nullptr).failed);
    const QString first = QString::fromUtf8(readFile(path("1.ics")));
    const QRegularExpression uid(QStringLiteral("^UID:(.*)\r$"), QRegularExpression::MultilineOption);
    QStringList uids;
    for (const QString &text : {first, QString::fromUtf8(readFile(path("2.ics")))}) {
        for (const QRegularExpressionMatch &m : uid.globalMatch(text))
            uids << m.captured(1);
    }
    QCOMPARE(uids.size(), 4);
    QCOMPARE(uids.mid(2), uids.mid(0, 2));
    QVERIFY(uids.at(0) != uids.at(1));

    const QString zone = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    const QString start = zone == QLatin1String("UTC") ? QStringLiteral("DTSTART:20270115T093000Z")
                                                       : QStringLiteral("DTSTART;TZID=%1:20270115T093000").arg(zone);
    QVERIFY2(first.contains(start), qPrintable(first.left(400)));
    // The weekly one starts on its first Monday, where other programs count
    // the first time; the alarm rings at the start.
    QVERIFY(first.contains(QStringLiteral(":20270118T093000")));
    QVERIFY(first.contains(QStringLiteral("RRULE:FREQ=WEEKLY;BYDAY=MO")));
    QCOMPARE(first.count(QStringLiteral("ACTION:DISPLAY")), 2);
    if (zone != QLatin1String("UTC"))
        QVERIFY(first.contains(QStringLiteral("BEGIN:VTIMEZONE\r\nTZID:%1").arg(zone)));
}

void TestICalendar::weeklyOnNoDayIsLeftOutAndNamed()
{
    insert(OptionWeekly, QDate(2027, 1, 15), QTime(9, 30), QStringLiteral("never"), QString());
    insert(OptionDaily, QDate(2027, 1, 15), QTime(9, 30), QStringLiteral("daily"));
    const ICalendarExportResult saved = SaveRemToICalendar(*mConn, mReporter, path("out.ics"), nullptr);
    QCOMPARE(saved.written, 1);
    QCOMPARE(saved.leftOutMessages, QStringList{"never"});
    QCOMPARE(mReporter.boxes.size(), 1);
    QVERIFY(mReporter.boxes.first().text.endsWith(QStringLiteral("never ring:\r\nnever")));
}

void TestICalendar::readsOtherProgramsShapes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");

    const QDateTime newYorkNine(QDate(2027, 1, 15), QTime(9, 0), QTimeZone("America/New_York"));
    QTest::newRow("Thunderbird: zone block, weekly")
        << calendar(kNewYorkZone
                    + vevent("DTSTART;TZID=America/New_York:20270115T090000\r\nDTEND;TZID=America/New_York:20270115T100000\r\n"
                            "RRULE:FREQ=WEEKLY;BYDAY=FR\r\nSUMMARY:Standup\r\n"))
        << QStringLiteral("3|%1|Standup|%2")
               .arg(localText(newYorkNine),
                    QString::fromLatin1(kWeekdayCodes[newYorkNine.toLocalTime().date().dayOfWeek() - 1]));
    QTest::newRow("Google: UTC time, daily, escaped text")
        << calendar(vevent("DTSTART:20270116T140000Z\r\nRRULE:FREQ=DAILY\r\nSUMMARY:Call\\, then\\nwrite\r\n"))
        << QStringLiteral("2|%1|Call, then\nwrite|").arg(localText(QDateTime(QDate(2027, 1, 16), QTime(14, 0), QTimeZone::utc())));
    QTest::newRow("all-day event starts at midnight")
        << calendar(vevent("DTSTART;VALUE=DATE:20270120\r\nDTEND;VALUE=DATE:20270121\r\nSUMMARY:Birthday\r\n"))
        << QStringLiteral("1|2027-01-20|00:00:00|Birthday|");
    QTest::newRow("floating time, weekly on the start's weekday")
        << calendar(vevent("DTSTART:20270119T073000\r\nRRULE:FREQ=WEEKLY;WKST=MO\r\nSUMMARY:Swim\r\n"))
        << QStringLiteral("3|2027-01-19|07:30:00|Swim|Tue");
    QTest::newRow("to-do by its due time; one without is named")
        << calendar("BEGIN:VTODO\r\nUID:t1\r\nDUE:20270201T120000\r\nSUMMARY:Taxes\r\nEND:VTODO\r\n"
                    "BEGIN:VTODO\r\nUID:t2\r\nSUMMARY:Someday\r\nEND:VTODO\r\n")
        << QStringLiteral("1|2027-02-01|12:00:00|Taxes|\nleft out Someday: it has no due time (DUE)");
    QTest::newRow("rules a reminder cannot hold are named, not changed")
        << calendar(vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=WEEKLY;UNTIL=20270601T000000Z\r\nSUMMARY:Until\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=MONTHLY\r\nSUMMARY:Rent\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=WEEKLY;INTERVAL=2\r\nSUMMARY:Fortnight\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=DAILY;COUNT=3\r\nSUMMARY:Three\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=DAILY\r\nEXDATE:20270102T080000\r\nSUMMARY:Gap\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRDATE:20270110T080000\r\nSUMMARY:Extra\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=WEEKLY;BYDAY=1MO\r\nSUMMARY:First\r\n"))
        << QStringLiteral("left out Until: it ends on a date (UNTIL)\n"
                          "left out Rent: it repeats monthly, which a reminder cannot\n"
                          "left out Fortnight: it repeats only every 2th time (INTERVAL)\n"
                          "left out Three: it ends after 3 times (COUNT)\n"
                          "left out Gap: it leaves out single dates (EXDATE)\n"
                          "left out Extra: it adds single dates (RDATE)\n"
                          "left out First: its rule picks numbered weekdays");
    QTest::newRow("no start, unknown zone, broken line")
        << calendar(vevent("SUMMARY:Nothing\r\n") + vevent("DTSTART;TZID=Mars/Olympus:20270101T080000\r\nSUMMARY:Mars\r\n")
                    + vevent("DTSTART:20270101T080000\r\nSUMMARY:Broken\r\nthis line has no colon\r\n")
                    + vevent("DTSTART:20270101T080000\r\nSUMMARY:Fine\r\n"))
        << QStringLiteral("1|2027-01-01|08:00:00|Fine|\n"
                          "left out Nothing: it has no start (DTSTART)\n"
                          "left out Mars: its time zone \"Mars/Olympus\" is unknown\n"
                          "left out Broken: a line of it cannot be read (Got a data line, but could not find a "
                          "property name or component begin tag: this line has no colon)");
}

void TestICalendar::readsOtherProgramsShapes()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    QCOMPARE(import(file), expected);
}

void TestICalendar::leftOutEntriesShareOneBox()
{
    writeFile(path("in.ics"), calendar(vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Anniversary\r\n")
                                       + vevent("SUMMARY:No time\r\n")
                                       + vevent("DTSTART:20270101T080000\r\nSUMMARY:Kept\r\n")));
    const ICalendarImportResult result = LoadRemFromICalendar(*mConn, mUs, mReporter, path("in.ics"), nullptr);
    QCOMPARE(int(result.added.size()), 1);
    QCOMPARE(mReporter.errors().size(), 1);
    QCOMPARE(mReporter.errors().first().description,
             QStringLiteral("2 entries of in.ics were not imported:\r\n\"Anniversary\": it repeats yearly, which a "
                            "reminder cannot.\r\n\"No time\": it has no start (DTSTART)."));
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
    const ICalendarImportResult result = LoadRemFromICalendar(*mConn, mUs, mReporter, path("bad.ics"), nullptr);
    QVERIFY(result.failed);
    QVERIFY(result.added.empty());
    QCOMPARE(rows().size(), 1);
    QCOMPARE(mReporter.errors().size(), 1);
    const QString text = mReporter.errors().first().description;
    QVERIFY2(text.startsWith(QStringLiteral("The file %1 cannot be imported: ").arg(path("bad.ics"))) && text.contains(reason),
             qPrintable(text));
}

// calcurse holds no line breaks in a message, so only one-line messages go
// through it; its export is read back with its times unchanged.
void TestICalendar::calcurseReadsTheExportAndWritesWhatIsRead()
{
    const QString calcurse = QStandardPaths::findExecutable(QStringLiteral("calcurse"));
    if (calcurse.isEmpty())
        QSKIP("calcurse is not installed (scripts/setup.sh installs it)");
    insert(OptionOnce, QDate(2027, 1, 15), QTime(9, 30), QStringLiteral("Dentist"));
    insert(OptionDaily, QDate(2027, 6, 1), QTime(7, 15), QStringLiteral("Pills ä"));
    insert(OptionWeekly, QDate(2027, 1, 18), QTime(18, 0), QStringLiteral("Choir"), QStringLiteral("Mon, Wed"));
    const QStringList before = rows();
    QVERIFY(!SaveRemToICalendar(*mConn, mReporter, path("vestrona.ics"), nullptr).failed);

    QVERIFY(QDir().mkpath(path("calcurse")));
    const QStringList data{QStringLiteral("-D"), path("calcurse")};
    const ProcessResult imported = runProcess(calcurse, data + QStringList{"-q", "-i", path("vestrona.ics")});
    QVERIFY2(imported.exitCode == 0, qPrintable(imported.out + imported.err));
    const ProcessResult exported = runProcess(calcurse, data + QStringList{"--export=ical"});
    QCOMPARE(exported.exitCode, 0);
    for (const ReminderRecord &r : mConn->orderedRows())
        mConn->Execute(deleteStatement(r.ID));
    QCOMPARE(import(exported.out.toUtf8()), before.join(QLatin1Char('\n')));
}

QTEST_GUILESS_MAIN(TestICalendar)
#include "test_icalendar.moc"
