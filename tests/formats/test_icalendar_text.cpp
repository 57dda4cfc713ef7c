#include "core/AppError.h"
#include "formats/ICalendar.h"
#include "tests/formats/ICalendarSamples.h"
#include "tests/support/Files.h"
#include "tests/support/Process.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimeZone>

#include <algorithm>

using namespace vestrona;
using namespace vestrona::test;

namespace {

// The local wall-clock time of a time in another zone, as a row shows it.
QString localText(const QDateTime &at)
{
    const QDateTime local = at.toLocalTime();
    return local.date().toString(Qt::ISODate) + QLatin1Char('|') + local.time().toString(Qt::ISODate);
}

const QByteArray kNewYorkZone = "BEGIN:VTIMEZONE\r\nTZID:America/New_York\r\n"
                                "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\nTZNAME:EDT\r\n"
                                "DTSTART:19700308T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\nEND:DAYLIGHT\r\n"
                                "BEGIN:STANDARD\r\nTZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\nTZNAME:EST\r\n"
                                "DTSTART:19701101T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\nEND:STANDARD\r\n"
                                "END:VTIMEZONE\r\n";

} // namespace

// iCalendar text as read and written, apart from any database.
class TestICalendarText : public QObject {
    Q_OBJECT

private slots:
    void init() { mFolder = std::make_unique<TempFolder>(); }
    void cleanup()
    {
        mRows.clear();
        mFolder.reset();
    }

    void exportIsStableAndInTheSystemZone();
    void exportedEventIsAsLibicalWritesIt_data();
    void exportedEventIsAsLibicalWritesIt();
    void readsOtherProgramsShapes_data();
    void readsOtherProgramsShapes();
    void calcurseReadsTheExportAndWritesWhatIsRead();
    void exportReadsBackUnchanged();
    void aServedEventIsReadAsAnImportedOne();
    void refusesZonesThatChangeAllTheTime_data();
    void refusesZonesThatChangeAllTheTime();

private:
    QString path(const QString &name) const { return mFolder->file(name); }
    // The rows given so far, as a list of them shows them: by start.
    QStringList rows() const
    {
        std::vector<ReminderRecord> sorted = mRows;
        std::stable_sort(sorted.begin(), sorted.end(), comesBefore);
        QStringList out;
        for (const ReminderRecord &r : sorted)
            out << rowText(r);
        return out;
    }
    void insert(int option, const QDate &date, const QTime &time, const QString &message, const QString &days = {},
                const RepeatRule &repeat = {})
    {
        mRows.push_back(storedRecord({option, date, time, message, days, repeat}, qint64(mRows.size() + 1)));
    }
    QByteArray exported() const
    {
        const ICalendarWriter writer(QStringLiteral("/home/someone/dbReminders.mdb"));
        QByteArray text = writer.head();
        for (const ReminderRecord &row : mRows)
            text += writer.event(row);
        return text + writer.tail();
    }
    QString read(const QByteArray &bytes);

    std::unique_ptr<TempFolder> mFolder;
    std::vector<ReminderRecord> mRows;
};

// Reads a calendar and gives its reminders, by start, and the left-out
// entries as text.
QString TestICalendarText::read(const QByteArray &bytes)
{
    const ICalendarContent content = readICalendar(bytes);
    mRows.clear();
    for (const ReminderValues &values : content.reminders)
        insert(values.option, values.date, values.time, values.message, values.weekdays, values.repeat);
    QStringList out = rows();
    for (const LeftOutComponent &left : content.leftOut)
        out << QStringLiteral("left out %1: %2").arg(left.summary, left.reason);
    return out.join(QLatin1Char('\n'));
}

// The export writes the lines all events share once; each event must still
// be the very text libical writes for the event built whole, as a served
// event is.
void TestICalendarText::exportedEventIsAsLibicalWritesIt_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("weekdays");
    QTest::newRow("once") << int(OptionOnce) << QStringLiteral("Tea") << QString();
    QTest::newRow("no message, every day") << int(OptionDaily) << QString() << QString();
    QTest::newRow("weekly on three days") << int(OptionWeekly) << QStringLiteral("a, b; c\\d") << QStringLiteral("Mon,Wed,Sun");
    QTest::newRow("long lines folded") << int(OptionOnce) << QStringLiteral("Grüße ☕ ").repeated(40) + QStringLiteral("\nend")
                                       << QString();
}

