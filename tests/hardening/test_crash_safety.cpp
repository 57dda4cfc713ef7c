// vestrona-cli killed at random moments of a restore or a backup: the
// database must hold all of the file's reminders or none and stay sound, and
// a backup file must be the old one or the complete new one, never a part.
// Real processes are killed here, so the kill points are real time spread
// over the measured length of one uninterrupted run.

#include "tests/support/Files.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QThread>

using namespace vestrona;

namespace {

constexpr int kBigFileLines = 20000;
constexpr int kKillPoints = 40;
constexpr int kRunTimeoutMs = 120000;
// Fixed, so that a failing kill point can be run again.
constexpr quint32 kSeed = 20261207;

struct DatabaseState {
    QString integrity;
    qint64 rows = -1;
};

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

private:
    test::ProgramFolder mFolder;
    QString mDatabase;
    QString mBigFile;
    QRandomGenerator mRandom{kSeed};

    QString file(const QString &name) const { return QDir(mFolder.path()).filePath(name); }

    // Runs to the end; returns how long it took in milliseconds, -1 on failure.
    qint64 runCli(const QStringList &arguments) const
    {
        const test::ProcessResult run =
            test::runProcess(mFolder.cliPath(), arguments, mFolder.environment(), kRunTimeoutMs);
        return run.exitCode == 0 ? run.elapsedMs : -1;
    }

    void killCliAfter(const QStringList &arguments, int delayMs) const
    {
        QProcess process;
        process.setProcessEnvironment(mFolder.environment());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(mFolder.cliPath(), arguments);
        process.waitForStarted();
        QThread::msleep(static_cast<unsigned long>(delayMs));
        process.kill();
        process.waitForFinished(kRunTimeoutMs);
    }

