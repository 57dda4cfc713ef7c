// The whole program as a process on the X display: how long from its start
// until its main window is mapped, how much memory it has taken by then, and
// how much processor time it spends counting down when nothing happens.
//
//   bench_startup startup [RUNS]   10,000 reminders; median of RUNS starts
//   bench_startup startup-missed [RUNS]   10,000 every-day reminders, last
//                                  accounted for a year ago
//   bench_startup idle [SECONDS]   processor time from 5 s to 5 s + SECONDS
//   bench_startup idle-tray [SECONDS]   the same with the window hidden in the tray
//
// Prints "name value" lines for ./bench.
#include "benchmarks/BenchSupport.h"
#include "store/Statements.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace vestrona;
using Clock = std::chrono::steady_clock;

namespace {

// Windows come and go while we look at them; a vanished one is no error.
int ignoreXErrors(Display *, XErrorEvent *)
{
    return 0;
}

long windowPid(Display *display, Window window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None)
        return 0;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) == Success
        && data && count == 1 && format == 32)
        pid = long(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

// The main window: the program's own, named "Vestrona", of the main window's size
// (the tray icon carries the same name).
bool isMainWindow(Display *display, Window window, pid_t pid)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    if (attributes.width != 536 || attributes.height != 607 || windowPid(display, window) != pid)
        return false;
    char *name = nullptr;
    const bool named = XFetchName(display, window, &name) && name && std::strcmp(name, "Vestrona") == 0;
    if (name)
        XFree(name);
    return named;
}

struct Launch {
    pid_t pid = 0;
    std::optional<double> mappedAfterMs;
};

// Starts the program and waits until its main window is mapped. New top-level
// windows are watched from their creation, so the map is seen at once
// however the window manager reparents them.
Launch launchAndWaitForMainWindow(Display *display, const QString &program, const QString &configFolder, int timeoutMs)
{
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);

    Launch launch;
    const std::string programPath = program.toStdString();
    const std::string config = configFolder.toStdString();
    const auto start = Clock::now();
    launch.pid = fork();
    if (launch.pid == 0) {
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        unsetenv("QT_QPA_PLATFORM");
        execl(programPath.c_str(), programPath.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    const auto deadline = start + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        if (!XPending(display)) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 20);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        Window candidate = None;
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            XSelectInput(display, event.xcreatewindow.window, StructureNotifyMask);
            candidate = event.xcreatewindow.window; // in case it was mapped before we listened
        } else if (event.type == MapNotify) {
            candidate = event.xmap.window;
        }
        if (candidate != None && isMainWindow(display, candidate, launch.pid)) {
            launch.mappedAfterMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
    }
    XSelectInput(display, root, NoEventMask);
    return launch;
}

long statusKb(pid_t pid, const char *field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0)
            return std::stol(line.substr(prefix.size()));
    }
    return -1;
}

// Processor time of every thread of the process, in milliseconds. The
// scheduler's nanosecond count, not utime and stime, whose 10 ms ticks are
// as large as the whole budget being measured.
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    unsigned long long total = 0;
    for (const QString &task : QDir(QString::fromStdString(tasks)).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::ifstream schedstat(tasks + "/" + task.toStdString() + "/schedstat");
        unsigned long long onCpu = 0;
        if (schedstat >> onCpu)
            total += onCpu;
    }
    return double(total) / 1e6;
}

