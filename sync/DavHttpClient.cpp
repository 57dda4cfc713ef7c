#include "sync/DavHttpClient.h"

#include "sync/BackgroundReader.h"
#include "sync/CalDavFailureWords.h"

#include <QCoreApplication>
#include <QAuthenticator>
#include <QCryptographicHash>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTimer>

#include <memory>

namespace vestrona {

namespace {

// Pieces of served data smaller than this are read where they arrive: the
// common small answer costs no trip to the reader's thread, and reading it
// takes well under a millisecond.
constexpr qsizetype kReadInPlaceBytes = 64 * 1024;

// One request on its way, and what its reply learnt that the reply's error
// code alone does not say.
struct Exchange : std::enable_shared_from_this<Exchange> {
    Exchange(QNetworkReply *r, const QUrl &u, qint64 l) : reply(r), url(u), server(serverName(u)), limit(l) {}

    QNetworkReply *reply;
    QUrl url;
    QString server;
    qint64 limit;
    QByteArray body;
    // For a listing: reads a 207 answer as it arrives instead of keeping it,
    // on `reader`'s thread for all but small pieces, one piece at a time.
    std::shared_ptr<MultiStatusParser> parser;
    BackgroundReader *reader = nullptr;
    bool reading = false;   // a piece is with the reader
    bool finishing = false; // the reply has ended; finishReading has the rest
    qint64 received = 0;
    CalDavFailure stopped; // set when the program itself ended the request
    QString fingerprint;   // of the certificate that failed verification
    QStringList sslErrors;
    static constexpr int maxRedirects = 5;

    void stop(CalDavFailure why)
    {
        if (stopped.failed())
            return;
        stopped = std::move(why);
        body.clear();
        reply->abort();
    }

    void stopTooLarge()
    {
        stop(calDavFailure(CalDavFailure::Kind::TooLarge,
                           QCoreApplication::translate(
                               "DavHttpClient",
                               "The calendar server %1 sent an answer larger than %2 MB; the program does not read it.")
                               .arg(server)
                               .arg(limit / (1024 * 1024))));
    }

    void failWhenStalled(std::chrono::milliseconds timeout)
    {
        auto *stall = new QTimer(reply);
        stall->setSingleShot(true);
        stall->setInterval(timeout);
        QObject::connect(stall, &QTimer::timeout, reply, [this, seconds = timeout.count() / 1000.0] {
            stop(
                calDavFailure(CalDavFailure::Kind::Timeout,
                              QCoreApplication::translate(
                                  "DavHttpClient", "The calendar server %1 stopped answering (nothing for %2 seconds).")
                                  .arg(server)
                                  .arg(seconds)));
        });
        QObject::connect(reply, &QNetworkReply::uploadProgress, stall, qOverload<>(&QTimer::start));
        QObject::connect(reply, &QNetworkReply::downloadProgress, stall, qOverload<>(&QTimer::start));
        stall->start();
    }

    // However steadily bytes trickle in, the request ends at `deadline`,
    // which is `allowed` after the request's first try (redirects included).
    void failAfter(std::chrono::milliseconds allowed, QDeadlineTimer deadline)
    {
        auto *timer = new QTimer(reply);
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, reply, [this, seconds = allowed.count() / 1000.0] {
            stop(calDavFailure(CalDavFailure::Kind::Timeout,
                               QCoreApplication::translate(
                                   "DavHttpClient",
                                   "The calendar server %1 took too long to answer (more than %2 seconds); the "
                                   "request was given up.")
                                   .arg(server)
                                   .arg(seconds)));
        });
        timer->start(std::chrono::milliseconds(deadline.remainingTime()));
    }

    void checkAnnouncedLength()
    {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > limit)
            stopTooLarge();
    }

    // Reads what arrived, never more than one byte over the limit.
    void take()
    {
        if (stopped.failed())
            return;
        if (isStreamed()) {
            // While the reader has a piece the rest waits in the reply, whose
            // small buffer holds the server back.
            if (reading || finishing)
                return;
            const QByteArray piece = reply->read(limit + 1 - received);
            received += piece.size();
            if (received > limit)
                stopTooLarge();
            else if (!piece.isEmpty())
                feed(piece);
            return;
        }
        body += reply->read(limit + 1 - body.size());
        if (body.size() > limit)
            stopTooLarge();
    }

