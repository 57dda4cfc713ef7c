#include "ui/ReminderCommands.h"

#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "store/DateFormats.h"
#include "store/Statements.h"
#include "ui/FileDialogs.h"
#include "ui/Form1.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/ReminderListModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimeEdit>

namespace vestrona {

namespace {

constexpr auto kTextFileFilter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|";

// The hourglass for the length of a file operation, gone again however it ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

ReminderCommands::ReminderCommands(Form1 &form)
    : mForm(form), mRunDialog([](QDialog &dialog) { dialog.exec(); })
{
}

void ReminderCommands::PushButton1_Click()
{
    ErrorTrap trap(mForm.context().reporter, QStringLiteral("Form1.PushButton1_Click"));
    trap(100, [&] {
        Form3 editor(mForm);
        mRunDialog(editor);
    });
    trap(102, [&] { mForm.GetLatestReminder(); });
}

void ReminderCommands::PushButton3_Click()
{
    const int row = mForm.selectedReminderRow();
    if (mForm.listModel().rowCount() == 0 || row < 0)
        return;
    ErrorTrap trap(mForm.context().reporter, QStringLiteral("Form1.PushButton3_Click"));
    const ReminderListModel &list = mForm.listModel();
    const RegionalSettings &regional = mForm.context().regional;
    Form3 editor(mForm);
    trap(100, [&] { editor.mRemID = list.cellText(row, IdColumn); });
    // The Date column was written in the list's DateFormat, so it is read
    // back in that order: opening and saving never moves a reminder.
    trap(102, [&] {
        if (const std::optional<QDate> date = list.readDateText(list.cellText(row, DateColumn)))
            editor.dtpDate->setDate(*date);
    });
    trap(104, [&] {
        const QString text = list.cellText(row, TimeColumn);
        const std::optional<QTime> time = readTimeOfDay(text, regional);
        if (!time)
            throw AppError(QStringLiteral("The time \"%1\" of the selected reminder is not a time of day.").arg(text));
        editor.dtpTime->setTime(*time);
    });
    trap(106, [&] { editor.Text1->setPlainText(list.cellText(row, ReminderColumn)); });
    trap(108, [&] {
        const QString option = list.cellText(row, OptionColumn);
        if (option == optionText(OptionOnce)) {
            editor.Option1->setChecked(true);
            editor.EnableCheckboxes(false);
        } else if (option == optionText(OptionDaily)) {
            editor.Option2->setChecked(true);
            editor.EnableCheckboxes(false);
        } else if (option == optionText(OptionWeekly)) {
            editor.Option3->setChecked(true);
            editor.EnableCheckboxes(true);
        }
    });
    trap(110, [&] {
        const QString weekdays = list.cellText(row, DaysColumn);
        if (weekdays.isEmpty())
            return;
        for (const QString &piece : weekdays.split(QLatin1Char(','))) {
            for (QCheckBox *box : editor.Check1) {
                if (piece == box->text())
                    box->setChecked(true);
            }
        }
    });
    trap(112, [&] { mRunDialog(editor); });
    trap(114, [&] { mForm.GetLatestReminder(); });
}

void ReminderCommands::PushButton2_Click()
{
    const int row = mForm.selectedReminderRow();
    if (mForm.listModel().rowCount() == 0 || row < 0)
        return;
    Reporter &reporter = mForm.context().reporter;
    ErrorTrap trap(reporter, QStringLiteral("Form1.PushButton2_Click"));
    Reporter::Answer answer = Reporter::Answer::No;
    trap(100, [&] {
        answer = reporter.askYesNo(QStringLiteral("Are you sure you want to delete ")
                                       + mForm.listModel().cellText(row, ReminderColumn) + QLatin1Char('?'),
                                   QStringLiteral("Delete Selected Reminder"));
    });
    if (answer != Reporter::Answer::Yes)
        return;
    trap(102, [&] { mForm.conn().Execute(deleteStatement(mForm.selectedReminderId().toLongLong())); });
    trap(104, [&] { mForm.listReminders(); });
    trap(106, [&] { mForm.GetLatestReminder(); });
}

void ReminderCommands::PushButton8_Click()
{
    const AppContext &context = mForm.context();
    ErrorTrap trap(context.reporter, QStringLiteral("Form1.PushButton8_Click"));
    QString path;
    trap(100, [&] { path = context.fileDialogs.getSaveFileName(QStringLiteral("Save"), QString::fromLatin1(kTextFileFilter)); });
    if (path.isEmpty())
        return;
    Reporter::Answer answer = Reporter::Answer::Yes;
    trap(102, [&] {
        if (FileExists(path))
            answer = context.reporter.askYesNo(QStringLiteral("Are you sure you wish to overwrite ") + path + QStringLiteral(" ?"));
    });
    if (answer != Reporter::Answer::Yes)
        return;
    WaitCursor hourglass;
    trap(104, [&] { SaveRemToFile(mForm.conn(), context.regional, context.reporter, path, &mForm); });
}

void ReminderCommands::PushButton9_Click()
{
    const AppContext &context = mForm.context();
    ErrorTrap trap(context.reporter, QStringLiteral("Form1.PushButton9_Click"));
    QStringList paths;
    trap(100, [&] {
        paths = context.fileDialogs.getOpenFileNames(QStringLiteral("Load List(s) - Hold Ctrl to select multiple list files"),
                                                     QString::fromLatin1(kTextFileFilter));
    });
    if (paths.isEmpty())
        return;
    WaitCursor hourglass;
    for (const QString &path : paths)
        trap(102, [&] { LoadRemFromFile(mForm.conn(), context.regional, context.reporter, FixPathSlashes(path), &mForm); });
    trap(104, [&] { mForm.listReminders(); });
}

void ReminderCommands::PushButton7_Click()
{
    ErrorTrap trap(mForm.context().reporter, QStringLiteral("Form1.PushButton7_Click"));
    trap(100, [&] {
        Form4 dialog(mForm);
        mRunDialog(dialog);
    });
}

} // namespace vestrona
