#pragma once

#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

namespace vestrona {

class Connection;
class ErrorTrap;

// What every command that saves reminders to a file or loads them from one
// does around the format: the progress bar, the file written whole or not at
// all, the rows added in one transaction.

// The progress bar of the main window as the file commands see it.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setProgress(int value, const QString &text) = 0;
    // Let pending window events run.
    virtual void processEvents() = 0;
};

// How many rejected lines or left-out entries the summary of one file lists.
inline constexpr int kRejectedLinesListed = 20;

// The progress bar while the file at `path` is read or written, `action`
// being a text of the FileCommands context with the file's name as %1
// ("Reading file: %1"), and its resting state afterwards: what was done, in
// `outcome`, or the idle text. Both do nothing without a progress bar.
void startProgress(ProgressSink *progress, const char *action, const QString &path);
void finishProgress(ProgressSink *progress, const QString &outcome = QString());

// "1 reminder", "2 reminders", in the user's language.
QString countedReminders(qsizetype count);

// The summary of a load from `path` that added `added` reminders and left
// out an item for each of `details` ("line 3: …"): plain words, for a message
// box, since nothing failed. `one` and `many` are its first sentence in the
// FileCommands context, "Added %1 from %2. 1 line was left out:" and the same
// with %n lines: a language words the count its own way.
QString partialLoadText(const QString &path, qsizetype added, const QStringList &details, const char *one,
                        const char *many);

// Writes what `compose` writes to the file it is given to `path`, whole or
// not at all, as steps of the caller's trap: 102 opens a file beside the
// target, 104 composes and writes it, 106 renames it over the target.
// `compose` returns how many bytes it wrote. `kind` names the file in the
// errors. False when a step failed; a file of that name is then as it was.
enum class WholeFileKind { Backup, Calendar };
bool writeWholeFile(ErrorTrap &trap, const QString &path, WholeFileKind kind,
                    const std::function<qint64(QIODevice &)> &compose);

// Why a row whose stored start or rule cannot be read is left out of a file.
QString damagedRowReason();

// One message box text naming, for each reason that has any, the messages of
// the reminders not written to the file at `path`: "These reminders were not
// written to NAME, because REASON:" and the messages a line each.
QString notWrittenText(const QString &path, const QList<std::pair<QString, QStringList>> &reasons);

// Runs `add` in one transaction of `conn`, as steps of the caller's trap:
// 104 begins, 106 adds and commits, 108 rolls back after a failure. False
// when nothing was added.
bool addInOneTransaction(ErrorTrap &trap, Connection &conn, const std::function<void()> &add);

} // namespace vestrona
