// Run once per time zone (TZ=Europe/Berlin, TZ=America/New_York): every case
// holds in both, including the nights their clocks change.
#include "scheduler/MissedOccurrences.h"
#include "scheduler/MissedReport.h"
#include "scheduler/Agenda.h"

#include "tests/support/TestDatabase.h"

#include <QTest>

using namespace vestrona;
using vestrona::test::reminderRow;
using vestrona::test::ruleRow;

namespace {

QDateTime local(int year, int month, int day, int h, int m = 0, int s = 0)
{
    return QDateTime(QDate(year, month, day), QTime(h, m, s), Qt::LocalTime);
}

// Monday 7 December 2026, 9:00.
const QDateTime kNow = local(2026, 12, 7, 9);

OccurrenceAccount account(const QList<ReminderRecord> &rows, const QDateTime &seenUpTo, const QDateTime &now,
                          size_t keepMissed = std::numeric_limits<size_t>::max())
{
    return accountOccurrences(
        [&rows](const auto &visit) {
            for (const ReminderRecord &row : rows)
                visit(row);
        },
        seenUpTo, now.addSecs(-kRingGraceSeconds), now, keepMissed);
}

} // namespace

class TestMissedOccurrences : public QObject {
    Q_OBJECT

private slots:
    void countsEachReminderOnce_data()
    {
        QTest::addColumn<ReminderRecord>("row");
        QTest::addColumn<QDateTime>("seenUpTo");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("missed");      // occurrences too old to ring
        QTest::addColumn<QDateTime>("last");  // the latest of them
        QTest::addColumn<QDateTime>("ringsAt"); // invalid when nothing rings

        const QDate today = kNow.date();
        const QDateTime none;
        const QDateTime minuteAgo = kNow.addSecs(-60);
        const QDateTime hourAgo = kNow.addSecs(-3600);
        const QDateTime threeDaysAgo = kNow.addDays(-3);
        QTest::newRow("once, 1 minute, still rings")
            << reminderRow(OptionOnce, today, QTime(8, 59, 30), "tea") << minuteAgo << kNow << 0 << none
            << local(2026, 12, 7, 8, 59, 30);
        QTest::newRow("once, 1 hour") << reminderRow(OptionOnce, today, QTime(8, 15), "tea") << hourAgo << kNow << 1
                                      << local(2026, 12, 7, 8, 15) << none;
        QTest::newRow("once, 3 days") << reminderRow(OptionOnce, today.addDays(-2), QTime(10, 0), "tea")
                                      << threeDaysAgo << kNow << 1 << local(2026, 12, 5, 10) << none;
        QTest::newRow("once, before seen up to") << reminderRow(OptionOnce, today.addDays(-3), QTime(8, 0), "tea")
                                                 << threeDaysAgo << kNow << 0 << none << none;
        QTest::newRow("once, exactly at seen up to") << reminderRow(OptionOnce, today, QTime(8, 0), "tea")
                                                     << local(2026, 12, 7, 8) << kNow << 0 << none << none;
        QTest::newRow("once, exactly now rings") << reminderRow(OptionOnce, today, QTime(9, 0), "tea") << hourAgo
                                                 << kNow << 0 << none << kNow;
        QTest::newRow("every day, 1 minute")
            << reminderRow(OptionDaily, QDate(2026, 11, 1), QTime(8, 59, 30), "pills") << minuteAgo << kNow << 0
            << none << local(2026, 12, 7, 8, 59, 30);
        QTest::newRow("every day, 1 hour") << reminderRow(OptionDaily, QDate(2026, 11, 1), QTime(8, 30), "pills")
                                           << hourAgo << kNow << 1 << local(2026, 12, 7, 8, 30) << none;
        QTest::newRow("every day, 3 days") << reminderRow(OptionDaily, QDate(2026, 11, 1), QTime(7, 30), "pills")
                                           << threeDaysAgo << kNow << 3 << local(2026, 12, 7, 7, 30) << none;
        QTest::newRow("every day, 3 days, missed and ringing")
            << reminderRow(OptionDaily, QDate(2026, 11, 1), QTime(8, 59, 50), "pills") << threeDaysAgo << kNow << 2
            << local(2026, 12, 6, 8, 59, 50) << local(2026, 12, 7, 8, 59, 50);
        QTest::newRow("every day, started during the span")
            << reminderRow(OptionDaily, today.addDays(-1), QTime(7, 30), "pills") << threeDaysAgo << kNow << 2
            << local(2026, 12, 7, 7, 30) << none;
        QTest::newRow("every day, starts later") << reminderRow(OptionDaily, today.addDays(1), QTime(7, 30), "pills")
                                                 << threeDaysAgo << kNow << 0 << none << none;
        QTest::newRow("every day, a year") << reminderRow(OptionDaily, QDate(2020, 1, 1), QTime(7, 30), "pills")
                                           << kNow.addYears(-1) << kNow << 365 << local(2026, 12, 7, 7, 30) << none;
        QTest::newRow("weekly, 3 days over a weekend")
            << reminderRow(OptionWeekly, QDate(2026, 11, 1), QTime(10, 0), "walk", "Sat,Sun") << threeDaysAgo << kNow
            << 2 << local(2026, 12, 6, 10) << none;
        QTest::newRow("weekly, 1 hour, not its day")
            << reminderRow(OptionWeekly, QDate(2026, 11, 1), QTime(8, 30), "walk", "Tue, Wed") << hourAgo << kNow
            << 0 << none << none;
        QTest::newRow("weekly, 1 hour, its day")
            << reminderRow(OptionWeekly, QDate(2026, 11, 1), QTime(8, 30), "walk", "Mon") << hourAgo << kNow << 1
            << local(2026, 12, 7, 8, 30) << none;
        QTest::newRow("weekly, five weeks, two days a week")
            << reminderRow(OptionWeekly, QDate(2026, 1, 1), QTime(8, 0), "walk", "Mon,Thu")
            << local(2026, 11, 2, 9) << kNow << 10 << local(2026, 12, 7, 8) << none;
        QTest::newRow("weekly, no day named")
            << reminderRow(OptionWeekly, QDate(2026, 1, 1), QTime(8, 0), "walk", "") << threeDaysAgo << kNow << 0
            << none << none;
        QTest::newRow("every 2 weeks on Mon, Thu, five weeks")
            << ruleRow("FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH", QDate(2026, 11, 2), QTime(8, 0), "course")
            << local(2026, 11, 2, 0) << kNow << 6 << local(2026, 12, 3, 8) << none;
        QTest::newRow("last weekday of the month, 3 times, a year")
            << ruleRow("FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-1;COUNT=3", QDate(2026, 1, 1), QTime(8, 0), "books")
            << kNow.addYears(-1) << kNow << 3 << local(2026, 3, 31, 8) << none;
        QTest::newRow("a rule due a moment ago rings")
            << ruleRow("FREQ=MONTHLY;BYMONTHDAY=7", QDate(2026, 1, 7), QTime(8, 59, 30), "rent")
            << kNow.addMonths(-2) << kNow << 1 << local(2026, 11, 7, 8, 59, 30) << local(2026, 12, 7, 8, 59, 30);
        QTest::newRow("first start: no record") << reminderRow(OptionDaily, QDate(2026, 1, 1), QTime(8, 30), "pills")
                                                << none << kNow << 0 << none << none;
        QTest::newRow("seen up to in the future")
            << reminderRow(OptionDaily, QDate(2026, 1, 1), QTime(8, 30), "pills") << kNow.addDays(2) << kNow << 0
            << none << none;
        // The nights the clocks change, in either zone: a time skipped or
        // repeated that night is still one occurrence.
        for (const QDate &night : {QDate(2026, 3, 29), QDate(2026, 10, 25), QDate(2026, 3, 8), QDate(2026, 11, 1)}) {
            for (const QTime &time : {QTime(1, 30), QTime(2, 30)}) {
                QTest::addRow("every day %s, clocks change %s", qPrintable(time.toString()),
                              qPrintable(night.toString(Qt::ISODate)))
                    << reminderRow(OptionDaily, QDate(2026, 1, 1), time, "pills")
                    << QDateTime(night.addDays(-1), QTime(22, 0)) << QDateTime(night, QTime(5, 0)) << 1
                    << QDateTime(night, time) << none;
            }
            QTest::addRow("every day for a week over %s", qPrintable(night.toString(Qt::ISODate)))
                << reminderRow(OptionDaily, QDate(2026, 1, 1), QTime(7, 30), "pills")
                << QDateTime(night.addDays(-4), QTime(9, 0)) << QDateTime(night.addDays(3), QTime(9, 0)) << 7
                << QDateTime(night.addDays(3), QTime(7, 30)) << none;
        }
    }

