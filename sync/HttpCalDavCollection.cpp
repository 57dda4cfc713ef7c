#include "sync/HttpCalDavCollection.h"

#include "sync/DavRequestBodies.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

namespace vestrona {

HttpCalDavCollection::HttpCalDavCollection(const SyncAccount &account, const QString &password, QObject *parent)
    : QObject(parent), mAccount(account), mClient(new DavHttpClient(account, password, this))
{
    mAccount.url.setUserInfo(QString());
}

HttpCalDavCollection::~HttpCalDavCollection() = default;

void HttpCalDavCollection::setStallTimeout(std::chrono::milliseconds timeout)
{
    mClient->setStallTimeout(timeout);
}

void HttpCalDavCollection::setDeadline(std::chrono::milliseconds deadline)
{
    mClient->setDeadline(deadline);
}

void HttpCalDavCollection::setAnswerLimits(qint64 multiGetBytes, qint64 otherBytes)
{
    mClient->setAnswerLimits(multiGetBytes, otherBytes);
}

void HttpCalDavCollection::setListingLimit(qint64 bytes)
{
    mClient->setListingLimit(bytes);
}

QString HttpCalDavCollection::collectionPath() const
{
    QString path = mAccount.url.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

namespace {

// Compares collection paths whether or not the server ends them with '/'.
bool samePath(QString a, QString b)
{
    if (!a.endsWith(QLatin1Char('/')))
        a += QLatin1Char('/');
    if (!b.endsWith(QLatin1Char('/')))
        b += QLatin1Char('/');
    return a == b;
}

bool isMember(const MultiStatusResponse &response, const QString &collection)
{
    return response.href.startsWith(collection) && !samePath(response.href, collection) && !response.isCollection;
}

} // namespace

void HttpCalDavCollection::probe(CalDavProbe what, std::function<void(CalDavFailure, CalDavCollectionInfo)> done)
{
    // No getctag: the sync token says the same, and a server may work out
    // each by reading every event (Radicale: half the time of this request
    // at 10,000 events).
    std::vector<DavProperty> asked{{davNamespace, QStringLiteral("resourcetype")},
                                   {davNamespace, QStringLiteral("supported-report-set")},
                                   {davNamespace, QStringLiteral("getlastmodified")}};
    if (what == CalDavProbe::WithToken)
        asked.push_back({davNamespace, QStringLiteral("sync-token")});
    DavRequest request{"PROPFIND", collectionPath(), "0", propfindBody(asked), {}, DavRequest::Size::Small};
    auto read = [this, done = std::move(done)](CalDavFailure failed, const MultiStatus &answer) {
        if (failed.failed())
            return done(failed, CalDavCollectionInfo());
        const QString path = collectionPath();
        const auto it = std::find_if(answer.responses.begin(), answer.responses.end(),
                                     [&](const MultiStatusResponse &r) { return samePath(r.href, path); });
        if (it == answer.responses.end() || !it->isCalendar)
            return done(calDavFailure(CalDavFailure::Kind::NotFound,
                                      QCoreApplication::translate("HttpCalDavCollection",
                                                                  "%1 on the server %2 is not a calendar.")
                                          .arg(path, serverName(mAccount.url))),
                        CalDavCollectionInfo());
        CalDavCollectionInfo info;
        info.supportsSyncCollection = it->supportsSyncCollection;
        info.syncToken = it->syncToken;
        info.lastModified = it->lastModified;
        info.answerDate = answer.date;
        done(CalDavFailure(), info);
    };
    mClient->sendMultiStatus(std::move(request), std::move(read));
}

void HttpCalDavCollection::changesSince(const QByteArray &syncToken,
                                        std::function<void(CalDavFailure, CalDavChanges)> done)
{
    const QByteArray body = syncCollectionBody(syncToken);
    const QString path = collectionPath();
    const QUrl url = mClient->urlOf(path);
    DavRequest request{"REPORT", path, "0", body, {}, DavRequest::Size::Listing};
    mClient->send(std::move(request), [this, path, url, done = std::move(done)](const DavAnswer &answer) {
        CalDavChanges changes;
        // A server that forgot the token says so with this precondition;
        // 403 and 409 are both in use.
        if ((answer.status == 403 || answer.status == 409) && namesDavPrecondition(answer.body, u"valid-sync-token")) {
            changes.tokenExpired = true;
            return done(CalDavFailure(), changes);
        }
        if (answer.failure.failed())
            return done(answer.failure, changes);
        mClient->readMultiStatusOf(answer, url, [path, url, done](const MultiStatusReading &reading) {
            CalDavChanges changes;
            if (!reading.error.isEmpty())
                return done(unreadableAnswer(url, reading.error), changes);
            for (const MultiStatusResponse &response : reading.multiStatus.responses) {
                // RFC 6578 section 3.6: the server lists only part of the changes.
                if (samePath(response.href, path) && response.status == 507)
                    changes.truncated = true;
                if (!isMember(response, path))
                    continue;
                if (response.status == 404)
                    changes.removed.push_back(response.href);
                else if (!response.etag.isEmpty())
                    changes.changed.push_back(CalDavResource{response.href, response.etag});
            }
            changes.newSyncToken = reading.multiStatus.syncToken;
            done(CalDavFailure(), changes);
        });
    });
}

void HttpCalDavCollection::listResources(std::function<void(CalDavFailure, std::vector<CalDavResource>)> done)
{
    DavRequest request{"PROPFIND", collectionPath(), "1",
                       propfindBody({{davNamespace, QStringLiteral("resourcetype")},
                                     {davNamespace, QStringLiteral("getetag")}}),
                       {}, DavRequest::Size::Listing};
    auto read = [path = collectionPath(), done = std::move(done)](CalDavFailure failed, const MultiStatus &answer) {
        std::vector<CalDavResource> resources;
        for (const MultiStatusResponse &response : answer.responses)
            if (isMember(response, path) && !response.etag.isEmpty())
                resources.push_back(CalDavResource{response.href, response.etag});
        done(failed, resources);
    };
    mClient->sendMultiStatus(std::move(request), std::move(read));
}

void HttpCalDavCollection::fetch(const std::vector<QString> &hrefs,
                                 std::function<void(CalDavFailure, std::vector<CalDavObject>)> done)
{
    if (hrefs.empty()) {
        QTimer::singleShot(0, this, [done = std::move(done)] { done(CalDavFailure(), {}); });
        return;
    }
    std::vector<QString> encoded;
    encoded.reserve(hrefs.size());
    for (const QString &href : hrefs)
        encoded.push_back(encodedHref(href));
    DavRequest request{"REPORT", collectionPath(), "1", calendarMultigetBody(encoded), {}, DavRequest::Size::MultiGet};
    auto read = [path = collectionPath(), done = std::move(done)](CalDavFailure failed, const MultiStatus &answer) {
        std::vector<CalDavObject> objects;
        for (const MultiStatusResponse &response : answer.responses)
            if (isMember(response, path) && response.status != 404 && !response.calendarData.isEmpty())
                objects.push_back(CalDavObject{response.href, response.etag, response.calendarData});
        done(failed, objects);
    };
    mClient->sendMultiStatus(std::move(request), std::move(read));
}

void HttpCalDavCollection::put(const QString &href, const QByteArray &calendarData, const QByteArray &ifMatch,
                               std::function<void(CalDavFailure, QByteArray newEtag)> done)
{
    DavRequest request{"PUT", href, {}, calendarData, {}, DavRequest::Size::Small};
    if (ifMatch.isEmpty())
        request.headers.append(std::pair(QByteArrayLiteral("If-None-Match"), QByteArrayLiteral("*")));
    else
        request.headers.append(std::pair(QByteArrayLiteral("If-Match"), ifMatch));
    mClient->send(std::move(request), [done = std::move(done)](const DavAnswer &answer) {
        done(answer.failure, answer.failure.failed() ? QByteArray() : answer.etag);
    });
}

void HttpCalDavCollection::remove(const QString &href, const QByteArray &ifMatch, std::function<void(CalDavFailure)> done)
{
    DavRequest request{"DELETE", href, {}, {}, {}, DavRequest::Size::Small};
    if (!ifMatch.isEmpty())
        request.headers.append(std::pair(QByteArrayLiteral("If-Match"), ifMatch));
    mClient->send(std::move(request), [done = std::move(done)](const DavAnswer &answer) { done(answer.failure); });
}

void HttpCalDavCollection::propfind(const QString &path, const QByteArray &depth,
                                    const std::vector<DavProperty> &properties,
                                    std::function<void(CalDavFailure, const MultiStatus &)> done)
{
    mClient->sendMultiStatus(DavRequest{"PROPFIND", path, depth, propfindBody(properties), {}, DavRequest::Size::Small},
                             std::move(done));
}

} // namespace vestrona
