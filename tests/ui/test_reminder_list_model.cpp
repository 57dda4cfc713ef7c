#include "database/Connection.h"
#include "formats/DateFormats.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDatabase.h"
#include "ui/ReminderListModel.h"

#include <QFile>
#include <QTest>

using namespace vestrona;
using vestrona::test::TempFolder;

namespace {

// What a reader can tell of a row, stored cells included.
QStringList describe(const ReminderRecord &r)
{
    QStringList cells{QString::number(r.ID), QString::number(r.Option), r.StartDate.toString(Qt::ISODate),
                      r.StartTime.toString(Qt::ISODate), r.Reminder, r.Weekdays};
    if (r.damaged)
        cells << QStringLiteral("damaged") << r.stored->option << r.stored->date << r.stored->time;
    return cells;
}

} // namespace

class TestReminderListModel : public QObject {
    Q_OBJECT

    TempFolder mFolder;
    QString mPath;
    test::FakeClock mClock;

private slots:
    void init()
    {
        QVERIFY(mFolder.isValid());
        qputenv("XDG_CACHE_HOME", QFile::encodeName(mFolder.file(QStringLiteral("cache"))));
        mPath = mFolder.file(QStringLiteral("%1-%2.mdb").arg(QLatin1String(QTest::currentTestFunction()), QLatin1String(QTest::currentDataTag())));
        QFile::remove(mPath);
        QVERIFY(test::makeDatabase(mPath));
        mClock = test::FakeClock();
    }

    // The packed rows give back exactly what the ordered select reads: every
    // message whatever its script, every weekday text as stored, damaged rows
    // with their cells, in the same order.
    void holdsWhatTheOrderedSelectReads_data()
    {
        QTest::addColumn<QStringList>("inserts");
        const QString head = QStringLiteral("insert into tblReminders (Option, StartDate, StartTime, Reminder, Weekdays) values ");
        QTest::newRow("same start, by ID")
            << QStringList{head + "(1, '2027-03-07', '10:00:00', 'second added', '')",
                           head + "(2, '2027-03-07', '10:00:00', 'third added', '')",
                           head + "(1, '2027-03-07', '09:59:59', 'first', '')"};
        QTest::newRow("messages beyond ASCII")
            << QStringList{head + "(1, '2027-03-08', '10:00:00', 'Café ☕ 日本語 🎂', '')",
                           head + "(1, '2027-03-07', '10:00:00', '', '')",
                           head + "(2, '2027-03-06', '10:00:00', 'two' || char(13, 10) || 'lines', '')"};
        QTest::newRow("weekday texts as stored")
            << QStringList{head + "(3, '2027-03-07', '10:00:00', 'a', ' Wed')",
                           head + "(3, '2027-03-08', '10:00:00', 'b', 'Mon, Wed,Fri')",
                           head + "(3, '2027-03-09', '10:00:00', 'c', ' Wed')",
                           head + "(1, '2027-03-10', '10:00:00', 'd', 'Sun')"};
        QTest::newRow("damaged rows among valid ones")
            << QStringList{head + "(2, '2027-03-07', '10:00:00', 'good', '')",
                           head + "(1.7, '2027-03-07', '10:00:00', 'fraction', 'Mon')",
                           head + "(1, '23.10.2012', '15:03:00', 'day first', '')",
                           head + "(2, '2027-03-01', '10:00', 'short time', '')"};
        // Every way a start can be unreadable, next to valid starts at the
        // edges of the day it falls on or the day before.
        // Pages read on from the page before and from an offset give the
        // same rows, damaged ones at their places among them.
        QStringList many;
        for (int i = 0; i < 400; ++i)
            many << head + QStringLiteral("(%1, '2027-03-%2', '%3:00:00', 'r%4', '')")
                               .arg(i % 97 == 5 ? QStringLiteral("'x'") : QString::number(1 + i % 3))
                               .arg(10 + i % 19)
                               .arg(i % 53 == 0 ? QStringLiteral("late") : QStringLiteral("%1").arg(i % 24, 2, 10, QLatin1Char('0')))
                               .arg(i);
        QTest::newRow("many pages") << many;
        QTest::newRow("damaged starts in the select's order")
            << QStringList{head + "(1, '2027-03-07', '00:00:00', 'midnight', '')",
                           head + "(1, '2027-03-06', '23:59:59', 'last second', '')",
                           head + "(1, '2027-03-07', 'noon', 'no time', '')",
                           head + "(1, 'soon', '08:00:00', 'no date', '')",
                           head + "(1, 'soon', 'noon', 'neither', '')",
                           head + "(1, 'later', '07:00:00', 'no date, earlier', '')",
                           head + "('x', '2027-03-07', '00:00:00', 'no option', '')",
                           head + "(1, 'soon', 'noon', 'neither again', '')"};
    }

