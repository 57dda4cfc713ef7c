#include "control/AppController.h"
#include "control/BackgroundNotice.h"
#include "control/ReminderRows.h"
#include "control/StartUpView.h"
#include "core/AppError.h"
#include "database/Statements.h"
#include "scheduler/AlarmScheduler.h"
#include "scheduler/CountdownView.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeSyncer.h"
#include "tests/support/Fakes.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDatabase.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <cstdio>
#include <memory>

using namespace vestrona;
using namespace vestrona::test;

namespace {

// The window's side of start-up, noting each phase in one shared log.
class LoggingStartUpView final : public StartUpView {
public:
    explicit LoggingStartUpView(QStringList &log) : mLog(log) {}
    void ApplySkin() override
    {
        mLog << QStringLiteral("skin");
        if (unreadableSkin)
            throw AppError(QStringLiteral("The skin file could not be read."));
    }
    void setUpWindow(ErrorTrap &) override { mLog << QStringLiteral("set up"); }
    void restoreAlarmSettings(ErrorTrap &) override { mLog << QStringLiteral("alarm settings"); }
    void restoreStartupOptions(ErrorTrap &) override { mLog << QStringLiteral("start-up options"); }
    void placeWindow() override { mLog << QStringLiteral("place"); }
    bool unreadableSkin = false;

private:
    QStringList &mLog;
};

// The list's rows, read in full from the connection as the window's list does.
class LoggingRows final : public ReminderRows {
public:
    explicit LoggingRows(QStringList &log) : mLog(log) {}
    void load(Connection &conn, const QString &) override
    {
        mLog << QStringLiteral("load");
        rows = conn.orderedRows();
    }
    void clear() override { rows.clear(); }
    void forEachScheduleRow(const std::function<void(const ReminderRecord &)> &visit) const override
    {
        for (const ReminderRecord &row : rows)
            visit(row);
    }
    QString message(qint64 id) const override
    {
        for (const ReminderRecord &row : rows)
            if (row.ID == id)
                return row.Reminder;
        return {};
    }
    std::vector<ReminderRecord> damagedRows() const override { return {}; }
    QStringList messages() const
    {
        QStringList texts;
        for (const ReminderRecord &row : rows)
            texts << row.Reminder;
        return texts;
    }
    std::vector<ReminderRecord> rows;

private:
    QStringList &mLog;
};

class QuietCountdown final : public CountdownView {
public:
    void setFrameCaption(const QString &) override {}
    void setProgress(int, int, const QString &) override {}
    int selectedIntervalRow() const override { return 1; }
    QString alarmSoundFile() const override { return {}; }
    void restoreDefaultCursor() override {}
};

class RecordingNotice final : public BackgroundNotice {
public:
    void notify(const QString &text) override { texts << text; }
    void showSyncFailure(const QString &failure) override { syncFailure = failure; }
    QStringList texts;
    QString syncFailure;
};

// Holds the database file locked for writing, as a long restore by another
// program does, until it goes out of scope or is released.
class WriteLock {
public:
    explicit WriteLock(const QString &path) : mName(QStringLiteral("controller-lock-") + path)
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), mName);
        holder.setDatabaseName(path);
        if (!holder.open() || !QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE")))
            qFatal("The database %s could not be locked", qPrintable(path));
    }
    ~WriteLock() { release(); }
    void release()
    {
        if (!QSqlDatabase::contains(mName))
            return;
        {
            QSqlDatabase holder = QSqlDatabase::database(mName);
            QSqlQuery(holder).exec(QStringLiteral("ROLLBACK"));
            holder.close();
        }
        QSqlDatabase::removeDatabase(mName);
    }

private:
    QString mName;
};

struct Harness {
    TempFolder folder;
    RecordingReporter reporter;
    MemorySettings settings;
    FakeClock clock;
    FakeSound sound;
    FakePopup popup{sound};
    QStringList log;
    LoggingStartUpView view{log};
    LoggingRows rows{log};
    QuietCountdown countdown;
    FakeMissedReport missed;
    RecordingNotice notice;
    std::unique_ptr<AppController> controller = std::make_unique<AppController>(
        ControlContext{RegionalSettings::usEnglish(), reporter, settings, clock, sound, popup,
                       DataFiles::beside(folder.path())},
        ControlViews{view, rows, countdown, missed, notice});

