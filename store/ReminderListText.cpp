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

} // namespace vestrona
