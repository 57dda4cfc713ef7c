#include "tests/support/XandikosServer.h"

namespace vestrona::test {

XandikosServer::XandikosServer(QString user, QString password) : mUser(std::move(user)), mPassword(std::move(password))
{
}

QString XandikosServer::start()
{
    // --autocreate makes the principal and its empty calendar home.
    const QString failed = mProcess.start(
        QStringLiteral("/usr/bin/xandikos"),
        {QStringLiteral("--directory"), mFolder.path(), QStringLiteral("--autocreate"),
         QStringLiteral("--current-user-principal"), QStringLiteral("/%1/").arg(mUser), QStringLiteral("--listen-address"),
         QStringLiteral("127.0.0.1"), QStringLiteral("--port"), QString::number(mProcess.port())});
    if (!failed.isEmpty())
        return failed;
    return mProxy.start(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(mProcess.port())), mUser, mPassword);
}

QUrl XandikosServer::url() const
{
    return mProxy.url(QStringLiteral("/"));
}

QUrl XandikosServer::principalUrl(const QString &user) const
{
    return mProxy.url(QStringLiteral("/%1/").arg(user));
}

QString XandikosServer::createCalendar(const QString &user, const QString &password, const QString &name, QUrl &url,
                                      const QString &displayName)
{
    if (user != mUser || password != mPassword)
        return QStringLiteral("this Xandikos serves %1 alone, with the password it was made with").arg(mUser);
    const QString path = QStringLiteral("/%1/calendars/%2/").arg(user, name);
    url = mProxy.url(path);
    // Straight to Xandikos, which asks for no password.
    return makeCalendar(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(mProcess.port()).arg(path)), user, password,
                        displayName);
}

} // namespace vestrona::test
