#pragma once

#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace vestrona {

class Connection;
class ErrorTrap;
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

// One record the reader refused: the number of its (first) line in the
// file, counted from 1, and why.
struct RejectedLine {
    int lineNumber = 0;
    QString reason;
};

struct RestoreResult {
    int added = 0;
    QList<RejectedLine> rejected;
    // The file could not be read or the database refused the whole file:
    // nothing was added.
    bool failed = false;
};

struct BackupResult {
    int written = 0;
    // Messages of the reminders left out because they hold the separator.
    QStringList skippedMessages;
    // Messages of the damaged reminders left out (see ReminderRecord).
    QStringList damagedMessages;
    // Nothing was written; a file the backup was to replace is as it was.
    bool failed = false;
};

// How many rejected lines the error box of one file lists.
inline constexpr int kRejectedLinesListed = 20;

// The progress bar while the file at `path` is read or written ("Reading
// file: " and the file's name), and its resting state afterwards. Both do
// nothing without a progress bar.
void startProgress(ProgressSink *progress, const char *action, const QString &path);
void finishProgress(ProgressSink *progress);

// Writes what `compose` writes to the file it is given to `path`, whole or
// not at all, as steps of the caller's trap: 102 opens a file beside the
// target, 104 composes and writes it, 106 renames it over the target.
// `compose` returns how many bytes it wrote. `kind` names the file in the
// error ("backup"). False when a step failed; a file of that name is then as
// it was.
bool writeWholeFile(ErrorTrap &trap, const QString &path, const char *kind,
                    const std::function<qint64(QIODevice &)> &compose);

// Runs `add` in one transaction of `conn`, as steps of the caller's trap:
// 104 begins, 106 adds and commits, 108 rolls back after a failure. False
// when nothing was added.
bool addInOneTransaction(ErrorTrap &trap, Connection &conn, const std::function<void()> &add);

// Writes every reminder to `path`, one line each. The file is written beside
// the target and renamed over it only when complete; a target that is not a
// regular file (a FIFO, a device) is refused and left alone. A failure is reported
// through `reporter` with the common error box; reminders left out are named
// in one message box after the backup.
BackupResult SaveRemToFile(Connection &conn, const RegionalSettings &regional, Reporter &reporter,
                           const QString &path, ProgressSink *progress);

// Adds the reminders of one backup file in one transaction: when the
// database fails (a full disk) nothing is added. Rejected lines add nothing; when `reportRejections` is set they are reported in one error
// box for the file, otherwise only returned. Failures of the file or the
// database are always reported through `reporter`.
RestoreResult LoadRemFromFile(Connection &conn, const RegionalSettings &regional, Reporter &reporter,
                              const QString &path, ProgressSink *progress, bool reportRejections = true);

} // namespace vestrona
