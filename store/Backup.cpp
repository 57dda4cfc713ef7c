#include "store/Backup.h"

#include "core/AppError.h"
#include "core/ProgressIdleText.h"
#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "store/Connection.h"
#include "store/DateFormats.h"
#include "store/Statements.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <limits>

namespace vestrona {

namespace {

const QString kSeparator = QString::fromLatin1(kFieldSeparator);
constexpr int kFieldCount = 5;

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five codes it
// leaves undefined are kept as the C1 controls Latin-1 gives them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

// Decided line by line: a file pieced together from several sources often
// holds one stray Windows-1252 byte, and that must not garble the accented
// letters of every other line.
QString decodeBackupLine(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes.toByteArray());
}

constexpr qint64 kMaxBackupFileBytes = 256LL * 1024 * 1024;
constexpr qsizetype kMaxBackupLineBytes = 1024 * 1024;
constexpr qint64 kReadChunkBytes = 64 * 1024;

char16_t unitOf(char c)
{
    return static_cast<unsigned char>(c);
}

char16_t unitOf(QChar c)
{
    return c.unicode();
}

// Cuts the complete lines off the front of `text`, ending in CR LF, LF or a
// lone CR. A CR at the very end is kept back until `atEnd`, since the LF that
// would pair with it may be in the next chunk. Returns how much was used.
template <class View, class AddLine>
qsizetype cutLines(View text, bool atEnd, AddLine &&addLine)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = unitOf(text[i]);
        if (unit == u'\n') {
            addLine(text.sliced(start, i - start), QStringLiteral("\n"));
        } else if (unit == u'\r') {
            if (i + 1 == text.size() && !atEnd)
                break;
            const bool crlf = i + 1 < text.size() && unitOf(text[i + 1]) == u'\n';
            addLine(text.sliced(start, i - start), crlf ? QStringLiteral("\r\n") : QStringLiteral("\r"));
            if (crlf)
                ++i;
        } else {
            continue;
        }
        start = i + 1;
    }
    if (atEnd && start < text.size()) {
        addLine(text.sliced(start), QString());
        return text.size();
    }
    return start;
}

[[noreturn]] void failReading(const QString &path, const QString &why)
{
    throw AppError(QStringLiteral("The file %1 cannot be read: %2.").arg(path, why));
}

[[noreturn]] void failNotBackup(const QString &path, const QString &why)
{
    throw AppError(QStringLiteral("The file %1 is not a backup file: %2.").arg(path, why));
}

// Counted the way split() cuts: without overlaps, so "||;|;|" holds one.
int separatorCount(QStringView text)
{
    int count = 0;
    for (qsizetype at = text.indexOf(kSeparator); at >= 0; at = text.indexOf(kSeparator, at + kSeparator.size()))
        ++count;
    return count;
}

// A field can be written when the separator after it is the first one the
// reader finds: it must hold none and must not end in "|;", which with the
// separator after it reads as a separator two characters early.
bool fitsBetweenSeparators(const QString &field)
{
    return (field + kSeparator).indexOf(kSeparator) == field.size();
}

struct Record {
    int lineNumber = 0;
    QString text;
};

class BackupReader {
public:
    BackupReader(Connection &conn, const RegionalSettings &regional) : mConn(conn), mRegional(regional) {}

    // Every record of the file, multi-line messages joined.
    void restore(const QList<TextLine> &lines, RestoreResult &result);

private:
    bool startsWithOptionDateAndTime(const QString &text) const;
    void restoreRecord(const Record &record, RestoreResult &result);

    Connection &mConn;
    const RegionalSettings &mRegional;
};

bool BackupReader::startsWithOptionDateAndTime(const QString &text) const
{
    const QStringList pieces = text.split(kSeparator);
    if (pieces.size() < 3)
        return false;
    bool isNumber = false;
    pieces.at(0).toInt(&isNumber);
    return isNumber && mRegional.parseDate(pieces.at(1)) && mRegional.parseTime(pieces.at(2));
}

void BackupReader::restore(const QList<TextLine> &lines, RestoreResult &result)
{
    const qsizetype count = lines.size();
    for (qsizetype i = 0; i < count; ++i) {
        const QString &text = lines.at(i).text;
        if (text.isEmpty())
            continue;
        // A message with line breaks was written over several physical lines:
        // its first line stops inside the message, after three separators, the
        // lines in between hold none, and its last line closes the message and
        // the weekdays. Anything else is not joined, so a cut-off line can
        // never swallow the reminders that follow it.
        if (separatorCount(text) == 3 && startsWithOptionDateAndTime(text)) {
            qsizetype last = i + 1;
            while (last < count && separatorCount(lines.at(last).text) == 0)
                ++last;
            if (last < count) {
                const int closing = separatorCount(lines.at(last).text);
                if (closing == 1 || closing == 2) {
                    Record record{int(i + 1), text};
                    for (qsizetype j = i + 1; j <= last; ++j)
                        record.text += lines.at(j - 1).ending + lines.at(j).text;
                    restoreRecord(record, result);
                    i = last;
                    continue;
                }
            }
        }
        restoreRecord({int(i + 1), text}, result);
    }
}

