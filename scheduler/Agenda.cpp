#include "scheduler/Agenda.h"

#include "recurrence/RuleOccurrences.h"
#include "scheduler/WallClock.h"

#include <algorithm>

namespace vestrona {

namespace {

using namespace wallclock;

// The three options as the rules they are, so one iterator walks every row.
RepeatRule ruleOfOption(const ReminderRecord &row)
{
    RepeatRule rule = row.repeat ? *row.repeat : RepeatRule();
    if (row.Option == OptionRule)
        return rule;
    rule.exdates.clear();
    rule.rdates.clear();
    if (row.Option == OptionDaily) {
        rule.rule = QStringLiteral("FREQ=DAILY");
    } else if (row.Option == OptionWeekly) {
        static const char *const days[] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};
        QStringList byDay;
        const int mask = weekdayMask(row.Weekdays);
        for (int day = 1; day <= 7; ++day) {
            if (mask & (1 << day))
                byDay.append(QLatin1String(days[day - 1]));
        }
        rule.rule = QStringLiteral("FREQ=WEEKLY;BYDAY=") + byDay.join(u',');
    } else {
        rule.rule.clear();
    }
    return rule;
}

} // namespace

std::vector<AgendaEntry> agendaBetween(const RowVisitor &visitRows, const QDateTime &from, const QDateTime &to)
{
    std::vector<AgendaEntry> entries;
    ZoneThresholds fromZones(from), toZones(to);
    visitRows([&](const ReminderRecord &row) {
        if (row.damaged || !row.StartDate.isValid() || !row.StartTime.isValid())
            return;
        // A weekly reminder without a weekday never rings.
        if (row.Option == OptionWeekly && weekdayMask(row.Weekdays) == 0)
            return;
        const QString zoneId = row.repeat ? row.repeat->zone : QString();
        const ZoneThresholds::Zone &zone = fromZones.of(zoneId);
        RuleOccurrences occurrences(row.StartDate, row.StartTime, ruleOfOption(row));
        // A day before: the moment of a wall-clock time near a clock change
        // is tested below, not guessed from the key.
        occurrences.skipPast(zone.threshold - kMsPerDay);
        const qint64 last = toZones.of(zoneId).threshold + kMsPerDay;
        while (const std::optional<qint64> key = occurrences.next()) {
            if (*key > last)
                break;
            const QDateTime due = firstInstantOfKey(*key, zone.zone);
            if (due >= from && due < to)
                entries.push_back({due, row.ID, row.Reminder});
        }
    });
    std::sort(entries.begin(), entries.end(), [](const AgendaEntry &a, const AgendaEntry &b) {
        return a.due != b.due ? a.due < b.due : a.id < b.id;
    });
    return entries;
}

} // namespace vestrona
