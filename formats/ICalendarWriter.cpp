#include "formats/ICalendar.h"

#include "formats/LibicalComponent.h"
#include "recurrence/RuleCheck.h"
#include "recurrence/RuleOccurrences.h"
#include "recurrence/WallDates.h"

#include <QCryptographicHash>
#include <QTimeZone>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>

namespace vestrona {

namespace {

// libical's BYDAY codes in the order of kWeekdayCodes, Monday first.
constexpr const char *kByDayCodes[7] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};

// The zone exported times are in: the system zone under its plain name
// ("Europe/Berlin", as other calendars write it, not libical's prefixed
// one), UTC on a UTC system, or none when libical does not know the zone,
// and then the times are written floating.
struct ExportZone {
    icaltimezone *zone = nullptr;
    QByteArray tzid;
};

ExportZone zoneNamed(const QByteArray &id)
{
    icaltimezone *zone = id.isEmpty() ? nullptr
                         : id == "UTC" ? icaltimezone_get_utc_timezone()
                                       : icaltimezone_get_builtin_timezone(id.constData());
    return {zone, zone == icaltimezone_get_utc_timezone() ? QByteArray() : id};
}

ExportZone systemZone()
{
    return zoneNamed(QTimeZone::systemTimeZoneId());
}

// A reminder with a zone of its own is written in that zone.
ExportZone zoneOf(const ReminderRecord &row, const ExportZone &system)
{
    return row.repeat && !row.repeat->zone.isEmpty() ? zoneNamed(row.repeat->zone.toUtf8()) : system;
}

QTimeZone qtZoneOf(const ReminderRecord &row)
{
    return reminderZone(row.repeat.get());
}

QString uidOf(const ReminderRecord &row, const QByteArray &calendarHash)
{
    return QStringLiteral("%1-%2@vestrona").arg(row.ID).arg(QString::fromLatin1(calendarHash));
}

// The days of a Weekdays text as a Monday-first mask, bit 0 for Monday.
int weekdayBits(const QString &weekdays)
{
    int bits = 0;
    for (const QString &piece : weekdays.split(QLatin1Char(','))) {
        const int day = weekdayIndex(piece);
        if (day >= 0)
            bits |= 1 << day;
    }
    return bits;
}

// A weekly reminder first rings on the first of its days on or after its
// start date; other programs count DTSTART itself as an occurrence, so the
// event starts there.
QDate firstWeeklyDate(const QDate &start, int bits)
{
    QDate date = start;
    while (!(bits & (1 << (date.dayOfWeek() - 1))))
        date = date.addDays(1);
    return date;
}

icalproperty *rruleFor(int option, int bits)
{
    QByteArray rule = option == OptionDaily ? QByteArray("FREQ=DAILY") : QByteArray("FREQ=WEEKLY;BYDAY=");
    if (option == OptionWeekly) {
        QByteArrayList days;
        for (int day = 0; day < 7; ++day) {
            if (bits & (1 << day))
                days.append(kByDayCodes[day]);
        }
        rule += days.join(',');
    }
    return icalproperty_new_rrule(icalrecurrencetype_from_string(rule.constData()));
}

// A display alarm needs a text, and an empty property is no property.
const char *alarmText(const QByteArray &message)
{
    return message.isEmpty() ? "Reminder" : message.constData();
}

icalcomponent *displayAlarm(const QByteArray &message)
{
    icalcomponent *alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_null_duration();
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    icalcomponent_add_property(alarm, icalproperty_new_description(alarmText(message)));
    return alarm;
}

QByteArray propertyText(icalproperty *property)
{
    char *text = icalproperty_as_ical_string_r(property);
    const QByteArray bytes(text);
    std::free(text);
    icalproperty_free(property);
    return bytes;
}

// The digits of a time as timeProperty writes them.
QByteArray timeDigits(const QDate &date, const QTime &time, const ExportZone &zone)
{
    char text[24];
    const int size = std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02d%s", date.year(), date.month(), date.day(),
                                   time.hour(), time.minute(), time.second(), zone.zone && zone.tzid.isEmpty() ? "Z" : "");
    return QByteArray(text, size);
}

icalproperty *timeProperty(icalproperty_kind kind, const QDate &date, const QTime &time, const ExportZone &zone)
{
    // libical writes a time given as such after the year 3000 as
    // 00000000T000000; from text it takes every year a reminder holds.
    // Written digit by digit: QDate's format patterns cost more than the rest
    // of an event in an export of every reminder.
    icalproperty *start = icalproperty_new(kind);
    icalproperty_set_value(start, icalvalue_new_from_string(ICAL_DATETIME_VALUE, timeDigits(date, time, zone).constData()));
    if (!zone.tzid.isEmpty())
        icalproperty_add_parameter(start, icalparameter_new_tzid(zone.tzid.constData()));
    return start;
}

