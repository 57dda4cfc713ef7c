#include "sync/MultiStatus.h"

#include "sync/DavRequestBodies.h"

#include <QXmlStreamReader>

namespace vestrona {

namespace {

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

// Walks the XML one token at a time so that every token passes the same
// checks; the first broken rule ends the reading with its words.
class Reader {
public:
    explicit Reader(const QByteArray &xml) : mXml(xml) {}

    QString error() const
    {
        if (!mError.isEmpty())
            return mError;
        if (mXml.hasError())
            return QStringLiteral("malformed XML at line %1: %2").arg(mXml.lineNumber()).arg(mXml.errorString());
        return QString();
    }
    bool failed() const { return !mError.isEmpty() || mXml.hasError(); }

    QXmlStreamReader::TokenType advance()
    {
        const QXmlStreamReader::TokenType token = mXml.readNext();
        switch (token) {
        case QXmlStreamReader::DTD:
            fail(QStringLiteral("the answer declares a DTD"));
            break;
        case QXmlStreamReader::EntityReference:
            fail(QStringLiteral("the answer uses an entity reference"));
            break;
        case QXmlStreamReader::StartElement:
            if (++mDepth > maxDepth)
                fail(QStringLiteral("the answer nests deeper than %1 elements").arg(maxDepth));
            break;
        case QXmlStreamReader::EndElement:
            --mDepth;
            break;
        default:
            break;
        }
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

    // The text of an element that holds text only.
    QString text()
    {
        QString result;
        for (;;) {
            switch (advance()) {
            case QXmlStreamReader::Characters:
                result += mXml.text();
                break;
            case QXmlStreamReader::StartElement:
                fail(QStringLiteral("unexpected element <%1> inside a text property").arg(mXml.name()));
                return QString();
            case QXmlStreamReader::EndElement:
                return result;
            case QXmlStreamReader::Invalid:
            case QXmlStreamReader::EndDocument:
                return QString();
            default:
                break;
            }
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

void readResourceType(Reader &reader, MultiStatusResponse &response)
{
    while (reader.nextChild()) {
        if (reader.is(davNamespace, u"collection"))
            response.isCollection = true;
        else if (reader.is(calDavNamespace, u"calendar"))
            response.isCalendar = true;
        reader.skipElement();
    }
}

// supported-report-set/supported-report/report/<name>: looks for
// DAV:sync-collection anywhere inside, as servers differ in the wrapping.
bool namesSyncCollection(Reader &reader)
{
    bool found = false;
    while (reader.nextChild()) {
        if (reader.is(davNamespace, u"sync-collection")) {
            found = true;
            reader.skipElement();
        } else if (namesSyncCollection(reader)) {
            found = true;
        }
    }
    return found;
}

// The path of the first DAV:href inside a property such as
// current-user-principal; empty when there is none on this server.
QString hrefInside(Reader &reader, const QUrl &requestUrl)
{
    QString path;
    while (reader.nextChild()) {
        if (reader.is(davNamespace, u"href") && path.isEmpty())
            path = resolvedPath(reader.text(), requestUrl);
        else
            reader.skipElement();
    }
    return path;
}

void readProp(Reader &reader, const QUrl &requestUrl, MultiStatusResponse &props)
{
    while (reader.nextChild()) {
        if (reader.is(davNamespace, u"getetag"))
            props.etag = reader.text().trimmed().toUtf8();
        else if (reader.is(calDavNamespace, u"calendar-data"))
            props.calendarData = reader.text().toUtf8();
        else if (reader.is(davNamespace, u"sync-token"))
            props.syncToken = reader.text().trimmed().toUtf8();
        else if (reader.is(calendarServerNamespace, u"getctag"))
            props.ctag = reader.text().trimmed().toUtf8();
        else if (reader.is(davNamespace, u"resourcetype"))
            readResourceType(reader, props);
        else if (reader.is(davNamespace, u"supported-report-set"))
            props.supportsSyncCollection = namesSyncCollection(reader);
        else if (reader.is(davNamespace, u"displayname"))
            props.displayName = reader.text().trimmed();
        else if (reader.is(davNamespace, u"current-user-principal"))
            props.principal = hrefInside(reader, requestUrl);
        else if (reader.is(calDavNamespace, u"calendar-home-set"))
            props.calendarHome = hrefInside(reader, requestUrl);
        else
            reader.skipElement();
    }
}

// Only properties the server found count: a propstat with 404 lists the
// ones it does not have.
void readPropStat(Reader &reader, const QUrl &requestUrl, MultiStatusResponse &response)
{
    MultiStatusResponse props;
    int status = 0;
    while (reader.nextChild()) {
        if (reader.is(davNamespace, u"prop"))
            readProp(reader, requestUrl, props);
        else if (reader.is(davNamespace, u"status"))
            status = statusCode(reader.text());
        else
            reader.skipElement();
    }
    if (!isSuccess(status))
        return;
    if (!props.etag.isEmpty())
        response.etag = props.etag;
    if (!props.calendarData.isEmpty())
        response.calendarData = props.calendarData;
    if (!props.syncToken.isEmpty())
        response.syncToken = props.syncToken;
    if (!props.ctag.isEmpty())
        response.ctag = props.ctag;
    if (!props.displayName.isEmpty())
        response.displayName = props.displayName;
    if (!props.principal.isEmpty())
        response.principal = props.principal;
    if (!props.calendarHome.isEmpty())
        response.calendarHome = props.calendarHome;
    response.isCollection |= props.isCollection;
    response.isCalendar |= props.isCalendar;
    response.supportsSyncCollection |= props.supportsSyncCollection;
}

void readResponse(Reader &reader, const QUrl &requestUrl, MultiStatus &into)
{
    MultiStatusResponse response;
    QString href;
    while (reader.nextChild()) {
        if (reader.is(davNamespace, u"href") && href.isEmpty())
            href = reader.text();
        else if (reader.is(davNamespace, u"status"))
            response.status = statusCode(reader.text());
        else if (reader.is(davNamespace, u"propstat"))
            readPropStat(reader, requestUrl, response);
        else
            reader.skipElement();
    }
    response.href = resolvedPath(href, requestUrl);
    if (!response.href.isEmpty())
        into.responses.push_back(std::move(response));
}

} // namespace

MultiStatusReading readMultiStatus(const QByteArray &xml, const QUrl &requestUrl)
{
    MultiStatusReading reading;
    if (xml.size() > maxMultiStatusBytes) {
        reading.error = QStringLiteral("the answer is larger than %1 MB").arg(maxMultiStatusBytes / (1024 * 1024));
        return reading;
    }
    Reader reader(xml);
    if (!reader.nextChild() || !reader.is(davNamespace, u"multistatus")) {
        reading.error = reader.failed() ? reader.error() : QStringLiteral("the answer is not a DAV multistatus");
        return reading;
    }
    MultiStatus &multiStatus = reading.multiStatus;
    while (reader.nextChild()) {
        if (reader.is(davNamespace, u"response"))
            readResponse(reader, requestUrl, multiStatus);
        else if (reader.is(davNamespace, u"sync-token"))
            multiStatus.syncToken = reader.text().trimmed().toUtf8();
        else
            reader.skipElement();
    }
    // Whatever follows the root must still be well-formed.
    while (!reader.failed() && reader.advance() != QXmlStreamReader::EndDocument) {
    }
    if (reader.failed()) {
        reading.error = reader.error();
        reading.multiStatus = {};
    }
    return reading;
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