void TestICalendarText::exportedEventIsAsLibicalWritesIt()
{
    QFETCH(int, option);
    QFETCH(QString, message);
    QFETCH(QString, weekdays);
    insert(option, QDate(2027, 1, 15), QTime(9, 30, 5), message, weekdays);
    const QString calendar = QStringLiteral("/home/someone/dbReminders.mdb");
    const ReminderRecord &row = mRows.front();
    const QRegularExpression stamp(QStringLiteral("DTSTAMP:[^\r]*\r\n"));
    const QString exported = QString::fromUtf8(ICalendarWriter(calendar).event(row)).remove(stamp);
    QString served = QString::fromUtf8(iCalendarResource(row, iCalendarUid(row, calendar))).remove(stamp);
    served = served.mid(served.indexOf(QLatin1String("BEGIN:VEVENT")));
    QCOMPARE(exported + QStringLiteral("END:VCALENDAR\r\n"), served);
}

void TestICalendarText::exportIsStableAndInTheSystemZone()
{
    insert(OptionOnce, QDate(2027, 1, 15), QTime(9, 30), QStringLiteral("a"));
    insert(OptionWeekly, QDate(2027, 1, 15), QTime(9, 30), QStringLiteral("b"), QStringLiteral("Mon"));
    const QString first = QString::fromUtf8(exported());
    const QRegularExpression uid(QStringLiteral("^UID:(.*)\r$"), QRegularExpression::MultilineOption);
    QStringList uids;
    for (const QString &text : {first, QString::fromUtf8(exported())}) {
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

void TestICalendarText::readsOtherProgramsShapes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");

    // A zone this computer knows is kept, and the entry rings by its clock.
    const auto ownZone = [](const char *zone) {
        return QTimeZone::systemTimeZoneId() == zone ? QString() : QStringLiteral(",TZID=") + QLatin1String(zone);
    };
    QTest::newRow("Thunderbird: zone block, weekly")
        << calendar(kNewYorkZone
                    + vevent("DTSTART;TZID=America/New_York:20270115T090000\r\nDTEND;TZID=America/New_York:20270115T100000\r\n"
                            "RRULE:FREQ=WEEKLY;BYDAY=FR\r\nSUMMARY:Standup\r\n"))
        << QStringLiteral("3|2027-01-15|09:00:00|Standup|Fri") + ownZone("America/New_York");
    QTest::newRow("two calendars in one file, a zone in the first")
        << calendar(kNewYorkZone + vevent("DTSTART;TZID=America/New_York:20270115T090000\r\nSUMMARY:first\r\n"))
               + calendar(vevent("DTSTART:20270116T140000Z\r\nSUMMARY:second\r\n"))
        << QStringLiteral("1|2027-01-15|09:00:00|first|") + ownZone("America/New_York").mid(1)
               + QStringLiteral("\n1|%1|second|").arg(localText(QDateTime(QDate(2027, 1, 16), QTime(14, 0), QTimeZone::utc())));
    // A repeat in UTC rings by UTC, whatever the local clocks do.
    QTest::newRow("Google: UTC time, daily, escaped text")
        << calendar(vevent("DTSTART:20270116T140000Z\r\nRRULE:FREQ=DAILY\r\nSUMMARY:Call\\, then\\nwrite\r\n"))
        << QStringLiteral("2|2027-01-16|14:00:00|Call, then\nwrite|") + ownZone("UTC").mid(1);
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
    QTest::newRow("rules beyond every day and weekly are held as written")
        << calendar(vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=WEEKLY;UNTIL=20270601\r\nSUMMARY:Until\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=MONTHLY;BYDAY=-1FR\r\nSUMMARY:Rent\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=WEEKLY;INTERVAL=2\r\nSUMMARY:Fortnight\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=DAILY;COUNT=3\r\nSUMMARY:Three\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=DAILY\r\nEXDATE:20270102T080000,20270103T080000\r\n"
                             "SUMMARY:Gap\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRDATE;VALUE=DATE:20270110\r\nSUMMARY:Extra\r\n")
                    + vevent("DTSTART:20270101T080000\r\nEXDATE:20270102T080000\r\nSUMMARY:Still once\r\n")
                    + vevent("DTSTART:20270101T080000\r\nEXDATE;VALUE=DATE:20270101\r\nSUMMARY:Never\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=DAILY\r\nEXDATE:20027105\r\nSUMMARY:Month 71\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=DAILY\r\nRDATE:20270011T080000\r\n"
                             "SUMMARY:Month 0\r\n")
                    + vevent("DTSTART:-0270101T080000\r\nSUMMARY:Year -27\r\n")
                    + vevent("DTSTART:99991231T080000\r\nRRULE:FREQ=WEEKLY;BYDAY=MO\r\nSUMMARY:Monday in 10000\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRDATE;VALUE=DATE:-0270101\r\nSUMMARY:Added in -27\r\n")
                    + vevent("DTSTART;TZID=Asia/Tokyo:20270101T080000\r\nRRULE:FREQ=DAILY\r\n"
                             "EXDATE:99991231T200000Z\r\nSUMMARY:Left out in 10000\r\n"))
        << QStringLiteral("4|2027-01-01|08:00:00|Until|RRULE=FREQ=WEEKLY;UNTIL=20270601T235959\n"
                          "4|2027-01-01|08:00:00|Rent|RRULE=FREQ=MONTHLY;BYDAY=-1FR\n"
                          "4|2027-01-01|08:00:00|Fortnight|RRULE=FREQ=WEEKLY;INTERVAL=2\n"
                          "4|2027-01-01|08:00:00|Three|RRULE=FREQ=DAILY;COUNT=3\n"
                          "4|2027-01-01|08:00:00|Gap|RRULE=FREQ=DAILY,EXDATE=20270102T080000+20270103T080000\n"
                          "4|2027-01-01|08:00:00|Extra|RDATE=20270110T080000\n"
                          "1|2027-01-01|08:00:00|Still once|\n"
                          "left out Never: its only date is left out (EXDATE)\n"
                          "left out Month 71: its date 2002-71-5 does not exist\n"
                          "left out Month 0: its date 2027-0-11 does not exist\n"
                          "left out Year -27: its year -27 lies outside the years 1 to 9999\n"
                          "left out Monday in 10000: The rule \"FREQ=WEEKLY;BYDAY=MO\" never falls on a date.\n"
                          "left out Added in -27: its year -27 lies outside the years 1 to 9999\n"
                          "left out Left out in 10000: its year 10000 lies outside the years 1 to 9999");
    QTest::newRow("rules a reminder cannot hold are named, not changed")
        << calendar(vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=YEARLY;BYWEEKNO=20\r\nSUMMARY:Week\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=DAILY;BYHOUR=8,17\r\nSUMMARY:Twice\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=HOURLY\r\nSUMMARY:Hourly\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=DAILY\r\nEXRULE:FREQ=WEEKLY\r\nSUMMARY:Except\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=DAILY;BYDAY=1MO\r\nSUMMARY:First\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=DAILY;UNTIL=00000101\r\nSUMMARY:Year 0\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=DAILY;UNTIL=20271340\r\nSUMMARY:Month 13\r\n"))
        << QStringLiteral("left out Week: its rule picks days by BYWEEKNO\n"
                          "left out Twice: its rule picks days by BYHOUR\n"
                          "left out Hourly: it repeats hourly, which a reminder cannot\n"
                          "left out Except: it leaves out dates by a rule (EXRULE)\n"
                          "left out First: The rule \"FREQ=DAILY;BYDAY=1MO\" never falls on a date.\n"
                          "left out Year 0: its date 0-1-1 does not exist\n"
                          "left out Month 13: The rule \"FREQ=DAILY;UNTIL=20271340\" ends at a time that does not exist.");
    QTest::newRow("no start, unknown zone; a broken line of nothing a reminder uses")
        << calendar(vevent("SUMMARY:Nothing\r\n") + vevent("DTSTART;TZID=Mars/Olympus:20270101T080000\r\nSUMMARY:Mars\r\n")
                    + vevent("DTSTART:20270101T080000\r\nSUMMARY:Broken\r\nthis line has no colon\r\n")
                    + vevent("DTSTART:20270101T080000\r\nSUMMARY:Fine\r\n"))
        << QStringLiteral("1|2027-01-01|08:00:00|Broken|\n1|2027-01-01|08:00:00|Fine|\n"
                          "left out Nothing: it has no start (DTSTART)\n"
                          "left out Mars: its time zone \"Mars/Olympus\" is unknown");
    const QDateTime berlinNine(QDate(2027, 1, 11), QTime(9, 0), QTimeZone("Europe/Berlin"));
    QTest::newRow("Google: empty values everywhere, an empty message")
        << "BEGIN:VCALENDAR\r\nPRODID:-//Google Inc//Google Calendar 70.9054//EN\r\nVERSION:2.0\r\nX-WR-CALNAME:Work\r\n"
           "X-WR-CALDESC:\r\nX-WR-TIMEZONE:Europe/Berlin\r\n"
           + vevent("DTSTART:20270111T080000Z\r\nDTEND:20270111T090000Z\r\nCREATED:20261201T000000Z\r\nDESCRIPTION:\r\n"
                    "LOCATION:\r\nSEQUENCE:0\r\nSTATUS:CONFIRMED\r\nSUMMARY:Review\r\nTRANSP:OPAQUE\r\n")
           + vevent("DTSTART:20270112T080000Z\r\nDESCRIPTION:\r\nLOCATION:\r\nSUMMARY:\r\n") + "END:VCALENDAR\r\n"
        << QStringLiteral("1|%1|Review|\n1|%2||")
               .arg(localText(QDateTime(QDate(2027, 1, 11), QTime(8, 0), QTimeZone::utc())),
                    localText(QDateTime(QDate(2027, 1, 12), QTime(8, 0), QTimeZone::utc())));
    QTest::newRow("Outlook: Windows zone name, every weekday")
        << calendar("BEGIN:VTIMEZONE\r\nTZID:W. Europe Standard Time\r\n"
                    "BEGIN:STANDARD\r\nDTSTART:16010101T030000\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\n"
                    "RRULE:FREQ=YEARLY;INTERVAL=1;BYDAY=-1SU;BYMONTH=10\r\nEND:STANDARD\r\n"
                    "BEGIN:DAYLIGHT\r\nDTSTART:16010101T020000\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\n"
                    "RRULE:FREQ=YEARLY;INTERVAL=1;BYDAY=-1SU;BYMONTH=3\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n"
                    + vevent("DTSTART;TZID=W. Europe Standard Time:20270111T090000\r\n"
                             "RRULE:FREQ=DAILY;BYDAY=MO,TU,WE,TH,FR\r\nSUMMARY;LANGUAGE=en-US:Stand-up\r\n"
                             "X-MICROSOFT-CDO-BUSYSTATUS:BUSY\r\nDESCRIPTION:\\n\r\n"))
        << QStringLiteral("3|2027-01-11|09:00:00|Stand-up|Mon,Tue, Wed,Thu,Fri") + ownZone("Europe/Berlin");
    QTest::newRow("Zimbra: daily on some days, floating")
        << calendar(vevent("DTSTART:20270112T063000\r\nRRULE:FREQ=DAILY;BYDAY=TU,TH;WKST=MO\r\nSUMMARY:Gym\r\n")
                    + vevent("DTSTART:20270112T063000\r\nRRULE:FREQ=DAILY;BYDAY=1TU\r\nSUMMARY:Numbered\r\n"))
        << QStringLiteral("3|2027-01-12|06:30:00|Gym|Tue,Thu\nleft out Numbered: The rule \"FREQ=DAILY;BYDAY=1TU\" never falls on a date.");
    QTest::newRow("Thunderbird and Apple: to-dos done, events cancelled")
        << calendar("BEGIN:VTODO\r\nUID:t1\r\nDUE:20270201T120000\r\nSTATUS:NEEDS-ACTION\r\nSUMMARY:Open\r\nEND:VTODO\r\n"
                    "BEGIN:VTODO\r\nUID:t2\r\nDUE:20270201T120000\r\nSTATUS:COMPLETED\r\n"
                    "COMPLETED:20270130T100000Z\r\nPERCENT-COMPLETE:100\r\nSUMMARY:Done\r\nEND:VTODO\r\n"
                    "BEGIN:VTODO\r\nUID:t3\r\nDUE;VALUE=DATE:20270202\r\nCOMPLETED:20270130T100000Z\r\n"
                    "SUMMARY:Done without status\r\nEND:VTODO\r\n"
                    + vevent("DTSTART:20270101T080000\r\nSTATUS:CANCELLED\r\nSUMMARY:Called off\r\n"))
        << QStringLiteral("1|2027-02-01|12:00:00|Open|\n"
                          "left out Done: it is done (COMPLETED)\n"
                          "left out Done without status: it is done (COMPLETED)\n"
                          "left out Called off: it is cancelled (STATUS:CANCELLED)");
    QTest::newRow("blanks kept, the last second of 9999")
        << calendar(vevent("DTSTART:99991231T235959\r\nSUMMARY:  Pills, twice \r\n"))
        << QStringLiteral("1|9999-12-31|23:59:59|  Pills, twice |");
    QTest::newRow("broken lines of what a reminder is made of")
        << calendar(vevent("DTSTART:20270101T080000\r\nRRULE FREQ=DAILY\r\nSUMMARY:No colon\r\n")
                    + vevent("DTSTART:2027-01-01 08:00\r\nSUMMARY:Odd start\r\n")
                    + vevent("DTSTART:20270101T080000\r\nRRULE:\r\nSUMMARY:Empty rule\r\n")
                    + vevent("DTSTART;TZID:20270101T080000\r\nSUMMARY:Zone without name\r\n")
                    + vevent("DTSTART;VALUE=FOO:20270101T080000\r\nSUMMARY:Odd start type\r\n")
                    + vevent("DTSTART:20270101T080000\r\nDESCRIPTION;VALUE=BAR:x\r\nSUMMARY:Odd text type\r\n"))
        << QStringLiteral("1|2027-01-01|08:00:00|Odd text type|\n"
                          "left out No colon: a line of it cannot be read (Got a data line, but could not find a property "
                          "name or component begin tag: RRULE FREQ=DAILY)\n"
                          "left out Odd start: a line of it cannot be read (Can't parse as DATE-TIME value in DTSTART "
                          "property. Removing entire property: 2027-01-01 08:00)\n"
                          "left out Empty rule: a line of it cannot be read (No value for RRULE property. Removing "
                          "entire property:)\n"
                          "left out Zone without name: a line of it cannot be read (Can't parse parameter name: TZID)\n"
                          "left out Odd start type: a line of it cannot be read (Invalid VALUE type for property "
                          "DTSTART: VALUE=FOO)");
}

void TestICalendarText::readsOtherProgramsShapes()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    QCOMPARE(read(file), expected);
}

