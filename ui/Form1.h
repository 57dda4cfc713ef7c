#pragma once

#include "control/StartUpView.h"
#include "core/ReminderRecord.h"
#include "database/Connection.h"
#include "filecommands/FileCommandSteps.h"
#include "scheduler/CountdownView.h"
#include "scheduler/MissedReport.h"
#include "sync/SyncScheduler.h"
#include "ui/AppContext.h"
#include "ui/StretchLayout.h"

#include <QWidget>

#include <memory>
#include <optional>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace vestrona {

class AlarmScheduler;
class AppController;
class MissedWindow;
class OptionsPanel;
class ReminderCommands;
class ReminderListModel;
class ReminderListView;
class SyncDialog;
class TrayPresence;
class cSysTray;

// The main window: the countdown, the reminder list, the commands, the
// options and the tray. It builds and shows; start-up, the database and the
// timers are the controller's, which reaches the window through the
// interfaces it implements here.
class Form1 final : public QWidget,
                    public StartUpView,
                    public CountdownView,
                    public MissedReport,
                    public ProgressSink {
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

    Connection &conn();
    AlarmScheduler &scheduler();
    cSysTray &tray();
    ReminderListModel &listModel() { return *mListModel; }
    bool HiddenInTray() const;

    // StartUpView
    void ApplySkin() override;
    void setUpWindow(ErrorTrap &trap) override;
    void restoreAlarmSettings(ErrorTrap &trap) override;
    void restoreStartupOptions(ErrorTrap &trap) override;
    void placeWindow() override;

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
    SyncScheduler *syncScheduler();
    // The "Calendar sync" dialog once the tray menu or the window opened it, else null.
    SyncDialog *syncDialog() { return mSyncDialog.get(); }

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The window's parts, top to bottom; each connects its own controls.
    void createCountdownFrame();
    // The extra room of a larger window goes to the list.
    void stretchWithTheWindow();
    void showSyncFailure(const QString &words);
    void createReminderList();
    void createReminderButtons();
    // "Set Date Format", "Calendar sync…" and "Quit" along the bottom.
    void createProgramButtons();
    void createTrayPresence();
    // The tray menu's "Quit": the same shutdown as closing the window.
    void quitFromTray();
    // "Calendar sync…" in the tray menu or on the window; a second time raises the open one.
    void openSyncDialog();
    void Form_Resize();
    void Form_QueryUnload();

    // Declared first: the controller and the commands keep references to it.
    AppContext mContext;
    std::unique_ptr<ReminderListModel> mListModel;
    // Children of the window, made before the controller that reports to them.
    TrayPresence *mTrayPresence = nullptr;
    OptionsPanel *mOptions = nullptr;
    std::unique_ptr<AppController> mController;
    std::unique_ptr<ReminderCommands> mCommands;
    std::unique_ptr<MissedWindow> mMissedWindow;
    // After the controller: the dialog uses its sync scheduler.
    std::unique_ptr<SyncDialog> mSyncDialog;
    StretchLayout mStretch;
    // The size its places were made for, widened where a language has longer words.
    QSize mBuiltSize;
    bool mStartHidden = false;
    bool mClosing = false;

    // The controls, named as the program's documentation names them.
    QGroupBox *Frame1 = nullptr;
    QLabel *Frame1Caption = nullptr; // Frame1's caption
    QLabel *SyncFailure = nullptr;   // on Frame1's top line, at its right
    QProgressBar *ProgressBar1 = nullptr;
    ReminderListView *ListView1 = nullptr;
    QPushButton *PushButton1 = nullptr;
    QPushButton *PushButton2 = nullptr;
    QPushButton *PushButton3 = nullptr;
    QPushButton *PushButton6 = nullptr;
    QPushButton *PushButton7 = nullptr;
    QPushButton *PushButton8 = nullptr;
    QPushButton *PushButton9 = nullptr;
    QPushButton *PushButton10 = nullptr;
    QPushButton *PushButton11 = nullptr;
};

} // namespace vestrona
