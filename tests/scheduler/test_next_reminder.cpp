#include "scheduler/NextReminder.h"
#include "formats/DateFormats.h"

#include "tests/support/NextReminderChoices.h"
#include "tests/support/TestDatabase.h"

#include <QTest>

using namespace vestrona;
using vestrona::test::reminderRow;
using vestrona::test::ruleRow;

Q_DECLARE_METATYPE(vestrona::ReminderRecord)
using Rows = QList<ReminderRecord>;
Q_DECLARE_METATYPE(Rows)

namespace {

// Monday 7 December 2026: far from any daylight-saving change.
const QDate kMonday(2026, 12, 7);

QDateTime at(const QDate &date, int h, int m = 0, int s = 0)
{
    return QDateTime(date, QTime(h, m, s), Qt::LocalTime);
}

NextReminderChoice choose(const Rows &rows, const QDateTime &now, const QString &pattern)
{
    return vestrona::test::chooseBothWays(rows, now, pattern);
}

} // namespace

class TestNextReminder : public QObject {
    Q_OBJECT

private slots:
    void selection_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("message"); // "" when nothing is due
        QTest::addColumn<QDateTime>("due");

        const QDate lastMonthMonday(2026, 11, 2);
        const QDate yesterday = kMonday.addDays(-1);
        const Rows weeklyMonFri{reminderRow(OptionWeekly, lastMonthMonday, QTime(9, 0), "mon-fri", "Mon,Fri")};