void TestICalendarText::exportReadsBackUnchanged()
{
    const QString messages[] = {QStringLiteral("  Pills"), QStringLiteral("Pills  "), QStringLiteral(" \tboth\t "),
                                QString(), QStringLiteral("one\n  two\n")};
    for (const QString &message : messages)
        insert(OptionDaily, QDate(2027, 1, 15), QTime(9, 30), message);
    // And times at the edges: the last second a reminder holds, and one
    // that daylight saving skips in Berlin and New York.
    insert(OptionOnce, QDate(9999, 12, 31), QTime(23, 59, 59), QStringLiteral("last"));
    insert(OptionOnce, QDate(2027, 3, 28), QTime(2, 30), QStringLiteral("skipped in Berlin"));
    insert(OptionOnce, QDate(2027, 3, 14), QTime(2, 30), QStringLiteral("skipped in New York"));
    // Rules and zones of their own, each starting on its first occurrence.
    insert(OptionRule, QDate(2027, 1, 29), QTime(18, 0), QStringLiteral("rent"), {},
           {"FREQ=MONTHLY;BYDAY=-1FR", "20270226T180000", "20270305T180000", ""});
    insert(OptionRule, QDate(2027, 1, 29), QTime(18, 0), QStringLiteral("tokyo"), {},
           {"FREQ=WEEKLY;UNTIL=20270601T120000;INTERVAL=2;BYDAY=MO,FR", "", "", "Asia/Tokyo"});
    insert(OptionDaily, QDate(2027, 1, 29), QTime(7, 0), QStringLiteral("kolkata"), {}, {"", "", "", "Asia/Kolkata"});
    insert(OptionRule, QDate(2027, 1, 29), QTime(7, 0), QStringLiteral("added only"), {}, {"", "", "20270301T090000", ""});
    const QStringList before = rows();
    QCOMPARE(read(exported()), before.join(QLatin1Char('\n')));
}

