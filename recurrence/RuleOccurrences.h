#pragma once

#include "core/ReminderRecord.h"

#include <QDate>
#include <QTime>

#include <QString>

#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace vestrona {

// The days libical gives for one rule from one start day, kept for every
// reminder of that rule expanded from that day on the same thread. A rule
// that names no time and has no end of its own gives the same days at
// whatever time it starts: reminders of such a rule starting on one day
// share them, and moved to a start near the span asked about, thousands of
// them share a handful of starts.
class SharedRuleDays {
public:
    SharedRuleDays();
    ~SharedRuleDays();
    SharedRuleDays(const SharedRuleDays &) = delete;
    SharedRuleDays &operator=(const SharedRuleDays &) = delete;

private:
    friend class RuleOccurrences;
    struct Days;
    std::map<std::pair<QString, qint64>, std::unique_ptr<Days>> mDays; // by rule text and Julian day
};

// The wall-clock positions (Julian day and time of day in one count of
// milliseconds, as the scheduler's wall clock counts them) at which a
// reminder with a rule is due, in order: what libical's recurrence iterator
// expands from the start, with the dates added and without those left out.
// A rule that cannot be read gives no occurrence.
class RuleOccurrences {
public:
    RuleOccurrences(const QDate &startDate, const QTime &startTime, const RepeatRule &repeat,
                    SharedRuleDays *shared = nullptr);
    ~RuleOccurrences();
    RuleOccurrences(const RuleOccurrences &) = delete;
    RuleOccurrences &operator=(const RuleOccurrences &) = delete;

    // The next occurrence strictly after `after` and the ones that follow
    // it, up to `upTo`, come from next(). A rule with a count is walked from
    // its start, since its end depends on every occurrence before; others
    // jump. A part of the rule that starts after `upTo` is never expanded.
    void skipPast(qint64 after, qint64 upTo = std::numeric_limits<qint64>::max());
    std::optional<qint64> next();

private:
    std::optional<qint64> nextOfRule();

    struct Stream;
    std::vector<Stream> mStreams; // several only for a weekly rule split by weekday
    SharedRuleDays *mShared = nullptr;
    QString mRuleText;
    bool mCounted = false;
    int mRemaining = -1; // the count kept here for a split rule, -1 for none
    qint64 mStart = 0;
    std::optional<qint64> mUntilDay; // UNTIL's Julian day, if the rule has one
    std::optional<qint64> mRuleAhead; // the rule's next, read ahead
    std::vector<qint64> mAdded, mLeftOut;
    size_t mAddedAt = 0;
    qint64 mFloor = std::numeric_limits<qint64>::min(); // nothing at or before it is handed out
    qint64 mCeiling = std::numeric_limits<qint64>::max(); // nothing after it is handed out
    std::optional<qint64> mLast;
};

// The occurrences in (from, to]: how many and the latest.
struct OccurrenceSpan {
    int count = 0;
    qint64 last = 0;
};
std::optional<OccurrenceSpan> ruleOccurrencesBetween(const QDate &startDate, const QTime &startTime,
                                                     const RepeatRule &repeat, qint64 from, qint64 to);

} // namespace vestrona
