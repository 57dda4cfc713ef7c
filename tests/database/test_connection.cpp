#include "core/AppError.h"
#include "database/Connection.h"
#include "database/EmptyDatabase.h"
#include "database/Statements.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDatabase.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <set>

#include <unistd.h>

#include <cstdio>

Q_DECLARE_METATYPE(vestrona::ReminderValues)

using namespace vestrona;
using vestrona::test::makeDatabase;
using vestrona::test::rawSql;
using vestrona::test::TempFolder;

namespace {

const QString kInsertHead = QStringLiteral(
    "insert into tblReminders ([Option],[StartDate],[StartTime],[Reminder],[Weekdays]) values (");

QString quoted(QString text)
{
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

QString insertText(int option, const QString &date, const QString &time, const QString &message,
                   const QString &weekdays = QString())
{
    return kInsertHead + QString::number(option) + ",#" + date + "#,#" + time + "#," + quoted(message) + ","
           + quoted(weekdays) + ")";
}

QString rawValue(const QString &path, const QString &sql)
{
    QString value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("rawread"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(sql) && query.next())
                value = query.value(0).toString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("rawread"));
    return value;
}

struct FileState {
    QByteArray hash;
    QDateTime modified;
    QStringList folder;
    bool operator==(const FileState &) const = default;
};

FileState stateOf(const QString &path)
{
    FileState state;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        state.hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    state.modified = QFileInfo(path).lastModified();
    state.folder = QDir(QFileInfo(path).absolutePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    return state;
}

RegionalSettings regionalNamed(const QString &name)
{
    if (name == QLatin1String("24-hour, dots"))
        return RegionalSettings(RegionalSettings::DateOrder::DayFirst, QLatin1Char('.'), QLatin1Char('.'), true);
    return RegionalSettings::usEnglish();
}

ReminderValues valuesOf(int option, const QDate &date, const QTime &time, const QString &message,
                        const QString &weekdays = QString())
{
    return ReminderValues{option, date, time, message, weekdays};
}

// Every cell of a row as stored, with the type SQLite keeps each in.
QVariantList storedCells(Connection &conn, qint64 id)
{
    QVariantList cells;
    conn.runSql("select Option, typeof(Option), StartDate, typeof(StartDate), StartTime, typeof(StartTime), "
                "Reminder, typeof(Reminder), Weekdays, typeof(Weekdays) from tblReminders where ID = ?",
                {id}, [&cells](const QVariantList &row) { cells = row; });
    return cells;
}

} // namespace

class TestConnection : public QObject {
    Q_OBJECT

    TempFolder mFolder;
    QString mTemplate;
    int mCopies = 0;

    // A fresh, empty reminder database of its own for each test.
    QString freshDatabase()
    {
        const QString folder = mFolder.file(QStringLiteral("db%1").arg(++mCopies));
        QDir().mkpath(folder);
        const QString path = folder + QStringLiteral("/dbReminders.mdb");
        QFile::copy(mTemplate, path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return path;
    }

    // A database of its own with a few pages of reminders.
    QString filledDatabase()
    {
        const QString path = freshDatabase();
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path);
        conn.beginTransaction();
        for (int i = 0; i < 400; ++i)
            conn.Execute(insertText(1, "10/23/2012", "3:03:00 PM", QString(200, QLatin1Char('a' + i % 26))));
        conn.commit();
        return path;
    }

    // Keeps the first page and the file's length.
    static void scribbleOverTablePages(QByteArray &bytes)
    {
        for (qsizetype i = 4096; i < bytes.size(); i += 7)
            bytes[i] = char(0xA5);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(mFolder.isValid());
        // What the connection remembers of files that passed its check stays with the test.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(mFolder.file(QStringLiteral("cache"))));
        mTemplate = mFolder.file(QStringLiteral("template.mdb"));
        QVERIFY(makeDatabase(mTemplate));
    }

    void insertsAreReadInStartOrder()
    {
        const QString path = freshDatabase();
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path);
        QCOMPARE(conn.State(), 1);
        QVERIFY(!conn.isReadOnly());

        QCOMPARE(conn.Execute(insertText(1, "10/23/2012", "3:03:00 PM", "late")), 1);
        const qint64 first = conn.lastInsertId();
        conn.Execute(insertText(1, "10/23/2012", "9:00:00 AM", "morning"));
        conn.Execute(insertText(2, "01/05/2012", "11:00:00 PM", "earlier day"));
        conn.Execute(insertText(1, "10/23/2012", "3:03:00 PM", "same start, later ID"));
        conn.Execute(insertText(3, "12/31/2011", "15:00:00", "24-hour", " Wed"));
        QVERIFY(conn.lastInsertId() > first);