    // The agenda lists each occurrence of a span once, at the moment it
    // rings: a time the clocks skip at the end of the gap, in either zone.
    void agendaListsEveryOccurrenceOnce()
    {
        QList<ReminderRecord> rows{
            reminderRow(OptionOnce, QDate(2026, 3, 28), QTime(12, 0), "once"),
            reminderRow(OptionDaily, QDate(2026, 1, 1), QTime(2, 30), "daily"),
            reminderRow(OptionWeekly, QDate(2026, 1, 1), QTime(9, 0), "weekly", "Sun"),
            ruleRow("FREQ=MONTHLY;BYDAY=-1SU", QDate(2026, 1, 1), QTime(2, 30), "rule"),
        };
        for (int i = 0; i < rows.size(); ++i)
            rows[i].ID = i;
        QStringList listed;
        for (const QDate &night : {QDate(2026, 3, 29), QDate(2026, 3, 8)}) {
            const QDateTime from(night.addDays(-1), QTime(0, 0));
            for (const AgendaEntry &entry : agendaBetween(
                     [&rows](const auto &visit) {
                         for (const ReminderRecord &row : rows)
                             visit(row);
                     },
                     from, from.addDays(3)))
                listed << QDateTime(entry.date, entry.time).toString(QStringLiteral("MM-dd HH:mm ")) + rows[int(entry.id)].Reminder;
        }
        const bool berlin = QTimeZone::systemTimeZoneId() == "Europe/Berlin";
        // Berlin skips 02:00 to 03:00 on 29 March, New York on 8 March.
        const QString berlinGap = berlin ? "03-29 03:00" : "03-29 02:30";
        const QString newYorkGap = berlin ? "03-08 02:30" : "03-08 03:00";
        QCOMPARE(listed, QStringList({"03-28 02:30 daily", "03-28 12:00 once", berlinGap + " daily", berlinGap + " rule",
                                      "03-29 09:00 weekly", "03-30 02:30 daily", "03-07 02:30 daily",
                                      newYorkGap + " daily", "03-08 09:00 weekly", "03-09 02:30 daily"}));
    }

