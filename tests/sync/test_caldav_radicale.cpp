// HttpCalDavCollection against a real Radicale over TLS: every request a
// sync makes, the preconditions that keep two writers from overwriting each
// other, a server that goes away and comes back, and accepting a server's
// certificate by its fingerprint.

#include "sync/HttpCalDavCollection.h"
#include "sync/LastModifiedCheck.h"
#include "tests/sync/CalDavCalls.h"
#include "tests/support/RadicaleServer.h"

#include <QtTest>

using namespace vestrona;
using namespace vestrona::test;
using Kind = CalDavFailure::Kind;

namespace {

const QString user = QStringLiteral("alice");
const QString password = QStringLiteral("correct horse");

QByteArray eventText(const QString &uid, const QString &summary)
{
    return QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Vestrona test//EN\r\n"
                          "BEGIN:VEVENT\r\nUID:%1\r\nDTSTAMP:20260101T000000Z\r\n"
                          "DTSTART:20260301T090000Z\r\nSUMMARY:%2\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
        .arg(uid, summary)
        .toUtf8();
}

bool lists(const std::vector<CalDavResource> &resources, const QString &href, const QByteArray &etag)
{
    return std::any_of(resources.begin(), resources.end(),
                       [&](const CalDavResource &r) { return r.href == href && r.etag == etag; });
}

} // namespace

class TestCalDavRadicale : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void probeReportsWhatTheCollectionOffers();
    void collectionTimeMovesWithItsEvents();
    void createChangeFetchAndRemoveGuardEachOther();
    void changesSinceTokenNameChangedAndRemoved();
    void unknownTokenAsksForAFullListing();
    void wrongPasswordIsNamedWithoutThePassword();
    void stoppedServerIsUnreachableUntilItReturns();
    void certificateIsTrustedOnlyWhenAcceptedExactly_data();
    void certificateIsTrustedOnlyWhenAcceptedExactly();

private:
    SyncAccount account(const QString &acceptedCertificate) const
    {
        return SyncAccount{mCalendar, user, acceptedCertificate};
    }

    RadicaleServer mServer;
    QUrl mCalendar;
};

void TestCalDavRadicale::initTestCase()
{
    const QString started = mServer.start();
    QVERIFY2(started.isEmpty(), qPrintable(started));
    const QString added = mServer.addUser(user, password);
    QVERIFY2(added.isEmpty(), qPrintable(added));
    const QString created = mServer.createCalendar(user, password, QStringLiteral("reminders"), mCalendar);
    QVERIFY2(created.isEmpty(), qPrintable(created));
}

void TestCalDavRadicale::probeReportsWhatTheCollectionOffers()
{
    HttpCalDavCollection collection(account(mServer.certificateFingerprint()), password);
    QCOMPARE(collection.collectionPath(), QStringLiteral("/alice/reminders/"));
    const auto [failed, info] = probe(collection);
    QVERIFY2(!failed.failed(), qPrintable(failed.words));
    QVERIFY(info.supportsSyncCollection);
    QVERIFY(!info.syncToken.isEmpty());

    // The user's home is a collection, but not a calendar.
    SyncAccount home = account(mServer.certificateFingerprint());
    home.url = mServer.url().resolved(QUrl(QStringLiteral("/alice/")));
    HttpCalDavCollection notACalendar(home, password);
    QCOMPARE(std::get<0>(probe(notACalendar)).kind, Kind::NotFound);
}

// What lets an unchanged sync ask Radicale for the collection's time alone:
// a time the sync can read, which a new event moves.
void TestCalDavRadicale::collectionTimeMovesWithItsEvents()
{
    SyncAccount times = account(mServer.certificateFingerprint());
    const QString created = mServer.createCalendar(user, password, QStringLiteral("times"), times.url);
    QVERIFY2(created.isEmpty(), qPrintable(created));
    HttpCalDavCollection collection(times, password);
    QTest::qWait(2100);
    const auto [failed, before] = probe(collection, CalDavProbe::WithoutToken);
    QVERIFY2(!failed.failed(), qPrintable(failed.words));
    QVERIFY(before.supportsSyncCollection);
    QVERIFY(before.syncToken.isEmpty());
    QCOMPARE(LastModifiedCheck::settledTime(before), before.lastModified);
    QVERIFY(!before.lastModified.isEmpty());

    const auto [stored, etag] = put(collection, collection.collectionPath() + QStringLiteral("gym.ics"),
                                    eventText(QStringLiteral("gym-1"), QStringLiteral("Gym")), {});
    QVERIFY2(!stored.failed(), qPrintable(stored.words));
    const CalDavCollectionInfo after = std::get<1>(probe(collection, CalDavProbe::WithoutToken));
    QVERIFY2(!after.lastModified.isEmpty() && after.lastModified != before.lastModified,
             after.lastModified.constData());
    QVERIFY(LastModifiedCheck::settledTime(after).isEmpty());
}

