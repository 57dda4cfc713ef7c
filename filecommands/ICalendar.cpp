#include "filecommands/ICalendar.h"

#include "core/AppError.h"
#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "filecommands/Backup.h"
#include "database/Connection.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTimeZone>

#include <libical/ical.h>

#include <cstdlib>
#include <memory>

namespace vestrona {

namespace {

// libical's BYDAY codes in the order of kWeekdayCodes, Monday first.
constexpr const char *kByDayCodes[7] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};

struct ComponentFree {
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentFree>;

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

icalcomponent *displayAlarm(const QByteArray &message)
{
    icalcomponent *alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_null_duration();
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    // A display alarm needs a text, and an empty property is no property.
    icalcomponent_add_property(alarm, icalproperty_new_description(message.isEmpty() ? "Reminder" : message.constData()));
    return alarm;
}

icalproperty *startProperty(const QDate &date, const QTime &time, const ExportZone &zone)
{
    icaltimetype t = icaltime_null_time();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    t.hour = time.hour();
    t.minute = time.minute();
    t.second = time.second();
    if (zone.zone && zone.tzid.isEmpty())
        t = icaltime_set_timezone(&t, zone.zone);
    icalproperty *start = icalproperty_new_dtstart(t);
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

// ---- reading

struct Occurrence {
    QDate date;
    QTime time;
    // Days the local date lies after the date in the file's own zone: a
    // weekly rule's days move with it.
    int dayShift = 0;
};

QString recurrenceProblem(const icalrecurrencetype &rule)
{
    switch (rule.freq) {
    case ICAL_DAILY_RECURRENCE:
    case ICAL_WEEKLY_RECURRENCE:
        break;
    default:
        return QStringLiteral("it repeats %1, which a reminder cannot")
            .arg(QString::fromLatin1(icalrecur_freq_to_string(rule.freq)).toLower());
    }
    if (rule.interval > 1)
        return QStringLiteral("it repeats only every %1th time (INTERVAL)").arg(rule.interval);
    if (rule.count > 0)
        return QStringLiteral("it ends after %1 times (COUNT)").arg(rule.count);
    if (!icaltime_is_null_time(rule.until))
        return QStringLiteral("it ends on a date (UNTIL)");
    const std::pair<const short *, const char *> others[] = {
        {rule.by_second, "BYSECOND"}, {rule.by_minute, "BYMINUTE"}, {rule.by_hour, "BYHOUR"},
        {rule.by_month_day, "BYMONTHDAY"}, {rule.by_year_day, "BYYEARDAY"}, {rule.by_week_no, "BYWEEKNO"},
        {rule.by_month, "BYMONTH"}, {rule.by_set_pos, "BYSETPOS"}};
    for (const auto &[values, name] : others) {
        if (values[0] != ICAL_RECURRENCE_ARRAY_MAX)
            return QStringLiteral("its rule picks days by %1").arg(QString::fromLatin1(name));
    }
    if (rule.by_day[0] != ICAL_RECURRENCE_ARRAY_MAX && rule.freq != ICAL_WEEKLY_RECURRENCE)
        return QStringLiteral("its rule picks days by BYDAY");
    for (int i = 0; i < ICAL_BY_DAY_SIZE && rule.by_day[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        if (icalrecurrencetype_day_position(rule.by_day[i]) != 0)
            return QStringLiteral("its rule picks numbered weekdays");
    }
    if (rule.rscale && *rule.rscale)
        return QStringLiteral("its rule counts in another calendar (RSCALE)");
    return {};
}

// Monday-first bits of a weekly rule's BYDAY, or of the start's weekday.
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

bool isSystemZone(icaltimezone *zone, const QByteArray &system)
{
    if (zone == icaltimezone_get_utc_timezone())
        return system == "UTC";
    // Copied at once: asking libical for the TZID may free the location.
    const QByteArray location(icaltimezone_get_location(zone));
    const QByteArray tzid(icaltimezone_get_tzid(zone));
    return system == location || system == tzid || tzid.endsWith("/" + system);
}

class CalendarReader {
public:
    explicit CalendarReader(ICalendarContent &content) : mContent(content) {}

    void readCalendar(icalcomponent *calendar);

private:
    void readComponent(icalcomponent *calendar, icalcomponent *component);
    // Throws the reason a component is left out as a QString.
    Occurrence occurrence(icalcomponent *calendar, icalproperty *when) const;
    void applyRule(icalcomponent *component, const Occurrence &at, ReminderValues &values) const;

    ICalendarContent &mContent;
    // Asked once: finding it reads the system's zone files.
    const QByteArray mSystemZone = QTimeZone::systemTimeZoneId();
};

QString errorText(icalproperty *error)
{
    return QString::fromUtf8(icalproperty_get_xlicerror(error));
}

void CalendarReader::readCalendar(icalcomponent *calendar)
{
    if (icalproperty *error = icalcomponent_get_first_property(calendar, ICAL_XLICERROR_PROPERTY))
        throw AppError(QStringLiteral("a line of the calendar cannot be read (%1)").arg(errorText(error)));
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
    ReminderValues values;
    values.message = summary ? QString::fromUtf8(summary) : QString();
    try {
        if (icalproperty *error = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY))
            throw QStringLiteral("a line of it cannot be read (%1)").arg(errorText(error));
        if (icalcomponent_get_first_property(component, ICAL_RECURRENCEID_PROPERTY))
            throw QStringLiteral("it changes one time of another event (RECURRENCE-ID)");
        icalproperty *when = icalcomponent_get_first_property(component, todo ? ICAL_DUE_PROPERTY : ICAL_DTSTART_PROPERTY);
        if (!when)
            throw QString::fromLatin1(todo ? "it has no due time (DUE)" : "it has no start (DTSTART)");
        const Occurrence at = occurrence(calendar, when);
        values.date = at.date;
        values.time = at.time;
        applyRule(component, at, values);
    } catch (const QString &reason) {
        mContent.leftOut.append({values.message, reason});
        return;
    }
    mContent.reminders.push_back(std::move(values));
}

Occurrence CalendarReader::occurrence(icalcomponent *calendar, icalproperty *when) const
{
    icaltimetype t = icalvalue_get_datetime(icalproperty_get_value(when));
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t))
        throw QStringLiteral("its time is not a valid date and time");
    const QDate sourceDate(t.year, t.month, t.day);
    if (!sourceDate.isValid())
        throw QStringLiteral("its date %1-%2-%3 does not exist").arg(t.year).arg(t.month).arg(t.day);
    if (t.is_date)
        return {sourceDate, QTime(0, 0), 0};
    const QTime sourceTime(t.hour, t.minute, t.second);
    if (!sourceTime.isValid())
        throw QStringLiteral("its time %1:%2:%3 does not exist").arg(t.hour).arg(t.minute).arg(t.second);

