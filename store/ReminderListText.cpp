#include "store/ReminderListText.h"

#include "store/DateFormats.h"

namespace vestrona {

QString listCellText(const ReminderRecord &r, int column, const QString &datePattern, const RegionalSettings &regional)
{
    switch (column) {
    case ReminderColumn:
        return r.Reminder;
    case OptionColumn:
        return optionText(r.Option);
    case DateColumn:
        return formatDateWithPattern(r.StartDate, datePattern, regional);
    case TimeColumn:
        return formatTimeOfDay(r.StartTime, regional);
    case DaysColumn:
        return r.Weekdays;
    case IdColumn:
        return QString::number(r.ID);
    default:
        return {};
    }
}

} // namespace vestrona