    // A reminder with a zone of its own rings at that zone's wall-clock
    // times whether either zone's clocks change in the span or not, and the
    // agenda shows each moment on the system's clock.
    void agendaRingsOnItsZonesClock_data()
    {
        QTest::addColumn<ReminderRecord>("row");
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<int>("days");
        QTest::addColumn<QStringList>("utc");

        const auto utc = [](int month, int day, int hour) {
            return QDateTime(QDate(2026, month, day), QTime(hour, 0), QTimeZone::utc());
        };
        const QString newYork = QStringLiteral("America/New_York"), berlin = QStringLiteral("Europe/Berlin");
        QTest::newRow("New York, the weeks it is 5 hours behind Berlin")
            << ruleRow("FREQ=DAILY", QDate(2026, 3, 1), QTime(9, 0), "a", newYork) << utc(3, 12, 0) << 2
            << QStringList{"2026-03-12T13:00:00Z", "2026-03-13T13:00:00Z"};
        QTest::newRow("New York, the night it skips 02:30")
            << ruleRow("FREQ=DAILY", QDate(2026, 3, 1), QTime(2, 30), "a", newYork) << utc(3, 7, 12) << 2
            << QStringList{"2026-03-08T07:00:00Z", "2026-03-09T06:30:00Z"};
        QTest::newRow("Berlin, last Sunday, the night it skips 02:30")
            << ruleRow("FREQ=MONTHLY;BYDAY=-1SU", QDate(2026, 1, 1), QTime(2, 30), "a", berlin) << utc(3, 28, 0) << 3
            << QStringList{"2026-03-29T01:00:00Z"};
        QTest::newRow("Berlin, the night it repeats 02:30")
            << ruleRow("FREQ=DAILY", QDate(2026, 1, 1), QTime(2, 30), "a", berlin) << utc(10, 24, 12) << 2
            << QStringList{"2026-10-25T00:30:00Z", "2026-10-26T01:30:00Z"};
        QTest::newRow("Tokyo, whose clocks never change")
            << ruleRow("FREQ=WEEKLY;BYDAY=MO", QDate(2026, 1, 5), QTime(8, 0), "a", QStringLiteral("Asia/Tokyo"))
            << utc(6, 14, 0) << 7 << QStringList{"2026-06-14T23:00:00Z"};
        QTest::newRow("Tokyo, a rule ending in the span")
            << ruleRow("FREQ=DAILY;UNTIL=20260615T235959", QDate(2026, 1, 1), QTime(9, 0), "a", QStringLiteral("Asia/Tokyo"))
            << utc(6, 14, 0) << 7 << QStringList{"2026-06-14T00:00:00Z", "2026-06-15T00:00:00Z"};
        QTest::newRow("Tokyo, a rule ending an hour before its time of day")
            << ruleRow("FREQ=DAILY;UNTIL=20260616T080000", QDate(2026, 1, 1), QTime(9, 0), "a", QStringLiteral("Asia/Tokyo"))
            << utc(6, 14, 0) << 7 << QStringList{"2026-06-14T00:00:00Z", "2026-06-15T00:00:00Z"};
        ReminderRecord ended = ruleRow("FREQ=DAILY;UNTIL=20260110T235959", QDate(2026, 1, 1), QTime(9, 0), "a");
        ended.repeat = std::make_shared<const RepeatRule>(
            RepeatRule{ended.repeat->rule, QString(), QStringLiteral("20260615T100000"), QStringLiteral("Asia/Tokyo")});
        QTest::newRow("Tokyo, a rule ended long before, a date added in the span")
            << ended << utc(6, 14, 0) << 7 << QStringList{"2026-06-15T01:00:00Z"};
    }