    void holdsWhatTheOrderedSelectReads()
    {
        QFETCH(QStringList, inserts);
        test::rawSql(mPath, inserts);
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(mPath);
        ReminderListModel model(RegionalSettings::usEnglish(), mClock);
        model.load(conn, QString::fromLatin1(kMonthFirstPattern));
        model.showDamaged(conn.damagedRows());

        const std::vector<ReminderRecord> expected = conn.orderedRows();
        // The view is offered the rows a few screens at a time.
        while (model.canFetchMore({}))
            model.fetchMore({});
        QCOMPARE(model.rowCount(), int(expected.size()));
        // From the end first, as a scroll bar dragged down reads, then on
        // from the start.
        for (int row = model.rowCount() - 1; row >= 0; --row)
            QCOMPARE(describe(model.record(row)), describe(expected[size_t(row)]));
        model.load(conn, QString::fromLatin1(kMonthFirstPattern));
        for (int row = 0; row < int(expected.size()); ++row) {
            QCOMPARE(describe(model.record(row)), describe(expected[size_t(row)]));
            QCOMPARE(model.rowOf(expected[size_t(row)].ID), row);
            for (int column = 0; column < ListColumnCount; ++column)
                QCOMPARE(model.cellText(row, column),
                         listCellText(expected[size_t(row)], column, model.datePattern(), RegionalSettings::usEnglish()));
        }
    }

    // A reload lists what another program changed: a damaged row stays
    // listed while it stays damaged, a mended one moves to its start.
    void reloadFollowsChangesOutside()
    {
        test::rawSql(mPath, {"insert into tblReminders (ID, Option, StartDate, StartTime, Reminder, Weekdays) values "
                             "(7, 3, '2027-03-07', '10:00:00', 'weekly', ' Wed'), "
                             "(5, 1, 'bad', '10:00:00', 'stays damaged', ''), "
                             "(3, 1, '2027-03-01', '08:00:00', 'first', ''), "
                             "(9, 2, '2027-03-07', 'noon', 'mended', '')"});
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(mPath);
        ReminderListModel model(RegionalSettings::usEnglish(), mClock);
        model.load(conn, QString::fromLatin1(kMonthFirstPattern));
        model.showDamaged(conn.damagedRows());
        QCOMPARE(model.rowOf(9), 2);

        test::rawSql(mPath, {"update tblReminders set StartTime = '23:00:00' where ID = 9",
                             "delete from tblReminders where ID = 3",
                             "insert into tblReminders (ID, Option, StartDate, StartTime, Reminder, Weekdays) values "
                             "(11, 1, '2027-03-07', '09:00:00', 'added', '')"});
        model.load(conn, QString::fromLatin1(kMonthFirstPattern));
        QStringList listed;
        for (int row = 0; row < model.rowCount(); ++row)
            listed << model.record(row).Reminder;
        QCOMPARE(listed, (QStringList{"stays damaged", "added", "weekly", "mended"}));
        QCOMPARE(model.rowOf(3), std::nullopt);
        QCOMPARE(model.rowOf(5), 0);
    }

    // Far more weekday texts than are shared are still each kept as stored.
    void keepsEveryWeekdayTextOfALongList()
    {
        QStringList inserts;
        for (int i = 0; i < 600; ++i)
            inserts << QStringLiteral("insert into tblReminders (Option, StartDate, StartTime, Reminder, Weekdays) "
                                      "values (3, '2027-03-07', '10:00:00', 'r%1', 'Mon,%1')")
                           .arg(i % 300);
        test::rawSql(mPath, inserts);
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(mPath);
        ReminderListModel model(RegionalSettings::usEnglish(), mClock);
        model.load(conn, QString::fromLatin1(kMonthFirstPattern));

        for (int row = 0; row < 600; ++row) {
            const ReminderRecord r = model.record(row);
            QCOMPARE(r.Weekdays, QStringLiteral("Mon,") + r.Reminder.mid(1));
        }
    }

    // A rule is listed by its summary, read with its page; one that will not
    // ring again says it has ended, until the clock is set back before its end.
    void rulesAreListedBySummaryAndEnd()
    {
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(mPath);
        const auto add = [&conn](const QDate &start, const char *message, const char *rule) {
            ReminderValues values;
            values.option = OptionRule;
            values.date = start;
            values.time = QTime(9, 0);
            values.message = QString::fromLatin1(message);
            values.repeat.rule = QString::fromLatin1(rule);
            conn.insertReminder(values);
        };
        add(QDate(2026, 1, 1), "rent", "FREQ=MONTHLY;BYMONTHDAY=1");
        add(QDate(2026, 1, 2), "pills", "FREQ=DAILY;COUNT=10");
        ReminderListModel model(RegionalSettings::usEnglish(), mClock);
        model.load(conn, QString::fromLatin1(kMonthFirstPattern));
        QCOMPARE(model.cellText(0, OptionColumn), QStringLiteral("Every month on day 1"));
        QCOMPARE(model.cellText(1, OptionColumn), QStringLiteral("Every day, 10 times, ended"));

        mClock.set(QDateTime(QDate(2026, 1, 5), QTime(9, 0)));
        model.load(conn, QString::fromLatin1(kMonthFirstPattern));
        QCOMPARE(model.cellText(1, OptionColumn), QStringLiteral("Every day, 10 times"));
    }
};

QTEST_GUILESS_MAIN(TestReminderListModel)
#include "test_reminder_list_model.moc"
