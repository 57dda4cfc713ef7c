#pragma once

#include "tests/support/CalendarServer.h"
#include "tests/support/LighttpdFront.h"
#include "tests/support/ServerProcess.h"
#include "tests/support/TempFolder.h"

namespace vestrona::test {

// Debian's Xandikos (a CalDAV server keeping each calendar in a git
// repository) on a free port of 127.0.0.1, with its storage in a throw-away
// folder, for the tests that check the sync on a server other than
// Radicale. Xandikos has no authentication and no TLS of its own, so
// clients reach it over plain http through LighttpdFront, which asks for
// `user`'s password by HTTP Digest. It serves that one user: the principal
// /USER/, the calendars under /USER/calendars/.
class XandikosServer final : public CalendarServer {
public:
    XandikosServer(QString user, QString password);

    // Empty words when both Xandikos and the proxy in front listen.
    QString start();

    QUrl url() const override;
    QUrl principalUrl(const QString &user) const override;
    QString createCalendar(const QString &user, const QString &password, const QString &name, QUrl &url,
                           const QString &displayName = QString()) override;
    QString certificateFingerprint() const override { return QString(); }
    QString authorityFile() const override { return QString(); }

private:
    QString mUser;
    QString mPassword;
    TempFolder mFolder;
    ServerProcess mProcess{QStringLiteral("xandikos")};
    LighttpdFront mProxy;
};

} // namespace vestrona::test
