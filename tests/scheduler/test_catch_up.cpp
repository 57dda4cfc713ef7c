// The catch-up's decisions from plain values: what rings again, what rings,
// and which rows the missed-reminders window lists in which order.
#include "scheduler/CatchUp.h"

#include <QTest>

using namespace vestrona;

namespace {

QDateTime local(int day, int h, int m = 0, int s = 0)
{
    return QDateTime(QDate(2026, 12, day), QTime(h, m, s), Qt::LocalTime);
}

const QDateTime kNow = local(7, 9);
const QDateTime kRingAfter = kNow.addSecs(-60);

// "ID count day hh:mm": a daily reminder missed `count` times, last on
// `day` of December 2026.
MissedReminder missedReminder(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    MissedReminder missed;
    missed.row.ID = parts[0].toLongLong();
    missed.row.Option = OptionDaily;
    missed.row.StartTime = QTime::fromString(parts[3], QStringLiteral("hh:mm"));
    missed.count = parts[1].toInt();
    missed.lastDay = QDate(2026, 12, parts[2].toInt());
    return missed;
}

// A row as the window would list it, in the short form above; a snoozed alarm
// as "snooze:MESSAGE day hh:mm".
QString lineText(const MissedLine &line)
{
    const QString when = line.entry.lastDate.toString(QStringLiteral("dd ")) + line.entry.lastTime.toString(QStringLiteral("hh:mm"));
    if (line.id == 0) {
        return line.entry.rule == snoozedRuleText() && line.entry.count == 1
            ? QStringLiteral("snooze:%1 %2").arg(line.entry.message, when)
            : QStringLiteral("bad snooze row");
    }
    if (!line.entry.message.isEmpty() || line.entry.rule != ruleText(OptionDaily, QString()))
        return QStringLiteral("bad reminder row");
    return QStringLiteral("%1 %2 %3").arg(line.id).arg(line.entry.count).arg(when);
}

} // namespace

class TestCatchUp : public QObject {
    Q_OBJECT

private slots:
    void plansFromTheAccount_data()
    {
        QTest::addColumn<QList<qint64>>("ringNow");
        QTest::addColumn<QStringList>("missed");      // the account's kept rows
        QTest::addColumn<int>("missedCount");         // every reminder missed
        QTest::addColumn<QDateTime>("snoozeAt");      // invalid: no snooze ran out
        QTest::addColumn<QStringList>("snoozed");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("repeats");
        QTest::addColumn<QList<qint64>>("rings");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("more");

        const QDateTime none;
        QTest::newRow("nothing fell due") << QList<qint64>{} << QStringList{} << 0 << none << QStringList{} << 50
                                          << QStringList{} << QList<qint64>{} << QStringList{} << 0;
        QTest::newRow("the last minute's ring in the account's order")
            << QList<qint64>{5, 3} << QStringList{} << 0 << none << QStringList{} << 50 << QStringList{}
            << QList<qint64>{5, 3} << QStringList{} << 0;
        QTest::newRow("older ones are listed with their counts")
            << QList<qint64>{} << QStringList{"4 3 07 07:30", "2 1 07 08:15"} << 2 << none << QStringList{} << 50
            << QStringList{} << QList<qint64>{} << QStringList{"4 3 07 07:30", "2 1 07 08:15"} << 0;
        QTest::newRow("those the account did not keep are counted")
            << QList<qint64>{} << QStringList{"4 1 06 07:30", "2 1 07 08:15"} << 9 << none << QStringList{} << 50
            << QStringList{} << QList<qint64>{} << QStringList{"4 1 06 07:30", "2 1 07 08:15"} << 7;
        QTest::newRow("a snooze run out within the grace rings again, first")
            << QList<qint64>{5} << QStringList{} << 0 << kNow.addSecs(-30) << QStringList{"tea", "pills"} << 50
            << QStringList{"tea", "pills"} << QList<qint64>{5} << QStringList{} << 0;
        QTest::newRow("a snooze run out at the grace's start is listed")
            << QList<qint64>{} << QStringList{} << 0 << kRingAfter << QStringList{"tea"} << 50 << QStringList{}
            << QList<qint64>{} << QStringList{"snooze:tea 07 08:59"} << 0;
        QTest::newRow("an older snooze is listed by when its wait ended")
            << QList<qint64>{} << QStringList{"4 3 07 07:30", "2 1 07 08:15"} << 2 << local(7, 8) << QStringList{"tea"}
            << 50 << QStringList{} << QList<qint64>{}
            << QStringList{"4 3 07 07:30", "snooze:tea 07 08:00", "2 1 07 08:15"} << 0;
        QTest::newRow("a snooze tied with a reminder comes first")
            << QList<qint64>{} << QStringList{"2 1 07 08:15"} << 1 << local(7, 8, 15) << QStringList{"tea"} << 50
            << QStringList{} << QList<qint64>{} << QStringList{"snooze:tea 07 08:15", "2 1 07 08:15"} << 0;
        QTest::newRow("snoozes take their rows first, the reminders what is left")
            << QList<qint64>{} << QStringList{"4 1 07 07:00", "5 1 07 07:10"} << 2 << local(7, 8)
            << QStringList{"a", "b"} << 3 << QStringList{} << QList<qint64>{}
            << QStringList{"4 1 07 07:00", "snooze:a 07 08:00", "snooze:b 07 08:00"} << 1;
        QTest::newRow("more snoozes than rows") << QList<qint64>{} << QStringList{} << 0 << local(6, 20)
                                                << QStringList{"a", "b", "c"} << 2 << QStringList{} << QList<qint64>{}
                                                << QStringList{"snooze:a 06 20:00", "snooze:b 06 20:00"} << 1;
    }

