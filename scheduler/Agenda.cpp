#include "scheduler/Agenda.h"

#include "recurrence/RuleOccurrences.h"
#include "scheduler/WallClock.h"

#include <algorithm>

namespace vestrona {

using namespace wallclock;

std::vector<AgendaEntry> agendaBetween(const RowVisitor &visitRows, const QDateTime &from, const QDateTime &to)
{
    std::vector<AgendaEntry> entries;
    ZoneThresholds fromZones(from), toZones(to);
    visitRows([&](const ReminderRecord &row) {
        if (row.damaged || !row.StartDate.isValid() || !row.StartTime.isValid())
            return;
        const QString zoneId = row.repeat ? row.repeat->zone : QString();
        const ZoneThresholds::Zone &zone = fromZones.of(zoneId);
        // A day either side: the moment of a wall-clock time near a clock
        // change is tested below, not guessed from the key.
        const qint64 first = zone.threshold - kMsPerDay;
        const qint64 last = toZones.of(zoneId).threshold + kMsPerDay;
        const auto take = [&](qint64 key) {
            const QDateTime due = firstInstantOfKey(key, zone.zone);
            if (due >= from && due < to)
                entries.push_back({due, row.ID, row.Reminder});
        };
        if (row.Option == OptionRule && row.repeat) {
            RuleOccurrences occurrences(row.StartDate, row.StartTime, *row.repeat);
            occurrences.skipPast(first);
            for (std::optional<qint64> key = occurrences.next(); key && *key <= last; key = occurrences.next())
                take(*key);
            return;
        }
        // The three options step as the scheduler steps them.
        const ScheduleRow numbers{row.ID, row.Option, row.StartDate.toJulianDay(), row.StartTime.msecsSinceStartOfDay(),
                                  row.Option == OptionWeekly ? weekdayMask(row.Weekdays) : 0, nullptr};
        for (std::optional<qint64> key = nextWallKey(numbers, first); key && *key <= last;
             key = nextWallKey(numbers, *key))
            take(*key);
    });
    std::sort(entries.begin(), entries.end(), [](const AgendaEntry &a, const AgendaEntry &b) {
        return a.due != b.due ? a.due < b.due : a.id < b.id;
    });
    return entries;
}

} // namespace vestrona
