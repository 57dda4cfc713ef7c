#include "recurrence/RuleCheck.h"
#include "recurrence/RuleParts.h"
#include "recurrence/RuleSummary.h"

#include <QTest>

using namespace vestrona;

class TestRuleText : public QObject {
    Q_OBJECT

private slots:
    // What is stored for a rule typed or imported, or why it is refused.
    void check_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("error");
        QTest::newRow("last Friday") << "FREQ=MONTHLY;BYDAY=-1FR" << "" << "FREQ=MONTHLY;BYDAY=-1FR" << "";
        QTest::newRow("parts reordered as libical writes them")
            << "BYDAY=MO,TH;INTERVAL=2;FREQ=WEEKLY" << "" << "FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH" << "";
        QTest::newRow("until a date is the end of that day")
            << "FREQ=DAILY;UNTIL=20270630" << "" << "FREQ=DAILY;UNTIL=20270630T235959" << "";
        QTest::newRow("until in UTC is the zone's wall clock")
            << "FREQ=DAILY;UNTIL=20270630T120000Z" << "America/New_York" << "FREQ=DAILY;UNTIL=20270630T080000" << "";
        QTest::newRow("until a 13th month") << "FREQ=DAILY;UNTIL=20271340" << "" << "" << "ends at a time that does not exist";
        QTest::newRow("until the year 0") << "FREQ=DAILY;UNTIL=00000101" << "" << "" << "ends at a time that does not exist";
        QTest::newRow("until the 61st minute")
            << "FREQ=DAILY;UNTIL=20270630T106100" << "" << "" << "ends at a time that does not exist";
        QTest::newRow("hourly") << "FREQ=HOURLY" << "" << "" << "more often than every day";
        QTest::newRow("week numbers") << "FREQ=YEARLY;BYWEEKNO=20" << "" << "" << "BYWEEKNO";
        QTest::newRow("days of the year") << "FREQ=YEARLY;BYYEARDAY=100" << "" << "" << "BYYEARDAY";
        QTest::newRow("hours") << "FREQ=DAILY;BYHOUR=9,17" << "" << "" << "BYHOUR";
        QTest::newRow("count and until") << "FREQ=DAILY;COUNT=3;UNTIL=20270101" << "" << "" << "not a repeat rule";
        QTest::newRow("unknown part") << "FREQ=DAILY;SOMETIMES=1" << "" << "" << "not a repeat rule";
        QTest::newRow("no frequency") << "BYDAY=MO" << "" << "" << "not a repeat rule";
        QTest::newRow("the 31st of April") << "FREQ=YEARLY;BYMONTH=4;BYMONTHDAY=31" << "" << "" << "never falls";
        QTest::newRow("unknown zone") << "FREQ=DAILY" << "Mars/Olympus" << "" << "Mars/Olympus";
    }
    void check()
    {
        QFETCH(QString, rule);
        QFETCH(QString, zone);
        QFETCH(QString, stored);
        QFETCH(QString, error);
        const RuleCheck check = checkRule(rule, QDate(2026, 12, 8), QTime(9, 0), zone);
        QVERIFY2(check.error.contains(error) && error.isEmpty() == check.error.isEmpty(), qPrintable(check.error));
        if (error.isEmpty())
            QCOMPARE(check.repeat.rule, stored);
    }

    void summary_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("exdates");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("summary");
        QTest::newRow("rent") << "FREQ=MONTHLY;BYMONTHDAY=1" << "" << "" << "Every month on day 1";
        QTest::newRow("start's day") << "FREQ=MONTHLY" << "" << "" << "Every month on day 8";
        QTest::newRow("course") << "FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH" << "" << "" << "Every 2 weeks on Mon, Thu";
        QTest::newRow("last weekday")
            << "FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-1;COUNT=5" << "" << "" << "Last weekday of every month, 5 times";
        QTest::newRow("last Friday") << "FREQ=MONTHLY;BYDAY=-1FR" << "" << "" << "Every month on the last Fri";
        QTest::newRow("last day") << "FREQ=MONTHLY;BYMONTHDAY=-1" << "" << "" << "Every month on the last day";
        QTest::newRow("birthday") << "FREQ=YEARLY" << "" << "" << "Every year on Dec 8";
        QTest::newRow("pill") << "FREQ=DAILY;COUNT=10" << "" << "" << "Every day, 10 times";
        QTest::newRow("until, except, zone")
            << "FREQ=YEARLY;BYMONTH=3;BYDAY=2TU;UNTIL=20300101T235959" << "20270309T090000" << "Europe/Berlin"
            << "Every year on the second Tue in Mar, until 2030-01-01, except 1 date (Europe/Berlin)";
    }
    void summary()
    {
        QFETCH(QString, rule);
        QFETCH(QString, exdates);
        QFETCH(QString, zone);
        QFETCH(QString, summary);
        ReminderRecord record;
        record.Option = OptionRule;
        record.StartDate = QDate(2026, 12, 8);
        record.StartTime = QTime(9, 0);
        record.repeat = std::make_shared<const RepeatRule>(RepeatRule{rule, exdates, {}, zone});
        QCOMPARE(repeatSummary(record), summary);
    }

    // What the editor's dialog can show comes back as the same text; what
    // it cannot is kept as written.
    void dialogParts_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<bool>("shown");
        QTest::newRow("day 1") << "FREQ=MONTHLY;BYMONTHDAY=1" << true;
        QTest::newRow("last day, every 3 months") << "FREQ=MONTHLY;INTERVAL=3;BYMONTHDAY=-1" << true;
        QTest::newRow("second Tuesday until June") << "FREQ=MONTHLY;UNTIL=20270630T235959;BYDAY=2TU" << true;
        QTest::newRow("last weekday, 5 times") << "FREQ=MONTHLY;COUNT=5;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-1" << true;
        QTest::newRow("every 2 weeks on Mon, Thu") << "FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH" << true;
        QTest::newRow("yearly, 10 days") << "FREQ=YEARLY" << true;
        QTest::newRow("pill for 10 days") << "FREQ=DAILY;COUNT=10" << true;
        QTest::newRow("months named") << "FREQ=YEARLY;BYMONTH=3;BYDAY=2TU" << false;
        QTest::newRow("two month days") << "FREQ=MONTHLY;BYMONTHDAY=1,15" << false;
        QTest::newRow("until mid-day") << "FREQ=DAILY;UNTIL=20270630T120000" << false;
        QTest::newRow("week start") << "FREQ=WEEKLY;BYDAY=MO;WKST=SU" << false;
    }
    void dialogParts()
    {
        QFETCH(QString, rule);
        QFETCH(bool, shown);
        const std::optional<RuleParts> parts = RuleParts::fromRule(rule);
        QCOMPARE(parts.has_value(), shown);
        if (parts)
            QCOMPARE(parts->toRule(), rule);
    }
};

QTEST_GUILESS_MAIN(TestRuleText)
#include "test_rule_text.moc"
