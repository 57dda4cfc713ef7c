#include "formats/ICalendar.h"

#include "core/AppError.h"
#include "core/RegularFile.h"
#include "formats/ICalendarEntryChecks.h"
#include "formats/ICalendarLines.h"
#include "formats/LibicalComponent.h"
#include "recurrence/RuleCheck.h"
#include "recurrence/WallDates.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>

namespace vestrona {

using namespace icalendarchecks;

namespace {

// The reader's words, under the context translators see.
class Words {
    Q_DECLARE_TR_FUNCTIONS(ICalendarReader)
};

// Why one entry of a calendar is left out; the rest of the file is read on.
class LeftOut final : public AppError {
public:
    using AppError::AppError;
};

struct Occurrence {
    QDate date;
    QTime time;
    // Days the local date lies after the date in the file's own zone: a
    // weekly rule's days move with it.
    int dayShift = 0;
    // The zone the date and time are wall clock in, when it is not the
    // system's: a zone this computer knows by name is kept, not converted.
    QString zone = {};
};

class CalendarReader {
public:
    explicit CalendarReader(ICalendarContent &content) : mContent(content) {}

    void readCalendar(icalcomponent *calendar);
    // One VEVENT or VTODO, its zones looked up in `calendar`.
    void readComponent(icalcomponent *calendar, icalcomponent *component);

private:
    // Throws LeftOut with the reason a component is left out.
    // `repeats` keeps a time in UTC as UTC, since a rule repeats it there.
    Occurrence occurrence(icalcomponent *calendar, icalproperty *when, bool repeats) const;
    Occurrence occurrence(icalcomponent *calendar, icaltimetype t, icalproperty *when, bool repeats) const;
    // The date and time as the reminder holds them, its year not checked.
    Occurrence wallClock(icalcomponent *calendar, icaltimetype t, icalproperty *when, bool repeats) const;
    void applyRule(icalcomponent *calendar, icalcomponent *component, const Occurrence &at, ReminderValues &values) const;
    // The dates of every EXDATE or RDATE line as the start's wall clock.
    QString listedDates(icalcomponent *calendar, icalcomponent *component, icalproperty_kind kind,
                        const Occurrence &at) const;
    // Throws zoneProblem's reason for a zone the calendar defines, asked once a zone.
    void requireUsableZone(icaltimezone *zone, const QString &name) const;

    ICalendarContent &mContent;
    mutable std::map<icaltimezone *, QString> mZoneProblems;
    // Asked once: finding it reads the system's zone files.
    const QByteArray mSystemZone = QTimeZone::systemTimeZoneId();
};

// What a reminder is made of; a line of any other property that libical
// cannot read (an empty DESCRIPTION, as most calendars write one) is no
// reason to leave an entry out.
const QStringList kPropertiesUsed{QStringLiteral("DTSTART"), QStringLiteral("DUE"), QStringLiteral("RRULE"),
                                  QStringLiteral("EXRULE"), QStringLiteral("RDATE"), QStringLiteral("EXDATE"),
                                  QStringLiteral("RECURRENCE-ID"), QStringLiteral("SUMMARY"), QStringLiteral("STATUS"),
                                  QStringLiteral("COMPLETED"),
                                  // A zone parameter libical could not read
                                  // is named without its property, and
                                  // without it the time would be floating.
                                  QStringLiteral("TZID")};

// The property a libical error is about: "No value for DESCRIPTION
// property", "Can't parse as DATE-TIME value in DTSTART property", "Invalid
// VALUE type for property DTSTART", or else the line or parameter it could
// not read, after a colon.
QString propertyOfError(const QString &error)
{
    static const QRegularExpression named(QStringLiteral(" ([A-Z][A-Z0-9-]*) property|property ([A-Z][A-Z0-9-]*)"));
    if (const QRegularExpressionMatch match = named.match(error); match.hasMatch())
        return match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    const qsizetype colon = error.indexOf(QLatin1String(": "));
    static const QRegularExpression leading(QStringLiteral("^\\s*([A-Za-z0-9-]+)"));
    const QRegularExpressionMatch match = leading.match(colon < 0 ? error : error.mid(colon + 2));
    return match.hasMatch() ? match.captured(1).toUpper() : QString();
}

// The property names of the lines too long to be read.
QStringList overlongLines(icalcomponent *component)
{
    QStringList names;
    for (icalproperty *note = icalcomponent_get_first_property(component, ICAL_X_PROPERTY); note;
         note = icalcomponent_get_next_property(component, ICAL_X_PROPERTY)) {
        if (std::strcmp(icalproperty_get_x_name(note), kOverlongNote) == 0)
            names << QString::fromUtf8(icalproperty_get_x(note));
    }
    return names;
}

// The start of an overlong message, whole characters only, to name its entry by.
QString messageStart(QByteArrayView text)
{
    QString shown = QString::fromUtf8(text.first(std::min<qsizetype>(text.size(), 160))).left(40);
    while (shown.endsWith(QChar::ReplacementCharacter))
        shown.chop(1);
    return shown + QStringLiteral("...");
}

// Throws LeftOut for a line of what a reminder is made of that libical
// could not read, or that was too long to be read: without it the reminder
// would be another.
void requireReadableLines(icalcomponent *component)
{
    for (const QString &name : overlongLines(component)) {
        if (kPropertiesUsed.contains(name))
            throw LeftOut(Words::tr("its %1 line is longer than %2 KB").arg(name).arg(kLongestLineBytes / 1024));
    }
    for (icalproperty *error = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY); error;
         error = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY)) {
        const QString text = QString::fromUtf8(icalproperty_get_xlicerror(error));
        // An empty SUMMARY is an empty message.
        if (text.startsWith(QLatin1String("No value for SUMMARY ")))
            continue;
        if (kPropertiesUsed.contains(propertyOfError(text)))
            throw LeftOut(Words::tr("a line of it cannot be read (%1)").arg(text));
    }
}

