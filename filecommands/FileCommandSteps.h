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

// The progress bar while the file at `path` is read or written ("Reading
// file: " and the file's name), and its resting state afterwards: what was
// done, in `outcome`, or the idle text. Both do nothing without a progress bar.
void startProgress(ProgressSink *progress, const char *action, const QString &path);
void finishProgress(ProgressSink *progress, const QString &outcome = QString());

// "1 reminder", "2 reminders".
QString countedReminders(qsizetype count);

// The summary of a load from `path` that added `added` reminders and left
// out an item for each of `details` ("line 3: …"), named `one` or `many`
// ("line", "lines"): plain words, for a message box, since nothing failed.
QString partialLoadText(const QString &path, qsizetype added, const QStringList &details, const char *one,
                        const char *many);

// Writes what `compose` writes to the file it is given to `path`, whole or
// not at all, as steps of the caller's trap: 102 opens a file beside the
// target, 104 composes and writes it, 106 renames it over the target.
// `compose` returns how many bytes it wrote. `kind` names the file in the
// error ("backup"). False when a step failed; a file of that name is then as
// it was.
bool writeWholeFile(ErrorTrap &trap, const QString &path, const char *kind,
                    const std::function<qint64(QIODevice &)> &compose);

// Why a row whose stored start or rule cannot be read is left out of a file.
inline const QString kDamagedRowReason = QStringLiteral("their start or repetition rule as stored is not valid");

// One message box text naming, for each reason that has any, the messages of
// the reminders not written to the file at `path`: "These reminders were not
// written to NAME, because REASON:" and the messages a line each.
QString notWrittenText(const QString &path, const QList<std::pair<QString, QStringList>> &reasons);

// Runs `add` in one transaction of `conn`, as steps of the caller's trap:
// 104 begins, 106 adds and commits, 108 rolls back after a failure. False
// when nothing was added.
bool addInOneTransaction(ErrorTrap &trap, Connection &conn, const std::function<void()> &add);

} // namespace vestrona
