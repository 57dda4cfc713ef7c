#include "recurrence/RuleCheck.h"

#include "recurrence/LibicalRule.h"
#include "recurrence/RuleOccurrences.h"

#include <QCoreApplication>

namespace vestrona {

using namespace recurrence;

namespace {

constexpr int kMostCount = 100000;

// The free functions' words, under the context translators see.
class Words {
    Q_DECLARE_TR_FUNCTIONS(RuleCheck)
};

// The first part a reminder cannot hold, "" when there is none.
QString unsupportedPart(const icalrecurrencetype &rule)
{
    if (rule.freq != ICAL_DAILY_RECURRENCE && rule.freq != ICAL_WEEKLY_RECURRENCE
        && rule.freq != ICAL_MONTHLY_RECURRENCE && rule.freq != ICAL_YEARLY_RECURRENCE)
        return Words::tr("a repeat more often than every day");
    if (byCount(rule.by_week_no, ICAL_BY_WEEKNO_SIZE) > 0)
        return QStringLiteral("BYWEEKNO");
    if (byCount(rule.by_year_day, ICAL_BY_YEARDAY_SIZE) > 0)
        return QStringLiteral("BYYEARDAY");
    if (byCount(rule.by_hour, ICAL_BY_HOUR_SIZE) > 0)
        return QStringLiteral("BYHOUR");
    if (byCount(rule.by_minute, ICAL_BY_MINUTE_SIZE) > 0)
        return QStringLiteral("BYMINUTE");
    if (byCount(rule.by_second, ICAL_BY_SECOND_SIZE) > 0)
        return QStringLiteral("BYSECOND");
    if (rule.rscale != nullptr)
        return QStringLiteral("RSCALE");
    return {};
}

// The end as the zone's wall clock, written floating; false for an end that
// does not exist (libical reads the 40th of the 13th month as it stands).
bool untilToWallClock(icalrecurrencetype &rule, const QTimeZone &zone)
{
    if (icaltime_is_null_time(rule.until))
        return true;
    if (!QDate(rule.until.year, rule.until.month, rule.until.day).isValid()
        || (!rule.until.is_date && !QTime(rule.until.hour, rule.until.minute, rule.until.second).isValid()))
        return false;
    if (rule.until.is_date) {
        rule.until.is_date = 0;
        rule.until.hour = 23;
        rule.until.minute = 59;
        rule.until.second = 59;
        return true;
    }
    if (!icaltime_is_utc(rule.until))
        return true;
    const QDateTime utc(QDate(rule.until.year, rule.until.month, rule.until.day),
                        QTime(rule.until.hour, rule.until.minute, rule.until.second), QTimeZone::utc());
    if (!utc.isValid())
        return false;
    const QDateTime wall = utc.toTimeZone(zone);
    rule.until = floatingTime(wall.date(), wall.time());
    return true;
}

} // namespace

QTimeZone reminderZone(const RepeatRule *repeat)
{
    if (repeat == nullptr || repeat->zone.isEmpty())
        return QTimeZone::systemTimeZone();
    return QTimeZone(repeat->zone.toUtf8());
}

RuleCheck checkRule(QStringView rrule, const QDate &date, const QTime &time, const QString &zoneId)
{
    RuleCheck check;
    check.repeat.zone = zoneId;
    if (!zoneId.isEmpty() && !QTimeZone(zoneId.toUtf8()).isValid()) {
        check.error = Words::tr("The time zone %1 is not known on this computer.").arg(zoneId);
        return check;
    }
    if (!date.isValid() || !time.isValid()) {
        check.error = Words::tr("The rule needs a valid start date and time.");
        return check;
    }
    std::optional<icalrecurrencetype> rule = parseRecurrence(rrule.trimmed());
    if (!rule) {
        check.error = Words::tr("\"%1\" is not a repeat rule that can be read.").arg(rrule);
        return check;
    }
    const QString unsupported = unsupportedPart(*rule);
    if (!unsupported.isEmpty()) {
        check.error = Words::tr("The rule \"%1\" uses %2, which a reminder cannot hold.").arg(rrule, unsupported);
        return check;
    }
    if (rule->count < 0 || rule->count > kMostCount || rule->interval < 1) {
        check.error = Words::tr("The rule \"%1\" has a count or interval out of range.").arg(rrule);
        return check;
    }
    if (!untilToWallClock(*rule, reminderZone(&check.repeat))) {
        check.error = Words::tr("The rule \"%1\" ends at a time that does not exist.").arg(rrule);
        return check;
    }
    check.repeat.rule = recurrenceText(*rule);
    // libical refuses some impossible rules (the 30th of February) and
    // searches long for others (the 31st of April): neither ever rings.
    if (!RuleOccurrences(date, time, check.repeat).next()) {
        check.error = Words::tr("The rule \"%1\" never falls on a date.").arg(rrule);
        check.repeat.rule.clear();
    }
    return check;
}

RuleCheck checkRepeat(const RepeatRule &repeat, const QDate &date, const QTime &time)
{
    RuleCheck check;
    if (!repeat.rule.isEmpty())
        check = checkRule(repeat.rule, date, time, repeat.zone);
    else if (!repeat.zone.isEmpty() && !QTimeZone(repeat.zone.toUtf8()).isValid())
        check.error = QCoreApplication::translate("RuleCheck", "The time zone %1 is not known on this computer.")
                          .arg(repeat.zone);
    else
        check.repeat.zone = repeat.zone;
    if (!check.error.isEmpty())
        return check;
    const std::optional<std::vector<qint64>> exdates = parseDateList(repeat.exdates);
    const std::optional<std::vector<qint64>> rdates = parseDateList(repeat.rdates);
    if (!exdates || !rdates) {
        check.error = QCoreApplication::translate("RuleCheck", "A date left out or added is not a valid date and time.");
        return check;
    }
    check.repeat.exdates = dateListText(*exdates);
    check.repeat.rdates = dateListText(*rdates);
    return check;
}

} // namespace vestrona
