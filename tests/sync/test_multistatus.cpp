// The multistatus reader over answers shaped like real servers' (Radicale,
// a Nextcloud-like server with other prefixes and a deep base path) and over
// hostile ones, which must end in an error and never in a crash or a
// swollen process.

#include "sync/MultiStatus.h"

#include <QtTest>

using namespace vestrona;

namespace {

const QUrl collection(QStringLiteral("https://dav.example.org/remote.php/dav/calendars/alice/personal/"));

QByteArray nested(int depth)
{
    return "<d:multistatus xmlns:d=\"DAV:\">" + QByteArray("<d:response>").repeated(depth)
        + QByteArray("</d:response>").repeated(depth) + "</d:multistatus>";
}

// What a reading says, one line per response, for comparing two readings.
QStringList shown(const MultiStatusReading &reading)
{
    if (!reading.error.isEmpty())
        return {QStringLiteral("error")};
    QStringList lines{QStringLiteral("token ") + QString::fromUtf8(reading.multiStatus.syncToken)};
    for (const MultiStatusResponse &r : reading.multiStatus.responses)
        lines << QStringLiteral("%1 %2 %3 [%4] principal=%5 home=%6 calendar=%7 data=%8")
                     .arg(r.href)
                     .arg(r.status)
                     .arg(QString::fromUtf8(r.etag), r.displayName, r.principal, r.calendarHome)
                     .arg(r.isCalendar)
                     .arg(r.calendarData.size());
    return lines;
}

MultiStatusReading readInPieces(const QByteArray &xml, qsizetype piece, qsizetype maxText)
{
    MultiStatusParser parser(collection, maxText);
    for (qsizetype at = 0; at < xml.size(); at += piece)
        if (!parser.feed(xml.mid(at, piece)))
            break;
    return parser.finish();
}

const QByteArray discoveryAnswer = R"(<?xml version="1.0"?>
<d:multistatus xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav"><d:response><d:href>/remote.php/dav/</d:href>
<d:propstat><d:prop><d:current-user-principal><d:href>/remote.php/dav/principals/alice/</d:href></d:current-user-principal>
<c:calendar-home-set><d:href>https://elsewhere.example/cal/</d:href><d:href>/remote.php/dav/calendars/alice/</d:href></c:calendar-home-set>
<d:displayname> Alice's &amp; Bob's </d:displayname></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>
<d:response><d:href>/remote.php/dav/calendars/alice/work/</d:href><d:propstat><d:prop><d:resourcetype><d:collection/><c:calendar/></d:resourcetype>
<d:displayname>Work</d:displayname></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>
<d:propstat><d:prop><d:current-user-principal/></d:prop><d:status>HTTP/1.1 404 Not Found</d:status></d:propstat></d:response>
</d:multistatus>)";

} // namespace

class TestMultiStatus : public QObject {
    Q_OBJECT

private slots:
    void readsRadicaleSyncCollection();
    void readsOtherPrefixesAndEncodedHrefs();
    void hrefsNamedInRequestsReadBack_data();
    void hrefsNamedInRequestsReadBack();
    void readsCollectionProperties_data();
    void readsCollectionProperties();
    void matchesNamespacesNotPrefixes();
    void refusesHostileAnswers_data();
    void refusesHostileAnswers();
    void findsExpiredSyncToken_data();
    void findsExpiredSyncToken();
    void readsDiscoveryProperties();
    void piecesReadAsTheWhole_data();
    void piecesReadAsTheWhole();
    void refusesOverlongValues();
};

void TestMultiStatus::readsRadicaleSyncCollection()
{
    const QByteArray xml = R"(<?xml version='1.0' encoding='utf-8'?>
<multistatus xmlns="DAV:"><response><href>/alice/reminders/a.ics</href><propstat><prop><getetag>"e1"</getetag></prop><status>HTTP/1.1 200 OK</status></propstat></response><response><href>/alice/reminders/gone.ics</href><status>HTTP/1.1 404 Not Found</status></response><sync-token>http://radicale.org/ns/sync/abc</sync-token></multistatus>)";
    const MultiStatusReading reading = readMultiStatus(xml, QUrl(QStringLiteral("https://127.0.0.1:5232/alice/reminders/")));
    QVERIFY2(reading.error.isEmpty(), qPrintable(reading.error));
    const MultiStatus &m = reading.multiStatus;
    QCOMPARE(m.syncToken, QByteArray("http://radicale.org/ns/sync/abc"));
    QCOMPARE(m.responses.size(), std::size_t(2));
    QCOMPARE(m.responses[0].href, QStringLiteral("/alice/reminders/a.ics"));
    QCOMPARE(m.responses[0].etag, QByteArray("\"e1\""));
    QCOMPARE(m.responses[0].status, 0);
    QCOMPARE(m.responses[1].href, QStringLiteral("/alice/reminders/gone.ics"));
    QCOMPARE(m.responses[1].status, 404);
    QVERIFY(m.responses[1].etag.isEmpty());
}

