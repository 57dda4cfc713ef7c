#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>
#include <QUtf8StringView>

#include <memory>
#include <vector>

namespace vestrona {

// Values of the Option column.
// OptionRule repeats by a rule kept beside the table (RepeatRule); the first
// three keep their meaning whether or not a zone of their own is kept there.
enum ReminderOption : int { OptionOnce = 1, OptionDaily = 2, OptionWeekly = 3, OptionRule = 4 };

// What a reminder keeps beside tblReminders: a recurrence rule beyond the
// three options and the zone whose wall clock it rings by. Times are wall
// clock in that zone, written "YYYYMMDDTHHMMSS".
struct RepeatRule {
    QString rule;    // RFC 5545 RRULE text without "RRULE:", "" with the three options
    QString exdates; // occurrences left out, joined by ","
    QString rdates;  // single occurrences added, joined by ","
    QString zone;    // an IANA zone id, "" for the system's

    bool isEmpty() const { return rule.isEmpty() && exdates.isEmpty() && rdates.isEmpty() && zone.isEmpty(); }
    bool operator==(const RepeatRule &) const = default;
};

// The Option, StartDate and StartTime cells of a damaged row, as stored.
struct StoredCells {
    QString option, date, time;
};

// One row of tblReminders as the readers see it.
struct ReminderRecord {
    qint64 ID = 0;
    int Option = OptionOnce;
    QTime StartTime;
    QDate StartDate;
    QString Reminder;
    QString Weekdays; // exactly as stored, " Wed" with its leading blank

    // Set for a row another program wrote with a start that is no valid date
    // and time or an Option that is no whole number. Such a row is listed with
    // its cells as stored and can be deleted, but never rings and is left out
    // of a backup. Its stored texts sit apart, so that the many valid rows of
    // a long list do not each carry three empty strings.
    bool damaged = false;
    std::shared_ptr<const StoredCells> stored; // set exactly when damaged
    // Set only for a reminder with a rule or zone beside the table, so the
    // many plain rows carry one null pointer.
    std::shared_ptr<const RepeatRule> repeat;
};

// The weekday codes in Monday-first order; they are the editor's check box
// captions and what the Weekdays column stores.
inline constexpr const char *kWeekdayCodes[7] = {"Mon", "Tue", " Wed", "Thu", "Fri", "Sat", "Sun"};

// The position in kWeekdayCodes (0 = Monday) of the code `name` is, blanks
// around either left out, so " Wed" and "Wed" both give 2; -1 for no code.
int weekdayIndex(QStringView name, Qt::CaseSensitivity cs = Qt::CaseSensitive);

// Bit n set for ISO weekday n (1 = Monday) named in a Weekdays text. Pieces
// are split at "," and compared after trimming blanks, so " Wed" is Wednesday.
int weekdayMask(QStringView weekdays);
// The same from the stored UTF-8 bytes, without decoding them when they are
// plain ASCII.
int weekdayMask(QUtf8StringView weekdays);

// What choosing the next reminder needs of a row that can ring, as numbers:
// the start as a Julian day and milliseconds since midnight, the weekdays as
// weekdayMask reads them (weekly rows only).
struct ScheduleRow {
    qint64 ID = 0;
    int Option = OptionOnce;
    qint64 startDay = 0;
    int startMsecs = 0;
    int weekdays = 0;
    const RepeatRule *repeat = nullptr; // valid during the call that hands the row over
};

// The order of the ordered select: start date, start time, then ID.
inline bool comesBefore(const ReminderRecord &a, const ReminderRecord &b)
{
    if (a.StartDate != b.StartDate)
        return a.StartDate < b.StartDate;
    if (a.StartTime != b.StartTime)
        return a.StartTime < b.StartTime;
    return a.ID < b.ID;
}

// Damaged rows are named in the order of their IDs.
inline bool hasLowerId(const ReminderRecord &a, const ReminderRecord &b)
{
    return a.ID < b.ID;
}

// The list's text for an Option value, or "" for a value the program never writes.
QString optionText(int option);
// The same, untranslated, for QCoreApplication::translate in the context
// "RuleSummary".
const char *optionSourceText(int option);

// One reminder as the editor, an import or a sync gives it, before the
// table gives it an ID.
struct ReminderValues {
    int option = 1;
    QDate date;
    QTime time;
    QString message;  // untrimmed, as typed
    QString weekdays; // weekday codes joined by ","
    RepeatRule repeat = {}; // empty for the three options on the local clock
};

// The row these values make once stored under `id`.
ReminderRecord storedRecord(const ReminderValues &values, qint64 id);

// Weekday codes of the ticked days, Monday first ("Mon, Wed,Fri" for Monday,
// Wednesday and Friday: the Wednesday code carries its leading blank).
QString weekdaysText(const bool ticked[7]);

} // namespace vestrona
