#include "scheduler/Agenda.h"

#include "recurrence/RuleOccurrences.h"
#include "scheduler/WallClock.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <limits>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>

namespace vestrona {

using namespace wallclock;

namespace {

// An occurrence kept as numbers until the list is sorted; its message is
// one of the collector's, shared by every occurrence of the row.
struct Found {
    qint64 msecs;
    qint64 id;
    size_t message;
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

// The span as one thread sees it: each thread looks its zones up itself,
// as the caches of zones and moments belong to one thread.
class Span {
public:
    Span(const QDateTime &from, const QDateTime &to)
        : mFromZones(from), mToZones(to), mMoments(from, to), mFrom(from.toMSecsSinceEpoch()),
          mTo(to.toMSecsSinceEpoch())
    {
    }

    // Hands `take` the moment of each occurrence of the row in the span.
    template <class Take>
    void occurrences(const ScheduleRow &row, Take &&take)
    {
        const QString zoneId = row.repeat ? row.repeat->zone : QString();
        const ZoneThresholds::Zone &zone = mFromZones.of(zoneId);
        // A day either side: the moment of a wall-clock time near a clock
        // change is tested below, not guessed from the key.
        const qint64 first = zone.threshold - kMsPerDay;
        const qint64 last = mToZones.of(zoneId).threshold + kMsPerDay;
        const auto inSpan = [&](qint64 key) {
            const qint64 due = mMoments.msecsOf(key, zone);
            if (due >= mFrom && due < mTo)
                take(due);
        };
        if (row.Option == OptionRule && row.repeat) {
            // Only a date added comes before a rule's start: without one,
            // a rule starting after the span needs no iterator.
            if (row.repeat->rdates.isEmpty() && wallKey(row.startDay, row.startMsecs) > last)
                return;
            RuleOccurrences occurrences(QDate::fromJulianDay(row.startDay),
                                        QTime::fromMSecsSinceStartOfDay(row.startMsecs), *row.repeat, &mRuleDays);
            occurrences.skipPast(first, last);
            for (std::optional<qint64> key = occurrences.next(); key && *key <= last; key = occurrences.next())
                inSpan(*key);
            return;
        }
        // The three options step as the scheduler steps them.
        for (std::optional<qint64> key = nextWallKey(row, first); key && *key <= last; key = nextWallKey(row, *key))
            inSpan(*key);
    }

private:
    ZoneThresholds mFromZones, mToZones;
    SpanMoments mMoments;
    SharedRuleDays mRuleDays;
    qint64 mFrom, mTo;
};

// A row with a rule, kept whole for whichever thread expands it.
struct RuleRow {
    ScheduleRow numbers;
    RepeatRule repeat;
    size_t message;
};

// Rows with a rule, expanded in batches on a second thread while the rows
// are still being read: libical's expansion of a rule of its own costs as
// much as reading a hundred rows. The reading thread takes its share of
// what is left once the reading is done. A few rules start no thread, and
// when the system grants none the reading thread expands them all.
class RuleExpansion {
public:
    RuleExpansion(const QDateTime &from, const QDateTime &to) : mFrom(from), mTo(to) {}
    ~RuleExpansion()
    {
        close();
        if (mHelper.joinable())
            mHelper.join();
    }
    RuleExpansion(const RuleExpansion &) = delete;
    RuleExpansion &operator=(const RuleExpansion &) = delete;

    void add(RuleRow row)
    {
        mBatch.push_back(std::move(row));
        if (mBatch.size() < kBatchSize)
            return;
        handOver();
        if (mHelper.joinable() || mAlone)
            return;
        try {
            mHelper = std::thread([this] { expandBatches(mHelperFound); });
        } catch (const std::system_error &) {
            mAlone = true;
        }
    }

    // The occurrences of every rule row added, in no order.
    std::vector<Found> finish()
    {
        handOver();
        close();
        std::vector<Found> found;
        expandBatches(found);
        if (mHelper.joinable())
            mHelper.join();
        found.insert(found.end(), mHelperFound.begin(), mHelperFound.end());
        return found;
    }

private:
    static constexpr size_t kBatchSize = 64;

    void handOver()
    {
        if (mBatch.empty())
            return;
        {
            const std::lock_guard lock(mMutex);
            mBatches.push_back(std::move(mBatch));
        }
        mBatch.clear();
        mWaiting.notify_one();
    }

    void close()
    {
        {
            const std::lock_guard lock(mMutex);
            mClosed = true;
        }
        mWaiting.notify_all();
    }

    bool takeBatch(std::vector<RuleRow> &batch)
    {
        std::unique_lock lock(mMutex);
        mWaiting.wait(lock, [this] { return mClosed || !mBatches.empty(); });
        if (mBatches.empty())
            return false;
        batch = std::move(mBatches.front());
        mBatches.pop_front();
        return true;
    }