void TestMultiStatus::readsOtherPrefixesAndEncodedHrefs()
{
    const QByteArray xml = R"(<?xml version="1.0"?>
<d:multistatus xmlns:d="DAV:" xmlns:cal="urn:ietf:params:xml:ns:caldav" xmlns:oc="http://owncloud.org/ns">
 <d:response>
  <d:href>/remote.php/dav/calendars/alice/personal/Pay%20rent%20%C3%A9.ics</d:href>
  <d:propstat><d:prop><d:getetag>&quot;7f3&quot;</d:getetag>
   <cal:calendar-data><![CDATA[BEGIN:VCALENDAR
END:VCALENDAR
]]></cal:calendar-data></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>
  <d:propstat><d:prop><oc:owner/><cal:calendar-data>lost</cal:calendar-data></d:prop><d:status>HTTP/1.1 404 Not Found</d:status></d:propstat>
 </d:response>
 <d:response><d:href>relative.ics</d:href><d:propstat><d:prop><d:getetag>"r"</d:getetag></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>
 <d:response><d:href>https://dav.example.org/remote.php/dav/calendars/alice/personal/full.ics</d:href></d:response>
 <d:response><d:href>https://evil.example.net/remote.php/dav/calendars/alice/personal/elsewhere.ics</d:href></d:response>
 <d:response><d:href>//evil.example.net/remote.php/dav/calendars/alice/personal/elsewhere.ics</d:href></d:response>
 <d:response><d:href>/.//evil.example.net/x.ics</d:href></d:response>
</d:multistatus>)";
    const MultiStatusReading reading = readMultiStatus(xml, collection);
    QVERIFY2(reading.error.isEmpty(), qPrintable(reading.error));
    const auto &r = reading.multiStatus.responses;
    QCOMPARE(r.size(), std::size_t(3));
    QCOMPARE(r[0].href, QStringLiteral("/remote.php/dav/calendars/alice/personal/Pay rent é.ics"));
    QCOMPARE(r[0].etag, QByteArray("\"7f3\""));
    // A property the server reports as not found does not overwrite one it found.
    QCOMPARE(r[0].calendarData, QByteArray("BEGIN:VCALENDAR\nEND:VCALENDAR\n"));
    QCOMPARE(r[1].href, QStringLiteral("/remote.php/dav/calendars/alice/personal/relative.ics"));
    QCOMPARE(r[2].href, QStringLiteral("/remote.php/dav/calendars/alice/personal/full.ics"));
}

void TestMultiStatus::hrefsNamedInRequestsReadBack_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("space and accent") << QStringLiteral("/alice/personal/pay rent é.ics");
    QTest::newRow("query and fragment signs") << QStringLiteral("/alice/personal/a?b#c.ics");
    QTest::newRow("ampersand and percent") << QStringLiteral("/alice/personal/R&D 100%.ics");
    QTest::newRow("colon and plus") << QStringLiteral("/alice/personal/a:b+c.ics");
}

// What fetch sends in calendar-multiget must be what the server's answer
// names, or fetched reminders would not match the ones asked for.
void TestMultiStatus::hrefsNamedInRequestsReadBack()
{
    QFETCH(QString, path);
    const QByteArray xml = "<d:multistatus xmlns:d=\"DAV:\"><d:response><d:href>" + encodedHref(path).toHtmlEscaped().toUtf8()
        + "</d:href></d:response></d:multistatus>";
    const MultiStatusReading reading = readMultiStatus(xml, collection);
    QVERIFY2(reading.error.isEmpty(), qPrintable(reading.error));
    QCOMPARE(reading.multiStatus.responses.size(), std::size_t(1));
    QCOMPARE(reading.multiStatus.responses[0].href, path);
}

