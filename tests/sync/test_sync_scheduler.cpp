// When syncs run: a moment after start, once after a burst of local changes,
// periodically, at once on "Sync now"; never two at once; failures retried
// with a growing pause and said once when they last over an hour; a wrong
// password or an untrusted certificate waits for the user.
#include "sync/SyncScheduler.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeSyncer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace vestrona;
using namespace vestrona::test;
using namespace std::chrono_literals;

namespace {

SyncScheduler::Timing shortTiming()
{
    SyncScheduler::Timing timing;
    timing.afterStart = 60ms;
    timing.afterChange = 150ms;
    timing.period = 400ms;
    timing.firstRetry = 40ms;
    timing.longestRetry = 150ms;
    timing.failingTooLong = 1h;
    return timing;
}

struct Harness {
    FakeClock clock;
    FakeSyncer syncer;
    SyncScheduler scheduler{syncer, clock, shortTiming()};
};

SyncReport synced()
{
    SyncReport report;
    report.uploaded = 1;
    return report;
}

} // namespace

Q_DECLARE_METATYPE(CalDavFailure::Kind)

class TestSyncScheduler : public QObject {
    Q_OBJECT

private slots:
    void firstSyncAfterStartThenPeriodically()
    {
        Harness h;
        QElapsedTimer elapsed;
        elapsed.start();
        h.scheduler.start();
        QCOMPARE(h.syncer.started, 0);
        QTRY_COMPARE(h.syncer.started, 1);
        QVERIFY(elapsed.elapsed() >= 60);
        h.syncer.finish(synced());
        elapsed.restart();
        QTRY_COMPARE(h.syncer.started, 2);
        QVERIFY(elapsed.elapsed() >= 400);
        h.scheduler.stop();
        h.syncer.finish(synced());
        QTest::qWait(500);
        QCOMPARE(h.syncer.started, 2);
    }

    void burstOfChangesIsOneSync()
    {
        Harness h;
        h.scheduler.start();
        QTRY_COMPARE(h.syncer.started, 1);
        h.syncer.finish(synced());
        QElapsedTimer elapsed;
        elapsed.start();
        for (int i = 0; i < 5; ++i) {
            h.scheduler.localChange();
            QTest::qWait(40);
        }
        QCOMPARE(h.syncer.started, 1);
        QTRY_COMPARE(h.syncer.started, 2);
        // Counted from the last change, and long before the period.
        QVERIFY(elapsed.elapsed() >= 4 * 40 + 150);
        QVERIFY(elapsed.elapsed() < 4 * 40 + 400);
        QTest::qWait(200);
        QCOMPARE(h.syncer.started, 2);
    }

    void neverTwoAtOnce()
    {
        Harness h;
        h.scheduler.start();
        h.scheduler.syncNow();
        QCOMPARE(h.syncer.started, 1);
        h.scheduler.syncNow();
        h.scheduler.localChange();
        QTest::qWait(300);
        QCOMPARE(h.syncer.started, 1);
        // What was asked for meanwhile runs once, right after.
        h.syncer.finish(synced());
        QTRY_COMPARE(h.syncer.started, 2);
        h.syncer.finish(synced());
        QTest::qWait(200);
        QCOMPARE(h.syncer.started, 2);
        QCOMPARE(h.syncer.overlapping, 0);
    }

    void failuresBackOff()
    {
        Harness h;
        h.scheduler.start();
        h.scheduler.syncNow();
        for (const auto expected : {40ms, 80ms, 150ms, 150ms}) {
            const int before = h.syncer.started;
            h.syncer.fail(CalDavFailure::Kind::Unreachable);
            QVERIFY(h.scheduler.isDue());
            // A coarse timer may fire up to 5 % late.
            QVERIFY2(h.scheduler.dueIn() <= expected * 21 / 20 && h.scheduler.dueIn() > expected * 3 / 4,
                     qPrintable(QStringLiteral("next try in %1 ms").arg(h.scheduler.dueIn().count())));
            // A local change neither hurries nor postpones the retry.
            h.scheduler.localChange();
            QVERIFY(h.scheduler.dueIn() <= expected * 21 / 20);
            QTRY_COMPARE(h.syncer.started, before + 1);
        }
        h.syncer.finish(synced());
        h.scheduler.syncNow();
        h.syncer.fail(CalDavFailure::Kind::Timeout);
        QVERIFY(h.scheduler.dueIn() <= 42ms);
    }