    // What the next program to open the file finds, after SQLite has rolled
    // back whatever a killed writer left half done.
    DatabaseState inspect() const
    {
        DatabaseState state;
        const QString name = QStringLiteral("crash-safety-inspect");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(mDatabase);
            if (db.open()) {
                QSqlQuery query(db);
                if (query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next())
                    state.integrity = query.value(0).toString();
                if (query.exec(QStringLiteral("select count(*) from tblReminders")) && query.next())
                    state.rows = query.value(0).toLongLong();
                query.finish();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        return state;
    }

    void removeRowsAbove(qint64 keep) const
    {
        test::rawSql(mDatabase, {QStringLiteral("delete from tblReminders where ID not in "
                                                "(select ID from tblReminders order by ID limit %1)")
                                     .arg(keep)});
    }

    static void writeBigFile(const QString &path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray text;
        for (int i = 0; i < kBigFileLines; ++i) {
            const QDate date = QDate(2027, 1, 1).addDays(i % 700);
            text += QStringLiteral("%1|;|%2/%3/%4|;|%5:%6:00 %7|;|Reminder number %8|;|%9|;|\r\n")
                        .arg(i % 3 + 1)
                        .arg(date.month())
                        .arg(date.day())
                        .arg(date.year())
                        .arg(i % 12 + 1)
                        .arg(i % 60, 2, 10, QLatin1Char('0'))
                        .arg(i % 2 ? QStringLiteral("PM") : QStringLiteral("AM"))
                        .arg(i)
                        .arg(i % 3 == 2 ? QStringLiteral("Mon, Wed") : QString())
                        .toUtf8();
        }
        QCOMPARE(file.write(text), text.size());
    }

    QStringList leftoverFiles(const QString &folder, const QStringList &expected) const
    {
        QStringList found = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        for (const QString &name : expected)
            found.removeAll(name);
        return found;
    }

private slots:
    void initTestCase()
    {
        // The program finds its database beside itself, so it runs from a copy.
        QCOMPARE(mFolder.setupError(), QString());
        mDatabase = mFolder.databasePath();
        mBigFile = file(QStringLiteral("BIG.txt"));
        writeBigFile(mBigFile);
        qInfo("kill points drawn with seed %u", kSeed);
    }

    void killedRestoreAddsAllOrNothing()
    {
        const QString small = file(QStringLiteral("small.txt"));
        test::writeFile(small, "1|;|1/2/2027|;|9:00:00 AM|;|Already there|;||;|\r\n"
                               "2|;|1/3/2027|;|10:00:00 AM|;|Also there|;||;|\r\n");
        QVERIFY(runCli({QStringLiteral("restore"), small}) >= 0);
        const qint64 before = inspect().rows;
        QCOMPARE(before, 2);

        const qint64 duration = runCli({QStringLiteral("restore"), mBigFile});
        QVERIFY2(duration >= 0, "an uninterrupted restore failed");
        QCOMPARE(inspect().rows, before + kBigFileLines);
        removeRowsAbove(before);

        int completed = 0;
        for (int point = 0; point < kKillPoints; ++point) {
            // A tenth past the end, so that kills after the commit are tried too.
            const int delay = int(mRandom.bounded(duration + duration / 10 + 1));
            killCliAfter({QStringLiteral("restore"), mBigFile}, delay);
            const DatabaseState state = inspect();
            QVERIFY2(state.integrity == QLatin1String("ok"),
                     qPrintable(QStringLiteral("kill after %1 ms: %2").arg(delay).arg(state.integrity)));
            QVERIFY2(state.rows == before || state.rows == before + kBigFileLines,
                     qPrintable(QStringLiteral("kill after %1 ms left %2 rows").arg(delay).arg(state.rows)));
            if (state.rows != before) {
                ++completed;
                removeRowsAbove(before);
            }
        }
        qInfo("restore of %d lines took %lld ms; %d kill points survived, %d of them after the commit",
              kBigFileLines, duration, kKillPoints, completed);
        // A kill before the first page reached the database leaves a journal
        // SQLite ignores (its header was never completed); the next change
        // removes it, so nothing stays beside the database for long.
        QVERIFY(runCli({QStringLiteral("restore"), small}) >= 0);
        const QStringList leftovers =
            leftoverFiles(mFolder.path(), {QStringLiteral("vestrona"), QStringLiteral("vestrona-cli"), QStringLiteral("alarm.wav"),
                                           QStringLiteral("dbReminders.mdb"), QStringLiteral("BIG.txt"), QStringLiteral("small.txt")});
        QVERIFY2(leftovers.isEmpty(), qPrintable(leftovers.join(QStringLiteral(", "))));
    }

    void killedBackupLeavesOldOrWholeFile()
    {
        const QString folder = file(QStringLiteral("backups"));
        QVERIFY(QDir().mkpath(folder));
        const QString out = folder + QStringLiteral("/OUT.txt");
        const QString reference = file(QStringLiteral("reference.txt"));

        // The old backup holds what the database held before the big restore.
        QVERIFY(runCli({QStringLiteral("backup"), out}) >= 0);
        const QByteArray oldBytes = test::readFile(out);
        QVERIFY(!oldBytes.isEmpty());
        QVERIFY(runCli({QStringLiteral("restore"), mBigFile}) >= 0);
        const qint64 duration = runCli({QStringLiteral("backup"), QStringLiteral("--force"), reference});
        QVERIFY2(duration >= 0, "an uninterrupted backup failed");
        const QByteArray newBytes = test::readFile(reference);
        QVERIFY(newBytes.size() > oldBytes.size());

        int replaced = 0;
        for (int point = 0; point < kKillPoints; ++point) {
            const int delay = int(mRandom.bounded(duration + duration / 10 + 1));
            killCliAfter({QStringLiteral("backup"), QStringLiteral("--force"), out}, delay);
            const QByteArray bytes = test::readFile(out);
            QVERIFY2(bytes == oldBytes || bytes == newBytes,
                     qPrintable(QStringLiteral("kill after %1 ms left a backup of %2 bytes (old %3, new %4)")
                                    .arg(delay)
                                    .arg(bytes.size())
                                    .arg(oldBytes.size())
                                    .arg(newBytes.size())));
            // A kill between linking the finished file into the folder and
            // renaming it over the old one leaves that whole copy beside it;
            // never a part of one.
            for (const QString &left : leftoverFiles(folder, {QStringLiteral("OUT.txt")})) {
                const QString leftPath = QDir(folder).filePath(left);
                QVERIFY2(test::readFile(leftPath) == newBytes,
                         qPrintable(QStringLiteral("kill after %1 ms left a part of a backup in %2").arg(delay).arg(left)));
                QVERIFY(QFile::remove(leftPath));
            }
            if (bytes == newBytes) {
                ++replaced;
                test::writeFile(out, oldBytes);
            }
        }
        qInfo("backup of %d reminders took %lld ms; %d kill points survived, %d of them after the rename",
              kBigFileLines + 2, duration, kKillPoints, replaced);
        QCOMPARE(inspect().integrity, QStringLiteral("ok"));
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "test_crash_safety.moc"