void TestMultiStatus::readsCollectionProperties_data()
{
    QTest::addColumn<QByteArray>("prop");
    QTest::addColumn<bool>("calendar");
    QTest::addColumn<bool>("syncCollection");
    QTest::newRow("calendar with sync-collection")
        << QByteArray("<d:resourcetype><d:collection/><c:calendar/></d:resourcetype>"
                      "<d:supported-report-set><d:supported-report><d:report><d:sync-collection/></d:report></d:supported-report>"
                      "<d:supported-report><d:report><c:calendar-multiget/></d:report></d:supported-report></d:supported-report-set>"
                      "<cs:getctag>\"c-12\"</cs:getctag>")
        << true << true;
    QTest::newRow("calendar with multiget only")
        << QByteArray("<d:resourcetype><d:collection/><c:calendar/></d:resourcetype>"
                      "<d:supported-report-set><d:supported-report><d:report><c:calendar-multiget/></d:report>"
                      "</d:supported-report></d:supported-report-set>")
        << true << false;
    QTest::newRow("plain collection") << QByteArray("<d:resourcetype><d:collection/></d:resourcetype>") << false << false;
}

void TestMultiStatus::readsCollectionProperties()
{
    QFETCH(QByteArray, prop);
    QFETCH(bool, calendar);
    QFETCH(bool, syncCollection);
    const QByteArray xml = "<d:multistatus xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\" "
                           "xmlns:cs=\"http://calendarserver.org/ns/\"><d:response><d:href>"
        + collection.path().toUtf8() + "</d:href><d:propstat><d:prop>" + prop
        + "<d:sync-token>tok-1</d:sync-token></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>"
          "</d:response></d:multistatus>";
    const MultiStatusReading reading = readMultiStatus(xml, collection);
    QVERIFY2(reading.error.isEmpty(), qPrintable(reading.error));
    QCOMPARE(reading.multiStatus.responses.size(), std::size_t(1));
    const MultiStatusResponse &r = reading.multiStatus.responses[0];
    QVERIFY(r.isCollection);
    QCOMPARE(r.isCalendar, calendar);
    QCOMPARE(r.supportsSyncCollection, syncCollection);
    QCOMPARE(r.syncToken, QByteArray("tok-1"));
}

void TestMultiStatus::matchesNamespacesNotPrefixes()
{
    // "d" is not DAV: here, and DAV: goes by the prefix "x".
    const QByteArray xml = R"(<x:multistatus xmlns:x="DAV:" xmlns:d="http://example.org/not-dav">
<x:response><x:href>/remote.php/dav/calendars/alice/personal/a.ics</x:href>
<x:propstat><x:prop><d:getetag>"fake"</d:getetag><x:getetag>"real"</x:getetag></x:prop><x:status>HTTP/1.1 200 OK</x:status></x:propstat>
</x:response></x:multistatus>)";
    const MultiStatusReading reading = readMultiStatus(xml, collection);
    QVERIFY2(reading.error.isEmpty(), qPrintable(reading.error));
    QCOMPARE(reading.multiStatus.responses.at(0).etag, QByteArray("\"real\""));

    const QByteArray notDav = R"(<d:multistatus xmlns:d="http://example.org/not-dav"/>)";
    QVERIFY(!readMultiStatus(notDav, collection).error.isEmpty());
}

void TestMultiStatus::refusesHostileAnswers_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not XML") << QByteArray("<html><body>Bad gateway");
    QTest::newRow("truncated") << QByteArray("<d:multistatus xmlns:d=\"DAV:\"><d:response><d:href>/a</d:href>");
    QTest::newRow("entity expansion") << QByteArray(
        "<?xml version=\"1.0\"?><!DOCTYPE m [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">"
        "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">]><d:multistatus xmlns:d=\"DAV:\"><d:response><d:href>&c;</d:href>"
        "</d:response></d:multistatus>");
    QTest::newRow("external entity") << QByteArray(
        "<?xml version=\"1.0\"?><!DOCTYPE m [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
        "<d:multistatus xmlns:d=\"DAV:\"><d:response><d:href>&x;</d:href></d:response></d:multistatus>");
    QTest::newRow("undeclared entity") << QByteArray(
        "<d:multistatus xmlns:d=\"DAV:\"><d:response><d:href>&x;</d:href></d:response></d:multistatus>");
    QTest::newRow("element inside a text property") << QByteArray(
        "<d:multistatus xmlns:d=\"DAV:\"><d:response><d:href><d:href>/a</d:href></d:href></d:response></d:multistatus>");
    QTest::newRow("absurd nesting") << nested(100000);
    QTest::newRow("oversize") << "<d:multistatus xmlns:d=\"DAV:\"><!--" + QByteArray(maxMultiStatusBytes, 'x') + "--></d:multistatus>";
    QTest::newRow("second root") << QByteArray("<d:multistatus xmlns:d=\"DAV:\"/><d:multistatus xmlns:d=\"DAV:\"/>");
}

