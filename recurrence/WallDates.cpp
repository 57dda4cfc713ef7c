#include "recurrence/WallDates.h"

#include <QStringList>

#include <algorithm>

namespace vestrona::recurrence {

std::optional<std::vector<qint64>> parseDateList(QStringView text)
{
    std::vector<qint64> keys;
    if (text.isEmpty())
        return keys;
    for (const QStringView piece : text.split(u',')) {
        // Date and time apart: a wall-clock time the system's clocks skip is
        // still a valid time in the reminder's own zone.
        const QStringView trimmed = piece.trimmed();
        if (trimmed.size() != 15 || trimmed[8] != u'T')
            return std::nullopt;
        const QDate date = QDate::fromString(trimmed.first(8).toString(), QStringLiteral("yyyyMMdd"));
        const QTime time = QTime::fromString(trimmed.last(6).toString(), QStringLiteral("HHmmss"));
        if (!date.isValid() || !time.isValid())
            return std::nullopt;
        keys.push_back(keyOf(date, time));
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

QString wallText(qint64 key)
{
    const QDate date = QDate::fromJulianDay(key / kMsPerDay);
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(key % kMsPerDay));
    return date.toString(QStringLiteral("yyyyMMdd")) + u'T' + time.toString(QStringLiteral("HHmmss"));
}

QString dateListText(const std::vector<qint64> &keys)
{
    QStringList texts;
    for (const qint64 key : keys)
        texts.append(wallText(key));
    return texts.join(u',');
}

} // namespace vestrona::recurrence
