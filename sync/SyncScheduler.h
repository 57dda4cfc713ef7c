#pragma once

#include "sync/SyncReport.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>

namespace vestrona {

class Clock;

// When the reminders are synced: a moment after start-up, a few seconds
// after the last of a burst of local changes, periodically while the
// program runs, and at once when the user asks. Failures are retried with a
// growing pause; a wrong password or an untrusted certificate stops the
// automatic tries until the account changes or the user asks. Only one sync
// runs at a time.
class SyncScheduler final : public QObject {
    Q_OBJECT
public:
    struct Timing {
        std::chrono::milliseconds afterStart = std::chrono::seconds(3);
        std::chrono::milliseconds afterChange = std::chrono::seconds(5);
        std::chrono::milliseconds period = std::chrono::minutes(5);
        std::chrono::milliseconds firstRetry = std::chrono::seconds(30);
        std::chrono::milliseconds longestRetry = std::chrono::minutes(30);
        // How long syncs must keep failing before failingLong() is said.
        std::chrono::milliseconds failingTooLong = std::chrono::hours(1);
    };

    // `clock` measures how long syncs have been failing.
    SyncScheduler(Syncer &syncer, const Clock &clock, Timing timing, QObject *parent = nullptr);
    SyncScheduler(Syncer &syncer, const Clock &clock, QObject *parent = nullptr)
        : SyncScheduler(syncer, clock, Timing{}, parent) {}

    // The first sync follows a moment later.
    void start();
    void stop();

    // The reminders were changed here.
    void localChange();
    // "Sync now": at once, or straight after the sync that is running.
    void syncNow();
    // The same, with the user's answer to a calendar that lost most of
    // what it held (SyncReport::serverEmptied), for that sync only.
    void syncNowAnswering(EmptiedCalendar answer);
    // The account's address, user, password or accepted certificate changed.
    void accountChanged();

    // Whether automatic syncs wait for the user (wrong password, certificate).
    bool waitingForUser() const { return mWaitingForUser; }
    bool isDue() const { return mDue.isActive(); }
    // How long until the next automatic sync; meaningless unless isDue().
    std::chrono::milliseconds dueIn() const { return mDue.remainingTimeAsDuration(); }
    // The last sync's report; none before the first has ended.
    const std::optional<SyncReport> &lastReport() const { return mLastReport; }

signals:
    // Each sync's report, once the scheduler has taken it into account.
    void reported(const vestrona::SyncReport &report);
    // Once per stretch of failures that has lasted longer than failingTooLong.
    void failingLong(const vestrona::SyncReport &lastFailure);

private:
    void runNow();
    void finished(const SyncReport &report);
    void succeeded();
    void failed(const SyncReport &report);

    Syncer &mSyncer;
    const Clock &mClock;
    const Timing mTiming;
    QTimer mDue;
    bool mRunning = false;
    bool mWaitingForUser = false;
    // A sync was asked for while one ran; it runs once that one ends.
    bool mAgain = false;
    std::chrono::milliseconds mNextRetry;
    // When the current stretch of failures began; none while syncs succeed.
    std::optional<QDateTime> mFailingSince;
    bool mFailingSaid = false;
    std::optional<SyncReport> mLastReport;
};

} // namespace vestrona