    void feed(const QByteArray &piece)
    {
        if (piece.size() < kReadInPlaceBytes) {
            if (!parser->feed(piece))
                stop(unreadableAnswer(url, parser->finish().error));
            return;
        }
        reading = true;
        reader->read<bool>([parser = parser, piece] { return parser->feed(piece); },
                           [self = shared_from_this()](bool fed) {
                               self->reading = false;
                               // After the reply's end the last reading says what failed.
                               if (self->finishing)
                                   return;
                               if (!fed)
                                   return self->stop(unreadableAnswer(self->url, self->parser->finish().error));
                               self->take();
                           });
    }

    // Once the reply has ended without failure: reads the bytes left and
    // gives what the whole answer said, after any piece still with the reader.
    void finishReading(std::function<void(MultiStatusReading)> done)
    {
        const QByteArray rest = reply->readAll();
        auto last = [parser = parser, rest] {
            if (!rest.isEmpty())
                parser->feed(rest);
            return parser->finish();
        };
        if (!reading && rest.size() < kReadInPlaceBytes)
            return done(last());
        reader->read<MultiStatusReading>(std::move(last), std::move(done));
    }

    // Only a multistatus is read as it arrives; any other answer (an error
    // page, a precondition) is kept whole for its own reading.
    bool isStreamed() const
    {
        return parser && reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 207;
    }

    // Where a 3xx answer sends the request; empty when it does not.
    QUrl redirectTarget() const
    {
        const QVariant target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute);
        return stopped.failed() || !target.isValid() ? QUrl() : url.resolved(target.toUrl());
    }

    // Why the request must not follow `target` after `redirects` redirects;
    // no failure when it may. Credentials travel with a redirect, so they
    // go nowhere but the server the user named.
    CalDavFailure redirectRefusal(const QUrl &target, int redirects) const
    {
        if (redirects >= maxRedirects)
            return networkFailure(QNetworkReply::TooManyRedirectsError, QString(), server);
        if (sameOrigin(target, url) && syncUrlProblem(target).isEmpty())
            return CalDavFailure();
        return calDavFailure(
            CalDavFailure::Kind::Server,
            QCoreApplication::translate("DavHttpClient",
                                        "The calendar server %1 sent the request on to %2; the program only follows "
                                        "redirects on the same server.")
                .arg(server, serverName(target)));
    }

    void checkCertificate(const QList<QSslError> &errors, const QString &accepted)
    {
        QSslCertificate leaf = reply->sslConfiguration().peerCertificate();
        if (leaf.isNull() && !errors.isEmpty())
            leaf = errors.first().certificate();
        fingerprint = certificateFingerprint(leaf);
        for (const QSslError &error : errors)
            sslErrors.append(error.errorString());
        if (!leaf.isNull() && !accepted.isEmpty() && accepted.compare(fingerprint, Qt::CaseInsensitive) == 0)
            reply->ignoreSslErrors(errorsAnsweredByPinning(errors, leaf));
    }

    CalDavFailure outcome(const QString &path)
    {
        if (!stopped.failed() && reply->error() == QNetworkReply::NoError) {
            if (isStreamed()) {
                finishing = true;
                received += reply->bytesAvailable();
                if (received > limit)
                    stopTooLarge();
            } else {
                take();
            }
        }
        if (stopped.failed())
            return stopped;
        if (reply->error() == QNetworkReply::SslHandshakeFailedError && !fingerprint.isEmpty()) {
            CalDavFailure untrusted
                = calDavFailure(CalDavFailure::Kind::Certificate,
                                QCoreApplication::translate(
                                    "DavHttpClient", "The certificate of the calendar server %1 is not trusted: %2.")
                                    .arg(server, sslErrors.join(QStringLiteral("; "))));
            untrusted.certificateFingerprint = fingerprint;
            return untrusted;
        }
        // A redirect loop ends with the last redirect's status at hand, which
        // says nothing to the user; the reply's error says what happened.
        if (reply->error() == QNetworkReply::TooManyRedirectsError || reply->error() == QNetworkReply::InsecureRedirectError)
            return networkFailure(reply->error(), reply->errorString(), server);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status == 0)
            return networkFailure(reply->error(), reply->errorString(), server);
        if (status < 200 || status >= 300)
            return statusFailure(status, reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString(), server,
                                 path);
        return CalDavFailure();
    }
};

} // namespace

