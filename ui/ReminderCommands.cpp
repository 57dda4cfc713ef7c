#include "ui/ReminderCommands.h"

#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "filecommands/Backup.h"
#include "database/Connection.h"
#include "filecommands/ICalendar.h"
#include "database/Statements.h"
#include "ui/FileDialogs.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/WindowLook.h"

#include <QCoreApplication>
#include <QApplication>

namespace vestrona {

namespace {

constexpr auto kTextFileFilter
    = QT_TRANSLATE_NOOP("ReminderCommands", "Text Files (*.txt)|*.txt|iCalendar (*.ics)|*.ics|All Files (*.*)|*.*|");

bool isICalendarName(const QString &path)
{
    return path.endsWith(QStringLiteral(".ics"), Qt::CaseInsensitive);
}

// The hourglass for the length of a file operation, gone again however it ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

ReminderCommands::ReminderCommands(const AppContext &context, ReminderListAccess list)
    : mContext(context), mList(std::move(list))
{
}

std::function<void()> ReminderCommands::listChangedReminders() const
{
    return [this] {
        mList.listReminders();
        mList.remindersChanged();
    };
}

void ReminderCommands::PushButton1_Click()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.PushButton1_Click"));
    trap(100, [&] {
        Form3 editor(mContext, mList.conn, listChangedReminders());
        makeDialogOf(editor, mList.window);
        mContext.runDialog(editor);
    });
    trap(102, [&] { mList.GetLatestReminder(); });
}

void ReminderCommands::PushButton3_Click()
{
    const std::optional<ReminderRecord> selected = mList.selectedReminder();
    if (!selected)
        return;
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.PushButton3_Click"));
    Form3 editor(mContext, mList.conn, listChangedReminders());
    makeDialogOf(editor, mList.window);
    trap(100, [&] { editor.load(*selected); });
    trap(112, [&] { mContext.runDialog(editor); });
    trap(114, [&] { mList.GetLatestReminder(); });
}

void ReminderCommands::PushButton2_Click()
{
    const std::optional<ReminderRecord> selected = mList.selectedReminder();
    if (!selected)
        return;
    Reporter &reporter = mContext.reporter;
    ErrorTrap trap(reporter, QStringLiteral("Form1.PushButton2_Click"));
    Reporter::Answer answer = Reporter::Answer::No;
    trap(100, [&] {
        answer
            = reporter.askYesNo(QCoreApplication::translate("ReminderCommands", "Are you sure you want to delete %1?")
                                    .arg(selected->Reminder),
                                QCoreApplication::translate("ReminderCommands", "Delete Selected Reminder"));
    });
    if (answer != Reporter::Answer::Yes)
        return;
    trap(102, [&] {
        mList.conn.Execute(deleteStatement(selected->ID));
        mList.remindersChanged();
    });
    trap(104, [&] { mList.listReminders(); });
    trap(106, [&] { mList.GetLatestReminder(); });
}

void ReminderCommands::PushButton8_Click()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.PushButton8_Click"));
    QString path;
    trap(100, [&] {
        path = mContext.fileDialogs.getSaveFileName(QCoreApplication::translate("ReminderCommands", "Save"),
                                                    QCoreApplication::translate("ReminderCommands", kTextFileFilter));
    });
    if (path.isEmpty())
        return;
    Reporter::Answer answer = Reporter::Answer::Yes;
    trap(102, [&] {
        if (FileExists(path))
            answer = mContext.reporter.askYesNo(
                QCoreApplication::translate("ReminderCommands", "Are you sure you wish to overwrite %1 ?").arg(path));
    });
    if (answer != Reporter::Answer::Yes)
        return;
    WaitCursor hourglass;
    trap(104, [&] {
        if (isICalendarName(path))
            SaveRemToICalendar(mList.conn, mContext.reporter, path, &mList.progress);
        else
            SaveRemToFile(mList.conn, mContext.regional, mContext.reporter, path, &mList.progress);
    });
}

void ReminderCommands::PushButton9_Click()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.PushButton9_Click"));
    QStringList paths;
    trap(100, [&] {
        paths = mContext.fileDialogs.getOpenFileNames(
            QCoreApplication::translate("ReminderCommands", "Load List(s) - Hold Ctrl to select multiple list files"),
            QCoreApplication::translate("ReminderCommands", kTextFileFilter));
    });
    if (paths.isEmpty())
        return;
    WaitCursor hourglass;
    qsizetype added = 0;
    int filesLoaded = 0;
    for (const QString &path : paths) {
        trap(102, [&] {
            // A calendar is known by what it holds, whatever it is called.
            if (looksLikeICalendar(path)) {
                const ICalendarImportResult result =
                    LoadRemFromICalendar(mList.conn, mContext.reporter, FixPathSlashes(path), &mList.progress);
                added += qsizetype(result.added.size());
                filesLoaded += result.failed ? 0 : 1;
            } else {
                const RestoreResult result =
                    LoadRemFromFile(mList.conn, mContext.regional, mContext.reporter, FixPathSlashes(path), &mList.progress);
                added += result.added;
                filesLoaded += result.failed ? 0 : 1;
            }
        });
    }
    // Each file said what it added; several say it together.
    if (filesLoaded > 1)
        mList.progress.setProgress(0,
                                   QCoreApplication::translate("ReminderCommands", "Added %1 from %2 files.")
                                       .arg(countedReminders(added))
                                       .arg(filesLoaded));
    trap(104, listChangedReminders());
}

void ReminderCommands::PushButton7_Click()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.PushButton7_Click"));
    trap(100, [&] {
        Form4 dialog(mContext, mList.listReminders);
        makeDialogOf(dialog, mList.window);
        mContext.runDialog(dialog);
    });
}

} // namespace vestrona
