#include "scheduler/WallClock.h"

#include <algorithm>
#include <optional>

namespace vestrona::wallclock {

namespace {

// Julian day of 1970-01-01: wall-clock positions minus this many days are
// milliseconds since the epoch as if the wall clock were UTC.
constexpr qint64 kEpochJulianDay = 2440588;

QDateTime utcAt(qint64 msecsSinceEpoch)
{
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, QTimeZone::utc());
}

} // namespace

QDateTime firstInstantOfKey(qint64 key, const QTimeZone &zone)
{
    const qint64 wall = key - kEpochJulianDay * kMsPerDay;
    // No zone changes its offset twice within two days, so the offsets a day
    // either side are the only ones this wall-clock time can have.
    const int before = zone.offsetFromUtc(utcAt(wall - kMsPerDay));
    const int after = zone.offsetFromUtc(utcAt(wall + kMsPerDay));
    std::optional<qint64> first;
    for (const int offset : {before, after}) {
        const qint64 utc = wall - offset * 1000LL;
        if (zone.offsetFromUtc(utcAt(utc)) == offset && (!first || utc < *first))
            first = utc;
    }
    if (!first) {
        // Skipped by the clocks: the gap ends at the transition, which lies
        // after the earlier reading of this wall-clock time.
        const qint64 earlier = wall - std::max(before, after) * 1000LL;
        const QTimeZone::OffsetData transition = zone.nextTransition(utcAt(earlier));
        first = transition.atUtc.isValid() ? transition.atUtc.toMSecsSinceEpoch() : earlier;
    }
    return QDateTime::fromMSecsSinceEpoch(*first, Qt::LocalTime);
}

std::optional<int> steadyOffset(const QTimeZone &zone, const QDateTime &from, const QDateTime &to)
{
    const QDateTime begin = from.addDays(-3);
    const QTimeZone::OffsetData change = zone.nextTransition(begin);
    if (change.atUtc.isValid() && change.atUtc <= to.addDays(3))
        return std::nullopt;
    return zone.offsetFromUtc(begin);
}

qint64 instantOfSteadyKey(qint64 key, int offset)
{
    return key - kEpochJulianDay * kMsPerDay - offset * 1000LL;
}

qint64 steadyKeyOfInstant(qint64 msecsSinceEpoch, int offset)
{
    return msecsSinceEpoch + kEpochJulianDay * kMsPerDay + offset * 1000LL;
}

// Normally now's own wall-clock time; during the second pass of a repeated
// hour, the end of that hour, since its first pass is over.
qint64 thresholdFor(const QDateTime &now, const QTimeZone &zone)
{
    // An invalid moment (nothing accounted for yet) has no wall-clock
    // position, and its date's day number would overflow the key.
    if (!now.isValid())
        return 0;
    const QDateTime local = zone == QTimeZone::systemTimeZone() ? now.toLocalTime() : now.toTimeZone(zone);
    const qint64 key = wallKey(local.date(), local.time());
    if (firstInstantOfKey(key, zone) >= now)
        return key;
    const QTimeZone::OffsetData transition = zone.previousTransition(now.addMSecs(1));
    if (!transition.atUtc.isValid())
        return key;
    const qint64 atUtc = transition.atUtc.toMSecsSinceEpoch();
    const int offsetBefore = zone.offsetFromUtc(utcAt(atUtc - 1));
    return atUtc + offsetBefore * 1000LL + kEpochJulianDay * kMsPerDay - 1;
}

ZoneThresholds::ZoneThresholds(const QDateTime &moment)
    : mMoment(moment), mSystem{QTimeZone::systemTimeZone(), 0}
{
    mSystem.threshold = thresholdFor(moment, mSystem.zone);
}

const ZoneThresholds::Zone &ZoneThresholds::of(const QString &zoneId)
{
    if (zoneId.isEmpty())
        return mSystem;
    auto found = mOwn.find(zoneId);
    if (found == mOwn.end()) {
        const QTimeZone zone(zoneId.toUtf8());
        std::optional<Zone> own;
        if (zone.isValid() && zone != mSystem.zone)
            own = Zone{zone, thresholdFor(mMoment, zone)};
        found = mOwn.emplace(zoneId, own).first;
    }
    return found->second ? *found->second : mSystem;
}

} // namespace vestrona::wallclock
