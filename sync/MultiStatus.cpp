#include "sync/MultiStatus.h"

#include "sync/DavRequestBodies.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace vestrona {

namespace {

// The reader's words, under the context translators see.
class Words {
    Q_DECLARE_TR_FUNCTIONS(MultiStatus)
};

// A real answer nests eight deep at most (multistatus, response, propstat,
// prop, supported-report-set, supported-report, report, sync-collection);
// anything far deeper is an attack on the reader, not an answer.
constexpr int maxDepth = 32;

// "HTTP/1.1 404 Not Found" -> 404; 0 when the line is not a status line.
int statusCode(const QString &line)
{
    const QStringList parts = line.simplified().split(QLatin1Char(' '));
    return parts.size() >= 2 ? parts.at(1).toInt() : 0;
}

bool isSuccess(int status)
{
    return status >= 200 && status < 300;
}

// Why `token` ends the reading of an untrusted answer; empty when it may
// pass. Keeps `depth` up to date.
QString refusedToken(QXmlStreamReader::TokenType token, int &depth)
{
    switch (token) {
    case QXmlStreamReader::DTD:
        return Words::tr("the answer declares a DTD");
    case QXmlStreamReader::EntityReference:
        return Words::tr("the answer uses an entity reference");
    case QXmlStreamReader::StartElement:
        if (++depth > maxDepth)
            return Words::tr("the answer nests deeper than %1 elements").arg(maxDepth);
        return QString();
    case QXmlStreamReader::EndElement:
        --depth;
        return QString();
    default:
        return QString();
    }
}

QString malformed(const QXmlStreamReader &xml)
{
    return Words::tr("malformed XML at line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
}

// Walks a whole answer element by element (for the DAV:error bodies) so
// that every token passes the same checks as in MultiStatusParser.
class Reader {
public:
    explicit Reader(const QByteArray &xml) : mXml(xml) {}

    bool failed() const { return !mError.isEmpty() || mXml.hasError(); }

    QXmlStreamReader::TokenType advance()
    {
        const QXmlStreamReader::TokenType token = mXml.readNext();
        if (const QString refused = refusedToken(token, mDepth); !refused.isEmpty())
            fail(refused);
        return failed() ? QXmlStreamReader::Invalid : token;
    }

    // Moves to the next child element of the current one; false at its end.
    bool nextChild()
    {
        for (;;) {
            switch (advance()) {
            case QXmlStreamReader::StartElement:
                return true;
            case QXmlStreamReader::EndElement:
            case QXmlStreamReader::Invalid:
            case QXmlStreamReader::EndDocument:
                return false;
            default:
                break;
            }
        }
    }

    void skipElement()
    {
        const int depth = mDepth;
        while (mDepth >= depth && advance() != QXmlStreamReader::Invalid) {
        }
    }

    bool is(const QString &ns, QStringView name)
    {
        return mXml.namespaceUri() == ns && mXml.name() == name;
    }

    void fail(const QString &words)
    {
        if (mError.isEmpty())
            mError = words;
    }

private:
    QXmlStreamReader mXml;
    QString mError;
    int mDepth = 0;
};

// The decoded path of `href`, or nothing when it leads off this server.
QString resolvedPath(const QString &href, const QUrl &requestUrl)
{
    const QUrl url = requestUrl.resolved(QUrl(href.trimmed()));
    if (!url.isValid() || !sameOrigin(url, requestUrl))
        return QString();
    const QString path = url.path(QUrl::FullyDecoded);
    // Sent back as "//x", such a path would name the server x.
    return path.startsWith(QLatin1String("//")) ? QString() : path;
}

} // namespace

// What each open element is to the reading.
enum class MultiStatusParser::Role {
    Other,          // skipped, with all it holds (its tokens still checked)
    MultiStatus,
    Response,
    Href,           // the response's href
    Status,         // the response's status
    PropStat,
    PropStatStatus,
    Prop,
    TextProperty,   // getetag, calendar-data, sync-token, displayname, getlastmodified
    ResourceType,
    ReportSet,      // inside supported-report-set, at any depth
    HrefHolder,     // current-user-principal, calendar-home-set
    HeldHref,       // the href inside one
    SyncToken       // the multistatus' own sync-token
};

MultiStatusParser::MultiStatusParser(const QUrl &requestUrl, qsizetype maxTextBytes)
    : mRequestUrl(requestUrl), mMaxText(maxTextBytes)
{
}

MultiStatusParser::~MultiStatusParser() = default;

bool MultiStatusParser::feed(const QByteArray &bytes)
{
    if (failed())
        return false;
    mXml.addData(bytes);
    while (!failed()) {
        const QXmlStreamReader::TokenType token = mXml.readNext();
        if (const QString refused = refusedToken(token, mDepth); !refused.isEmpty()) {
            fail(refused);
            break;
        }
        if (token == QXmlStreamReader::Invalid) {
            // More bytes may complete the document; anything else is broken.
            if (mXml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
                fail(malformed(mXml));
            break;
        }
        if (token == QXmlStreamReader::StartElement)
            start();
        else if (token == QXmlStreamReader::EndElement)
            end();
        else if (token == QXmlStreamReader::Characters)
            characters();
        else if (token == QXmlStreamReader::EndDocument)
            break;
    }
    return !failed();
}

MultiStatusReading MultiStatusParser::finish()
{
    MultiStatusReading reading;
    if (!failed() && !mRootClosed)
        fail(mXml.hasError() ? malformed(mXml) : Words::tr("the answer ends before its multistatus does"));
    if (failed())
        reading.error = mError;
    else
        reading.multiStatus = std::move(mMultiStatus);
    return reading;
}

void MultiStatusParser::fail(const QString &words)
{
    if (mError.isEmpty())
        mError = words;
}

bool MultiStatusParser::is(const QString &ns, QStringView name) const
{
    return mXml.namespaceUri() == ns && mXml.name() == name;
}

MultiStatusParser::Role MultiStatusParser::roleOfChild(Role parent)
{
    switch (parent) {
    case Role::MultiStatus:
        if (is(davNamespace, u"response")) {
            mResponse = MultiStatusResponse();
            mHref.clear();
            return Role::Response;
        }
        return is(davNamespace, u"sync-token") ? Role::SyncToken : Role::Other;
    case Role::Response:
        if (is(davNamespace, u"href") && mHref.isEmpty())
            return Role::Href;
        if (is(davNamespace, u"status"))
            return Role::Status;
        if (is(davNamespace, u"propstat")) {
            mProps = MultiStatusResponse();
            mPropStatStatus = 0;
            return Role::PropStat;
        }
        return Role::Other;
    case Role::PropStat:
        if (is(davNamespace, u"prop"))
            return Role::Prop;
        return is(davNamespace, u"status") ? Role::PropStatStatus : Role::Other;
    case Role::Prop:
        if (is(davNamespace, u"getetag") || is(calDavNamespace, u"calendar-data") || is(davNamespace, u"sync-token")
            || is(davNamespace, u"displayname") || is(davNamespace, u"getlastmodified")) {
            mProperty = mXml.name().toString();
            return Role::TextProperty;
        }
        if (is(davNamespace, u"resourcetype"))
            return Role::ResourceType;
        if (is(davNamespace, u"supported-report-set"))
            return Role::ReportSet;
        if (is(davNamespace, u"current-user-principal") || is(calDavNamespace, u"calendar-home-set")) {
            mProperty = mXml.name().toString();
            return Role::HrefHolder;
        }
        return Role::Other;
    case Role::ResourceType:
        if (is(davNamespace, u"collection"))
            mProps.isCollection = true;
        else if (is(calDavNamespace, u"calendar"))
            mProps.isCalendar = true;
        return Role::Other;
    case Role::ReportSet:
        // Servers differ in the wrapping: sync-collection counts anywhere inside.
        if (is(davNamespace, u"sync-collection"))
            mProps.supportsSyncCollection = true;
        return Role::ReportSet;
    case Role::HrefHolder: {
        const QString &held = mProperty == u"current-user-principal" ? mProps.principal : mProps.calendarHome;
        return is(davNamespace, u"href") && held.isEmpty() ? Role::HeldHref : Role::Other;
    }
    default:
        return Role::Other;
    }
}

void MultiStatusParser::start()
{
    if (mRoles.empty()) {
        if (!is(davNamespace, u"multistatus"))
            fail(Words::tr("the answer is not a DAV multistatus"));
        mRoles.push_back(Role::MultiStatus);
        return;
    }
    const Role parent = mRoles.back();
    if (holdsText(parent)) {
        fail(Words::tr("unexpected element <%1> inside a text property").arg(mXml.name()));
        return;
    }
    mRoles.push_back(roleOfChild(parent));
    mText.clear();
}

bool MultiStatusParser::holdsText(Role role)
{
    switch (role) {
    case Role::Href:
    case Role::Status:
    case Role::PropStatStatus:
    case Role::TextProperty:
    case Role::HeldHref:
    case Role::SyncToken:
        return true;
    default:
        return false;
    }
}

void MultiStatusParser::characters()
{
    if (mRoles.empty() || !holdsText(mRoles.back()))
        return;
    mText += mXml.text();
    if (mText.size() > mMaxText)
        fail(Words::tr("a value in the answer is larger than %1 kB").arg(mMaxText / 1024));
}

void MultiStatusParser::end()
{
    const Role role = mRoles.back();
    mRoles.pop_back();
    switch (role) {
    case Role::MultiStatus:
        mRootClosed = true;
        break;
    case Role::SyncToken:
        mMultiStatus.syncToken = mText.trimmed().toUtf8();
        break;
    case Role::Href:
        mHref = mText;
        break;
    case Role::Status:
        mResponse.status = statusCode(mText);
        break;
    case Role::PropStatStatus:
        mPropStatStatus = statusCode(mText);
        break;
    case Role::TextProperty:
        takeProperty();
        break;
    case Role::HeldHref:
        (mProperty == u"current-user-principal" ? mProps.principal : mProps.calendarHome) =
            resolvedPath(mText, mRequestUrl);
        break;
    case Role::PropStat:
        mergePropStat();
        break;
    case Role::Response:
        mResponse.href = resolvedPath(mHref, mRequestUrl);
        if (!mResponse.href.isEmpty())
            mMultiStatus.responses.push_back(std::move(mResponse));
        break;
    default:
        break;
    }
    mText.clear();
}

void MultiStatusParser::takeProperty()
{
    if (mProperty == u"getetag")
        mProps.etag = mText.trimmed().toUtf8();
    else if (mProperty == u"calendar-data")
        mProps.calendarData = mText.toUtf8();
    else if (mProperty == u"sync-token")
        mProps.syncToken = mText.trimmed().toUtf8();
    else if (mProperty == u"displayname")
        mProps.displayName = mText.trimmed();
    else if (mProperty == u"getlastmodified")
        mProps.lastModified = mText.trimmed().toUtf8();
}

// Only properties the server found count: a propstat with 404 lists the
// ones it does not have.
void MultiStatusParser::mergePropStat()
{
    if (!isSuccess(mPropStatStatus))
        return;
    MultiStatusResponse &response = mResponse;
    if (!mProps.etag.isEmpty())
        response.etag = mProps.etag;
    if (!mProps.calendarData.isEmpty())
        response.calendarData = mProps.calendarData;
    if (!mProps.syncToken.isEmpty())
        response.syncToken = mProps.syncToken;
    if (!mProps.displayName.isEmpty())
        response.displayName = mProps.displayName;
    if (!mProps.lastModified.isEmpty())
        response.lastModified = mProps.lastModified;
    if (!mProps.principal.isEmpty())
        response.principal = mProps.principal;
    if (!mProps.calendarHome.isEmpty())
        response.calendarHome = mProps.calendarHome;
    response.isCollection |= mProps.isCollection;
    response.isCalendar |= mProps.isCalendar;
    response.supportsSyncCollection |= mProps.supportsSyncCollection;
}

MultiStatusReading readMultiStatus(const QByteArray &xml, const QUrl &requestUrl)
{
    if (xml.size() > maxMultiStatusBytes) {
        MultiStatusReading reading;
        reading.error = Words::tr("the answer is larger than %1 MB").arg(maxMultiStatusBytes / (1024 * 1024));
        return reading;
    }
    MultiStatusParser parser(requestUrl, maxMultiStatusBytes);
    parser.feed(xml);
    return parser.finish();
}

bool sameOrigin(const QUrl &a, const QUrl &b)
{
    return a.scheme().compare(b.scheme(), Qt::CaseInsensitive) == 0
        && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 && a.port() == b.port();
}

QString encodedHref(const QString &path)
{
    QUrl url;
    url.setPath(path, QUrl::DecodedMode);
    return QString::fromLatin1(url.toEncoded());
}

bool namesDavPrecondition(const QByteArray &body, QStringView name)
{
    if (body.size() > maxMultiStatusBytes)
        return false;
    Reader reader(body);
    if (!reader.nextChild() || !reader.is(davNamespace, u"error"))
        return false;
    while (reader.nextChild()) {
        if (reader.is(davNamespace, name))
            return true;
        reader.skipElement();
    }
    return false;
}

} // namespace vestrona
