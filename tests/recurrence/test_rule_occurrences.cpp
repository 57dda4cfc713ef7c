#include "recurrence/RuleCheck.h"
#include "recurrence/RuleOccurrences.h"
#include "recurrence/WallDates.h"
#include "scheduler/WallClock.h"
#include "tests/support/Process.h"
#include "tests/support/TempFolder.h"

#include <QFile>
#include <QTest>

#include <random>

using namespace vestrona;
using recurrence::wallText;

namespace {

constexpr qint64 kTwoYears = 2 * 366 * wallclock::kMsPerDay;

const char *const kZones[] = {"Europe/Berlin", "America/New_York", "Australia/Sydney", "Asia/Kolkata"};
const char *const kDays[] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};

struct Case {
    QDate date;
    QTime time;
    RepeatRule repeat;
};

QString pick(std::mt19937 &random, const QStringList &choices)
{
    return choices[int(random() % choices.size())];
}

int between(std::mt19937 &random, int low, int high)
{
    return low + int(random() % unsigned(high - low + 1));
}

QString someDays(std::mt19937 &random)
{
    QStringList days;
    for (int i = 0; i < 7; ++i) {
        if (random() % 3 == 0)
            days.append(QLatin1String(kDays[i]));
    }
    return days.isEmpty() ? QStringLiteral("FR") : days.join(u',');
}

// One rule of each kind people keep: every N days, weeks on some days, the
// Nth or last weekday, a day of the month (31, -1), the last weekday of the
// month, yearly (29 February too), each ending never, by count or by date.
QString randomRule(std::mt19937 &random, const QDate &start)
{
    QString rule;
    switch (random() % 8) {
    case 0: rule = QStringLiteral("FREQ=DAILY;INTERVAL=%1").arg(between(random, 1, 9)); break;
    case 1: rule = QStringLiteral("FREQ=WEEKLY;INTERVAL=%1;BYDAY=%2").arg(between(random, 1, 3)).arg(someDays(random)); break;
    case 2:
        rule = QStringLiteral("FREQ=MONTHLY;INTERVAL=%1;BYMONTHDAY=%2")
                   .arg(between(random, 1, 3))
                   .arg(pick(random, {"1", "15", "29", "30", "31", "-1", "-3", "1,-1"}));
        break;
    case 3:
        rule = QStringLiteral("FREQ=MONTHLY;BYDAY=%1%2")
                   .arg(pick(random, {"1", "2", "3", "4", "-1", "-2"}))
                   .arg(QLatin1String(kDays[random() % 7]));
        break;
    case 4:
        rule = QStringLiteral("FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=%1").arg(pick(random, {"1", "-1", "2", "-2"}));
        break;
    case 5:
        rule = QStringLiteral("FREQ=YEARLY;BYMONTH=%1;BYMONTHDAY=%2")
                   .arg(pick(random, {"2", "3", "10", "2,8"}))
                   .arg(pick(random, {"1", "29", "31", "-1"}));
        break;
    case 6:
        rule = QStringLiteral("FREQ=YEARLY;BYMONTH=%1;BYDAY=%2SU").arg(between(random, 1, 12)).arg(pick(random, {"1", "-1", "2"}));
        break;
    default: rule = QStringLiteral("FREQ=YEARLY;INTERVAL=%1").arg(between(random, 1, 2)); break;
    }
    switch (random() % 3) {
    case 0: rule += QStringLiteral(";COUNT=%1").arg(between(random, 1, 30)); break;
    case 1: rule += QStringLiteral(";UNTIL=%1").arg(start.addDays(between(random, 0, 500)).toString(QStringLiteral("yyyyMMdd'T'235959"))); break;
    default: break;
    }
    return rule;
}

std::vector<qint64> expandHere(const Case &c, qint64 end)
{
    std::vector<qint64> keys;
    RuleOccurrences occurrences(c.date, c.time, c.repeat);
    while (const std::optional<qint64> key = occurrences.next()) {
        if (*key > end)
            break;
        keys.push_back(*key);
    }
    return keys;
}