// A rule's RRULE, its UNTIL in UTC as RFC 5545 asks beside a zone; the
// stored UNTIL is the reminder's wall clock.
icalproperty *storedRule(const ReminderRecord &row, const ExportZone &zone)
{
    const QByteArray text = row.repeat->rule.toUtf8();
    icalrecurrencetype rule = icalrecurrencetype_from_string(text.constData());
    if (!icaltime_is_null_time(rule.until) && zone.zone) {
        const QDateTime utc = QDateTime(QDate(rule.until.year, rule.until.month, rule.until.day),
                                        QTime(rule.until.hour, rule.until.minute, rule.until.second), qtZoneOf(row))
                                  .toUTC();
        rule.until = icaltime_null_time();
        rule.until.year = utc.date().year();
        rule.until.month = utc.date().month();
        rule.until.day = utc.date().day();
        rule.until.hour = utc.time().hour();
        rule.until.minute = utc.time().minute();
        rule.until.second = utc.time().second();
        rule.until.zone = icaltimezone_get_utc_timezone();
    }
    return icalproperty_new_rrule(rule);
}

// Other programs count DTSTART as an occurrence whether or not the rule
// gives it; libical's iterator, which rings reminders here, does not. The
// event starts at the rule's first occurrence, so both agree.
QDate firstRuleDate(const ReminderRecord &row)
{
    RepeatRule ruleAlone = *row.repeat;
    ruleAlone.exdates.clear();
    ruleAlone.rdates.clear();
    const std::optional<qint64> first = RuleOccurrences(row.StartDate, row.StartTime, ruleAlone).next();
    return first ? QDate::fromJulianDay(*first / recurrence::kMsPerDay) : row.StartDate;
}

void addListedDates(icalcomponent *event, icalproperty_kind kind, const QString &dates, const ExportZone &zone)
{
    const std::optional<std::vector<qint64>> keys = recurrence::parseDateList(dates);
    for (const qint64 key : keys.value_or(std::vector<qint64>())) {
        icalcomponent_add_property(event, timeProperty(kind, QDate::fromJulianDay(key / recurrence::kMsPerDay),
                                                       QTime::fromMSecsSinceStartOfDay(int(key % recurrence::kMsPerDay)),
                                                       zone));
    }
}

icalcomponent *eventFor(const ReminderRecord &row, const QString &uid, const ExportZone &systemZone,
                        const icaltimetype &stamp)
{
    const QByteArray message = row.Reminder.toUtf8();
    const int bits = weekdayBits(row.Weekdays);
    const bool byRule = row.Option == OptionRule && row.repeat;
    const ExportZone zone = zoneOf(row, systemZone);
    const QDate start = row.Option == OptionWeekly              ? firstWeeklyDate(row.StartDate, bits)
                        : byRule && !row.repeat->rule.isEmpty() ? firstRuleDate(row)
                                                                : row.StartDate;

    icalcomponent *event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    // Without DTEND or DURATION the event is a moment, not a stretch of time.
    icalcomponent_add_property(event, timeProperty(ICAL_DTSTART_PROPERTY, start, row.StartTime, zone));
    if (!message.isEmpty())
        icalcomponent_add_property(event, icalproperty_new_summary(message.constData()));
    if (row.Option == OptionDaily || row.Option == OptionWeekly)
        icalcomponent_add_property(event, rruleFor(row.Option, bits));
    if (byRule) {
        if (!row.repeat->rule.isEmpty())
            icalcomponent_add_property(event, storedRule(row, zone));
        addListedDates(event, ICAL_EXDATE_PROPERTY, row.repeat->exdates, zone);
        addListedDates(event, ICAL_RDATE_PROPERTY, row.repeat->rdates, zone);
    }
    icalcomponent_add_component(event, displayAlarm(message));
    return event;
}

QByteArray icalText(icalcomponent *component)
{
    char *text = icalcomponent_as_ical_string_r(component);
    const QByteArray bytes(text);
    std::free(text);
    return bytes;
}

QByteArray calendarHash(const QString &calendarId)
{
    return QCryptographicHash::hash(calendarId.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
}

const QByteArray kCalendarEnd("END:VCALENDAR\r\n");

// The definition of `zone` under its plain name, none for UTC or floating.
icalcomponent *zoneDefinition(const ExportZone &zone)
{
    if (zone.tzid.isEmpty() || !zone.zone)
        return nullptr;
    icalcomponent *definition = icalcomponent_new_clone(icaltimezone_get_component(zone.zone));
    icalproperty_set_tzid(icalcomponent_get_first_property(definition, ICAL_TZID_PROPERTY), zone.tzid.constData());
    return definition;
}

// A calendar with the definition of `zone`, without its END line, for events
// to be appended to.
QByteArray calendarHead(const ExportZone &zone)
{
    const ComponentPtr calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Vestrona//Vestrona reminders//EN"));
    if (icalcomponent *definition = zoneDefinition(zone))
        icalcomponent_add_component(calendar.get(), definition);
    QByteArray bytes = icalText(calendar.get());
    bytes.chop(kCalendarEnd.size());
    return bytes;
}

} // namespace

