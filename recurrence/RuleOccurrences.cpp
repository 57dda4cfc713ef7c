#include "recurrence/RuleOccurrences.h"

#include "recurrence/LibicalRule.h"

#include <algorithm>
#include <limits>

namespace vestrona {

using namespace recurrence;

namespace {

// libical reads a yearly rule with BYMONTHDAY and no month as that day of
// the start's month only; RFC 5545 means that day of every month. The
// iterator is given the months spelled out; what is stored stays as written.
void spellOutMonths(icalrecurrencetype &rule)
{
    if (rule.freq != ICAL_YEARLY_RECURRENCE || byCount(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE) == 0
        || byCount(rule.by_month, ICAL_BY_MONTH_SIZE) > 0)
        return;
    for (short month = 1; month <= 12; ++month)
        rule.by_month[month - 1] = month;
    if (12 < ICAL_BY_MONTH_SIZE)
        rule.by_month[12] = ICAL_RECURRENCE_ARRAY_MAX;
}

// libical counts the weeks of a weekly rule with weekdays from the wrong
// day, so every second or third week lands a week off when the start is not
// on one of the weekdays. Such a rule is the same as one plain weekly rule
// per weekday, each starting on that weekday of the start's week (the week
// beginning on WKST); those libical steps exactly, and they are merged.
// Returns the starting days, none when the rule is not of that kind.
std::vector<QDate> weekdayStarts(const icalrecurrencetype &rule, const QDate &start)
{
    const int days = byCount(rule.by_day, ICAL_BY_DAY_SIZE);
    if (rule.freq != ICAL_WEEKLY_RECURRENCE || days == 0 || byCount(rule.by_set_pos, ICAL_BY_SETPOS_SIZE) > 0)
        return {};
    // ISO weekdays, Monday 1; libical's Sunday is 1.
    const auto iso = [](int libicalDay) { return (libicalDay + 5) % 7 + 1; };
    const int weekStart = iso(rule.week_start == ICAL_NO_WEEKDAY ? ICAL_MONDAY_WEEKDAY : rule.week_start);
    const QDate firstOfWeek = start.addDays(-((start.dayOfWeek() - weekStart + 7) % 7));
    std::vector<QDate> starts;
    for (int i = 0; i < days; ++i) {
        const int day = iso(icalrecurrencetype_day_day_of_week(rule.by_day[i]));
        starts.push_back(firstOfWeek.addDays((day - weekStart + 7) % 7));
    }
    return starts;
}

// The days by which a stream's start may move on without changing any of
// its occurrences from there on, 0 when it may not: a rule that repeats
// every N days or weeks from its start on its start's weekday, or a monthly
// one naming its days. Made from a start near the span asked about, its
// iterator is spared expanding the rule from the real start and then again
// from the jump. A rule with a count or a position in a set stays put.
int startStepDays(const icalrecurrencetype &rule)
{
    if (rule.count > 0 || byCount(rule.by_set_pos, ICAL_BY_SETPOS_SIZE) > 0)
        return 0;
    switch (rule.freq) {
    case ICAL_DAILY_RECURRENCE:
        return rule.interval;
    case ICAL_WEEKLY_RECURRENCE:
        return byCount(rule.by_day, ICAL_BY_DAY_SIZE) == 0 ? 7 * rule.interval : 0;
    case ICAL_MONTHLY_RECURRENCE:
        return rule.interval == 1 && byCount(rule.by_year_day, ICAL_BY_YEARDAY_SIZE) == 0
                && byCount(rule.by_week_no, ICAL_BY_WEEKNO_SIZE) == 0
                && (byCount(rule.by_day, ICAL_BY_DAY_SIZE) > 0 || byCount(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE) > 0)
            ? 1
            : 0;
    default:
        return 0;
    }
}

icalrecur_iterator *newIterator(const icalrecurrencetype &rule, const QDate &date, const QTime &time)
{
    icalrecur_iterator *it = icalrecur_iterator_new(rule, floatingTime(date, time));
    if (!it)
        icalerror_clear_errno();
    return it;
}

// A rule whose occurrences all fall at its start's time of day, on days
// that time does not change.
bool namesNoTime(const icalrecurrencetype &rule)
{
    const bool byDays = rule.freq == ICAL_DAILY_RECURRENCE || rule.freq == ICAL_WEEKLY_RECURRENCE
        || rule.freq == ICAL_MONTHLY_RECURRENCE || rule.freq == ICAL_YEARLY_RECURRENCE;
    return byDays && icaltime_is_null_time(rule.until) && byCount(rule.by_hour, ICAL_BY_HOUR_SIZE) == 0
        && byCount(rule.by_minute, ICAL_BY_MINUTE_SIZE) == 0 && byCount(rule.by_second, ICAL_BY_SECOND_SIZE) == 0;
}

} // namespace

// The days of one iterator made at midnight, read as far as any reminder
// sharing them has asked.
struct SharedRuleDays::Days {
    icalrecurrencetype rule;
    QDate day;
    icalrecur_iterator *it = nullptr;
    std::vector<qint64> keys;
    bool done = false;