QString utcSeconds(const std::vector<qint64> &keys, const QTimeZone &zone)
{
    QStringList seconds;
    for (const qint64 key : keys)
        seconds.append(QString::number(wallclock::firstInstantOfKey(key, zone).toSecsSinceEpoch()));
    return seconds.join(u',');
}

} // namespace

class TestRuleOccurrences : public QObject {
    Q_OBJECT

private slots:
    // Every occurrence over two years, compared one by one with dateutil,
    // and a jump into the middle gives what walking from the start does from
    // there up to the end asked for.
    void matchesAnIndependentExpansion()
    {
        std::mt19937 random(20261208);
        std::vector<Case> cases;
        QString input;
        for (int i = 0; i < 400; ++i) {
            Case c;
            c.date = QDate(2024, 1, 1).addDays(between(random, 0, 800));
            if (random() % 10 == 0)
                c.date = QDate(2024, 2, 29);
            // Half the rules at times some zones skip or repeat.
            c.time = random() % 2 ? QTime(between(random, 0, 3), 30) : QTime(between(random, 0, 23), between(random, 0, 59));
            const QString zone = QLatin1String(kZones[random() % std::size(kZones)]);
            const RuleCheck check = checkRule(randomRule(random, c.date), c.date, c.time, zone);
            if (!check.error.isEmpty())
                continue; // the 31st of February and its kin never fall on a date
            c.repeat = check.repeat;
            const qint64 start = wallclock::wallKey(c.date, c.time);
            std::vector<qint64> some = expandHere(c, start + kTwoYears);
            if (some.size() > 2 && random() % 2) {
                c.repeat.exdates = QStringLiteral("%1,%2").arg(wallText(some[1]), wallText(some.back()));
            }
            if (random() % 3 == 0)
                c.repeat.rdates = wallText(start + between(random, 1, 600) * wallclock::kMsPerDay + 3600000);
            cases.push_back(c);
            input += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                         .arg(zone, wallText(start), wallText(start + kTwoYears), c.repeat.rule, c.repeat.exdates,
                              c.repeat.rdates);
        }
        QVERIFY(cases.size() > 300);

        test::TempFolder folder;
        QFile file(folder.path() + QStringLiteral("/rules.tsv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(input.toUtf8());
        file.close();
        const test::ProcessResult theirs =
            test::runProcess(QStringLiteral("python3"), {QStringLiteral(VESTRONA_DATEUTIL_SCRIPT), file.fileName()});
        QVERIFY2(theirs.exitCode == 0, qPrintable(theirs.err));
        const QStringList lines = theirs.out.split(u'\n');
        QVERIFY(lines.size() > qsizetype(cases.size()));

        SharedRuleDays shared;
        for (size_t i = 0; i < cases.size(); ++i) {
            const Case &c = cases[i];
            const qint64 start = wallclock::wallKey(c.date, c.time);
            const std::vector<qint64> ours = expandHere(c, start + kTwoYears);
            const QString rule = QStringLiteral("%1 %2 %3 -%4 +%5")
                                     .arg(c.repeat.zone, wallText(start), c.repeat.rule, c.repeat.exdates, c.repeat.rdates);
            QVERIFY2(utcSeconds(ours, QTimeZone(c.repeat.zone.toUtf8())) == lines[qsizetype(i)], qPrintable(rule));

            const qint64 jump = start + qint64(random() % 700) * wallclock::kMsPerDay + qint64(random() % 86400) * 1000;
            RuleOccurrences skipping(c.date, c.time, c.repeat, &shared);
            skipping.skipPast(jump, start + kTwoYears);
            std::vector<qint64> jumped;
            while (const std::optional<qint64> key = skipping.next())
                jumped.push_back(*key);
            QVERIFY2(jumped == std::vector<qint64>(std::upper_bound(ours.begin(), ours.end(), jump), ours.end()),
                     qPrintable(rule + QStringLiteral(" after ") + wallText(jump)));
        }
    }

    // Reminders that share what libical gives for a rule, past as many
    // starts as are kept too, get each what an iterator of its own gives.
    void sharedDaysAreEachReminderOwn()
    {
        const QStringList rules{"FREQ=YEARLY;COUNT=3", "FREQ=MONTHLY;BYDAY=-1FR", "FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH"};
        const auto occurrences = [](RuleOccurrences &rule, qint64 from, qint64 to) {
            std::vector<qint64> keys;
            rule.skipPast(from, to);
            while (const std::optional<qint64> key = rule.next())
                keys.push_back(key.value());
            return keys;
        };
        SharedRuleDays shared;
        size_t found = 0;
        for (int i = 0; i < 3000; ++i) {
            const QDate date = QDate(2024, 1, 1).addDays(i / 2);
            const QTime time(i % 24, i % 60, i % 7);
            const RepeatRule repeat{rules[i % rules.size()], QString(), QString(), QString()};
            const qint64 from = wallclock::wallKey(date, time) + (i % 40) * wallclock::kMsPerDay;
            const qint64 to = from + 60 * wallclock::kMsPerDay;
            RuleOccurrences own(date, time, repeat), sharing(date, time, repeat, &shared);
            const std::vector<qint64> ownKeys = occurrences(own, from, to);
            QVERIFY2(occurrences(sharing, from, to) == ownKeys, qPrintable(repeat.rule + u' ' + wallText(from)));
            found += ownKeys.size();
        }
        QVERIFY(found > 3000);
    }

    // A time the clocks skip rings when the gap ends, a repeated one once,
    // at its first pass, in the reminder's own zone whatever the system's.
    void clockChanges_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Berlin last Sunday 02:30")
            << "Europe/Berlin" << "20260301T023000" << "FREQ=MONTHLY;BYDAY=-1SU;COUNT=8"
            << QStringList{"2026-03-29T01:00:00Z", "2026-04-26T00:30:00Z", "2026-05-31T00:30:00Z",
                           "2026-06-28T00:30:00Z", "2026-07-26T00:30:00Z", "2026-08-30T00:30:00Z",
                           "2026-09-27T00:30:00Z", "2026-10-25T00:30:00Z"};
        QTest::newRow("New York second Sunday 02:30")
            << "America/New_York" << "20260201T023000" << "FREQ=MONTHLY;BYDAY=2SU;COUNT=2"
            << QStringList{"2026-02-08T07:30:00Z", "2026-03-08T07:00:00Z"};
        QTest::newRow("New York first Sunday 01:30")
            << "America/New_York" << "20261001T013000" << "FREQ=MONTHLY;BYDAY=1SU;UNTIL=20261201T000000Z"
            << QStringList{"2026-10-04T05:30:00Z", "2026-11-01T05:30:00Z"};
        QTest::newRow("Sydney yearly in April 02:30")
            << "Australia/Sydney" << "20260101T023000" << "FREQ=YEARLY;BYMONTH=4;BYDAY=1SU;COUNT=1"
            << QStringList{"2026-04-04T15:30:00Z"};
    }
    void clockChanges()
    {
        QFETCH(QString, zone);
        QFETCH(QString, start);
        QFETCH(QString, rule);
        QFETCH(QStringList, expected);
        const QDate date = QDate::fromString(start.left(8), QStringLiteral("yyyyMMdd"));
        const QTime time = QTime::fromString(start.right(6), QStringLiteral("HHmmss"));
        const RuleCheck check = checkRule(rule, date, time, zone);
        QVERIFY2(check.error.isEmpty(), qPrintable(check.error));
        const std::vector<qint64> keys = expandHere({date, time, check.repeat}, wallclock::wallKey(date, time) + kTwoYears);
        QStringList instants;
        for (const qint64 key : keys)
            instants.append(wallclock::firstInstantOfKey(key, QTimeZone(zone.toUtf8())).toUTC().toString(Qt::ISODate));
        QCOMPARE(instants, expected);
    }
};

QTEST_GUILESS_MAIN(TestRuleOccurrences)
#include "test_rule_occurrences.moc"
