#pragma once

#include "tests/support/CalendarServer.h"
#include "tests/support/OpenSsl.h"
#include "tests/support/ServerProcess.h"
#include "tests/support/TempFolder.h"

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
// authentication (LighttpdFront).
class RadicaleServer final : public CalendarServer {
public:
    using Signer = ServerCertificate::Signer;
    enum class Front { Tls, BehindProxy };

    explicit RadicaleServer(Front front = Front::Tls);
    ~RadicaleServer() override;
    RadicaleServer(const RadicaleServer &) = delete;
    RadicaleServer &operator=(const RadicaleServer &) = delete;

    // Every start keeps the port and the storage.
    QString start();
    void stop();
    QString restart();

    QString addUser(const QString &user, const QString &password);
    // Calendars are at /user/name/.
    QString createCalendar(const QString &user, const QString &password, const QString &name, QUrl &url,
                           const QString &displayName = QString()) override;
    // A new key and certificate for `hostName`; takes effect on the next start.
    QString renewCertificate(Signer signer, const QString &hostName = QStringLiteral("127.0.0.1"));

    QUrl url() const override;
    QUrl principalUrl(const QString &user) const override;
    // Of the current server certificate.
    QString certificateFingerprint() const override { return mFront == Front::Tls ? mCertificate.fingerprint() : QString(); }
    QString authorityFile() const override { return mFront == Front::Tls ? mCertificate.authorityFile() : QString(); }

private:
    QString writeConfig();

    Front mFront;
    TempFolder mFolder;
    ServerCertificate mCertificate{mFolder.path()};
    ServerProcess mProcess{QStringLiteral("radicale")};
};

} // namespace vestrona::test