// A sync takes from a server what an import takes from a file.
void TestICalendarText::aServedEventIsReadAsAnImportedOne()
{
    const QByteArray served = calendar(vevent("DTSTART:20270111T063000\r\nRRULE:FREQ=DAILY;BYDAY=MO,WE\r\nDESCRIPTION:\r\n"
                                              "LOCATION:\r\nSUMMARY: Gym \r\n"));
    const ICalendarResourceContent resource = readICalendarResource(served);
    QVERIFY2(resource.reminder, qPrintable(resource.leftOutReason));
    const QString imported = read(served);
    QCOMPARE(imported, QStringLiteral("3|2027-01-11|06:30:00| Gym |Mon, Wed"));
    mRows.clear();
    const ReminderValues &values = *resource.reminder;
    insert(values.option, values.date, values.time, values.message, values.weekdays);
    QCOMPARE(rows(), QStringList{imported});
    QCOMPARE(readICalendarResource(calendar(vevent("DTSTART:20270111T063000\r\nSTATUS:CANCELLED\r\n"))).leftOutReason,
             QStringLiteral("it is cancelled (STATUS:CANCELLED)"));
}

// calcurse holds no line breaks in a message, so only one-line messages go
// through it; its export is read back with its times unchanged.
void TestICalendarText::calcurseReadsTheExportAndWritesWhatIsRead()
{
    const QString calcurse = QStandardPaths::findExecutable(QStringLiteral("calcurse"));
    if (calcurse.isEmpty())
        QSKIP("calcurse is not installed (scripts/setup.sh installs it)");
    insert(OptionOnce, QDate(2027, 1, 15), QTime(9, 30), QStringLiteral("Dentist"));
    insert(OptionDaily, QDate(2027, 6, 1), QTime(7, 15), QStringLiteral("Pills ä"));
    insert(OptionWeekly, QDate(2027, 1, 18), QTime(18, 0), QStringLiteral("Choir"), QStringLiteral("Mon, Wed"));
    const QStringList before = rows();
    writeFile(path("vestrona.ics"), exported());

    QVERIFY(QDir().mkpath(path("calcurse")));
    const QStringList data{QStringLiteral("-D"), path("calcurse")};
    const ProcessResult imported = runProcess(calcurse, data + QStringList{"-q", "-i", path("vestrona.ics")});
    QVERIFY2(imported.exitCode == 0, qPrintable(imported.out + imported.err));
    const ProcessResult exported = runProcess(calcurse, data + QStringList{"--export=ical"});
    QCOMPARE(exported.exitCode, 0);
    QCOMPARE(read(exported.out.toUtf8()), before.join(QLatin1Char('\n')));
}

