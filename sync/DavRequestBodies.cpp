#include "sync/DavRequestBodies.h"

#include <QXmlStreamWriter>

namespace vestrona {

namespace {

// A document with the usual prefixes declared on its root element, which
// `writeRoot` starts.
template <typename WriteRoot>
QByteArray document(WriteRoot writeRoot)
{
    QByteArray body;
    QXmlStreamWriter xml(&body);
    xml.writeStartDocument();
    xml.writeNamespace(davNamespace, QStringLiteral("d"));
    xml.writeNamespace(calDavNamespace, QStringLiteral("c"));
    writeRoot(xml);
    xml.writeEndDocument();
    return body;
}

void writeProp(QXmlStreamWriter &xml, const std::vector<DavProperty> &properties)
{
    xml.writeStartElement(davNamespace, QStringLiteral("prop"));
    for (const DavProperty &property : properties)
        xml.writeEmptyElement(property.ns, property.name);
    xml.writeEndElement();
}

} // namespace

QByteArray propfindBody(const std::vector<DavProperty> &properties)
{
    return document([&](QXmlStreamWriter &xml) {
        xml.writeStartElement(davNamespace, QStringLiteral("propfind"));
        writeProp(xml, properties);
        xml.writeEndElement();
    });
}

QByteArray syncCollectionBody(const QByteArray &syncToken)
{
    return document([&](QXmlStreamWriter &xml) {
        xml.writeStartElement(davNamespace, QStringLiteral("sync-collection"));
        xml.writeTextElement(davNamespace, QStringLiteral("sync-token"), QString::fromUtf8(syncToken));
        xml.writeTextElement(davNamespace, QStringLiteral("sync-level"), QStringLiteral("1"));
        writeProp(xml, {{davNamespace, QStringLiteral("getetag")}});
        xml.writeEndElement();
    });
}

QByteArray calendarMultigetBody(const std::vector<QString> &hrefs)
{
    return document([&](QXmlStreamWriter &xml) {
        xml.writeStartElement(calDavNamespace, QStringLiteral("calendar-multiget"));
        writeProp(xml, {{davNamespace, QStringLiteral("getetag")}, {calDavNamespace, QStringLiteral("calendar-data")}});
        for (const QString &href : hrefs)
            xml.writeTextElement(davNamespace, QStringLiteral("href"), href);
        xml.writeEndElement();
    });
}

} // namespace vestrona
