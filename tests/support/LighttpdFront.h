#pragma once

#include "tests/support/OpenSsl.h"
#include "tests/support/ServerProcess.h"
#include "tests/support/TempFolder.h"

#include <QString>
#include <QUrl>

#include <optional>

namespace vestrona::test {

// Debian's lighttpd on a free port of 127.0.0.1 in front of a calendar
// server, as a web server stands in front of one that others reach: it
// asks for one user's password (mod_auth, a file with that user alone) and
// passes authenticated requests on (mod_proxy) with the user's name in
// X-Remote-User, as RadicaleServer::Front::BehindProxy expects. It keeps
// connections open for further requests, as web servers do.
//
// HttpDigest: plain http, HTTP Digest authentication.
// HttpsBasic: TLS with a certificate of its own (trusted by its
// fingerprint), HTTP Basic authentication.
class LighttpdFront {
public:
    enum class Scheme { HttpDigest, HttpsBasic };

    static inline const QString realm = QStringLiteral("Vestrona test");

    explicit LighttpdFront(Scheme scheme = Scheme::HttpDigest);
    LighttpdFront(const LighttpdFront &) = delete;
    LighttpdFront &operator=(const LighttpdFront &) = delete;

    // Empty words when it listens in front of `backend` (plain http on this
    // computer); otherwise why not, with lighttpd's own words.
    QString start(const QUrl &backend, const QString &user, const QString &password);
    // `path` on the server, reached through the front.
    QUrl url(const QString &path) const;
    // SHA-256 of its certificate, as openssl prints it; empty over http.
    QString certificateFingerprint() const;

private:
    QString writeUsers(const QString &user, const QString &password);
    QString configuration(const QUrl &backend, const QString &user) const;

    Scheme mScheme;
    TempFolder mFolder;
    std::optional<ServerCertificate> mCertificate;
    ServerProcess mProcess{QStringLiteral("lighttpd")};
};

} // namespace vestrona::test