    void agendaRingsOnItsZonesClock()
    {
        QFETCH(ReminderRecord, row);
        QFETCH(QDateTime, from);
        QFETCH(int, days);
        QFETCH(QStringList, utc);
        QStringList listed;
        for (const AgendaEntry &entry : agendaBetween([&row](const auto &visit) { visit(row); }, from, from.addDays(days))) {
            const QDateTime due = QDateTime::fromMSecsSinceEpoch(entry.msecs, Qt::UTC);
            listed << due.toString(Qt::ISODate);
            QCOMPARE(entry.date, due.toLocalTime().date());
            QCOMPARE(entry.time, due.toLocalTime().time());
        }
        QCOMPARE(listed, utc);
    }

    // Many rules are expanded on two threads at once: what they list
    // together is what each row lists alone, by moment, then ID, each with
    // its own message.
    void agendaOfManyRulesIsEachRowsInOrder()
    {
        const QStringList rules{"FREQ=MONTHLY;BYDAY=-1FR", "FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH", "FREQ=DAILY;INTERVAL=3",
                                "FREQ=YEARLY;COUNT=10", "FREQ=MONTHLY;BYMONTHDAY=1,29"};
        QList<ReminderRecord> rows;
        for (int i = 0; i < 900; ++i) {
            const QDate start = QDate(2025, 12, 1).addDays(i % 97);
            const QTime time(i % 24, i % 4 * 15);
            const QString message = QStringLiteral("row %1").arg(i);
            rows << (i % 5 == 0 ? reminderRow(OptionDaily, start, time, message)
                                : ruleRow(rules[i % rules.size()], start, time, message,
                                          i % 7 == 0 ? QStringLiteral("Asia/Tokyo") : QString()));
            rows.back().ID = 1000 - i;
        }
        const QDateTime from(QDate(2026, 3, 1), QTime(0, 0));
        const QDateTime to = from.addDays(40);
        QStringList alone;
        std::vector<std::pair<qint64, qint64>> order;
        for (const ReminderRecord &row : rows) {
            for (const AgendaEntry &entry : agendaBetween([&row](const auto &visit) { visit(row); }, from, to))
                order.emplace_back(entry.msecs, entry.id);
        }
        std::sort(order.begin(), order.end());
        for (const auto &[due, id] : order)
            alone << QDateTime::fromMSecsSinceEpoch(due).toString(Qt::ISODate) + rows[int(1000 - id)].Reminder;
        QStringList together;
        for (const AgendaEntry &entry : agendaBetween(
                 [&rows](const auto &visit) {
                     for (const ReminderRecord &row : rows)
                         visit(row);
                 },
                 from, to))
            together << QDateTime(entry.date, entry.time).toString(Qt::ISODate) + entry.message;
        QVERIFY(alone.size() > 2000);
        QCOMPARE(together, alone);
    }

