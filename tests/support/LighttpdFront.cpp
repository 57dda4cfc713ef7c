#include "tests/support/LighttpdFront.h"

#include <QCryptographicHash>
#include <QFile>

namespace vestrona::test {

namespace {

QString writeText(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1").arg(path);
    return QString();
}

} // namespace

LighttpdFront::LighttpdFront(Scheme scheme) : mScheme(scheme)
{
    if (mScheme == Scheme::HttpsBasic)
        mCertificate.emplace(mFolder.path());
}

QString LighttpdFront::writeUsers(const QString &user, const QString &password)
{
    QByteArray line;
    if (mScheme == Scheme::HttpsBasic) {
        if (const QString failed = htpasswdLine(user, password, line); !failed.isEmpty())
            return failed;
    } else {
        // htdigest's line: user:realm:MD5(user:realm:password).
        const QByteArray hash =
            QCryptographicHash::hash(QStringLiteral("%1:%2:%3").arg(user, realm, password).toUtf8(), QCryptographicHash::Md5)
                .toHex();
        line = QStringLiteral("%1:%2:%3\n").arg(user, realm, QString::fromLatin1(hash)).toUtf8();
    }
    return writeText(mFolder.file(QStringLiteral("users")), line);
}

QString LighttpdFront::configuration(const QUrl &backend, const QString &user) const
{
    const bool tls = mScheme == Scheme::HttpsBasic;
    QString config = QStringLiteral("server.document-root = \"%1\"\n"
                                    "server.bind = \"127.0.0.1\"\n"
                                    "server.port = %2\n"
                                    "server.errorlog = \"%3\"\n"
                                    "server.modules = (\"mod_auth\", \"mod_authn_file\", \"mod_setenv\", \"mod_proxy\")\n"
                                    "auth.backend = \"%4\"\n"
                                    "auth.backend.%4.userfile = \"%5\"\n"
                                    "auth.require = (\"\" => (\"method\" => \"%6\", \"realm\" => \"%7\", "
                                    "\"require\" => \"valid-user\"))\n"
                                    // Only requests that passed the password check get here.
                                    "setenv.set-request-header = (\"X-Remote-User\" => \"%8\")\n"
                                    "proxy.server = (\"\" => ((\"host\" => \"127.0.0.1\", \"port\" => %9)))\n")
                         .arg(mFolder.path())
                         .arg(mProcess.port())
                         .arg(mFolder.file(QStringLiteral("error.log")),
                              tls ? QStringLiteral("htpasswd") : QStringLiteral("htdigest"),
                              mFolder.file(QStringLiteral("users")),
                              tls ? QStringLiteral("basic") : QStringLiteral("digest"), realm, user)
                         .arg(backend.port());
    if (tls)
        config += QStringLiteral("server.modules += (\"mod_openssl\")\n"
                                 "ssl.engine = \"enable\"\n"
                                 "ssl.pemfile = \"%1\"\n"
                                 "ssl.privkey = \"%2\"\n")
                      .arg(mCertificate->certificateFile(), mCertificate->keyFile());
    return config;
}

QString LighttpdFront::start(const QUrl &backend, const QString &user, const QString &password)
{
    if (mCertificate && mCertificate->fingerprint().isEmpty())
        return QStringLiteral("the server certificate could not be made");
    QString failed = writeUsers(user, password);
    if (!failed.isEmpty())
        return failed;
    failed = writeText(mFolder.file(QStringLiteral("lighttpd.conf")), configuration(backend, user).toUtf8());
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

QUrl LighttpdFront::url(const QString &path) const
{
    const QString scheme = mScheme == Scheme::HttpsBasic ? QStringLiteral("https") : QStringLiteral("http");
    return QUrl(QStringLiteral("%1://127.0.0.1:%2").arg(scheme).arg(mProcess.port())).resolved(QUrl(path));
}

QString LighttpdFront::certificateFingerprint() const
{
    return mCertificate ? mCertificate->fingerprint() : QString();
}

} // namespace vestrona::test
