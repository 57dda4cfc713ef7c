#include "control/AppController.h"
#include "control/BackgroundNotice.h"
#include "control/NextReminderTip.h"
#include "control/ReminderRows.h"
#include "control/StartUpView.h"
#include "core/AppError.h"
#include "database/Statements.h"
#include "notify/SleepWatch.h"
#include "scheduler/AlarmScheduler.h"
#include "scheduler/CountdownView.h"
#include "tests/support/DamagedDatabase.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeNotifier.h"
#include "tests/support/FakeSyncer.h"
#include "tests/support/Fakes.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <cstdio>
#include <memory>

#include <sys/stat.h>

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
    void showDamaged(std::vector<ReminderRecord> found) override { damaged = std::move(found); }
    QStringList messages() const
    {
        QStringList texts;
        for (const ReminderRecord &row : rows)
            texts << row.Reminder;
        return texts;
    }
    std::vector<ReminderRecord> rows;
    std::vector<ReminderRecord> damaged;

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
    FakeNotifier notifier;
    // On no bus: the tests tell the wake-up themselves.
    SleepWatch sleep{QDBusConnection(QStringLiteral("no bus"))};
    std::unique_ptr<AppController> controller = std::make_unique<AppController>(
        ControlContext{RegionalSettings::usEnglish(), reporter, settings, clock, sound, popup,
                       DataFiles::beside(folder.path()), &notifier, &sleep},
        ControlViews{view, rows, countdown, missed, notice});

    // Start-up, and the choice of the next reminder it leaves for after
    // the window's first rows.
    bool load()
    {
        const bool started = controller->Form_Load();
        QCoreApplication::sendPostedEvents();
        return started;
    }

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

enum class FileAtStart { Usable, Missing, Empty, Locked, Fifo };

// What the user does with the alarm's notification while the pop-up shows.
enum class OnNotification { Nothing, Show, Snooze, Stop, SnoozeAnEarlierOne };

} // namespace

Q_DECLARE_METATYPE(FileAtStart)
Q_DECLARE_METATYPE(OnNotification)
Q_DECLARE_METATYPE(vestrona::AlarmPopup::Outcome)

class TestAppController : public QObject {
    Q_OBJECT

private slots:
    // The record of the last page check is the test's, not the user's.
    void initTestCase() { qputenv("XDG_CACHE_HOME", QFile::encodeName(mCache.path())); }

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
        QTest::newRow("FIFO") << FileAtStart::Fifo << false << QStringList{"skin", "set up"}
                              << QStringLiteral("is not a regular file");
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
        if (file == FileAtStart::Fifo)
            QCOMPARE(::mkfifo(QFile::encodeName(h.databasePath()).constData(), 0600), 0);
        else if (file != FileAtStart::Missing)
            Harness::makeWith(h.databasePath(), {QStringLiteral("tea")});
        if (file == FileAtStart::Empty)
            QVERIFY(QFile::resize(h.databasePath(), 0));
        std::unique_ptr<WriteLock> lock;
        if (file == FileAtStart::Locked)
            lock = std::make_unique<WriteLock>(h.databasePath());

        QCOMPARE(h.load(), started);

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

    // Anything but a file in place of the record of the last page check is
    // passed over, never waited on, and replaced by the next record.
    void fifoInPlaceOfThePageCheckRecordIsPassedOver()
    {
        Harness h;
        Harness::makeWith(h.databasePath(), {QStringLiteral("tea")});
        const QString record = mCache.file(QStringLiteral("vestrona/checked-database"));
        QVERIFY(QDir().mkpath(QFileInfo(record).path()));
        QCOMPARE(::mkfifo(QFile::encodeName(record).constData(), 0600), 0);
        QVERIFY(h.load());
        QCOMPARE(h.rows.messages(), QStringList{"tea"});
        QVERIFY(h.reporter.boxes.isEmpty());
        QVERIFY(QFile::remove(record));
    }

