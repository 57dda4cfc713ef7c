#pragma once

#include "core/ReminderRecord.h"
#include "formats/RegionalSettings.h"

#include <QDate>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringEncoder>
#include <QStringView>
#include <QTime>

#include <functional>

namespace vestrona {

class TextLineReader;

// The backup text format: one reminder a line, its five fields (rule, start
// date in the regional short form, start time in the regional long form,
// message, weekdays) each followed by kFieldSeparator, lines ended by CR LF.
// A message with line breaks spans several physical lines.
//
// A reminder with a repeat rule or zone of its own carries them at the end
// of its weekdays field, as pieces after a ",": "RRULE=", "EXDATE=",
// "RDATE=" (their own commas written as "+") and "TZID=". A program that
// knows no rules reads such pieces as weekday codes it does not know and
// passes over them, and the Option 4 of a rule as a reminder that rings
// once; a backup without rules is what it always was.

inline constexpr auto kFieldSeparator = "|;|";

// The weekdays field of `row`: its Weekdays, with its rule and zone after
// them when it has them. Also what the sync remembers of a reminder's days.
QString weekdaysWithRepeat(const ReminderRecord &row);

// One record the reader refused: the number of its (first) line in the
// file, counted from 1, and why.
struct RejectedLine {
    int lineNumber = 0;
    QString reason;
};

// One reminder of a backup file as read. The texts point into the record
// being read and are valid only while it is handed on: a restore of a
// million lines copies none of them before the database does.
struct BackupRecord {
    int option = OptionOnce;
    QDate date;
    QTime time;
    QStringView message;
    QStringView weekdays;
    RepeatRule repeat = {}; // checked: a rule or zone a reminder can hold, or none
};

// Reads every record of `lines` to the end, with the dates and times in
// `regional`'s forms. Each record whose fields all hold goes to `add`, in
// file order; each other one is appended to `rejected` with its reason. An
// exception from `add` or from `lines` ends the reading and goes on to the
// caller.
void readBackupRecords(TextLineReader &lines, const RegionalSettings &regional,
                       const std::function<void(const BackupRecord &)> &add, QList<RejectedLine> &rejected);

// Writes reminders as backup lines, UTF-8, through a buffer that goes to the
// device whenever it is full, so that a backup never exists whole in memory.
// A failed write is left for the device to remember (QSaveFile then refuses
// to commit).
class BackupWriter {
public:
    enum class Outcome {
        Written,
        // Left out: its start or rule as stored is not valid (see ReminderRecord).
        Damaged,
        // Left out: its message or weekdays hold the separator, which would
        // move the fields after it.
        HoldsSeparator,
    };

    BackupWriter(QIODevice &device, const RegionalSettings &regional);

    Outcome write(const ReminderRecord &row);
    // Writes what is left in the buffer; how many bytes were written in all.
    qint64 finish();

private:
    void append(QStringView text);
    void flush();

    QIODevice &mDevice;
    const RegionalSettings &mRegional;
    QStringEncoder mEncoder{QStringEncoder::Utf8};
    QByteArray mBuffer;
    qsizetype mUsed = 0;
    qint64 mWritten = 0;
};

} // namespace vestrona
