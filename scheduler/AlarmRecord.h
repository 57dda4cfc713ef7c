#pragma once

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace vestrona {

class Clock;
class SettingsStore;

// A reminder whose alarm was snoozed: rung again with the message it had,
// even if the reminder was deleted meanwhile.
struct SnoozedReminder {
    qint64 id = 0;
    QString message;

    friend bool operator==(const SnoozedReminder &, const SnoozedReminder &) = default;
};

// The snoozed alarms and the moment their shared wait ends.
struct PendingSnooze {
    QDateTime at;
    std::vector<SnoozedReminder> reminders;
};

// The pending snooze; none when there is none or its keys are damaged.
std::optional<PendingSnooze> readPendingSnooze(const SettingsStore &settings);

// What the scheduler keeps in the settings so that no reminder is lost over
// a restart: the moment up to which every occurrence is accounted for
// (SeenUpTo) and a snooze in progress (SnoozeAt, SnoozedReminders).
//
// Writes never throw: the record is a convenience, and a settings file that
// cannot be written costs at worst a reminder reported twice, not a message
// box every ten minutes.
class AlarmRecord {
public:
    AlarmRecord(SettingsStore &settings, const Clock &clock);

    // Start-up: takes "seen up to" from the settings, also when it is up to
    // a day ahead of the clock (set back while the program was off): what
    // it covers was rung or reported already. No record, a damaged one, or
    // one further ahead tells nothing, so the record starts now and is
    // written. True when time has passed since a usable record: something
    // may have fallen due while the program was off.
    bool restore();
    // Invalid until restore().
    const QDateTime &seenUpTo() const { return mSeenUpTo; }
    // Everything up to `moment` is accounted for; never moves back. Not
    // written until save().
    void accountUpTo(const QDateTime &moment);
    // The same after a tick that found nothing due; written when the last
    // write is ten minutes old (or the clock went back since).
    void accountIdleUpTo(const QDateTime &now);
    void save();

    std::optional<PendingSnooze> readSnooze() const { return readPendingSnooze(mSettings); }
    // An empty snooze clears the keys.
    void saveSnooze(const PendingSnooze &snooze);

private:
    SettingsStore &mSettings;
    const Clock &mClock;
    QDateTime mSeenUpTo;
    QDateTime mSavedAt; // when "seen up to" was last written
};

} // namespace vestrona
