#include "store/ReminderListText.h"

#include "store/DateFormats.h"

namespace vestrona {

QString listCellText(const ReminderRecord &r, int column, const QString &datePattern, const RegionalSettings &regional)
{
    switch (column) {
    case ReminderColumn:
        return r.Reminder;
    case OptionColumn:
        return r.damaged ? r.storedOption : optionText(r.Option);
    case DateColumn:
        return r.damaged ? r.storedDate : formatDateWithPattern(r.StartDate, datePattern, regional);
    case TimeColumn:
        return r.damaged ? r.storedTime : formatTimeOfDay(r.StartTime, regional);
    case DaysColumn:
        return r.Weekdays;
    case IdColumn:
        return QString::number(r.ID);
    default:
        return {};
    }
}

QString damagedRowsNotice(const std::vector<ReminderRecord> &rows)
{
    QString text;
    for (const ReminderRecord &r : rows) {
        if (!r.damaged)
            continue;
        if (text.isEmpty())
            text = QStringLiteral("These reminders never ring, because their start or repetition rule as stored is "
                                  "not valid; delete them, or enter them again:");
        text += QStringLiteral("\r\nID %1 \"%2\": option \"%3\", date \"%4\", time \"%5\"")
                    .arg(QString::number(r.ID), r.Reminder, r.storedOption, r.storedDate, r.storedTime);
    }
    return text;
}

} // namespace vestrona
