#include "recurrence/RuleParts.h"

#include "recurrence/LibicalRule.h"

#include <QStringList>

namespace vestrona {

using namespace recurrence;

namespace {

constexpr const char *kDays[7] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};
constexpr const char *kFrequencies[4] = {"DAILY", "WEEKLY", "MONTHLY", "YEARLY"};

// Monday 0 for libical's weekday (Sunday 1).
int mondayFirst(icalrecurrencetype_weekday day)
{
    return (int(day) + 5) % 7;
}

} // namespace

QString RuleParts::toRule() const
{
    QStringList parts{QStringLiteral("FREQ=") + QLatin1String(kFrequencies[int(unit)])};
    if (interval > 1)
        parts.append(QStringLiteral("INTERVAL=%1").arg(interval));
    if (unit == Unit::Weeks && weekdays != 0) {
        QStringList days;
        for (int day = 0; day < 7; ++day) {
            if (weekdays & (1 << day))
                days.append(QLatin1String(kDays[day]));
        }
        parts.append(QStringLiteral("BYDAY=") + days.join(u','));
    }
    if (unit == Unit::Months) {
        if (monthDay != 0)
            parts.append(QStringLiteral("BYMONTHDAY=%1").arg(monthDay));
        else if (ordinal != 0 && weekday == kAnyWeekday)
            parts.append(QStringLiteral("BYDAY=MO,TU,WE,TH,FR;BYSETPOS=%1").arg(ordinal));
        else if (ordinal != 0)
            parts.append(QStringLiteral("BYDAY=%1%2").arg(ordinal).arg(QLatin1String(kDays[weekday])));
    }
    if (end == End::AfterCount)
        parts.append(QStringLiteral("COUNT=%1").arg(count));
    else if (end == End::OnDate)
        parts.append(QStringLiteral("UNTIL=") + until.toString(QStringLiteral("yyyyMMdd'T235959'")));
    // As libical writes it, so that the text compares with what is stored.
    const std::optional<icalrecurrencetype> rule = parseRecurrence(parts.join(u';'));
    return rule ? recurrenceText(*rule) : parts.join(u';');
}

std::optional<RuleParts> RuleParts::fromRule(const QString &text)
{
    const std::optional<icalrecurrencetype> rule = parseRecurrence(text);
    if (!rule || rule->freq < ICAL_DAILY_RECURRENCE || rule->freq > ICAL_YEARLY_RECURRENCE)
        return std::nullopt;
    RuleParts parts;
    parts.unit = Unit(int(rule->freq) - int(ICAL_DAILY_RECURRENCE));
    parts.interval = rule->interval;
    const int days = byCount(rule->by_day, ICAL_BY_DAY_SIZE);
    const int monthDays = byCount(rule->by_month_day, ICAL_BY_MONTHDAY_SIZE);
    const int setPositions = byCount(rule->by_set_pos, ICAL_BY_SETPOS_SIZE);
    // A yearly rule the dialog shows falls on the start's day.
    const bool monthly = parts.unit == Unit::Months;
    if (parts.unit == Unit::Years && (days > 0 || monthDays > 0))
        return std::nullopt;
    if (monthDays > 1 || (monthDays == 1 && (!monthly || days > 0)) || setPositions > 1
        || byCount(rule->by_month, ICAL_BY_MONTH_SIZE) > 0)
        return std::nullopt;
    if (monthDays == 1)
        parts.monthDay = rule->by_month_day[0];
    if (setPositions == 1) {
        parts.ordinal = rule->by_set_pos[0];
        parts.weekday = kAnyWeekday;
    } else if (days > 0 && monthly) {
        if (days != 1 || icalrecurrencetype_day_position(rule->by_day[0]) == 0)
            return std::nullopt;
        parts.ordinal = icalrecurrencetype_day_position(rule->by_day[0]);
        parts.weekday = mondayFirst(icalrecurrencetype_day_day_of_week(rule->by_day[0]));
    } else if (days > 0) {
        if (parts.unit != Unit::Weeks)
            return std::nullopt;
        for (int i = 0; i < days; ++i) {
            if (icalrecurrencetype_day_position(rule->by_day[i]) != 0)
                return std::nullopt;
            parts.weekdays |= 1 << mondayFirst(icalrecurrencetype_day_day_of_week(rule->by_day[i]));
        }
    }
    if (rule->count > 0) {
        parts.end = End::AfterCount;
        parts.count = rule->count;
    } else if (!icaltime_is_null_time(rule->until)) {
        parts.end = End::OnDate;
        parts.until = QDate(rule->until.year, rule->until.month, rule->until.day);
    }
    // Anything the parts do not say (WKST, an UNTIL before the day's end, the
    // weekday set of "any weekday" spelt otherwise) keeps the rule as written.
    if (parts.toRule() != recurrenceText(*rule))
        return std::nullopt;
    return parts;
}

} // namespace vestrona