// An export writes the lines every event shares as libical wrote them for
// the first one, and has libical write only the message of each: building
// and printing every event's whole tree took most of an export's time.
struct ICalendarWriter::State {
    QByteArray hash;
    ExportZone zone = systemZone();
    icaltimetype stamp = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
    // The zones whose definitions the calendar holds so far.
    std::set<QByteArray> defined{zone.tzid};
    QByteArray stampLine = propertyText(icalproperty_new_dtstamp(stamp));
    // "DTSTART;TZID=...:", up to the digits of the start.
    QByteArray startHead = [this] {
        const QByteArray line = propertyText(timeProperty(ICAL_DTSTART_PROPERTY, QDate(2000, 1, 1), QTime(0, 0), zone));
        return line.left(line.lastIndexOf(':') + 1);
    }();
    // The VALARM up to its DESCRIPTION.
    QByteArray alarmHead = [] {
        const ComponentPtr alarm(displayAlarm(QByteArray()));
        const QByteArray text = icalText(alarm.get());
        return text.left(text.indexOf("\r\nDESCRIPTION") + 2);
    }();
    // By option and weekdays.
    std::map<int, QByteArray> ruleLines;

    const QByteArray &ruleLine(int option, int bits)
    {
        auto found = ruleLines.find(option << 8 | bits);
        if (found == ruleLines.end())
            found = ruleLines.emplace(option << 8 | bits, propertyText(rruleFor(option, bits))).first;
        return found->second;
    }
};

ICalendarWriter::ICalendarWriter(const QString &calendarId) : d(std::make_unique<State>())
{
    d->hash = calendarHash(calendarId);
}

ICalendarWriter::~ICalendarWriter() = default;

QByteArray ICalendarWriter::head() const
{
    return calendarHead(d->zone);
}

QByteArray ICalendarWriter::event(const ReminderRecord &row) const
{
    // A rule or zone of its own goes through libical; the three plain rules
    // in the system's zone are printed as libical would print them, from
    // lines made once.
    if (row.repeat) {
        QByteArray text;
        // A zone of a reminder's own is defined before its first event.
        const ExportZone own = zoneOf(row, d->zone);
        if (d->defined.insert(own.tzid).second) {
            if (const ComponentPtr definition{zoneDefinition(own)})
                text = icalText(definition.get());
        }
        return text + icalText(ComponentPtr(eventFor(row, uidOf(row, d->hash), d->zone, d->stamp)).get());
    }
    const QByteArray message = row.Reminder.toUtf8();
    const int bits = weekdayBits(row.Weekdays);
    const QDate start = row.Option == OptionWeekly ? firstWeeklyDate(row.StartDate, bits) : row.StartDate;
    QByteArray text = "BEGIN:VEVENT\r\nUID:" + uidOf(row, d->hash).toLatin1() + "\r\n" + d->stampLine + d->startHead
        + timeDigits(start, row.StartTime, d->zone) + "\r\n";
    if (!message.isEmpty())
        text += propertyText(icalproperty_new_summary(message.constData()));
    if (row.Option == OptionDaily || row.Option == OptionWeekly)
        text += d->ruleLine(row.Option, bits);
    text += d->alarmHead;
    text += propertyText(icalproperty_new_description(alarmText(message)));
    return text + "END:VALARM\r\nEND:VEVENT\r\n";
}

QByteArray ICalendarWriter::tail() const
{
    return kCalendarEnd;
}

bool isExportable(const ReminderRecord &row)
{
    if (row.damaged)
        return false;
    if (row.Option != OptionWeekly)
        return true;
    const int bits = weekdayBits(row.Weekdays);
    return bits != 0 && firstWeeklyDate(row.StartDate, bits).year() <= 9999;
}

QString iCalendarUid(const ReminderRecord &row, const QString &calendarId)
{
    return uidOf(row, calendarHash(calendarId));
}

QByteArray iCalendarResource(const ReminderRecord &row, const QString &uid)
{
    const ExportZone zone = systemZone();
    const icaltimetype stamp = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
    return calendarHead(zoneOf(row, zone)) + icalText(ComponentPtr(eventFor(row, uid, zone, stamp)).get()) + kCalendarEnd;
}

} // namespace vestrona