        QTest::newRow("empty table") << Rows{} << at(kMonday, 9) << "" << QDateTime();
        QTest::newRow("one time past skipped")
            << Rows{reminderRow(OptionOnce, yesterday, QTime(8, 0), "past"), reminderRow(OptionOnce, kMonday, QTime(12, 0), "noon")}
            << at(kMonday, 9) << "noon" << at(kMonday, 12);
        QTest::newRow("one time due now is not ahead")
            << Rows{reminderRow(OptionOnce, kMonday, QTime(9, 0), "now")} << at(kMonday, 9) << "" << QDateTime();
        QTest::newRow("every day from yesterday rings today")
            << Rows{reminderRow(OptionDaily, yesterday, QTime(8, 0), "daily")} << at(kMonday, 7) << "daily" << at(kMonday, 8);
        QTest::newRow("every day from yesterday rings tomorrow once past")
            << Rows{reminderRow(OptionDaily, yesterday, QTime(8, 0), "daily")} << at(kMonday, 9) << "daily"
            << at(kMonday.addDays(1), 8);
        QTest::newRow("every day starting tomorrow")
            << Rows{reminderRow(OptionDaily, kMonday.addDays(1), QTime(8, 0), "daily")} << at(kMonday, 9) << "daily"
            << at(kMonday.addDays(1), 8);
        QTest::newRow("weekly Monday 07:00 rings today") << weeklyMonFri << at(kMonday, 7) << "mon-fri"
                                                        << at(kMonday, 9);
        QTest::newRow("weekly Monday 10:00 rings Friday") << weeklyMonFri << at(kMonday, 10) << "mon-fri"
                                                          << at(kMonday.addDays(4), 9);
        QTest::newRow("weekly exactly at its time moves on") << weeklyMonFri << at(kMonday, 9) << "mon-fri"
                                                             << at(kMonday.addDays(4), 9);
        QTest::newRow("weekly Saturday rings next Monday")
            << weeklyMonFri << at(kMonday.addDays(5), 10) << "mon-fri" << at(kMonday.addDays(7), 9);
        QTest::newRow("weekly only today's weekday comes a week later")
            << Rows{reminderRow(OptionWeekly, lastMonthMonday, QTime(9, 0), "mon", "Mon")} << at(kMonday, 10) << "mon"
            << at(kMonday.addDays(7), 9);
        QTest::newRow("Wednesday written with its blank")
            << Rows{reminderRow(OptionWeekly, lastMonthMonday, QTime(9, 0), "wed", " Wed")} << at(kMonday, 10) << "wed"
            << at(kMonday.addDays(2), 9);
        QTest::newRow("weekday pieces with blanks around")
            << Rows{reminderRow(OptionWeekly, lastMonthMonday, QTime(9, 0), "sun", "Tue , Sun ")} << at(kMonday.addDays(1), 10)
            << "sun" << at(kMonday.addDays(6), 9);
        QTest::newRow("weekly with no weekday never")
            << Rows{reminderRow(OptionWeekly, lastMonthMonday, QTime(9, 0), "none", "")} << at(kMonday, 7) << ""
            << QDateTime();
        QTest::newRow("weekly with unknown codes never")
            << Rows{reminderRow(OptionWeekly, lastMonthMonday, QTime(9, 0), "none", "mon,Mond,WED")} << at(kMonday, 7) << ""
            << QDateTime();
        QTest::newRow("weekly starting in the future waits for its start")
            << Rows{reminderRow(OptionWeekly, QDate(2027, 1, 14), QTime(9, 0), "thu", "Thu")} << at(kMonday, 7) << "thu"
            << at(QDate(2027, 1, 14), 9);
        QTest::newRow("weekly future start, first listed day after it")
            << Rows{reminderRow(OptionWeekly, QDate(2027, 1, 14), QTime(9, 0), "mon", "Mon")} << at(kMonday, 7) << "mon"
            << at(QDate(2027, 1, 18), 9);
        QTest::newRow("earliest wins over the first row")
            << Rows{reminderRow(OptionWeekly, lastMonthMonday, QTime(9, 0), "weekly", "Mon"),
                    reminderRow(OptionOnce, kMonday, QTime(8, 30), "sooner")}
            << at(kMonday, 7) << "sooner" << at(kMonday, 8, 30);
        QTest::newRow("tie goes to the first row")
            << Rows{reminderRow(OptionDaily, yesterday, QTime(8, 0), "first"), reminderRow(OptionOnce, kMonday, QTime(8, 0), "second")}
            << at(kMonday, 7) << "first" << at(kMonday, 8);
        QTest::newRow("unknown option rings once")
            << Rows{reminderRow(4, yesterday, QTime(8, 0), "old"), reminderRow(4, kMonday, QTime(11, 0), "later")} << at(kMonday, 9)
            << "later" << at(kMonday, 11);
        QTest::newRow("rows with no valid date or time are skipped")
            << Rows{reminderRow(OptionDaily, QDate(), QTime(8, 0), "no date"), reminderRow(OptionDaily, kMonday, QTime(), "no time"),
                    reminderRow(OptionOnce, kMonday, QTime(10, 0), "ok")}
            << at(kMonday, 9) << "ok" << at(kMonday, 10);
        QTest::newRow("last Friday of the month")
            << Rows{ruleRow("FREQ=MONTHLY;BYDAY=-1FR", QDate(2026, 11, 27), QTime(9, 0), "rent"),
                    reminderRow(OptionOnce, QDate(2027, 1, 1), QTime(8, 0), "later")}
            << at(kMonday, 7) << "rent" << at(QDate(2026, 12, 25), 9);
        QTest::newRow("a date left out moves on to the next")
            << Rows{ruleRow("FREQ=MONTHLY;BYMONTHDAY=8", QDate(2026, 11, 8), QTime(9, 0), "bill", {}, "20261208T090000")}
            << at(kMonday, 7) << "bill" << at(QDate(2027, 1, 8), 9);
        QTest::newRow("an ended rule never rings")
            << Rows{ruleRow("FREQ=DAILY;COUNT=3", QDate(2026, 12, 1), QTime(9, 0), "pill"),
                    ruleRow("FREQ=WEEKLY;UNTIL=20261206T235959", QDate(2026, 11, 1), QTime(9, 0), "course")}
            << at(kMonday, 7) << "" << QDateTime();
        QTest::newRow("a rule in its own zone rings by that zone's clock")
            << Rows{ruleRow("FREQ=DAILY", QDate(2026, 12, 1), QTime(9, 0), "tokyo", "Asia/Tokyo"),
                    reminderRow(OptionOnce, kMonday.addDays(2), QTime(8, 0), "later")}
            << at(kMonday, 7) << "tokyo" << QDateTime(kMonday.addDays(1), QTime(9, 0), QTimeZone("Asia/Tokyo"));
        QTest::newRow("milliseconds past the start count as past")
            << Rows{reminderRow(OptionOnce, kMonday, QTime(9, 0, 1), "a"), reminderRow(OptionDaily, kMonday, QTime(9, 0), "b")}
            << at(kMonday, 9).addMSecs(1) << "a" << at(kMonday, 9, 0, 1);
    }

    void selection()
    {
        QFETCH(Rows, rows);
        QFETCH(QDateTime, now);
        QFETCH(QString, message);
        QFETCH(QDateTime, due);

        const NextReminderChoice choice = choose(rows, now, QString::fromLatin1(kMonthFirstPattern));
        QCOMPARE(choice.alarmText, message);
        QCOMPARE(choice.due, due);
        QCOMPARE(choice.alarmTime.isEmpty(), message.isEmpty());
        if (rows.size() == 1)
            QCOMPARE(nextOccurrence(rows.first(), now).value_or(QDateTime()), due);
    }

    void alarmTimeTextShowsTheDayItRings_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::newRow("month first") << QString::fromLatin1(kMonthFirstPattern) << "12/08/2026 08:05:07";
        QTest::newRow("day first") << QString::fromLatin1(kDayFirstPattern) << "08/12/2026 08:05:07";
    }

    void alarmTimeTextShowsTheDayItRings()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        const Rows rows{reminderRow(OptionDaily, QDate(2026, 1, 1), QTime(8, 5, 7), "daily")};
        const NextReminderChoice choice = choose(rows, at(kMonday, 9), pattern);
        QCOMPARE(choice.alarmTime, text);
        QCOMPARE(readAlarmTimeText(choice.alarmTime, pattern, RegionalSettings::usEnglish()),
                 std::optional<QDateTime>(choice.due));
    }

    void weekdayCodes_data()
    {
        QTest::addColumn<QString>("weekdays");
        QTest::addColumn<int>("mask");
        QTest::newRow("all, as the editor writes them")
            << "Mon,Tue, Wed,Thu,Fri,Sat,Sun" << (2 | 4 | 8 | 16 | 32 | 64 | 128);
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("case matters") << "mon,FRI" << 0;
        QTest::newRow("no substring matches") << "Monday,Fr" << 0;
        QTest::newRow("empty pieces ignored") << ",,Sat," << 64;
    }

    void weekdayCodes()
    {
        QFETCH(QString, weekdays);
        QFETCH(int, mask);
        QCOMPARE(weekdayMask(weekdays), mask);
    }
};

QTEST_GUILESS_MAIN(TestNextReminder)
#include "test_next_reminder.moc"
