#include "database/Connection.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDatabase.h"
#include "database/DatabaseWatcher.h"

#include <QSignalSpy>
#include <QTest>

using namespace vestrona;

// The program's connection and vestrona-cli's connection on one file: the
// program must notice the other's commits and only those.
class TestDatabaseWatcher : public QObject {
    Q_OBJECT

private:
    // The program's connection watched, and another program's beside it.
    struct TwoPrograms {
        Connection program{RegionalSettings::usEnglish()};
        Connection cli{RegionalSettings::usEnglish()};
        DatabaseWatcher watcher;
        QSignalSpy changed;

        TwoPrograms(const QString &path, const Clock &clock)
            : watcher(program, clock), changed(&watcher, &DatabaseWatcher::changedOutside)
        {
            program.Open(path);
            cli.Open(path);
            watcher.start();
        }
    };

    test::TempFolder mFolder;
    test::FakeClock mClock;
    QString mPath;

    static QString insert(const QString &message)
    {
        return test::reminderInsert(1, QDate(2026, 12, 24), QTime(18, 0), message);
    }

private slots:
    void init()
    {
        mPath = mFolder.file(QStringLiteral("dbReminders-%1.mdb").arg(QTest::currentTestFunction()));
        QVERIFY(test::makeDatabase(mPath));
    }

    void otherConnectionsChangesAreNoticedOwnAreNot()
    {
        TwoPrograms both(mPath, mClock);
        auto &[program, cli, watcher, changed] = both;
        QCOMPARE(changed.count(), 0);

        cli.Execute(insert(QStringLiteral("from the command line")));
        watcher.check();
        QCOMPARE(changed.count(), 1);
        watcher.check();
        QCOMPARE(changed.count(), 1); // once per change, not once per look

        program.Execute(insert(QStringLiteral("from the program")));
        program.Execute(QStringLiteral("delete from tblReminders where id=1"));
        watcher.check();
        QCOMPARE(changed.count(), 1);

        cli.beginTransaction();
        cli.Execute(insert(QStringLiteral("a")));
        cli.Execute(insert(QStringLiteral("b")));
        watcher.check();
        QCOMPARE(changed.count(), 1); // nothing committed yet
        cli.commit();
        watcher.check();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(program.orderedRows().size(), std::size_t(3));
    }

    void aRolledBackChangeIsNoChange()
    {
        TwoPrograms both(mPath, mClock);
        auto &[program, cli, watcher, changed] = both;
        cli.beginTransaction();
        cli.Execute(insert(QStringLiteral("undone")));
        cli.rollback();
        watcher.check();
        QCOMPARE(changed.count(), 0);
    }

    // While the other program holds the file locked, or once the program's
    // own connection is closed, a look finds nothing and throws nothing.
    void lockedOrClosedDatabaseIsLookedAtLater()
    {
        TwoPrograms both(mPath, mClock);
        auto &[program, cli, watcher, changed] = both;

        cli.beginTransaction();
        cli.Execute(insert(QStringLiteral("pending")));
        watcher.check();
        QCOMPARE(changed.count(), 0);
        cli.commit();
        watcher.check();
        QCOMPARE(changed.count(), 1);

        program.Close();
        cli.Execute(insert(QStringLiteral("while closed")));
        watcher.check();
        QCOMPARE(changed.count(), 1);
        watcher.stop();
    }
};

QTEST_GUILESS_MAIN(TestDatabaseWatcher)
#include "test_database_watcher.moc"
