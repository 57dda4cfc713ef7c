#include "sync/SyncAccount.h"

#include "config/Settings.h"

#include <QCoreApplication>
#include <QHostAddress>

namespace vestrona {

AddressCredentials splitCredentials(const QUrl &url)
{
    return AddressCredentials{url.adjusted(QUrl::RemoveUserInfo), url.userName(QUrl::FullyDecoded),
                              url.password(QUrl::FullyDecoded)};
}

SyncAccount readSyncAccount(const SettingsStore &settings)
{
    const AddressCredentials stored =
        splitCredentials(QUrl(settings.GetSetting(SyncSettingKey::Url, QString()), QUrl::StrictMode));
    SyncAccount account;
    account.url = stored.url;
    account.user = settings.GetSetting(SyncSettingKey::User, QString());
    if (account.user.isEmpty())
        account.user = stored.user;
    account.acceptedCertificate = settings.GetSetting(SyncSettingKey::AcceptedCertificate, QString());
    return account;
}

SyncAccount movedTo(SyncAccount account, const QUrl &url, const QString &user)
{
    if (url.host() != account.url.host() || url.port() != account.url.port())
        account.acceptedCertificate.clear();
    account.url = url;
    account.user = user;
    return account;
}

void saveSyncAccount(SettingsStore &settings, const SyncAccount &account)
{
    settings.SaveSetting(SyncSettingKey::Url, account.url.adjusted(QUrl::RemoveUserInfo).toString());
    settings.SaveSetting(SyncSettingKey::User, account.user);
    settings.SaveSetting(SyncSettingKey::AcceptedCertificate, account.acceptedCertificate);
}

QString syncUrlProblem(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return QCoreApplication::translate("SyncAccount",
                                           "The calendar address is not a web address such as "
                                           "https://dav.example.org/alice/reminders/.");
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return QString();
    if (scheme == QLatin1String("http")) {
        // Plain http would send the password readable to anyone on the way;
        // only a server on this computer is spared that.
        const QHostAddress address(url.host());
        if (url.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 || address.isLoopback())
            return QString();
        return QCoreApplication::translate("SyncAccount",
                                           "The calendar address must start with https:// (plain http:// is only "
                                           "allowed for a server on this computer).");
    }
    return QCoreApplication::translate("SyncAccount", "The calendar address must start with https://.");
}

} // namespace vestrona