    Days(const icalrecurrencetype &r, const QDate &d) : rule(r), day(d) {}
    Days(const Days &) = delete;
    ~Days()
    {
        if (it)
            icalrecur_iterator_free(it);
    }
    std::optional<qint64> at(size_t i)
    {
        while (keys.size() <= i && !done) {
            if (!it)
                it = newIterator(rule, day, QTime(0, 0));
            const icaltimetype t = it ? icalrecur_iterator_next(it) : icaltime_null_time();
            if (icaltime_is_null_time(t))
                done = true;
            else
                keys.push_back(keyOf(t));
        }
        return i < keys.size() ? std::optional(keys[i]) : std::nullopt;
    }
};

SharedRuleDays::SharedRuleDays() = default;
SharedRuleDays::~SharedRuleDays() = default;

// One of libical's iterators with its next occurrence read ahead. The
// iterator is made when first needed: with ICU behind it, making one costs
// more than all else a rule needs, and a rule that ended before the span
// asked about needs none.
struct RuleOccurrences::Stream {
    // A thousand starts are kept at most, each with an iterator: past
    // them, each reminder reads its own.
    SharedRuleDays::Days *share(SharedRuleDays &days, const QString &ruleText) const
    {
        constexpr size_t kMostStarts = 1024;
        const std::pair<QString, qint64> key(ruleText, day.toJulianDay());
        auto found = days.mDays.find(key);
        if (found == days.mDays.end()) {
            if (days.mDays.size() >= kMostStarts)
                return nullptr;
            found = days.mDays.emplace(key, std::make_unique<SharedRuleDays::Days>(rule, day)).first;
        }
        return found->second.get();
    }

    icalrecurrencetype rule;
    QDate day;
    QTime time;
    int step; // startStepDays of the rule
    icalrecur_iterator *it = nullptr;
    SharedRuleDays::Days *shared = nullptr; // read in place of an iterator of its own
    size_t sharedAt = 0;
    std::optional<qint64> ahead;
    bool done = false;

