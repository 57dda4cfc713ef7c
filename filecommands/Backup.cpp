#include "filecommands/Backup.h"

#include "core/AppError.h"
#include "core/ProgressIdleText.h"
#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "database/Connection.h"
#include "formats/TextLineReader.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QStringEncoder>

#include <limits>

namespace vestrona {

namespace {

constexpr int kFieldCount = 5;
const QString kSeparator = QString::fromLatin1(kFieldSeparator);
const QString kSeparatorAndLineEnd = kSeparator + QStringLiteral("\r\n");

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

// Encodes text as UTF-8 into a buffer that goes to the file whenever it is
// full, so that a backup never exists whole in memory.
class Utf8ChunkWriter {
public:
    explicit Utf8ChunkWriter(QIODevice &file) : mFile(file) { mBuffer.resize(kChunkBytes); }

    void append(QStringView text)
    {
        const qsizetype needed = mEncoder.requiredSpace(text.size());
        if (mUsed + needed > mBuffer.size()) {
            flush();
            if (needed > mBuffer.size())
                mBuffer.resize(needed);
        }
        mUsed = mEncoder.appendToBuffer(mBuffer.data() + mUsed, text) - mBuffer.constData();
    }

    // Writes what is left; how many bytes were written in all.
    qint64 finish()
    {
        flush();
        return mWritten;
    }

private:
    static constexpr qsizetype kChunkBytes = 64 * 1024;

    // A failed write is remembered by the file, which then refuses to be saved.
    void flush()
    {
        mFile.write(mBuffer.constData(), mUsed);
        mWritten += mUsed;
        mUsed = 0;
    }

    QIODevice &mFile;
    QStringEncoder mEncoder{QStringEncoder::Utf8};
    QByteArray mBuffer;
    qsizetype mUsed = 0;
    qint64 mWritten = 0;
};

class BackupReader {
public:
    BackupReader(Connection &conn, const RegionalSettings &regional, RestoreResult &result)
        : mConn(conn), mRegional(regional), mResult(result)
    {
    }

    // Every record of the file, multi-line messages joined.
    void restore(TextLineReader &lines);

private:
    bool startsWithOptionDateAndTime(const Fields &fields) const;
    void restoreRecord(int lineNumber, const Fields &fields);
    void reject(int lineNumber, const QString &reason) { mResult.rejected.append({lineNumber, reason}); }
    void rejectFieldCount(int lineNumber, qsizetype count)
    {
        reject(lineNumber, QStringLiteral("it has %1 of the %2 fields of a reminder.").arg(count).arg(kFieldCount));
    }

    Connection &mConn;
    const RegionalSettings &mRegional;
    RestoreResult &mResult;
};

bool BackupReader::startsWithOptionDateAndTime(const Fields &fields) const
{
    if (fields.count < 3)
        return false;
    bool isNumber = false;
    (void)fields.piece[0].toInt(&isNumber);
    return isNumber && mRegional.parseDate(fields.piece[1]) && mRegional.parseTime(fields.piece[2]);
}

void BackupReader::restore(TextLineReader &lines)
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
            restoreRecord(number, fields);
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
            restoreRecord(number, fieldsOf(record));
            more = lines.next(line);
            continue;
        }
        // Not joined: the first line stands alone, every line after it holds a
        // single field, and the line that ended the search is read afresh.
        restoreRecord(number, fields);
        for (const int lineNumber : between)
            rejectFieldCount(lineNumber, 1);
    }
}

void BackupReader::restoreRecord(int lineNumber, const Fields &fields)
{
    if (fields.count < kFieldCount) {
        rejectFieldCount(lineNumber, fields.count);
        return;
    }
    const QStringView *pieces = fields.piece;
    bool isNumber = false;
    const int option = pieces[0].toInt(&isNumber);
    if (!isNumber) {
        reject(lineNumber, QStringLiteral("its repetition rule \"%1\" is not a number.").arg(pieces[0]));
        return;
    }
    if (option < std::numeric_limits<qint16>::min() || option > std::numeric_limits<qint16>::max()) {
        reject(lineNumber, QStringLiteral("its repetition rule %1 is out of range.").arg(option));
        return;
    }
    const std::optional<QDate> date = mRegional.parseDate(pieces[1]);
    if (!date) {
        reject(lineNumber, QStringLiteral("its start date \"%1\" is not a date.").arg(pieces[1]));
        return;
    }
    const std::optional<QTime> time = mRegional.parseTime(pieces[2]);
    if (!time) {
        reject(lineNumber, QStringLiteral("its start time \"%1\" is not a time.").arg(pieces[2]));
        return;
    }
    // Every field was checked above, so a failure here is the database's (a
    // full disk, a lock) and ends the whole restore: all rows or none.
    mConn.insertReminder(option, *date, *time, pieces[3], pieces[4]);
    ++mResult.added;
}

QString rejectedLinesText(const QString &path, const QList<RejectedLine> &rejected)
{
    QString text = rejected.size() == 1
        ? QStringLiteral("1 line of %1 was not restored:").arg(FileNameFromPath(path))
        : QStringLiteral("%1 lines of %2 were not restored:").arg(rejected.size()).arg(FileNameFromPath(path));
    for (qsizetype i = 0; i < rejected.size() && i < kRejectedLinesListed; ++i)
        text += QStringLiteral("\r\nline %1: %2").arg(rejected.at(i).lineNumber).arg(rejected.at(i).reason);
    if (rejected.size() > kRejectedLinesListed)
        text += QStringLiteral("\r\n... and %1 more.").arg(rejected.size() - kRejectedLinesListed);
    return text;
}