// libical reads a year before 1 as it stands and a zone may move the last
// hours of 9999 into the year 10000; a reminder holds the years 1 to 9999.
void requireHoldable(const QDate &date)
{
    if (date.year() < 1 || date.year() > 9999)
        throw LeftOut(Words::tr("its year %1 lies outside the years 1 to 9999").arg(date.year()));
}

// Throws LeftOut for an entry that is over: it must not ring.
void requireOpen(icalcomponent *component, bool todo)
{
    const icalproperty_status status = icalcomponent_get_status(component);
    if (status == ICAL_STATUS_CANCELLED)
        throw LeftOut(Words::tr("it is cancelled (STATUS:CANCELLED)"));
    if (todo && (status == ICAL_STATUS_COMPLETED || icalcomponent_get_first_property(component, ICAL_COMPLETED_PROPERTY)))
        throw LeftOut(Words::tr("it is done (COMPLETED)"));
}

// The calendar's own lines (its name, its description) make no reminder, so
// errors in them leave nothing out.
void CalendarReader::readCalendar(icalcomponent *calendar)
{
    for (icalcomponent *c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
        const icalcomponent_kind kind = icalcomponent_isa(c);
        if (kind == ICAL_VEVENT_COMPONENT || kind == ICAL_VTODO_COMPONENT)
            readComponent(calendar, c);
    }
}

void CalendarReader::readComponent(icalcomponent *calendar, icalcomponent *component)
{
    const bool todo = icalcomponent_isa(component) == ICAL_VTODO_COMPONENT;
    const char *summary = icalcomponent_get_summary(component);
    const QByteArrayView message(summary ? summary : "");
    const bool overlong = message.size() > kLongestMessageBytes || overlongLines(component).contains(QLatin1String("SUMMARY"));
    ReminderValues values;
    values.message = overlong ? messageStart(message)
                              : QString::fromUtf8(message)
                                    .replace(QLatin1Char(kGuardedSpace), QLatin1Char(' '))
                                    .replace(QLatin1Char(kGuardedTab), QLatin1Char('\t'));
    try {
        if (overlong)
            throw LeftOut(Words::tr("its message is longer than %1 KB").arg(kLongestMessageBytes / 1024));
        requireReadableLines(component);
        requireOpen(component, todo);
        if (icalcomponent_get_first_property(component, ICAL_RECURRENCEID_PROPERTY))
            throw LeftOut(Words::tr("it changes one time of another event (RECURRENCE-ID)"));
        icalproperty *when = icalcomponent_get_first_property(component, todo ? ICAL_DUE_PROPERTY : ICAL_DTSTART_PROPERTY);
        if (!when)
            throw LeftOut(todo ? Words::tr("it has no due time (DUE)")
                               : Words::tr("it has no start (DTSTART)"));
        const bool repeats = icalcomponent_get_first_property(component, ICAL_RRULE_PROPERTY)
                             || icalcomponent_get_first_property(component, ICAL_RDATE_PROPERTY);
        const Occurrence at = occurrence(calendar, when, repeats);
        values.date = at.date;
        values.time = at.time;
        applyRule(calendar, component, at, values);
    } catch (const LeftOut &reason) {
        mContent.leftOut.append({values.message, reason.description()});
        return;
    }
    mContent.reminders.push_back(std::move(values));
}

