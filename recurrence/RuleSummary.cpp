#include "recurrence/RuleSummary.h"

#include "recurrence/LibicalRule.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace vestrona {

using namespace recurrence;

namespace {

// Speaks the summary's words in the user's language or, for what scripts
// read, in English.
class RuleSummary {
    Q_DECLARE_TR_FUNCTIONS(RuleSummary)

public:
    explicit RuleSummary(SummaryLanguage language) : mLanguage(language) {}

    QString operator()(const char *text, int n = -1) const
    {
        if (mLanguage == SummaryLanguage::User)
            return tr(text, nullptr, n);
        QString english = QString::fromUtf8(text);
        return n < 0 ? english : english.replace(QLatin1String("%n"), QString::number(n));
    }
    QString dayName(int monday0) const
    {
        return mLanguage == SummaryLanguage::User ? QLocale().dayName(monday0 + 1, QLocale::ShortFormat)
                                                  : QLatin1String(kWeekdayCodes[monday0]).trimmed();
    }
    QString monthName(int month) const
    {
        return (mLanguage == SummaryLanguage::User ? QLocale() : QLocale::c()).monthName(month, QLocale::ShortFormat);
    }

private:
    SummaryLanguage mLanguage;
};

// "Mon" for libical's Monday (Sunday is 1 there).
QString dayName(const RuleSummary &say, icalrecurrencetype_weekday day)
{
    return say.dayName((int(day) + 5) % 7);
}

QString ordinal(const RuleSummary &say, int n)
{
    switch (n) {
    case 1: return say(QT_TRANSLATE_NOOP("RuleSummary", "first"));
    case 2: return say(QT_TRANSLATE_NOOP("RuleSummary", "second"));
    case 3: return say(QT_TRANSLATE_NOOP("RuleSummary", "third"));
    case 4: return say(QT_TRANSLATE_NOOP("RuleSummary", "fourth"));
    case 5: return say(QT_TRANSLATE_NOOP("RuleSummary", "fifth"));
    case -1: return say(QT_TRANSLATE_NOOP("RuleSummary", "last"));
    case -2: return say(QT_TRANSLATE_NOOP("RuleSummary", "second to last"));
    case -3: return say(QT_TRANSLATE_NOOP("RuleSummary", "third to last"));
    default: return n > 0 ? say(QT_TRANSLATE_NOOP("RuleSummary", "number %1")).arg(n) : say(QT_TRANSLATE_NOOP("RuleSummary", "number %1 from the end")).arg(-n);
    }
}

QString everyUnit(const RuleSummary &say, const icalrecurrencetype &rule)
{
    const int n = rule.interval;
    switch (rule.freq) {
    case ICAL_DAILY_RECURRENCE: return n == 1 ? say(QT_TRANSLATE_NOOP("RuleSummary", "every day")) : say(QT_TRANSLATE_N_NOOP("RuleSummary", "every %n days"), n);
    case ICAL_WEEKLY_RECURRENCE: return n == 1 ? say(QT_TRANSLATE_NOOP("RuleSummary", "every week")) : say(QT_TRANSLATE_N_NOOP("RuleSummary", "every %n weeks"), n);
    case ICAL_MONTHLY_RECURRENCE: return n == 1 ? say(QT_TRANSLATE_NOOP("RuleSummary", "every month")) : say(QT_TRANSLATE_N_NOOP("RuleSummary", "every %n months"), n);
    default: return n == 1 ? say(QT_TRANSLATE_NOOP("RuleSummary", "every year")) : say(QT_TRANSLATE_N_NOOP("RuleSummary", "every %n years"), n);
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
QStringList dayParts(const RuleSummary &say, const icalrecurrencetype &rule, const QDate &start)
{
    QStringList parts;
    const int days = byCount(rule.by_day, ICAL_BY_DAY_SIZE);
    QStringList plain, numbered;
    for (int i = 0; i < days; ++i) {
        const int position = icalrecurrencetype_day_position(rule.by_day[i]);
        const QString name = dayName(say, icalrecurrencetype_day_day_of_week(rule.by_day[i]));
        if (position == 0)
            plain.append(name);
        else
            numbered.append(say(QT_TRANSLATE_NOOP("RuleSummary", "the %1 %2")).arg(ordinal(say, position), name));
    }
    if (!plain.isEmpty())
        parts.append(say(QT_TRANSLATE_NOOP("RuleSummary", "on %1")).arg(plain.join(QStringLiteral(", "))));
    if (!numbered.isEmpty())
        parts.append(say(QT_TRANSLATE_NOOP("RuleSummary", "on %1")).arg(numbered.join(say(QT_TRANSLATE_NOOP("RuleSummary", " and ")))));
    QStringList monthDays;
    for (int i = 0; i < byCount(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE); ++i) {
        const int day = rule.by_month_day[i];
        monthDays.append(day > 0 ? QString::number(day) : say(QT_TRANSLATE_NOOP("RuleSummary", "the %1 day")).arg(ordinal(say, day)));
    }
    if (monthDays.size() == 1 && rule.by_month_day[0] < 0)
        parts.append(say(QT_TRANSLATE_NOOP("RuleSummary", "on %1")).arg(monthDays.first()));
    else if (!monthDays.isEmpty())
        parts.append(say(QT_TRANSLATE_NOOP("RuleSummary", "on day %1")).arg(monthDays.join(QStringLiteral(", "))));
    // With no day named, the rule repeats on the start's day.
    if (parts.isEmpty() && rule.freq == ICAL_MONTHLY_RECURRENCE)
        parts.append(say(QT_TRANSLATE_NOOP("RuleSummary", "on day %1")).arg(start.day()));
    const int months = byCount(rule.by_month, ICAL_BY_MONTH_SIZE);
    if (parts.isEmpty() && months == 0 && rule.freq == ICAL_YEARLY_RECURRENCE)
        parts.append(say(QT_TRANSLATE_NOOP("RuleSummary", "on %1 %2")).arg(say.monthName(start.month())).arg(start.day()));
    QStringList monthNames;
    for (int i = 0; i < months; ++i)
        monthNames.append(say.monthName(icalrecurrencetype_month_month(rule.by_month[i])));
    if (!monthNames.isEmpty())
        parts.append(say(QT_TRANSLATE_NOOP("RuleSummary", "in %1")).arg(monthNames.join(QStringLiteral(", "))));
    return parts;
}

QString ruleText(const RuleSummary &say, const icalrecurrencetype &rule, const QDate &start)
{
    const int setPositions = byCount(rule.by_set_pos, ICAL_BY_SETPOS_SIZE);
    const int days = byCount(rule.by_day, ICAL_BY_DAY_SIZE);
    QString text;
    if (setPositions == 1 && isEveryWeekday(rule, days) && byCount(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE) == 0
        && (rule.freq == ICAL_MONTHLY_RECURRENCE || rule.freq == ICAL_YEARLY_RECURRENCE)) {
        text = say(QT_TRANSLATE_NOOP("RuleSummary", "%1 weekday of %2")).arg(capitalized(ordinal(say, rule.by_set_pos[0])), everyUnit(say, rule));
        if (byCount(rule.by_month, ICAL_BY_MONTH_SIZE) > 0)
            text += u' ' + dayParts(say, rule, start).last();
    } else {
        QStringList parts = dayParts(say, rule, start);
        if (setPositions > 0) {
            QStringList positions;
            for (int i = 0; i < setPositions; ++i)
                positions.append(ordinal(say, rule.by_set_pos[i]));
            parts.append(say(QT_TRANSLATE_NOOP("RuleSummary", "only the %1 of these")).arg(positions.join(QStringLiteral(", "))));
        }
        parts.prepend(capitalized(everyUnit(say, rule)));
        text = parts.join(u' ');
    }
    if (rule.count > 0)
        text += rule.count == 1 ? say(QT_TRANSLATE_NOOP("RuleSummary", ", once")) : say(QT_TRANSLATE_N_NOOP("RuleSummary", ", %n times"), rule.count);
    else if (!icaltime_is_null_time(rule.until))
        text += say(QT_TRANSLATE_NOOP("RuleSummary", ", until %1")).arg(QDate(rule.until.year, rule.until.month, rule.until.day).toString(Qt::ISODate));
    return text;
}

} // namespace

QString repeatSummary(const ReminderRecord &record, SummaryLanguage language)
{
    const RuleSummary say(language);
    const RepeatRule *repeat = record.repeat.get();
    QString text = say(optionSourceText(record.Option));
    if (repeat == nullptr)
        return text;
    if (record.Option == OptionRule) {
        if (const std::optional<icalrecurrencetype> rule = parseRecurrence(repeat->rule))
            text = ruleText(say, *rule, record.StartDate);
        else if (!repeat->rdates.isEmpty())
            text = say(QT_TRANSLATE_NOOP("RuleSummary", "On chosen dates"));
    }
    if (const int leftOut = int(repeat->exdates.count(u',')) + (repeat->exdates.isEmpty() ? 0 : 1))
        text += leftOut == 1 ? say(QT_TRANSLATE_NOOP("RuleSummary", ", except 1 date")) : say(QT_TRANSLATE_N_NOOP("RuleSummary", ", except %n dates"), leftOut);
    if (const int added = int(repeat->rdates.count(u',')) + (repeat->rdates.isEmpty() ? 0 : 1);
        added && record.Option == OptionRule && !repeat->rule.isEmpty())
        text += added == 1 ? say(QT_TRANSLATE_NOOP("RuleSummary", ", and 1 date more")) : say(QT_TRANSLATE_N_NOOP("RuleSummary", ", and %n dates more"), added);
    if (!repeat->zone.isEmpty())
        text += QStringLiteral(" (%1)").arg(repeat->zone);
    return text;
}

} // namespace vestrona