    // A reminder repeating by a rule is listed by its rule's summary, not by
    // an empty option.
    void ruleReminderIsListedByItsSummary()
    {
        OccurrenceAccount account;
        account.missed.push_back(missedReminder(QStringLiteral("4 2 07 07:30")));
        account.missed.back().row.Option = OptionRule;
        account.missed.back().row.repeat = std::make_shared<const RepeatRule>(RepeatRule{QStringLiteral("FREQ=MONTHLY;BYDAY=-1FR"), {}, {}, {}});
        account.missedCount = 1;
        const CatchUpPlan plan = planCatchUp(account, std::nullopt, kRingAfter, 50);
        QCOMPARE(plan.missed.size(), size_t(1));
        QCOMPARE(plan.missed.front().entry.rule, QStringLiteral("Every month on the last Fri"));
    }

    void plansFromTheAccount()
    {
        QFETCH(QList<qint64>, ringNow);
        QFETCH(QStringList, missed);
        QFETCH(int, missedCount);
        QFETCH(QDateTime, snoozeAt);
        QFETCH(QStringList, snoozed);
        QFETCH(int, limit);
        QFETCH(QStringList, repeats);
        QFETCH(QList<qint64>, rings);
        QFETCH(QStringList, lines);
        QFETCH(int, more);

        OccurrenceAccount account;
        for (const qint64 id : ringNow) {
            account.ringNow.push_back({});
            account.ringNow.back().row.ID = id;
        }
        for (const QString &line : missed)
            account.missed.push_back(missedReminder(line));
        account.missedCount = missedCount;
        std::optional<PendingSnooze> snooze;
        if (snoozeAt.isValid()) {
            snooze = PendingSnooze{snoozeAt, {}};
            for (const QString &message : snoozed)
                snooze->reminders.push_back({qint64(100 + snooze->reminders.size()), message});
        }

        const CatchUpPlan plan = planCatchUp(account, snooze, kRingAfter, limit);
        QStringList repeatMessages;
        for (const SnoozedReminder &repeat : plan.repeats)
            repeatMessages.append(repeat.message);
        QCOMPARE(repeatMessages, repeats);
        QList<qint64> rung;
        for (const RingingOccurrence &occurrence : plan.ring)
            rung.append(occurrence.id);
        QCOMPARE(rung, rings);
        QStringList lineTexts;
        for (const MissedLine &line : plan.missed)
            lineTexts.append(lineText(line));
        QCOMPARE(lineTexts, lines);
        QCOMPARE(plan.more, more);
    }

    // A table that fails while the messages are read loses the reminders'
    // rows from there on, counted, and never a snoozed alarm's.
    void listedRowsKeepWhatWasRead_data()
    {
        QTest::addColumn<int>("linesRead");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("more");
        QTest::newRow("all read") << 3 << QStringList{"m4", "tea", "m5"} << 0;
        QTest::newRow("failed at the first") << 0 << QStringList{"tea"} << 2;
        QTest::newRow("failed at the last") << 2 << QStringList{"m4", "tea"} << 1;
    }

    void listedRowsKeepWhatWasRead()
    {
        QFETCH(int, linesRead);
        QFETCH(QStringList, messages);
        QFETCH(int, more);
        OccurrenceAccount account;
        account.missed = {missedReminder(QStringLiteral("4 1 07 07:00")), missedReminder(QStringLiteral("5 1 07 08:30"))};
        account.missedCount = 2;
        CatchUpPlan plan = planCatchUp(account, PendingSnooze{local(7, 8), {{9, QStringLiteral("tea")}}}, kRingAfter);
        QCOMPARE(plan.missed.size(), size_t(3));
        for (size_t i = 0; i < size_t(linesRead); ++i) {
            if (plan.missed[i].id != 0)
                plan.missed[i].entry.message = QStringLiteral("m%1").arg(plan.missed[i].id);
        }
        QStringList listed;
        for (const MissedEntry &entry : takeListedRows(plan, size_t(linesRead)))
            listed.append(entry.message);
        QCOMPARE(listed, messages);
        QCOMPARE(plan.more, more);
    }
};

QTEST_GUILESS_MAIN(TestCatchUp)
#include "test_catch_up.moc"
