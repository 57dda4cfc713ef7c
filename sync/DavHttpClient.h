#pragma once

#include "sync/CalDavCollection.h"
#include "sync/CalDavFailureWords.h"
#include "sync/MultiStatus.h"
#include "sync/SyncAccount.h"

#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QSslError>

#include <chrono>
#include <functional>
#include <optional>

class QAuthenticator;
class QNetworkAccessManager;
class QNetworkReply;
class QSslCertificate;

namespace vestrona {

class BackgroundReader;

// Hex pairs joined by ':' of the SHA-256 of the certificate, as the user is
// shown it and as CalDavAcceptedCertificate keeps it.
QString certificateFingerprint(const QSslCertificate &certificate);

// The errors of `errors` that accepting `leaf` by its fingerprint answers:
// only "no authority vouches for it", for that certificate. Any other error
// (a wrong name, an expired certificate) is left to fail the handshake.
QList<QSslError> errorsAnsweredByPinning(const QList<QSslError> &errors, const QSslCertificate &leaf);

// One WebDAV request to the server of the account.
struct DavRequest {
    QByteArray method;
    QString path; // decoded
    QByteArray depth;
    QByteArray body;
    QList<std::pair<QByteArray, QByteArray>> headers;
    // How much of an answer is taken, and whether it is read as it arrives.
    enum class Size { Small, MultiGet, Listing };
    Size size = Size::Small;
};

// What came back for a DavRequest.
struct DavAnswer {
    CalDavFailure failure;
    int status = 0;
    QByteArray body;  // empty when the answer was read as it arrived
    QByteArray etag;
    QByteArray date; // the Date header
    std::optional<MultiStatusReading> streamed;
};

// The life of each request to one server, from sending to its answer: the
// first try sends Basic credentials unasked; a server that challenges them
// (Digest) is answered once per request, so a wrong password ends as
// Unauthorized, not a loop. The password is used for authentication only
// and put into no words this class makes. Answers are capped in size, a
// request fails after a stretch without progress or when it takes too long
// in all, redirects are followed only within the same server, and a
// certificate no authority vouches for is accepted by its fingerprint only.
// Listings and large answers are read on a thread of their own.
class DavHttpClient : public QObject {
    Q_OBJECT
public:
    // `account.url` must pass syncUrlProblem.
    DavHttpClient(const SyncAccount &account, const QString &password, QObject *parent = nullptr);
    ~DavHttpClient() override;

    void setStallTimeout(std::chrono::milliseconds timeout) { mStallTimeout = timeout; }
    void setDeadline(std::chrono::milliseconds deadline) { mDeadline = deadline; }
    void setAnswerLimits(qint64 multiGetBytes, qint64 otherBytes);
    void setListingLimit(qint64 bytes) { mListingLimit = bytes; }

    // The account's address with `path` (decoded) in place of its own.
    QUrl urlOf(const QString &path) const;

    // Sends `request`; calls `done` once, later, on this object's thread,
    // unless this object is destroyed first.
    void send(DavRequest request, std::function<void(const DavAnswer &)> done);
    // Sends `request` and reads its 207 Multi-Status answer; any other
    // answer is a failure.
    void sendMultiStatus(DavRequest request, std::function<void(CalDavFailure, const MultiStatus &)> done);
    // What the multistatus `answer` from `url` says, read off this thread
    // unless it is small; `done` is called on this object's thread.
    void readMultiStatusOf(const DavAnswer &answer, const QUrl &url,
                           std::function<void(const MultiStatusReading &)> done);

private:
    // One try of `request`, after `redirects` redirects, all of them ending
    // at `deadline`.
    void sendHop(DavRequest request, std::function<void(const DavAnswer &)> done, int redirects, QDeadlineTimer deadline);
    void answerChallenge(QNetworkReply *reply, QAuthenticator *authenticator);

    QUrl mUrl;
    QString mUser;
    QString mPassword;
    QString mAcceptedCertificate;
    QByteArray mAuthorization;
    bool mSendBasic = true;
    QNetworkAccessManager *mNetwork;
    // Reads large answers and listings off the calling thread.
    BackgroundReader *mReader;
    std::chrono::milliseconds mStallTimeout{30000};
    // Time for 20 MB of calendar data on a slow line, not for a server that
    // drips one byte at a time.
    std::chrono::milliseconds mDeadline{180000};
    qint64 mMultiGetLimit = 20 * 1024 * 1024;
    qint64 mAnswerLimit = 4 * 1024 * 1024;
    // About two million events on Radicale.
    qint64 mListingLimit = qint64(512) * 1024 * 1024;
};

// `address` with `path` (decoded) in place of its own, and no query or fragment.
QUrl urlWithPath(QUrl address, const QString &path);

} // namespace vestrona
