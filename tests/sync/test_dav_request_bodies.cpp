// The request bodies are well-formed XML whatever text goes into them: a
// sync token or an href with markup characters comes out as the same text,
// in the elements and namespaces a server looks for.

#include "sync/DavRequestBodies.h"

#include <QXmlStreamReader>
#include <QtTest>

using namespace vestrona;

namespace {

// "ns|name=text" for each element that holds text, "ns|name" for each
// empty one, in document order; "error: ..." when the body is not XML.
QStringList elementsOf(const QByteArray &body)
{
    QStringList elements;
    QXmlStreamReader xml(body);
    QString text;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            text.clear();
            break;
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::EndElement: {
            QString element = xml.namespaceUri().toString() + QLatin1Char('|') + xml.name().toString();
            if (!text.isEmpty())
                element += QLatin1Char('=') + text;
            elements.append(element);
            text.clear();
            break;
        }
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            return {QStringLiteral("error: DTD or entity")};
        default:
            break;
        }
    }
    if (xml.hasError())
        return {QStringLiteral("error: ") + xml.errorString()};
    return elements;
}

} // namespace

class TestDavRequestBodies : public QObject {
    Q_OBJECT

private slots:
    void syncTokenComesBackAsGiven_data();
    void syncTokenComesBackAsGiven();
    void multigetNamesEachHref();
    void propfindAsksForEachProperty();
};

void TestDavRequestBodies::syncTokenComesBackAsGiven_data()
{
    QTest::addColumn<QByteArray>("token");
    QTest::newRow("Radicale's") << QByteArray("http://radicale.org/ns/sync/5bd1f0c2d6a8");
    QTest::newRow("none") << QByteArray();
    QTest::newRow("markup characters") << QByteArray("a<b>&c;\"d'</d:sync-token><d:x>]]>");
    QTest::newRow("non-ASCII") << QStringLiteral("jeton-été-✓").toUtf8();
}

void TestDavRequestBodies::syncTokenComesBackAsGiven()
{
    QFETCH(QByteArray, token);
    const QString dav = QStringLiteral("DAV:|");
    QString tokenElement = dav + QStringLiteral("sync-token");
    if (!token.isEmpty())
        tokenElement += QLatin1Char('=') + QString::fromUtf8(token);
    QCOMPARE(elementsOf(syncCollectionBody(token)),
             QStringList({tokenElement, dav + QStringLiteral("sync-level=1"), dav + QStringLiteral("getetag"),
                          dav + QStringLiteral("prop"), dav + QStringLiteral("sync-collection")}));
}

void TestDavRequestBodies::multigetNamesEachHref()
{
    const QString dav = QStringLiteral("DAV:|");
    const QString calDav = QStringLiteral("urn:ietf:params:xml:ns:caldav|");
    QCOMPARE(elementsOf(calendarMultigetBody({QStringLiteral("/alice/cal/a.ics"), QStringLiteral("/alice/cal/b&<c>.ics")})),
             QStringList({dav + QStringLiteral("getetag"), calDav + QStringLiteral("calendar-data"),
                          dav + QStringLiteral("prop"), dav + QStringLiteral("href=/alice/cal/a.ics"),
                          dav + QStringLiteral("href=/alice/cal/b&<c>.ics"), calDav + QStringLiteral("calendar-multiget")}));
}

void TestDavRequestBodies::propfindAsksForEachProperty()
{
    QCOMPARE(elementsOf(propfindBody({{davNamespace, QStringLiteral("resourcetype")},
                                      {calDavNamespace, QStringLiteral("supported-calendar-component-set")}})),
             QStringList({QStringLiteral("DAV:|resourcetype"),
                          QStringLiteral("urn:ietf:params:xml:ns:caldav|supported-calendar-component-set"),
                          QStringLiteral("DAV:|prop"), QStringLiteral("DAV:|propfind")}));
}

QTEST_GUILESS_MAIN(TestDavRequestBodies)
#include "test_dav_request_bodies.moc"
