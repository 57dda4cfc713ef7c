#include "scheduler/MissedReport.h"

#include "formats/DateFormats.h"
#include "core/ReminderRecord.h"
#include "recurrence/RuleSummary.h"

#include <algorithm>

#include <QCoreApplication>

namespace vestrona {

QString snoozedRuleText()
{
    return QCoreApplication::translate("MissedReport", "Snoozed alarm");
}

QString ruleText(int option, const QString &weekdays)
{
    const QString text = QCoreApplication::translate("RuleSummary", optionSourceText(option));
    if (option == OptionWeekly)
        return text + QStringLiteral(": ") + weekdays.simplified();
    return text;
}

QString ruleText(const ReminderRecord &row)
{
    return row.repeat ? repeatSummary(row) : ruleText(row.Option, row.Weekdays);
}

QString missedWhenText(const MissedEntry &entry, const QString &dateFormat, const RegionalSettings &regional)
{
    const QString moment = composeAlarmTimeText(entry.lastDate, entry.lastTime, dateFormat, regional);
    if (entry.count <= 1)
        return moment;
    return QCoreApplication::translate("MissedReport", "missed %n times, last %1", nullptr, entry.count).arg(moment);
}

void MissedList::add(const std::vector<MissedEntry> &entries, int more)
{
    const size_t room = size_t(kMissedRowLimit) - std::min(mRows.size(), size_t(kMissedRowLimit));
    const size_t taken = std::min(room, entries.size());
    mRows.insert(mRows.end(), entries.begin(), entries.begin() + qsizetype(taken));
    mMore += int(entries.size() - taken) + more;
}

void MissedList::clear()
{
    mRows.clear();
    mMore = 0;
}

} // namespace vestrona
