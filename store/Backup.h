#pragma once

#include <QString>
#include <QStringList>

namespace vestrona {

class Connection;
class Reporter;
class RegionalSettings;

// The progress bar of the main window as the backup code sees it.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setProgress(int value, const QString &text) = 0;
    // Let pending window events run.
    virtual void processEvents() = 0;
};

inline constexpr auto kFieldSeparator = "|;|";

// Reads a text file's lines without their line ends (CR LF or LF). A file
// that is not valid UTF-8 is read as Windows-1252. An empty file gives no lines.
// Throws AppError when the file cannot be read.
QStringList ReadTextLines(const QString &path);

// One line the reader refused: its number in the file (from 1) and why.
struct RejectedLine {
    int lineNumber = 0;
    QString reason;
};

struct RestoreResult {
    int added = 0;
    QList<RejectedLine> rejected;
    bool fileUnreadable = false;
};

struct BackupResult {
    int written = 0;
    QStringList skippedMessages; // reminders whose message holds the separator
    bool failed = false;
};

// Writes every reminder to `path` (temporary file, flushed, renamed over the
// target only when complete). Failures are reported through `reporter`.
BackupResult SaveRemToFile(Connection &conn, const RegionalSettings &regional, Reporter &reporter,
                           const QString &path, ProgressSink *progress);

// Adds the reminders of one backup file in one transaction; rejected lines
// add nothing and are reported in one box for the file.
RestoreResult LoadRemFromFile(Connection &conn, const RegionalSettings &regional, Reporter &reporter,
                              const QString &path, ProgressSink *progress);

} // namespace vestrona
