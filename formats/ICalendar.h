#pragma once

#include "core/ReminderRecord.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace vestrona {

// iCalendar (RFC 5545) text, read and written with libical, which stays
// inside formats/ICalendar*.cpp.
//
// Export: each reminder is a VEVENT at its local start with a DISPLAY alarm
// at the start; every day is FREQ=DAILY, weekly is FREQ=WEEKLY;BYDAY=... .
// Times carry the system zone as TZID (with its VTIMEZONE) so other programs
// ring at the same wall-clock time across daylight saving.
//
// Import: VEVENTs by DTSTART and VTODOs by DUE, in UTC, in a zone or
// floating, become local wall-clock times; a date without a time starts at
// 00:00:00. Only rules a reminder holds exactly are taken (every day on some
// weekdays is weekly on them); a component with any other rule is left out
// and named, never changed into something else. So are done to-dos,
// cancelled events, messages longer than 64 KB, zones that change all the
// time, list more than 1000 changes or lie more than a day from UTC, and lines of a start, a rule or a
// message that libical cannot read; unreadable lines of anything else are
// passed over. Messages keep their blanks.

// A file larger than this is refused before it is parsed.
inline constexpr qint64 kICalendarMaxBytes = 64 * 1024 * 1024;

// One component the import left out: its SUMMARY and why.
struct LeftOutComponent {
    QString summary;
    QString reason;
};

// What one file holds that a reminder can take, in file order.
struct ICalendarContent {
    std::vector<ReminderValues> reminders;
    QList<LeftOutComponent> leftOut;
};

// Writes a calendar piece by piece, so that an export of every reminder
// holds one event at a time: head(), then event() of each row, then tail().
// `calendarId` makes the UIDs: the same row of the same calendar gets the
// same UID on every export.
class ICalendarWriter {
public:
    explicit ICalendarWriter(const QString &calendarId);
    ~ICalendarWriter();
    ICalendarWriter(const ICalendarWriter &) = delete;
    ICalendarWriter &operator=(const ICalendarWriter &) = delete;

    // VCALENDAR's opening lines with the definition of the zone times are in.
    QByteArray head() const;
    // The VEVENT of `row`, which must be exportable (see isExportable).
    QByteArray event(const ReminderRecord &row) const;
    QByteArray tail() const;

private:
    struct State;
    std::unique_ptr<State> d;
};
// Whether `row` can be written as an event: a damaged row cannot, and a
// weekly row on no weekday, or whose first day lies past the year 9999,
// never rings.
bool isExportable(const ReminderRecord &row);

// The UID ICalendarWriter gives `row` of the calendar `calendarId`.
QString iCalendarUid(const ReminderRecord &row, const QString &calendarId);

// One calendar object resource for a CalDAV server: a calendar with the one
// event of an exportable `row` under `uid`, as ICalendarWriter writes it.
QByteArray iCalendarResource(const ReminderRecord &row, const QString &uid);

// What one calendar object resource from a server is to a reminder.
struct ICalendarResourceContent {
    QString uid;
    QString summary;
    // Empty when no reminder can hold the resource exactly; then
    // leftOutReason says why.
    std::optional<ReminderValues> reminder;
    QString leftOutReason;
    // The event itself is cancelled there (STATUS:CANCELLED): a reminder
    // made from it must stop ringing, as if it had been deleted.
    bool cancelled = false;
};

// Reads one resource: one event, with none of the rules, to-dos or changed
// occurrences a reminder cannot hold. Never throws: what cannot be read is
// left out with the reason.
ICalendarResourceContent readICalendarResource(const QByteArray &bytes);

// The reminders of an iCalendar file's bytes. Throws AppError, naming the
// problem, for bytes that are not one usable calendar: too large, not UTF-8,
// not iCalendar, with more than 1000 time zones or 100,000 events and
// to-dos, or without any event or to-do.
ICalendarContent readICalendar(const QByteArray &bytes);
// The same read from `device` one entry at a time, never holding the file
// or its calendar whole: each reminder goes to `reminder` as it is read, and
// what `reminder` throws ends the reading. Returns the entries left out.
QList<LeftOutComponent> readICalendarEntries(QIODevice &device, const std::function<void(ReminderValues &)> &reminder);

// Whether the file starts like an iCalendar file, whatever its name.
bool looksLikeICalendar(const QString &path);

} // namespace vestrona
