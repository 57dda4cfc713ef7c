// Start-up of the real main window on a program folder whose database is
// not a usable reminder database: one clear message naming the file and the
// problem, no start, no hang, and the file exactly as it was.

#include "scheduler/AlarmScheduler.h"
#include "tests/support/Files.h"
#include "tests/support/AppFixture.h"
#include "tests/support/TestDatabase.h"
#include "ui/ReminderListModel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QCheckBox>

#include <cstdio>
#include <unistd.h>

#include <functional>
#include <memory>

using namespace vestrona;
using namespace vestrona::test;

namespace {

// What a file looks like from outside: its bytes and when it last changed.
struct FileSnapshot {
    bool exists = false;
    QByteArray hash;
    QDateTime modified;
    QStringList folder;

    static FileSnapshot of(const QString &path)
    {
        FileSnapshot s;
        const QFileInfo info(path);
        s.exists = info.exists();
        s.modified = info.lastModified();
        QFile file(path);
        if (info.isFile() && file.open(QIODevice::ReadOnly))
            s.hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
        s.folder = QDir(info.absolutePath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        return s;
    }
    bool operator==(const FileSnapshot &o) const
    {
        return exists == o.exists && hash == o.hash && modified == o.modified && folder == o.folder;
    }
};

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The fixture's main window, with the settings file these tests spoil.
struct Harness : AppFixture {
    QString settingsPath() const { return config.file(QStringLiteral("Tolvane.ini")); }
};

using Setup = std::function<void(const QString &databasePath)>;

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestBadDatabases : public QObject {
    Q_OBJECT

private slots:
    void unusableDatabaseEndsStartUpWithOneMessage_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("problem");

        QTest::newRow("missing") << Setup([](const QString &) {}) << QStringLiteral("not found");
        QTest::newRow("empty") << Setup([](const QString &path) { writeBytes(path, {}); })
                               << QStringLiteral("empty (0 bytes)");
        QTest::newRow("random bytes") << Setup([](const QString &path) {
            QByteArray bytes(8192, Qt::Uninitialized);
            QRandomGenerator random(7);
            for (char &c : bytes)
                c = char(random.bounded(256));
            writeBytes(path, bytes);
        }) << QStringLiteral("not an SQLite database");
        QTest::newRow("cut inside the header") << Setup([](const QString &path) {
            QVERIFY(makeDatabase(path));
            writeBytes(path, readFile(path).left(60));
        }) << QStringLiteral("cut off inside its header");
        QTest::newRow("cut inside a page") << Setup([](const QString &path) {
            QVERIFY(makeDatabase(path));
            writeBytes(path, readFile(path).left(5000));
        }) << QStringLiteral("shorter than its own header says");
        QTest::newRow("cut at a page end") << Setup([](const QString &path) {
            QVERIFY(makeDatabase(path));
            rawSql(path, {QStringLiteral("create table padding (x)"),
                          QStringLiteral("insert into padding values (zeroblob(20000))")});
            writeBytes(path, readFile(path).left(4096));
        }) << QStringLiteral("shorter than its own header says");
        QTest::newRow("damaged pages") << Setup([](const QString &path) {
            QVERIFY(makeDatabase(path));
            QByteArray bytes = readFile(path);
            for (qsizetype i = 4096 + 8; i < bytes.size(); ++i)
                bytes[i] = char(0xA5);
            writeBytes(path, bytes);
        }) << QStringLiteral("is damaged");
        QTest::newRow("no reminder table") << Setup([](const QString &path) {
            rawSql(path, {QStringLiteral("create table tblOther (ID integer)")});
        }) << QStringLiteral("has no table tblReminders");
        QTest::newRow("table without a column") << Setup([](const QString &path) {
            rawSql(path, {QStringLiteral("create table tblReminders (ID integer primary key, Option integer, "
                                         "StartDate text, StartTime text, Reminder text)")});
        }) << QStringLiteral("without the column Weekdays");
        QTest::newRow("a folder") << Setup([](const QString &path) { QVERIFY(QDir().mkpath(path)); })
                                  << QStringLiteral("is a folder");
    }

