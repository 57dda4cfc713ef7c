#include "formats/ICalendarEntryChecks.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <cstdlib>

namespace vestrona::icalendarchecks {

namespace {

// The reader's words, under the context translators see.
class Words {
    Q_DECLARE_TR_FUNCTIONS(ICalendarReader)
};

// libical works out a zone's changes from its rules, from the first one to
// the year asked for. A served or imported zone whose rule repeats every
// second would make that millions of changes; real zones change a few times
// a year, so a zone whose rule changes more often is refused before libical
// expands it.
constexpr int kMostZoneChangesAYear = 12;
// Changes listed one by one (RDATE) are each worked out too; a real zone's
// history since 1900 lists a few hundred at most.
constexpr int kMostListedZoneChanges = 1000;

// Real zones lie within 14 hours of UTC; libical takes any offset and would
// move an event by days.
constexpr int kLargestZoneOffsetSeconds = 24 * 3600;

// Why an offset of a zone's part is not taken, or nothing.
QString offsetProblem(icalcomponent *part, const QString &name)
{
    for (const icalproperty_kind kind : {ICAL_TZOFFSETFROM_PROPERTY, ICAL_TZOFFSETTO_PROPERTY}) {
        icalproperty *offset = icalcomponent_get_first_property(part, kind);
        const int seconds = !offset ? 0
            : kind == ICAL_TZOFFSETFROM_PROPERTY ? icalproperty_get_tzoffsetfrom(offset)
                                                 : icalproperty_get_tzoffsetto(offset);
        if (std::abs(seconds) > kLargestZoneOffsetSeconds)
            return Words::tr("its time zone \"%1\" lies more than 24 hours away from UTC, which no real zone does")
                .arg(name);
    }
    return {};
}

} // namespace

QString unsupportedProblem(const icalrecurrencetype &rule)
{
    switch (rule.freq) {
    case ICAL_DAILY_RECURRENCE:
    case ICAL_WEEKLY_RECURRENCE:
    case ICAL_MONTHLY_RECURRENCE:
    case ICAL_YEARLY_RECURRENCE:
        break;
    default:
        return Words::tr("it repeats %1, which a reminder cannot")
            .arg(QString::fromLatin1(icalrecur_freq_to_string(rule.freq)).toLower());
    }
    const std::pair<const short *, const char *> others[] = {{rule.by_second, "BYSECOND"}, {rule.by_minute, "BYMINUTE"},
                                                             {rule.by_hour, "BYHOUR"}, {rule.by_year_day, "BYYEARDAY"},
                                                             {rule.by_week_no, "BYWEEKNO"}};
    for (const auto &[values, name] : others) {
        if (values[0] != ICAL_RECURRENCE_ARRAY_MAX)
            return Words::tr("its rule picks days by %1").arg(QString::fromLatin1(name));
    }
    if (rule.rscale && *rule.rscale)
        return Words::tr("its rule counts in another calendar (RSCALE)");
    return {};
}

bool isPlainDailyOrWeekly(const icalrecurrencetype &rule)
{
    if (rule.freq != ICAL_DAILY_RECURRENCE && rule.freq != ICAL_WEEKLY_RECURRENCE)
        return false;
    if (rule.interval > 1 || rule.count > 0 || !icaltime_is_null_time(rule.until))
        return false;
    for (const short *values : {rule.by_second, rule.by_minute, rule.by_hour, rule.by_month_day, rule.by_year_day,
                                rule.by_week_no, rule.by_month, rule.by_set_pos}) {
        if (values[0] != ICAL_RECURRENCE_ARRAY_MAX)
            return false;
    }
    for (int i = 0; i < ICAL_BY_DAY_SIZE && rule.by_day[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        if (icalrecurrencetype_day_position(rule.by_day[i]) != 0)
            return false;
    }
    return !(rule.rscale && *rule.rscale);
}

int ruleWeekdayBits(const icalrecurrencetype &rule, const QDate &sourceDate)
{
    if (rule.by_day[0] == ICAL_RECURRENCE_ARRAY_MAX)
        return 1 << (sourceDate.dayOfWeek() - 1);
    int bits = 0;
    for (int i = 0; i < ICAL_BY_DAY_SIZE && rule.by_day[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        // libical counts Sunday 1 .. Saturday 7.
        const int sundayFirst = int(icalrecurrencetype_day_day_of_week(rule.by_day[i]));
        bits |= 1 << ((sundayFirst + 5) % 7);
    }
    return bits;
}

int rotated(int bits, int shift)
{
    const int by = ((shift % 7) + 7) % 7;
    return ((bits << by) | (bits >> (7 - by))) & 0x7F;
}

QString knownZoneId(icaltimezone *zone)
{
    if (zone == icaltimezone_get_utc_timezone())
        return QStringLiteral("UTC");
    const QByteArray location(icaltimezone_get_location(zone));
    const QByteArray tzid(icaltimezone_get_tzid(zone));
    for (const QByteArray &id : {location, tzid, QTimeZone::windowsIdToDefaultIanaId(tzid)}) {
        if (!id.isEmpty() && QTimeZone::isTimeZoneIdAvailable(id))
            return QString::fromUtf8(id);
    }
    return {};
}

bool isSystemZone(icaltimezone *zone, const QByteArray &system)
{
    if (zone == icaltimezone_get_utc_timezone())
        return system == "UTC";
    // Copied at once: asking libical for the TZID may free the location.
    const QByteArray location(icaltimezone_get_location(zone));
    const QByteArray tzid(icaltimezone_get_tzid(zone));
    return system == location || system == tzid || tzid.endsWith("/" + system);
}

QString zoneProblem(icalcomponent *vtimezone, const QString &name)
{
    const QString tooOften =
        Words::tr("its time zone \"%1\" changes its offset more than %2 times a year, which no real zone does")
            .arg(name)
            .arg(kMostZoneChangesAYear);
    int listedChanges = 0;
    for (icalcomponent *part = icalcomponent_get_first_component(vtimezone, ICAL_ANY_COMPONENT); part;
         part = icalcomponent_get_next_component(vtimezone, ICAL_ANY_COMPONENT)) {
        listedChanges += icalcomponent_count_properties(part, ICAL_RDATE_PROPERTY);
        if (listedChanges > kMostListedZoneChanges)
            return Words::tr("its time zone \"%1\" lists more than %2 changes of its offset, which no real zone does")
                .arg(name)
                .arg(kMostListedZoneChanges);
        // A zone is nothing but its offsets and rules: any line of it that
        // libical could not read changes the times.
        if (icalproperty *error = icalcomponent_get_first_property(part, ICAL_XLICERROR_PROPERTY))
            return Words::tr("a line of its time zone \"%1\" cannot be read (%2)")
                .arg(name, QString::fromUtf8(icalproperty_get_xlicerror(error)));
        if (const QString problem = offsetProblem(part, name); !problem.isEmpty())
            return problem;
        const icaltimetype start = icalcomponent_get_dtstart(part);
        for (icalproperty *rrule = icalcomponent_get_first_property(part, ICAL_RRULE_PROPERTY); rrule;
             rrule = icalcomponent_get_next_property(part, ICAL_RRULE_PROPERTY)) {
            const icalrecurrencetype rule = icalproperty_get_rrule(rrule);
            // Not even counted: stepping a rule like that to a date it never
            // meets can itself take minutes.
            if (rule.freq < ICAL_WEEKLY_RECURRENCE)
                return tooOften;
            if (icaltime_is_null_time(start))
                continue;
            icaltimetype yearLater = start;
            yearLater.year += 1;
            // A rule libical cannot step through gives it no changes either.
            icalrecur_iterator *changes = icalrecur_iterator_new(rule, start);
            if (!changes)
                continue;
            int count = 0;
            for (icaltimetype next = icalrecur_iterator_next(changes);
                 !icaltime_is_null_time(next) && icaltime_compare(next, yearLater) < 0 && count <= kMostZoneChangesAYear;
                 next = icalrecur_iterator_next(changes))
                ++count;
            icalrecur_iterator_free(changes);
            if (count > kMostZoneChangesAYear)
                return tooOften;
        }
    }
    return {};
}

} // namespace vestrona::icalendarchecks
