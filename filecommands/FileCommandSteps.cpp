#include "filecommands/FileCommandSteps.h"

#include "core/AppError.h"
#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "core/ProgressIdleText.h"
#include "database/Connection.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace vestrona {

void startProgress(ProgressSink *progress, const char *action, const QString &path)
{
    if (!progress)
        return;
    progress->processEvents();
    progress->setProgress(30, QString::fromLatin1(action) + FileNameFromPath(path));
    progress->processEvents();
}

void finishProgress(ProgressSink *progress, const QString &outcome)
{
    if (!progress)
        return;
    progress->setProgress(100, QStringLiteral("Done."));
    progress->setProgress(0, outcome.isEmpty() ? progressIdleText() : outcome);
}

QString countedReminders(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 reminder") : QStringLiteral("%1 reminders").arg(count);
}

QString partialLoadText(const QString &path, qsizetype added, const QStringList &details, const char *one,
                        const char *many)
{
    const QString leftOut = details.size() == 1 ? QStringLiteral("1 %1 was").arg(QLatin1StringView(one))
                                                : QStringLiteral("%1 %2 were").arg(details.size()).arg(QLatin1StringView(many));
    QString text = QStringLiteral("Added %1 from %2. %3 left out:")
                       .arg(countedReminders(added), FileNameFromPath(path), leftOut);
    for (qsizetype i = 0; i < details.size() && i < kRejectedLinesListed; ++i)
        text += QStringLiteral("\r\n") + details.at(i);
    if (details.size() > kRejectedLinesListed)
        text += QStringLiteral("\r\n... and %1 more.").arg(details.size() - kRejectedLinesListed);
    return text;
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

QString notWrittenText(const QString &path, const QList<std::pair<QString, QStringList>> &reasons)
{
    QStringList paragraphs;
    for (const auto &[why, messages] : reasons) {
        if (!messages.isEmpty())
            paragraphs << QStringLiteral("These reminders were not written to %1, because %2:\r\n")
                                  .arg(FileNameFromPath(path), why)
                              + messages.join(QStringLiteral("\r\n"));
    }
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
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
