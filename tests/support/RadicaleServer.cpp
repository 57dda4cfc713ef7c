#include "tests/support/RadicaleServer.h"

#include <QDir>
#include <QFile>

namespace vestrona::test {

namespace {

// Debian's interpreter, which has Radicale and its passlib; a python3 found
// first on PATH (a virtualenv, pyenv) may have neither.
const QString python = QStringLiteral("/usr/bin/python3");

QString writeText(const QString &path, const QByteArray &text, QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile file(path);
    if (!file.open(mode) || file.write(text) != text.size())
        return QStringLiteral("cannot write %1").arg(path);
    return QString();
}

} // namespace

RadicaleServer::RadicaleServer(Front front) : mFront(front)
{
    QDir(mFolder.path()).mkpath(QStringLiteral("storage"));
    writeText(mFolder.file(QStringLiteral("users")), QByteArray());
}

RadicaleServer::~RadicaleServer()
{
    stop();
}

QString RadicaleServer::renewCertificate(Signer signer, const QString &hostName)
{
    return mCertificate.renew(signer, hostName);
}

QString RadicaleServer::writeConfig()
{
    const bool tls = mFront == Front::Tls;
    const QString config = QStringLiteral("[server]\n"
                                          "hosts = 127.0.0.1:%1\n"
                                          "ssl = %6\n"
                                          "certificate = %2\n"
                                          "key = %3\n"
                                          "[auth]\n"
                                          "type = %7\n"
                                          "htpasswd_filename = %4\n"
                                          "htpasswd_encryption = md5\n"
                                          "delay = 0\n"
                                          "[rights]\n"
                                          "type = owner_only\n"
                                          "[storage]\n"
                                          "filesystem_folder = %5\n"
                                          "[web]\n"
                                          "type = none\n"
                                          "[logging]\n"
                                          "level = warning\n")
                               .arg(mProcess.port())
                               .arg(mCertificate.certificateFile(), mCertificate.keyFile(),
                                    mFolder.file(QStringLiteral("users")), mFolder.file(QStringLiteral("storage")),
                                    tls ? QStringLiteral("True") : QStringLiteral("False"),
                                    tls ? QStringLiteral("htpasswd") : QStringLiteral("http_x_remote_user"));
    return writeText(mFolder.file(QStringLiteral("config")), config.toUtf8());
}

QString RadicaleServer::start()
{
    if (mCertificate.fingerprint().isEmpty())
        return QStringLiteral("the server certificate could not be made");
    if (const QString failed = writeConfig(); !failed.isEmpty())
        return failed;
    return mProcess.start(python, {QStringLiteral("-m"), QStringLiteral("radicale"), QStringLiteral("--config"),
                                   mFolder.file(QStringLiteral("config"))});
}

void RadicaleServer::stop()
{
    mProcess.stop();
}

QString RadicaleServer::restart()
{
    stop();
    return start();
}

QString RadicaleServer::addUser(const QString &user, const QString &password)
{
    QByteArray line;
    if (const QString failed = htpasswdLine(user, password, line); !failed.isEmpty())
        return failed;
    return writeText(mFolder.file(QStringLiteral("users")), line, QIODevice::Append);
}

QString RadicaleServer::createCalendar(const QString &user, const QString &password, const QString &name, QUrl &url,
                                      const QString &displayName)
{
    url = this->url().resolved(QUrl(QStringLiteral("/%1/%2/").arg(user, name)));
    // Trusting the throw-away authority or, when self-signed, the certificate itself.
    return makeCalendar(url, user, password, displayName, {mCertificate.authorityFile(), mCertificate.certificateFile()});
}

QUrl RadicaleServer::principalUrl(const QString &user) const
{
    return url().resolved(QUrl(QStringLiteral("/%1/").arg(user)));
}

QUrl RadicaleServer::url() const
{
    return QUrl(QStringLiteral("%1://127.0.0.1:%2/").arg(mFront == Front::Tls ? QStringLiteral("https") : QStringLiteral("http")).arg(mProcess.port()));
}

} // namespace vestrona::test