    void unusableDatabaseEndsStartUpWithOneMessage()
    {
        QFETCH(Setup, setup);
        QFETCH(QString, problem);
        Harness h;
        setup(h.databasePath());
        const FileSnapshot before = FileSnapshot::of(h.databasePath());

        QVERIFY(!h.start());

        QCOMPARE(h.reporter.boxes.size(), 1);
        const QString shown = h.reporter.boxes.first().text;
        qInfo("%s: \"%s\"", QTest::currentDataTag(), qPrintable(shown));
        QVERIFY2(shown.contains(h.databasePath()), qPrintable(shown));
        QVERIFY2(shown.contains(problem), qPrintable(shown));
        QVERIFY(FileSnapshot::of(h.databasePath()) == before);
    }

    // Another program holds the file locked for writing at start-up (a long
    // restore at logon): the window starts, says so once, and lists the
    // reminders and counts down to them as soon as the lock goes.
    void lockedDatabaseStartsAndLoadsOnceFree()
    {
        Harness h;
        QVERIFY(makeDatabase(h.databasePath()));
        {
            Connection writer(RegionalSettings::usEnglish());
            writer.Open(h.databasePath());
            writer.Execute(reminderInsert(1, QDate(2026, 12, 7), QTime(10, 0), QStringLiteral("after the lock")));
        }
        const QString name = QStringLiteral("bad-databases-lock");
        {
            QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            holder.setDatabaseName(h.databasePath());
            QVERIFY(holder.open());
            QSqlQuery lock(holder);
            QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));

            QVERIFY(h.start());
            QCOMPARE(h.reporter.boxes.size(), 1);
            const QString shown = h.reporter.boxes.first().text;
            QVERIFY2(shown.contains(h.databasePath()) && shown.contains(QStringLiteral("in use by another program")),
                     qPrintable(shown));
            QCOMPARE(h.form->listModel().rowCount(), 0);
            // Still locked a few tries later: no further word, no rows.
            QTest::qWait(2500);
            QCOMPARE(h.reporter.boxes.size(), 1);
            QCOMPARE(h.form->listModel().rowCount(), 0);

            QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
            lock.finish();
            holder.close();
        }
        QSqlDatabase::removeDatabase(name);

