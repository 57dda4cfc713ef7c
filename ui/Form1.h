#pragma once

#include "scheduler/CountdownView.h"
#include "scheduler/MissedReport.h"
#include "filecommands/Backup.h"
#include "database/Connection.h"
#include "core/ReminderRecord.h"
#include "sync/SyncScheduler.h"
#include "ui/AppContext.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeView;

namespace vestrona {

class AlarmScheduler;
class DatabaseWatcher;
class IntervalList;
class ErrorTrap;
class MissedWindow;
class ReminderCommands;
class ReminderListModel;
class SyncDialog;
class cSysTray;

// The main window: the countdown, the reminder list, the commands and the
// options. Start-up and shutdown happen here; the work itself is done by the
// store, the scheduler, the commands and the tray control it owns.
class Form1 final : public QWidget, public CountdownView, public MissedReport, public ProgressSink {
    Q_OBJECT

public:
    explicit Form1(const AppContext &context, QWidget *parent = nullptr);
    ~Form1() override;

    // The whole start-up. False when the program must end at once (no usable
    // database); the window is then not shown.
    bool Form_Load();
    // Whether start-up put the window into the tray instead of showing it.
    bool startsHidden() const { return mStartHidden; }

    // True when the list holds the rows as stored now.
    bool listReminders();
    void GetLatestReminder();

    Connection &conn() { return mConn; }
    AlarmScheduler &scheduler() { return *mScheduler; }
    cSysTray &tray() { return *mTray; }
    ReminderListModel &listModel() { return *mListModel; }
    bool HiddenInTray() const { return mHiddenInTray; }

    // CountdownView
    void setFrameCaption(const QString &caption) override;
    void setProgress(int value, int maximum, const QString &text) override;
    int selectedIntervalRow() const override;
    QString alarmSoundFile() const override;
    void restoreDefaultCursor() override;

    // MissedReport: the missed-reminders window, and a balloon when the
    // main window is not shown.
    void reportMissed(const std::vector<MissedEntry> &entries, int more) override;
    // The missed-reminders window once a report opened it, else null.
    MissedWindow *missedWindow() { return mMissedWindow.get(); }

    // ProgressSink: ProgressBar1 during backups and restores.
    void setProgress(int value, const QString &text) override;
    void processEvents() override;

    // Brings the window back from the tray or from behind other windows.
    void bringToFront();

    // Where the calendar sync is plugged in, before Form_Load: its syncs
    // start with the reminders. Without one, "Calendar sync…" still sets up
    // the account.
    void setSyncer(std::unique_ptr<Syncer> syncer, SyncScheduler::Timing timing = {});
    // Null without a syncer.
    SyncScheduler *syncScheduler() { return mSyncScheduler.get(); }
    // The "Calendar sync" dialog once the tray menu opened it, else null.
    SyncDialog *syncDialog() { return mSyncDialog.get(); }

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The window's parts, top to bottom; each connects its own controls.
    void createCountdownFrame();
    void createReminderList();
    void createReminderButtons();
    void createIntervalList();
    void createStartupFrame();
    void createSoundFrame();
    void createTrayMenu();
    // The tray menu's "Quit": the same shutdown as closing the window.
    void quitFromTray();
    // The tray menu's "Calendar sync…"; a second time raises the open one.
    void openSyncDialog();
    // After the reminders changed under the window: vestrona-cli, a sync.
    void reloadReminders();
    void syncReported(const SyncReport &report);
    // A reminder was saved, deleted or loaded here.
    void noteLocalChange();
    // A handler for a change made by code as well as by the user, whose
    // failure is reported under its own name.
    std::function<void()> reported(const char *procedure, void (Form1::*handler)());

    // The phases of Form_Load, all reporting through its one trap.
    enum class DatabaseState { Open, Busy, Unusable };
    bool databaseListed(ErrorTrap &trap, const QString &databasePath);
    void setUpWindow(ErrorTrap &trap);
    // Reports an unusable database; a busy one is left to the caller.
    DatabaseState openDatabase(ErrorTrap &trap, Connection::LockWait wait);
    void restoreAlarmSettings(ErrorTrap &trap);
    void restoreStartupOptions(ErrorTrap &trap);
    void startReminders(ErrorTrap &trap);
    // GetLatestReminder, choosing from the rows just `listed` when there
    // are, so that the table is read once.
    void selectNext(bool listed);
    void placeWindow();

    // After a busy start-up (each second until it opens) and when the file
    // was replaced while the program runs.
    void openDatabaseAgain();
    void reportDatabaseDeleted();

    void ApplySkin();
    void Form_Resize();
    void Form_QueryUnload();
    void Check4_Click();
    void Check8_Click();
    void Text2_Change();
    void PushButton4_Click();
    void PushButton5_Click();
    void PushButton6_Click();
    void cSysTray1_MouseUp();
    void selectIntervalRow(int row);
    // The record of ListView1's selected row; none when no row is selected.
    std::optional<ReminderRecord> selectedReminder() const;

    // Declared first: the scheduler keeps a reference to its regional settings.
    AppContext mContext;
    Connection mConn;
    std::unique_ptr<ReminderListModel> mListModel;
    std::unique_ptr<AlarmScheduler> mScheduler;
    std::unique_ptr<cSysTray> mTray;
    std::unique_ptr<ReminderCommands> mCommands;
    std::unique_ptr<DatabaseWatcher> mWatcher;
    std::unique_ptr<MissedWindow> mMissedWindow;
    // In this order: the dialog uses the scheduler, the scheduler the syncer.
    std::unique_ptr<Syncer> mSyncer;
    std::unique_ptr<SyncScheduler> mSyncScheduler;
    std::unique_ptr<SyncDialog> mSyncDialog;
    QTimer *mOpenRetry = nullptr;
    bool mLoading = false;
    bool mCountdownStarted = false;
    bool mHiddenInTray = false;
    bool mStartHidden = false;
    bool mClosing = false;

    // The controls, named as the program's documentation names them.
    QGroupBox *Frame1 = nullptr;
    QLabel *Frame1Caption = nullptr; // Frame1's caption
    QProgressBar *ProgressBar1 = nullptr;
    QTreeView *ListView1 = nullptr;
    QPushButton *PushButton1 = nullptr;
    QPushButton *PushButton2 = nullptr;
    QPushButton *PushButton3 = nullptr;
    QPushButton *PushButton4 = nullptr;
    QPushButton *PushButton5 = nullptr;
    QPushButton *PushButton6 = nullptr;
    QPushButton *PushButton7 = nullptr;
    QPushButton *PushButton8 = nullptr;
    QPushButton *PushButton9 = nullptr;
    IntervalList *ListView2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QCheckBox *Check4 = nullptr;
    QCheckBox *Check8 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLineEdit *Text2 = nullptr;
    QMenu *mTrayMenu = nullptr;
};

} // namespace vestrona