void TestCalDavRadicale::createChangeFetchAndRemoveGuardEachOther()
{
    HttpCalDavCollection collection(account(mServer.certificateFingerprint()), password);
    // A space and a non-ASCII letter travel percent-encoded both ways.
    const QString href = collection.collectionPath() + QStringLiteral("pay rent é.ics");

    const auto [created, etag] = put(collection, href, eventText(QStringLiteral("rent-1"), QStringLiteral("Pay rent")), {});
    QVERIFY2(!created.failed(), qPrintable(created.words));
    QVERIFY(!etag.isEmpty());
    QCOMPARE(std::get<0>(put(collection, href, eventText(QStringLiteral("rent-1"), QStringLiteral("Twice")), {})).kind,
             Kind::PreconditionFailed);

    const auto [changed, newEtag] = put(collection, href, eventText(QStringLiteral("rent-1"), QStringLiteral("Pay the rent")), etag);
    QVERIFY2(!changed.failed(), qPrintable(changed.words));
    QVERIFY(newEtag != etag);
    QCOMPARE(std::get<0>(put(collection, href, eventText(QStringLiteral("rent-1"), QStringLiteral("Stale")), etag)).kind,
             Kind::PreconditionFailed);

    const auto [listFailed, resources] = listResources(collection);
    QVERIFY2(!listFailed.failed(), qPrintable(listFailed.words));
    QVERIFY(lists(resources, href, newEtag));

    const QString gone = collection.collectionPath() + QStringLiteral("never-there.ics");
    const auto [fetchFailed, objects] = fetch(collection, {href, gone});
    QVERIFY2(!fetchFailed.failed(), qPrintable(fetchFailed.words));
    QCOMPARE(objects.size(), std::size_t(1));
    QCOMPARE(objects[0].href, href);
    QCOMPARE(objects[0].etag, newEtag);
    QVERIFY(objects[0].calendarData.contains("SUMMARY:Pay the rent"));

    QCOMPARE(remove(collection, href, etag).kind, Kind::PreconditionFailed);
    const CalDavFailure removed = remove(collection, href, newEtag);
    QVERIFY2(!removed.failed(), qPrintable(removed.words));
    QVERIFY(std::get<1>(fetch(collection, {href})).empty());
    QCOMPARE(remove(collection, href, newEtag).kind, Kind::NotFound);
}

void TestCalDavRadicale::changesSinceTokenNameChangedAndRemoved()
{
    HttpCalDavCollection collection(account(mServer.certificateFingerprint()), password);
    const QString kept = collection.collectionPath() + QStringLiteral("kept.ics");
    const QString dropped = collection.collectionPath() + QStringLiteral("dropped.ics");
    const QByteArray droppedEtag = std::get<1>(put(collection, dropped, eventText(QStringLiteral("dropped"), QStringLiteral("Dropped")), {}));
    const auto [startFailed, start] = changesSince(collection, {});
    QVERIFY2(!startFailed.failed(), qPrintable(startFailed.words));
    QVERIFY(!start.newSyncToken.isEmpty());
    QVERIFY(std::any_of(start.changed.begin(), start.changed.end(), [&](const CalDavResource &r) { return r.href == dropped; }));

    const QByteArray keptEtag = std::get<1>(put(collection, kept, eventText(QStringLiteral("kept"), QStringLiteral("Kept")), {}));
    QVERIFY(!remove(collection, dropped, droppedEtag).failed());

    const auto [failed, changes] = changesSince(collection, start.newSyncToken);
    QVERIFY2(!failed.failed(), qPrintable(failed.words));
    QVERIFY(!changes.tokenExpired);
    QCOMPARE(changes.changed.size(), std::size_t(1));
    QCOMPARE(changes.changed[0].href, kept);
    QCOMPARE(changes.changed[0].etag, keptEtag);
    QCOMPARE(changes.removed, std::vector<QString>{dropped});
    QVERIFY(changes.newSyncToken != start.newSyncToken);

    const auto [quietFailed, quiet] = changesSince(collection, changes.newSyncToken);
    QVERIFY(!quietFailed.failed());
    QVERIFY(quiet.changed.empty() && quiet.removed.empty());
}

void TestCalDavRadicale::unknownTokenAsksForAFullListing()
{
    HttpCalDavCollection collection(account(mServer.certificateFingerprint()), password);
    const auto [failed, changes] = changesSince(collection, "http://radicale.org/ns/sync/0000000000000000000000000000000000000000");
    QVERIFY2(!failed.failed(), qPrintable(failed.words));
    QVERIFY(changes.tokenExpired);
}

