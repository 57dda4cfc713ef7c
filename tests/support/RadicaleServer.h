#pragma once

#include "tests/support/TempFolder.h"

#include <QProcess>
#include <QString>
#include <QUrl>

namespace vestrona::test {

// A real CalDAV server (Debian's Radicale) on a free port of 127.0.0.1, for
// the tests that talk to one: password authentication (htpasswd, apr1-md5),
// storage and TLS material in a throw-away folder, the server certificate
// signed by a certificate authority made for this server alone.
//
// The program trusts only the system's authorities (Qt's OpenSSL backend
// ignores SSL_CERT_FILE and SSL_CERT_DIR), so tests reach this server the
// way a user reaches a self-hosted one: by accepting its certificate's
// fingerprint (certificateFingerprint()).
//
// Every call that can fail returns empty words on success, otherwise what
// went wrong with the server's output, for QVERIFY2.
//
// BehindProxy: plain http on 127.0.0.1, and the user is whoever the
// X-Remote-User header names, for a web server in front that does the
// authentication (DigestProxy).
class RadicaleServer {
public:
    enum class Signer { ThrowAwayAuthority, Itself };
    enum class Front { Tls, BehindProxy };

    explicit RadicaleServer(Front front = Front::Tls);
    ~RadicaleServer();
    RadicaleServer(const RadicaleServer &) = delete;
    RadicaleServer &operator=(const RadicaleServer &) = delete;

    // The first start picks the port; later ones keep it and the storage.
    QString start();
    void stop();
    QString restart();

    QString addUser(const QString &user, const QString &password);
    // MKCALENDAR of /user/name/, named `displayName` when one is given;
    // `url` gets its address.
    QString createCalendar(const QString &user, const QString &password, const QString &name, QUrl &url,
                           const QString &displayName = QString());
    // A new key and certificate for `hostName`; takes effect on the next start.
    QString renewCertificate(Signer signer, const QString &hostName = QStringLiteral("127.0.0.1"));

    QUrl url() const;
    // SHA-256 of the current server certificate, as openssl prints it.
    QString certificateFingerprint() const { return mFingerprint; }
    QString authorityFile() const { return mFolder.file(QStringLiteral("ca.pem")); }

private:
    QString writeConfig();
    QString output();

    Front mFront;
    TempFolder mFolder;
    QProcess mProcess;
    quint16 mPort = 0;
    QString mFingerprint;
};

} // namespace vestrona::test