    QString databasePath() const { return DataFiles::beside(folder.path()).database; }
    // A reminder database at `path` holding one reminder for each message,
    // due today an hour apart from 10:00.
    static void makeWith(const QString &path, const QStringList &messages)
    {
        QVERIFY(makeDatabase(path));
        Connection writer(RegionalSettings::usEnglish());
        writer.Open(path);
        int hour = 10;
        for (const QString &message : messages)
            writer.Execute(reminderInsert(1, QDate(2026, 12, 7), QTime(hour++, 0), message));
    }
};

enum class FileAtStart { Usable, Missing, Empty, Locked };

} // namespace

Q_DECLARE_METATYPE(FileAtStart)

class TestAppController : public QObject {
    Q_OBJECT

private slots:
    // The window's phases come in their order around the database; a file
    // that cannot be a database ends start-up before the window's settings
    // are read, a locked one starts everything but the reminders.
    void startUpOrder_data()
    {
        QTest::addColumn<FileAtStart>("file");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QStringList>("phases");
        QTest::addColumn<QString>("said");

        QTest::newRow("usable") << FileAtStart::Usable << true
                                << QStringList{"skin", "set up", "alarm settings", "start-up options", "load", "place"}
                                << QString();
        QTest::newRow("missing") << FileAtStart::Missing << false << QStringList{"skin"} << QStringLiteral("not found");
        QTest::newRow("empty") << FileAtStart::Empty << false << QStringList{"skin", "set up"}
                               << QStringLiteral("empty (0 bytes)");
        QTest::newRow("locked") << FileAtStart::Locked << true
                                << QStringList{"skin", "set up", "alarm settings", "start-up options", "place"}
                                << QStringLiteral("is in use by another program");
    }
    void startUpOrder()
    {
        QFETCH(FileAtStart, file);
        QFETCH(bool, started);
        QFETCH(QStringList, phases);
        QFETCH(QString, said);
        Harness h;
        if (file != FileAtStart::Missing)
            Harness::makeWith(h.databasePath(), {QStringLiteral("tea")});
        if (file == FileAtStart::Empty)
            QVERIFY(QFile::resize(h.databasePath(), 0));
        std::unique_ptr<WriteLock> lock;
        if (file == FileAtStart::Locked)
            lock = std::make_unique<WriteLock>(h.databasePath());

        QCOMPARE(h.controller->Form_Load(), started);

        QCOMPARE(h.log, phases);
        if (said.isEmpty()) {
            QVERIFY(h.reporter.boxes.isEmpty());
            QCOMPARE(h.controller->scheduler().alarmText(), QStringLiteral("tea"));
            QVERIFY(h.controller->scheduler().isTimer1Enabled());
        } else {
            QCOMPARE(h.reporter.boxes.size(), 1);
            const QString shown = h.reporter.boxes.first().text;
            QVERIFY2(shown.contains(h.databasePath()) && shown.contains(said), qPrintable(shown));
            QVERIFY(!h.controller->scheduler().isTimer1Enabled());
        }
    }

