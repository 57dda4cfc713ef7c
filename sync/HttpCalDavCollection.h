#pragma once

#include "sync/CalDavCollection.h"
#include "sync/DavRequestBodies.h"
#include "sync/MultiStatus.h"
#include "sync/SyncAccount.h"

#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QSslError>

#include <chrono>

class QAuthenticator;
class QNetworkAccessManager;
class QNetworkReply;
class QSslCertificate;

namespace vestrona {

// Hex pairs joined by ':' of the SHA-256 of the certificate, as the user is
// shown it and as CalDavAcceptedCertificate keeps it.
QString certificateFingerprint(const QSslCertificate &certificate);

// The errors of `errors` that accepting `leaf` by its fingerprint answers:
// only "no authority vouches for it", for that certificate. Any other error
// (a wrong name, an expired certificate) is left to fail the handshake.
QList<QSslError> errorsAnsweredByPinning(const QList<QSslError> &errors, const QSslCertificate &leaf);

// A CalDAV collection reached over HTTP(S). The first request sends Basic
// credentials unasked; a server that challenges them (Digest) is answered
// once per request, so a wrong password ends as Unauthorized, not a loop.
// The password is used for authentication only; it is never kept in the
// settings nor put into any words this class makes. Server answers
// are capped in size, each request fails after a stretch without progress
// or when it takes too long in all,
// and redirects are followed only within the same server.
class HttpCalDavCollection : public QObject, public CalDavCollection {
    Q_OBJECT
public:
    // `account.url` must pass syncUrlProblem.
    HttpCalDavCollection(const SyncAccount &account, const QString &password, QObject *parent = nullptr);
    ~HttpCalDavCollection() override;

    // How long a request may go without any byte moving before it fails
    // with Kind::Timeout.
    void setStallTimeout(std::chrono::milliseconds timeout) { mStallTimeout = timeout; }
    // How long a request may take in all, however steadily bytes arrive,
    // before it fails with Kind::Timeout.
    void setDeadline(std::chrono::milliseconds deadline) { mDeadline = deadline; }
    // The largest answer to calendar-multiget and to every other request
    // but the listings.
    void setAnswerLimits(qint64 multiGetBytes, qint64 otherBytes);
    // The largest listing of the collection's resources (PROPFIND, REPORT
    // sync-collection). A listing is read as it arrives and only its hrefs
    // and ETags are kept, so this bounds time on the line, not memory.
    void setListingLimit(qint64 bytes) { mListingLimit = bytes; }

    QString collectionPath() const override;
    void probe(std::function<void(CalDavFailure, CalDavCollectionInfo)> done) override;
    void changesSince(const QByteArray &syncToken, std::function<void(CalDavFailure, CalDavChanges)> done) override;
    void listResources(std::function<void(CalDavFailure, std::vector<CalDavResource>)> done) override;
    void fetch(const std::vector<QString> &hrefs,
               std::function<void(CalDavFailure, std::vector<CalDavObject>)> done) override;
    void put(const QString &href, const QByteArray &calendarData, const QByteArray &ifMatch,
             std::function<void(CalDavFailure, QByteArray newEtag)> done) override;
    void remove(const QString &href, const QByteArray &ifMatch, std::function<void(CalDavFailure)> done) override;

    // PROPFIND of `path` (decoded) on the same server, Depth `depth`, asking
    // for `properties`; for finding the calendars behind an address.
    void propfind(const QString &path, const QByteArray &depth, const std::vector<DavProperty> &properties,
                  std::function<void(CalDavFailure, const MultiStatus &)> done);

private:
    struct Request;
    struct Answer;
    void send(Request request, std::function<void(const Answer &)> done);
    // One try of `request`, after `redirects` redirects, all of them ending
    // at `deadline`.
    void sendHop(Request request, std::function<void(const Answer &)> done, int redirects, QDeadlineTimer deadline);
    void sendMultiStatus(Request request,
                         std::function<void(CalDavFailure, const MultiStatus &)> done);
    QUrl urlOf(const QString &path) const;
    void answerChallenge(QNetworkReply *reply, QAuthenticator *authenticator);

    SyncAccount mAccount;
    QString mPassword;
    QByteArray mAuthorization;
    bool mSendBasic = true;
    QNetworkAccessManager *mNetwork;
    std::chrono::milliseconds mStallTimeout{30000};
    // Time for 20 MB of calendar data on a slow line, not for a server that
    // drips one byte at a time.
    std::chrono::milliseconds mDeadline{180000};
    qint64 mMultiGetLimit = 20 * 1024 * 1024;
    qint64 mAnswerLimit = 4 * 1024 * 1024;
    // About two million events on Radicale.
    qint64 mListingLimit = qint64(512) * 1024 * 1024;
};

} // namespace vestrona