QString certificateFingerprint(const QSslCertificate &certificate)
{
    return QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper());
}

QList<QSslError> errorsAnsweredByPinning(const QList<QSslError> &errors, const QSslCertificate &leaf)
{
    QList<QSslError> answered;
    for (const QSslError &error : errors) {
        switch (error.error()) {
        case QSslError::SelfSignedCertificate:
        case QSslError::SelfSignedCertificateInChain:
        case QSslError::UnableToGetLocalIssuerCertificate:
        case QSslError::UnableToGetIssuerCertificate:
        case QSslError::UnableToVerifyFirstCertificate:
        case QSslError::CertificateUntrusted:
            if (error.certificate() == leaf)
                answered.append(error);
            break;
        default:
            break;
        }
    }
    return answered;
}

DavHttpClient::DavHttpClient(const SyncAccount &account, const QString &password, QObject *parent)
    : QObject(parent), mUrl(account.url), mUser(account.user), mPassword(password),
      mAcceptedCertificate(account.acceptedCertificate), mNetwork(new QNetworkAccessManager(this)),
      mReader(new BackgroundReader(this))
{
    mUrl.setUserInfo(QString());
    mAuthorization = "Basic " + (account.user + QLatin1Char(':') + password).toUtf8().toBase64();
    connect(mNetwork, &QNetworkAccessManager::authenticationRequired, this, &DavHttpClient::answerChallenge);
}

void DavHttpClient::answerChallenge(QNetworkReply *reply, QAuthenticator *authenticator)
{
    // Qt asks again when the server refuses what was given; answering a
    // second time would send the same wrong password for ever, so the
    // request ends with the server's 401 instead.
    static const char answered[] = "vestronaChallengeAnswered";
    if (reply->property(answered).toBool())
        return;
    reply->setProperty(answered, true);
    // A server that challenges the Basic header sent unasked wants another
    // scheme (Digest); Qt answers its challenges from now on, with the
    // credentials given here.
    mSendBasic = false;
    authenticator->setUser(mUser);
    authenticator->setPassword(mPassword);
}

DavHttpClient::~DavHttpClient() = default;

void DavHttpClient::setAnswerLimits(qint64 multiGetBytes, qint64 otherBytes)
{
    mMultiGetLimit = multiGetBytes;
    mAnswerLimit = otherBytes;
}

QUrl DavHttpClient::urlOf(const QString &path) const
{
    return urlWithPath(mUrl, path);
}