QString leftOutText(const QString &path, const BackupResult &result)
{
    QStringList paragraphs;
    const auto name = [&](const QString &why, const QStringList &messages) {
        if (messages.isEmpty())
            return;
        QString text = QStringLiteral("These reminders were not written to %1, because %2:").arg(FileNameFromPath(path), why);
        for (const QString &message : messages)
            text += QStringLiteral("\r\n") + message;
        paragraphs << text;
    };
    name(QStringLiteral("their message contains \"%1\", which the backup file uses between its fields").arg(kSeparator),
         result.skippedMessages);
    name(QStringLiteral("their start or repetition rule as stored is not valid"), result.damagedMessages);
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

} // namespace

void startProgress(ProgressSink *progress, const char *action, const QString &path)
{
    if (!progress)
        return;
    progress->processEvents();
    progress->setProgress(30, QString::fromLatin1(action) + FileNameFromPath(path));
    progress->processEvents();
}

void finishProgress(ProgressSink *progress)
{
    if (!progress)
        return;
    progress->setProgress(100, QStringLiteral("Done."));
    progress->setProgress(0, QString::fromLatin1(kProgressIdleText));
}


bool writeWholeFile(ErrorTrap &trap, const QString &path, const char *kind, const std::function<qint64(QIODevice &)> &compose)
{
    QSaveFile file(path);
    const bool opened = trap(102, [&] {
        requireRegularFile(path);
        if (!file.open(QIODevice::WriteOnly))
            throw AppError(QStringLiteral("The %1 file %2 cannot be created: %3.")
                               .arg(QString::fromLatin1(kind), path, file.errorString()));
    });
    qint64 size = 0;
    const bool composed = opened && trap(104, [&] { size = compose(file); });
    // A write that failed on the way is remembered by the file and fails the commit.
    const bool saved = composed && trap(106, [&] {
        if (!file.commit()) {
            // Qt has no words of its own for a full disk ("Unknown error").
            const QString folder = QFileInfo(path).absolutePath();
            const QString why = QStorageInfo(folder).bytesAvailable() < size
                ? QStringLiteral("the disk holding the folder %1 is full").arg(folder)
                : file.errorString();
            throw AppError(QStringLiteral("The %1 file %2 could not be written: %3. A file of that name is as it was.")
                               .arg(QString::fromLatin1(kind), path, why));
        }
    });
    if (!saved)
        file.cancelWriting();
    return saved;
}

bool addInOneTransaction(ErrorTrap &trap, Connection &conn, const std::function<void()> &add)
{
    if (!trap(104, [&] { conn.beginTransaction(); }))
        return false;
    const bool committed = trap(106, [&] {
        add();
        conn.commit();
    });
    if (!committed)
        trap(108, [&] { conn.rollback(); });
    return committed;
}

BackupResult SaveRemToFile(Connection &conn, const RegionalSettings &regional, Reporter &reporter,
                           const QString &path, ProgressSink *progress)
{
    ErrorTrap trap(reporter, QStringLiteral("modReminder.SaveRemToFile"));
    BackupResult result;
    trap(100, [&] { startProgress(progress, "Writing file: ", path); });

    const bool saved = writeWholeFile(trap, path, "backup", [&](QIODevice &file) {
        Utf8ChunkWriter out(file);
        conn.forEachOrderedRow([&](const ReminderRecord &r) {
            if (r.damaged) {
                result.damagedMessages.append(r.Reminder);
                return;
            }
            // A separator inside a field would move the fields after it.
            if (!fitsBetweenSeparators(r.Reminder) || !fitsBetweenSeparators(r.Weekdays)) {
                result.skippedMessages.append(r.Reminder);
                return;
            }
            out.append(ShortText().number(r.Option).append(kSeparator).view());
            out.append(regional.shortDateText(r.StartDate).append(kSeparator).view());
            out.append(regional.longTimeText(r.StartTime).append(kSeparator).view());
            out.append(r.Reminder);
            out.append(kSeparator);
            out.append(r.Weekdays);
            out.append(kSeparatorAndLineEnd);
            ++result.written;
        });
        return out.finish();
    });
    if (!saved) {
        result.failed = true;
        result.written = 0;
    }
    trap(108, [&] { finishProgress(progress); });
    if (saved && (!result.skippedMessages.isEmpty() || !result.damagedMessages.isEmpty()))
        trap(110, [&] { reporter.showMessage(leftOutText(path, result)); });
    return result;
}

RestoreResult LoadRemFromFile(Connection &conn, const RegionalSettings &regional, Reporter &reporter,
                              const QString &path, ProgressSink *progress, bool reportRejections)
{
    ErrorTrap trap(reporter, QStringLiteral("modReminder.LoadRemFromFile"));
    RestoreResult result;
    trap(100, [&] { startProgress(progress, "Reading file: ", path); });

    // The whole file is checked before the database is touched, so a file
    // that is no backup is refused as such; it is read again to be added.
    const bool read = trap(102, [&] {
        TextLineReader lines(path);
        while (lines.skip()) {
        }
    });
    result.failed = !(read && addInOneTransaction(trap, conn, [&] {
        TextLineReader lines(path);
        BackupReader(conn, regional, result).restore(lines);
    }));
    if (result.failed) {
        result.added = 0;
        result.rejected.clear();
    }
    if (!result.failed && reportRejections && !result.rejected.isEmpty())
        trap(110, [&] { throw AppError(rejectedLinesText(path, result.rejected)); });
    trap(112, [&] { finishProgress(progress); });
    return result;
}

} // namespace vestrona
