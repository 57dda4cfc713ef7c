#include "recurrence/RuleSummary.h"

#include "recurrence/LibicalRule.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace vestrona {

using namespace recurrence;

namespace {

QString tr(const char *text, int n = -1)
{
    return QCoreApplication::translate("RuleSummary", text, nullptr, n);
}

// "Mon" for libical's Monday (Sunday is 1 there).
QString dayName(icalrecurrencetype_weekday day)
{
    return QLatin1String(kWeekdayCodes[(int(day) + 5) % 7]).trimmed();
}

QString ordinal(int n)
{
    switch (n) {
    case 1: return tr("first");
    case 2: return tr("second");
    case 3: return tr("third");
    case 4: return tr("fourth");
    case 5: return tr("fifth");
    case -1: return tr("last");
    case -2: return tr("second to last");
    case -3: return tr("third to last");
    default: return n > 0 ? tr("number %1").arg(n) : tr("number %1 from the end").arg(-n);
    }
}

QString everyUnit(const icalrecurrencetype &rule)
{
    const int n = rule.interval;
    switch (rule.freq) {
    case ICAL_DAILY_RECURRENCE: return n == 1 ? tr("every day") : tr("every %n days", n);
    case ICAL_WEEKLY_RECURRENCE: return n == 1 ? tr("every week") : tr("every %n weeks", n);
    case ICAL_MONTHLY_RECURRENCE: return n == 1 ? tr("every month") : tr("every %n months", n);
    default: return n == 1 ? tr("every year") : tr("every %n years", n);
    }
}

bool isEveryWeekday(const icalrecurrencetype &rule, int days)
{
    if (days != 5)
        return false;
    int mask = 0;
    for (int i = 0; i < days; ++i) {
        if (icalrecurrencetype_day_position(rule.by_day[i]) != 0)
            return false;
        mask |= 1 << int(icalrecurrencetype_day_day_of_week(rule.by_day[i]));
    }
    const int weekdays = (1 << ICAL_MONDAY_WEEKDAY) | (1 << ICAL_TUESDAY_WEEKDAY) | (1 << ICAL_WEDNESDAY_WEEKDAY)
        | (1 << ICAL_THURSDAY_WEEKDAY) | (1 << ICAL_FRIDAY_WEEKDAY);
    return mask == weekdays;
}

QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// "on Mon, Thu", "on the last Fri", "on day 1, 15", "on the last day".
QStringList dayParts(const icalrecurrencetype &rule, const QDate &start)
{
    QStringList parts;
    const int days = byCount(rule.by_day, ICAL_BY_DAY_SIZE);
    QStringList plain, numbered;
    for (int i = 0; i < days; ++i) {
        const int position = icalrecurrencetype_day_position(rule.by_day[i]);
        const QString name = dayName(icalrecurrencetype_day_day_of_week(rule.by_day[i]));
        if (position == 0)
            plain.append(name);
        else
            numbered.append(tr("the %1 %2").arg(ordinal(position), name));
    }
    if (!plain.isEmpty())
        parts.append(tr("on %1").arg(plain.join(QStringLiteral(", "))));
    if (!numbered.isEmpty())
        parts.append(tr("on %1").arg(numbered.join(tr(" and "))));
    QStringList monthDays;
    for (int i = 0; i < byCount(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE); ++i) {
        const int day = rule.by_month_day[i];
        monthDays.append(day > 0 ? QString::number(day) : tr("the %1 day").arg(ordinal(day)));
    }
    if (monthDays.size() == 1 && rule.by_month_day[0] < 0)
        parts.append(tr("on %1").arg(monthDays.first()));
    else if (!monthDays.isEmpty())
        parts.append(tr("on day %1").arg(monthDays.join(QStringLiteral(", "))));
    // With no day named, the rule repeats on the start's day.
    if (parts.isEmpty() && rule.freq == ICAL_MONTHLY_RECURRENCE)
        parts.append(tr("on day %1").arg(start.day()));
    const int months = byCount(rule.by_month, ICAL_BY_MONTH_SIZE);
    if (parts.isEmpty() && months == 0 && rule.freq == ICAL_YEARLY_RECURRENCE)
        parts.append(tr("on %1").arg(QLocale::c().toString(start, QStringLiteral("MMM d"))));
    QStringList monthNames;
    for (int i = 0; i < months; ++i)
        monthNames.append(QLocale::c().monthName(icalrecurrencetype_month_month(rule.by_month[i]), QLocale::ShortFormat));
    if (!monthNames.isEmpty())
        parts.append(tr("in %1").arg(monthNames.join(QStringLiteral(", "))));
    return parts;
}

QString ruleText(const icalrecurrencetype &rule, const QDate &start)
{
    const int setPositions = byCount(rule.by_set_pos, ICAL_BY_SETPOS_SIZE);
    const int days = byCount(rule.by_day, ICAL_BY_DAY_SIZE);
    QString text;
    if (setPositions == 1 && isEveryWeekday(rule, days) && byCount(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE) == 0
        && (rule.freq == ICAL_MONTHLY_RECURRENCE || rule.freq == ICAL_YEARLY_RECURRENCE)) {
        text = tr("%1 weekday of %2").arg(capitalized(ordinal(rule.by_set_pos[0])), everyUnit(rule));
        if (byCount(rule.by_month, ICAL_BY_MONTH_SIZE) > 0)
            text += u' ' + dayParts(rule, start).last();
    } else {
        QStringList parts = dayParts(rule, start);
        if (setPositions > 0) {
            QStringList positions;
            for (int i = 0; i < setPositions; ++i)
                positions.append(ordinal(rule.by_set_pos[i]));
            parts.append(tr("only the %1 of these").arg(positions.join(QStringLiteral(", "))));
        }
        parts.prepend(capitalized(everyUnit(rule)));
        text = parts.join(u' ');
    }
    if (rule.count > 0)
        text += rule.count == 1 ? tr(", once") : tr(", %n times", rule.count);
    else if (!icaltime_is_null_time(rule.until))
        text += tr(", until %1").arg(QDate(rule.until.year, rule.until.month, rule.until.day).toString(Qt::ISODate));
    return text;
}

} // namespace

QString repeatSummary(const ReminderRecord &record)
{
    const RepeatRule *repeat = record.repeat.get();
    if (repeat == nullptr)
        return optionText(record.Option);
    QString text = optionText(record.Option);
    if (record.Option == OptionRule) {
        if (const std::optional<icalrecurrencetype> rule = parseRecurrence(repeat->rule))
            text = ruleText(*rule, record.StartDate);
        else if (!repeat->rdates.isEmpty())
            text = tr("On chosen dates");
    }
    if (const int leftOut = int(repeat->exdates.count(u',')) + (repeat->exdates.isEmpty() ? 0 : 1))
        text += leftOut == 1 ? tr(", except 1 date") : tr(", except %n dates", leftOut);
    if (const int added = int(repeat->rdates.count(u',')) + (repeat->rdates.isEmpty() ? 0 : 1);
        added && record.Option == OptionRule && !repeat->rule.isEmpty())
        text += added == 1 ? tr(", and 1 date more") : tr(", and %n dates more", added);
    if (!repeat->zone.isEmpty())
        text += QStringLiteral(" (%1)").arg(repeat->zone);
    return text;
}

} // namespace vestrona
