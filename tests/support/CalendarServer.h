#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace vestrona::test {

// A real CalDAV server on this computer as the sync tests use it, whichever
// program it is (RadicaleServer, XandikosServer): its addresses, making a
// calendar, and what a client needs to trust it. Calls that can fail
// return empty words on success, otherwise what went wrong, for QVERIFY2.
class CalendarServer {
public:
    virtual ~CalendarServer() = default;

    // The server's root, as clients reach it.
    virtual QUrl url() const = 0;
    // The address of `user`'s principal (current-user-principal).
    virtual QUrl principalUrl(const QString &user) const = 0;
    // MKCALENDAR of calendar `name` of `user`, named `displayName` when one
    // is given; `url` gets its address.
    virtual QString createCalendar(const QString &user, const QString &password, const QString &name, QUrl &url,
                                   const QString &displayName = QString()) = 0;
    // SHA-256 of the server certificate, as openssl prints it; empty for
    // plain http.
    virtual QString certificateFingerprint() const = 0;
    // The certificate authority that signed the server's certificate, for
    // clients that check it (phone.py); empty for plain http.
    virtual QString authorityFile() const = 0;
};

// MKCALENDAR of `url` with Python's standard library: Basic credentials
// sent at once (and the user's name as X-Remote-User, as a proxy in front
// would pass it on), a <displayname> when `displayName` is not empty, and
// over https trusting the certificate files `trusted`.
QString makeCalendar(const QUrl &url, const QString &user, const QString &password, const QString &displayName,
                     const QStringList &trusted = {});

} // namespace vestrona::test
