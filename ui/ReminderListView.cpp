#include "ui/ReminderListView.h"

#include "config/Settings.h"
#include "core/AppError.h"
#include "formats/ReminderListText.h"
#include "ui/ReminderListModel.h"

#include <QCoreApplication>
#include <QHeaderView>

#include <utility>

namespace vestrona {

ReminderListView::ReminderListView(ReminderListModel &model, SettingsStore &settings, QWidget *parent)
    : QTreeView(parent), mModel(model), mSettings(settings)
{
    setObjectName(QStringLiteral("ListView1"));
    setAccessibleName(QCoreApplication::translate("Form1", "Reminders"));
    setAccessibleDescription(
        QCoreApplication::translate("Form1", "Enter edits the chosen reminder, Delete deletes it, Ctrl+N adds one."));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(false);
    setModel(&mModel);
    // The chosen reminder stays chosen when the list is read again, on
    // whatever row an edit or another program moved it to. The list is
    // emptied before each reading, so the choice waits for rows.
    connect(&mModel, &QAbstractItemModel::modelAboutToBeReset, this, &ReminderListView::keepSelection);
    connect(&mModel, &QAbstractItemModel::modelReset, this, &ReminderListView::restoreSelection);
    connect(&mModel, &QAbstractItemModel::modelReset, this, &ReminderListView::widenOptionColumn);
}

std::optional<ReminderRecord> ReminderListView::selectedReminder() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return mModel.record(rows.first().row());
}

void ReminderListView::setUpColumns()
{
    const int widths[ListColumnCount] = {1900, 2100, 1150, 1150, 1200, 1};
    for (int c = 0; c < ListColumnCount; ++c)
        setColumnWidth(c, widths[c] / 15);
    // The ID column is only there to be read by the commands, never seen.
    setColumnHidden(IdColumn, true);
    restoreColumnWidths();
    connect(header(), &QHeaderView::sectionResized, this, &ReminderListView::saveColumnWidths);
}

void ReminderListView::restoreColumnWidths()
{
    const QStringList saved =
        mSettings.GetSetting(QLatin1String(SettingKey::ListColumns), QString()).split(QLatin1Char(','));
    if (saved.size() != IdColumn)
        return;
    mRestoringColumns = true;
    for (int c = 0; c < IdColumn; ++c) {
        bool ok = false;
        const int width = saved.at(c).toInt(&ok);
        // A width no one could have dragged to is a damaged setting.
        if (ok && width >= 10 && width <= 4000)
            setColumnWidth(c, width);
    }
    mRestoringColumns = false;
}

void ReminderListView::saveColumnWidths()
{
    if (mRestoringColumns)
        return;
    QStringList widths;
    for (int c = 0; c < IdColumn; ++c)
        widths << QString::number(columnWidth(c));
    // A convenience: a settings file that cannot be written costs the
    // widths, not a message box at every drag.
    try {
        mSettings.SaveSetting(QLatin1String(SettingKey::ListColumns), widths.join(QLatin1Char(',')));
    } catch (const AppError &) {
    }
}

void ReminderListView::keepSelection()
{
    if (const std::optional<ReminderRecord> selected = selectedReminder(); selected && selected->ID != 0)
        mKeptSelection = selected->ID;
}

void ReminderListView::restoreSelection()
{
    if (!mKeptSelection || mModel.rowCount() == 0)
        return;
    if (const std::optional<int> row = mModel.rowOf(*std::exchange(mKeptSelection, std::nullopt)))
        selectionModel()->setCurrentIndex(mModel.index(*row, 0),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// A repeat rule's summary is longer than the option texts the column was
// made for: the column widens to show the listed ones whole (the rows in
// view are measured, so a long list costs no more).
void ReminderListView::widenOptionColumn()
{
    const int before = columnWidth(OptionColumn);
    resizeColumnToContents(OptionColumn);
    if (columnWidth(OptionColumn) < before)
        setColumnWidth(OptionColumn, before);
}

} // namespace vestrona