    icaltimezone *zone = icaltime_is_utc(t) ? icaltimezone_get_utc_timezone() : nullptr;
    if (icalparameter *tzid = icalproperty_get_first_parameter(when, ICAL_TZID_PARAMETER)) {
        const char *name = icalparameter_get_tzid(tzid);
        zone = icalcomponent_get_timezone(calendar, name);
        if (!zone)
            zone = icaltimezone_get_builtin_timezone_from_tzid(name);
        if (!zone)
            zone = icaltimezone_get_builtin_timezone(name);
        if (!zone)
            throw QStringLiteral("its time zone \"%1\" is unknown").arg(QString::fromUtf8(name));
    }
    // A time in the system's own zone is already the wall-clock time, even
    // one that daylight saving skips.
    if (!zone || isSystemZone(zone, mSystemZone))
        return {sourceDate, sourceTime, 0};
    t.zone = zone;
    const icaltimetype utc = icaltime_convert_to_zone(t, icaltimezone_get_utc_timezone());
    const QDateTime local =
        QDateTime(QDate(utc.year, utc.month, utc.day), QTime(utc.hour, utc.minute, utc.second), QTimeZone::utc()).toLocalTime();
    if (!local.isValid())
        throw QStringLiteral("its time cannot be turned into a local time");
    return {local.date(), local.time(), int(sourceDate.daysTo(local.date()))};
}

void CalendarReader::applyRule(icalcomponent *component, const Occurrence &at, ReminderValues &values) const
{
    if (icalcomponent_get_first_property(component, ICAL_EXDATE_PROPERTY))
        throw QStringLiteral("it leaves out single dates (EXDATE)");
    if (icalcomponent_get_first_property(component, ICAL_RDATE_PROPERTY))
        throw QStringLiteral("it adds single dates (RDATE)");
    if (icalcomponent_get_first_property(component, ICAL_EXRULE_PROPERTY))
        throw QStringLiteral("it leaves out dates by a rule (EXRULE)");
    icalproperty *rrule = icalcomponent_get_first_property(component, ICAL_RRULE_PROPERTY);
    if (!rrule) {
        values.option = OptionOnce;
        return;
    }
    if (icalcomponent_get_next_property(component, ICAL_RRULE_PROPERTY))
        throw QStringLiteral("it has more than one rule (RRULE)");
    const icalrecurrencetype rule = icalproperty_get_rrule(rrule);
    const QString problem = recurrenceProblem(rule);
    if (!problem.isEmpty())
        throw problem;
    if (rule.freq == ICAL_DAILY_RECURRENCE) {
        values.option = OptionDaily;
        return;
    }
    const int bits = rotated(ruleWeekdayBits(rule, at.date.addDays(-at.dayShift)), at.dayShift);
    bool ticked[7] = {};
    for (int day = 0; day < 7; ++day)
        ticked[day] = bits & (1 << day);
    values.option = OptionWeekly;
    values.weekdays = weekdaysText(ticked);
}

QString leftOutText(const QString &path, const QList<LeftOutComponent> &leftOut)
{
    QString text = leftOut.size() == 1
        ? QStringLiteral("1 entry of %1 was not imported:").arg(FileNameFromPath(path))
        : QStringLiteral("%1 entries of %2 were not imported:").arg(leftOut.size()).arg(FileNameFromPath(path));
    for (qsizetype i = 0; i < leftOut.size() && i < kRejectedLinesListed; ++i)
        text += QStringLiteral("\r\n\"%1\": %2.").arg(leftOut.at(i).summary, leftOut.at(i).reason);
    if (leftOut.size() > kRejectedLinesListed)
        text += QStringLiteral("\r\n... and %1 more.").arg(leftOut.size() - kRejectedLinesListed);
    return text;
}

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("The file %1 cannot be read: %2.").arg(path, file.errorString()));
    // read() stops at the bound, so even an endless special file ends.
    const QByteArray bytes = file.read(kICalendarMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("The file %1 cannot be read: %2.").arg(path, file.errorString()));
    return bytes;
}

