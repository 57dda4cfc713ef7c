#pragma once

#include "tests/support/ProgramFolder.h"

#include <QDateTime>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

namespace vestrona::e2e {

// The e2e tests run the program from the shared throw-away folder.
using test::ProcessResult;
using test::ProgramFolder;
using test::runProcess;
using test::endProcess;

// Why the end-to-end tests cannot run here, or "" when a display is set.
QString missingDesktop();
// Why the tests that listen to the alarm cannot run here, or "" when the
// virtual desktop's sound server is set.
QString missingSoundServer();

// The real vestrona of a program folder, running on the display. A test that
// fails half-way never leaves it behind: it is killed with this object.
class RunningProgram {
public:
    explicit RunningProgram(const ProgramFolder &folder,
                            const QProcessEnvironment &environment = QProcessEnvironment());
    // Any vestrona executable, an installed one for instance, in exactly `environment`.
    RunningProgram(const QString &program, const QProcessEnvironment &environment);
    ~RunningProgram();

    bool isRunning() const { return mProcess.state() == QProcess::Running; }
    qint64 pid() const { return mPid; }
    // True when the program ended by itself within `timeoutMs`.
    bool waitForExit(int timeoutMs);
    // Closes `window` as its title bar's close box does (alt+F4 to the window
    // manager) and waits for the program to end.
    bool closeThroughWindowManager(const QString &window);
    // The exit code of a normal end; -1 after a crash.
    int exitCode() const;
    // What the program wrote to stderr, for failure messages.
    QString errorOutput();

private:
    QProcess mProcess;
    qint64 mPid = 0;
};

struct WindowInfo {
    bool exists = false;
    bool viewable = false;
    QRect geometry; // the client area, in screen coordinates
    QRect frame;    // with the window manager's title bar and borders
};

WindowInfo windowInfo(const QString &window);

// The process's top-level windows whose name matches the regular expression
// `namePattern`, only the mapped ones when `onlyVisible`.
QStringList windowsOf(qint64 pid, const QString &namePattern, bool onlyVisible = true);

// Polls for a visible window of the process named by `namePattern`;
// returns its id, or "" when none came within `timeoutMs`.
QString waitForWindow(qint64 pid, const QString &namePattern, int timeoutMs);

// The process's icon windows embedded in the tray host's panel.
QStringList trayIconsOf(qint64 pid);

// Real input through the X test extension, as a user's would arrive.
// Button 1 is the left button, 3 the right one.
bool clickAt(const QPoint &screenPoint, int button = 1);
// Activates the window, then types the key combination (xdotool names).
bool pressKey(const QString &window, const QString &keys);
// Activates the window, then types `text` into whatever has its focus.
bool typeText(const QString &window, const QString &text);
// Clicks a point of the window given in its own coordinates.
bool clickIn(const QString &window, const QPoint &point);
// Presses one of the alarm pop-up's buttons.
enum class PopupButton { Snooze, Stop };
bool answerPopup(const QString &popup, PopupButton button);
// Now plus `seconds`, to the whole second: reminders are due on whole seconds.
QDateTime wholeSecondsFromNow(qint64 seconds);
bool minimizeWindow(const QString &window);
// Whether `window` goes off the screen within `timeoutMs` and stays off:
// hiding into a tray maps a minimized window once more on its way, and a
// reading in that moment is no end state.
bool waitUntilHidden(const QString &window, int timeoutMs = 10000);

// Window names of the main window and the alarm pop-up, as patterns.
inline const QString kMainWindowPattern = QStringLiteral("^Vestrona$");
inline const QString kPopupPattern = QStringLiteral("^ Reminder$");

// Starts nothing: waits for the program's main window, then adds through
// vestrona-cli "Water the plants" due a few seconds ahead, so that a slow
// start-up cannot make it late. Returns the main window's id, "" when it
// failed, and the moment the reminder is due in `due`.
QString startThenAddReminder(const ProgramFolder &folder, RunningProgram &program, QDateTime *due = nullptr);
// The alarm pop-up of the program once it is on the screen; "" when none came.
QString waitForPopup(RunningProgram &program);

// Saves a picture of the window ("root" for the whole screen).
bool saveScreenshot(const QString &window, const QString &file);
// Where screenshots go: the build folder.
QString screenshotPath(const QString &name);

// Sound streams of the process on the sound server that are playing (not corked).
int playingStreamsOf(qint64 pid);

// Whether the window hands the window manager the program's blue icon,
// rather than none or Qt's generic one.
bool showsProgramIcon(const QString &window);

// Records what the sound server plays (the monitor of its default sink) from
// construction until stop(). The samples go to a file, so helper processes
// that block the test lose none of them. The recording's times are
// milliseconds of sound: while nothing plays, the sound server may deliver
// the first and last moments late or never, so they are to be compared only
// with each other.
class SoundRecording {
public:
    SoundRecording();
    ~SoundRecording();

    bool isRecording() const { return mProcess.state() == QProcess::Running; }
    void stop();

    // After stop(): the length of the recording, the first audible moment at
    // or after `fromMs` and the last audible one (-1 when none), and whether
    // any moment in [fromMs, toMs) is audible.
    qint64 lengthMs() const;
    qint64 firstAudibleFrom(qint64 fromMs) const;
    qint64 lastAudible() const;
    bool audibleBetween(qint64 fromMs, qint64 toMs) const;

private:
    test::TempFolder mFolder;
    QProcess mProcess;
    QByteArray mSamples;
};

} // namespace vestrona::e2e
