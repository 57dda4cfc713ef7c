// Run once per time zone: the generated rows crowd around the days the zone
// in TZ skips and repeats an hour.
#include "scheduler/NextReminder.h"
#include "database/Connection.h"

#include "tests/support/TempFolder.h"
#include "tests/support/TestDatabase.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTimeZone>

using namespace vestrona;

namespace {

// The days of `year` on which the system zone changes its offset; none in a
// zone without daylight-saving time.
QList<QDate> changeDays(int year)
{
    QList<QDate> days;
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QDateTime end(QDate(year + 1, 1, 1), QTime(0, 0), QTimeZone::utc());
    for (QTimeZone::OffsetData t = zone.nextTransition(QDateTime(QDate(year, 1, 1), QTime(0, 0), QTimeZone::utc()));
         t.atUtc.isValid() && t.atUtc < end; t = zone.nextTransition(t.atUtc))
        days << t.atUtc.toLocalTime().date();
    return days;
}

QString weekdaysText(QRandomGenerator &random)
{
    static const char *const pieces[] = {"Mon", "Tue", " Wed", "Thu", "Fri", "Sat", "Sun", " Sun ", "sat", "", "Wedn"};
    QStringList chosen;
    for (int n = random.bounded(4); n > 0; --n)
        chosen << QString::fromLatin1(pieces[random.bounded(int(std::size(pieces)))]);
    if (random.bounded(20) == 0)
        chosen << QString::fromUtf8("\u00a0Fri");
    return chosen.join(QLatin1Char(','));
}

} // namespace

class TestNextReminderRead : public QObject {
    Q_OBJECT

private slots:
    // The choice made from the numbers read straight from the file is the
    // choice made from the rows as the list reads them, for every moment,
    // ties and the hours the clocks skip or repeat included, and the damaged
    // rows met are the damaged rows of the table.
    void readingAsNumbersChoosesAsTheListedRows()
    {
        QRandomGenerator random(20261207);
        const test::TempFolder folder;
        const QString path = folder.file(QStringLiteral("dbReminders.mdb"));
        QVERIFY(test::makeDatabase(path));

        QList<QDate> days = changeDays(2026);
        days << QDate(2026, 12, 7) << QDate(2026, 2, 28);
        // Few distinct times and days, so that many rows are due together.
        const QTime times[] = {QTime(0, 0), QTime(1, 30), QTime(2, 0), QTime(2, 30), QTime(3, 0), QTime(9, 0),
                               QTime(23, 59, 59)};
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path);
        conn.beginTransaction();
        for (int i = 0; i < 3000; ++i) {
            const QDate day = days[random.bounded(int(days.size()))].addDays(random.bounded(-9, 3));
            const int option = random.bounded(12) == 0 ? random.bounded(4, 9) : random.bounded(1, 4);
            conn.insertReminder(option, day, times[random.bounded(int(std::size(times)))],
                                QStringLiteral("reminder %1").arg(i), weekdaysText(random));
        }
        conn.commit();
        conn.Close();
        test::rawSql(path, {QStringLiteral("update tblReminders set StartDate = '2026-02-30' where ID % 97 = 0"),
                            QStringLiteral("update tblReminders set StartTime = '7:00:00' where ID % 89 = 0"),
                            QStringLiteral("update tblReminders set Option = 2.5 where ID % 83 = 0"),
                            QStringLiteral("update tblReminders set StartTime = 900 where ID % 191 = 0")});
        conn.Open(path);

        const std::vector<ReminderRecord> listed = conn.orderedRows();
        const std::vector<ReminderRecord> damaged = conn.damagedRows();
        QVERIFY(!damaged.empty());
        const QString pattern = QStringLiteral("mm/dd/yyyy");
        const RegionalSettings regional = RegionalSettings::usEnglish();
        for (int n = 0; n < 200; ++n) {
            // Every half hour of the days around a change, and moments between.
            const QDate day = days[random.bounded(int(days.size()))].addDays(random.bounded(-8, 2));
            const qint64 seconds = n % 2 ? random.bounded(86400) : random.bounded(48) * 1800;
            const QDateTime now = QDateTime(day, QTime(0, 0)).addSecs(seconds);

            std::vector<qint64> damagedMet;
            const NextReminderChoice read = findNextReminder(
                conn, now, pattern, regional, [&damagedMet](const ReminderRecord &r) { damagedMet.push_back(r.ID); });
            const NextReminderChoice expected = chooseNextReminder(listed, now, pattern, regional);
            const QByteArray where = now.toString(Qt::ISODateWithMs).toUtf8();
            QVERIFY2(read.id == expected.id, where.constData());
            QCOMPARE(read.due, expected.due);
            QCOMPARE(read.alarmTime, expected.alarmTime);
            QCOMPARE(read.alarmText, expected.alarmText);

            std::sort(damagedMet.begin(), damagedMet.end());
            QCOMPARE(damagedMet.size(), damaged.size());
            for (size_t i = 0; i < damaged.size(); ++i)
                QCOMPARE(damagedMet[i], damaged[i].ID);
        }
    }
};

QTEST_GUILESS_MAIN(TestNextReminderRead)
#include "test_next_reminder_read.moc"
