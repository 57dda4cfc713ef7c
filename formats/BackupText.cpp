#include "formats/BackupText.h"

#include "formats/ShortText.h"
#include "formats/TextLineReader.h"
#include "recurrence/RuleCheck.h"

#include <QCoreApplication>
#include <QStringList>

#include <limits>

namespace vestrona {

namespace {

// Its words, under the context translators see.
class Words {
    Q_DECLARE_TR_FUNCTIONS(BackupText)
};

constexpr int kFieldCount = 5;
const QString kSeparator = QString::fromLatin1(kFieldSeparator);
const QString kSeparatorAndLineEnd = kSeparator + QStringLiteral("\r\n");
constexpr qsizetype kChunkBytes = 64 * 1024;

// The fields of a record as split() cuts them, without copies: the first
// five, and how many there are in all.
struct Fields {
    QStringView piece[kFieldCount];
    qsizetype count = 0;

    qsizetype separators() const { return count - 1; }
};

Fields fieldsOf(QStringView text)
{
    Fields fields;
    for (qsizetype start = 0;;) {
        const qsizetype at = text.indexOf(kSeparator, start);
        if (fields.count < kFieldCount)
            fields.piece[fields.count] = at < 0 ? text.sliced(start) : text.sliced(start, at - start);
        ++fields.count;
        if (at < 0)
            return fields;
        start = at + kSeparator.size();
    }
}

// A field can be written when the separator after it is the first one the
// reader finds: it must hold none and must not end in "|;", which with the
// separator after it reads as a separator two characters early.
bool fitsBetweenSeparators(const QString &field)
{
    // Only a field holding "|;" can go wrong; most hold no "|" at all.
    if (!field.contains(QLatin1Char('|')))
        return true;
    return (field + kSeparator).indexOf(kSeparator) == field.size();
}

constexpr QLatin1String kRepeatKeys[] = {QLatin1String("RRULE="), QLatin1String("EXDATE="), QLatin1String("RDATE="),
                                         QLatin1String("TZID=")};

// Where the repeat pieces of a weekdays field start, -1 when it has none.
qsizetype repeatStart(QStringView field)
{
    if (!field.contains(u'='))
        return -1;
    for (qsizetype at = 0; at < field.size(); at = field.indexOf(u',', at) + 1) {
        for (const QLatin1String key : kRepeatKeys) {
            if (field.sliced(at).startsWith(key))
                return at;
        }
        if (field.indexOf(u',', at) < 0)
            break;
    }
    return -1;
}

RepeatRule repeatOf(QStringView pieces)
{
    RepeatRule repeat;
    QString *fields[] = {&repeat.rule, &repeat.exdates, &repeat.rdates, &repeat.zone};
    for (const QStringView piece : pieces.split(u',')) {
        for (int i = 0; i < 4; ++i) {
            if (!piece.startsWith(kRepeatKeys[i]))
                continue;
            *fields[i] = piece.sliced(kRepeatKeys[i].size()).toString();
            if (i < 3)
                fields[i]->replace(u'+', u',');
        }
    }
    return repeat;
}

// The pieces the reader's repeatOf takes apart again; a zone's own "+"
// (Etc/GMT+5) is never turned into a comma, as the zone comes last.
QString repeatPieces(const RepeatRule &repeat)
{
    QStringList pieces;
    const QString *fields[] = {&repeat.rule, &repeat.exdates, &repeat.rdates};
    for (int i = 0; i < 3; ++i) {
        if (!fields[i]->isEmpty())
            pieces.append(kRepeatKeys[i] + QString(*fields[i]).replace(u',', u'+'));
    }
    if (!repeat.zone.isEmpty())
        pieces.append(kRepeatKeys[3] + repeat.zone);
    return pieces.join(u',');
}

class RecordReader {
public:
    RecordReader(const RegionalSettings &regional, const std::function<void(const BackupRecord &)> &add,
                 QList<RejectedLine> &rejected)
        : mRegional(regional), mAdd(add), mRejected(rejected)
    {
    }

    // Every record of the file, multi-line messages joined.
    void readAll(TextLineReader &lines);

private:
    bool startsWithOptionDateAndTime(const Fields &fields) const;
    void readRecord(int lineNumber, const Fields &fields);
    void reject(int lineNumber, const QString &reason) { mRejected.append({lineNumber, reason}); }
    void rejectFieldCount(int lineNumber, qsizetype count)
    {
        reject(lineNumber, Words::tr("it has %1 of the %2 fields of a reminder.").arg(count).arg(kFieldCount));
    }

