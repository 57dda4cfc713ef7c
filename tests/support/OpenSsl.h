#pragma once

#include <QByteArray>
#include <QString>

namespace vestrona::test {

// What the test servers make with Debian's openssl command. Every call
// returns empty words on success, otherwise what went wrong with openssl's
// own words, for QVERIFY2.

// `user`'s line of an htpasswd file, the password hashed apr1-md5 (which
// both Radicale and lighttpd read), into `line`, newline included.
QString htpasswdLine(const QString &user, const QString &password, QByteArray &line);

// A server's TLS key and certificate in `folder` (server.key, server.pem),
// signed by a certificate authority made for this server alone (ca.pem) or
// by itself.
class ServerCertificate {
public:
    enum class Signer { ThrowAwayAuthority, Itself };

    // Makes the authority and a certificate for 127.0.0.1 signed by it;
    // when that fails, fingerprint() stays empty.
    explicit ServerCertificate(QString folder);

    // A new key and certificate for `hostName`.
    QString renew(Signer signer, const QString &hostName = QStringLiteral("127.0.0.1"));

    QString authorityFile() const;
    QString certificateFile() const;
    QString keyFile() const;
    // SHA-256 of the current certificate, as openssl prints it.
    QString fingerprint() const { return mFingerprint; }

private:
    QString file(const QString &name) const;

    QString mFolder;
    QString mFingerprint;
};

} // namespace vestrona::test