void BackupReader::restoreRecord(const Record &record, RestoreResult &result)
{
    const QStringList pieces = record.text.split(kSeparator);
    const auto reject = [&](const QString &reason) { result.rejected.append({record.lineNumber, reason}); };
    if (pieces.size() < kFieldCount) {
        reject(QStringLiteral("it has %1 of the %2 fields of a reminder.").arg(pieces.size()).arg(kFieldCount));
        return;
    }
    bool isNumber = false;
    const int option = pieces.at(0).toInt(&isNumber);
    if (!isNumber) {
        reject(QStringLiteral("its repetition rule \"%1\" is not a number.").arg(pieces.at(0)));
        return;
    }
    if (option < std::numeric_limits<qint16>::min() || option > std::numeric_limits<qint16>::max()) {
        reject(QStringLiteral("its repetition rule %1 is out of range.").arg(option));
        return;
    }
    const std::optional<QDate> date = mRegional.parseDate(pieces.at(1));
    if (!date) {
        reject(QStringLiteral("its start date \"%1\" is not a date.").arg(pieces.at(1)));
        return;
    }
    if (!mRegional.parseTime(pieces.at(2))) {
        reject(QStringLiteral("its start time \"%1\" is not a time.").arg(pieces.at(2)));
        return;
    }
    const QString valueList = pieces.at(0) + QLatin1Char(',') + FormatSqlDate(*date, true) + QStringLiteral(",#")
        + pieces.at(2) + QStringLiteral("#,'") + escapeQuotes(pieces.at(3)) + QStringLiteral("','")
        + escapeQuotes(pieces.at(4)) + QLatin1Char('\'');
    // Every field was checked above, so a failure here is the database's (a
    // full disk, a lock) and ends the whole restore: all rows or none.
    mConn.Execute(restoreInsertStatement(valueList));
    ++result.added;
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


QList<TextLine> ReadTextLines(const QString &path)
{
    requireRegularFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        failReading(path, file.errorString());
    if (file.size() > kMaxBackupFileBytes)
        failNotBackup(path, QStringLiteral("it is larger than %1 MB").arg(kMaxBackupFileBytes / (1024 * 1024)));

    QList<TextLine> lines;
    const auto tooLong = [&] {
        failNotBackup(path, QStringLiteral("line %1 is longer than %2 MB").arg(lines.size() + 1).arg(kMaxBackupLineBytes / (1024 * 1024)));
    };
    QByteArray pending = file.read(2);
    const bool utf16 = pending.startsWith("\xff\xfe") || pending.startsWith("\xfe\xff");
    if (utf16) {
        // Every unit of UTF-16 text is two bytes, so CR and LF cannot be cut
        // out of the raw bytes; the whole file, bounded above, is decoded first.
        pending += file.read(kMaxBackupFileBytes);
        QStringDecoder decoder(pending.startsWith("\xff\xfe") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        const QString text = decoder.decode(QByteArrayView(pending).sliced(2));
        cutLines(QStringView(text), true, [&](QStringView line, const QString &ending) {
            if (line.size() > kMaxBackupLineBytes / 2)
                tooLong();
            lines.append({line.toString(), ending});
        });
    } else {
        const auto addLine = [&](QByteArrayView line, const QString &ending) {
            lines.append({decodeBackupLine(line), ending});
        };
        qint64 total = pending.size();
        for (;;) {
            const QByteArray chunk = file.read(kReadChunkBytes);
            if (file.error() != QFileDevice::NoError)
                break;
            total += chunk.size();
            // A file that grows while it is read is still held to the bound.
            if (total > kMaxBackupFileBytes)
                failNotBackup(path, QStringLiteral("it is larger than %1 MB").arg(kMaxBackupFileBytes / (1024 * 1024)));
            pending += chunk;
            const bool atEnd = chunk.isEmpty();
            pending.remove(0, cutLines(QByteArrayView(pending), atEnd, addLine));
            if (pending.size() > kMaxBackupLineBytes)
                tooLong();
            if (atEnd)
                break;
        }
    }
    if (file.error() != QFileDevice::NoError)
        failReading(path, file.errorString());
    return lines;
}

bool writeWholeFile(ErrorTrap &trap, const QString &path, const char *kind, const std::function<QByteArray()> &compose)
{
    QSaveFile file(path);
    const bool opened = trap(102, [&] {
        requireRegularFile(path);
        if (!file.open(QIODevice::WriteOnly))
            throw AppError(QStringLiteral("The %1 file %2 cannot be created: %3.")
                               .arg(QString::fromLatin1(kind), path, file.errorString()));
    });
    QByteArray bytes;
    const bool composed = opened && trap(104, [&] { bytes = compose(); });
    const bool saved = composed && trap(106, [&] {
        if (file.write(bytes) != bytes.size() || !file.commit()) {
            // Qt has no words of its own for a full disk ("Unknown error").
            const QString folder = QFileInfo(path).absolutePath();
            const QString why = QStorageInfo(folder).bytesAvailable() < bytes.size()
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

    const bool saved = writeWholeFile(trap, path, "backup", [&] {
        QString text;
        const QString crlf = QStringLiteral("\r\n");
        for (const ReminderRecord &r : conn.orderedRows()) {
            if (r.damaged) {
                result.damagedMessages.append(r.Reminder);
                continue;
            }
            // A separator inside a field would move the fields after it.
            if (!fitsBetweenSeparators(r.Reminder) || !fitsBetweenSeparators(r.Weekdays)) {
                result.skippedMessages.append(r.Reminder);
                continue;
            }
            text.append(QString::number(r.Option)).append(kSeparator);
            text.append(regional.shortDate(r.StartDate)).append(kSeparator);
            text.append(regional.longTime(r.StartTime)).append(kSeparator);
            text.append(r.Reminder).append(kSeparator);
            text.append(r.Weekdays).append(kSeparator).append(crlf);
            ++result.written;
        }
        QStringEncoder encoder(QStringEncoder::System);
        return QByteArray(encoder.encode(text));
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

    QList<TextLine> lines;
    const bool read = trap(102, [&] { lines = ReadTextLines(path); });
    result.failed = !(read && addInOneTransaction(trap, conn, [&] { BackupReader(conn, regional).restore(lines, result); }));
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
