#include "tests/support/RadicaleServer.h"

#include "tests/support/Process.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>

namespace vestrona::test {

namespace {

// Debian's interpreter, which has Radicale and its passlib; a python3 found
// first on PATH (a virtualenv, pyenv) may have neither.
const QString python = QStringLiteral("/usr/bin/python3");

QString run(const QString &program, const QStringList &arguments, QString *out = nullptr)
{
    const ProcessResult result = runProcess(program, arguments);
    if (out)
        *out = result.out;
    if (result.exitCode == 0)
        return QString();
    return QStringLiteral("%1 %2 failed: %3").arg(program, arguments.join(QLatin1Char(' ')), result.err);
}

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
    const QString made = run(QStringLiteral("openssl"),
                             {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                              QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                              QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                              QStringLiteral("/CN=Vestrona test authority"), QStringLiteral("-keyout"),
                              mFolder.file(QStringLiteral("ca.key")), QStringLiteral("-out"), caFile()});
    if (made.isEmpty())
        renewCertificate(Signer::ThrowAwayAuthority);
    writeText(mFolder.file(QStringLiteral("users")), QByteArray());
}

RadicaleServer::~RadicaleServer()
{
    stop();
}

QString RadicaleServer::renewCertificate(Signer signer, const QString &hostName)
{
    const QString key = mFolder.file(QStringLiteral("server.key"));
    const QString certificate = mFolder.file(QStringLiteral("server.pem"));
    const QString extensions = mFolder.file(QStringLiteral("server.ext"));
    const bool isAddress = !QHostAddress(hostName).isNull();
    const QString altName = (isAddress ? QStringLiteral("IP:") : QStringLiteral("DNS:")) + hostName;
    QString failed = writeText(extensions, QStringLiteral("subjectAltName=%1\nbasicConstraints=CA:FALSE\n").arg(altName).toUtf8());
    if (!failed.isEmpty())
        return failed;
    QStringList request{QStringLiteral("req"), QStringLiteral("-new"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                        QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                        QStringLiteral("-subj"), QStringLiteral("/CN=") + hostName, QStringLiteral("-keyout"), key};
    if (signer == Signer::Itself) {
        request << QStringLiteral("-x509") << QStringLiteral("-days") << QStringLiteral("2") << QStringLiteral("-addext")
                << QStringLiteral("subjectAltName=") + altName << QStringLiteral("-out") << certificate;
        failed = run(QStringLiteral("openssl"), request);
    } else {
        const QString signingRequest = mFolder.file(QStringLiteral("server.csr"));
        request << QStringLiteral("-out") << signingRequest;
        failed = run(QStringLiteral("openssl"), request);
        if (failed.isEmpty())
            failed = run(QStringLiteral("openssl"),
                         {QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"), signingRequest,
                          QStringLiteral("-CA"), caFile(), QStringLiteral("-CAkey"), mFolder.file(QStringLiteral("ca.key")),
                          QStringLiteral("-CAcreateserial"), QStringLiteral("-days"), QStringLiteral("2"),
                          QStringLiteral("-extfile"), extensions, QStringLiteral("-out"), certificate});
    }
    if (!failed.isEmpty())
        return failed;
    QString printed;
    failed = run(QStringLiteral("openssl"),
                 {QStringLiteral("x509"), QStringLiteral("-in"), certificate, QStringLiteral("-noout"),
                  QStringLiteral("-fingerprint"), QStringLiteral("-sha256")},
                 &printed);
    // "sha256 Fingerprint=AB:CD:..."
    mFingerprint = printed.section(QLatin1Char('='), 1).trimmed();
    return failed;
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
                               .arg(mFolder.file(QStringLiteral("server.pem")), mFolder.file(QStringLiteral("server.key")),
                                    mFolder.file(QStringLiteral("users")), mFolder.file(QStringLiteral("storage")),
                                    tls ? QStringLiteral("True") : QStringLiteral("False"),
                                    tls ? QStringLiteral("htpasswd") : QStringLiteral("http_x_remote_user"));
    return writeText(mFolder.file(QStringLiteral("config")), config.toUtf8());
}

QString RadicaleServer::start()
{
    if (mFingerprint.isEmpty())
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
    QString hash;
    if (const QString failed = run(QStringLiteral("openssl"), {QStringLiteral("passwd"), QStringLiteral("-apr1"), password}, &hash);
        !failed.isEmpty())
        return failed;
    return writeText(mFolder.file(QStringLiteral("users")), (user + QLatin1Char(':') + hash.trimmed() + QLatin1Char('\n')).toUtf8(),
                     QIODevice::Append);
}

QString RadicaleServer::createCalendar(const QString &user, const QString &password, const QString &name, QUrl &url,
                                      const QString &displayName)
{
    url = this->url().resolved(QUrl(QStringLiteral("/%1/%2/").arg(user, name)));
    // Trusting the throw-away authority or, when self-signed, the certificate itself.
    return makeCalendar(url, user, password, displayName, {caFile(), mFolder.file(QStringLiteral("server.pem"))});
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
