// HttpCalDavCollection against servers that fail: each failure ends the call
// with its kind and words a user can act on, never a crash or a hang, and a
// huge answer is cut off instead of held.

#include "sync/HttpCalDavCollection.h"
#include "tests/support/PeakMemory.h"
#include "tests/support/FaultServer.h"
#include "tests/sync/CalDavCalls.h"

#include <QFile>
#include <QTcpServer>
#include <QtTest>

using namespace vestrona;
using namespace vestrona::test;
using Kind = CalDavFailure::Kind;

namespace {

const QString password = QStringLiteral("s3cret-Pa55");

} // namespace

class TestCalDavFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void failuresHaveKindAndWords_data();
    void failuresHaveKindAndWords();
    void hugeAnswerIsCutOffEarly();
    void closedPortNamesTheServer();
    void drippingServerEndsAtTheDeadline();
    void truncatedListingSaysSo();
    void listingLargerThanOtherAnswersIsRead();

private:
    FaultServer mServer;
};

void TestCalDavFaults::initTestCase()
{
    const QString started = mServer.start();
    QVERIFY2(started.isEmpty(), qPrintable(started));
}

void TestCalDavFaults::failuresHaveKindAndWords_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("words");
    // The listings are read as they arrive, so 50 MB of what is no
    // multistatus is refused on its first bytes instead of for its size.
    QTest::addColumn<Kind>("listingKind");
    QTest::newRow("wrong password") << "unauthorized" << Kind::Unauthorized
                                    << "The calendar server did not accept the user name or password." << Kind::Unauthorized;
    QTest::newRow("500") << "error500" << Kind::Server << "failed with error 500" << Kind::Server;
    QTest::newRow("stalled") << "stall" << Kind::Timeout << "stopped answering" << Kind::Timeout;
    QTest::newRow("50 MB, length unknown") << "huge" << Kind::TooLarge << "larger than 4 MB" << Kind::BadResponse;
    QTest::newRow("50 MB, length announced") << "huge-declared" << Kind::TooLarge << "larger than 4 MB" << Kind::BadResponse;
    QTest::newRow("malformed XML") << "malformed" << Kind::BadResponse << "malformed XML" << Kind::BadResponse;
    QTest::newRow("entities") << "entities" << Kind::BadResponse << "DTD" << Kind::BadResponse;
    QTest::newRow("redirect to another server") << "redirect-away" << Kind::Server << "elsewhere.invalid" << Kind::Server;
    QTest::newRow("redirect loop") << "redirect-loop" << Kind::Server << "redirects in circles" << Kind::Server;
}

void TestCalDavFaults::failuresHaveKindAndWords()
{
    QFETCH(QString, mode);
    QFETCH(Kind, kind);
    QFETCH(QString, words);
    QFETCH(Kind, listingKind);
    HttpCalDavCollection collection(SyncAccount{mServer.collectionUrl(mode), QStringLiteral("alice"), {}}, password);
    collection.setStallTimeout(std::chrono::milliseconds(300));

    const CalDavFailure probed = std::get<0>(probe(collection));
    QCOMPARE(probed.kind, kind);
    QVERIFY2(probed.words.contains(words), qPrintable(probed.words));
    QVERIFY2(probed.words.contains(QStringLiteral("127.0.0.1")) || kind == Kind::Unauthorized, qPrintable(probed.words));
    QVERIFY(!probed.words.contains(password));

    // Every kind of request meets the same server the same way.
    QCOMPARE(std::get<0>(listResources(collection)).kind, listingKind);
    QCOMPARE(std::get<0>(changesSince(collection, "token")).kind, listingKind);
}

void TestCalDavFaults::hugeAnswerIsCutOffEarly()
{
    HttpCalDavCollection collection(SyncAccount{mServer.collectionUrl(QStringLiteral("huge")), QStringLiteral("alice"), {}},
                                    password);
    collection.setAnswerLimits(2 * 1024 * 1024, 1024 * 1024);
    const qint64 before = peakMemoryKb();
    const auto [failed, objects] = fetch(collection, {collection.collectionPath() + QStringLiteral("a.ics")});
    QCOMPARE(failed.kind, Kind::TooLarge);
    QVERIFY2(failed.words.contains(QStringLiteral("larger than 2 MB")), qPrintable(failed.words));
    QVERIFY(objects.empty());
    // Reading on to the end would have held the 50 MB at least once.
    QVERIFY2(peakMemoryKb() - before < 20 * 1024, qPrintable(QString::number(peakMemoryKb() - before)));
}

