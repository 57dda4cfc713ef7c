#pragma once

#include "control/ReminderRows.h"
#include "formats/ReminderListText.h"
#include "core/ReminderRecord.h"
#include "formats/RegionalSettings.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QStringList>

#include <functional>
#include <optional>
#include <memory>
#include <unordered_map>
#include <vector>

namespace vestrona {

class Connection;

// The rows of the reminder list. A row keeps its ID, start and option, an
// index into the few weekday texts the list has and its message packed as
// UTF-8 with all the others; a cell is formatted only when the view asks for
// it. A list of a million reminders thus costs a few dozen bytes a row and
// no per-row widgets. Damaged rows are kept whole, stored cells and all.
class ReminderListModel final : public QAbstractTableModel, public ReminderRows {
    Q_OBJECT

public:
    explicit ReminderListModel(RegionalSettings regional, QObject *parent = nullptr);

    // Replaces every row with the reminders of `conn`, in the order of its
    // ordered select. `datePattern` is the DateFormat the Date column is
    // written in; it is remembered so the text can be read back the same way.
    void load(Connection &conn, const QString &datePattern) override;
    void clear() override;

    ReminderRecord record(int row) const;
    // Every row that can ring, in list order, without its message: what
    // choosing the next reminder reads.
    void forEachScheduleRow(const std::function<void(const ReminderRecord &)> &visit) const override;
    // The message of the row with this ID; "" for none.
    QString message(qint64 id) const override;
    // The damaged rows, by ID.
    std::vector<ReminderRecord> damagedRows() const override;
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
    struct Row {
        qint64 id;
        qint64 start; // date and time as one number, see startKey
        qsizetype messageStart; // in mMessages
        int option;
        int messageSize;
        int detail; // valid rows: index in mWeekdays; damaged rows: ~index in mDamaged
    };

    void append(const ReminderRecord &record);
    // The record without its message, or the damaged row whole.
    ReminderRecord scheduleRecord(const Row &row) const;

    RegionalSettings mRegional;
    std::vector<Row> mRows;
    QByteArray mMessages;
    QStringList mWeekdays;
    std::vector<ReminderRecord> mDamaged;
    // The rules and zones of the few rows that have them, by ID.
    std::unordered_map<qint64, std::shared_ptr<const RepeatRule>> mRepeats;
    QString mDatePattern;
};

} // namespace vestrona