        const std::vector<ReminderRecord> rows = conn.orderedRows();
        QStringList order;
        for (const ReminderRecord &row : rows)
            order << row.Reminder;
        QCOMPARE(order, QStringList({"24-hour", "earlier day", "morning", "late", "same start, later ID"}));
        QCOMPARE(rows[0].Option, 3);
        QCOMPARE(rows[0].StartDate, QDate(2011, 12, 31));
        QCOMPARE(rows[0].StartTime, QTime(15, 0));
        QCOMPARE(rows[0].Weekdays, QStringLiteral(" Wed"));
        QCOMPARE(rows[3].ID, first);
    }

    // Other programs (and older versions) read the file: the stored forms are fixed.
    void valuesAreStoredInIsoForm()
    {
        const QString path = freshDatabase();
        {
            Connection conn(RegionalSettings::usEnglish());
            conn.Open(path);
            conn.Execute(kInsertHead + "1,#4/3/2022#,#3:03:09 PM#,'Sample Reminder','')");
        }
        QCOMPARE(rawValue(path, "select StartDate from tblReminders"), QStringLiteral("2022-04-03"));
        QCOMPARE(rawValue(path, "select StartTime from tblReminders"), QStringLiteral("15:03:09"));
        QCOMPARE(rawValue(path, "select Weekdays from tblReminders"), QString());
    }

    void updateAndDeleteTouchOnlyTheirRow()
    {
        const QString path = freshDatabase();
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path);
        qint64 ids[3];
        for (int i = 0; i < 3; ++i) {
            conn.Execute(insertText(1, QStringLiteral("01/0%1/2020").arg(i + 1), "8:00:00 AM", QStringLiteral("r%1").arg(i)));
            ids[i] = conn.lastInsertId();
        }
        QCOMPARE(conn.Execute(QStringLiteral("update tblReminders set [Option]=3,[StartDate]=#02/01/2020#,"
                                             "[StartTime]=#7:30:00 PM#,[Reminder]='changed',[Weekdays]='Sun' where id=%1")
                                  .arg(ids[1])),
                 1);
        std::vector<ReminderRecord> rows = conn.orderedRows();
        QCOMPARE(rows.size(), std::size_t(3));
        QCOMPARE(rows[0].Reminder, QStringLiteral("r0"));
        QCOMPARE(rows[1].Reminder, QStringLiteral("r2"));
        QCOMPARE(rows[1].StartDate, QDate(2020, 1, 3));
        QCOMPARE(rows[2].ID, ids[1]);
        QCOMPARE(rows[2].Reminder, QStringLiteral("changed"));
        QCOMPARE(rows[2].Option, 3);
        QCOMPARE(rows[2].StartTime, QTime(19, 30));
        QCOMPARE(rows[2].Weekdays, QStringLiteral("Sun"));

