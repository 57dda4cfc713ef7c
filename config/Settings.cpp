#include "config/Settings.h"

#include "core/AppError.h"
#include "core/PathHelpers.h"
#include "formats/DateFormats.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <utility>

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
    // QSettings reads the file at once, and would wait forever on a FIFO.
    const QFileInfo info(filePath());
    if (info.exists() && !info.isFile()) {
        mUnreadable = true;
        return;
    }
    mSettings = std::make_unique<QSettings>(filePath(), QSettings::IniFormat);
    mUnreadable = mSettings->status() != QSettings::NoError;
}

bool IniSettingsStore::fileIsWriteProtected() const
{
    // The owner's write bit is the user's own word that the file is not to
    // change, even for root, who could write it anyway.
    const QFileInfo info(filePath());
    return info.isFile() && (!info.isWritable() || !info.permissions().testFlag(QFileDevice::WriteOwner));
}

bool IniSettingsStore::moveUnreadableFileAside()
{
    // An unreadable file is moved aside, not merged into (QSettings refuses
    // to write over a file it cannot parse); the new file holds only what is
    // saved from now on. Each copy moved aside keeps a name of its own, as it
    // may be the only record of the user's settings.
    if (QFileInfo(filePath()).isFile()) {
        const QString asideBase = filePath() + QStringLiteral(".unreadable");
        QString asideName = asideBase;
        for (int n = 1; QFileInfo::exists(asideName) || QFileInfo(asideName).isSymLink(); ++n)
            asideName = asideBase + QLatin1Char('.') + QString::number(n);
        if (!QFile::rename(filePath(), asideName))
            return false;
    }
    openFile();
    return true;
}

QString IniSettingsStore::GetSetting(const QString &key, const QString &defaultValue) const
{
    if (const auto session = mSessionValues.constFind(key); session != mSessionValues.cend())
        return *session;
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
        return AppError(QCoreApplication::translate("Settings", "The setting %1 could not be saved to %2: %3")
                            .arg(key, filePath(), reason));
    };
    if (fileIsWriteProtected()) {
        mSessionValues.insert(key, value);
        // Settings change on their own (what the alarm has rung, say): one
        // word about it is enough for the whole session.
        if (std::exchange(mWriteProtectionReported, true))
            return;
        throw failure(QCoreApplication::translate(
            "Settings", "the file is read-only, so changes last only until Vestrona closes."));
    }

    // QSettings keeps its first error for good: after a failed write, start
    // again from what is on disk.
    if (!mSettings || mSettings->status() != QSettings::NoError)
        openFile();
    if (!mSettings)
        throw failure(QCoreApplication::translate("Settings", "%1 is not a regular file.").arg(filePath()));
    if (!QDir().mkpath(mFolder))
        throw failure(QCoreApplication::translate("Settings", "the folder could not be created."));
    const auto moveAside = [&] {
        if (!moveUnreadableFileAside())
            throw failure(
                QCoreApplication::translate("Settings", "the unreadable settings file could not be moved aside."));
    };
    if (mUnreadable)
        moveAside();
    mSessionValues.remove(key);

    mSettings->setValue(sectionKey(key), value);
    mSettings->sync();
    // Some damage only shows when the file is read again while saving.
    if (mSettings->status() == QSettings::FormatError) {
        moveAside();
        mSettings->setValue(sectionKey(key), value);
        mSettings->sync();
    }
    if (mSettings->status() != QSettings::NoError)
        throw failure(QCoreApplication::translate("Settings", "the file could not be written."));
}

} // namespace vestrona