    void countsEachReminderOnce()
    {
        QFETCH(ReminderRecord, row);
        QFETCH(QDateTime, seenUpTo);
        QFETCH(QDateTime, now);
        QFETCH(int, missed);
        QFETCH(QDateTime, last);
        QFETCH(QDateTime, ringsAt);
        const OccurrenceAccount result = account({row}, seenUpTo, now);
        QCOMPARE(result.missed.size(), size_t(missed > 0 ? 1 : 0));
        if (missed > 0) {
            QCOMPARE(result.missed.front().count, missed);
            QCOMPARE(QDateTime(result.missed.front().lastDay, result.missed.front().row.StartTime), last);
        }
        QCOMPARE(result.ringNow.size(), size_t(ringsAt.isValid() ? 1 : 0));
        if (ringsAt.isValid())
            QCOMPARE(result.ringNow.front().due, ringsAt);
    }

    // The account of several reminders comes in the order they fell due,
    // ties in the order of the list.
    void sortsByWhenTheyFellDue()
    {
        QList<ReminderRecord> rows = {
            reminderRow(OptionOnce, kNow.date(), QTime(8, 59, 40), "twin B"),
            reminderRow(OptionDaily, QDate(2026, 1, 1), QTime(8, 0), "daily"),
            reminderRow(OptionOnce, kNow.date(), QTime(7, 0), "early"),
            reminderRow(OptionOnce, kNow.date(), QTime(8, 59, 40), "twin A"),
        };
        rows[0].ID = 2;
        rows[3].ID = 1;
        const OccurrenceAccount result = account(rows, kNow.addDays(-1), kNow);
        QCOMPARE(result.missed.size(), size_t(2));
        QCOMPARE(result.missed[0].row.Reminder, QStringLiteral("early"));
        QCOMPARE(result.missed[1].row.Reminder, QStringLiteral("daily"));
        QCOMPARE(result.ringNow.size(), size_t(2));
        QCOMPARE(result.ringNow[0].row.Reminder, QStringLiteral("twin A"));
        QCOMPARE(result.ringNow[1].row.Reminder, QStringLiteral("twin B"));
    }

    // Only the first few are kept, whatever order the rows come in; all are counted.
    void keepsTheFirstMissedAndCountsAll()
    {
        QList<ReminderRecord> rows;
        for (int i = 0; i < 500; ++i) {
            // Minutes after midnight in a scrambled order: 7 and 500 share no factor.
            rows.append(reminderRow(OptionOnce, kNow.date(), QTime(0, 0).addSecs(60 * (i * 7 % 500)), "once"));
            rows.last().ID = i + 1;
        }
        const OccurrenceAccount result = account(rows, kNow.addDays(-1), kNow, 3);
        QCOMPARE(result.missedCount, 500);
        QCOMPARE(result.missed.size(), size_t(3));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(result.missed[size_t(i)].row.StartTime, QTime(0, i));
    }

    void whenTextCountsRepeats_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        QTest::newRow("once") << 1 << QStringLiteral("06/12/2026 07:30:00");
        QTest::newRow("three times") << 3 << QStringLiteral("missed 3 times, last 06/12/2026 07:30:00");
    }

    void whenTextCountsRepeats()
    {
        QFETCH(int, count);
        QFETCH(QString, expected);
        const MissedEntry entry{QStringLiteral("pills"), ruleText(OptionDaily, QString()), count, QDate(2026, 12, 6),
                                QTime(7, 30)};
        QCOMPARE(missedWhenText(entry, QStringLiteral("dd/mm/yyyy"), RegionalSettings::usEnglish()), expected);
    }

    // Reports add up in one list: fifty rows, the rest counted.
    void listKeepsFiftyRowsAndCountsTheRest()
    {
        std::vector<MissedEntry> batch(30);
        for (size_t i = 0; i < batch.size(); ++i)
            batch[i].message = QString::number(i);
        MissedList list;
        list.add(batch, 0);
        QCOMPARE(list.rows().size(), size_t(30));
        QCOMPARE(list.more(), 0);
        list.add(batch, 7);
        QCOMPARE(list.rows().size(), size_t(kMissedRowLimit));
        QCOMPARE(list.rows().back().message, QStringLiteral("19"));
        QCOMPARE(list.more(), 10 + 7);
        QCOMPARE(list.total(), 67);
        list.clear();
        QCOMPARE(list.total(), 0);
    }
};

QTEST_GUILESS_MAIN(TestMissedOccurrences)
#include "test_missed_occurrences.moc"