// Decoded and dropped at once: the text of a large calendar would otherwise
// stay in memory beside libical's tree of it.
bool isUtf8(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes);
    return !utf8.hasError();
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

// The parsed bytes of a calendar: a VCALENDAR, or an XROOT of several.
ComponentPtr parsedCalendar(const QByteArray &bytes)
{
    if (bytes.size() > kICalendarMaxBytes)
        throw AppError(QStringLiteral("it is larger than %1 MB, more than any calendar of reminders")
                           .arg(kICalendarMaxBytes / (1024 * 1024)));
    if (bytes.contains('\0'))
        throw AppError(QStringLiteral("it is not a text file"));
    if (!isUtf8(bytes))
        throw AppError(QStringLiteral("it is not UTF-8 text, which iCalendar files are"));
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    if (!text.trimmed().toUpper().startsWith("BEGIN:VCALENDAR"))
        throw AppError(QStringLiteral("it is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)"));
    ComponentPtr root(icalparser_parse_string(text.constData()));
    if (!root)
        throw AppError(QStringLiteral("libical cannot read it as a calendar; it may be cut off"));
    return root;
}

} // namespace

QByteArray iCalendarText(const std::vector<ReminderRecord> &rows, const QString &calendarId, QStringList &leftOut)
{
    const QByteArray hash = calendarHash(calendarId);
    const ExportZone zone = systemZone();
    const icaltimetype stamp = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
    // Each event is written and freed on its own: a calendar of every
    // reminder at once would hold them all in libical's memory twice.
    QByteArray bytes = calendarHead(zone);
    for (const ReminderRecord &row : rows) {
        if (row.Option == OptionWeekly && weekdayBits(row.Weekdays) == 0) {
            leftOut.append(row.Reminder);
            continue;
        }
        bytes += icalText(ComponentPtr(eventFor(row, uidOf(row, hash), zone, stamp)).get());
    }
    return bytes + kCalendarEnd;
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

ICalendarContent readICalendar(const QByteArray &bytes)
{
    const ComponentPtr root = parsedCalendar(bytes);
    ICalendarContent content;
    CalendarReader reader(content);
    // Several calendars in one file come as children of an XROOT.
    if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT) {
        reader.readCalendar(root.get());
    } else {
        for (icalcomponent *c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            reader.readCalendar(c);
    }
    if (content.reminders.empty() && content.leftOut.isEmpty())
        throw AppError(QStringLiteral("it holds no events or to-dos"));
    return content;
}

ICalendarResourceContent readICalendarResource(const QByteArray &bytes)
{
    ICalendarResourceContent resource;
    try {
        const ComponentPtr root = parsedCalendar(bytes);
        if (icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT)
            throw AppError(QStringLiteral("it holds more than one calendar"));
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
            }
            // Taking a to-do as a reminder would make it an event on its
            // next upload.
            if (kind == ICAL_VTODO_COMPONENT)
                throw AppError(QStringLiteral("it is a to-do, not an event"));
        }
        ICalendarContent content;
        CalendarReader(content).readCalendar(root.get());
        if (!content.leftOut.isEmpty())
            throw AppError(content.leftOut.first().reason);
        if (content.reminders.size() != 1)
            throw AppError(content.reminders.empty() ? QStringLiteral("it holds no event")
                                                     : QStringLiteral("it holds more than one event"));
        resource.reminder = content.reminders.front();
    } catch (const AppError &e) {
        resource.leftOutReason = e.description();
    }
    return resource;
}

