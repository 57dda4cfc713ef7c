#include "formats/ICalendar.h"

#include "formats/LibicalComponent.h"

#include <QCryptographicHash>
#include <QTimeZone>

#include <cstdio>
#include <cstdlib>
#include <map>

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

ExportZone systemZone()
{
    const QByteArray id = QTimeZone::systemTimeZoneId();
    icaltimezone *zone = id.isEmpty() ? nullptr : icaltimezone_get_builtin_timezone(id.constData());
    return {zone, zone == icaltimezone_get_utc_timezone() ? QByteArray() : id};
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

// The digits of a start as startProperty writes them.
QByteArray startDigits(const QDate &date, const QTime &time, const ExportZone &zone)
{
    char text[24];
    const int size = std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02d%s", date.year(), date.month(), date.day(),
                                   time.hour(), time.minute(), time.second(), zone.zone && zone.tzid.isEmpty() ? "Z" : "");
    return QByteArray(text, size);
}

icalproperty *startProperty(const QDate &date, const QTime &time, const ExportZone &zone)
{
    // libical writes a time given as such after the year 3000 as
    // 00000000T000000; from text it takes every year a reminder holds.
    // Written digit by digit: QDate's format patterns cost more than the rest
    // of an event in an export of every reminder.
    icalproperty *start = icalproperty_new(ICAL_DTSTART_PROPERTY);
    icalproperty_set_value(start, icalvalue_new_from_string(ICAL_DATETIME_VALUE, startDigits(date, time, zone).constData()));
    if (!zone.tzid.isEmpty())
        icalproperty_add_parameter(start, icalparameter_new_tzid(zone.tzid.constData()));
    return start;
}

icalcomponent *eventFor(const ReminderRecord &row, const QString &uid, const ExportZone &zone, const icaltimetype &stamp)
{
    const QByteArray message = row.Reminder.toUtf8();
    const int bits = weekdayBits(row.Weekdays);
    const QDate start = row.Option == OptionWeekly ? firstWeeklyDate(row.StartDate, bits) : row.StartDate;

    icalcomponent *event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    // Without DTEND or DURATION the event is a moment, not a stretch of time.
    icalcomponent_add_property(event, startProperty(start, row.StartTime, zone));
    if (!message.isEmpty())
        icalcomponent_add_property(event, icalproperty_new_summary(message.constData()));
    if (row.Option == OptionDaily || row.Option == OptionWeekly)
        icalcomponent_add_property(event, rruleFor(row.Option, bits));
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

// A calendar with the definition of `zone`, without its END line, for events
// to be appended to.
QByteArray calendarHead(const ExportZone &zone)
{
    const ComponentPtr calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Vestrona//Vestrona reminders//EN"));
    if (!zone.tzid.isEmpty()) {
        icalcomponent *definition = icalcomponent_new_clone(icaltimezone_get_component(zone.zone));
        icalproperty_set_tzid(icalcomponent_get_first_property(definition, ICAL_TZID_PROPERTY), zone.tzid.constData());
        icalcomponent_add_component(calendar.get(), definition);
    }
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
    QByteArray stampLine = propertyText(icalproperty_new_dtstamp(stamp));
    // "DTSTART;TZID=...:", up to the digits of the start.
    QByteArray startHead = [this] {
        const QByteArray line = propertyText(startProperty(QDate(2000, 1, 1), QTime(0, 0), zone));
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
    // As eventFor builds it and libical prints it: the properties in the
    // order added, then the alarm.
    const QByteArray message = row.Reminder.toUtf8();
    const int bits = weekdayBits(row.Weekdays);
    const QDate start = row.Option == OptionWeekly ? firstWeeklyDate(row.StartDate, bits) : row.StartDate;
    QByteArray text = "BEGIN:VEVENT\r\nUID:" + uidOf(row, d->hash).toLatin1() + "\r\n" + d->stampLine + d->startHead
        + startDigits(start, row.StartTime, d->zone) + "\r\n";
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
    return !row.damaged && !(row.Option == OptionWeekly && weekdayBits(row.Weekdays) == 0);
}

QString iCalendarUid(const ReminderRecord &row, const QString &calendarId)
{
    return uidOf(row, calendarHash(calendarId));
}

QByteArray iCalendarResource(const ReminderRecord &row, const QString &uid)
{
    const ExportZone zone = systemZone();
    const icaltimetype stamp = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
    return calendarHead(zone) + icalText(ComponentPtr(eventFor(row, uid, zone, stamp)).get()) + kCalendarEnd;
}

} // namespace vestrona
