// Calendar files made to hang or swell the import: each is read within a
// bound of time and memory, and what it cannot hold is named.

#include "core/AppError.h"
#include "formats/ICalendar.h"
#include "tests/formats/ICalendarSamples.h"
#include "tests/support/PeakMemory.h"

#include <QElapsedTimer>
#include <QTest>

using namespace vestrona;
using namespace vestrona::test;

namespace {

// A zone whose one part has `offset` and `rule`.
QByteArray zone(const QByteArray &name, const QByteArray &offset, const QByteArray &rule)
{
    return "BEGIN:VTIMEZONE\r\nTZID:" + name + "\r\nBEGIN:STANDARD\r\nDTSTART:00010101T000000\r\n" + rule
        + "TZOFFSETFROM:" + offset + "\r\nTZOFFSETTO:" + offset + "\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
}

QByteArray zonedEvent(const QByteArray &zoneName, const QByteArray &summary)
{
    return vevent("DTSTART;TZID=" + zoneName + ":20270115T090000\r\nSUMMARY:" + summary + "\r\n");
}

const QByteArray kFine = vevent("DTSTART:20270101T080000\r\nSUMMARY:Fine\r\n");

// A SUMMARY of `bytes` letters, folded as calendars fold it.
QByteArray foldedSummary(qsizetype bytes)
{
    QByteArray line = "SUMMARY:Long";
    line.reserve(bytes + bytes / 20);
    for (qsizetype written = 0; written < bytes; written += 74)
        line += "\r\n " + QByteArray(74, 'x');
    return line + "\r\n";
}

} // namespace

class TestICalendarBounds : public QObject {
    Q_OBJECT

private slots:
    void hostileFilesAreReadInBoundedTimeAndMemory_data();
    void hostileFilesAreReadInBoundedTimeAndMemory();
};

void TestICalendarBounds::hostileFilesAreReadInBoundedTimeAndMemory_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");

    const QString tooOften = QStringLiteral(
        "Bomb: its time zone \"%1\" changes its offset more than 12 times a year, which no real zone does");
    const QString tooFar = QStringLiteral("Bomb: its time zone \"%1\" lies more than 24 hours away from UTC, which no real zone does");
    QTest::newRow("317 bytes: a zone that changes every minute since year 1")
        << calendar(zone("Bomb", "+0100", "RRULE:FREQ=MINUTELY\r\n") + zonedEvent("Bomb", "Bomb")) << tooOften.arg("Bomb");
    QTest::newRow("every second")
        << calendar(zone("Bomb", "+0100", "RRULE:FREQ=SECONDLY;INTERVAL=1\r\n") + zonedEvent("Bomb", "Bomb"))
        << tooOften.arg("Bomb");
    QByteArray bogus;
    QByteArray bogusEvents;
    QStringList allBogus;
    for (int i = 0; i < 1000; ++i)
        bogus += zone("Bogus" + QByteArray::number(i), "+0100", "RRULE:FREQ=MINUTELY\r\n");
    for (int i = 0; i < 1000; i += 50) {
        bogusEvents += zonedEvent("Bogus" + QByteArray::number(i), "Bomb");
        allBogus << tooOften.arg(QStringLiteral("Bogus%1").arg(i));
    }
    QTest::newRow("1,000 such zones, 20 in use") << calendar(bogus + bogusEvents) << allBogus.join(QLatin1Char('\n'));
    QTest::newRow("20,000 zones")
        << calendar(bogus.repeated(20) + bogusEvents)
        << QStringLiteral("refused: it defines more than 1000 time zones, which no calendar needs");
    QTest::newRow("64 MB of tiny events")
        << calendar(vevent("DTSTART:20270101T080000\r\nSUMMARY:e\r\n").repeated(600'000))
        << QStringLiteral("refused: it holds more than 100,000 events and to-dos, more than any list of reminders");
    QByteArray listed;
    for (int year = 1001; year < 3000; ++year)
        listed += "RDATE:" + QByteArray::number(year) + "0101T000000\r\n";
    QTest::newRow("2,000 changes listed one by one")
        << calendar(zone("Listed", "+0100", listed) + zonedEvent("Listed", "Bomb"))
        << QStringLiteral("Bomb: its time zone \"Listed\" lists more than 1000 changes of its offset, which no real zone does");
    QTest::newRow("offset +99:99")
        << calendar(zone("Far", "+9999", "RDATE:19700101T000000\r\n") + zonedEvent("Far", "Bomb")) << tooFar.arg("Far");
    QTest::newRow("offset -99:99, no rule") << calendar(zone("Far", "-9999", "") + zonedEvent("Far", "Bomb"))
                                            << tooFar.arg("Far");
    QTest::newRow("a message of 70 KB")
        << calendar(vevent("DTSTART:20270101T080000\r\n" + foldedSummary(70 * 1024)))
        << QStringLiteral("Long") + QString(36, u'x') + QStringLiteral("...: its message is longer than 64 KB");
    QTest::newRow("a message of 55 MB")
        << calendar(vevent("DTSTART:20270101T080000\r\n" + foldedSummary(55 * 1024 * 1024)))
        << QStringLiteral("Long") + QString(36, u'x') + QStringLiteral("...: its message is longer than 64 KB");
    QTest::newRow("a rule of 1 MB")
        << calendar(vevent("DTSTART:20270101T080000\r\nRRULE:FREQ=DAILY;BYDAY=MO" + QByteArray(1024 * 1024, ',')
                           + "\r\nSUMMARY:Bomb\r\n"))
        << QStringLiteral("Bomb: its RRULE line is longer than 256 KB");
}

// Each file holds one entry that is fine besides the hostile ones, and is
// read with it, or refused whole.
void TestICalendarBounds::hostileFilesAreReadInBoundedTimeAndMemory()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    file.insert(file.lastIndexOf("END:VCALENDAR"), kFine);
    resetPeakMemory();
    const qint64 memoryBefore = peakMemoryKb();
    QElapsedTimer timer;
    timer.start();
    QStringList outcome;
    try {
        const ICalendarContent content = readICalendar(file);
        for (const ReminderValues &values : content.reminders)
            outcome << values.message;
        for (const LeftOutComponent &left : content.leftOut)
            outcome << left.summary + QStringLiteral(": ") + left.reason;
    } catch (const AppError &e) {
        outcome << QStringLiteral("refused: ") + e.description();
    }
    const qint64 elapsedMs = timer.elapsed();
    const qint64 grewKb = peakMemoryKb() - memoryBefore;

    if (!expected.startsWith(QLatin1String("refused: ")))
        expected.prepend(QStringLiteral("Fine\n"));
    QCOMPARE(outcome.join(QLatin1Char('\n')), expected);
    QVERIFY2(elapsedMs < 3000, qPrintable(QStringLiteral("%1 ms").arg(elapsedMs)));
    // Beside the file itself, which the caller holds anyway.
    QVERIFY2(grewKb < 64 * 1024, qPrintable(QStringLiteral("%1 kB more").arg(grewKb)));
}

QTEST_GUILESS_MAIN(TestICalendarBounds)
#include "test_icalendar_bounds.moc"