        QCOMPARE(conn.Execute(QStringLiteral("delete from tblReminders where id=%1").arg(ids[0])), 1);
        QCOMPARE(conn.Execute(QStringLiteral("delete from tblReminders where id=%1").arg(ids[0])), 0);
        QCOMPARE(conn.Execute(QStringLiteral("update tblReminders set [Reminder]='x' where id=999")), 0);
        rows = conn.orderedRows();
        QCOMPARE(rows.size(), std::size_t(2));
        QCOMPARE(rows[0].ID, ids[2]);
        QCOMPARE(rows[0].Reminder, QStringLiteral("r2"));
    }

    // A rule and zone live beside the row: read back with it, replaced or
    // taken away by an update, deleted with it; a database that never held
    // one keeps its schema exactly.
    void repeatRulesLiveBesideTheirRow()
    {
        const QString path = freshDatabase();
        const auto schema = [&path] { return rawValue(path, "select group_concat(name) from sqlite_master"); };
        const QString plainSchema = schema();
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path);
        ReminderValues plain{OptionWeekly, QDate(2026, 1, 5), QTime(9, 0), QStringLiteral("plain"), QStringLiteral(" Wed")};
        const qint64 plainId = conn.insertReminder(plain);
        conn.updateReminder(plainId, plain);
        QCOMPARE(conn.orderedRows().front().repeat, nullptr);
        QCOMPARE(schema(), plainSchema);

        ReminderValues rich{OptionRule, QDate(2026, 1, 30), QTime(18, 0), QStringLiteral("rich"), {},
                            RepeatRule{"FREQ=MONTHLY;BYDAY=-1FR", "20260227T180000", "20260301T090000", "Europe/Berlin"}};
        const qint64 richId = conn.insertReminder(rich);
        std::vector<ReminderRecord> rows = conn.orderedRows();
        QVERIFY(rows.back().repeat);
        QCOMPARE(*rows.back().repeat, rich.repeat);
        QCOMPARE(rows.front().repeat, nullptr);
        int scheduled = 0;
        conn.forEachScheduleStart([&](const ScheduleRow &row) {
            scheduled += row.ID == richId && row.repeat && *row.repeat == rich.repeat;
        });
        QCOMPARE(scheduled, 1);
        // Rows whose IDs lie far from the others' find their rules too.
        for (const qint64 farId : {qint64(1) << 40, qint64(-7)}) {
            rawValue(path, QStringLiteral("insert into tblReminders (ID, Option, StartDate, StartTime, Reminder) "
                                          "values (%1, 1, '2026-01-05', '09:00:00', 'far')")
                               .arg(farId));
            conn.updateReminder(farId, rich);
        }
        std::set<qint64> withRule;
        conn.forEachScheduleStart([&](const ScheduleRow &row) {
            if (row.repeat)
                withRule.insert(row.ID);
        });
        QCOMPARE(withRule, (std::set<qint64>{-7, richId, qint64(1) << 40}));
        for (const qint64 farId : {qint64(1) << 40, qint64(-7)})
            QCOMPARE(conn.deleteReminder(farId), 1);

        rich.repeat.zone.clear();
        conn.updateReminder(richId, rich);
        QCOMPARE(*conn.orderedRows().back().repeat, rich.repeat);
        conn.updateReminder(richId, plain);
        QCOMPARE(conn.orderedRows().back().repeat, nullptr);
        conn.updateReminder(richId, rich);
        QCOMPARE(conn.deleteReminder(richId), 1);
        QCOMPARE(rawValue(path, "select count(*) from tblRepeatRules"), QStringLiteral("0"));
    }

    void textsAreKeptExactly_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("multi-line") << "first\r\nsecond\nthird\rfourth";
        QTest::newRow("tabs and edge blanks") << "\t indented \t ";
        QTest::newRow("quotes") << "It's \"quoted\" and ''doubled''";
        QTest::newRow("unicode") << QString::fromUtf8("Grüße, 日本語, emoji 🎉, ÿ");
        QTest::newRow("hostile") << "'); drop table tblReminders; --";
        QTest::newRow("long") << QString(70000, QLatin1Char('x'));
    }
    void textsAreKeptExactly()
    {
        QFETCH(QString, message);
        const QString path = freshDatabase();
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path);
        conn.Execute(insertText(1, "10/23/2012", "3:03:00 PM", message, message));
        const std::vector<ReminderRecord> rows = conn.orderedRows();
        QCOMPARE(rows.size(), std::size_t(1));
        QCOMPARE(rows[0].Reminder, message);
        QCOMPARE(rows[0].Weekdays, message);
    }

    void rejectedStatementsChangeNothing()
    {
        const QString path = freshDatabase();
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path);
        conn.Execute(insertText(1, "10/23/2012", "3:03:00 PM", "keep"));
        QVERIFY_THROWS_EXCEPTION(AppError, conn.Execute(kInsertHead + "1,#10/23/2012#,#3:03:00 PM#,'x'); drop table tblReminders; --','')"));
        QVERIFY_THROWS_EXCEPTION(AppError, conn.Execute("delete from tblReminders where id=1; delete from tblReminders where id=2"));
        QVERIFY_THROWS_EXCEPTION(AppError, conn.Execute("select * from tblReminders order by startdate,starttime"));
        const std::vector<ReminderRecord> rows = conn.orderedRows();
        QCOMPARE(rows.size(), std::size_t(1));
        QCOMPARE(rows[0].Reminder, QStringLiteral("keep"));
    }

    void transactionIsAllOrNothing()
    {
        const QString path = freshDatabase();
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path);
        conn.beginTransaction();
        conn.Execute(insertText(1, "10/23/2012", "3:03:00 PM", "a"));
        conn.Execute(insertText(1, "10/24/2012", "3:03:00 PM", "b"));
        conn.rollback();
        QVERIFY(conn.orderedRows().empty());
        conn.beginTransaction();
        conn.Execute(insertText(1, "10/23/2012", "3:03:00 PM", "a"));
        conn.commit();
        QCOMPARE(conn.orderedRows().size(), std::size_t(1));
    }

    void dataVersionSeesOtherConnections()
    {
        const QString path = freshDatabase();
        Connection watcher(RegionalSettings::usEnglish());
        Connection writer(RegionalSettings::usEnglish());
        watcher.Open(path);
        writer.Open(path);
        const qint64 before = watcher.dataVersion();
        QCOMPARE(watcher.dataVersion(), before);
        writer.Execute(insertText(1, "10/23/2012", "3:03:00 PM", "from elsewhere"));
        QVERIFY(watcher.dataVersion() != before);
        QCOMPARE(watcher.orderedRows().size(), std::size_t(1));
    }

    void damagedRowsAreListedButNeverRing_data()
    {
        QTest::addColumn<QString>("values");
        QTest::addColumn<QStringList>("storedCells");
        QTest::newRow("day-first date") << "1, '23.10.2012', '15:03:00'" << QStringList{"1", "23.10.2012", "15:03:00"};
        QTest::newRow("no date at all") << "2, 'garbage', '10:00:00'" << QStringList{"2", "garbage", "10:00:00"};
        QTest::newRow("time without seconds") << "2, '2027-03-07', '10:00'" << QStringList{"2", "2027-03-07", "10:00"};
        QTest::newRow("time with the 1899 date of other tools")
            << "2, '2027-03-07', '1899-12-30 10:00:00'" << QStringList{"2", "2027-03-07", "1899-12-30 10:00:00"};
        QTest::newRow("fractional option") << "1.7, '2027-03-07', '10:00:00'" << QStringList{"1.7", "2027-03-07", "10:00:00"};
        QTest::newRow("option beyond int") << "4294967297, '2027-03-07', '10:00:00'"
                                           << QStringList{"4294967297", "2027-03-07", "10:00:00"};
    }

    void damagedRowsAreListedButNeverRing()
    {
        QFETCH(QString, values);
        QFETCH(QStringList, storedCells);
        const QString path = freshDatabase();
        rawSql(path, {"insert into tblReminders (Option, StartDate, StartTime, Reminder, Weekdays) values (" + values + ", 'bad', '')",
                      "insert into tblReminders (Option, StartDate, StartTime, Reminder, Weekdays) "
                      "values (2, '2027-03-07', '10:00:00', 'good', '')"});
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path);

        QStringList listed;
        qint64 damagedId = 0;
        for (const ReminderRecord &r : conn.orderedRows()) {
            listed << r.Reminder;
            if (r.damaged) {
                damagedId = r.ID;
                QCOMPARE((QStringList{r.stored->option, r.stored->date, r.stored->time}), storedCells);
            }
        }
        QCOMPARE(listed.size(), 2);
        QVERIFY(listed.contains("good") && listed.contains("bad"));
        QVERIFY(damagedId != 0);

        QStringList scheduled;
        conn.forEachScheduleRow([&](const ReminderRecord &r) { scheduled << (r.damaged ? QString("damaged") : QString::number(r.Option)); });
        QCOMPARE(scheduled, QStringList{"2"});

        QCOMPARE(conn.Execute(QStringLiteral("delete from tblReminders where ID=%1").arg(damagedId)), 1);
        QCOMPARE(conn.orderedRows().size(), std::size_t(1));
    }

    // Rows that start together come in the order they were added, and a
    // damaged start sorts before every valid one, as in orderedRows.
    void orderedRowsStreamInTheSameOrder()
    {
        const QString path = freshDatabase();
        QStringList inserts;
        const char *starts[] = {"'2027-03-07', '10:00:00'", "'2026-01-01', '23:59:59'", "'garbage', '10:00:00'",
                                "'2027-03-07', '09:59:59'", "'2027-02-30', '08:00:00'", "'2027-03-07', '25:00:00'",
                                "'2027-03-07', '10:00:00'", "'2027-03-07', '10:00'",    "'2026-01-01', '23:59:59'",
                                "'garbage', '09:00:00'",    "'0000-01-01', '00:00:00'"};
        for (const char *start : starts)
            inserts << QStringLiteral("insert into tblReminders (Option, StartDate, StartTime, Reminder, Weekdays) "
                                      "values (1.5, %1, 'm', '')").arg(QLatin1String(start));
        inserts << "update tblReminders set Option = 1 where ID % 2 = 0";
        rawSql(path, inserts);
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path);

        QList<qint64> sorted, streamed;
        for (const ReminderRecord &r : conn.orderedRows())
            sorted << r.ID;
        conn.forEachOrderedRow([&](const ReminderRecord &r) { streamed << r.ID; });
        QCOMPARE(streamed, sorted);
        QCOMPARE(streamed, (QList<qint64>{11, 5, 10, 3, 2, 9, 6, 8, 4, 1, 7}));
    }

    void notOpenIsReported()
    {
        Connection conn(RegionalSettings::usEnglish());
        QCOMPARE(conn.State(), 0);
        QVERIFY_THROWS_EXCEPTION(AppError, conn.Execute(insertText(1, "10/23/2012", "3:03:00 PM", "m")));
        QVERIFY_THROWS_EXCEPTION(AppError, conn.orderedRows());
    }

    // Every file that is no reminder database is refused with words that name
    // it and the problem, and is left exactly as it was.
    void unusableFilesAreRefusedUntouched_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("missing") << "missing" << "does not exist";
        QTest::newRow("folder") << "folder" << "folder";
        QTest::newRow("zero bytes") << "empty" << "empty";
        QTest::newRow("random bytes") << "random" << "not an SQLite database";
        QTest::newRow("header only") << "header" << "damaged";
        QTest::newRow("truncated") << "truncated" << "damaged";
        QTest::newRow("corrupt pages") << "corrupt" << "damaged";
        QTest::newRow("no tblReminders") << "notable" << "no table tblReminders";
        QTest::newRow("missing column") << "nocolumn" << "without the column Weekdays";
    }
    void unusableFilesAreRefusedUntouched()
    {
        QFETCH(QString, kind);
        QFETCH(QString, mentions);
        const QString folder = mFolder.file("bad-" + kind);
        QDir().mkpath(folder);
        const QString path = folder + "/dbReminders.mdb";
        if (kind == "folder") {
            QDir().mkpath(path);
        } else if (kind != "missing") {
            QByteArray bytes;
            if (kind == "random") {
                bytes.resize(8192);
                QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
            } else if (kind == "header") {
                bytes = QByteArrayLiteral("SQLite format 3\0");
            } else if (kind == "notable" || kind == "nocolumn") {
                rawSql(path, {kind == "notable" ? "create table other (x)"
                                                : "create table tblReminders (ID integer primary key, Option, "
                                                  "StartDate, StartTime, Reminder)"});
            } else if (kind == "truncated" || kind == "corrupt") {
                QFile file(filledDatabase());
                QVERIFY(file.open(QIODevice::ReadOnly));
                bytes = file.readAll();
                if (kind == "truncated")
                    bytes.truncate(bytes.size() / 2);
                else
                    scribbleOverTablePages(bytes);
            }
            if (!bytes.isNull()) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(bytes);
            }
        }
        const FileState before = stateOf(path);

        Connection conn(RegionalSettings::usEnglish());
        try {
            conn.Open(path);
            QFAIL("the file was accepted");
        } catch (const AppError &error) {
            QVERIFY2(error.description().contains(path), qPrintable(error.description()));
            QVERIFY2(error.description().contains(mentions), qPrintable(error.description()));
        }
        QCOMPARE(conn.State(), 0);
        QVERIFY(stateOf(path) == before);
        if (kind == "missing")
            QVERIFY(!QFileInfo::exists(path));
    }

    // The check of every page is left out for a file in the state that last
    // passed it, so a file damaged since must still be refused, even with
    // its length and modification time kept.
    void fileDamagedAfterPassingIsRefused_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("pages overwritten") << "overwrite";
        QTest::newRow("pages overwritten, time put back") << "overwrite, time put back";
        QTest::newRow("replaced by a damaged copy with the old time") << "replace";
    }
    void fileDamagedAfterPassingIsRefused()
    {
        QFETCH(QString, change);
        const QString path = filledDatabase();
        // Only a file written a while before it passed is remembered as passed.
        const QDateTime written = QDateTime::currentDateTime().addSecs(-3600);
        const auto setWritten = [&written](const QString &file) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(written, QFileDevice::FileModificationTime));
        };
        setWritten(path);
        for (int opening = 0; opening < 2; ++opening) {
            Connection conn(RegionalSettings::usEnglish());
            conn.Open(path);
        }
        const qint64 size = QFileInfo(path).size();

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        file.close();
        scribbleOverTablePages(bytes);
        const QString target = change == "replace" ? path + ".new" : path;
        QFile damaged(target);
        QVERIFY(damaged.open(QIODevice::ReadWrite));
        QCOMPARE(damaged.write(bytes), bytes.size());
        damaged.close();
        if (change != "overwrite")
            setWritten(target);
        if (change == "replace")
            QCOMPARE(std::rename(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()), 0);
        QCOMPARE(QFileInfo(path).size(), size);
        QCOMPARE(QFileInfo(path).lastModified() == written, change != "overwrite");

        Connection conn(RegionalSettings::usEnglish());
        try {
            conn.Open(path);
            QFAIL("the damaged file was accepted");
        } catch (const AppError &error) {
            QVERIFY2(error.description().contains("damaged"), qPrintable(error.description()));
        }
    }

    void readOnlyAccessReadsButRefusesChanges()
    {
        const QString path = freshDatabase();
        {
            Connection conn(RegionalSettings::usEnglish());
            conn.Open(path);
            conn.Execute(insertText(1, "10/23/2012", "3:03:00 PM", "stored"));
        }
        const FileState before = stateOf(path);
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path, Connection::Access::ReadOnly);
        QVERIFY(conn.isReadOnly());
        QCOMPARE(conn.orderedRows().size(), std::size_t(1));
        try {
            conn.Execute(insertText(1, "10/23/2012", "3:03:00 PM", "new"));
            QFAIL("a change was accepted on a read-only database");
        } catch (const AppError &error) {
            QVERIFY2(error.description().contains("read-only") && error.description().contains(path),
                     qPrintable(error.description()));
        }
        QVERIFY_THROWS_EXCEPTION(AppError, conn.beginTransaction());
        conn.Close();
        const FileState after = stateOf(path);
        QCOMPARE(after.folder, before.folder);
        QCOMPARE(after.modified, before.modified);
        QCOMPARE(after.hash, before.hash);
    }

    // The file may be written but its folder takes no new files, so no
    // change can be saved: the folder is named as what to fix, the database
    // is not called read-only. Root writes into any folder whatever its mode,
    // so there the folder is a read-only mount with the file bound in from a
    // writable one.
    void readOnlyFolderIsNamedAsTheProblem()
    {
        test::TempFolder outer;
        const QString folder = outer.file(QStringLiteral("program"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/dbReminders.mdb");
        QStringList mounts;
        const auto undo = qScopeGuard([&] {
            for (auto mount = mounts.crbegin(); mount != mounts.crend(); ++mount)
                test::runProcess(QStringLiteral("umount"), {*mount});
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        });
        if (::geteuid() != 0) {
            QVERIFY(test::makeDatabase(path));
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        } else {
            const QString writable = outer.file(QStringLiteral("writable.mdb"));
            QVERIFY(test::makeDatabase(writable));
            const auto mount = [&](const QStringList &arguments) {
                return test::runProcess(QStringLiteral("mount"), arguments).exitCode == 0;
            };
            if (!mount({"-t", "tmpfs", "tmpfs", folder}))
                QSKIP("No tmpfs can be mounted here, so no read-only folder can be made for root.");
            mounts << folder;
            QFile placeholder(path);
            QVERIFY(placeholder.open(QIODevice::WriteOnly));
            placeholder.close();
            QVERIFY(mount({"--bind", writable, path}));
            mounts << path;
            QVERIFY(mount({"-o", "remount,ro", folder}));
        }

        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path);
        QCOMPARE(conn.orderedRows().size(), std::size_t(0));
        try {
            conn.Execute(insertText(1, "10/23/2012", "3:03:00 PM", "new"));
            QFAIL("a change was accepted in a folder that takes no new files");
        } catch (const AppError &error) {
            const QString text = error.description();
            QVERIFY2(text.contains(QStringLiteral("The folder ") + folder) && !text.contains(QStringLiteral("read-only")),
                     qPrintable(text));
        }
    }

    // A file some other tool left in WAL mode would be unreadable for users
    // who may not write its folder; a writable open puts it back.
    void writeAheadLogModeIsUndone()
    {
        const QString path = freshDatabase();
        rawSql(path, {"PRAGMA journal_mode=WAL"});
        QCOMPARE(rawValue(path, "PRAGMA journal_mode"), QStringLiteral("wal"));
        {
            Connection conn(RegionalSettings::usEnglish());
            conn.Open(path);
            conn.Execute(insertText(1, "10/23/2012", "3:03:00 PM", "m"));
        }
        QCOMPARE(rawValue(path, "PRAGMA journal_mode"), QStringLiteral("delete"));
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList({"dbReminders.mdb"}));
    }

    void writeProtectedFileOpensReadOnly()
    {
        // root may write any file whatever its mode bits, so a 0444 file says nothing there;
        // readOnlyAccessReadsButRefusesChanges covers the read-only behaviour itself.
        if (::geteuid() == 0)
            QSKIP("running as root, which may write a write-protected file");
        const QString path = freshDatabase();
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path);
        QVERIFY(conn.isReadOnly());
        QCOMPARE(conn.orderedRows().size(), std::size_t(0));
        QVERIFY_THROWS_EXCEPTION(AppError, conn.Execute(insertText(1, "10/23/2012", "3:03:00 PM", "m")));
    }

    void emptyDatabaseIsMadeFromTheSchema()
    {
        const QString path = mFolder.file(QStringLiteral("made.mdb"));
        createEmptyDatabase(path, QStringLiteral(VESTRONA_SCHEMA_FILE));
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path);
        QVERIFY(conn.orderedRows().empty());
        conn.Execute(insertText(1, "10/23/2012", "3:03:00 PM", "first"));
        QCOMPARE(conn.orderedRows().size(), std::size_t(1));
    }

    // A schema that cannot be read or run is named, not turned into a
    // database without its table.
    void unusableSchemaIsReported_data()
    {
        QTest::addColumn<QString>("schema");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("missing") << QString() << "cannot be read";
        QTest::newRow("broken") << "create table tblReminders (" << "could not be made";
    }
    void unusableSchemaIsReported()
    {
        QFETCH(QString, schema);
        QFETCH(QString, mentions);
        const QString schemaPath = mFolder.file(QStringLiteral("schema-%1.sql").arg(QTest::currentDataTag()));
        if (!schema.isNull()) {
            QFile file(schemaPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(schema.toUtf8());
        }
        const QString path = mFolder.file(QStringLiteral("unmade-%1.mdb").arg(QTest::currentDataTag()));
        try {
            createEmptyDatabase(path, schemaPath);
            QFAIL("a database was made from an unusable schema");
        } catch (const AppError &error) {
            QVERIFY2(error.description().contains(mentions), qPrintable(error.description()));
            QVERIFY2(error.description().contains(schema.isNull() ? schemaPath : path), qPrintable(error.description()));
        }
    }

    void toolNeverReplacesADatabase()
    {
        const QString path = freshDatabase();
        {
            Connection conn(RegionalSettings::usEnglish());
            conn.Open(path);
            conn.Execute(insertText(1, "10/23/2012", "3:03:00 PM", "precious"));
        }
        QVERIFY(makeDatabase(path));
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path);
        QCOMPARE(conn.orderedRows().size(), std::size_t(1));
    }

    // The typed writes against the statement texts the windows' commands
    // build: the same values must leave the same cells, or be refused by both.
    void typedWritesStoreWhatStatementTextsStore_data()
    {
        QTest::addColumn<QString>("regional");
        QTest::addColumn<ReminderValues>("values");
        const QDate day(2026, 3, 9);
        QTest::newRow("once") << "U.S." << valuesOf(OptionOnce, day, QTime(15, 3), "Call Anna");
        QTest::newRow("weekly, Wednesday's blank") << "U.S." << valuesOf(OptionWeekly, day, QTime(7, 0), "gym", "Mon, Wed,Fri");
        QTest::newRow("midnight, 12-hour") << "U.S." << valuesOf(OptionDaily, day, QTime(0, 0), "midnight");
        QTest::newRow("noon, 12-hour") << "U.S." << valuesOf(OptionDaily, day, QTime(12, 0, 59), "noon");
        QTest::newRow("milliseconds dropped") << "U.S." << valuesOf(OptionOnce, day, QTime(9, 5, 7, 450), "ms");
        QTest::newRow("24-hour, dots") << "24-hour, dots" << valuesOf(OptionOnce, day, QTime(23, 59, 59), "late");
        QTest::newRow("year 1") << "U.S." << valuesOf(OptionOnce, QDate(1, 1, 1), QTime(1, 2, 3), "old");
        QTest::newRow("year 999") << "U.S." << valuesOf(OptionOnce, QDate(999, 12, 31), QTime(1, 2, 3), "three digits");
        QTest::newRow("year 9999") << "U.S." << valuesOf(OptionOnce, QDate(9999, 12, 31), QTime(1, 2, 3), "far");
        QTest::newRow("leap day") << "U.S." << valuesOf(OptionOnce, QDate(2028, 2, 29), QTime(6, 0), "leap");
        QTest::newRow("option kept as given") << "U.S." << valuesOf(-32768, day, QTime(6, 0), "odd rule");
        QTest::newRow("largest option") << "U.S." << valuesOf(32767, day, QTime(6, 0), "odd rule");
        QTest::newRow("empty message") << "U.S." << valuesOf(OptionOnce, day, QTime(6, 0), QString());
        QTest::newRow("quotes and lines") << "U.S."
                                          << valuesOf(OptionOnce, day, QTime(6, 0), "It's ''Bob's''\r\nsecond\tline ");
        QTest::newRow("hostile") << "U.S." << valuesOf(OptionOnce, day, QTime(6, 0), "'); drop table tblReminders; --");
        QTest::newRow("unicode") << "U.S." << valuesOf(OptionOnce, day, QTime(6, 0), QString::fromUtf8("Grüße, 日本語 🎉"));
    }
    void typedWritesStoreWhatStatementTextsStore()
    {
        QFETCH(QString, regional);
        QFETCH(ReminderValues, values);
        const RegionalSettings settings = regionalNamed(regional);
        Connection conn(settings);
        conn.Open(freshDatabase());

        QCOMPARE(conn.Execute(editorInsertStatement(values, settings)), 1);
        const qint64 byText = conn.lastInsertId();
        const qint64 typed = conn.insertReminder(values);
        QCOMPARE(conn.lastInsertId(), typed);
        QVERIFY(typed > byText);
        QCOMPARE(storedCells(conn, typed), storedCells(conn, byText));
        QVERIFY(!storedCells(conn, typed).isEmpty());

        // Two rows that start alike, each updated to the values one way.
        const ReminderValues before = valuesOf(OptionDaily, QDate(2020, 1, 2), QTime(3, 4, 5), "before", "Sun");
        const qint64 updatedByText = conn.insertReminder(before);
        const qint64 updatedTyped = conn.insertReminder(before);
        QCOMPARE(conn.Execute(editorUpdateStatement(values, updatedByText, settings)), 1);
        QCOMPARE(conn.updateReminder(updatedTyped, values), 1);
        QCOMPARE(storedCells(conn, updatedTyped), storedCells(conn, updatedByText));
        QCOMPARE(storedCells(conn, updatedTyped), storedCells(conn, typed));

        QCOMPARE(conn.Execute(deleteStatement(byText)), 1);
        QCOMPARE(conn.deleteReminder(typed), 1);
        QCOMPARE(conn.Execute(deleteStatement(byText)), 0);
        QCOMPARE(conn.deleteReminder(typed), 0);
        QCOMPARE(conn.updateReminder(typed, values), 0);
        QCOMPARE(conn.reminderCount(), 2);
    }

    void refusedByBothChangeNothing_data()
    {
        QTest::addColumn<ReminderValues>("values");
        const QDate day(2026, 3, 9);
        QTest::newRow("option too large") << valuesOf(40000, day, QTime(6, 0), "m");
        QTest::newRow("option too small") << valuesOf(-40000, day, QTime(6, 0), "m");
        QTest::newRow("no date") << valuesOf(OptionOnce, QDate(), QTime(6, 0), "m");
        QTest::newRow("year 10000") << valuesOf(OptionOnce, QDate(10000, 1, 1), QTime(6, 0), "m");
        QTest::newRow("year before 1") << valuesOf(OptionOnce, QDate(-5, 1, 1), QTime(6, 0), "m");
        QTest::newRow("no time") << valuesOf(OptionOnce, day, QTime(), "m");
    }
    void refusedByBothChangeNothing()
    {
        QFETCH(ReminderValues, values);
        const RegionalSettings settings = RegionalSettings::usEnglish();
        Connection conn(settings);
        conn.Open(freshDatabase());
        const qint64 kept = conn.insertReminder(valuesOf(OptionOnce, QDate(2020, 1, 2), QTime(3, 4), "kept"));
        const QVariantList cells = storedCells(conn, kept);

        QVERIFY_THROWS_EXCEPTION(AppError, conn.Execute(editorInsertStatement(values, settings)));
        QVERIFY_THROWS_EXCEPTION(AppError, conn.insertReminder(values));
        QVERIFY_THROWS_EXCEPTION(AppError, conn.Execute(editorUpdateStatement(values, kept, settings)));
        QVERIFY_THROWS_EXCEPTION(AppError, conn.updateReminder(kept, values));
        QCOMPARE(conn.reminderCount(), 1);
        QCOMPARE(storedCells(conn, kept), cells);
    }

    // vestrona-cli says what the windows say when the file may not be changed.
    void readOnlyRefusesInTheSameWords()
    {
        const QString path = freshDatabase();
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(path, Connection::Access::ReadOnly);
        const ReminderValues values = valuesOf(OptionOnce, QDate(2026, 3, 9), QTime(6, 0), "m");
        const auto refusal = [](const std::function<void()> &write) {
            try {
                write();
            } catch (const AppError &e) {
                return e.description();
            }
            return QString();
        };
        const QString byText = refusal([&] { conn.Execute(editorInsertStatement(values, RegionalSettings::usEnglish())); });
        QVERIFY(byText.contains(path));
        QCOMPARE(refusal([&] { conn.insertReminder(values); }), byText);
        QCOMPARE(refusal([&] { conn.updateReminder(1, values); }), byText);
        QCOMPARE(refusal([&] { conn.deleteReminder(1); }), byText);
        QCOMPARE(conn.reminderCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestConnection)
#include "test_connection.moc"