    const RegionalSettings &mRegional;
    const std::function<void(const BackupRecord &)> &mAdd;
    QList<RejectedLine> &mRejected;
};

bool RecordReader::startsWithOptionDateAndTime(const Fields &fields) const
{
    if (fields.count < 3)
        return false;
    bool isNumber = false;
    (void)fields.piece[0].toInt(&isNumber);
    return isNumber && mRegional.parseDate(fields.piece[1]) && mRegional.parseTime(fields.piece[2]);
}

void RecordReader::readAll(TextLineReader &lines)
{
    TextLine line;
    bool more = lines.next(line);
    while (more) {
        const int number = lines.lineNumber();
        if (line.text.isEmpty()) {
            more = lines.next(line);
            continue;
        }
        // Held apart from `line`, which the search for a message's end reuses.
        const QString first = line.text;
        const Fields fields = fieldsOf(first);
        // A message with line breaks was written over several physical lines:
        // its first line stops inside the message, after three separators, the
        // lines in between hold none, and its last line closes the message and
        // the weekdays. Anything else is not joined, so a cut-off line can
        // never swallow the reminders that follow it.
        if (fields.separators() != 3 || !startsWithOptionDateAndTime(fields)) {
            readRecord(number, fields);
            more = lines.next(line);
            continue;
        }
        QString record = first;
        QList<int> between;
        qsizetype closing = 0;
        for (;;) {
            record += line.ending;
            more = lines.next(line);
            closing = more ? fieldsOf(line.text).separators() : 0;
            if (!more || closing != 0)
                break;
            if (!line.text.isEmpty())
                between.append(lines.lineNumber());
            record += line.text;
        }
        if (closing == 1 || closing == 2) {
            record += line.text;
            readRecord(number, fieldsOf(record));
            more = lines.next(line);
            continue;
        }
        // Not joined: the first line stands alone, every line after it holds a
        // single field, and the line that ended the search is read afresh.
        readRecord(number, fields);
        for (const int lineNumber : between)
            rejectFieldCount(lineNumber, 1);
    }
}

void RecordReader::readRecord(int lineNumber, const Fields &fields)
{
    if (fields.count < kFieldCount) {
        rejectFieldCount(lineNumber, fields.count);
        return;
    }
    const QStringView *pieces = fields.piece;
    bool isNumber = false;
    const int option = pieces[0].toInt(&isNumber);
    if (!isNumber) {
        reject(lineNumber, Words::tr("its repetition rule \"%1\" is not a number.").arg(pieces[0]));
        return;
    }
    if (option < std::numeric_limits<qint16>::min() || option > std::numeric_limits<qint16>::max()) {
        reject(lineNumber, Words::tr("its repetition rule %1 is out of range.").arg(option));
        return;
    }
    const std::optional<QDate> date = mRegional.parseDate(pieces[1]);
    if (!date) {
        reject(lineNumber, Words::tr("its start date \"%1\" is not a date.").arg(pieces[1]));
        return;
    }
    const std::optional<QTime> time = mRegional.parseTime(pieces[2]);
    if (!time) {
        reject(lineNumber, Words::tr("its start time \"%1\" is not a time.").arg(pieces[2]));
        return;
    }
    BackupRecord record{option, *date, *time, pieces[3], pieces[4]};
    if (const qsizetype at = repeatStart(record.weekdays); at >= 0) {
        const RuleCheck check = checkRepeat(repeatOf(record.weekdays.sliced(at)), *date, *time);
        if (!check.error.isEmpty()) {
            reject(lineNumber, check.error);
            return;
        }
        record.repeat = check.repeat;
        record.weekdays = record.weekdays.first(std::max<qsizetype>(at - 1, 0));
    }
    mAdd(record);
}

} // namespace

void readBackupRecords(TextLineReader &lines, const RegionalSettings &regional,
                       const std::function<void(const BackupRecord &)> &add, QList<RejectedLine> &rejected)
{
    RecordReader(regional, add, rejected).readAll(lines);
}

QString weekdaysWithRepeat(const ReminderRecord &row)
{
    if (!row.repeat || row.repeat->isEmpty())
        return row.Weekdays;
    return row.Weekdays.isEmpty() ? repeatPieces(*row.repeat) : row.Weekdays + u',' + repeatPieces(*row.repeat);
}

BackupWriter::BackupWriter(QIODevice &device, const RegionalSettings &regional) : mDevice(device), mRegional(regional)
{
    mBuffer.resize(kChunkBytes);
}

BackupWriter::Outcome BackupWriter::write(const ReminderRecord &row)
{
    if (row.damaged)
        return Outcome::Damaged;
    if (!fitsBetweenSeparators(row.Reminder) || !fitsBetweenSeparators(row.Weekdays))
        return Outcome::HoldsSeparator;
    append(ShortText().number(row.Option).append(kSeparator).view());
    append(mRegional.shortDateText(row.StartDate).append(kSeparator).view());
    append(mRegional.longTimeText(row.StartTime).append(kSeparator).view());
    append(row.Reminder);
    append(kSeparator);
    if (row.repeat && !row.repeat->isEmpty())
        append(weekdaysWithRepeat(row));
    else
        append(row.Weekdays);
    append(kSeparatorAndLineEnd);
    return Outcome::Written;
}

qint64 BackupWriter::finish()
{
    flush();
    return mWritten;
}

void BackupWriter::append(QStringView text)
{
    const qsizetype needed = mEncoder.requiredSpace(text.size());
    if (mUsed + needed > mBuffer.size()) {
        flush();
        if (needed > mBuffer.size())
            mBuffer.resize(needed);
    }
    mUsed = mEncoder.appendToBuffer(mBuffer.data() + mUsed, text) - mBuffer.constData();
}

void BackupWriter::flush()
{
    mDevice.write(mBuffer.constData(), mUsed);
    mWritten += mUsed;
    mUsed = 0;
}

} // namespace vestrona
