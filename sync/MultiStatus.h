#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QXmlStreamReader>

#include <vector>

namespace vestrona {

// One DAV:response of a 207 Multi-Status answer, with the properties the
// server found (those of propstats with a 2xx status).
struct MultiStatusResponse {
    QString href;    // percent-decoded path, resolved against the request's URL
    int status = 0;  // the response's own status (404 for a removed resource), 0 when absent
    QByteArray etag;
    QByteArray calendarData;
    QByteArray syncToken;         // the collection's DAV:sync-token property
    QByteArray lastModified;      // DAV:getlastmodified, as the server wrote it
    bool isCollection = false;    // resourcetype has DAV:collection
    bool isCalendar = false;      // resourcetype has CalDAV calendar
    bool supportsSyncCollection = false; // supported-report-set names sync-collection
    QString displayName;          // DAV:displayname
    QString principal;            // DAV:current-user-principal's href, decoded path; empty when none
    QString calendarHome;         // CalDAV calendar-home-set's (first) href, decoded path; empty when none
};

struct MultiStatus {
    std::vector<MultiStatusResponse> responses;
    QByteArray syncToken; // the multistatus' own sync-token (sync-collection)
    QByteArray date;      // the answer's Date header; empty when it had none
};

struct MultiStatusReading {
    MultiStatus multiStatus;
    QString error; // empty when the answer was read; otherwise why not
};

// The largest answer the reader takes; callers cap their downloads below it.
inline constexpr qsizetype maxMultiStatusBytes = 20 * 1024 * 1024;

// Reads a Multi-Status answer from a server, which is untrusted: elements
// are matched by namespace URI, never by prefix; a DTD, an entity reference,
// nesting deeper than a real answer needs, an answer larger than
// maxMultiStatusBytes or malformed XML gives an error instead of a result.
// Responses whose href leads to another server, or to a path no request
// could name unmistakably ("//..."), are left out.
MultiStatusReading readMultiStatus(const QByteArray &xml, const QUrl &requestUrl);

// Reads a Multi-Status answer piece by piece as it arrives, with the same
// rules as readMultiStatus, so a listing of any length is read without
// holding its bytes: only what it says is kept. Any text (an href, an ETag,
// calendar data) longer than `maxTextBytes` characters ends the reading.
class MultiStatusParser {
public:
    MultiStatusParser(const QUrl &requestUrl, qsizetype maxTextBytes);
    ~MultiStatusParser();
    MultiStatusParser(const MultiStatusParser &) = delete;
    MultiStatusParser &operator=(const MultiStatusParser &) = delete;

    // Reads the next bytes; false once the answer is refused.
    bool feed(const QByteArray &bytes);
    bool failed() const { return !mError.isEmpty(); }
    // After the last bytes: what the answer said, or why it was refused
    // (also when it ended before its root element did).
    MultiStatusReading finish();

private:
    enum class Role;
    void fail(const QString &words);
    bool is(const QString &ns, QStringView name) const;
    Role roleOfChild(Role parent);
    static bool holdsText(Role role);
    void start();
    void end();
    void characters();
    void takeProperty();
    void mergePropStat();

    QUrl mRequestUrl;
    qsizetype mMaxText;
    QXmlStreamReader mXml;
    QString mError;
    int mDepth = 0;
    bool mRootClosed = false;
    std::vector<Role> mRoles;    // the open elements, outermost first
    QString mText;               // of the open text element
    QString mProperty;           // local name of the open text or href-holding property
    QString mHref;               // of the open response
    MultiStatusResponse mResponse;
    MultiStatusResponse mProps;  // of the open propstat
    int mPropStatStatus = 0;
    MultiStatus mMultiStatus;
};

// Same scheme, host and port: hrefs and redirects count only within one server.
bool sameOrigin(const QUrl &a, const QUrl &b);

// How a request names the resource at the decoded `path` (as readMultiStatus
// gives it): percent-encoded, so that reading it back gives `path` again.
QString encodedHref(const QString &path);

// True when `body` is a DAV:error element naming the precondition `name` in
// the DAV: namespace (e.g. "valid-sync-token").
bool namesDavPrecondition(const QByteArray &body, QStringView name);

} // namespace vestrona
