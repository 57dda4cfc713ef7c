#pragma once

#include "store/ReminderListText.h"
#include "store/ReminderRecord.h"
#include "store/RegionalSettings.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace vestrona {

// The rows of the reminder list. Holds the records themselves and formats a
// cell only when the view asks for it, so a list of 100,000 reminders costs
// one read of the table and no per-row widgets.
class ReminderListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ReminderListModel(RegionalSettings regional, QObject *parent = nullptr);

    // Replaces every row. `datePattern` is the DateFormat the Date column is
    // written in; it is remembered so the text can be read back the same way.
    void setRows(std::vector<ReminderRecord> rows, const QString &datePattern);
    void clear();

    const ReminderRecord &record(int row) const { return mRows.at(size_t(row)); }
    const std::vector<ReminderRecord> &rows() const { return mRows; }
    QString datePattern() const { return mDatePattern; }
    // The text a cell shows.
    QString cellText(int row, int column) const;
    // Reads a Date column text back with the pattern it was written in.
    std::optional<QDate> readDateText(const QString &text) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    RegionalSettings mRegional;
    std::vector<ReminderRecord> mRows;
    QString mDatePattern;
};

} // namespace vestrona
