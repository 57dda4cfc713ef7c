#include "scheduler/Agenda.h"

#include "recurrence/RuleOccurrences.h"
#include "scheduler/WallClock.h"

#include <algorithm>
#include <map>

namespace vestrona {

using namespace wallclock;

namespace {

// An occurrence kept as numbers until the list is sorted.
struct Found {
    qint64 msecs;
    qint64 id;
    QString message;
};

// The moments of one zone's wall-clock positions over the agenda's span.
// Most spans hold no clock change: their positions are one subtraction
// away from their moment, where a look-up of the zone for each of a
// hundred thousand occurrences would cost more than all else.
class SpanMoments {
public:
    SpanMoments(const QDateTime &from, const QDateTime &to) : mFrom(from), mTo(to) {}

    qint64 msecsOf(qint64 key, const ZoneThresholds::Zone &zone)
    {
        auto found = mSteady.find(&zone);
        if (found == mSteady.end())
            found = mSteady.emplace(&zone, steadyOffset(zone.zone, mFrom, mTo)).first;
        return found->second ? instantOfSteadyKey(key, *found->second)
                             : firstInstantOfKey(key, zone.zone).toMSecsSinceEpoch();
    }

private:
    QDateTime mFrom, mTo;
    std::map<const ZoneThresholds::Zone *, std::optional<int>> mSteady;
};

} // namespace

std::vector<AgendaEntry> agendaBetween(const RowVisitor &visitRows, const QDateTime &from, const QDateTime &to)
{
    std::vector<Found> found;
    ZoneThresholds fromZones(from), toZones(to);
    SpanMoments moments(from, to);
    const qint64 fromMsecs = from.toMSecsSinceEpoch(), toMsecs = to.toMSecsSinceEpoch();
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
            const qint64 due = moments.msecsOf(key, zone);
            if (due >= fromMsecs && due < toMsecs)
                found.push_back({due, row.ID, row.Reminder});
        };
        if (row.Option == OptionRule && row.repeat) {
            // Only a date added comes before a rule's start: without one,
            // a rule starting after the span needs no iterator.
            if (row.repeat->rdates.isEmpty() && wallKey(row.StartDate, row.StartTime) > last)
                return;
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
    std::sort(found.begin(), found.end(),
              [](const Found &a, const Found &b) { return a.msecs != b.msecs ? a.msecs < b.msecs : a.id < b.id; });
    // The system's wall clock shows each moment; when it keeps one offset
    // over the span, that offset stands in for a look-up per entry.
    const std::optional<int> systemOffset = steadyOffset(QTimeZone::systemTimeZone(), from, to);
    std::vector<AgendaEntry> entries;
    entries.reserve(found.size());
    for (Found &entry : found) {
        QDateTime due = systemOffset ? QDateTime::fromMSecsSinceEpoch(entry.msecs, Qt::OffsetFromUTC, *systemOffset)
                                     : QDateTime::fromMSecsSinceEpoch(entry.msecs, Qt::LocalTime);
        entries.push_back({std::move(due), entry.id, std::move(entry.message)});
    }
    return entries;
}

} // namespace vestrona