    void expandBatches(std::vector<Found> &found)
    {
        Span span(mFrom, mTo);
        std::vector<RuleRow> batch;
        while (takeBatch(batch)) {
            for (RuleRow &row : batch) {
                row.numbers.repeat = &row.repeat;
                span.occurrences(row.numbers,
                                 [&](qint64 due) { found.push_back({due, row.numbers.ID, row.message}); });
            }
        }
    }

    const QDateTime mFrom, mTo;
    std::vector<RuleRow> mBatch;
    std::mutex mMutex;
    std::condition_variable mWaiting;
    std::deque<std::vector<RuleRow>> mBatches;
    bool mClosed = false;
    std::vector<Found> mHelperFound;
    std::thread mHelper;
    bool mAlone = false; // no second thread could be had
};

// Takes the rows one at a time: a row without a rule is stepped at once
// and its message decoded only when it has an occurrence in the span.
class AgendaCollector {
public:
    AgendaCollector(const QDateTime &from, const QDateTime &to) : mFrom(from), mTo(to), mSpan(from, to), mRules(from, to)
    {
    }

    void offer(const Connection::ListRow &row)
    {
        ScheduleRow numbers{row.ID, row.Option, row.startDay, row.startMsecs,
                            row.Option == OptionWeekly ? weekdayMask(row.weekdays) : 0, row.repeat};
        if (row.Option == OptionRule && row.repeat) {
            mRules.add({numbers, *row.repeat, keepMessage(row.message)});
            return;
        }
        constexpr size_t kNone = std::numeric_limits<size_t>::max();
        size_t message = kNone;
        mSpan.occurrences(numbers, [&](qint64 due) {
            if (message == kNone)
                message = keepMessage(row.message);
            mFound.push_back({due, row.ID, message});
        });
    }

    std::vector<AgendaEntry> entries()
    {
        const std::vector<Found> ruled = mRules.finish();
        mFound.insert(mFound.end(), ruled.begin(), ruled.end());
        std::sort(mFound.begin(), mFound.end(),
                  [](const Found &a, const Found &b) { return a.msecs != b.msecs ? a.msecs < b.msecs : a.id < b.id; });
        // The system's wall clock shows each moment; when it keeps one
        // offset over the span, that offset stands in for a look-up per entry.
        const std::optional<int> systemOffset = steadyOffset(QTimeZone::systemTimeZone(), mFrom, mTo);
        std::vector<AgendaEntry> entries;
        entries.reserve(mFound.size());
        QDate date;
        for (const Found &entry : mFound) {
            AgendaEntry &listed = entries.emplace_back(AgendaEntry{entry.msecs, {}, {}, entry.id, mMessages[entry.message]});
            if (systemOffset) {
                const qint64 key = steadyKeyOfInstant(entry.msecs, *systemOffset);
                if (!date.isValid() || date.toJulianDay() != key / kMsPerDay)
                    date = dateOfKey(key);
                listed.date = date;
                listed.time = QTime::fromMSecsSinceStartOfDay(int(key % kMsPerDay));
            } else {
                const QDateTime due = QDateTime::fromMSecsSinceEpoch(entry.msecs, Qt::LocalTime);
                listed.date = due.date();
                listed.time = due.time();
            }
        }
        return entries;
    }

private:
    size_t keepMessage(QUtf8StringView message)
    {
        mMessages.push_back(message.toString());
        return mMessages.size() - 1;
    }

    QDateTime mFrom, mTo;
    Span mSpan;
    RuleExpansion mRules;
    std::vector<QString> mMessages;
    std::vector<Found> mFound;
};

} // namespace

std::vector<AgendaEntry> agendaBetween(const RowVisitor &visitRows, const QDateTime &from, const QDateTime &to)
{
    AgendaCollector collector(from, to);
    visitRows([&](const ReminderRecord &row) {
        if (row.damaged || !row.StartDate.isValid() || !row.StartTime.isValid())
            return;
        const QByteArray message = row.Reminder.toUtf8(), weekdays = row.Weekdays.toUtf8();
        collector.offer({row.ID, row.Option, row.StartDate.toJulianDay(), row.StartTime.msecsSinceStartOfDay(),
                         QUtf8StringView(message), QUtf8StringView(weekdays), row.repeat.get()});
    });
    return collector.entries();
}

std::vector<AgendaEntry> agendaBetween(Connection &conn, const QDateTime &from, const QDateTime &to)
{
    AgendaCollector collector(from, to);
    conn.forEachListRow([&](const Connection::ListRow &row) { collector.offer(row); }, [](const ReminderRecord &) {});
    return collector.entries();
}

} // namespace vestrona