    void failingForAnHourIsSaidOnce()
    {
        Harness h;
        QSignalSpy said(&h.scheduler, &SyncScheduler::failingLong);
        const auto failAfterMinutes = [&](int minutes) {
            h.clock.advanceSeconds(minutes * 60);
            h.scheduler.syncNow();
            h.syncer.fail(CalDavFailure::Kind::Unreachable);
        };
        failAfterMinutes(0);
        failAfterMinutes(30);
        failAfterMinutes(29);
        QCOMPARE(said.size(), 0);
        failAfterMinutes(2);
        QCOMPARE(said.size(), 1);
        QCOMPARE(said.first().first().value<SyncReport>().failure,
                 QStringLiteral("The calendar server dav.example.org cannot be reached."));
        failAfterMinutes(30);
        failAfterMinutes(30);
        QCOMPARE(said.size(), 1);

        // A success ends the stretch; the next one is said again.
        h.scheduler.syncNow();
        h.syncer.finish(synced());
        failAfterMinutes(0);
        failAfterMinutes(59);
        QCOMPARE(said.size(), 1);
        failAfterMinutes(2);
        QCOMPARE(said.size(), 2);
    }

    void waitsForTheUser_data()
    {
        QTest::addColumn<CalDavFailure::Kind>("kind");
        QTest::addColumn<QString>("fingerprint");
        // The calendar lost most of what it held: the user answers how on.
        QTest::addColumn<bool>("emptied");
        QTest::newRow("wrong-password") << CalDavFailure::Kind::Unauthorized << QString() << false;
        QTest::newRow("untrusted-certificate") << CalDavFailure::Kind::Certificate << QStringLiteral("AB:CD") << false;
        QTest::newRow("emptied-calendar") << CalDavFailure::Kind::None << QString() << true;
    }
    void waitsForTheUser()
    {
        QFETCH(CalDavFailure::Kind, kind);
        QFETCH(QString, fingerprint);
        QFETCH(bool, emptied);
        Harness h;
        const auto failAgain = [&] {
            if (!emptied)
                return h.syncer.fail(kind, fingerprint);
            SyncReport report;
            report.outcome = SyncReport::Outcome::Failed;
            report.serverEmptied = true;
            h.syncer.finish(report);
        };
        h.scheduler.start();
        QTRY_COMPARE(h.syncer.started, 1);
        failAgain();
        QVERIFY(h.scheduler.waitingForUser());
        h.scheduler.localChange();
        QTest::qWait(500);
        QCOMPARE(h.syncer.started, 1);

        // "Sync now" tries again; failing again, it waits again. An answer
        // goes to that one sync.
        if (emptied)
            h.scheduler.syncNowAnswering(EmptiedCalendar::UploadAll);
        else
            h.scheduler.syncNow();
        QCOMPARE(h.syncer.started, 2);
        QCOMPARE(h.syncer.answers.back(), emptied ? EmptiedCalendar::UploadAll : EmptiedCalendar::Ask);
        failAgain();
        QVERIFY(!h.scheduler.isDue());

        // A changed account is tried soon, and the period follows again.
        h.scheduler.accountChanged();
        QVERIFY(!h.scheduler.waitingForUser());
        QTRY_COMPARE(h.syncer.started, 3);
        h.syncer.finish(synced());
        QTRY_COMPARE(h.syncer.started, 4);
    }
};

QTEST_GUILESS_MAIN(TestSyncScheduler)
#include "test_sync_scheduler.moc"
