#pragma once

#include "control/ReminderRows.h"
#include "formats/ReminderListText.h"
#include "core/ReminderRecord.h"
#include "formats/RegionalSettings.h"

#include <QAbstractTableModel>

#include <map>
#include <unordered_map>
#include <optional>
#include <vector>

namespace vestrona {

class Clock;

class Connection;

// The rows of the reminder list, read from the database a page at a time as
// the view asks for them, in the ordered select's order; only the pages
// near what is shown are kept. The view is offered the rows a few hundred
// at a time as it scrolls on (canFetchMore), since a view lays out every row
// it is told of. A list of a million reminders thus costs no more memory
// than one of a thousand. The damaged rows, few, are kept whole
// at their places in that order, since the database's order of the stored
// texts cannot place them.
class ReminderListModel final : public QAbstractTableModel, public ReminderRows {
    Q_OBJECT

public:
    ReminderListModel(RegionalSettings regional, const Clock &clock, QObject *parent = nullptr);

    // Reads the first page of the rows of `conn`; the connection
    // must outlive the list or its clear(). `datePattern` is the DateFormat
    // the Date column is written in; it is remembered so the text can be
    // read back the same way.
    void load(Connection &conn, const QString &datePattern) override;
    void clear() override;
    void showDamaged(std::vector<ReminderRecord> rows) override;

    // The row's reminder; an empty record for a row the database no longer
    // holds (changed by another program a moment ago).
    ReminderRecord record(int row) const;
    // The row the reminder with this ID is listed on now, if it is listed;
    // the rows up to it are offered to the view.
    std::optional<int> rowOf(qint64 id);
    QString datePattern() const { return mDatePattern; }
    // The text a cell shows; a rule that will not ring again is said to
    // have ended.
    QString cellText(int row, int column) const;
    // Reads a Date column text back with the pattern it was written in.
    std::optional<QDate> readDateText(const QString &text) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Damaged {
        ReminderRecord record;
        qint64 row; // in the whole list
    };
    using Page = std::vector<ReminderRecord>;

    // The damaged rows at their places among the `count` rows of `conn`.
    static std::vector<Damaged> placed(Connection &conn, std::vector<ReminderRecord> rows);
    std::vector<qint64> damagedIds() const;
    // Lists the rows of `conn` with these damaged rows, from its first page.
    void list(Connection &conn, std::vector<Damaged> damaged);
    // The row's place among the rows that are not damaged, or nothing for a damaged row.
    std::optional<qint64> validIndex(qint64 row, const ReminderRecord **damaged) const;
    const Page &page(qint64 number) const;
    // Offers the view the rows up to `row`, which are known to be there,
    // and then some.
    void offerUpTo(qint64 row);
    // The rows known to be there: counting a large table reads all of it,
    // so the rows are counted as they are read.
    qint64 knownRows() const;
    // Notes that the valid rows up to `count` are there, and whether the
    // page read last was the last one.
    void noteValidRows(qint64 count, bool atEnd);

    bool hasEnded(const ReminderRecord &record) const;

    RegionalSettings mRegional;
    const Clock &mClock;
    // By ID, for the rules asked about since the last reading: a rule of
    // many occurrences is expanded once, not at each paint.
    mutable std::unordered_map<qint64, bool> mEnded;
    Connection *mConn = nullptr;
    // The rows that are not damaged known to be there, and whether that is all of them.
    qint64 mKnownValid = 0;
    bool mAtEnd = true;
    // The rows the view has been offered.
    qint64 mOffered = 0;
    std::vector<Damaged> mDamaged;
    QString mDatePattern;
    // By page number; the pages far from the one read last go first.
    mutable std::map<qint64, Page> mPages;
};

} // namespace vestrona
