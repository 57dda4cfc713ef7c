#include "ui/ReminderListModel.h"

#include "store/DateFormats.h"

namespace vestrona {

ReminderListModel::ReminderListModel(RegionalSettings regional, QObject *parent)
    : QAbstractTableModel(parent), mRegional(regional), mDatePattern(QString::fromLatin1(kMonthFirstPattern))
{
}

void ReminderListModel::setRows(std::vector<ReminderRecord> rows, const QString &datePattern)
{
    beginResetModel();
    mRows = std::move(rows);
    mDatePattern = datePattern;
    endResetModel();
}

void ReminderListModel::clear()
{
    beginResetModel();
    mRows.clear();
    endResetModel();
}

QString ReminderListModel::cellText(int row, int column) const
{
    return listCellText(mRows.at(size_t(row)), column, mDatePattern, mRegional);
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
    return QString::fromLatin1(kListHeaders[section]);
}

} // namespace vestrona
