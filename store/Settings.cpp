#include "store/Settings.h"

#include "core/AppError.h"
#include "core/PathHelpers.h"
#include "store/DateFormats.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace vestrona {

namespace {

constexpr auto kSettingsFileName = "Tolvane.ini";
constexpr auto kSection = "Vestrona";

QString sectionKey(const QString &key)
{
    return QLatin1String(kSection) + QLatin1Char('/') + key;
}

} // namespace

QString currentDateFormat(const SettingsStore &settings)
{
    return settings.GetSetting(QLatin1String(SettingKey::DateFormat), QLatin1String(kMonthFirstPattern));
}

bool settingIsOn(const SettingsStore &settings, const char *key)
{
    return settings.GetSetting(QLatin1String(key), QStringLiteral("Off")) == QLatin1String("On");
}

bool readBoolSetting(const SettingsStore &settings, const char *key, bool defaultValue)
{
    const QString text = settings.GetSetting(QLatin1String(key), QString()).trimmed();
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || text == QLatin1String("1")
        || text == QLatin1String("-1"))
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 || text == QLatin1String("0"))
        return false;
    return defaultValue;
}

IniSettingsStore::IniSettingsStore(const QString &configFolder)
    : mFolder(configFolder)
{
    openFile();
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::userConfigFolder()
{
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base
    // directory rules ask.
    return xdgBaseFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
}

QString IniSettingsStore::filePath() const
{
    return QDir(mFolder).filePath(QLatin1String(kSettingsFileName));
}

void IniSettingsStore::openFile()
{
    // Qt shares one parsed file among the QSettings objects alive on it:
    // the old object goes first so the file is read afresh.
    mSettings.reset();
    mSettings = std::make_unique<QSettings>(filePath(), QSettings::IniFormat);
    mUnreadable = mSettings->status() != QSettings::NoError;
}

QString IniSettingsStore::GetSetting(const QString &key, const QString &defaultValue) const
{
    if (mUnreadable)
        return defaultValue;
    const QVariant value = mSettings->value(sectionKey(key));
    if (!value.isValid())
        return defaultValue;
    // An unquoted text with commas, written by hand, comes back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void IniSettingsStore::SaveSetting(const QString &key, const QString &value)
{
    const auto failure = [&](const QString &reason) {
        return AppError(QStringLiteral("The setting %1 could not be saved to %2: %3").arg(key, filePath(), reason));
    };
    // An unreadable file is moved aside, not merged into (QSettings refuses
    // to write over a file it cannot parse); the new file holds only what is
    // saved from now on.
    const auto moveUnreadableFileAside = [&] {
        const QString asideName = filePath() + QStringLiteral(".unreadable");
        QFile::remove(asideName);
        if (QFileInfo(filePath()).isFile() && !QFile::rename(filePath(), asideName))
            throw failure(QStringLiteral("the unreadable settings file could not be moved aside."));
        openFile();
    };

    // QSettings keeps its first error for good: after a failed write, start
    // again from what is on disk.
    if (mSettings->status() != QSettings::NoError)
        openFile();
    if (!QDir().mkpath(mFolder))
        throw failure(QStringLiteral("the folder could not be created."));
    if (mUnreadable)
        moveUnreadableFileAside();

    mSettings->setValue(sectionKey(key), value);
    mSettings->sync();
    // Some damage only shows when the file is read again while saving.
    if (mSettings->status() == QSettings::FormatError) {
        moveUnreadableFileAside();
        mSettings->setValue(sectionKey(key), value);
        mSettings->sync();
    }
    if (mSettings->status() != QSettings::NoError)
        throw failure(QStringLiteral("the file could not be written."));
}

} // namespace vestrona
