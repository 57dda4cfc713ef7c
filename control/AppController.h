#pragma once

#include "control/ControlContext.h"
#include "database/Connection.h"
#include "sync/SyncScheduler.h"

#include <QObject>

#include <memory>
#include <vector>

class QTimer;

namespace vestrona {

class AlarmScheduler;
class BackgroundNotice;
class BackgroundPageCheck;
class CountdownView;
class DatabaseWatcher;
class ErrorTrap;
class MissedReport;
class NotifyingPopup;
class ReminderRows;
class StartUpView;
class Syncer;

// The window as the controller reaches it; each must outlive the controller.
struct ControlViews {
    StartUpView &startUp;
    ReminderRows &rows;
    CountdownView &countdown;
    MissedReport &missed;
    BackgroundNotice &notice;
};

// The main window's work without its widgets: it owns the connection, the
// scheduler, the database watcher and the sync, runs start-up, and keeps the
// reminders going when the database is busy at start-up, replaced or deleted
// while the program runs. Errors are reported under Form1's procedure names.
class AppController final : public QObject {
    Q_OBJECT

public:
    AppController(const ControlContext &context, ControlViews views, QObject *parent = nullptr);
    ~AppController() override;

    // The whole start-up. False when the program must end at once (no usable
    // database); the window is then not to be shown. A database another
    // program holds locked starts everything but the reminders, which follow
    // once it is free.
    bool Form_Load();

    // True when the rows hold the reminders as stored now.
    bool listReminders();
    void GetLatestReminder();
    // A reminder was saved, deleted or loaded here, so the calendar gets it soon.
    void noteLocalChange();
    // "Load Sample/Example Reminder".
    void PushButton6_Click();

    // Where the calendar sync is plugged in, before Form_Load: its syncs
    // start with the reminders.
    void setSyncer(std::unique_ptr<Syncer> syncer, SyncScheduler::Timing timing = {});

    // Shutdown, in Form1.Form_QueryUnload's steps: first the database goes,
    // then the timers stop.
    void closeDatabase();
    void stop();

    Connection &conn() { return mConn; }
    AlarmScheduler &scheduler() { return *mScheduler; }
    // Null without a syncer.
    SyncScheduler *syncScheduler() { return mSyncScheduler.get(); }

private:
    enum class DatabaseState { Open, Busy, Unusable };
    // The phases of Form_Load, all reporting through its one trap.
    bool databaseListed(ErrorTrap &trap, const QString &databasePath);
    // Reports an unusable database; a busy one is left to the caller.
    DatabaseState openDatabase(ErrorTrap &trap, Connection::LockWait wait);
    enum class When { AtOnce, AfterShowing };
    // Lists the reminders and starts the countdown; the next reminder is
    // chosen `choice`.
    void startReminders(ErrorTrap &trap, When choice);
    // GetLatestReminder, whose read of every row also finds the damaged
    // rows for the list; returns them by ID.
    std::vector<ReminderRecord> selectNext();

    // After a busy start-up (each second until it opens) and when the file
    // was replaced while the program runs.
    void openDatabaseAgain();
    void reportDatabaseDeleted();
    // After the reminders changed under the window: vestrona-cli, a sync.
    void reloadReminders();
    void syncReported(const SyncReport &report);
    // The page check in the background, when the last one that passed is a
    // day old.
    void checkPagesWhenDue();

    // Declared first: the scheduler keeps a reference to its regional settings.
    ControlContext mContext;
    ControlViews mViews;
    Connection mConn;
    // Before the scheduler, which shows it.
    std::unique_ptr<NotifyingPopup> mPopup;
    std::unique_ptr<AlarmScheduler> mScheduler;
    std::unique_ptr<DatabaseWatcher> mWatcher;
    // In this order: the scheduler uses the syncer.
    std::unique_ptr<Syncer> mSyncer;
    std::unique_ptr<SyncScheduler> mSyncScheduler;
    QTimer *mOpenRetry = nullptr;
    std::unique_ptr<BackgroundPageCheck> mPageCheck;
    QTimer *mPageCheckTimer = nullptr;
    bool mCountdownStarted = false;
    bool mEmptiedSaid = false;
};

} // namespace vestrona
