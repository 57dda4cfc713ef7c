#pragma once

#include "core/ReminderRecord.h"
#include "ui/AppContext.h"

#include <functional>
#include <optional>

class QWidget;

namespace vestrona {

class Connection;
class ProgressSink;

// What the commands reach of the main window: its connection and progress
// bar, the record of the list's selected row, and its two refreshes.
struct ReminderListAccess {
    Connection &conn;
    ProgressSink &progress;
    // None when no row is selected.
    std::function<std::optional<ReminderRecord>()> selectedReminder;
    // Reads the list again from the database.
    std::function<void()> listReminders;
    // Chooses the reminder that rings next again.
    std::function<void()> GetLatestReminder;
    // The reminders in the database were changed here, so the calendar
    // server gets them soon.
    std::function<void()> remindersChanged;
    // The main window, which the editor and the date-format dialog belong to.
    const QWidget &window;
};

// The main window's commands that change reminders: add, edit, delete,
// backup, load and the date format. The editor and the date-format dialog
// are shown through the context's dialog runner.
class ReminderCommands {
public:
    ReminderCommands(const AppContext &context, ReminderListAccess list);

    void PushButton1_Click(); // "Add New Reminder"
    void PushButton3_Click(); // "Edit Selected Reminder"
    void PushButton2_Click(); // "Delete Selected Reminder"
    void PushButton8_Click(); // "Backup Reminders To File "
    void PushButton9_Click(); // "Load Reminders From File "
    void PushButton7_Click(); // "Set Date Format"

private:
    // For the editor: what follows a save.
    std::function<void()> listChangedReminders() const;

    const AppContext &mContext;
    ReminderListAccess mList;
};

} // namespace vestrona
