#include "scheduler/AlarmRecord.h"

#include "config/Settings.h"
#include "core/AppError.h"
#include "core/Clock.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vestrona {

namespace {

const QString kIdField = QStringLiteral("id");
const QString kMessageField = QStringLiteral("message");
// A program that idles in the tray writes "seen up to" no more often than
// this: the record only has to be close, every answer writes it anyway.
constexpr qint64 kIdleSaveSeconds = 600;
constexpr qint64 kMostSecondsAhead = 24 * 3600;

QString setting(const SettingsStore &settings, const char *key)
{
    return settings.GetSetting(QLatin1String(key), QString());
}

std::optional<QDateTime> readMoment(const SettingsStore &settings, const char *key)
{
    const QDateTime moment = QDateTime::fromString(setting(settings, key).trimmed(), Qt::ISODateWithMs);
    if (!moment.isValid())
        return std::nullopt;
    return moment.toLocalTime();
}

QString momentText(const QDateTime &moment)
{
    return moment.toUTC().toString(Qt::ISODateWithMs);
}

template <class Write>
void writeQuietly(Write write)
{
    try {
        write();
    } catch (const AppError &) {
    }
}

} // namespace

std::optional<PendingSnooze> readPendingSnooze(const SettingsStore &settings)
{
    const std::optional<QDateTime> at = readMoment(settings, SettingKey::SnoozeAt);
    if (!at)
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(setting(settings, SettingKey::SnoozedReminders).toUtf8());
    PendingSnooze snooze{*at, {}};
    for (const QJsonValue &value : document.array()) {
        const QJsonObject reminder = value.toObject();
        if (!reminder.value(kIdField).isDouble() || !reminder.value(kMessageField).isString())
            return std::nullopt;
        snooze.reminders.push_back({qint64(reminder.value(kIdField).toDouble()), reminder.value(kMessageField).toString()});
    }
    if (snooze.reminders.empty())
        return std::nullopt;
    return snooze;
}

AlarmRecord::AlarmRecord(SettingsStore &settings, const Clock &clock) : mSettings(settings), mClock(clock) {}

bool AlarmRecord::restore()
{
    const QDateTime now = mClock.now();
    const std::optional<QDateTime> seen = readMoment(mSettings, SettingKey::SeenUpTo);
    // A clock set back a little (a correction, a wrong zone put right) finds
    // what was handled ahead of it handled, as it does while the program
    // runs; only a record days ahead, from a clock that was plainly wrong,
    // would silence every reminder until then, and is dropped.
    const bool usable = seen && now.secsTo(*seen) <= kMostSecondsAhead;
    mSeenUpTo = usable ? *seen : now;
    if (!usable)
        save();
    return usable && *seen < now;
}

void AlarmRecord::accountUpTo(const QDateTime &moment)
{
    mSeenUpTo = std::max(mSeenUpTo, moment);
}

void AlarmRecord::accountIdleUpTo(const QDateTime &now)
{
    if (now <= mSeenUpTo)
        return;
    mSeenUpTo = now;
    const qint64 sinceSave = mSavedAt.isValid() ? mSavedAt.secsTo(now) : kIdleSaveSeconds;
    if (sinceSave >= kIdleSaveSeconds || sinceSave < 0)
        save();
}

void AlarmRecord::save()
{
    if (!mSeenUpTo.isValid())
        return;
    mSavedAt = mClock.now();
    writeQuietly([this] { mSettings.SaveSetting(QLatin1String(SettingKey::SeenUpTo), momentText(mSeenUpTo)); });
}

void AlarmRecord::saveSnooze(const PendingSnooze &snooze)
{
    QJsonArray reminders;
    for (const SnoozedReminder &reminder : snooze.reminders)
        reminders.append(QJsonObject{{kIdField, double(reminder.id)}, {kMessageField, reminder.message}});
    const bool empty = reminders.isEmpty();
    writeQuietly([&] {
        mSettings.SaveSetting(QLatin1String(SettingKey::SnoozeAt), empty ? QString() : momentText(snooze.at));
        mSettings.SaveSetting(QLatin1String(SettingKey::SnoozedReminders),
                              empty ? QString() : QString::fromUtf8(QJsonDocument(reminders).toJson(QJsonDocument::Compact)));
    });
}

} // namespace vestrona
