#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace vestrona {

// Why a request to the calendar server did not get the answer it asked for,
// in the words the user sees (CalDavFailure::words).
struct CalDavFailure {
    enum class Kind {
        None,
        Unreachable,     // no connection: server down, no network, name unknown
        Timeout,         // the server stopped answering
        Unauthorized,    // wrong user name or password
        Certificate,     // the server's certificate is not trusted (see fingerprint)
        PreconditionFailed, // If-Match / If-None-Match did not hold: changed meanwhile
        NotFound,
        TooLarge,        // the answer was larger than the program accepts
        BadResponse,     // an answer the program cannot read (malformed XML, ...)
        Server           // any other HTTP error (5xx, 4xx)
    };
    Kind kind = Kind::None;
    QString words;
    // For Kind::Certificate: the SHA-256 fingerprint of the server's
    // certificate, as hex pairs joined by ':', for the user to accept.
    QString certificateFingerprint;

    bool failed() const { return kind != Kind::None; }
    // Says nothing of the collection as a whole: the server turned down this
    // one request, and the next may well go through.
    bool concernsOneItem() const
    {
        return kind == Kind::Server || kind == Kind::BadResponse || kind == Kind::TooLarge;
    }
};

// One calendar object resource in the collection.
struct CalDavResource {
    QString href;     // absolute path on the server, as the server spells it
    QByteArray etag;  // strong ETag, with its quotes
};

struct CalDavObject {
    QString href;
    QByteArray etag;
    QByteArray calendarData; // the resource's iCalendar text
};

// What the collection offers, from one PROPFIND of the collection itself.
struct CalDavCollectionInfo {
    bool supportsSyncCollection = false; // RFC 6578 REPORT sync-collection
    QByteArray syncToken;                // empty when none, or not asked for
    // The collection's DAV:getlastmodified and the answer's Date header, as
    // the server wrote them; empty when it sent none.
    QByteArray lastModified;
    QByteArray answerDate;
};

// What a probe asks: the sync token too, or only the cheaper rest.
enum class CalDavProbe { WithToken, WithoutToken };

// The changes since a sync token (sync-collection) or, without a token, the
// whole collection.
struct CalDavChanges {
    std::vector<CalDavResource> changed;
    std::vector<QString> removed;
    QByteArray newSyncToken;
    // The server no longer knows the token (valid-sync-token failed): list
    // the whole collection instead.
    bool tokenExpired = false;
    // The server cut the answer short (a 507 for the collection itself,
    // RFC 6578 section 3.6): what is listed is true, but what is not listed
    // may still be there, so nothing may be taken as deleted for its absence.
    bool truncated = false;
};

// A CalDAV calendar collection (RFC 4791) on a server: the requests a
// two-way sync needs. Every call is asynchronous and calls `done` exactly
// once, later, on the thread that made the call; a failure leaves the
// server as it was for that request.
class CalDavCollection {
public:
    virtual ~CalDavCollection() = default;

    // The collection's path on the server ("/user/calendar/"); hrefs of new
    // resources are made under it.
    virtual QString collectionPath() const = 0;

    virtual void probe(CalDavProbe what, std::function<void(CalDavFailure, CalDavCollectionInfo)> done) = 0;
    // REPORT sync-collection from `syncToken` (empty: from the start).
    virtual void changesSince(const QByteArray &syncToken,
                              std::function<void(CalDavFailure, CalDavChanges)> done) = 0;
    // PROPFIND Depth 1: every resource with its ETag.
    virtual void listResources(std::function<void(CalDavFailure, std::vector<CalDavResource>)> done) = 0;
    // calendar-multiget of `hrefs`; hrefs gone meanwhile are simply absent.
    virtual void fetch(const std::vector<QString> &hrefs,
                       std::function<void(CalDavFailure, std::vector<CalDavObject>)> done) = 0;
    // PUT. An empty `ifMatch` creates (If-None-Match: *); otherwise the
    // resource must still have that ETag. `done` gets the new ETag, or an
    // empty one when the server did not send it (fetch it then).
    virtual void put(const QString &href, const QByteArray &calendarData, const QByteArray &ifMatch,
                     std::function<void(CalDavFailure, QByteArray newEtag)> done) = 0;
    // DELETE with If-Match `ifMatch`.
    virtual void remove(const QString &href, const QByteArray &ifMatch, std::function<void(CalDavFailure)> done) = 0;
};

} // namespace vestrona