void stopProgram(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

// A program folder: the database, the program and its alarm sound.
void installProgram(const QString &folder)
{
    for (const char *file : {VESTRONA_PROGRAM, VESTRONA_ALARM_SOUND}) {
        const QString source = QString::fromLocal8Bit(file);
        QFile::copy(source, QDir(folder).filePath(QFileInfo(source).fileName()));
    }
}

// Start-ups over 10,000 reminders of `kinds`. With a valid `seenUpTo` the
// program finds that record and first accounts for everything since.
int startup(Display *display, int runs, bench::FilledDatabase::Kinds kinds, const QDateTime &seenUpTo,
            const char *name)
{
    bench::FilledDatabase db(10000, kinds);
    installProgram(db.folder());
    std::vector<double> startMs, peakKb;
    for (int i = 0; i < runs; ++i) {
        QTemporaryDir config;
        if (seenUpTo.isValid()) {
            QSettings settings(QDir(config.path()).filePath(QStringLiteral("Tolvane.ini")), QSettings::IniFormat);
            settings.setValue(QStringLiteral("Vestrona/SeenUpTo"), seenUpTo.toUTC().toString(Qt::ISODate));
        }
        const Launch launch = launchAndWaitForMainWindow(display, QDir(db.folder()).filePath(QStringLiteral("vestrona")),
                                                         config.path(), 30000);
        if (!launch.mappedAfterMs) {
            stopProgram(launch.pid);
            std::fprintf(stderr, "bench_startup: the main window did not appear\n");
            return 1;
        }
        // The first paint and the list's layout follow the map at once.
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        startMs.push_back(*launch.mappedAfterMs);
        peakKb.push_back(double(statusKb(launch.pid, "VmHWM")));
        stopProgram(launch.pid);
    }
    std::printf("%s_ms %.1f\n", name, bench::median(startMs));
    std::printf("%s_worst_ms %.1f\n", name, *std::max_element(startMs.begin(), startMs.end()));
    std::printf("%s_peak_mb %.1f\n", name, bench::median(peakKb) / 1024.0);
    return 0;
}

// A minute of plain countdown, with the window shown or hidden in the tray.
int idle(Display *display, int seconds, bool inTray)
{
    // One reminder, due tomorrow.
    bench::FilledDatabase db(0);
    {
        const RegionalSettings regional = RegionalSettings::usEnglish();
        Connection conn(regional);
        conn.Open(db.path());
        ReminderValues v;
        v.option = 1;
        const QDateTime due = QDateTime::currentDateTime().addDays(1);
        v.date = due.date();
        v.time = due.time();
        v.message = QStringLiteral("Tomorrow");
        conn.Execute(editorInsertStatement(v, regional));
    }
    installProgram(db.folder());
    QTemporaryDir config;
    if (inTray) {
        // Started at logon and minimized: the window goes straight into the tray.
        QSettings settings(QDir(config.path()).filePath(QStringLiteral("Tolvane.ini")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Vestrona/Windows Startup"), QStringLiteral("On"));
        settings.setValue(QStringLiteral("Vestrona/Minimized"), QStringLiteral("On"));
    }
    const auto start = Clock::now();
    const QString program = QDir(db.folder()).filePath(QStringLiteral("vestrona"));
    pid_t pid = 0;
    if (inTray) {
        pid = fork();
        if (pid == 0) {
            setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
            unsetenv("QT_QPA_PLATFORM");
            execl(program.toLocal8Bit().constData(), "vestrona", static_cast<char *>(nullptr));
            _exit(127);
        }
    } else {
        const Launch launch = launchAndWaitForMainWindow(display, program, config.path(), 30000);
        pid = launch.pid;
        if (!launch.mappedAfterMs) {
            stopProgram(pid);
            std::fprintf(stderr, "bench_startup: the main window did not appear\n");
            return 1;
        }
    }
    std::this_thread::sleep_until(start + std::chrono::seconds(5));
    const double before = cpuMs(pid);
    std::this_thread::sleep_until(start + std::chrono::seconds(5 + seconds));
    const double after = cpuMs(pid);
    stopProgram(pid);
    std::printf("%s %.1f\n", inTray ? "idle_tray_cpu_ms" : "idle_cpu_ms", after - before);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "bench_startup: no X display (DISPLAY is \"%s\")\n", getenv("DISPLAY") ? getenv("DISPLAY") : "");
        return 1;
    }
    XSetErrorHandler(ignoreXErrors);
    const QString mode = args.value(1, QStringLiteral("startup"));
    int result = 2;
    const int runs = args.value(2, QStringLiteral("10")).toInt();
    if (mode == QLatin1String("startup"))
        result = startup(display, runs, bench::FilledDatabase::Kinds::Mixed, QDateTime(), "startup");
    else if (mode == QLatin1String("startup-missed"))
        result = startup(display, runs, bench::FilledDatabase::Kinds::EveryDay,
                         QDateTime::currentDateTime().addYears(-1), "startup_missed");
    else if (mode == QLatin1String("idle"))
        result = idle(display, args.value(2, QStringLiteral("60")).toInt(), false);
    else if (mode == QLatin1String("idle-tray"))
        result = idle(display, args.value(2, QStringLiteral("60")).toInt(), true);
    else
        std::fprintf(stderr, "usage: bench_startup startup [RUNS] | startup-missed [RUNS] | idle [SECONDS] | idle-tray [SECONDS]\n");
    XCloseDisplay(display);
    return result;
}
