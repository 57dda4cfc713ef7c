#include "filecommands/FileCommandSteps.h"

#include "core/AppError.h"
#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "core/ProgressIdleText.h"
#include "database/Connection.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace vestrona {

namespace {

QString say(const char *text, int n = -1)
{
    return QCoreApplication::translate("FileCommands", text, nullptr, n);
}

// Whole sentences for each kind of file: a language may word "the backup
// file" and "the calendar file" apart.
struct WholeFileWords {
    const char *cannotCreate;
    const char *notWritten;
};

WholeFileWords wordsFor(WholeFileKind kind)
{
    if (kind == WholeFileKind::Backup)
        return {QT_TRANSLATE_NOOP("FileCommands", "The backup file %1 cannot be created: %2."),
                QT_TRANSLATE_NOOP("FileCommands",
                                  "The backup file %1 could not be written: %2. A file of that name is as it was.")};
    return {QT_TRANSLATE_NOOP("FileCommands", "The calendar file %1 cannot be created: %2."),
            QT_TRANSLATE_NOOP("FileCommands",
                              "The calendar file %1 could not be written: %2. A file of that name is as it was.")};
}

} // namespace

void startProgress(ProgressSink *progress, const char *action, const QString &path)
{
    if (!progress)
        return;
    progress->processEvents();
    progress->setProgress(30, say(action).arg(FileNameFromPath(path)));
    progress->processEvents();
}

void finishProgress(ProgressSink *progress, const QString &outcome)
{
    if (!progress)
        return;
    progress->setProgress(100, say(QT_TRANSLATE_NOOP("FileCommands", "Done.")));
    progress->setProgress(0, outcome.isEmpty() ? progressIdleText() : outcome);
}

QString countedReminders(qsizetype count)
{
    return count == 1 ? say(QT_TRANSLATE_NOOP("FileCommands", "1 reminder"))
                      : say(QT_TRANSLATE_N_NOOP("FileCommands", "%n reminders"), int(count));
}

QString partialLoadText(const QString &path, qsizetype added, const QStringList &details, const char *one,
                        const char *many)
{
    QString text = (details.size() == 1 ? say(one) : say(many, int(details.size())))
                       .arg(countedReminders(added), FileNameFromPath(path));
    for (qsizetype i = 0; i < details.size() && i < kRejectedLinesListed; ++i)
        text += QStringLiteral("\r\n") + details.at(i);
    if (details.size() > kRejectedLinesListed)
        text += QStringLiteral("\r\n")
            + say(QT_TRANSLATE_N_NOOP("FileCommands", "... and %n more."), int(details.size() - kRejectedLinesListed));
    return text;
}

bool writeWholeFile(ErrorTrap &trap, const QString &path, WholeFileKind kind,
                    const std::function<qint64(QIODevice &)> &compose)
{
    const WholeFileWords words = wordsFor(kind);
    QSaveFile file(path);
    const bool opened = trap(102, [&] {
        requireRegularFile(path);
        if (!file.open(QIODevice::WriteOnly))
            throw AppError(say(words.cannotCreate).arg(path, file.errorString()));
    });
    qint64 size = 0;
    const bool composed = opened && trap(104, [&] { size = compose(file); });
    // A write that failed on the way is remembered by the file and fails the commit.
    const bool saved = composed && trap(106, [&] {
        if (!file.commit()) {
            // Qt has no words of its own for a full disk ("Unknown error").
            const QString folder = QFileInfo(path).absolutePath();
            const QString why = QStorageInfo(folder).bytesAvailable() < size
                ? say(QT_TRANSLATE_NOOP("FileCommands", "the disk holding the folder %1 is full")).arg(folder)
                : file.errorString();
            throw AppError(say(words.notWritten).arg(path, why));
        }
    });
    if (!saved)
        file.cancelWriting();
    return saved;
}

QString notWrittenText(const QString &path, const QList<std::pair<QString, QStringList>> &reasons)
{
    QStringList paragraphs;
    for (const auto &[why, messages] : reasons) {
        if (!messages.isEmpty())
            paragraphs << say(QT_TRANSLATE_NOOP("FileCommands", "These reminders were not written to %1, because %2:"))
                                  .arg(FileNameFromPath(path), why)
                              + QStringLiteral("\r\n") + messages.join(QStringLiteral("\r\n"));
    }
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

QString damagedRowReason()
{
    return say(QT_TRANSLATE_NOOP("FileCommands", "their start or repetition rule as stored is not valid"));
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

} // namespace vestrona