Occurrence CalendarReader::occurrence(icalcomponent *calendar, icalproperty *when, bool repeats) const
{
    return occurrence(calendar, icalvalue_get_datetime(icalproperty_get_value(when)), when, repeats);
}

Occurrence CalendarReader::occurrence(icalcomponent *calendar, icaltimetype t, icalproperty *when, bool repeats) const
{
    Occurrence held = wallClock(calendar, t, when, repeats);
    requireHoldable(held.date);
    return held;
}

Occurrence CalendarReader::wallClock(icalcomponent *calendar, icaltimetype t, icalproperty *when, bool repeats) const
{
    // libical calls a time after the year 3000 invalid; the dates below
    // are checked for what a reminder can hold instead.
    if (icaltime_is_null_time(t))
        throw LeftOut(Words::tr("its time is not a valid date and time"));
    const QDate sourceDate(t.year, t.month, t.day);
    if (!sourceDate.isValid())
        throw LeftOut(Words::tr("its date %1-%2-%3 does not exist").arg(t.year).arg(t.month).arg(t.day));
    if (t.is_date)
        return {sourceDate, QTime(0, 0), 0};
    const QTime sourceTime(t.hour, t.minute, t.second);
    if (!sourceTime.isValid())
        throw LeftOut(Words::tr("its time %1:%2:%3 does not exist").arg(t.hour).arg(t.minute).arg(t.second));

    icaltimezone *zone = icaltime_is_utc(t) ? icaltimezone_get_utc_timezone() : nullptr;
    if (icalparameter *tzid = icalproperty_get_first_parameter(when, ICAL_TZID_PARAMETER)) {
        const char *name = icalparameter_get_tzid(tzid);
        zone = icalcomponent_get_timezone(calendar, name);
        if (zone)
            requireUsableZone(zone, QString::fromUtf8(name));
        if (!zone)
            zone = icaltimezone_get_builtin_timezone_from_tzid(name);
        if (!zone)
            zone = icaltimezone_get_builtin_timezone(name);
        if (!zone)
            throw LeftOut(Words::tr("its time zone \"%1\" is unknown").arg(QString::fromUtf8(name)));
    }
    // A time in the system's own zone is already the wall-clock time, even
    // one that daylight saving skips.
    if (!zone || isSystemZone(zone, mSystemZone))
        return {sourceDate, sourceTime, 0};
    if (zone == icaltimezone_get_utc_timezone() ? repeats : true) {
        const QString known = knownZoneId(zone);
        if (known.toUtf8() == mSystemZone)
            return {sourceDate, sourceTime, 0};
        if (!known.isEmpty())
            return {sourceDate, sourceTime, 0, known};
        // Converted at one time, a repeat would ring off by the difference
        // of the two zones' clock changes.
        if (repeats)
            throw LeftOut(Words::tr("its time zone \"%1\" is not one this computer knows, so it cannot repeat by it")
                              .arg(QString::fromUtf8(icaltimezone_get_tzid(zone))));
    }
    t.zone = zone;
    const icaltimetype utc = icaltime_convert_to_zone(t, icaltimezone_get_utc_timezone());
    const QDateTime local =
        QDateTime(QDate(utc.year, utc.month, utc.day), QTime(utc.hour, utc.minute, utc.second), QTimeZone::utc()).toLocalTime();
    if (!local.isValid())
        throw LeftOut(Words::tr("its time cannot be turned into a local time"));
    return {local.date(), local.time(), int(sourceDate.daysTo(local.date()))};
}

void CalendarReader::requireUsableZone(icaltimezone *zone, const QString &name) const
{
    auto known = mZoneProblems.find(zone);
    if (known == mZoneProblems.end())
        known = mZoneProblems.emplace(zone, zoneProblem(icaltimezone_get_component(zone), name)).first;
    if (!known->second.isEmpty())
        throw LeftOut(known->second);
}

