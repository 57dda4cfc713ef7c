#include "scheduler/AlarmScheduler.h"
#include "scheduler/AlarmPopup.h"
#include "scheduler/CountdownView.h"
#include "scheduler/SoundPlayer.h"
#include "database/Connection.h"
#include "config/Settings.h"
#include "database/Statements.h"
#include "tests/support/FakeClock.h"
#include "tests/support/Fakes.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDatabase.h"

#include <QHash>
#include <QTest>

#include <functional>
#include <memory>

using namespace vestrona;
using namespace vestrona::test;
using Outcome = AlarmPopup::Outcome;

Q_DECLARE_METATYPE(AlarmPopup::Outcome)

namespace {

// Monday 7 December 2026.
const QDate kDay(2026, 12, 7);

QDateTime at(int h, int m = 0, int s = 0, int ms = 0)
{
    return QDateTime(kDay, QTime(h, m, s, ms), Qt::LocalTime);
}

// A moment as the settings keep it.
QString stored(const QDateTime &moment)
{
    return moment.toUTC().toString(Qt::ISODateWithMs);
}

class FakeView final : public CountdownView {
public:
    struct Progress {
        int value;
        int maximum;
        QString text;
    };
    void setFrameCaption(const QString &caption) override { captions.append(caption); }
    void setProgress(int value, int maximum, const QString &text) override { progress.append({value, maximum, text}); }
    int selectedIntervalRow() const override { return row; }
    QString alarmSoundFile() const override { return QStringLiteral("/sounds/alarm.wav"); }
    void restoreDefaultCursor() override { ++cursorResets; }
    QStringList captions;
    QList<Progress> progress;
    int row = 1;
    int cursorResets = 0;
};

} // namespace

class TestAlarmScheduler : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder;
    std::unique_ptr<Connection> conn;
    std::unique_ptr<MemorySettings> settings;
    std::unique_ptr<RecordingReporter> reporter;
    std::unique_ptr<FakeClock> clock;
    std::unique_ptr<FakeSound> sound;
    std::unique_ptr<FakePopup> popup;
    std::unique_ptr<FakeView> view;
    std::unique_ptr<FakeMissedReport> missed;
    std::unique_ptr<AlarmScheduler> scheduler;
    const RegionalSettings regional = RegionalSettings::usEnglish();

    void add(int option, const QDate &date, const QTime &time, const QString &message,
             const QString &weekdays = QString())
    {
        QCOMPARE(conn->Execute(reminderInsert(option, date, time, message, weekdays)), 1);
    }

    // Starts the program's countdown at `now`, as start-up does.
    void startAt(const QDateTime &now)
    {
        clock->set(now);
        scheduler->GetLatestReminder();
        scheduler->startCountdown();
    }

    // The program ended (quit, or killed when `quit` is false) and started
    // again at `now` over the same database and settings.
    void restartAt(const QDateTime &now, bool quit = true)
    {
        if (quit)
            scheduler->stop();
        scheduler = std::make_unique<AlarmScheduler>(*conn, *settings, regional, *reporter, *clock, *sound, *popup,
                                                     *view, *missed, AlarmScheduler::Ticking::Manual);
        startAt(now);
    }

    QString lastCaption() const { return view->captions.isEmpty() ? QString() : view->captions.last(); }