void TestCalDavRadicale::wrongPasswordIsNamedWithoutThePassword()
{
    const QString wrong = QStringLiteral("Tr0ub4dor&3");
    HttpCalDavCollection collection(account(mServer.certificateFingerprint()), wrong);
    const CalDavFailure failed = std::get<0>(probe(collection));
    QCOMPARE(failed.kind, Kind::Unauthorized);
    QCOMPARE(failed.words, QStringLiteral("The calendar server did not accept the user name or password."));
}

void TestCalDavRadicale::stoppedServerIsUnreachableUntilItReturns()
{
    HttpCalDavCollection collection(account(mServer.certificateFingerprint()), password);
    const QString href = collection.collectionPath() + QStringLiteral("survives.ics");
    QVERIFY(!std::get<0>(put(collection, href, eventText(QStringLiteral("survives"), QStringLiteral("Survives")), {})).failed());

    mServer.stop();
    const CalDavFailure failed = std::get<0>(probe(collection));
    QCOMPARE(failed.kind, Kind::Unreachable);
    QVERIFY2(failed.words.contains(mServer.url().host() + QLatin1Char(':') + QString::number(mServer.url().port())),
             qPrintable(failed.words));

    const QString restarted = mServer.restart();
    QVERIFY2(restarted.isEmpty(), qPrintable(restarted));
    QVERIFY(!std::get<0>(probe(collection)).failed());
    QCOMPARE(std::get<1>(fetch(collection, {href})).size(), std::size_t(1));
}

void TestCalDavRadicale::certificateIsTrustedOnlyWhenAcceptedExactly_data()
{
    QTest::addColumn<RadicaleServer::Signer>("signer");
    QTest::newRow("signed by an unknown authority") << RadicaleServer::Signer::ThrowAwayAuthority;
    QTest::newRow("self-signed") << RadicaleServer::Signer::Itself;
}

void TestCalDavRadicale::certificateIsTrustedOnlyWhenAcceptedExactly()
{
    QFETCH(RadicaleServer::Signer, signer);
    RadicaleServer server;
    QString failedStep = server.renewCertificate(signer);
    QVERIFY2(failedStep.isEmpty(), qPrintable(failedStep));
    failedStep = server.start();
    QVERIFY2(failedStep.isEmpty(), qPrintable(failedStep));
    QVERIFY(server.addUser(user, password).isEmpty());
    QUrl calendar;
    failedStep = server.createCalendar(user, password, QStringLiteral("pinned"), calendar);
    QVERIFY2(failedStep.isEmpty(), qPrintable(failedStep));
    const QString firstFingerprint = server.certificateFingerprint();

    HttpCalDavCollection untrusted(SyncAccount{calendar, user, {}}, password);
    const CalDavFailure refused = std::get<0>(probe(untrusted));
    QCOMPARE(refused.kind, Kind::Certificate);
    QCOMPARE(refused.certificateFingerprint, firstFingerprint);

    HttpCalDavCollection accepted(SyncAccount{calendar, user, firstFingerprint.toLower()}, password);
    const CalDavFailure works = std::get<0>(probe(accepted));
    QVERIFY2(!works.failed(), qPrintable(works.words));

    // Another certificate for the same name is a different server as far
    // as the user knows: asked again.
    QVERIFY(server.renewCertificate(signer).isEmpty());
    QVERIFY(server.restart().isEmpty());
    HttpCalDavCollection replaced(SyncAccount{calendar, user, firstFingerprint}, password);
    const CalDavFailure refusedAgain = std::get<0>(probe(replaced));
    QCOMPARE(refusedAgain.kind, Kind::Certificate);
    QCOMPARE(refusedAgain.certificateFingerprint, server.certificateFingerprint());
    QVERIFY(refusedAgain.certificateFingerprint != firstFingerprint);

    // Accepting a certificate vouches for it, not for a name it was not made for.
    QVERIFY(server.renewCertificate(signer, QStringLiteral("calendar.example.org")).isEmpty());
    QVERIFY(server.restart().isEmpty());
    HttpCalDavCollection wrongName(SyncAccount{calendar, user, server.certificateFingerprint()}, password);
    const CalDavFailure refusedName = std::get<0>(probe(wrongName));
    QCOMPARE(refusedName.kind, Kind::Certificate);
    QCOMPARE(refusedName.certificateFingerprint, server.certificateFingerprint());
}

QTEST_GUILESS_MAIN(TestCalDavRadicale)
#include "test_caldav_radicale.moc"