    Stream(const icalrecurrencetype &r, const QDate &d, const QTime &t) : rule(r), day(d), time(t), step(startStepDays(r)) {}
    Stream(Stream &&other) noexcept
        : rule(other.rule), day(other.day), time(other.time), step(other.step), it(std::exchange(other.it, nullptr)),
          shared(other.shared), sharedAt(other.sharedAt), ahead(other.ahead), done(other.done)
    {
    }
    Stream(const Stream &) = delete;
    ~Stream()
    {
        if (it)
            icalrecur_iterator_free(it);
    }
    bool ready()
    {
        if (!it && !done) {
            it = newIterator(rule, day, time);
            done = it == nullptr;
        }
        return !done;
    }
    void readAhead(SharedRuleDays *days, const QString &ruleText)
    {
        if (!ahead && !done && !it && !shared && days && namesNoTime(rule))
            shared = share(*days, ruleText);
        if (!ahead && !done && shared) {
            const std::optional<qint64> key = shared->at(sharedAt++);
            done = !key;
            if (key)
                ahead = *key + QTime(time.hour(), time.minute(), time.second()).msecsSinceStartOfDay();
            return;
        }
        if (ahead || !ready())
            return;
        const icaltimetype t = icalrecur_iterator_next(it);
        if (icaltime_is_null_time(t))
            done = true;
        else
            ahead = keyOf(t);
    }
    void jumpTo(const QDate &to)
    {
        shared = nullptr;
        sharedAt = 0;
        if (!it && !done && step > 0 && to > day) {
            // The first start from `to` on: between steps the rule has no
            // day, and a start past the span asked about costs no step.
            day = day.addDays((day.daysTo(to) + step - 1) / step * step);
            ahead.reset();
            return;
        }
        if (!ready())
            return;
        if (icalrecur_iterator_set_start(it, floatingTime(to, QTime(0, 0))) == 0) {
            icalerror_clear_errno();
            done = true;
        }
        ahead.reset();
    }
};

RuleOccurrences::RuleOccurrences(const QDate &startDate, const QTime &startTime, const RepeatRule &repeat,
                                 SharedRuleDays *shared)
    : mShared(shared), mRuleText(repeat.rule)
{
    if (!startDate.isValid() || !startTime.isValid())
        return;
    mStart = keyOf(startDate, startTime);
    if (const auto added = parseDateList(repeat.rdates))
        mAdded = *added;
    if (const auto leftOut = parseDateList(repeat.exdates))
        mLeftOut = *leftOut;
    std::optional<icalrecurrencetype> rule = repeat.rule.isEmpty() ? std::nullopt : parseRecurrence(repeat.rule);
    if (!rule) {
        // Without a rule the start is the one occurrence besides those added.
        mAdded.insert(std::lower_bound(mAdded.begin(), mAdded.end(), mStart), mStart);
        return;
    }
    spellOutMonths(*rule);
    mCounted = rule->count > 0;
    if (!icaltime_is_null_time(rule->until))
        mUntilDay = QDate(rule->until.year, rule->until.month, rule->until.day).toJulianDay();
    const std::vector<QDate> starts = weekdayStarts(*rule, startDate);
    if (starts.empty()) {
        mStreams.emplace_back(*rule, startDate, startTime);
        return;
    }
    // The count is kept here, over the merged occurrences from the start on.
    if (mCounted)
        mRemaining = rule->count;
    rule->count = 0;
    rule->by_day[0] = ICAL_RECURRENCE_ARRAY_MAX;
    for (const QDate &day : starts)
        mStreams.emplace_back(*rule, day, startTime);
}

RuleOccurrences::~RuleOccurrences() = default;

std::optional<qint64> RuleOccurrences::nextOfRule()
{
    for (;;) {
        if (mRemaining == 0)
            return std::nullopt;
        Stream *first = nullptr;
        for (Stream &stream : mStreams) {
            stream.readAhead(mShared, mRuleText);
            if (stream.ahead && (!first || *stream.ahead < *first->ahead))
                first = &stream;
        }
        if (!first)
            return std::nullopt;
        const qint64 key = *first->ahead;
        first->ahead.reset();
        // A weekday of the start's week before the start is no occurrence.
        if (key < mStart)
            continue;
        if (mRemaining > 0)
            --mRemaining;
        return key;
    }
}

void RuleOccurrences::skipPast(qint64 after, qint64 upTo)
{
    mFloor = std::max(mFloor, after);
    mCeiling = std::min(mCeiling, upTo);
    // Two days past UNTIL's date is past it in every zone.
    if (mUntilDay && after / kMsPerDay > *mUntilDay + 2) {
        for (Stream &stream : mStreams) {
            stream.done = true;
            stream.ahead.reset();
        }
    }
    // A jump needs no count of what came before, and set_start must not go
    // before a stream's start; from the start of the day, as libical steps
    // by days.
    if (!mCounted && after / kMsPerDay > mStart / kMsPerDay + 7) {
        const QDate day = QDate::fromJulianDay(after / kMsPerDay);
        for (Stream &stream : mStreams) {
            if (!stream.ahead || *stream.ahead < after)
                stream.jumpTo(day);
        }
    }
    // A stream gives nothing before the day it starts on.
    for (Stream &stream : mStreams) {
        if (!stream.it && stream.day.toJulianDay() > mCeiling / kMsPerDay)
            stream.done = true;
    }
    mAddedAt = std::max(mAddedAt, size_t(std::upper_bound(mAdded.begin(), mAdded.end(), after) - mAdded.begin()));
}

std::optional<qint64> RuleOccurrences::next()
{
    for (;;) {
        if (!mRuleAhead)
            mRuleAhead = nextOfRule();
        const bool fromAdded = mAddedAt < mAdded.size();
        if (!mRuleAhead && !fromAdded)
            return std::nullopt;
        qint64 key = 0;
        if (mRuleAhead && (!fromAdded || *mRuleAhead <= mAdded[mAddedAt])) {
            key = *mRuleAhead;
            mRuleAhead.reset();
        } else {
            key = mAdded[mAddedAt];
        }
        if (key > mCeiling)
            return std::nullopt;
        // An added date the rule also gives is one occurrence.
        while (mAddedAt < mAdded.size() && mAdded[mAddedAt] <= key)
            ++mAddedAt;
        if (key <= mFloor || (mLast && key <= *mLast) || std::binary_search(mLeftOut.begin(), mLeftOut.end(), key))
            continue;
        mLast = key;
        return key;
    }
}

std::optional<OccurrenceSpan> ruleOccurrencesBetween(const QDate &startDate, const QTime &startTime,
                                                     const RepeatRule &repeat, qint64 from, qint64 to)
{
    if (to <= from)
        return std::nullopt;
    RuleOccurrences occurrences(startDate, startTime, repeat);
    occurrences.skipPast(from, to);
    OccurrenceSpan span;
    while (const std::optional<qint64> key = occurrences.next()) {
        if (*key > to)
            break;
        if (span.count < std::numeric_limits<int>::max())
            ++span.count;
        span.last = *key;
    }
    if (span.count == 0)
        return std::nullopt;
    return span;
}

} // namespace vestrona
