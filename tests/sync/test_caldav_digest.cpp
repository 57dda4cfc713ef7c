// HttpCalDavCollection through a web server that asks for HTTP Digest
// (Debian's lighttpd with mod_auth) in front of a real Radicale: the right
// password syncs, a wrong one ends as Unauthorized instead of asking again
// and again.

#include "sync/HttpCalDavCollection.h"
#include "tests/support/LighttpdFront.h"
#include "tests/support/RadicaleServer.h"
#include "tests/sync/CalDavCalls.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace vestrona;
using namespace vestrona::test;
using Kind = CalDavFailure::Kind;

namespace {

const QString user = QStringLiteral("alice");
const QString password = QStringLiteral("digest horse");

} // namespace

class TestCalDavDigest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void rightPasswordReadsAndWrites();
    void wrongPasswordEndsUnauthorized_data();
    void wrongPasswordEndsUnauthorized();

private:
    RadicaleServer mServer{RadicaleServer::Front::BehindProxy};
    LighttpdFront mProxy;
    QUrl mCalendar;
};

void TestCalDavDigest::initTestCase()
{
    QString failed = mServer.start();
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    QUrl direct;
    failed = mServer.createCalendar(user, password, QStringLiteral("reminders"), direct);
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    failed = mProxy.start(mServer.url(), user, password);
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    mCalendar = mProxy.url(direct.path());
}

void TestCalDavDigest::rightPasswordReadsAndWrites()
{
    HttpCalDavCollection collection(SyncAccount{mCalendar, user, {}}, password);
    const auto [probed, info] = probe(collection);
    QVERIFY2(!probed.failed(), qPrintable(probed.words));
    QVERIFY(info.supportsSyncCollection);

    const QString href = collection.collectionPath() + QStringLiteral("digest-1.ics");
    const QByteArray event = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Vestrona test//EN\r\nBEGIN:VEVENT\r\n"
                             "UID:digest-1\r\nDTSTAMP:20260101T000000Z\r\nDTSTART:20260301T090000Z\r\n"
                             "SUMMARY:Through Digest\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    const auto [stored, etag] = put(collection, href, event, {});
    QVERIFY2(!stored.failed(), qPrintable(stored.words));
    const auto [listed, resources] = listResources(collection);
    QVERIFY2(!listed.failed(), qPrintable(listed.words));
    QVERIFY(std::any_of(resources.begin(), resources.end(), [&](const CalDavResource &r) { return r.href == href; }));
    const auto [fetched, objects] = fetch(collection, {href});
    QVERIFY2(!fetched.failed(), qPrintable(fetched.words));
    QCOMPARE(objects.size(), size_t(1));
    QVERIFY(objects.front().calendarData.contains("Through Digest"));
}

void TestCalDavDigest::wrongPasswordEndsUnauthorized_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::newRow("wrong password") << user << QStringLiteral("Wr0ng-Pa55");
    QTest::newRow("unknown user") << QStringLiteral("mallory") << password;
}

void TestCalDavDigest::wrongPasswordEndsUnauthorized()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    HttpCalDavCollection collection(SyncAccount{mCalendar, user, {}}, password);
    QElapsedTimer clock;
    clock.start();
    // Twice: the second request starts with what the first one learnt.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const CalDavFailure failed = std::get<0>(probe(collection));
        QCOMPARE(failed.kind, Kind::Unauthorized);
        QVERIFY2(failed.words.contains(QStringLiteral("did not accept the user name or password")), qPrintable(failed.words));
        QVERIFY(!failed.words.contains(password));
    }
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
}

QTEST_GUILESS_MAIN(TestCalDavDigest)
#include "test_caldav_digest.moc"