    // A window step that fails is reported under start-up's name and line,
    // and start-up goes on.
    void aFailingWindowStepIsReportedAndStartUpGoesOn()
    {
        Harness h;
        Harness::makeWith(h.databasePath(), {QStringLiteral("tea")});
        h.view.unreadableSkin = true;

        QVERIFY(h.load());

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
        QVERIFY(h.load());
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
        QVERIFY(h.load());
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
        QVERIFY(h.load());

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
        QVERIFY(h.load());
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

    // Damage below the file system leaves the file's size, times and change
    // counter as they were, so start-up takes the record's word that it
    // passed; once that word is a day old, the check runs in the background
    // and says what start-up would have said.
    void damageStartUpSkipsIsFoundInTheBackground_data()
    {
        QTest::addColumn<qint64>("recordAgeSeconds");
        QTest::addColumn<bool>("reported");
        QTest::newRow("checked two days ago") << qint64(2 * 24 * 3600) << true;
        QTest::newRow("checked an hour ago") << qint64(3600) << false;
    }
    void damageStartUpSkipsIsFoundInTheBackground()
    {
        QFETCH(qint64, recordAgeSeconds);
        QFETCH(bool, reported);
        Harness h;
        const QString path = h.databasePath();
        Harness::makeWith(path, {QStringLiteral("tea")});
        damageBehindTheCheckRecord(path, recordAgeSeconds);
        if (QTest::currentTestFailed())
            return;
        h.clock.set(QDateTime::currentDateTime());

        QVERIFY(h.load());
        QCOMPARE(h.rows.messages(), QStringList{"tea"});
        if (reported) {
            QTRY_COMPARE_WITH_TIMEOUT(h.reporter.boxes.size(), 1, 10000);
            const QString shown = h.reporter.boxes.first().text;
            QVERIFY2(shown.startsWith(QStringLiteral("The reminder database %1 is damaged").arg(path)), qPrintable(shown));
        } else {
            QTest::qWait(1500);
            QVERIFY(h.reporter.boxes.isEmpty());
        }
    }

    // A large file's page check, a tenth of a second at a million
    // reminders, runs beside the starting window: the window lists what it
    // reads and says what the check found once it has, as a small file's
    // start-up would have.
    void largeFileIsCheckedBesideTheWindow()
    {
        Harness h;
        const QString path = h.databasePath();
        Harness::makeWith(path, {QStringLiteral("tea")});
        damageUnreadPages(path, 25000);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(QFileInfo(path).size() > 4 * 1024 * 1024);
        h.clock.set(QDateTime::currentDateTime());

        QVERIFY(h.load());
        QCOMPARE(h.rows.messages(), QStringList{"tea"});
        QVERIFY(h.reporter.boxes.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(h.reporter.boxes.size(), 1, 10000);
        const QString shown = h.reporter.boxes.first().text;
        QVERIFY2(shown.startsWith(QStringLiteral("The reminder database %1 is damaged").arg(path)), qPrintable(shown));
    }

    // The notification's buttons answer through the pop-up, as its own
    // buttons do; whatever answered, the notification is withdrawn. One that
    // is only looked at, or a button of an alarm answered before, leaves
    // the answer to the pop-up.
    void notificationAnswersThroughThePopup_data()
    {
        using Outcome = AlarmPopup::Outcome;
        QTest::addColumn<OnNotification>("user");
        QTest::addColumn<QList<Outcome>>("answers");
        QTest::addColumn<int>("broughtToFront");
        QTest::addColumn<bool>("snoozed");
        QTest::newRow("pop-up answers Snooze") << OnNotification::Nothing << QList<Outcome>() << 0 << true;
        QTest::newRow("clicked") << OnNotification::Show << QList<Outcome>() << 1 << true;
        QTest::newRow("Snooze") << OnNotification::Snooze << QList<Outcome>{Outcome::Snooze} << 0 << true;
        QTest::newRow("Stop") << OnNotification::Stop << QList<Outcome>{Outcome::Stop} << 0 << false;
        QTest::newRow("an earlier alarm's Snooze") << OnNotification::SnoozeAnEarlierOne << QList<Outcome>() << 0
                                                   << true;
    }
    void notificationAnswersThroughThePopup()
    {
        using Outcome = AlarmPopup::Outcome;
        QFETCH(OnNotification, user);
        QFETCH(QList<Outcome>, answers);
        QFETCH(int, broughtToFront);
        QFETCH(bool, snoozed);
        Harness h;
        Harness::makeWith(h.databasePath(), {QStringLiteral("tea")});
        QVERIFY(h.load());
        // Left to itself, the pop-up is answered with Snooze.
        h.popup.outcomes = {Outcome::Snooze};
        h.popup.whileShown = [&] {
            QCOMPARE(h.notifier.alarms, QStringList{"tea"});
            QVERIFY(h.notifier.withdrawn.isEmpty());
            const quint32 ticket = h.notifier.shown.last();
            switch (user) {
            case OnNotification::Nothing:
                break;
            case OnNotification::Show:
                h.notifier.invoke(ticket, AlarmNotifier::Action::Show);
                break;
            case OnNotification::Snooze:
                h.notifier.invoke(ticket, AlarmNotifier::Action::Snooze);
                break;
            case OnNotification::Stop:
                h.notifier.invoke(ticket, AlarmNotifier::Action::Stop);
                break;
            case OnNotification::SnoozeAnEarlierOne:
                h.notifier.invoke(ticket + 1, AlarmNotifier::Action::Stop);
                break;
            }
        };
        h.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));

        h.controller->scheduler().tickTimer1();

        QCOMPARE(h.popup.messages, QStringList{"tea"});
        QCOMPARE(h.popup.answers, answers);
        QCOMPARE(h.popup.broughtToFront, broughtToFront);
        QCOMPARE(h.notifier.withdrawn, h.notifier.shown);
        QCOMPARE(h.controller->scheduler().Snoozed(), snoozed);
        QCOMPARE(h.controller->scheduler().isTimer2Enabled(), snoozed);
        QCOMPARE(h.controller->scheduler().isTimer1Enabled(), !snoozed);
        QVERIFY(!h.sound.playing);
    }