void TestCalDavFaults::closedPortNamesTheServer()
{
    quint16 port = 0;
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        port = closed.serverPort();
    }
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/alice/calendar/").arg(port));
    HttpCalDavCollection collection(SyncAccount{url, QStringLiteral("alice"), {}}, password);
    const CalDavFailure failed = std::get<0>(probe(collection));
    QCOMPARE(failed.kind, Kind::Unreachable);
    QVERIFY2(failed.words.contains(QStringLiteral("127.0.0.1:%1").arg(port)), qPrintable(failed.words));
}

void TestCalDavFaults::drippingServerEndsAtTheDeadline()
{
    HttpCalDavCollection collection(SyncAccount{mServer.collectionUrl(QStringLiteral("drip")), QStringLiteral("alice"), {}},
                                    password);
    // A byte comes every 0.1 s, well within the stall timeout.
    collection.setStallTimeout(std::chrono::milliseconds(1000));
    collection.setDeadline(std::chrono::milliseconds(1500));
    QElapsedTimer clock;
    clock.start();
    const CalDavFailure failed = std::get<0>(listResources(collection));
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(failed.kind, Kind::Timeout);
    QVERIFY2(failed.words.contains(QStringLiteral("took too long")), qPrintable(failed.words));
    QVERIFY2(failed.words.contains(QStringLiteral("127.0.0.1")), qPrintable(failed.words));
    QVERIFY2(elapsed >= 1400 && elapsed < 4000, qPrintable(QString::number(elapsed)));
}

void TestCalDavFaults::truncatedListingSaysSo()
{
    HttpCalDavCollection collection(
        SyncAccount{mServer.collectionUrl(QStringLiteral("truncated")), QStringLiteral("alice"), {}}, password);
    const auto [failed, changes] = changesSince(collection, "http://example.org/sync/1");
    QVERIFY2(!failed.failed(), qPrintable(failed.words));
    QVERIFY(changes.truncated);
    QVERIFY(!changes.tokenExpired);
    QCOMPARE(changes.changed.size(), size_t(1));
    QCOMPARE(changes.changed.front().href, QStringLiteral("/truncated/calendar/a.ics"));
    QVERIFY(changes.removed.empty());
    QCOMPARE(changes.newSyncToken, QByteArray("http://example.org/sync/2"));
}

void TestCalDavFaults::listingLargerThanOtherAnswersIsRead()
{
    HttpCalDavCollection collection(
        SyncAccount{mServer.collectionUrl(QStringLiteral("big-listing")), QStringLiteral("alice"), {}}, password);
    // 40,000 events take about 8 MB, twice what any other answer may be.
    collection.setAnswerLimits(4 * 1024 * 1024, 4 * 1024 * 1024);
    const auto [listed, resources] = listResources(collection);
    QVERIFY2(!listed.failed(), qPrintable(listed.words));
    QCOMPARE(resources.size(), size_t(40000));
    QCOMPARE(resources.back().href, QStringLiteral("/big-listing/calendar/event-039999.ics"));
    QCOMPARE(resources.back().etag, QByteArray("\"etag-039999-0123456789abcdef0123456789abcdef\""));

    const auto [changed, changes] = changesSince(collection, "http://example.org/sync/1");
    QVERIFY2(!changed.failed(), qPrintable(changed.words));
    QCOMPARE(changes.changed.size(), size_t(40000));
    QCOMPARE(changes.newSyncToken, QByteArray("http://example.org/sync/big"));

    // The listing's own bound still holds.
    collection.setListingLimit(1024 * 1024);
    const CalDavFailure capped = std::get<0>(listResources(collection));
    QCOMPARE(capped.kind, Kind::TooLarge);
    QVERIFY2(capped.words.contains(QStringLiteral("larger than 1 MB")), qPrintable(capped.words));
}

QTEST_GUILESS_MAIN(TestCalDavFaults)
#include "test_caldav_faults.moc"
