#pragma once

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace vestrona {

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

// The moment up to which every occurrence has been accounted for; none when
// the key is absent or holds no valid time.
std::optional<QDateTime> readSeenUpTo(const SettingsStore &settings);
// Throws AppError when the settings cannot be written.
void saveSeenUpTo(SettingsStore &settings, const QDateTime &seenUpTo);

// The pending snooze; none when there is none or its keys are damaged.
std::optional<PendingSnooze> readPendingSnooze(const SettingsStore &settings);
// An empty snooze clears the keys. Throws AppError when they cannot be written.
void savePendingSnooze(SettingsStore &settings, const PendingSnooze &snooze);

} // namespace vestrona
