#include "tests/support/OpenSsl.h"

#include "tests/support/Process.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>

namespace vestrona::test {

namespace {

QString openssl(const QStringList &arguments, QString *out = nullptr)
{
    const QString program = QStringLiteral("openssl");
    const ProcessResult result = runProcess(program, arguments);
    if (out)
        *out = result.out;
    if (result.exitCode == 0)
        return QString();
    return QStringLiteral("%1 %2 failed: %3").arg(program, arguments.join(QLatin1Char(' ')), result.err);
}

} // namespace

QString htpasswdLine(const QString &user, const QString &password, QByteArray &line)
{
    QString hash;
    if (const QString failed = openssl({QStringLiteral("passwd"), QStringLiteral("-apr1"), password}, &hash); !failed.isEmpty())
        return failed;
    line = (user + QLatin1Char(':') + hash.trimmed() + QLatin1Char('\n')).toUtf8();
    return QString();
}

ServerCertificate::ServerCertificate(QString folder) : mFolder(std::move(folder))
{
    const QString made = openssl({QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                                  QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                                  QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                                  QStringLiteral("/CN=Vestrona test authority"), QStringLiteral("-keyout"),
                                  file(QStringLiteral("ca.key")), QStringLiteral("-out"), authorityFile()});
    if (made.isEmpty())
        renew(Signer::ThrowAwayAuthority);
}

QString ServerCertificate::authorityFile() const
{
    return file(QStringLiteral("ca.pem"));
}

QString ServerCertificate::certificateFile() const
{
    return file(QStringLiteral("server.pem"));
}

QString ServerCertificate::keyFile() const
{
    return file(QStringLiteral("server.key"));
}

QString ServerCertificate::file(const QString &name) const
{
    return QDir(mFolder).filePath(name);
}

QString ServerCertificate::renew(Signer signer, const QString &hostName)
{
    const QString extensions = file(QStringLiteral("server.ext"));
    const bool isAddress = !QHostAddress(hostName).isNull();
    const QString altName = (isAddress ? QStringLiteral("IP:") : QStringLiteral("DNS:")) + hostName;
    QFile extensionFile(extensions);
    const QByteArray extensionText = QStringLiteral("subjectAltName=%1\nbasicConstraints=CA:FALSE\n").arg(altName).toUtf8();
    if (!extensionFile.open(QIODevice::WriteOnly) || extensionFile.write(extensionText) != extensionText.size())
        return QStringLiteral("cannot write %1").arg(extensions);
    extensionFile.close();
    QStringList request{QStringLiteral("req"), QStringLiteral("-new"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                        QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                        QStringLiteral("-subj"), QStringLiteral("/CN=") + hostName, QStringLiteral("-keyout"), keyFile()};
    QString failed;
    if (signer == Signer::Itself) {
        request << QStringLiteral("-x509") << QStringLiteral("-days") << QStringLiteral("2") << QStringLiteral("-addext")
                << QStringLiteral("subjectAltName=") + altName << QStringLiteral("-out") << certificateFile();
        failed = openssl(request);
    } else {
        const QString signingRequest = file(QStringLiteral("server.csr"));
        request << QStringLiteral("-out") << signingRequest;
        failed = openssl(request);
        if (failed.isEmpty())
            failed = openssl({QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"), signingRequest,
                              QStringLiteral("-CA"), authorityFile(), QStringLiteral("-CAkey"), file(QStringLiteral("ca.key")),
                              QStringLiteral("-CAcreateserial"), QStringLiteral("-days"), QStringLiteral("2"),
                              QStringLiteral("-extfile"), extensions, QStringLiteral("-out"), certificateFile()});
    }
    if (!failed.isEmpty())
        return failed;
    QString printed;
    failed = openssl({QStringLiteral("x509"), QStringLiteral("-in"), certificateFile(), QStringLiteral("-noout"),
                      QStringLiteral("-fingerprint"), QStringLiteral("-sha256")},
                     &printed);
    // "sha256 Fingerprint=AB:CD:..."
    mFingerprint = printed.section(QLatin1Char('='), 1).trimmed();
    return failed;
}

} // namespace vestrona::test
