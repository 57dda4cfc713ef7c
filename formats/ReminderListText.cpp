#include "formats/ReminderListText.h"

#include "formats/DateFormats.h"
#include "recurrence/RuleSummary.h"

#include <QCoreApplication>

namespace vestrona {

QStringView listCellView(const ReminderRecord &r, int column, const QString &datePattern,
                         const RegionalSettings &regional, ShortText &scratch, SummaryLanguage language)
{
    switch (column) {
    case ReminderColumn:
        return r.Reminder;
    case OptionColumn:
        if (r.damaged)
            return r.stored->option;
        if (r.repeat || language == SummaryLanguage::User) {
            // Longer than `scratch` holds; kept until the next summary asked
            // for on this thread, as a view is used before the next cell.
            static thread_local QString summary;
            summary = repeatSummary(r, language);
            return summary;
        }
        return scratch.append(optionText(r.Option)).view();
    case DateColumn:
        if (r.damaged)
            return r.stored->date;
        if (!r.StartDate.isValid())
            return {};
        scratch = dateTextWithPattern(r.StartDate, datePattern, regional);
        return scratch.view();
    case TimeColumn:
        if (r.damaged)
            return r.stored->time;
        if (!r.StartTime.isValid())
            return {};
        scratch = timeOfDayText(r.StartTime, regional);
        return scratch.view();
    case DaysColumn:
        return r.Weekdays;
    case IdColumn:
        return scratch.number(r.ID).view();
    default:
        return {};
    }
}

QString listCellText(const ReminderRecord &r, int column, const QString &datePattern, const RegionalSettings &regional)
{
    // The message and the weekdays are handed out sharing the row's text.
    if (column == ReminderColumn)
        return r.Reminder;
    if (column == DaysColumn)
        return r.Weekdays;
    ShortText scratch;
    return listCellView(r, column, datePattern, regional, scratch, SummaryLanguage::User).toString();
}

QString damagedRowsNotice(const std::vector<ReminderRecord> &rows)
{
    QString text;
    for (const ReminderRecord &r : rows) {
        if (!r.damaged)
            continue;
        if (text.isEmpty())
            text = QCoreApplication::translate("ReminderList",
                                               "These reminders never ring, because their start or repetition "
                                               "rule as stored is not valid; delete them, or enter them again:");
        text += QStringLiteral("\r\n")
            + QCoreApplication::translate("ReminderList", "ID %1 \"%2\": option \"%3\", date \"%4\", time \"%5\"")
                    .arg(QString::number(r.ID), r.Reminder, r.stored->option, r.stored->date, r.stored->time);
    }
    return text;
}

} // namespace vestrona