bool looksLikeICalendar(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray head = file.read(64);
    if (head.startsWith("\xEF\xBB\xBF"))
        head.remove(0, 3);
    return head.trimmed().toUpper().startsWith("BEGIN:VCALENDAR");
}

ICalendarExportResult SaveRemToICalendar(Connection &conn, Reporter &reporter, const QString &path,
                                         ProgressSink *progress)
{
    ErrorTrap trap(reporter, QStringLiteral("modReminder.SaveRemToICalendar"));
    ICalendarExportResult result;
    trap(100, [&] { startProgress(progress, "Writing file: ", path); });

    const bool saved = writeWholeFile(trap, path, "calendar", [&](QIODevice &file) {
        const std::vector<ReminderRecord> rows = conn.orderedRows();
        const QByteArray text = iCalendarText(rows, QFileInfo(conn.databasePath()).absoluteFilePath(), result.leftOutMessages);
        result.written = int(rows.size() - result.leftOutMessages.size());
        file.write(text);
        return qint64(text.size());
    });
    if (!saved)
        result = {0, {}, true};
    trap(108, [&] { finishProgress(progress); });
    if (saved && !result.leftOutMessages.isEmpty())
        trap(110, [&] {
            reporter.showMessage(QStringLiteral("These weekly reminders were not written to %1, because they are on no "
                                                "weekday and so never ring:\r\n")
                                     .arg(FileNameFromPath(path))
                                 + result.leftOutMessages.join(QStringLiteral("\r\n")));
        });
    return result;
}

ICalendarImportResult LoadRemFromICalendar(Connection &conn, const RegionalSettings &, Reporter &reporter,
                                           const QString &path, ProgressSink *progress, bool reportLeftOut)
{
    ErrorTrap trap(reporter, QStringLiteral("modReminder.LoadRemFromICalendar"));
    trap(100, [&] { startProgress(progress, "Reading file: ", path); });

    ICalendarContent content;
    const bool read = trap(102, [&] {
        const QByteArray bytes = readWholeFile(path);
        try {
            content = readICalendar(bytes);
        } catch (const AppError &e) {
            throw AppError(QStringLiteral("The file %1 cannot be imported: %2.").arg(path, e.description()));
        }
    });
    ICalendarImportResult result;
    result.leftOut = content.leftOut;
    result.failed = !(read && addInOneTransaction(trap, conn, [&] {
        for (const ReminderValues &values : content.reminders) {
            conn.insertReminder(values.option, values.date, values.time, values.message, values.weekdays);
            result.added.push_back(storedRecord(values, conn.lastInsertId()));
        }
    }));
    if (result.failed)
        result.added.clear();
    if (!result.failed && reportLeftOut && !result.leftOut.isEmpty())
        trap(110, [&] { throw AppError(leftOutText(path, result.leftOut)); });
    trap(112, [&] { finishProgress(progress); });
    return result;
}

} // namespace vestrona