void TestMultiStatus::refusesHostileAnswers()
{
    QFETCH(QByteArray, xml);
    const MultiStatusReading reading = readMultiStatus(xml, collection);
    QVERIFY(!reading.error.isEmpty());
    QVERIFY(reading.multiStatus.responses.empty());
}

void TestMultiStatus::findsExpiredSyncToken_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("expired");
    QTest::newRow("Radicale") << QByteArray("<?xml version='1.0' encoding='utf-8'?>\n"
                                            "<D:error xmlns:D=\"DAV:\"><D:valid-sync-token /></D:error>")
                              << true;
    QTest::newRow("other precondition") << QByteArray("<d:error xmlns:d=\"DAV:\"><d:number-of-matches-within-limits/></d:error>")
                                        << false;
    QTest::newRow("same name, other namespace")
        << QByteArray("<d:error xmlns:d=\"DAV:\" xmlns:x=\"urn:x\"><x:valid-sync-token/></d:error>") << false;
    QTest::newRow("plain text") << QByteArray("Forbidden") << false;
}

void TestMultiStatus::findsExpiredSyncToken()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, expired);
    QCOMPARE(namesDavPrecondition(body, u"valid-sync-token"), expired);
}

void TestMultiStatus::readsDiscoveryProperties()
{
    const MultiStatusReading reading = readMultiStatus(discoveryAnswer, collection);
    QCOMPARE(shown(reading),
             QStringList({QStringLiteral("token "),
                          // The home on another server is passed over for the next href.
                          QStringLiteral("/remote.php/dav/ 0  [Alice's & Bob's] principal=/remote.php/dav/principals/alice/ "
                                         "home=/remote.php/dav/calendars/alice/ calendar=0 data=0"),
                          QStringLiteral("/remote.php/dav/calendars/alice/work/ 0  [Work] principal= home= calendar=1 data=0")}));
}

void TestMultiStatus::piecesReadAsTheWhole_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::newRow("Radicale") << QByteArray(
        R"(<?xml version='1.0' encoding='utf-8'?>
<multistatus xmlns="DAV:"><response><href>/alice/reminders/a.ics</href><propstat><prop><getetag>"e1"</getetag></prop><status>HTTP/1.1 200 OK</status></propstat></response><response><href>/alice/reminders/gone.ics</href><status>HTTP/1.1 404 Not Found</status></response><sync-token>http://radicale.org/ns/sync/abc</sync-token></multistatus>)");
    QTest::newRow("discovery") << discoveryAnswer;
    QTest::newRow("calendar data in CDATA") << QByteArray(
        "<d:multistatus xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><d:response><d:href>a.ics</d:href>"
        "<d:propstat><d:prop><c:calendar-data><![CDATA[BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n]]></c:calendar-data></d:prop>"
        "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response></d:multistatus>");
    QTest::newRow("entity") << QByteArray("<!DOCTYPE d [<!ENTITY a \"x\">]><d:multistatus xmlns:d=\"DAV:\">&a;</d:multistatus>");
    QTest::newRow("cut short") << QByteArray("<d:multistatus xmlns:d=\"DAV:\"><d:response><d:href>/a</d:href></d:response>");
    QTest::newRow("absurd nesting") << nested(100);
    QTest::newRow("second root") << QByteArray("<d:multistatus xmlns:d=\"DAV:\"/><d:multistatus xmlns:d=\"DAV:\"/>");
}

// Bytes arrive in pieces of any size, cut anywhere (inside a name, a
// character of UTF-8, a CDATA section): the reading is the same.
void TestMultiStatus::piecesReadAsTheWhole()
{
    QFETCH(QByteArray, xml);
    const QStringList whole = shown(readMultiStatus(xml, collection));
    for (const qsizetype piece : {qsizetype(1), qsizetype(7), qsizetype(64), xml.size()})
        QCOMPARE(shown(readInPieces(xml, piece, 1024)), whole);
}

void TestMultiStatus::refusesOverlongValues()
{
    const QByteArray xml = "<d:multistatus xmlns:d=\"DAV:\"><d:response><d:href>/a/" + QByteArray(5000, 'x')
        + ".ics</d:href></d:response></d:multistatus>";
    const MultiStatusReading reading = readInPieces(xml, 100, 4096);
    QVERIFY2(reading.error.contains(QStringLiteral("larger than 4 kB")), qPrintable(reading.error));
    QVERIFY(reading.multiStatus.responses.empty());
    QVERIFY2(readInPieces(xml, 100, 8192).error.isEmpty(), "a long value under the limit is read");
}

QTEST_GUILESS_MAIN(TestMultiStatus)
#include "test_multistatus.moc"
