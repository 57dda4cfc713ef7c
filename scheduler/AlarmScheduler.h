#pragma once

#include "scheduler/AlarmPopup.h"
#include "scheduler/AlarmRecord.h"
#include "scheduler/MissedReport.h"
#include "scheduler/NextReminder.h"
#include "core/ReminderRecord.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <optional>
#include <vector>

namespace vestrona {

struct CatchUpPlan;
class Clock;
class Connection;
class CountdownView;
class ErrorTrap;
class RegionalSettings;
class Reporter;
class SettingsStore;
class SoundPlayer;

// The main window's scheduler: the selection of the next reminder, Timer1
// counting down to it, the alarm, and Timer2 counting a snooze wait.
// At most one of the two timers is enabled at a time.
//
// Nothing falls through between ticks: the scheduler keeps the moment up to
// which every occurrence is accounted for ("seen up to", kept in the settings
// by its AlarmRecord), and whenever time has passed an occurrence (a tick, a
// late tick after a suspend or a clock jump, a start-up after the program was
// off) it rings every occurrence due within the grace and reports older ones
// to the missed-reminders report, as planCatchUp decides. A snooze in
// progress is kept in the record too.
class AlarmScheduler final : public QObject {
    Q_OBJECT

public:
    // Automatic arms real timers; Manual leaves the ticks to the caller
    // (tests drive tickTimer1/tickTimer2 with a fake clock).
    enum class Ticking { Automatic, Manual };

    AlarmScheduler(Connection &conn, SettingsStore &settings, const RegionalSettings &regional, Reporter &reporter,
                   const Clock &clock, SoundPlayer &sound, AlarmPopup &popup, CountdownView &view,
                   MissedReport &missed, Ticking ticking = Ticking::Automatic, QObject *parent = nullptr);
    ~AlarmScheduler() override;

    // Selects the reminder due first after now, or after "seen up to" when
    // the clock was set back behind it.
    // The damaged rows met on the way go to `damaged`, if given.
    void GetLatestReminder(const std::function<void(const ReminderRecord &)> &damaged = {});
    // Start-up: reads what was accounted for before and turns Timer1 on, or
    // Timer2 for a snooze still waiting. Whatever fell due while the program
    // was not running is handled at the first tick.
    void startCountdown();
    // Shutdown: both timers off, and an alarm still shown re-arms nothing.
    // "Seen up to" is saved unless an alarm is still unanswered.
    void stop();
    // A click on ListView2's row (1-based): stores OftenIndex and restarts a
    // snooze wait with the new interval.
    void intervalRowClicked(int row);
    // Seconds of the interval row chosen on the view, 0 when none.
    int GetAlarmInterval() const;

    void tickTimer1();
    void tickTimer2();
    // The machine woke from a suspend: the running timer ticks at once, so
    // what fell due meanwhile rings, or is listed, without waiting for it.
    void tickNow();

    const QString &alarmTime() const { return mAlarmTime; }
    const QString &alarmText() const { return mAlarmText; }
    // The moment the selected reminder is due; invalid when none is selected.
    const QDateTime &alarmDue() const { return mAlarmDue; }
    int seconds() const { return mSeconds; }
    int interval() const { return mInterval; }
    bool Snoozed() const { return mSnoozed; }
    bool isTimer1Enabled() const { return mTimer1Enabled; }
    bool isTimer2Enabled() const { return mTimer2Enabled; }

signals:
    // GetLatestReminder has chosen: alarmText() and alarmTime() are the next
    // reminder's, or empty when none is due.
    void nextChosen();

private:
    // An alarm waiting in line to ring.
    struct QueuedAlarm {
        SnoozedReminder reminder;
        bool repeat = false; // the end of a snooze wait
        QDateTime due;
    };

    // GetLatestReminder's steps around `choose`, which gives the choice
    // after a moment in a date format.
    template <class Choose>
    void selectNext(Choose &&choose);
    void setTimer1Enabled(bool on);
    void setTimer2Enabled(bool on);
    void armTimer1();
    void armTimer2();
    // Steps shared by both ticks once something is due: each alarm in line
    // with sound and pop-up, then the next selection and the timer that
    // follows. Line labels continue from `firstLine`.
    template <class Trap>
    void raiseAlarms(Trap &trap, int firstLine);
    void answer(const QueuedAlarm &alarm, bool snoozed);
    // What the pop-up shows of the first alarm in line.
    RingingAlarm ringing(const QueuedAlarm &alarm) const;
    // Why the built-in sound played instead of the chosen file: kept while
    // alarms ring, shown once after the last of them.
    void keepSoundFallbackNote();
    void tellSoundFallback();
    // Accounts for every occurrence after "seen up to" until now: due
    // after `ringAfter`, it is put in line; up to it, it is reported.
    void catchUp(const QDateTime &ringAfter);
    // Puts the plan's reminders in line with their messages and returns its
    // missed rows with theirs; a row whose message cannot be read is
    // counted in plan.more instead.
    std::vector<MissedEntry> readMessages(ErrorTrap &trap, CatchUpPlan &plan);
    // The snoozed alarms whose wait is over: in line, or reported when the
    // wait ended before `ringAfter`.
    void endSnoozeWait(const QDateTime &ringAfter);
    void reportMissed(std::vector<MissedEntry> entries, int more);
    void restoreRecord();
    void saveSnooze();
    void startSnoozeWait();
    QDateTime snoozeEnd() const;

    Connection &mConn;
    SettingsStore &mSettings;
    const RegionalSettings &mRegional;
    Reporter &mReporter;
    const Clock &mClock;
    SoundPlayer &mSound;
    AlarmPopup &mPopup;
    CountdownView &mView;
    MissedReport &mMissed;
    const Ticking mTicking;

    QTimer Timer1;
    QTimer Timer2;
    bool mTimer1Enabled = false;
    bool mTimer2Enabled = false;
    bool mStopped = false;

    QString mAlarmTime;
    QString mAlarmText;
    QDateTime mAlarmDue;
    int mSeconds = 0;
    int mInterval = 0;
    bool mSnoozed = false;
    QDateTime mSnoozeStart;

    // The sound's fallback notes not shown yet.
    QString mSoundNote;
    AlarmRecord mRecord;
    bool mCatchUpPending = false;
    std::deque<QueuedAlarm> mQueue;
    // Snoozed alarms share one wait, from mSnoozeStart for mInterval seconds.
    std::vector<SnoozedReminder> mSnoozes;
    // A snooze from before the start whose wait ended while the program was off.
    std::optional<PendingSnooze> mOverdueSnooze;
};

} // namespace vestrona
