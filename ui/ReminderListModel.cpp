#include "ui/ReminderListModel.h"

#include "database/Connection.h"
#include "formats/DateFormats.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <limits>

namespace vestrona {

namespace {

constexpr qint64 kMsecsPerDay = 86'400'000;

// A start date and time as one number that orders as the ordered select
// does: by date, an invalid one before every other, then by time, an invalid
// one first within its day. Stored times are whole seconds, so a millisecond
// before midnight is no valid time of the day before. Sorting a hundred
// thousand rows compares them some two million times.
qint64 startKey(const QDate &date, const QTime &time)
{
    const int msecs = time.isValid() ? time.msecsSinceStartOfDay() : -1;
    if (!date.isValid())
        return std::numeric_limits<qint64>::min() + 1 + msecs;
    return date.toJulianDay() * kMsecsPerDay + msecs;
}

} // namespace

ReminderListModel::ReminderListModel(RegionalSettings regional, QObject *parent)
    : QAbstractTableModel(parent), mRegional(regional), mDatePattern(QString::fromLatin1(kMonthFirstPattern))
{
}

void ReminderListModel::load(Connection &conn, const QString &datePattern)
{
    // Read aside first: a reading that fails half-way leaves the list as it was.
    ReminderListModel read(mRegional);
    read.mRows.reserve(size_t(conn.reminderCount()));
    // Keyed by the stored bytes, so a row whose weekdays are already known
    // decodes nothing; the message is kept as the UTF-8 it is stored in.
    QHash<QByteArray, int> weekdayIndex;
    conn.forEachListRow(
        [&](const Connection::ListRow &row) {
            const QByteArray stored = QByteArray::fromRawData(row.weekdays.data(), row.weekdays.size());
            auto weekdays = weekdayIndex.constFind(stored);
            if (weekdays == weekdayIndex.cend()) {
                weekdays = weekdayIndex.insert(QByteArray(stored.constData(), stored.size()), int(read.mWeekdays.size()));
                read.mWeekdays.append(row.weekdays.toString());
            }
            const qsizetype start = read.mMessages.size();
            read.mMessages.append(row.message.data(), row.message.size());
            read.mRows.push_back({row.ID, row.startDay * kMsecsPerDay + row.startMsecs, start, row.Option,
                                  int(read.mMessages.size() - start), *weekdays});
        },
        [&](const ReminderRecord &record) {
            read.mDamaged.push_back(record);
            read.mRows.push_back({record.ID, startKey(record.StartDate, record.StartTime), 0, record.Option, 0,
                                  ~int(read.mDamaged.size() - 1)});
        });
    read.mMessages.squeeze();
    // Start date, then start time; reminders that start together come in the
    // order they were added. Damaged rows have no valid start and lead.
    std::sort(read.mRows.begin(), read.mRows.end(), [](const Row &a, const Row &b) {
        return a.start != b.start ? a.start < b.start : a.id < b.id;
    });

    beginResetModel();
    mRows = std::move(read.mRows);
    mMessages = std::move(read.mMessages);
    mWeekdays = std::move(read.mWeekdays);
    mDamaged = std::move(read.mDamaged);
    mDatePattern = datePattern;
    endResetModel();
}

void ReminderListModel::clear()
{
    beginResetModel();
    // Given back, not kept as capacity: the list may have held a million rows.
    mRows = {};
    mMessages = {};
    mWeekdays = {};
    mDamaged = {};
    endResetModel();
}

ReminderRecord ReminderListModel::scheduleRecord(const Row &row) const
{
    if (row.detail < 0)
        return mDamaged[size_t(~row.detail)];
    ReminderRecord record;
    record.ID = row.id;
    record.Option = row.option;
    record.StartDate = QDate::fromJulianDay(row.start / kMsecsPerDay);
    record.StartTime = QTime::fromMSecsSinceStartOfDay(int(row.start % kMsecsPerDay));
    record.Weekdays = mWeekdays.at(row.detail);
    return record;
}

ReminderRecord ReminderListModel::record(int row) const
{
    const Row &listed = mRows.at(size_t(row));
    ReminderRecord record = scheduleRecord(listed);
    if (listed.detail >= 0)
        record.Reminder = QString::fromUtf8(mMessages.constData() + listed.messageStart, listed.messageSize);
    return record;
}

void ReminderListModel::forEachScheduleRow(const std::function<void(const ReminderRecord &)> &visit) const
{
    for (const Row &row : mRows) {
        if (row.detail >= 0)
            visit(scheduleRecord(row));
    }
}

QString ReminderListModel::message(qint64 id) const
{
    const auto found = std::find_if(mRows.begin(), mRows.end(), [id](const Row &row) { return row.id == id; });
    return found == mRows.end() ? QString() : record(int(found - mRows.begin())).Reminder;
}

std::vector<ReminderRecord> ReminderListModel::damagedRows() const
{
    std::vector<ReminderRecord> damaged = mDamaged;
    std::sort(damaged.begin(), damaged.end(), hasLowerId);
    return damaged;
}

QString ReminderListModel::cellText(int row, int column) const
{
    return listCellText(record(row), column, mDatePattern, mRegional);
}

std::optional<QDate> ReminderListModel::readDateText(const QString &text) const
{
    return readDateWithPattern(text, mDatePattern, mRegional);
}

int ReminderListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(mRows.size());
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