void TestICalendarText::refusesZonesThatChangeAllTheTime_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QByteArray>("rule");
    QTest::newRow("every second") << QByteArray("19700101T000000") << QByteArray("FREQ=SECONDLY");
    QTest::newRow("every minute, from year 1") << QByteArray("00010101T000000") << QByteArray("FREQ=MINUTELY;INTERVAL=1");
    QTest::newRow("every day") << QByteArray("19700101T000000") << QByteArray("FREQ=DAILY");
    QTest::newRow("every Sunday") << QByteArray("19700104T020000") << QByteArray("FREQ=WEEKLY;BYDAY=SU");
    QTest::newRow("yearly, thirty seconds a year")
        << QByteArray("19700101T000000") << QByteArray("FREQ=YEARLY;BYMINUTE=0,1,2,3,4,5,6,7,8,9;BYSECOND=0,1,2");
}

// libical would expand such a zone into millions of changes before the
// first event's time could be known: minutes and hundreds of MB.
void TestICalendarText::refusesZonesThatChangeAllTheTime()
{
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, rule);
    const QByteArray zone = "BEGIN:VTIMEZONE\r\nTZID:Busy/Zone\r\n"
                            "BEGIN:STANDARD\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0000\r\nDTSTART:" + start + "\r\n"
                            "RRULE:" + rule + "\r\nEND:STANDARD\r\n"
                            "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0000\r\nTZOFFSETTO:+0100\r\nDTSTART:19700308T020000\r\n"
                            "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n";
    QElapsedTimer timer;
    timer.start();
    const QString text = read(calendar(zone + vevent("DTSTART;TZID=Busy/Zone:20270115T090000\r\nSUMMARY:Busy\r\n")
                                       + vevent("DTSTART;TZID=Busy/Zone:20270116T090000\r\nSUMMARY:Busy too\r\n")
                                       + vevent("DTSTART:20270101T080000\r\nSUMMARY:Fine\r\n")));
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    const QString why = QStringLiteral("its time zone \"Busy/Zone\" changes its offset more than 12 times a year, which no real zone does");
    QCOMPARE(text, QStringLiteral("1|2027-01-01|08:00:00|Fine|\nleft out Busy: %1\nleft out Busy too: %1").arg(why));
}

QTEST_GUILESS_MAIN(TestICalendarText)
#include "test_icalendar_text.moc"