    // A window step that fails is reported under start-up's name and line,
    // and start-up goes on.
    void aFailingWindowStepIsReportedAndStartUpGoesOn()
    {
        Harness h;
        Harness::makeWith(h.databasePath(), {QStringLiteral("tea")});
        h.view.unreadableSkin = true;

        QVERIFY(h.controller->Form_Load());

        const QList<ErrorReport> errors = h.reporter.errors();
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors.first().location, QStringLiteral("Form1.Form_Load"));
        QCOMPARE(errors.first().line, 100);
        QCOMPARE(h.log.last(), QStringLiteral("place"));
        QCOMPARE(h.rows.messages(), QStringList{"tea"});
    }

    // Once the lock goes, the reminders are listed and counted down to,
    // without a further word, and the file is written as usual.
    void lockedDatabaseStartsItsRemindersOnceFree()
    {
        Harness h;
        Harness::makeWith(h.databasePath(), {QStringLiteral("after the lock")});
        WriteLock lock(h.databasePath());
        QVERIFY(h.controller->Form_Load());
        QTest::qWait(1500);
        QVERIFY(h.rows.rows.empty());

        lock.release();

        QTRY_COMPARE_WITH_TIMEOUT(h.rows.messages(), QStringList{"after the lock"}, 5000);
        QCOMPARE(h.controller->scheduler().alarmText(), QStringLiteral("after the lock"));
        QVERIFY(h.controller->scheduler().isTimer1Enabled());
        QCOMPARE(h.reporter.boxes.size(), 1);
        QVERIFY(!h.controller->conn().isReadOnly());
    }

    // Another file moved over the database is the database from then on.
    void replacedDatabaseIsOpenedAgain()
    {
        Harness h;
        Harness::makeWith(h.databasePath(), {QStringLiteral("old")});
        QVERIFY(h.controller->Form_Load());
        const QString replacement = h.folder.file(QStringLiteral("new.mdb"));
        Harness::makeWith(replacement, {QStringLiteral("new first"), QStringLiteral("new second")});

        QCOMPARE(std::rename(qPrintable(replacement), qPrintable(h.databasePath())), 0);

        QTRY_COMPARE_WITH_TIMEOUT(h.rows.messages(), (QStringList{"new first", "new second"}), 5000);
        QCOMPARE(h.controller->scheduler().alarmText(), QStringLiteral("new first"));
        h.controller->PushButton6_Click();
        QCOMPARE(h.rows.rows.size(), std::size_t(3));
        Connection reader(RegionalSettings::usEnglish());
        reader.Open(h.databasePath());
        QCOMPARE(reader.orderedRows().size(), std::size_t(3));
        QVERIFY(h.reporter.boxes.isEmpty());
    }

    // A deleted database is said once however long it stays away; put
    // back, it is read again.
    void deletedDatabaseIsReportedOnceAndReadWhenPutBack()
    {
        Harness h;
        Harness::makeWith(h.databasePath(), {QStringLiteral("gone")});
        QVERIFY(h.controller->Form_Load());

        QVERIFY(QFile::remove(h.databasePath()));

        QTRY_COMPARE_WITH_TIMEOUT(h.reporter.boxes.size(), 1, 5000);
        const QString shown = h.reporter.boxes.first().text;
        QVERIFY2(shown.contains(h.databasePath()) && shown.contains(QStringLiteral("has been deleted")),
                 qPrintable(shown));
        QCOMPARE(h.reporter.errors().size(), 0);
        QTest::qWait(2500);
        QCOMPARE(h.reporter.boxes.size(), 1);

        const QString putBack = h.folder.file(QStringLiteral("copy.mdb"));
        Harness::makeWith(putBack, {QStringLiteral("put back")});
        QVERIFY(QFile::rename(putBack, h.databasePath()));
        QTRY_COMPARE_WITH_TIMEOUT(h.rows.messages(), QStringList{"put back"}, 5000);
        QCOMPARE(h.controller->scheduler().alarmText(), QStringLiteral("put back"));
        QCOMPARE(h.reporter.boxes.size(), 1);
    }
    // A calendar that lost most of what it held waits for the user's word:
    // the tray says so once, not at every sync that meets it again, and
    // again only when it comes back after an ordinary sync.
    void emptiedCalendarIsSaidOnceInTheTray()
    {
        Harness h;
        Harness::makeWith(h.databasePath(), {QStringLiteral("rent")});
        QVERIFY(h.controller->Form_Load());
        auto owned = std::make_unique<vestrona::test::FakeSyncer>();
        vestrona::test::FakeSyncer &syncer = *owned;
        h.controller->setSyncer(std::move(owned));
        SyncReport emptied;
        emptied.outcome = SyncReport::Outcome::Failed;
        emptied.serverEmptied = true;
        emptied.failure = QStringLiteral("The calendar on the server no longer holds 12 of the 12 reminders it held.");
        const auto syncOnce = [&](const SyncReport &report) {
            h.controller->syncScheduler()->syncNow();
            syncer.finish(report);
        };

        syncOnce(emptied);
        // The failure stays in view until a sync succeeds.
        QCOMPARE(h.notice.syncFailure, emptied.failure);
        syncOnce(emptied);
        QCOMPARE(h.notice.texts.size(), 1);
        QVERIFY2(h.notice.texts.first().startsWith(emptied.failure), qPrintable(h.notice.texts.first()));
        QVERIFY(h.notice.texts.first().contains(QStringLiteral("Nothing was deleted here")));

        syncOnce(SyncReport{});
        QCOMPARE(h.notice.syncFailure, QString());
        syncOnce(emptied);
        QCOMPARE(h.notice.texts.size(), 2);
        QCOMPARE(h.rows.messages(), QStringList{"rent"});
    }
};

QTEST_MAIN(TestAppController)
#include "test_app_controller.moc"