    // Woken from a suspend past a reminder's time, the alarm comes at once,
    // not at the tick a second later.
    void wakeUpRingsAtOnce()
    {
        Harness h;
        Harness::makeWith(h.databasePath(), {QStringLiteral("tea")});
        QVERIFY(h.load());
        QTest::qWait(1100);
        QVERIFY(h.popup.messages.isEmpty());
        h.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 0, 20)));

        emit h.sleep.resumed();

        QTRY_COMPARE_WITH_TIMEOUT(h.popup.messages, QStringList{"tea"}, 400);
        QCOMPARE(h.notifier.alarms, QStringList{"tea"});
    }

    void trayTipNamesTheNextReminder_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("due");
        QTest::addColumn<QString>("tip");
        QTest::newRow("none due") << QString() << QString() << QStringLiteral("Vestrona\nNo reminder is due");
        QTest::newRow("short") << QStringLiteral("Water the plants") << QStringLiteral("12/07/2026 10:00:00")
                               << QStringLiteral("Vestrona\nNext: Water the plants\nDue 12/07/2026 10:00:00");
        QTest::newRow("first line only") << QStringLiteral("Call Ann\r\nabout the car") << QStringLiteral("12/07/2026 10:00:00")
                                         << QStringLiteral("Vestrona\nNext: Call Ann\nDue 12/07/2026 10:00:00");
        // Cut to the tooltip's 127 characters, the time stays whole.
        QTest::newRow("long") << QString(200, QLatin1Char('x')) << QStringLiteral("12/07/2026 10:00:00")
                              << QStringLiteral("Vestrona\nNext: ") + QString(87, QLatin1Char('x')) + QChar(0x2026)
                                     + QStringLiteral("\nDue 12/07/2026 10:00:00");
        // Never half a character: an emoji is two UTF-16 units.
        QTest::newRow("long, cut before an emoji")
            << QString(86, QLatin1Char('x')) + QStringLiteral("\U0001F331 and more") << QStringLiteral("12/07/2026 10:00:00")
            << QStringLiteral("Vestrona\nNext: ") + QString(86, QLatin1Char('x')) + QChar(0x2026)
                   + QStringLiteral("\nDue 12/07/2026 10:00:00");
    }
    void trayTipNamesTheNextReminder()
    {
        QFETCH(QString, message);
        QFETCH(QString, due);
        QFETCH(QString, tip);
        const QString made = nextReminderTip(message, due);
        QCOMPARE(made, tip);
        QVERIFY(made.size() <= 127);
    }

private:
    TempFolder mCache;
};

QTEST_MAIN(TestAppController)
#include "test_app_controller.moc"
