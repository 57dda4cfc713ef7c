// Finding the calendar behind the address a user gives, against a real
// Radicale: the server's root, the user's principal and the calendar's own
// address all end at the same calendar; a user with several calendars gets
// them all to choose from.

#include "sync/CalendarDiscovery.h"
#include "tests/support/AwaitDone.h"
#include "tests/support/RadicaleServer.h"

#include <QtTest>

using namespace vestrona;
using namespace vestrona::test;
using Kind = CalDavFailure::Kind;

namespace {

const QString password = QStringLiteral("correct horse");

std::tuple<CalDavFailure, std::vector<DiscoveredCalendar>> discover(const QUrl &address, const QString &user,
                                                                   const QString &password, const QString &fingerprint)
{
    CalendarDiscovery discovery(SyncAccount{address, user, fingerprint}, password);
    if (auto got = awaitDone<CalDavFailure, std::vector<DiscoveredCalendar>>(
            [&](auto done) { discovery.discover(done); }))
        return *got;
    return {CalDavFailure{Kind::Timeout, QStringLiteral("discovery never finished"), {}}, {}};
}

QStringList shown(const std::vector<DiscoveredCalendar> &calendars)
{
    QStringList lines;
    for (const DiscoveredCalendar &calendar : calendars)
        lines << calendar.displayName + QLatin1Char(' ') + calendar.url.toString();
    return lines;
}

} // namespace

class TestCalendarDiscovery : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyAddressEndsAtTheCalendar_data();
    void everyAddressEndsAtTheCalendar();
    void severalCalendarsAreAllOffered();
    void failuresEndTheSearch_data();
    void failuresEndTheSearch();

private:
    RadicaleServer mServer;
    QUrl mAliceCalendar;
    QUrl mBobWork;
    QUrl mBobHome;
};

void TestCalendarDiscovery::initTestCase()
{
    QString failed = mServer.start();
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    for (const QString &user : {QStringLiteral("alice"), QStringLiteral("bob"), QStringLiteral("carol")}) {
        failed = mServer.addUser(user, password);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
    failed = mServer.createCalendar(QStringLiteral("alice"), password, QStringLiteral("reminders"), mAliceCalendar,
                                    QStringLiteral("Reminders"));
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    failed = mServer.createCalendar(QStringLiteral("bob"), password, QStringLiteral("work"), mBobWork,
                                    QStringLiteral("Work & travel"));
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    failed = mServer.createCalendar(QStringLiteral("bob"), password, QStringLiteral("home"), mBobHome,
                                    QStringLiteral("Home"));
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
}

void TestCalendarDiscovery::everyAddressEndsAtTheCalendar_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("server") << "/";
    QTest::newRow("server, no slash") << "";
    QTest::newRow("principal") << "/alice/";
    QTest::newRow("calendar") << "/alice/reminders/";
    QTest::newRow("calendar, no slash") << "/alice/reminders";
}

void TestCalendarDiscovery::everyAddressEndsAtTheCalendar()
{
    QFETCH(QString, path);
    QUrl address = mServer.url();
    address.setPath(path);
    const auto [failed, calendars] = discover(address, QStringLiteral("alice"), password, mServer.certificateFingerprint());
    QVERIFY2(!failed.failed(), qPrintable(failed.words));
    QCOMPARE(shown(calendars), QStringList{QStringLiteral("Reminders ") + mAliceCalendar.toString()});
}

void TestCalendarDiscovery::severalCalendarsAreAllOffered()
{
    const auto [failed, calendars] =
        discover(mServer.url(), QStringLiteral("bob"), password, mServer.certificateFingerprint());
    QVERIFY2(!failed.failed(), qPrintable(failed.words));
    QCOMPARE(shown(calendars),
             QStringList({QStringLiteral("Home ") + mBobHome.toString(),
                          QStringLiteral("Work & travel ") + mBobWork.toString()}));
}

void TestCalendarDiscovery::failuresEndTheSearch_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("acceptCertificate");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("words");
    QTest::newRow("wrong password") << "alice" << "Wr0ng" << true << Kind::Unauthorized << "did not accept";
    QTest::newRow("certificate not accepted") << "alice" << password << false << Kind::Certificate << "not trusted";
    QTest::newRow("no calendar yet") << "carol" << password << true << Kind::NotFound << "no calendar for this user";
}

void TestCalendarDiscovery::failuresEndTheSearch()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(bool, acceptCertificate);
    QFETCH(Kind, kind);
    QFETCH(QString, words);
    const auto [failed, calendars] =
        discover(mServer.url(), user, password, acceptCertificate ? mServer.certificateFingerprint() : QString());
    QCOMPARE(failed.kind, kind);
    QVERIFY2(failed.words.contains(words), qPrintable(failed.words));
    QVERIFY(calendars.empty());
}

QTEST_GUILESS_MAIN(TestCalendarDiscovery)
#include "test_calendar_discovery.moc"
