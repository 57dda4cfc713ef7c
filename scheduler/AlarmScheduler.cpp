#include "scheduler/AlarmScheduler.h"

#include "core/Clock.h"
#include "core/ErrorTrap.h"
#include "core/ProgressIdleText.h"
#include "scheduler/AlarmIntervals.h"
#include "scheduler/AlarmPopup.h"
#include "scheduler/CountdownView.h"
#include "scheduler/NextReminder.h"
#include "scheduler/SoundPlayer.h"
#include "store/Connection.h"
#include "store/DateFormats.h"
#include "store/Settings.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace vestrona {

namespace {

const QString kCaptionPrefix = QStringLiteral("Next alarm will play in ");
const QString kProgressText = QString::fromLatin1(kProgressIdleText);
constexpr qint64 kPrepareSoundSeconds = 3;

QString countdownCaption(qint64 seconds)
{
    return kCaptionPrefix + FormatCountdown(seconds);
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
                               CountdownView &view, Ticking ticking, QObject *parent)
    : QObject(parent),
      mConn(conn),
      mSettings(settings),
      mRegional(regional),
      mReporter(reporter),
      mClock(clock),
      mSound(sound),
      mPopup(popup),
      mView(view),
      mTicking(ticking)
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

void AlarmScheduler::GetLatestReminder()
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
        NextReminderChoice choice = findNextReminder(mConn, mClock.now(), dateFormat, mRegional);
        mAlarmTime = std::move(choice.alarmTime);
        mAlarmText = std::move(choice.alarmText);
        mAlarmDue = std::move(choice.due);
    });
}

void AlarmScheduler::startCountdown()
{
    mStopped = false;
    setTimer1Enabled(true);
}

void AlarmScheduler::stop()
{
    mStopped = true;
    setTimer1Enabled(false);
    setTimer2Enabled(false);
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
    if (mTimer2Enabled)
        armTimer2();
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
    if (!mAlarmDue.isValid()) {
        armTimer1();
        return;
    }
    ErrorTrap trap(mReporter, QStringLiteral("Form1.Timer1_Timer"));
    trap(102, [&] {
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
    // tick or a suspended machine raises the alarm late instead of never.
    bool due = false;
    trap(106, [&] { due = mAlarmDue.isValid() && secondsUntil(mClock.now(), mAlarmDue) <= 0; });
    if (!due) {
        armTimer1();
        return;
    }
    trap(108, [&] { setTimer1Enabled(false); });
    raiseAlarm(trap, 110);
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
            mView.setProgress(std::min(mSeconds, mInterval), mInterval, kProgressText);
    });
    trap(106, [&] { mView.setFrameCaption(countdownCaption(qint64(mInterval) - mSeconds)); });
    trap(108, [] { QCoreApplication::processEvents(); });
    if (!mTimer2Enabled)
        return;
    if (mInterval <= 0 || mSeconds < mInterval) {
        armTimer2();
        return;
    }
    trap(110, [&] { setTimer2Enabled(false); });
    raiseAlarm(trap, 112);
}

template <class Trap>
void AlarmScheduler::raiseAlarm(Trap &trap, int firstLine)
{
    int line = firstLine;
    trap(line, [&] { mSound.play(mView.alarmSoundFile(), true); });
    // The pop-up's answer: Snooze sets the flag, Stop clears it, closing it
    // any other way leaves the last answer in force.
    // Filling the pop-up and showing it are one call: two line labels, one step.
    trap(line += 4, [&] {
        switch (mPopup.showModal(mAlarmText)) {
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
    trap(line += 2, [&] { mSound.close(); });
    trap(line += 2, [&] {
        mSeconds = 0;
        mView.restoreDefaultCursor();
    });
    trap(line += 2, [&] { mView.setProgress(0, std::max(GetAlarmInterval(), 1), kProgressText); });
    // Shutdown while the pop-up was shown: nothing is armed again.
    if (mStopped)
        return;
    if (mSnoozed) {
        trap(line += 2, [&] { startSnoozeWait(); });
        return;
    }
    trap(line += 4, [&] { GetLatestReminder(); });
    trap(line += 2, [&] { setTimer1Enabled(true); });
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
