#include "scheduler/AlarmScheduler.h"

#include "core/Clock.h"
#include "core/ErrorTrap.h"
#include "core/ProgressIdleText.h"
#include "scheduler/AlarmIntervals.h"
#include "scheduler/AlarmPopup.h"
#include "scheduler/CatchUp.h"
#include "scheduler/CountdownView.h"
#include "scheduler/SoundPlayer.h"
#include "database/Connection.h"
#include "formats/DateFormats.h"
#include "config/Settings.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>
#include <utility>

namespace vestrona {

namespace {

constexpr qint64 kPrepareSoundSeconds = 3;

QString countdownCaption(qint64 seconds)
{
    return QCoreApplication::translate("AlarmScheduler", "Next alarm will play in ") + FormatCountdown(seconds);
}

// Whole seconds left until `due`, rounded up: 0 or less exactly when the
// moment has come, so an alarm is never raised early.
qint64 secondsUntil(const QDateTime &now, const QDateTime &due)
{
    const qint64 ms = now.msecsTo(due);
    return ms > 0 ? (ms + 999) / 1000 : -(-ms / 1000);
}

} // namespace

AlarmScheduler::AlarmScheduler(Connection &conn, SettingsStore &settings, const RegionalSettings &regional,
                               Reporter &reporter, const Clock &clock, SoundPlayer &sound, AlarmPopup &popup,
                               CountdownView &view, MissedReport &missed, Ticking ticking, QObject *parent)
    : QObject(parent),
      mConn(conn),
      mSettings(settings),
      mRegional(regional),
      mReporter(reporter),
      mClock(clock),
      mSound(sound),
      mPopup(popup),
      mView(view),
      mMissed(missed),
      mTicking(ticking),
      mRecord(settings, clock)
{
    // Single shots re-armed each tick, so ticks follow the clock's seconds
    // instead of drifting, and a long tick never queues up a second one.
    for (QTimer *timer : {&Timer1, &Timer2}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&Timer1, &QTimer::timeout, this, &AlarmScheduler::tickTimer1);
    connect(&Timer2, &QTimer::timeout, this, &AlarmScheduler::tickTimer2);
}

AlarmScheduler::~AlarmScheduler() = default;

void AlarmScheduler::GetLatestReminder(const std::function<void(const ReminderRecord &)> &damaged)
{
    selectNext([&](const QDateTime &after, const QString &dateFormat) {
        return findNextReminder(mConn, after, dateFormat, mRegional, damaged);
    });
}

template <class Choose>
void AlarmScheduler::selectNext(Choose &&choose)
{
    ErrorTrap trap(mReporter, QStringLiteral("Form1.GetLatestReminder"));
    trap(100, [&] {
        mAlarmTime.clear();
        mAlarmText.clear();
        mAlarmDue = QDateTime();
    });
    QString dateFormat = QString::fromLatin1(kMonthFirstPattern);
    trap(102, [&] { dateFormat = currentDateFormat(mSettings); });
    trap(104, [&] {
        // After a clock set back, what already rang stays behind.
        const QDateTime now = mClock.now();
        const QDateTime &seen = mRecord.seenUpTo();
        const QDateTime after = seen.isValid() && seen > now ? seen : now;
        NextReminderChoice choice = choose(after, dateFormat);
        mAlarmTime = std::move(choice.alarmTime);
        mAlarmText = std::move(choice.alarmText);
        mAlarmDue = std::move(choice.due);
    });
    emit nextChosen();
}

void AlarmScheduler::startCountdown()
{
    mStopped = false;
    restoreRecord();
    if (!mSnoozes.empty()) {
        setTimer2Enabled(true);
        return;
    }
    setTimer1Enabled(true);
    // Missed while the program was off: handled once the window is up.
    if (mCatchUpPending && mTicking == Ticking::Automatic)
        Timer1.start(0);
}

void AlarmScheduler::restoreRecord()
{
    const QDateTime now = mClock.now();
    mCatchUpPending = mRecord.restore();
    std::optional<PendingSnooze> snooze = mRecord.readSnooze();
    if (!snooze)
        return;
    mInterval = GetAlarmInterval();
    mSnoozeStart = std::min(now, snooze->at.addSecs(-mInterval));
    if (snooze->at <= now) {
        mOverdueSnooze = std::move(snooze);
        mCatchUpPending = true;
        return;
    }
    // The wait goes on where it was, so the bar shows the time still left.
    mSnoozes = std::move(snooze->reminders);
    mSnoozed = true;
    mSeconds = int(mSnoozeStart.secsTo(now));
}

void AlarmScheduler::stop()
{
    mStopped = true;
    setTimer1Enabled(false);
    setTimer2Enabled(false);
    // An alarm still shown or in line was never answered: it must come back.
    if (!mQueue.empty() || mCatchUpPending)
        return;
    const QDateTime now = mClock.now();
    if (!mAlarmDue.isValid() || mAlarmDue > now)
        mRecord.accountUpTo(now);
    mRecord.save();
}

void AlarmScheduler::intervalRowClicked(int row)
{
    if (row < 1 || row > kAlarmIntervalCount)
        return;
    ErrorTrap trap(mReporter, QStringLiteral("Form1.ListView2_Click"));
    trap(100, [&] { mSettings.SaveSetting(QString::fromLatin1(SettingKey::OftenIndex), QString::number(row)); });
    mInterval = GetAlarmInterval();
    mSeconds = 0;
    mSnoozeStart = mClock.now();
    if (mTimer2Enabled) {
        saveSnooze();
        armTimer2();
    }
}

int AlarmScheduler::GetAlarmInterval() const
{
    const int row = mView.selectedIntervalRow();
    if (row < 1 || row > kAlarmIntervalCount)
        return 0;
    return kAlarmIntervals[row - 1].seconds;
}

void AlarmScheduler::tickTimer1()
{
    if (!mTimer1Enabled)
        return;
    // Nothing selected: the caption keeps its last text.
    if (!mAlarmDue.isValid() && !mCatchUpPending) {
        mRecord.accountIdleUpTo(mClock.now());
        armTimer1();
        return;
    }
    ErrorTrap trap(mReporter, QStringLiteral("Form1.Timer1_Timer"));
    trap(102, [&] {
        if (!mAlarmDue.isValid())
            return;
        const qint64 left = secondsUntil(mClock.now(), mAlarmDue);
        mView.setFrameCaption(countdownCaption(left));
        // The sound is opened a moment ahead, so it starts with the pop-up.
        if (left > 0 && left <= kPrepareSoundSeconds)
            mSound.prepare(mView.alarmSoundFile());
    });
    trap(104, [] { QCoreApplication::processEvents(); });
    if (!mTimer1Enabled)
        return;
    // Due once the moment has come, not only at the exact second: a late
    // tick or a suspended machine finds it, and the catch-up decides whether
    // it is still worth ringing.
    bool due = false;
    const QDateTime now = mClock.now();
    trap(106, [&] { due = mCatchUpPending || (mAlarmDue.isValid() && secondsUntil(now, mAlarmDue) <= 0); });
    if (!due) {
        mRecord.accountIdleUpTo(now);
        armTimer1();
        return;
    }
    trap(108, [&] { setTimer1Enabled(false); });
    catchUp(now.addSecs(-kRingGraceSeconds));
    raiseAlarms(trap, 110);
}

void AlarmScheduler::tickNow()
{
    // Only a timer armed for its next tick is brought forward: during a
    // tick (which lets events run) the single shot is not armed, and that
    // tick reads the clock anyway.
    if (mTimer1Enabled && Timer1.isActive())
        Timer1.start(0);
    if (mTimer2Enabled && Timer2.isActive())
        Timer2.start(0);
}

void AlarmScheduler::tickTimer2()
{
    if (!mTimer2Enabled)
        return;
    ErrorTrap trap(mReporter, QStringLiteral("Form1.Timer2"));
    trap(100, [&] { mInterval = GetAlarmInterval(); });
    trap(102, [&] {
        // The wait is measured on the clock, so late ticks and a suspend do
        // not stretch it. A clock set back starts it again.
        const QDateTime now = mClock.now();
        qint64 elapsed = mSnoozeStart.msecsTo(now) / 1000;
        if (elapsed < 0) {
            mSnoozeStart = now;
            elapsed = 0;
        }
        mSeconds = int(std::min<qint64>(elapsed, std::numeric_limits<int>::max()));
    });
    // Without a valid interval the bar is not advanced and no repeat comes.
    trap(104, [&] {
        if (mInterval > 0)
            mView.setProgress(std::min(mSeconds, mInterval), mInterval, progressIdleText());
    });
    trap(106, [&] { mView.setFrameCaption(countdownCaption(qint64(mInterval) - mSeconds)); });
    trap(108, [] { QCoreApplication::processEvents(); });
    if (!mTimer2Enabled)
        return;
    const QDateTime now = mClock.now();
    const bool waitOver = mInterval > 0 && mSeconds >= mInterval;
    // Other reminders still ring during a snooze wait.
    const bool reminderDue = mCatchUpPending || (mAlarmDue.isValid() && secondsUntil(now, mAlarmDue) <= 0);
    if (!waitOver && !reminderDue) {
        mRecord.accountIdleUpTo(now);
        armTimer2();
        return;
    }
    trap(110, [&] { setTimer2Enabled(false); });
    const QDateTime ringAfter = now.addSecs(-kRingGraceSeconds);
    if (waitOver)
        endSnoozeWait(ringAfter);
    catchUp(ringAfter);
    raiseAlarms(trap, 112);
}

void AlarmScheduler::endSnoozeWait(const QDateTime &ringAfter)
{
    const QDateTime end = snoozeEnd().toLocalTime();
    SnoozeOutcome outcome = endSnooze({end, std::exchange(mSnoozes, {})}, ringAfter);
    for (SnoozedReminder &reminder : outcome.repeats)
        mQueue.push_back({std::move(reminder), true, end});
    if (end > ringAfter)
        return;
    // Woken long after the wait ended: too late to ring, so reported.
    mSnoozed = false;
    saveSnooze();
    reportMissed(std::move(outcome.missed), 0);
}

void AlarmScheduler::catchUp(const QDateTime &ringAfter)
{
    ErrorTrap trap(mReporter, QStringLiteral("Form1.catchUp"));
    const QDateTime now = mClock.now();
    OccurrenceAccount account;
    bool accounted = false;
    trap(100, [&] {
        account = accountOccurrences([this](const auto &row) { mConn.forEachScheduleRow(row); }, mRecord.seenUpTo(),
                                     ringAfter, now, kMissedRowLimit);
        accounted = true;
    });
    mCatchUpPending = false;
    // An unreadable table leaves the span to the next catch-up.
    if (!accounted)
        return;
    mRecord.accountUpTo(now);

    const std::optional<PendingSnooze> overdue = std::exchange(mOverdueSnooze, std::nullopt);
    CatchUpPlan plan = planCatchUp(account, overdue, ringAfter);
    for (SnoozedReminder &reminder : plan.repeats)
        mQueue.push_back({std::move(reminder), true, plan.repeatsDue});
    // Reported is done with; put in line, it stays saved until answered.
    if (overdue)
        saveSnooze();
    std::vector<MissedEntry> entries = readMessages(trap, plan);
    reportMissed(std::move(entries), plan.more);
}

std::vector<MissedEntry> AlarmScheduler::readMessages(ErrorTrap &trap, CatchUpPlan &plan)
{
    // Only the messages that are shown are read.
    size_t read = 0;
    trap(102, [&] {
        for (const RingingOccurrence &occurrence : plan.ring)
            mQueue.push_back({{occurrence.id, mConn.reminderMessage(occurrence.id)}, false, occurrence.due});
        for (MissedLine &line : plan.missed) {
            if (line.id != 0)
                line.entry.message = mConn.reminderMessage(line.id);
            ++read;
        }
    });
    return takeListedRows(plan, read);
}

void AlarmScheduler::reportMissed(std::vector<MissedEntry> entries, int more)
{
    if (entries.empty() && more == 0)
        return;
    ErrorTrap trap(mReporter, QStringLiteral("Form1.reportMissed"));
    trap(100, [&] { mMissed.reportMissed(entries, more); });
}

template <class Trap>
void AlarmScheduler::raiseAlarms(Trap &trap, int firstLine)
{
    // What falls due while a pop-up waits for its answer still rings after
    // it, however long the answer took.
    const QDateTime batchStart = mClock.now().addSecs(-kRingGraceSeconds);
    bool snoozedNow = false;
    // Only reported, nothing to answer: the record moves on at once.
    if (mQueue.empty())
        mRecord.save();
    while (!mQueue.empty()) {
        const QueuedAlarm alarm = mQueue.front();
        int line = firstLine;
        trap(line, [&] { mSound.play(mView.alarmSoundFile(), true); });
        // The pop-up's answer: Snooze sets the flag, Stop clears it, closing it
        // any other way leaves the last answer in force.
        // A due moment that cannot be put in words leaves the message alone.
        RingingAlarm shown{alarm.reminder.message, {}, int(mQueue.size()) - 1};
        trap(line + 2, [&] { shown = ringing(alarm); });
        trap(line += 4, [&] {
            switch (mPopup.showModal(shown)) {
            case AlarmPopup::Outcome::Snooze:
                mSnoozed = true;
                break;
            case AlarmPopup::Outcome::Stop:
                mSnoozed = false;
                break;
            case AlarmPopup::Outcome::Closed:
                break;
            }
        });
        trap(line += 2, [&] {
            mSound.close();
            keepSoundFallbackNote();
        });
        trap(line += 2, [&] {
            mSeconds = 0;
            mView.restoreDefaultCursor();
        });
        trap(line += 2, [&] { mView.setProgress(0, std::max(GetAlarmInterval(), 1), progressIdleText()); });
        // Shutdown while the pop-up was shown: nothing is armed again, and
        // the alarm stays unanswered for the next start.
        if (mStopped)
            return;
        mQueue.pop_front();
        snoozedNow = snoozedNow || mSnoozed;
        answer(alarm, mSnoozed);
        catchUp(std::min(batchStart, mClock.now().addSecs(-kRingGraceSeconds)));
        if (mQueue.empty())
            mRecord.save();
    }
    tellSoundFallback();
    const int line = firstLine + 10;
    trap(line + 4, [&] { GetLatestReminder(); });
    if (snoozedNow) {
        trap(line + 2, [&] { startSnoozeWait(); });
        return;
    }
    // A wait that other alarms interrupted goes on where it was.
    if (!mSnoozes.empty()) {
        setTimer2Enabled(true);
        return;
    }
    trap(line + 6, [&] { setTimer1Enabled(true); });
}

RingingAlarm AlarmScheduler::ringing(const QueuedAlarm &alarm) const
{
    RingingAlarm shown{alarm.reminder.message, {}, int(mQueue.size()) - 1};
    if (alarm.due.isValid()) {
        const QDateTime due = alarm.due.toLocalTime();
        shown.dueText = QStringLiteral("%1 %2").arg(
            alarm.repeat ? QCoreApplication::translate("AlarmScheduler", "Snoozed until")
                         : QCoreApplication::translate("AlarmScheduler", "Due"),
            composeAlarmTimeText(due.date(), due.time(), currentDateFormat(mSettings), mRegional));
    }
    return shown;
}

void AlarmScheduler::keepSoundFallbackNote()
{
    const QString note = mSound.takeFallbackNote();
    if (note.isEmpty() || mSoundNote.contains(note))
        return;
    if (!mSoundNote.isEmpty())
        mSoundNote += QLatin1Char('\n');
    mSoundNote += note;
}

void AlarmScheduler::tellSoundFallback()
{
    // Told once every alarm in line is answered and the countdown runs
    // again, so that the box holds up no alarm and covers no pop-up.
    if (!mSoundNote.isEmpty())
        QTimer::singleShot(0, this, [this] {
            if (!mSoundNote.isEmpty())
                mReporter.showMessage(std::exchange(mSoundNote, QString()));
        });
}

void AlarmScheduler::answer(const QueuedAlarm &alarm, bool snoozed)
{
    if (snoozed) {
        mSnoozes.push_back(alarm.reminder);
        mInterval = GetAlarmInterval();
        mSnoozeStart = mClock.now();
    }
    if (snoozed || alarm.repeat)
        saveSnooze();
}

void AlarmScheduler::saveSnooze()
{
    // Repeats still in line are kept too: a program ended before their
    // answer rings them at its next start.
    PendingSnooze snooze{snoozeEnd(), mSnoozes};
    for (const QueuedAlarm &queued : mQueue) {
        if (queued.repeat)
            snooze.reminders.push_back(queued.reminder);
    }
    mRecord.saveSnooze(snooze);
}

QDateTime AlarmScheduler::snoozeEnd() const
{
    return mSnoozeStart.addSecs(mInterval);
}

void AlarmScheduler::startSnoozeWait()
{
    mSnoozeStart = mClock.now();
    mSeconds = 0;
    mInterval = GetAlarmInterval();
    setTimer2Enabled(true);
}

void AlarmScheduler::setTimer1Enabled(bool on)
{
    mTimer1Enabled = on;
    if (on)
        armTimer1();
    else
        Timer1.stop();
}

void AlarmScheduler::setTimer2Enabled(bool on)
{
    mTimer2Enabled = on;
    if (on)
        armTimer2();
    else
        Timer2.stop();
}

void AlarmScheduler::armTimer1()
{
    if (mTicking == Ticking::Manual || !mTimer1Enabled)
        return;
    // When a reminder's second has begun.
    startAtNextSecond(Timer1, mClock);
}

void AlarmScheduler::armTimer2()
{
    if (mTicking == Ticking::Manual || !mTimer2Enabled)
        return;
    // Just after each whole second of the wait.
    const qint64 elapsed = std::max<qint64>(0, mSnoozeStart.msecsTo(mClock.now()));
    Timer2.start(int(1000 - elapsed % 1000 + 1));
}

} // namespace vestrona