QUrl urlWithPath(QUrl url, const QString &path)
{
    url.setPath(path, QUrl::DecodedMode);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

void DavHttpClient::send(DavRequest request, std::function<void(const DavAnswer &)> done)
{
    sendHop(std::move(request), std::move(done), 0, QDeadlineTimer(mDeadline));
}

void DavHttpClient::sendHop(DavRequest request, std::function<void(const DavAnswer &)> done, int redirects,
                            QDeadlineTimer deadline)
{
    const QUrl url = urlOf(request.path);
    QNetworkRequest http(url);
    if (mSendBasic)
        http.setRawHeader("Authorization", mAuthorization);
    // Redirects are followed here rather than by Qt, which ends a loop of
    // them with no error and a status of 100 that tells the user nothing.
    http.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    if (!request.depth.isEmpty())
        http.setRawHeader("Depth", request.depth);
    if (!request.body.isEmpty())
        http.setRawHeader("Content-Type", request.method == "PUT" ? QByteArrayLiteral("text/calendar; charset=utf-8")
                                                                  : QByteArrayLiteral("application/xml; charset=utf-8"));
    for (const auto &[name, value] : request.headers)
        http.setRawHeader(name, value);

    QNetworkReply *reply = mNetwork->sendCustomRequest(http, request.method, request.body);
    // Small reads keep a huge answer from piling up before the cap sees it.
    reply->setReadBufferSize(256 * 1024);
    const qint64 limit = request.size == DavRequest::Size::MultiGet ? mMultiGetLimit
        : request.size == DavRequest::Size::Listing                 ? mListingLimit
                                                                 : mAnswerLimit;
    auto exchange = std::make_shared<Exchange>(reply, url, limit);
    if (request.size == DavRequest::Size::Listing) {
        // An href or ETag longer than this is no listing.
        exchange->parser = std::make_shared<MultiStatusParser>(url, 64 * 1024);
        exchange->reader = mReader;
    }
    exchange->failWhenStalled(mStallTimeout);
    exchange->failAfter(mDeadline, deadline);
    connect(reply, &QNetworkReply::metaDataChanged, reply, [exchange] { exchange->checkAnnouncedLength(); });
    connect(reply, &QNetworkReply::readyRead, reply, [exchange] { exchange->take(); });
    connect(reply, &QNetworkReply::sslErrors, reply,
            [exchange, accepted = mAcceptedCertificate](const QList<QSslError> &errors) {
                exchange->checkCertificate(errors, accepted);
            });
    connect(reply, &QNetworkReply::finished, this,
            [this, exchange, request = std::move(request), done = std::move(done), redirects, deadline]() mutable {
                exchange->reply->deleteLater();
                DavAnswer answer;
                if (const QUrl target = exchange->redirectTarget(); !target.isEmpty()) {
                    answer.failure = exchange->redirectRefusal(target, redirects);
                    if (!answer.failure.failed()) {
                        request.path = target.path(QUrl::FullyDecoded);
                        sendHop(std::move(request), std::move(done), redirects + 1, deadline);
                        return;
                    }
                } else {
                    answer.failure = exchange->outcome(request.path);
                }
                answer.status = exchange->reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
                answer.body = std::move(exchange->body);
                answer.etag = exchange->reply->rawHeader("ETag");
                answer.date = exchange->reply->rawHeader("Date");
                if (answer.failure.failed() || !exchange->isStreamed())
                    return done(answer);
                exchange->finishReading([answer, done = std::move(done)](MultiStatusReading reading) mutable {
                    answer.streamed = std::move(reading);
                    done(answer);
                });
            });
}

void DavHttpClient::sendMultiStatus(DavRequest request, std::function<void(CalDavFailure, const MultiStatus &)> done)
{
    const QUrl url = urlOf(request.path);
    send(std::move(request), [this, url, done = std::move(done)](const DavAnswer &answer) {
        if (answer.failure.failed())
            return done(answer.failure, MultiStatus());
        if (answer.status != 207)
            return done(calDavFailure(CalDavFailure::Kind::BadResponse,
                                      QCoreApplication::translate(
                                          "DavHttpClient",
                                          "The calendar server %1 answered %2 where a list of resources was due.")
                                          .arg(serverName(url))
                                          .arg(answer.status)),
                        MultiStatus());
        readMultiStatusOf(answer, url, [url, date = answer.date, done](MultiStatusReading reading) {
            if (!reading.error.isEmpty())
                return done(unreadableAnswer(url, reading.error), MultiStatus());
            reading.multiStatus.date = date;
            done(CalDavFailure(), reading.multiStatus);
        });
    });
}

void DavHttpClient::readMultiStatusOf(const DavAnswer &answer, const QUrl &url,
                                      std::function<void(const MultiStatusReading &)> done)
{
    if (answer.streamed)
        return done(*answer.streamed);
    if (answer.body.size() < kReadInPlaceBytes)
        return done(readMultiStatus(answer.body, url));
    mReader->read<MultiStatusReading>([body = answer.body, url] { return readMultiStatus(body, url); },
                                      [done](MultiStatusReading reading) { done(reading); });
}

} // namespace vestrona
