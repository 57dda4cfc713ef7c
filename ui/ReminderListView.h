#pragma once

#include "core/ReminderRecord.h"

#include <QTreeView>

#include <optional>

namespace vestrona {

class ReminderListModel;
class SettingsStore;

// The main window's list of reminders, one row chosen at a time: the chosen
// reminder stays chosen when the list is read again, the rule column is wide
// enough for the summaries in view, and the widths the user drags the
// columns to are kept in the settings.
class ReminderListView final : public QTreeView {
    Q_OBJECT

public:
    ReminderListView(ReminderListModel &model, SettingsStore &settings, QWidget *parent);

    // The record of the selected row; none when no row is selected.
    std::optional<ReminderRecord> selectedReminder() const;
    // The columns' first widths, then the user's from the settings; each
    // drag from then on is saved.
    void setUpColumns();

private:
    void restoreColumnWidths();
    void saveColumnWidths();
    void keepSelection();
    void restoreSelection();
    void widenOptionColumn();

    ReminderListModel &mModel;
    SettingsStore &mSettings;
    // The chosen reminder's ID while the list is read again.
    std::optional<qint64> mKeptSelection;
    bool mRestoringColumns = false;
};

} // namespace vestrona