void CalendarReader::applyRule(icalcomponent *calendar, icalcomponent *component, const Occurrence &at,
                               ReminderValues &values) const
{
    values.repeat.zone = at.zone;
    if (icalcomponent_get_first_property(component, ICAL_EXRULE_PROPERTY))
        throw LeftOut(Words::tr("it leaves out dates by a rule (EXRULE)"));
    const bool listed = icalcomponent_get_first_property(component, ICAL_EXDATE_PROPERTY)
                        || icalcomponent_get_first_property(component, ICAL_RDATE_PROPERTY);
    icalproperty *rrule = icalcomponent_get_first_property(component, ICAL_RRULE_PROPERTY);
    if (!rrule && !listed) {
        values.option = OptionOnce;
        return;
    }
    if (rrule && icalcomponent_get_next_property(component, ICAL_RRULE_PROPERTY))
        throw LeftOut(Words::tr("it has more than one rule (RRULE)"));
    const icalrecurrencetype rule = rrule ? icalproperty_get_rrule(rrule) : icalrecurrencetype{};
    if (!rrule || listed || !isPlainDailyOrWeekly(rule)) {
        if (rrule) {
            if (const QString problem = unsupportedProblem(rule); !problem.isEmpty())
                throw LeftOut(problem);
            // libical writes no end in the year 0 at all: the rule would go on for ever.
            if (!icaltime_is_null_time(rule.until) && rule.until.year == 0)
                throw LeftOut(
                    Words::tr("its date %1-%2-%3 does not exist").arg(0).arg(rule.until.month).arg(rule.until.day));
            char *text = icalrecurrencetype_as_string_r(const_cast<icalrecurrencetype *>(&rule));
            const RuleCheck check = checkRule(QString::fromUtf8(text), at.date, at.time, at.zone);
            icalmemory_free_buffer(text);
            if (!check.error.isEmpty())
                throw LeftOut(check.error);
            values.repeat.rule = check.repeat.rule;
        }
        values.repeat.exdates = listedDates(calendar, component, ICAL_EXDATE_PROPERTY, at);
        values.repeat.rdates = listedDates(calendar, component, ICAL_RDATE_PROPERTY, at);
        if (rrule || !values.repeat.rdates.isEmpty()) {
            values.option = OptionRule;
            return;
        }
        // Dates left out of a single event: it rings once, unless its one
        // date is the one left out.
        const auto left = recurrence::parseDateList(values.repeat.exdates);
        const qint64 start = recurrence::keyOf(at.date, at.time);
        if (left && std::find(left->begin(), left->end(), start) != left->end())
            throw LeftOut(Words::tr("its only date is left out (EXDATE)"));
        values.repeat.exdates.clear();
        values.option = OptionOnce;
        return;
    }
    // Every day on some weekdays, as Outlook writes "every weekday", is
    // weekly on those days.
    if (rule.freq == ICAL_DAILY_RECURRENCE && rule.by_day[0] == ICAL_RECURRENCE_ARRAY_MAX) {
        values.option = OptionDaily;
        return;
    }
    const int bits = rotated(ruleWeekdayBits(rule, at.date.addDays(-at.dayShift)), at.dayShift);
    bool ticked[7] = {};
    for (int day = 0; day < 7; ++day)
        ticked[day] = bits & (1 << day);
    // It first rings on the first of its days from its start: in the last
    // days of 9999 that may lie past any date a reminder holds.
    bool rings = false;
    for (QDate day = at.date; !rings && day.year() <= 9999 && at.date.daysTo(day) < 7; day = day.addDays(1))
        rings = ticked[day.dayOfWeek() - 1];
    if (!rings) {
        char *text = icalrecurrencetype_as_string_r(const_cast<icalrecurrencetype *>(&rule));
        const QString never = QCoreApplication::translate("RuleCheck", "The rule \"%1\" never falls on a date.")
                                  .arg(QString::fromUtf8(text));
        icalmemory_free_buffer(text);
        throw LeftOut(never);
    }
    values.option = OptionWeekly;
    values.weekdays = weekdaysText(ticked);
}

