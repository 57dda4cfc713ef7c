#include "sync/SyncScheduler.h"

#include "core/Clock.h"

#include <algorithm>
#include <utility>

namespace vestrona {

SyncScheduler::SyncScheduler(Syncer &syncer, const Clock &clock, Timing timing, QObject *parent)
    : QObject(parent), mSyncer(syncer), mClock(clock), mTiming(timing), mNextRetry(timing.firstRetry)
{
    mDue.setSingleShot(true);
    connect(&mDue, &QTimer::timeout, this, &SyncScheduler::runNow);
    connect(&mSyncer, &Syncer::finished, this, &SyncScheduler::finished);
}

void SyncScheduler::start()
{
    mRunning = true;
    mDue.start(mTiming.afterStart);
}

void SyncScheduler::stop()
{
    mRunning = false;
    mAgain = false;
    mDue.stop();
}

void SyncScheduler::localChange()
{
    // While syncs fail, the next retry takes the change along; a sync for
    // every edit would only fail more often.
    if (!mRunning || mWaitingForUser || mFailingSince)
        return;
    // Restarting the wait makes a burst of changes one sync.
    mDue.start(mTiming.afterChange);
}

void SyncScheduler::syncNow()
{
    mWaitingForUser = false;
    mDue.stop();
    runNow();
}

void SyncScheduler::syncNowAnswering(EmptiedCalendar answer)
{
    mSyncer.answerEmptiedCalendar(answer);
    syncNow();
}

void SyncScheduler::accountChanged()
{
    mWaitingForUser = false;
    mNextRetry = mTiming.firstRetry;
    mFailingSince.reset();
    mFailingSaid = false;
    if (mRunning)
        mDue.start(mTiming.afterChange);
}

void SyncScheduler::runNow()
{
    if (mSyncer.isSyncing()) {
        mAgain = true;
        return;
    }
    mSyncer.sync();
}

void SyncScheduler::finished(const SyncReport &report)
{
    mLastReport = report;
    if (report.outcome == SyncReport::Outcome::Failed)
        failed(report);
    else
        succeeded();
    emit reported(report);
}

void SyncScheduler::succeeded()
{
    mNextRetry = mTiming.firstRetry;
    mFailingSince.reset();
    mFailingSaid = false;
    if (!mRunning)
        return;
    // Not from within the syncer's own signal: it may not count as idle yet.
    if (std::exchange(mAgain, false))
        mDue.start(std::chrono::milliseconds(0));
    else if (!mDue.isActive())
        mDue.start(mTiming.period);
}

void SyncScheduler::failed(const SyncReport &report)
{
    mAgain = false;
    const QDateTime now = mClock.now();
    if (!mFailingSince)
        mFailingSince = now;
    else if (!mFailingSaid && mFailingSince->msecsTo(now) >= mTiming.failingTooLong.count()) {
        mFailingSaid = true;
        emit failingLong(report);
    }
    if (report.needsTheUser()) {
        mWaitingForUser = true;
        mDue.stop();
        return;
    }
    if (!mRunning)
        return;
    mDue.start(mNextRetry);
    mNextRetry = std::min(mNextRetry * 2, mTiming.longestRetry);
}

} // namespace vestrona
