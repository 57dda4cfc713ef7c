#include "scheduler/CatchUp.h"

#include <algorithm>
#include <utility>

namespace vestrona {

SnoozeOutcome endSnooze(const PendingSnooze &snooze, const QDateTime &ringAfter)
{
    SnoozeOutcome outcome;
    if (snooze.at > ringAfter) {
        outcome.repeats = snooze.reminders;
        return outcome;
    }
    for (const SnoozedReminder &reminder : snooze.reminders)
        outcome.missed.push_back({reminder.message, snoozedRuleText(), 1, snooze.at.date(), snooze.at.time()});
    return outcome;
}

CatchUpPlan planCatchUp(const OccurrenceAccount &account, const std::optional<PendingSnooze> &overdueSnooze,
                        const QDateTime &ringAfter, int rowLimit)
{
    CatchUpPlan plan;
    const size_t limit = size_t(std::max(rowLimit, 0));
    if (overdueSnooze) {
        SnoozeOutcome snooze = endSnooze(*overdueSnooze, ringAfter);
        plan.repeats = std::move(snooze.repeats);
        plan.repeatsDue = overdueSnooze->at;
        for (MissedEntry &entry : snooze.missed)
            plan.missed.push_back({0, std::move(entry)});
    }
    const qsizetype total = account.missedCount + qsizetype(plan.missed.size());
    for (const DueReminder &due : account.ringNow)
        plan.ring.push_back({due.row.ID, due.due});
    // The snoozed alarms are listed first, the reminders in what room is left.
    for (const MissedReminder &missed : account.missed) {
        if (plan.missed.size() >= limit)
            break;
        plan.missed.push_back({missed.row.ID,
                               {QString(), ruleText(missed.row), missed.count,
                                missed.lastDay, missed.row.StartTime}});
    }
    std::stable_sort(plan.missed.begin(), plan.missed.end(), [](const MissedLine &a, const MissedLine &b) {
        return std::pair(a.entry.lastDate, a.entry.lastTime) < std::pair(b.entry.lastDate, b.entry.lastTime);
    });
    if (plan.missed.size() > limit)
        plan.missed.resize(limit);
    plan.more = int(total - qsizetype(plan.missed.size()));
    return plan;
}

std::vector<MissedEntry> takeListedRows(CatchUpPlan &plan, size_t linesRead)
{
    std::vector<MissedEntry> entries;
    for (size_t i = 0; i < plan.missed.size(); ++i) {
        if (i < linesRead || plan.missed[i].id == 0)
            entries.push_back(std::move(plan.missed[i].entry));
        else
            ++plan.more;
    }
    plan.missed.clear();
    return entries;
}

} // namespace vestrona
