#pragma once

#include <QHash>
#include <QString>

#include <memory>

class QSettings;

namespace vestrona {

// Setting keys and the texts they hold; all live in the section "Vestrona"
// of the application "Tolvane".
namespace SettingKey {
inline constexpr auto Alarm = "Alarm";
inline constexpr auto OftenIndex = "OftenIndex";
inline constexpr auto WindowsStartup = "Windows Startup";
inline constexpr auto Minimized = "Minimized";
inline constexpr auto DateFormat = "DateFormat";
inline constexpr auto Option1 = "Option1";
inline constexpr auto Option2 = "Option2";
// The user database this user's first start made; see DataLocation.
inline constexpr auto UserDatabase = "UserDatabase";
// What the alarm has accounted for, kept across restarts: every occurrence
// due up to SeenUpTo, and the snooze waiting to ring (ISO 8601 UTC times).
inline constexpr auto SeenUpTo = "SeenUpTo";
inline constexpr auto SnoozeAt = "SnoozeAt";
inline constexpr auto SnoozedReminders = "SnoozedReminders";
// The widths of the reminder list's columns as the user left them ("190,210,…").
inline constexpr auto ListColumns = "ListColumns";
} // namespace SettingKey

// The per-user settings store: named text values.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `defaultValue` when the key is absent.
    virtual QString GetSetting(const QString &key, const QString &defaultValue) const = 0;
    // Throws AppError when the value cannot be stored.
    virtual void SaveSetting(const QString &key, const QString &value) = 0;
};

// The DateFormat setting, month first when absent.
QString currentDateFormat(const SettingsStore &settings);
// "On" exactly, case-sensitive; anything else is off.
bool settingIsOn(const SettingsStore &settings, const char *key);
// Boolean settings written as "True"/"False"; absent keys give the default.
bool readBoolSetting(const SettingsStore &settings, const char *key, bool defaultValue);

// Settings kept as an INI file "Tolvane.ini" in a config folder, section
// "Vestrona". A file that cannot be read or is garbage gives the defaults and
// is moved aside on the first save, next to any copy moved aside before.
// A file that cannot be written (no write permission for its owner, or none
// for this user) is never touched: its values are read, saves last until the
// program closes, and only the first such save throws.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(const QString &configFolder);
    ~IniSettingsStore() override;

    // $XDG_CONFIG_HOME, or ~/.config when it is unset or empty.
    static QString userConfigFolder();

    QString filePath() const;
    QString GetSetting(const QString &key, const QString &defaultValue) const override;
    void SaveSetting(const QString &key, const QString &value) override;

private:
    void openFile();
    bool fileIsWriteProtected() const;
    // False when the file stays where it is.
    bool moveUnreadableFileAside();

    QString mFolder;
    std::unique_ptr<QSettings> mSettings;
    // The file could not be read or parsed: reads give the defaults.
    bool mUnreadable = false;
    // Saves made while the file is write-protected, read before the file.
    QHash<QString, QString> mSessionValues;
    bool mWriteProtectionReported = false;
};

} // namespace vestrona