        QTRY_COMPARE_WITH_TIMEOUT(h.form->listModel().rowCount(), 1, 5000);
        QCOMPARE(h.form->scheduler().alarmText(), QStringLiteral("after the lock"));
        QCOMPARE(h.reporter.boxes.size(), 1);
        QVERIFY(!h.form->conn().isReadOnly());
    }

    // A new file moved over the database while the window runs is the
    // database from then on: its reminders are listed and ring, and the
    // window's own changes go into it.
    void replacedDatabaseIsOpenedAgain()
    {
        Harness h;
        QVERIFY(makeDatabase(h.databasePath()));
        const auto fill = [](const QString &path, const QStringList &messages) {
            Connection writer(RegionalSettings::usEnglish());
            writer.Open(path);
            int hour = 10;
            for (const QString &message : messages)
                writer.Execute(reminderInsert(1, QDate(2026, 12, 7), QTime(hour++, 0), message));
        };
        fill(h.databasePath(), {QStringLiteral("old")});
        QVERIFY(h.start());
        QCOMPARE(h.form->scheduler().alarmText(), QStringLiteral("old"));

        const QString replacement = h.program.file(QStringLiteral("new.mdb"));
        QVERIFY(makeDatabase(replacement));
        fill(replacement, {QStringLiteral("new first"), QStringLiteral("new second")});
        QCOMPARE(std::rename(qPrintable(replacement), qPrintable(h.databasePath())), 0);

        QTRY_COMPARE_WITH_TIMEOUT(h.form->listModel().rowCount(), 2, 5000);
        QCOMPARE(h.form->scheduler().alarmText(), QStringLiteral("new first"));
        h.click("PushButton6");
        QCOMPARE(h.reporter.boxes.size(), 0);
        Connection reader(RegionalSettings::usEnglish());
        reader.Open(h.databasePath());
        QCOMPARE(reader.orderedRows().size(), std::size_t(3));
    }

    // A deleted database is reported once, however long it stays away; a
    // file put back in its place is read.
    void deletedDatabaseIsReportedOnce()
    {
        Harness h;
        QVERIFY(makeDatabase(h.databasePath()));
        QVERIFY(h.start());
        QVERIFY(QFile::remove(h.databasePath()));
        QTRY_COMPARE_WITH_TIMEOUT(h.reporter.boxes.size(), 1, 5000);
        const QString shown = h.reporter.boxes.first().text;
        QVERIFY2(shown.contains(h.databasePath()) && shown.contains(QStringLiteral("deleted")), qPrintable(shown));
        QTest::qWait(2500);
        QCOMPARE(h.reporter.boxes.size(), 1);

        const QString putBack = h.program.file(QStringLiteral("copy.mdb"));
        QVERIFY(makeDatabase(putBack));
        {
            Connection writer(RegionalSettings::usEnglish());
            writer.Open(putBack);
            writer.Execute(reminderInsert(1, QDate(2026, 12, 7), QTime(10, 0), QStringLiteral("put back")));
        }
        QVERIFY(QFile::rename(putBack, h.databasePath()));
        QTRY_COMPARE_WITH_TIMEOUT(h.form->listModel().rowCount(), 1, 5000);
        QCOMPARE(h.reporter.boxes.size(), 1);
    }

    // A database the user may not write starts read-only: the list shows,
    // nothing is changed. Root may write any file whatever its mode, so
    // there the file opens for writing and only "unchanged" can be shown.
    void readOnlyDatabaseStartsAndStaysUnchanged()
    {
        Harness h;
        QVERIFY(makeDatabase(h.databasePath()));
        Connection writer(RegionalSettings::usEnglish());
        writer.Open(h.databasePath());
        writer.Execute(reminderInsert(1, QDate(2027, 1, 1), QTime(9, 0), QStringLiteral("kept")));
        writer.Close();
        QVERIFY(QFile::setPermissions(h.databasePath(), QFileDevice::ReadOwner | QFileDevice::ReadGroup
                                                              | QFileDevice::ReadOther));
        const FileSnapshot before = FileSnapshot::of(h.databasePath());

        QVERIFY(h.start());
        QCOMPARE(h.reporter.boxes.size(), 0);
        QCOMPARE(h.form->conn().orderedRows().size(), std::size_t(1));
        if (geteuid() != 0)
            QVERIFY(h.form->conn().isReadOnly());
        else
            qInfo("running as root: a 0444 file is writable for root, so it opened read-write");
        h.form.reset();
        QVERIFY(FileSnapshot::of(h.databasePath()) == before);
    }

    // A settings file of garbage reads as no settings at all.
    void garbageSettingsGiveTheDefaults()
    {
        Harness h;
        QVERIFY(makeDatabase(h.databasePath()));
        QByteArray garbage(4096, Qt::Uninitialized);
        QRandomGenerator random(11);
        for (char &c : garbage)
            c = char(random.bounded(256));
        writeBytes(h.settingsPath(), garbage);

        QVERIFY(h.start());
        QCOMPARE(h.reporter.boxes.size(), 0);
        QCOMPARE(h.form->selectedIntervalRow(), 1);
        QCOMPARE(h.form->alarmSoundFile(), h.program.file(QStringLiteral("alarm.wav")));
        QVERIFY(!h.control<QCheckBox>("Check4")->isChecked());
        QVERIFY(!h.form->startsHidden());
    }

    void badIntervalInSettingsGivesItsBoxesAndTheFirstRow()
    {
        Harness h;
        QVERIFY(makeDatabase(h.databasePath()));
        writeBytes(h.settingsPath(), "[Vestrona]\nOftenIndex=\x01\xfe\xffnot a number\nMinimized=maybe\n");

        QVERIFY(h.start());
        QList<int> lines;
        for (const ErrorReport &error : h.reporter.errors())
            lines << error.line;
        QCOMPARE(lines, (QList<int>{188, 190}));
        QCOMPARE(h.form->selectedIntervalRow(), 1);
    }
};

QTEST_MAIN(TestBadDatabases)
#include "test_bad_databases.moc"
