#include "store/Backup.h"

#include "core/AppError.h"
#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "store/Connection.h"
#include "store/DateFormats.h"
#include "store/Statements.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

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

QString decodeBackupText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
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
    pieces.at(0).toInt(&isNumber);
    if (!isNumber) {
        reject(QStringLiteral("its repetition rule \"%1\" is not a number.").arg(pieces.at(0)));
        return;
    }
    const std::optional<QDate> date = mRegional.parseDate(pieces.at(1));
    if (!date) {
        reject(QStringLiteral("its start date \"%1\" is not a date.").arg(pieces.at(1)));
        return;
    }
    const QString valueList = pieces.at(0) + QLatin1Char(',') + FormatSqlDate(*date, true) + QStringLiteral(",#")
        + pieces.at(2) + QStringLiteral("#,'") + escapeQuotes(pieces.at(3)) + QStringLiteral("','")
        + escapeQuotes(pieces.at(4)) + QLatin1Char('\'');
    try {
        mConn.Execute(restoreInsertStatement(valueList));
        ++result.added;
    } catch (const AppError &e) {
        reject(e.description());
    }
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

QString skippedMessagesText(const QString &path, const QStringList &messages)
{
    QString text = QStringLiteral("These reminders were not written to %1, because their message contains \"%2\", "
                                  "which the backup file uses between its fields:")
                       .arg(FileNameFromPath(path), kSeparator);
    for (const QString &message : messages)
        text += QStringLiteral("\r\n") + message;
    return text;
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
    progress->setProgress(0, QStringLiteral("Progress Bar"));
}

QList<TextLine> ReadTextLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("The file %1 cannot be read: %2.").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("The file %1 cannot be read: %2.").arg(path, file.errorString()));

    const QString text = decodeBackupText(bytes);
    QList<TextLine> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype lf = text.indexOf(QLatin1Char('\n'), start);
        if (lf < 0) {
            lines.append({text.mid(start), QString()});
            break;
        }
        const bool crlf = lf > start && text.at(lf - 1) == QLatin1Char('\r');
        const qsizetype end = crlf ? lf - 1 : lf;
        lines.append({text.mid(start, end - start), crlf ? QStringLiteral("\r\n") : QStringLiteral("\n")});
        start = lf + 1;
    }
    return lines;
}

bool writeWholeFile(ErrorTrap &trap, const QString &path, const char *kind, const std::function<QByteArray()> &compose)
{
    QSaveFile file(path);
    const bool opened = trap(102, [&] {
        if (!file.open(QIODevice::WriteOnly))
            throw AppError(QStringLiteral("The %1 file %2 cannot be created: %3.")
                               .arg(QString::fromLatin1(kind), path, file.errorString()));
    });
    QByteArray bytes;
    const bool composed = opened && trap(104, [&] { bytes = compose(); });
    const bool saved = composed && trap(106, [&] {
        if (file.write(bytes) != bytes.size() || !file.commit())
            throw AppError(QStringLiteral("The %1 file %2 could not be written: %3. A file of that name is as it was.")
                               .arg(QString::fromLatin1(kind), path, file.errorString()));
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
    if (saved && !result.skippedMessages.isEmpty())
        trap(110, [&] { reporter.showMessage(skippedMessagesText(path, result.skippedMessages)); });
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
    if (result.failed)
        result.added = 0;
    if (!result.failed && reportRejections && !result.rejected.isEmpty())
        trap(110, [&] { throw AppError(rejectedLinesText(path, result.rejected)); });
    trap(112, [&] { finishProgress(progress); });
    return result;
}

} // namespace vestrona
