// Run once per time zone (TZ=Europe/Berlin, TZ=America/New_York): the cases
// of the zone in TZ are the ones that run.
#include "scheduler/NextReminder.h"

#include "tests/support/NextReminderChoices.h"
#include "tests/support/TestDatabase.h"

#include <QTest>

using namespace vestrona;
using vestrona::test::reminderRow;

namespace {

QDateTime utc(const QDate &date, int h, int m = 0, int s = 0)
{
    return QDateTime(date, QTime(h, m, s), Qt::UTC);
}

// Where the zone skips and repeats an hour in 2026, as wall-clock times and
// the UTC moments of their first passes.
struct Zone {
    QByteArray name;
    QDate springDay;      // clocks go forward
    QTime skipped;        // a time that does not exist that day
    QDateTime gapEndUtc;  // the first moment after the gap
    QDate autumnDay;      // clocks go back
    QTime repeated;       // a time that happens twice that day
    QDateTime firstPassUtc;
    QDateTime secondPassUtc;
};

const Zone kZones[] = {
    {"Europe/Berlin", QDate(2026, 3, 29), QTime(2, 30), utc(QDate(2026, 3, 29), 1), QDate(2026, 10, 25), QTime(2, 30),
     utc(QDate(2026, 10, 25), 0, 30), utc(QDate(2026, 10, 25), 1, 30)},
    {"America/New_York", QDate(2026, 3, 8), QTime(2, 30), utc(QDate(2026, 3, 8), 7), QDate(2026, 11, 1), QTime(1, 30),
     utc(QDate(2026, 11, 1), 5, 30), utc(QDate(2026, 11, 1), 6, 30)},
};

const Zone *currentZone()
{
    for (const Zone &z : kZones)
        if (qgetenv("TZ") == z.name)
            return &z;
    return nullptr;
}

NextReminderChoice choose(const QList<ReminderRecord> &rows, const QDateTime &now)
{
    return vestrona::test::chooseBothWays(rows, now, QStringLiteral("mm/dd/yyyy"));
}

} // namespace

class TestDaylightSaving : public QObject {
    Q_OBJECT

    const Zone *zone = nullptr;

private slots:
    void initTestCase()
    {
        zone = currentZone();
        if (!zone)
            QSKIP("TZ names none of the zones these cases know");
    }

    void skippedTimeRingsWhenTheGapEnds()
    {
        const QDate dayBefore = zone->springDay.addDays(-1);
        const ReminderRecord once = reminderRow(OptionOnce, zone->springDay, zone->skipped, "once");
        const ReminderRecord daily = reminderRow(OptionDaily, dayBefore, zone->skipped, "daily");
        const QDateTime evening = utc(dayBefore, 20);

        QCOMPARE(nextOccurrence(once, evening)->toUTC(), zone->gapEndUtc);
        QCOMPARE(nextOccurrence(daily, evening)->toUTC(), zone->gapEndUtc);
        // Just before the gap it is still ahead; once rung, the next day's follows.
        QCOMPARE(nextOccurrence(once, zone->gapEndUtc.addSecs(-1))->toUTC(), zone->gapEndUtc);
        QVERIFY(!nextOccurrence(once, zone->gapEndUtc).has_value());
        const QDateTime nextDay = *nextOccurrence(daily, zone->gapEndUtc.addSecs(1));
        QCOMPARE(nextDay.date(), zone->springDay.addDays(1));
        QCOMPARE(nextDay.time(), zone->skipped);
    }

    // A skipped time is shown as the moment it rings, the end of the gap; a
    // repeated one as its own time, since it rings at its first pass.
    void alarmTimeTextIsTheMomentItRings()
    {
        const QDate dayBefore = zone->springDay.addDays(-1);
        const QList<ReminderRecord> skipped{reminderRow(OptionDaily, dayBefore, zone->skipped, "daily")};
        const NextReminderChoice choice = choose(skipped, utc(dayBefore, 20));
        const QDateTime gapEnd = zone->gapEndUtc.toLocalTime();
        QCOMPARE(choice.alarmTime, gapEnd.toString(QStringLiteral("MM/dd/yyyy HH:mm:ss")));
        QVERIFY(gapEnd.time() != zone->skipped);
        QCOMPARE(choice.due.toUTC(), zone->gapEndUtc);

        const QList<ReminderRecord> repeated{reminderRow(OptionOnce, zone->autumnDay, zone->repeated, "once")};
        QCOMPARE(choose(repeated, utc(zone->autumnDay.addDays(-1), 20)).alarmTime,
                 zone->autumnDay.toString(QStringLiteral("MM/dd/yyyy")) + QLatin1Char(' ')
                     + zone->repeated.toString(QStringLiteral("HH:mm:ss")));
    }

    // Rows may reach the finder in any order; the tie goes to the row the
    // ordered select lists first, the earlier start time.
    void timesInsideOneGapTieToTheRowFirstInOrder()
    {
        const QTime later = zone->skipped.addSecs(15 * 60);
        const QList<ReminderRecord> rows{reminderRow(OptionOnce, zone->springDay, later, "later in the gap"),
                                         reminderRow(OptionOnce, zone->springDay, zone->skipped, "earlier in the gap")};
        const NextReminderChoice choice = choose(rows, utc(zone->springDay.addDays(-1), 20));
        QCOMPARE(choice.alarmText, QStringLiteral("earlier in the gap"));
        QCOMPARE(choice.due.toUTC(), zone->gapEndUtc);
    }

    void repeatedTimeRingsOnlyOnItsFirstPass()
    {
        const ReminderRecord daily = reminderRow(OptionDaily, zone->autumnDay.addDays(-10), zone->repeated, "daily");
        const QDateTime beforeBoth = zone->firstPassUtc.addSecs(-15 * 60);
        QCOMPARE(nextOccurrence(daily, beforeBoth)->toUTC(), zone->firstPassUtc);

        // After the first pass, during the repeated hour and after it: tomorrow.
        for (const QDateTime &now : {zone->firstPassUtc.addSecs(1), zone->secondPassUtc.addSecs(-15 * 60),
                                     zone->secondPassUtc, zone->secondPassUtc.addSecs(1)}) {
            const QDateTime next = *nextOccurrence(daily, now);
            QCOMPARE(next.date(), zone->autumnDay.addDays(1));
            QCOMPARE(next.time(), zone->repeated);
        }
    }

    void timesAfterTheRepeatedHourStillRingThatDay()
    {
        // In the second pass, a time just past the repeated hour lies ahead.
        const QTime afterRepeat = zone->repeated.addSecs(60 * 60);
        const ReminderRecord once = reminderRow(OptionOnce, zone->autumnDay, afterRepeat, "after");
        const QDateTime expected = zone->secondPassUtc.addSecs(60 * 60);
        QCOMPARE(nextOccurrence(once, zone->secondPassUtc.addSecs(-60))->toUTC(), expected);
    }

    void firstInstantOfOrdinaryTimesIsPlainLocalTime()
    {
        const QDate summer(2026, 7, 1);
        QCOMPARE(firstInstantOf(summer, QTime(12, 0)), QDateTime(summer, QTime(12, 0), Qt::LocalTime));
    }
};

QTEST_GUILESS_MAIN(TestDaylightSaving)
#include "test_daylight_saving.moc"
