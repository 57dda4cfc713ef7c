// The record the scheduler keeps in the settings: what start-up makes of it,
// and that a settings file that cannot be written never stops the alarm.
#include "scheduler/AlarmRecord.h"

#include "core/AppError.h"

#include "tests/support/FakeClock.h"
#include "tests/support/Fakes.h"

#include <QTest>

using namespace vestrona;
using namespace vestrona::test;

namespace {

const QDateTime kNow(QDate(2026, 12, 7), QTime(9, 0), Qt::LocalTime);
const QString kSeenUpTo = QStringLiteral("SeenUpTo");

QString stored(const QDateTime &moment)
{
    return moment.toUTC().toString(Qt::ISODateWithMs);
}

class UnwritableSettings final : public SettingsStore {
public:
    QString GetSetting(const QString &, const QString &defaultValue) const override { return defaultValue; }
    void SaveSetting(const QString &key, const QString &) override
    {
        ++attempts;
        throw AppError(QStringLiteral("The setting %1 could not be saved.").arg(key));
    }
    int attempts = 0;
};

} // namespace

class TestAlarmRecord : public QObject {
    Q_OBJECT

private slots:
    void restoreTrustsOnlyAPastRecord_data()
    {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QDateTime>("seenUpTo");
        QTest::addColumn<bool>("catchUp");
        QTest::addColumn<QString>("storedAfter");

        const QString none;
        QTest::newRow("no record starts now") << none << kNow << false << stored(kNow);
        QTest::newRow("a damaged one starts now") << "yesterday" << kNow << false << stored(kNow);
        // What it covers was handled before the clock went back.
        QTest::newRow("one an hour ahead of the clock is kept")
            << stored(kNow.addSecs(3600)) << kNow.addSecs(3600) << false << stored(kNow.addSecs(3600));
        QTest::newRow("one days ahead of the clock starts now")
            << stored(kNow.addDays(3)) << kNow << false << stored(kNow);
        QTest::newRow("one an hour ago is caught up")
            << stored(kNow.addSecs(-3600)) << kNow.addSecs(-3600) << true << stored(kNow.addSecs(-3600));
        QTest::newRow("one of this very moment has nothing to catch up")
            << stored(kNow) << kNow << false << stored(kNow);
    }

    void restoreTrustsOnlyAPastRecord()
    {
        QFETCH(QString, saved);
        QFETCH(QDateTime, seenUpTo);
        QFETCH(bool, catchUp);
        QFETCH(QString, storedAfter);
        MemorySettings settings;
        if (!saved.isNull())
            settings.values.insert(kSeenUpTo, saved);
        const FakeClock clock(kNow);
        AlarmRecord record(settings, clock);
        QCOMPARE(record.restore(), catchUp);
        QCOMPARE(record.seenUpTo(), seenUpTo);
        QCOMPARE(settings.values.value(kSeenUpTo), storedAfter);
    }

    void neverMovesBack()
    {
        MemorySettings settings;
        FakeClock clock(kNow);
        AlarmRecord record(settings, clock);
        record.restore();
        record.accountUpTo(kNow.addSecs(-60));
        record.accountIdleUpTo(kNow.addSecs(-30));
        QCOMPARE(record.seenUpTo(), kNow);
    }

    // The record only has to be close: a failed write costs at worst a
    // reminder reported twice, so nothing is thrown at the alarm.
    void unwritableSettingsAreQuiet()
    {
        UnwritableSettings settings;
        FakeClock clock(kNow);
        AlarmRecord record(settings, clock);
        QVERIFY(!record.restore());
        record.save();
        record.saveSnooze({kNow.addSecs(300), {{1, QStringLiteral("tea")}}});
        clock.advanceSeconds(600);
        record.accountIdleUpTo(clock.now());
        QCOMPARE(record.seenUpTo(), clock.now());
        QCOMPARE(settings.attempts, 4);
    }
};

QTEST_GUILESS_MAIN(TestAlarmRecord)
#include "test_alarm_record.moc"
