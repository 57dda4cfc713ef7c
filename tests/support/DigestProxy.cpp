#include "tests/support/DigestProxy.h"

#include <QCryptographicHash>
#include <QFile>

namespace vestrona::test {

namespace {

QString writeText(const QString &path, const QString &text)
{
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1").arg(path);
    return QString();
}

} // namespace

QString DigestProxy::start(const QUrl &backend, const QString &user, const QString &password)
{
    // htdigest's line: user:realm:MD5(user:realm:password).
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(QStringLiteral("%1:%2:%3").arg(user, realm, password).toUtf8(), QCryptographicHash::Md5)
            .toHex());
    QString failed = writeText(mFolder.file(QStringLiteral("users")), QStringLiteral("%1:%2:%3\n").arg(user, realm, hash));
    if (!failed.isEmpty())
        return failed;
    const QString config = QStringLiteral(
                               "server.document-root = \"%1\"\n"
                               "server.bind = \"127.0.0.1\"\n"
                               "server.port = %2\n"
                               "server.errorlog = \"%3\"\n"
                               "server.modules = (\"mod_auth\", \"mod_authn_file\", \"mod_setenv\", \"mod_proxy\")\n"
                               "auth.backend = \"htdigest\"\n"
                               "auth.backend.htdigest.userfile = \"%4\"\n"
                               "auth.require = (\"\" => (\"method\" => \"digest\", \"realm\" => \"%5\", "
                               "\"require\" => \"valid-user\"))\n"
                               // Only requests that passed the Digest check get here.
                               "setenv.set-request-header = (\"X-Remote-User\" => \"%6\")\n"
                               "proxy.server = (\"\" => ((\"host\" => \"127.0.0.1\", \"port\" => %7)))\n")
                               .arg(mFolder.path())
                               .arg(mProcess.port())
                               .arg(mFolder.file(QStringLiteral("error.log")), mFolder.file(QStringLiteral("users")), realm,
                                    user)
                               .arg(backend.port());
    failed = writeText(mFolder.file(QStringLiteral("lighttpd.conf")), config);
    if (!failed.isEmpty())
        return failed;
    failed = mProcess.start(QStringLiteral("/usr/sbin/lighttpd"),
                            {QStringLiteral("-D"), QStringLiteral("-f"), mFolder.file(QStringLiteral("lighttpd.conf"))},
                            10000);
    if (failed.isEmpty())
        return failed;
    QFile log(mFolder.file(QStringLiteral("error.log")));
    log.open(QIODevice::ReadOnly);
    return failed + QLatin1Char(' ') + QString::fromUtf8(log.readAll());
}

QUrl DigestProxy::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(mProcess.port())).resolved(QUrl(path));
}

} // namespace vestrona::test
