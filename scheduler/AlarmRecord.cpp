#include "scheduler/AlarmRecord.h"

#include "config/Settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vestrona {

namespace {

const QString kIdField = QStringLiteral("id");
const QString kMessageField = QStringLiteral("message");

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

} // namespace

std::optional<QDateTime> readSeenUpTo(const SettingsStore &settings)
{
    return readMoment(settings, SettingKey::SeenUpTo);
}

void saveSeenUpTo(SettingsStore &settings, const QDateTime &seenUpTo)
{
    settings.SaveSetting(QLatin1String(SettingKey::SeenUpTo), momentText(seenUpTo));
}

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

void savePendingSnooze(SettingsStore &settings, const PendingSnooze &snooze)
{
    QJsonArray reminders;
    for (const SnoozedReminder &reminder : snooze.reminders)
        reminders.append(QJsonObject{{kIdField, double(reminder.id)}, {kMessageField, reminder.message}});
    const bool empty = reminders.isEmpty();
    settings.SaveSetting(QLatin1String(SettingKey::SnoozeAt), empty ? QString() : momentText(snooze.at));
    settings.SaveSetting(QLatin1String(SettingKey::SnoozedReminders),
                         empty ? QString() : QString::fromUtf8(QJsonDocument(reminders).toJson(QJsonDocument::Compact)));
}

} // namespace vestrona
