#include "ui/ReminderListModel.h"

#include "core/Clock.h"
#include "database/Connection.h"
#include "formats/DateFormats.h"
#include "formats/StoredDateTime.h"
#include "scheduler/NextReminder.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

namespace vestrona {

namespace {

// A page is read in well under a millisecond; a few pages hold more rows than
// any window shows.
constexpr int kPageRows = 128;
constexpr size_t kMostPages = 8;
// Rows offered to the view at a time: a few screens.
constexpr qint64 kOfferedRows = kPageRows;

const std::vector<ReminderRecord> kNoRows;

} // namespace

ReminderListModel::ReminderListModel(RegionalSettings regional, const Clock &clock, QObject *parent)
    : QAbstractTableModel(parent), mRegional(regional), mClock(clock), mDatePattern(QString::fromLatin1(kMonthFirstPattern))
{
}

std::vector<ReminderListModel::Damaged> ReminderListModel::placed(Connection &conn, std::vector<ReminderRecord> rows)
{
    // Where the ordered select puts them: an unreadable date before every
    // row, an unreadable time before the rows of its day, an unreadable
    // option at its start.
    std::sort(rows.begin(), rows.end(), comesBefore);
    std::vector<qint64> ids;
    for (const ReminderRecord &row : rows)
        ids.push_back(row.ID);
    std::vector<Damaged> damaged;
    for (ReminderRecord &row : rows) {
        qint64 before = 0;
        if (row.StartDate.isValid()) {
            ReminderRecord key;
            const bool timed = row.StartTime.isValid();
            key.ID = timed ? row.ID : 0;
            key.stored = std::make_shared<const StoredCells>(
                StoredCells{{}, QString::fromLatin1(isoDate(row.StartDate)),
                            timed ? QString::fromLatin1(isoTime(row.StartTime)) : QString()});
            before = conn.listPosition(key, ids);
        }
        damaged.push_back({std::move(row), before + qint64(damaged.size())});
    }
    return damaged;
}

void ReminderListModel::load(Connection &conn, const QString &datePattern)
{
    // Read aside first: a reading that fails leaves the list as it was.
    conn.indexListOrder();
    std::vector<ReminderRecord> stillDamaged;
    for (const Damaged &row : mDamaged) {
        if (std::optional<ReminderRecord> stored = conn.reminder(row.record.ID); stored && stored->damaged)
            stillDamaged.push_back(std::move(*stored));
    }
    std::vector<Damaged> damaged = placed(conn, std::move(stillDamaged));
    mDatePattern = datePattern;
    list(conn, std::move(damaged));
}

void ReminderListModel::list(Connection &conn, std::vector<Damaged> damaged)
{
    std::vector<qint64> ids;
    for (const Damaged &row : damaged)
        ids.push_back(row.record.ID);
    // The first screen is filled as the window first shows.
    Page first = conn.listPage({ids, 0, nullptr, kPageRows});

    beginResetModel();
    mConn = &conn;
    mDamaged = std::move(damaged);
    mPages.clear();
    mEnded.clear();
    mKnownValid = 0;
    noteValidRows(qint64(first.size()), first.size() < size_t(kPageRows));
    mPages.emplace(0, std::move(first));
    mOffered = std::min(knownRows(), kOfferedRows);
    endResetModel();
}

void ReminderListModel::clear()
{
    beginResetModel();
    mConn = nullptr;
    mKnownValid = 0;
    mAtEnd = true;
    mOffered = 0;
    mDamaged.clear();
    mPages.clear();
    mEnded.clear();
    endResetModel();
}

void ReminderListModel::showDamaged(std::vector<ReminderRecord> rows)
{
    if (!mConn || (rows.empty() && mDamaged.empty()))
        return;
    list(*mConn, placed(*mConn, std::move(rows)));
}

std::vector<qint64> ReminderListModel::damagedIds() const
{
    std::vector<qint64> ids;
    for (const Damaged &row : mDamaged)
        ids.push_back(row.record.ID);
    return ids;
}

std::optional<qint64> ReminderListModel::validIndex(qint64 row, const ReminderRecord **damaged) const
{
    qint64 before = 0;
    for (const Damaged &placedRow : mDamaged) {
        if (placedRow.row == row) {
            *damaged = &placedRow.record;
            return std::nullopt;
        }
        if (placedRow.row < row)
            ++before;
    }
    return row - before;
}

const ReminderListModel::Page &ReminderListModel::page(qint64 number) const
{
    if (const auto found = mPages.find(number); found != mPages.end())
        return found->second;
    if (!mConn)
        return kNoRows;
    Connection::ListPage wanted{damagedIds(), number * kPageRows, nullptr, kPageRows};
    // Read on from the page before, when it is at hand: an offset walks
    // every row before it.
    if (const auto before = mPages.find(number - 1); before != mPages.end() && before->second.size() == kPageRows
                                                      && !before->second.back().damaged)
        wanted.after = &before->second.back();
    Page read;
    try {
        read = mConn->listPage(wanted);
    } catch (const AppError &) {
        // The database is busy or gone; the watcher's reload follows.
        return kNoRows;
    }
    if (mPages.size() >= kMostPages) {
        const auto farthest = std::max_element(mPages.begin(), mPages.end(), [number](const auto &a, const auto &b) {
            return std::abs(a.first - number) < std::abs(b.first - number);
        });
        mPages.erase(farthest);
    }
    return mPages.emplace(number, std::move(read)).first->second;
}

ReminderRecord ReminderListModel::record(int row) const
{
    const ReminderRecord *damaged = nullptr;
    const std::optional<qint64> index = validIndex(row, &damaged);
    if (!index)
        return *damaged;
    const Page &rows = page(*index / kPageRows);
    const size_t inPage = size_t(*index % kPageRows);
    return inPage < rows.size() ? rows[inPage] : ReminderRecord();
}

qint64 ReminderListModel::knownRows() const
{
    qint64 damaged = 0;
    for (const Damaged &row : mDamaged) {
        // Its place among the valid rows.
        if (mAtEnd || row.row - damaged <= mKnownValid)
            ++damaged;
    }
    return mKnownValid + damaged;
}

void ReminderListModel::noteValidRows(qint64 count, bool atEnd)
{
    mKnownValid = std::max(mKnownValid, count);
    mAtEnd = atEnd;
}

void ReminderListModel::offerUpTo(qint64 row)
{
    if (row < mOffered)
        return;
    const qint64 offered = std::min(knownRows(), row + kOfferedRows);
    if (offered <= mOffered)
        return;
    beginInsertRows({}, int(mOffered), int(offered - 1));
    mOffered = offered;
    endInsertRows();
}

bool ReminderListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && (mOffered < knownRows() || !mAtEnd);
}

void ReminderListModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid())
        return;
    if (mOffered >= knownRows() && !mAtEnd) {
        const qint64 number = mKnownValid / kPageRows;
        const size_t read = page(number).size();
        noteValidRows(number * kPageRows + qint64(read), read < size_t(kPageRows));
    }
    offerUpTo(mOffered);
}

std::optional<int> ReminderListModel::rowOf(qint64 id)
{
    for (size_t at = 0; at < mDamaged.size(); ++at) {
        if (mDamaged[at].record.ID == id) {
            // The valid rows it is placed after are there.
            noteValidRows(mDamaged[at].row - qint64(at), mAtEnd);
            offerUpTo(mDamaged[at].row);
            return int(mDamaged[at].row);
        }
    }
    if (!mConn)
        return std::nullopt;
    try {
        const std::optional<ReminderRecord> stored = mConn->reminder(id);
        if (!stored || stored->damaged)
            return std::nullopt;
        const qint64 valid = mConn->listPosition(*stored, damagedIds());
        qint64 row = valid;
        for (const Damaged &placedRow : mDamaged) {
            if (placedRow.row <= row)
                ++row;
        }
        noteValidRows(valid + 1, mAtEnd);
        offerUpTo(row);
        return int(row);
    } catch (const AppError &) {
        return std::nullopt;
    }
}

QString ReminderListModel::cellText(int row, int column) const
{
    const ReminderRecord shown = record(row);
    const QString text = listCellText(shown, column, mDatePattern, mRegional);
    if (column == OptionColumn && hasEnded(shown))
        return QCoreApplication::translate("ReminderList", "%1, ended").arg(text);
    return text;
}

bool ReminderListModel::hasEnded(const ReminderRecord &record) const
{
    if (record.damaged || record.Option != OptionRule || !record.repeat)
        return false;
    const auto known = mEnded.find(record.ID);
    if (known != mEnded.end())
        return known->second;
    const bool ended = !nextOccurrence(record, mClock.now());
    mEnded.emplace(record.ID, ended);
    return ended;
}

std::optional<QDate> ReminderListModel::readDateText(const QString &text) const
{
    return readDateWithPattern(text, mDatePattern, mRegional);
}

int ReminderListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(mOffered);
}

int ReminderListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ListColumnCount;
}

QVariant ReminderListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    QString text = cellText(index.row(), index.column());
    if (role == Qt::DisplayRole && index.column() == ReminderColumn)
        // One line per reminder; the tooltip shows the message whole.
        text.replace(QStringLiteral("\r\n"), QChar(0x21B5)).replace(QLatin1Char('\n'), QChar(0x21B5)).replace(QLatin1Char('\r'), QChar(0x21B5));
    return text;
}

QVariant ReminderListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ListColumnCount)
        return {};
    return QCoreApplication::translate("ReminderList", kListHeaders[section]);
}

} // namespace vestrona
