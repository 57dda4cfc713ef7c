#pragma once

#include <functional>

class QDialog;

namespace vestrona {

class Form1;

// The main window's commands that change reminders: add, edit, delete,
// backup, load and the date format.
class ReminderCommands {
public:
    explicit ReminderCommands(Form1 &form);

    void PushButton1_Click(); // "Add New Reminder"
    void PushButton3_Click(); // "Edit Selected Reminder"
    void PushButton2_Click(); // "Delete Selected Reminder"
    void PushButton8_Click(); // "Backup Reminders To File "
    void PushButton9_Click(); // "Load Reminders From File "
    void PushButton7_Click(); // "Set Date Format"

    // Shows the editor and the date-format dialog modally and returns when
    // they have closed. exec() unless a test drives the dialog itself.
    using DialogRunner = std::function<void(QDialog &)>;
    void setDialogRunner(DialogRunner runner) { mRunDialog = std::move(runner); }

private:
    Form1 &mForm;
    DialogRunner mRunDialog;
};

} // namespace vestrona