private slots:
    void init()
    {
        folder = std::make_unique<TempFolder>();
        const QString path = folder->file(QStringLiteral("dbReminders.mdb"));
        QVERIFY(makeDatabase(path));
        conn = std::make_unique<Connection>(regional);
        conn->Open(path);
        settings = std::make_unique<MemorySettings>();
        reporter = std::make_unique<RecordingReporter>();
        clock = std::make_unique<FakeClock>(at(8));
        sound = std::make_unique<FakeSound>();
        popup = std::make_unique<FakePopup>(*sound);
        view = std::make_unique<FakeView>();
        missed = std::make_unique<FakeMissedReport>();
        scheduler = std::make_unique<AlarmScheduler>(*conn, *settings, regional, *reporter, *clock, *sound, *popup,
                                                     *view, *missed, AlarmScheduler::Ticking::Manual);
    }

    void cleanup()
    {
        QVERIFY2(reporter->errors().isEmpty(), qPrintable(reporter->errors().value(0).description));
        scheduler.reset();
        conn.reset();
    }

    void idleTicksDoNothing()
    {
        startAt(at(8));
        QCOMPARE(scheduler->alarmTime(), QString());
        QCOMPARE(scheduler->alarmText(), QString());
        view->captions.append(QStringLiteral("last words"));
        for (int i = 0; i < 3; ++i) {
            clock->advanceSeconds(1);
            scheduler->tickTimer1();
        }
        QCOMPARE(view->captions, QStringList{QStringLiteral("last words")});
        QVERIFY(popup->messages.isEmpty());
        QVERIFY(scheduler->isTimer1Enabled());
    }

    void selectionReadsTheTableAndDateFormat()
    {
        add(OptionOnce, kDay, QTime(12, 0), "noon");
        add(OptionDaily, kDay.addDays(-30), QTime(9, 30), "daily");
        settings->values.insert(QStringLiteral("DateFormat"), QStringLiteral("dd/mm/yyyy"));
        startAt(at(10));
        QCOMPARE(scheduler->alarmText(), QStringLiteral("noon"));
        QCOMPARE(scheduler->alarmTime(), QStringLiteral("07/12/2026 12:00:00"));
        QCOMPARE(scheduler->alarmDue(), at(12));
    }

    void countdownAndStopMovesToTheNextReminder()
    {
        add(OptionOnce, kDay, QTime(9, 0), "first");
        add(OptionOnce, kDay, QTime(10, 0), "second");
        startAt(at(8, 59, 55, 1));
        scheduler->tickTimer1();
        QCOMPARE(lastCaption(), QStringLiteral("Next alarm will play in 00:00:05"));
        QVERIFY(popup->messages.isEmpty());
        QVERIFY(sound->prepared.isEmpty());

        // Never early: a millisecond before the second there is one to go.
        clock->set(at(8, 59, 59, 999));
        scheduler->tickTimer1();
        QCOMPARE(lastCaption(), QStringLiteral("Next alarm will play in 00:00:01"));
        QVERIFY(popup->messages.isEmpty());
        // The sound is opened ahead of the alarm, and not played yet.
        QCOMPARE(sound->prepared, QStringList{QStringLiteral("/sounds/alarm.wav")});
        QVERIFY(sound->played.isEmpty());

        clock->set(at(9, 0, 0, 1));
        popup->outcomes = {Outcome::Stop};
        scheduler->tickTimer1();
        QCOMPARE(lastCaption(), QStringLiteral("Next alarm will play in 00:00:00"));
        QCOMPARE(popup->messages, QStringList{QStringLiteral("first")});
        QCOMPARE(popup->soundWhileShown, QList<bool>{true});
        QCOMPARE(sound->played, QStringList{QStringLiteral("/sounds/alarm.wav")});
        QVERIFY(sound->looping);
        QVERIFY(!sound->isPlaying());
        QCOMPARE(view->cursorResets, 1);
        QCOMPARE(view->progress.last().value, 0);
        QCOMPARE(view->progress.last().text, QStringLiteral("Progress Bar"));
        QVERIFY(!scheduler->Snoozed());
        QCOMPARE(scheduler->alarmText(), QStringLiteral("second"));
        QVERIFY(scheduler->isTimer1Enabled());
        QVERIFY(!scheduler->isTimer2Enabled());

        // The one-time reminder that rang is not chosen again.
        clock->set(at(10, 0, 0, 1));
        scheduler->tickTimer1();
        QCOMPARE(popup->messages.last(), QStringLiteral("second"));
        QCOMPARE(scheduler->alarmTime(), QString());
        const int ticksBefore = view->captions.size();
        clock->advanceSeconds(5);
        scheduler->tickTimer1();
        QCOMPARE(view->captions.size(), ticksBefore);
        QCOMPARE(lastCaption(), QStringLiteral("Next alarm will play in 00:00:00"));
    }

    // Found late, the alarm still rings within a minute of its moment;
    // later than that (a suspend, a clock jump) it is reported instead.
    void lateTickOrClockJumpRingsOrReports_data()
    {
        QTest::addColumn<QDateTime>("tickAt");
        QTest::addColumn<bool>("rings");
        QTest::newRow("tick seven seconds late") << at(9, 0, 7) << true;
        QTest::newRow("machine suspended for most of a minute") << at(9, 0, 59) << true;
        QTest::newRow("machine suspended for hours") << at(14, 30) << false;
        QTest::newRow("next day") << at(9).addDays(1).addSecs(-60) << false;
    }

    void lateTickOrClockJumpRingsOrReports()
    {
        QFETCH(QDateTime, tickAt);
        QFETCH(bool, rings);
        add(OptionOnce, kDay, QTime(9, 0), "missed");
        startAt(at(8, 59, 58));
        scheduler->tickTimer1();
        clock->set(tickAt);
        scheduler->tickTimer1();
        if (rings) {
            QCOMPARE(popup->messages, QStringList{QStringLiteral("missed")});
            QVERIFY(missed->reports.isEmpty());
        } else {
            QVERIFY(popup->messages.isEmpty());
            QVERIFY(sound->played.isEmpty());
            QCOMPARE(missed->reports.size(), 1);
            const std::vector<MissedEntry> &entries = missed->reports.first().entries;
            QCOMPARE(entries.size(), size_t(1));
            QCOMPARE(entries.front().message, QStringLiteral("missed"));
            QCOMPARE(entries.front().count, 1);
            QCOMPARE(QDateTime(entries.front().lastDate, entries.front().lastTime), at(9));
            // Nothing to answer: the record moves on at once.
            QCOMPARE(settings->values.value(QStringLiteral("SeenUpTo")), stored(tickAt));
        }
        // Handled once: it does not come back.
        clock->advanceSeconds(1);
        scheduler->tickTimer1();
        QCOMPARE(popup->messages.size() + missed->reports.size(), 1);
        QVERIFY(scheduler->isTimer1Enabled());
    }

    void snoozeWaitCountsTheIntervalOnTheClock()
    {
        add(OptionOnce, kDay, QTime(9, 0), "tea");
        startAt(at(8, 59, 59, 1));
        popup->outcomes = {Outcome::Snooze, Outcome::Stop};
        clock->set(at(9, 0, 0, 1));
        scheduler->tickTimer1();
        QVERIFY(scheduler->Snoozed());
        QVERIFY(!scheduler->isTimer1Enabled());
        QVERIFY(scheduler->isTimer2Enabled());

        clock->advanceSeconds(1);
        scheduler->tickTimer2();
        QCOMPARE(scheduler->seconds(), 1);
        QCOMPARE(scheduler->interval(), 300);
        QCOMPARE(view->progress.last().value, 1);
        QCOMPARE(view->progress.last().maximum, 300);
        QCOMPARE(lastCaption(), QStringLiteral("Next alarm will play in 00:04:59"));

        // Ticks lost (busy machine): the wait still ends on time.
        clock->advanceSeconds(298);
        scheduler->tickTimer2();
        QCOMPARE(lastCaption(), QStringLiteral("Next alarm will play in 00:00:01"));
        QCOMPARE(popup->messages.size(), 1);
        clock->advanceSeconds(1);
        scheduler->tickTimer2();
        QCOMPARE(popup->messages, (QStringList{QStringLiteral("tea"), QStringLiteral("tea")}));
        QCOMPARE(popup->soundWhileShown, (QList<bool>{true, true}));
        QVERIFY(!scheduler->Snoozed());
        QVERIFY(!scheduler->isTimer2Enabled());
        QVERIFY(scheduler->isTimer1Enabled());
    }

    void suspendAcrossTheSnoozeWaitRaisesTheRepeat()
    {
        add(OptionOnce, kDay, QTime(9, 0), "tea");
        startAt(at(8, 59, 59));
        popup->outcomes = {Outcome::Snooze, Outcome::Snooze};
        clock->set(at(9));
        scheduler->tickTimer1();
        clock->advanceSeconds(300 + 40);
        scheduler->tickTimer2();
        QCOMPARE(popup->messages.size(), 2);
        QCOMPARE(view->progress.at(view->progress.size() - 2).value, 300);
        // Snoozed again: a fresh wait from the moment of the answer.
        QVERIFY(scheduler->isTimer2Enabled());
        QCOMPARE(scheduler->seconds(), 0);
        clock->advanceSeconds(299);
        scheduler->tickTimer2();
        QCOMPARE(popup->messages.size(), 2);
    }

    void anotherIntervalRestartsTheWait()
    {
        add(OptionOnce, kDay, QTime(9, 0), "tea");
        startAt(at(8, 59, 59));
        popup->outcomes = {Outcome::Snooze, Outcome::Stop};
        clock->set(at(9));
        scheduler->tickTimer1();
        clock->advanceSeconds(200);
        scheduler->tickTimer2();

        view->row = 2;
        scheduler->intervalRowClicked(2);
        QCOMPARE(settings->values.value(QStringLiteral("OftenIndex")), QStringLiteral("2"));
        QCOMPARE(scheduler->interval(), 600);
        QCOMPARE(scheduler->seconds(), 0);

        clock->advanceSeconds(300);
        scheduler->tickTimer2();
        QCOMPARE(lastCaption(), QStringLiteral("Next alarm will play in 00:05:00"));
        QCOMPARE(popup->messages.size(), 1);
        clock->advanceSeconds(300);
        scheduler->tickTimer2();
        QCOMPARE(popup->messages.size(), 2);
    }

    void choosingAnIntervalWhileCountingDownOnlyStoresIt()
    {
        add(OptionOnce, kDay, QTime(9, 0), "tea");
        startAt(at(8));
        view->row = 6;
        scheduler->intervalRowClicked(6);
        QCOMPARE(settings->values.value(QStringLiteral("OftenIndex")), QStringLiteral("6"));
        QCOMPARE(scheduler->GetAlarmInterval(), 14400);
        QVERIFY(scheduler->isTimer1Enabled());
        QVERIFY(!scheduler->isTimer2Enabled());
        scheduler->intervalRowClicked(0);
        QCOMPARE(settings->values.value(QStringLiteral("OftenIndex")), QStringLiteral("6"));
    }

    void noIntervalRowNeverRepeats()
    {
        add(OptionOnce, kDay, QTime(9, 0), "tea");
        startAt(at(8, 59, 59));
        popup->outcomes = {Outcome::Snooze};
        clock->set(at(9));
        scheduler->tickTimer1();
        view->row = 0;
        const int progressBefore = view->progress.size();
        clock->advanceSeconds(20000);
        scheduler->tickTimer2();
        QCOMPARE(popup->messages.size(), 1);
        QCOMPARE(view->progress.size(), progressBefore);
        QVERIFY(scheduler->isTimer2Enabled());
    }

    void closingWithoutAButtonKeepsTheLastAnswer()
    {
        add(OptionOnce, kDay, QTime(9, 0), "first");
        add(OptionOnce, kDay, QTime(11, 0), "second");
        startAt(at(8, 59, 59));
        // First alarm closed: the flag starts cleared, so it acts as Stop.
        popup->outcomes = {Outcome::Closed, Outcome::Snooze, Outcome::Closed};
        clock->set(at(9));
        scheduler->tickTimer1();
        QVERIFY(!scheduler->Snoozed());
        QCOMPARE(scheduler->alarmText(), QStringLiteral("second"));

        clock->set(at(11));
        scheduler->tickTimer1();
        QVERIFY(scheduler->Snoozed());
        // Closed after a snooze: snoozes again.
        clock->advanceSeconds(300);
        scheduler->tickTimer2();
        QCOMPARE(popup->messages,
                 (QStringList{QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("second")}));
        QVERIFY(scheduler->Snoozed());
        QVERIFY(scheduler->isTimer2Enabled());
    }

    void shutdownDuringTheAlarmArmsNothing()
    {
        add(OptionOnce, kDay, QTime(9, 0), "first");
        add(OptionOnce, kDay, QTime(10, 0), "second");
        startAt(at(8, 59, 59));
        popup->whileShown = [this] { scheduler->stop(); };
        clock->set(at(9));
        scheduler->tickTimer1();
        QVERIFY(!scheduler->isTimer1Enabled());
        QVERIFY(!scheduler->isTimer2Enabled());
        QVERIFY(!sound->isPlaying());
    }

    void editDuringCountdownChangesOnlyTheSelection()
    {
        add(OptionOnce, kDay, QTime(12, 0), "noon");
        startAt(at(9));
        add(OptionOnce, kDay, QTime(9, 30), "sooner");
        scheduler->GetLatestReminder();
        scheduler->tickTimer1();
        QCOMPARE(lastCaption(), QStringLiteral("Next alarm will play in 00:30:00"));
        QVERIFY(scheduler->isTimer1Enabled());
    }

    void twinsInOneSecondBothRing_data()
    {
        QTest::addColumn<Outcome>("firstAnswer");
        QTest::newRow("stop") << Outcome::Stop;
        QTest::newRow("snooze") << Outcome::Snooze;
    }

    void twinsInOneSecondBothRing()
    {
        QFETCH(Outcome, firstAnswer);
        add(OptionOnce, kDay, QTime(9, 0), "first");
        add(OptionDaily, kDay, QTime(9, 0), "second");
        startAt(at(8, 59, 59));
        popup->outcomes = {firstAnswer, Outcome::Stop};
        clock->set(at(9, 0, 0, 1));
        scheduler->tickTimer1();
        QCOMPARE(popup->messages, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
        // Each says when it was due; the first, that one more waits.
        QCOMPARE(popup->dueTexts, (QStringList{QStringLiteral("Due 12/07/2026 09:00:00"),
                                               QStringLiteral("Due 12/07/2026 09:00:00")}));
        QCOMPARE(popup->waiting, (QList<int>{1, 0}));
        // The daily twin skips no day.
        QCOMPARE(scheduler->alarmDue(), at(9).addDays(1));
        QCOMPARE(scheduler->isTimer2Enabled(), firstAnswer == Outcome::Snooze);
        clock->advanceSeconds(300);
        scheduler->tickTimer1();
        scheduler->tickTimer2();
        QCOMPARE(popup->messages.size(), firstAnswer == Outcome::Snooze ? 3 : 2);
        if (firstAnswer == Outcome::Snooze)
            QCOMPARE(popup->dueTexts.last(), QStringLiteral("Snoozed until 12/07/2026 09:05:00"));
        QCOMPARE(popup->messages.last(), firstAnswer == Outcome::Snooze ? QStringLiteral("first") : QStringLiteral("second"));
    }

    // The built-in sound played for a file that could not be: said once,
    // after both twins were answered and the countdown runs again, never
    // over a ringing pop-up.
    void soundFallbackIsToldOnceAfterTheAlarms()
    {
        add(OptionOnce, kDay, QTime(9, 0), "first");
        add(OptionOnce, kDay, QTime(9, 0), "second");
        startAt(at(8, 59, 59));
        const QString note = QStringLiteral("/sounds/alarm.wav cannot be played as a sound: the file is empty.");
        QStringList boxesWhileShown;
        popup->whileShown = [&] {
            sound->note = note;
            QCoreApplication::processEvents();
            for (const RecordingReporter::Box &box : reporter->boxes)
                boxesWhileShown.append(box.text);
        };
        clock->set(at(9));
        scheduler->tickTimer1();
        QCOMPARE(popup->messages.size(), 2);
        QCOMPARE(boxesWhileShown, QStringList());
        QVERIFY(scheduler->isTimer1Enabled());
        QTRY_COMPARE(reporter->boxes.size(), 1);
        QCOMPARE(reporter->boxes.first().text, note);
        QTest::qWait(50);
        QCOMPARE(reporter->boxes.size(), 1);
    }

    void popupAnsweredLateStillRingsWhatCameDueMeanwhile()
    {
        add(OptionOnce, kDay, QTime(9, 0), "first");
        add(OptionOnce, kDay, QTime(9, 3), "second");
        startAt(at(8, 59, 59));
        popup->whileShown = [this] {
            popup->whileShown = nullptr;
            clock->set(at(9, 10));
        };
        clock->set(at(9));
        scheduler->tickTimer1();
        QCOMPARE(popup->messages, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
        QVERIFY(missed->reports.isEmpty());
    }

    void reminderDueDuringASnoozeWaitRings()
    {
        add(OptionOnce, kDay, QTime(9, 0), "tea");
        add(OptionOnce, kDay, QTime(9, 2), "call");
        startAt(at(8, 59, 59));
        popup->outcomes = {Outcome::Snooze, Outcome::Stop, Outcome::Stop};
        clock->set(at(9));
        scheduler->tickTimer1();
        clock->set(at(9, 2));
        scheduler->tickTimer2();
        QCOMPARE(popup->messages, (QStringList{QStringLiteral("tea"), QStringLiteral("call")}));
        // The wait goes on where it was.
        QVERIFY(scheduler->isTimer2Enabled());
        clock->set(at(9, 5));
        scheduler->tickTimer2();
        QCOMPARE(popup->messages.last(), QStringLiteral("tea"));
        QCOMPARE(popup->messages.size(), 3);
        QVERIFY(scheduler->isTimer1Enabled());
    }

    void startUpAccountsForTheTimeOff_data()
    {
        QTest::addColumn<int>("oldOnes");
        QTest::addColumn<int>("more");
        QTest::newRow("every row listed") << 49 << 0;
        QTest::newRow("three left out") << 52 << 3;
    }

    void startUpAccountsForTheTimeOff()
    {
        QFETCH(int, oldOnes);
        QFETCH(int, more);
        add(OptionDaily, kDay.addDays(-30), QTime(7, 30), "pills");
        add(OptionOnce, kDay, QTime(8, 59, 30), "just now");
        for (int i = 0; i < oldOnes; ++i)
            add(OptionOnce, kDay.addDays(-1), QTime(12, 0, i), QStringLiteral("old %1").arg(i));
        settings->values.insert(QStringLiteral("SeenUpTo"), stored(at(9).addDays(-3)));
        startAt(at(9));
        scheduler->tickTimer1();
        QCOMPARE(popup->messages, QStringList{QStringLiteral("just now")});
        QCOMPARE(missed->reports.size(), 1);
        const FakeMissedReport::Report &report = missed->reports.first();
        QCOMPARE(report.entries.size(), size_t(kMissedRowLimit));
        QCOMPARE(report.more, more);
        QCOMPARE(report.entries.front().message, QStringLiteral("old 0"));
        if (more == 0) {
            QCOMPARE(report.entries.back().message, QStringLiteral("pills"));
            QCOMPARE(report.entries.back().count, 3);
            QCOMPARE(report.entries.back().rule, QStringLiteral("Remind every day"));
        }
        // Answered: the record moves on, and the next start reports nothing.
        QCOMPARE(settings->values.value(QStringLiteral("SeenUpTo")), stored(at(9)));
        restartAt(at(9, 1));
        scheduler->tickTimer1();
        QCOMPARE(missed->reports.size(), 1);
        QCOMPARE(popup->messages.size(), 1);
    }

    void firstStartOrBadRecordReportsNothing_data()
    {
        QTest::addColumn<QString>("seenUpTo");
        QTest::addColumn<QString>("snoozeAt");
        QTest::addColumn<QString>("snoozed");
        const QString tea = QStringLiteral(R"([{"id":1,"message":"tea"}])");
        QTest::newRow("first start") << QString() << QString() << QString();
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("garbage") << "yesterday" << "soon" << "tea";
        QTest::newRow("no such date") << "2026-13-45T99:00:00Z" << "2026-02-30T09:00:00Z" << tea;
        QTest::newRow("seen up to in the future") << stored(at(9).addDays(2)) << QString() << QString();
        QTest::newRow("broken snooze list") << QString() << stored(at(8, 30)) << QStringLiteral(R"([{"id":"x"}, 3])");
        QTest::newRow("snooze list not a list") << QString() << stored(at(8, 30)) << QStringLiteral("{\"id\":1}");
    }

    void firstStartOrBadRecordReportsNothing()
    {
        QFETCH(QString, seenUpTo);
        QFETCH(QString, snoozeAt);
        QFETCH(QString, snoozed);
        add(OptionDaily, kDay.addDays(-30), QTime(7, 30), "pills");
        add(OptionOnce, kDay, QTime(8, 59, 30), "just now");
        const QList<std::pair<QString, QString>> keys = {
            {QStringLiteral("SeenUpTo"), seenUpTo}, {QStringLiteral("SnoozeAt"), snoozeAt},
            {QStringLiteral("SnoozedReminders"), snoozed}};
        for (const auto &[key, value] : keys) {
            if (!value.isNull())
                settings->values.insert(key, value);
        }
        startAt(at(9));
        scheduler->tickTimer1();
        QVERIFY(popup->messages.isEmpty());
        QVERIFY(missed->reports.isEmpty());
        QVERIFY(!scheduler->isTimer2Enabled());
        // The record starts now.
        QCOMPARE(settings->values.value(QStringLiteral("SeenUpTo")), stored(at(9)));
    }

    void idleRecordIsWrittenEveryTenMinutes()
    {
        startAt(at(8));
        QCOMPARE(settings->values.value(QStringLiteral("SeenUpTo")), stored(at(8)));
        clock->set(at(8, 9, 59));
        scheduler->tickTimer1();
        QCOMPARE(settings->values.value(QStringLiteral("SeenUpTo")), stored(at(8)));
        clock->set(at(8, 10));
        scheduler->tickTimer1();
        QCOMPARE(settings->values.value(QStringLiteral("SeenUpTo")), stored(at(8, 10)));
        clock->set(at(8, 12));
        scheduler->stop();
        QCOMPARE(settings->values.value(QStringLiteral("SeenUpTo")), stored(at(8, 12)));
    }

    void snoozeSurvivesARestart()
    {
        add(OptionOnce, kDay, QTime(9, 0), "tea");
        startAt(at(8, 59, 59));
        popup->outcomes = {Outcome::Snooze};
        clock->set(at(9));
        scheduler->tickTimer1();
        QCOMPARE(settings->values.value(QStringLiteral("SnoozeAt")), stored(at(9, 5)));
        QVERIFY(settings->values.value(QStringLiteral("SnoozedReminders")).contains(QStringLiteral("\"tea\"")));

        restartAt(at(9, 2));
        QVERIFY(scheduler->isTimer2Enabled());
        QVERIFY(!scheduler->isTimer1Enabled());
        scheduler->tickTimer2();
        QCOMPARE(lastCaption(), QStringLiteral("Next alarm will play in 00:03:00"));
        QCOMPARE(view->progress.last().value, 120);
        QCOMPARE(popup->messages.size(), 1);
        clock->set(at(9, 5));
        scheduler->tickTimer2();
        QCOMPARE(popup->messages, (QStringList{QStringLiteral("tea"), QStringLiteral("tea")}));
        // Stopped: nothing waits any more.
        QCOMPARE(settings->values.value(QStringLiteral("SnoozeAt")), QString());
        restartAt(at(9, 6));
        QVERIFY(scheduler->isTimer1Enabled());
        scheduler->tickTimer1();
        QCOMPARE(popup->messages.size(), 2);
    }

    void snoozeRunOutWhileOff_data()
    {
        QTest::addColumn<QDateTime>("restart");
        QTest::addColumn<bool>("rings");
        QTest::newRow("ended half a minute ago") << at(9, 5, 30) << true;
        QTest::newRow("ended an hour ago") << at(10, 5) << false;
    }

    void snoozeRunOutWhileOff()
    {
        QFETCH(QDateTime, restart);
        QFETCH(bool, rings);
        add(OptionOnce, kDay, QTime(9, 0), "tea");
        startAt(at(8, 59, 59));
        popup->outcomes = {Outcome::Snooze};
        clock->set(at(9));
        scheduler->tickTimer1();
        // Deleted meanwhile: the snooze keeps the message it had.
        QCOMPARE(conn->Execute(deleteStatement(1)), 1);
        restartAt(restart, false);
        scheduler->tickTimer1();
        if (rings) {
            QCOMPARE(popup->messages, (QStringList{QStringLiteral("tea"), QStringLiteral("tea")}));
            QVERIFY(missed->reports.isEmpty());
        } else {
            QCOMPARE(popup->messages.size(), 1);
            QCOMPARE(missed->reports.size(), 1);
            const MissedEntry &entry = missed->reports.first().entries.front();
            QCOMPARE(entry.message, QStringLiteral("tea"));
            QCOMPARE(entry.rule, QStringLiteral("Snoozed alarm"));
            QCOMPARE(QDateTime(entry.lastDate, entry.lastTime), at(9, 5));
        }
        QCOMPARE(settings->values.value(QStringLiteral("SnoozeAt")), QString());
        restartAt(restart.addSecs(10));
        scheduler->tickTimer1();
        QCOMPARE(popup->messages.size(), rings ? 2 : 1);
        QCOMPARE(missed->reports.size(), rings ? 0 : 1);
    }

    void killedWhileRingingRingsAgain()
    {
        add(OptionOnce, kDay, QTime(9, 0), "tea");
        startAt(at(8, 59, 59));
        QHash<QString, QString> onDisk;
        popup->whileShown = [&] {
            popup->whileShown = nullptr;
            onDisk = settings->values;
        };
        clock->set(at(9));
        scheduler->tickTimer1();
        settings->values = onDisk;
        restartAt(at(9, 0, 30), false);
        scheduler->tickTimer1();
        QCOMPARE(popup->messages, (QStringList{QStringLiteral("tea"), QStringLiteral("tea")}));
    }

    void clockSetBackRingsNothingTwice()
    {
        add(OptionDaily, kDay.addDays(-10), QTime(9, 30), "pills");
        add(OptionOnce, kDay, QTime(9, 45), "call");
        startAt(at(9, 29, 59));
        for (const QDateTime &t : {at(9, 30), at(9, 45), at(10)}) {
            clock->set(t);
            scheduler->tickTimer1();
        }
        QCOMPARE(popup->messages, (QStringList{QStringLiteral("pills"), QStringLiteral("call")}));
        clock->set(at(9));
        scheduler->tickTimer1();
        // The countdown follows the clock to tomorrow's pills.
        QCOMPARE(lastCaption(), QStringLiteral("Next alarm will play in 1 day 00:30:00"));
        for (const QDateTime &t : {at(9, 30), at(9, 45), at(10), at(10, 1)}) {
            clock->set(t);
            scheduler->tickTimer1();
        }
        QCOMPARE(popup->messages.size(), 2);
        QVERIFY(missed->reports.isEmpty());
    }

    void forwardJumpHandlesEachOccurrenceOnce()
    {
        add(OptionDaily, kDay.addDays(-10), QTime(9, 30), "pills");
        add(OptionOnce, kDay, QTime(10, 0), "call");
        add(OptionOnce, kDay, QTime(10, 59, 30), "just now");
        add(OptionOnce, kDay, QTime(12, 0), "later");
        startAt(at(9));
        scheduler->tickTimer1();
        clock->set(at(11));
        scheduler->tickTimer1();
        QCOMPARE(popup->messages, QStringList{QStringLiteral("just now")});
        QCOMPARE(missed->reports.size(), 1);
        const std::vector<MissedEntry> &entries = missed->reports.first().entries;
        QCOMPARE(entries.size(), size_t(2));
        QCOMPARE(entries[0].message, QStringLiteral("pills"));
        QCOMPARE(entries[1].message, QStringLiteral("call"));
        QCOMPARE(scheduler->alarmText(), QStringLiteral("later"));
        clock->advanceSeconds(1);
        scheduler->tickTimer1();
        QCOMPARE(missed->reports.size(), 1);
        QCOMPARE(popup->messages.size(), 1);
    }

    // Forward, back and forward again, with or without a restart while the
    // clock is back: each occurrence is rung or reported once.
    void forwardBackForwardReportsEachOnce_data()
    {
        QTest::addColumn<bool>("restartWhileBack");
        QTest::newRow("running") << false;
        QTest::newRow("restarted while the clock is back") << true;
    }

    void forwardBackForwardReportsEachOnce()
    {
        QFETCH(bool, restartWhileBack);
        add(OptionDaily, kDay.addDays(-10), QTime(9, 30), "pills");
        add(OptionOnce, kDay, QTime(10, 0), "call");
        startAt(at(9));
        scheduler->tickTimer1();
        clock->set(at(11));
        scheduler->tickTimer1();
        QCOMPARE(missed->reports.size(), 1);
        QCOMPARE(missed->reports.first().entries.size(), size_t(2));
        if (restartWhileBack) {
            restartAt(at(9, 15));
        } else {
            clock->set(at(9, 15));
            scheduler->tickTimer1();
        }
        for (const QDateTime &t : {at(9, 30), at(10), at(11), at(11, 0, 1)}) {
            clock->set(t);
            scheduler->tickTimer1();
        }
        QCOMPARE(missed->reports.size(), 1);
        QVERIFY(popup->messages.isEmpty());
        // Tomorrow's pills ring as usual.
        clock->set(at(9, 30).addDays(1));
        scheduler->tickTimer1();
        QCOMPARE(popup->messages, QStringList{QStringLiteral("pills")});
    }

    void unreadableTableReportsAndSelectsNothing()
    {
        add(OptionOnce, kDay, QTime(12, 0), "noon");
        startAt(at(9));
        QVERIFY(scheduler->alarmDue().isValid());
        conn->Close();
        scheduler->GetLatestReminder();
        QCOMPARE(scheduler->alarmTime(), QString());
        QCOMPARE(scheduler->alarmText(), QString());
        QVERIFY(!scheduler->alarmDue().isValid());
        const auto errors = reporter->errors();
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors.first().location, QStringLiteral("Form1.GetLatestReminder"));
        QCOMPARE(errors.first().line, 104);
        reporter->clear();
    }
};

QTEST_GUILESS_MAIN(TestAlarmScheduler)
#include "test_alarm_scheduler.moc"
