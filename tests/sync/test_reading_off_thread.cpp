// Served data is read off the calling thread: while a large listing, a large
// calendar-multiget or a huge calendar is read, the calling thread's event
// loop keeps turning, as the countdown and the alarm need it to.

#include "database/Connection.h"
#include "formats/RegionalSettings.h"
#include "sync/HttpCalDavCollection.h"
#include "sync/SyncEngine.h"
#include "tests/support/FakeCalDavCollection.h"
#include "tests/support/FaultServer.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDatabase.h"
#include "tests/sync/CalDavCalls.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QtTest>

#include <algorithm>

using namespace vestrona;
using namespace vestrona::test;

namespace {

// The longest the event loop went without turning while it was watched: a
// 10 ms timer, and the largest gap between its ticks.
class LoopWatch {
public:
    LoopWatch()
    {
        mTimer.setInterval(10);
        QObject::connect(&mTimer, &QTimer::timeout, [this] {
            mLongestGapMs = std::max(mLongestGapMs, mSinceTick.restart());
        });
        mSinceTick.start();
        mTimer.start();
    }
    qint64 longestGapMs() const { return std::max(mLongestGapMs, mSinceTick.elapsed()); }

private:
    QTimer mTimer;
    QElapsedTimer mSinceTick;
    qint64 mLongestGapMs = 0;
};

// A gap this long would make a pop-up visibly late.
constexpr qint64 kLongestGapAllowedMs = 200;

// One event whose time zone has `rules` daylight-saving rules: valid, and
// slow to read.
QByteArray eventWithHugeTimeZone(int rules)
{
    QByteArray zone = "BEGIN:VTIMEZONE\r\nTZID:Far/Away\r\n";
    for (int year = 0; year < rules; ++year) {
        const QByteArray start = QByteArray::number(1000 + year % 8000) + "0301T020000";
        zone += "BEGIN:DAYLIGHT\r\nDTSTART:" + start
            + "\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nTZNAME:FAS\r\nEND:DAYLIGHT\r\n";
    }
    zone += "END:VTIMEZONE\r\n";
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\n" + zone
        + "BEGIN:VEVENT\r\nUID:far-away\r\nDTSTAMP:20261201T000000Z\r\nDTSTART;TZID=Far/Away:20270105T093000\r\n"
          "SUMMARY:Far away\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

} // namespace

class TestReadingOffThread : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void largeAnswersLeaveTheLoopTurning_data();
    void largeAnswersLeaveTheLoopTurning();
    void hugeFetchedCalendarLeavesTheLoopTurning();

private:
    FaultServer mServer;
};

void TestReadingOffThread::initTestCase()
{
    const QString started = mServer.start();
    QVERIFY2(started.isEmpty(), qPrintable(started));
}

void TestReadingOffThread::largeAnswersLeaveTheLoopTurning_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<size_t>("items");
    QTest::newRow("listing of 40,000 events, read as it arrives") << QStringLiteral("big-listing") << size_t(40000);
    QTest::newRow("calendar-multiget of 17 MB, read whole") << QStringLiteral("big-multiget") << size_t(14000);
}

void TestReadingOffThread::largeAnswersLeaveTheLoopTurning()
{
    QFETCH(QString, mode);
    QFETCH(size_t, items);
    HttpCalDavCollection collection(SyncAccount{mServer.collectionUrl(mode), QStringLiteral("alice"), {}},
                                    QStringLiteral("s3cret"));
    LoopWatch watch;
    size_t got = 0;
    if (mode == QLatin1String("big-listing")) {
        const auto [failed, resources] = listResources(collection);
        QVERIFY2(!failed.failed(), qPrintable(failed.words));
        got = resources.size();
    } else {
        const auto [failed, objects] = fetch(collection, {QStringLiteral("/big-multiget/calendar/event-000000.ics")});
        QVERIFY2(!failed.failed(), qPrintable(failed.words));
        got = objects.size();
        QVERIFY(objects.back().calendarData.contains("SUMMARY:Event 013999"));
    }
    QCOMPARE(got, items);
    QVERIFY2(watch.longestGapMs() < kLongestGapAllowedMs,
             qPrintable(QStringLiteral("the event loop stood still for %1 ms").arg(watch.longestGapMs())));
}

void TestReadingOffThread::hugeFetchedCalendarLeavesTheLoopTurning()
{
    FakeCalDavCollection server;
    server.store(QStringLiteral("/alice/reminders/far-away.ics"), eventWithHugeTimeZone(60000));
    TempFolder folder;
    const QString database = folder.file(QStringLiteral("dbReminders.mdb"));
    QVERIFY(makeDatabase(database));
    Connection conn{RegionalSettings::usEnglish()};
    conn.Open(database);
    SyncEngine engine(server, conn, QStringLiteral("https://dav.example.org/alice/reminders/"));

    SyncReport report;
    QEventLoop loop;
    QObject::connect(&engine, &Syncer::finished, &loop, [&](const SyncReport &r) {
        report = r;
        loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    LoopWatch watch;
    engine.sync();
    loop.exec();

    QCOMPARE(report.outcome, SyncReport::Outcome::Synced);
    QCOMPARE(report.downloaded, 1);
    QCOMPARE(conn.orderedRows().size(), size_t(1));
    QCOMPARE(conn.orderedRows().front().Reminder, QStringLiteral("Far away"));
    QVERIFY2(watch.longestGapMs() < kLongestGapAllowedMs,
             qPrintable(QStringLiteral("the event loop stood still for %1 ms").arg(watch.longestGapMs())));
}

QTEST_GUILESS_MAIN(TestReadingOffThread)
#include "test_reading_off_thread.moc"
