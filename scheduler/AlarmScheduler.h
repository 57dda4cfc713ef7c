#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

namespace vestrona {

class AlarmPopup;
class Clock;
class Connection;
class CountdownView;
class RegionalSettings;
class Reporter;
class SettingsStore;
class SoundPlayer;

// The main window's scheduler: the selection of the next reminder, Timer1
// counting down to it, the alarm, and Timer2 counting a snooze wait.
// At most one of the two timers is enabled at a time.
class AlarmScheduler final : public QObject {
    Q_OBJECT

public:
    // Automatic arms real timers; Manual leaves the ticks to the caller
    // (tests drive tickTimer1/tickTimer2 with a fake clock).
    enum class Ticking { Automatic, Manual };

    AlarmScheduler(Connection &conn, SettingsStore &settings, const RegionalSettings &regional, Reporter &reporter,
                   const Clock &clock, SoundPlayer &sound, AlarmPopup &popup, CountdownView &view,
                   Ticking ticking = Ticking::Automatic, QObject *parent = nullptr);
    ~AlarmScheduler() override;

    // Selects the reminder due first after now.
    void GetLatestReminder();
    // Start-up: Timer1 on.
    void startCountdown();
    // Shutdown: both timers off, and an alarm still shown re-arms nothing.
    void stop();
    // A click on ListView2's row (1-based): stores OftenIndex and restarts a
    // snooze wait with the new interval.
    void intervalRowClicked(int row);
    // Seconds of the interval row chosen on the view, 0 when none.
    int GetAlarmInterval() const;

    void tickTimer1();
    void tickTimer2();

    const QString &alarmTime() const { return mAlarmTime; }
    const QString &alarmText() const { return mAlarmText; }
    // The moment the selected reminder is due; invalid when none is selected.
    const QDateTime &alarmDue() const { return mAlarmDue; }
    int seconds() const { return mSeconds; }
    int interval() const { return mInterval; }
    bool Snoozed() const { return mSnoozed; }
    bool isTimer1Enabled() const { return mTimer1Enabled; }
    bool isTimer2Enabled() const { return mTimer2Enabled; }

private:
    void setTimer1Enabled(bool on);
    void setTimer2Enabled(bool on);
    void armTimer1();
    void armTimer2();
    // Steps shared by both ticks once the alarm is due: sound, pop-up and
    // what follows its answer. Line labels continue from `firstLine`.
    template <class Trap>
    void raiseAlarm(Trap &trap, int firstLine);
    void startSnoozeWait();

    Connection &mConn;
    SettingsStore &mSettings;
    const RegionalSettings &mRegional;
    Reporter &mReporter;
    const Clock &mClock;
    SoundPlayer &mSound;
    AlarmPopup &mPopup;
    CountdownView &mView;
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
};

} // namespace vestrona