QString CalendarReader::listedDates(icalcomponent *calendar, icalcomponent *component, icalproperty_kind kind,
                                   const Occurrence &at) const
{
    std::vector<qint64> keys;
    const QTimeZone startZone = at.zone.isEmpty() ? QTimeZone::systemTimeZone() : QTimeZone(at.zone.toUtf8());
    for (icalproperty *p = icalcomponent_get_first_property(component, kind); p;
         p = icalcomponent_get_next_property(component, kind)) {
        icaltimetype t;
        if (kind == ICAL_RDATE_PROPERTY) {
            const icaldatetimeperiodtype rdate = icalproperty_get_rdate(p);
            if (!icalperiodtype_is_null_period(rdate.period))
                throw LeftOut(Words::tr("it adds a stretch of time (RDATE;VALUE=PERIOD)"));
            t = rdate.time;
        } else {
            t = icalproperty_get_exdate(p);
        }
        // Checked as the start is: a listed date that does not exist leaves
        // the event out by name.
        const Occurrence listed = occurrence(calendar, t, p, true);
        // A date alone is that day's occurrence, at the start's time.
        if (t.is_date) {
            keys.push_back(recurrence::keyOf(listed.date, at.time));
            continue;
        }
        QDateTime wall(listed.date, listed.time, listed.zone.isEmpty() ? QTimeZone::systemTimeZone()
                                                                       : QTimeZone(listed.zone.toUtf8()));
        if (listed.zone != at.zone) {
            wall = wall.toTimeZone(startZone);
            requireHoldable(wall.date());
        }
        keys.push_back(recurrence::keyOf(wall.date(), wall.time()));
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return recurrence::dateListText(keys);
}

} // namespace

QList<LeftOutComponent> readICalendarEntries(QIODevice &device, const std::function<void(ReminderValues &)> &reminder)
{
    ICalendarContent content;
    CalendarReader reader(content);
    bool any = false;
    readComponents(device, [&](icalcomponent *zones, icalcomponent *entry) {
        any = true;
        reader.readComponent(zones, entry);
        for (ReminderValues &values : content.reminders)
            reminder(values);
        content.reminders.clear();
    });
    if (!any)
        throw AppError(Words::tr("it holds no events or to-dos"));
    return content.leftOut;
}

ICalendarContent readICalendar(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    ICalendarContent content;
    content.leftOut = readICalendarEntries(buffer, [&content](ReminderValues &values) {
        content.reminders.push_back(std::move(values));
    });
    return content;
}

ICalendarResourceContent readICalendarResource(const QByteArray &bytes)
{
    ICalendarResourceContent resource;
    try {
        const ComponentPtr root = parsedCalendar(bytes);
        if (icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT)
            throw AppError(Words::tr("it holds more than one calendar"));
        for (icalcomponent *c = icalcomponent_get_first_component(root.get(), ICAL_ANY_COMPONENT); c;
             c = icalcomponent_get_next_component(root.get(), ICAL_ANY_COMPONENT)) {
            const icalcomponent_kind kind = icalcomponent_isa(c);
            if (kind != ICAL_VEVENT_COMPONENT && kind != ICAL_VTODO_COMPONENT)
                continue;
            // The first component is the event itself; later ones change
            // single occurrences of it.
            if (resource.uid.isEmpty()) {
                const char *summary = icalcomponent_get_summary(c);
                const char *uid = icalcomponent_get_uid(c);
                resource.summary = summary ? QString::fromUtf8(summary) : QString();
                resource.uid = uid ? QString::fromUtf8(uid) : QString();
                resource.cancelled = icalcomponent_get_status(c) == ICAL_STATUS_CANCELLED;
            }
            // Taking a to-do as a reminder would make it an event on its
            // next upload.
            if (kind == ICAL_VTODO_COMPONENT)
                throw AppError(Words::tr("it is a to-do, not an event"));
        }
        ICalendarContent content;
        CalendarReader(content).readCalendar(root.get());
        if (!content.leftOut.isEmpty())
            throw AppError(content.leftOut.first().reason);
        if (content.reminders.size() != 1)
            throw AppError(content.reminders.empty() ? Words::tr("it holds no event")
                                                     : Words::tr("it holds more than one event"));
        resource.reminder = content.reminders.front();
    } catch (const AppError &e) {
        resource.leftOutReason = e.description();
    }
    return resource;
}

bool looksLikeICalendar(const QString &path)
{
    QFile file(path);
    try {
        if (!openRegularFile(file, QIODevice::ReadOnly))
            return false;
    } catch (const AppError &) {
        return false;
    }
    QByteArray head = file.read(64);
    if (head.startsWith("\xEF\xBB\xBF"))
        head.remove(0, 3);
    return head.trimmed().toUpper().startsWith("BEGIN:VCALENDAR");
}

} // namespace vestrona
