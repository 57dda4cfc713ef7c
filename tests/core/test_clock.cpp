#include "core/Clock.h"
#include "tests/support/FakeClock.h"

#include <QTest>
#include <QTimer>

using namespace vestrona;

class TestClock : public QObject {
    Q_OBJECT

private slots:
    // The countdown and the database watcher share one wake-up just after
    // each second the clock shows: never inside the second they were armed
    // in, never a whole tick late, also across midnight.
    void timerStartsJustAfterTheNextSecond_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("expected");
        const QDate day(2026, 12, 7);
        QTest::newRow("on the second") << QDateTime(day, QTime(9, 0, 0)) << QDateTime(day, QTime(9, 0, 1, 1));
        QTest::newRow("just after") << QDateTime(day, QTime(9, 0, 0, 1)) << QDateTime(day, QTime(9, 0, 1, 1));
        QTest::newRow("mid-second") << QDateTime(day, QTime(9, 0, 0, 500)) << QDateTime(day, QTime(9, 0, 1, 1));
        QTest::newRow("just before") << QDateTime(day, QTime(9, 0, 0, 999)) << QDateTime(day, QTime(9, 0, 1, 1));
        QTest::newRow("midnight") << QDateTime(day, QTime(23, 59, 59, 999))
                                  << QDateTime(day.addDays(1), QTime(0, 0, 0, 1));
    }
    void timerStartsJustAfterTheNextSecond()
    {
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, expected);
        const test::FakeClock clock(now);
        QTimer timer;
        startAtNextSecond(timer, clock);
        QVERIFY(timer.isActive());
        QCOMPARE(now.addMSecs(timer.interval()), expected);
    }
};

QTEST_GUILESS_MAIN(TestClock)
#include "test_clock.moc"
