#pragma once

#include "tests/support/ServerProcess.h"
#include "tests/support/TempFolder.h"

#include <QString>
#include <QUrl>

namespace vestrona::test {

// Debian's lighttpd on a free port of 127.0.0.1 in front of a calendar
// server: it asks for HTTP Digest authentication (mod_auth, an htdigest
// file with one user) and passes authenticated requests on (mod_proxy) with
// the user's name in X-Remote-User, as RadicaleServer::Front::BehindProxy
// expects.
class DigestProxy {
public:
    static inline const QString realm = QStringLiteral("Vestrona test");

    DigestProxy() = default;
    DigestProxy(const DigestProxy &) = delete;
    DigestProxy &operator=(const DigestProxy &) = delete;

    // Empty words when it listens in front of `backend` (plain http on this
    // computer); otherwise why not, with lighttpd's own words.
    QString start(const QUrl &backend, const QString &user, const QString &password);
    // `path` on the server, reached through the proxy.
    QUrl url(const QString &path) const;

private:
    TempFolder mFolder;
    ServerProcess mProcess{QStringLiteral("lighttpd")};
};

} // namespace vestrona::test
