#pragma once

#include "config/Settings.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeNotifier.h"
#include "tests/support/Fakes.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/RecordingTrayBackend.h"
#include "tests/support/TempFolder.h"
#include "sync/PasswordStore.h"
#include "ui/Form1.h"

#include <functional>
#include <memory>

class QAction;
class QDialog;

namespace vestrona::test {

// One main window on a throw-away program folder and settings folder, with
// every outside piece faked. The editor and the date-format dialog are
// handed to `user` instead of being shown.
class AppFixture {
public:
    TempFolder program;
    TempFolder config;
    RecordingReporter reporter;
    FakeClock clock;
    FakeSound sound;
    FakePopup popup{sound};
    FakeNotifier notifier;
    FakeFileDialogs dialogs;
    MemoryPasswordStore passwords;
    // Whether the desktop the window starts on has a tray.
    bool trayAvailable = true;
    // The running window's tray backend; null before start().
    RecordingTrayBackend *tray = nullptr;
    // Given to the window before its start-up, when a test sets one.
    std::unique_ptr<Syncer> syncer;
    SyncScheduler::Timing syncTiming;
    // Plays the user's part while a dialog is "shown".
    std::function<void(QDialog &)> user;
    int dialogsShown = 0;
    std::unique_ptr<Form1> form;

    QString databasePath() const { return program.file(QStringLiteral("dbReminders.mdb")); }
    QString alarmPath() const { return program.file(QStringLiteral("alarm.wav")); }
    // An empty reminder database and an alarm sound file.
    void makeProgramFolder();

    // Opened on first use, so a test may write the settings file before.
    IniSettingsStore &settings();
    void setting(const char *key, const QString &value);
    // "<absent>" for a setting never saved.
    QString setting(const char *key);

    // Makes the main window and runs its start-up, the choice of the next
    // reminder that follows the window's first rows included.
    bool start();

    // One of the main window's controls, by its name.
    template <class Control>
    Control *control(const char *name) const
    {
        auto *found = form->findChild<Control *>(QString::fromLatin1(name));
        if (!found)
            qFatal("The main window has no control named %s", name);
        return found;
    }

    // Clicks one of the main window's buttons as the user would.
    void click(const char *button) const;

    // The tray menu's entry with that caption (its Alt letter aside); fails
    // the test when there is none.
    QAction *trayAction(const QString &caption) const;
    // The text of the last balloon shown over the tray icon, "" for none.
    QString lastBalloon() const;

private:
    std::unique_ptr<IniSettingsStore> mSettings;
};

} // namespace vestrona::test
