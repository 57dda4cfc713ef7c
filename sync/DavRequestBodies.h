#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace vestrona {

// The XML namespaces of WebDAV, CalDAV and the calendarserver.org extension.
inline const QString davNamespace = QStringLiteral("DAV:");
inline const QString calDavNamespace = QStringLiteral("urn:ietf:params:xml:ns:caldav");

// A property to ask for: its namespace and local name.
struct DavProperty {
    QString ns;
    QString name;
};

// The bodies of the WebDAV requests the sync sends, as UTF-8 XML documents
// made by QXmlStreamWriter: whatever text goes in (a sync token, an href) is
// escaped, so a server's token can never change the request's shape.

// PROPFIND asking for `properties`.
QByteArray propfindBody(const std::vector<DavProperty> &properties);
// REPORT sync-collection (RFC 6578) from `syncToken` (empty: from the
// start), asking for each member's ETag.
QByteArray syncCollectionBody(const QByteArray &syncToken);
// REPORT calendar-multiget (RFC 4791) of `hrefs`, percent-encoded paths,
// asking for each one's ETag and calendar data.
QByteArray calendarMultigetBody(const std::vector<QString> &hrefs);

} // namespace vestrona
