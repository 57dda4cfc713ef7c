#pragma once

#include "sync/CalDavCollection.h"
#include "sync/DavHttpClient.h"
#include "sync/DavRequestBodies.h"
#include "sync/MultiStatus.h"
#include "sync/SyncAccount.h"

#include <QObject>

#include <chrono>

namespace vestrona {

// A CalDAV collection reached over HTTP(S): the requests of a sync and what
// their answers say. Each request's life (authentication, size caps,
// timeouts, redirects, certificates) is DavHttpClient's.
class HttpCalDavCollection : public QObject, public CalDavCollection {
    Q_OBJECT
public:
    // `account.url` must pass syncUrlProblem.
    HttpCalDavCollection(const SyncAccount &account, const QString &password, QObject *parent = nullptr);
    ~HttpCalDavCollection() override;

    // How long a request may go without any byte moving before it fails
    // with Kind::Timeout.
    void setStallTimeout(std::chrono::milliseconds timeout);
    // How long a request may take in all, however steadily bytes arrive,
    // before it fails with Kind::Timeout.
    void setDeadline(std::chrono::milliseconds deadline);
    // The largest answer to calendar-multiget and to every other request
    // but the listings.
    void setAnswerLimits(qint64 multiGetBytes, qint64 otherBytes);
    // The largest listing of the collection's resources (PROPFIND, REPORT
    // sync-collection). A listing is read as it arrives and only its hrefs
    // and ETags are kept, so this bounds time on the line, not memory.
    void setListingLimit(qint64 bytes);

    QString collectionPath() const override;
    void probe(CalDavProbe what, std::function<void(CalDavFailure, CalDavCollectionInfo)> done) override;
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
    SyncAccount mAccount;
    DavHttpClient *mClient;
};

} // namespace vestrona
