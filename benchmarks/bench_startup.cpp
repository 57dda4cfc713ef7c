// The whole program as a process on the X display: how long from its start
// until its main window is mapped, how much memory it has taken by then, and
// how much processor time it spends counting down when nothing happens, each
// beside the least Qt window there is (a label and a 1 s timer).
//
//   bench_startup startup [RUNS] [DATABASE]   10,000 reminders, or a copy of
//                                  DATABASE; median of RUNS starts
//   bench_startup startup-paired RUNS FIRST SECOND   copies of two
//                                  databases started in turn; median of each
//   bench_startup startup-beside-minimal RUNS DATABASE   the least window
//                                  and a copy of DATABASE started in turn
//   bench_startup startup-missed [RUNS]   10,000 every-day reminders, last
//                                  accounted for a year ago
//   bench_startup minimal [RUNS]   the least window's start-ups
//   bench_startup idle [SECONDS]   processor time from 5 s to 5 s + SECONDS of
//                                  the window shown, the window hidden in the
//                                  tray and the least window, side by side
//
// Prints "name value" lines for ./bench.
#include "benchmarks/BenchSupport.h"
#include "database/Statements.h"

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
#include <functional>
#include <memory>
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

// The window waited for: its title, and its size when something else of the
// process carries the same title.
struct WindowMatch {
    const char *title;
    int width = 0; // 0: any size
    int height = 0;
};

// The program's main window is named "Vestrona" and has the main window's
// size (the tray icon carries the same name).
const WindowMatch kMainWindow{"Vestrona", 536, 607};
const WindowMatch kMinimalWindow{"Minimal"};

bool isWanted(Display *display, Window window, pid_t pid, const WindowMatch &match)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    if (match.width && (attributes.width != match.width || attributes.height != match.height))
        return false;
    if (windowPid(display, window) != pid)
        return false;
    char *name = nullptr;
    const bool named = XFetchName(display, window, &name) && name && std::strcmp(name, match.title) == 0;
    if (name)
        XFree(name);
    return named;
}

// Starts the program on the display with its settings in `configFolder`.
pid_t startProcess(const QString &program, const QString &configFolder)
{
    const std::string programPath = program.toStdString();
    const std::string config = configFolder.toStdString();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        unsetenv("QT_QPA_PLATFORM");
        execl(programPath.c_str(), programPath.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    return pid;
}

struct Launch {
    pid_t pid = 0;
    std::optional<double> mappedAfterMs;
};

// Starts the program and waits until the matching window is mapped. New
// top-level windows are watched from their creation, so the map is seen at
// once however the window manager reparents them.
Launch launchAndWaitForWindow(Display *display, const QString &program, const QString &configFolder,
                              const WindowMatch &match, int timeoutMs)
{
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);

    Launch launch;
    const auto start = Clock::now();
    launch.pid = startProcess(program, configFolder);
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
        if (candidate != None && isWanted(display, candidate, launch.pid, match)) {
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

struct Startup {
    double ms;
    double peakKb;
};

// Starts `program` once with a fresh configuration folder that `configure`
// may fill first: the time until its window is mapped and its peak memory
// just after; none when the window did not appear.
std::optional<Startup> startOnce(Display *display, const QString &program, const WindowMatch &match,
                                 const std::function<void(const QString &configFolder)> &configure)
{
    QTemporaryDir config;
    if (configure)
        configure(config.path());
    const Launch launch = launchAndWaitForWindow(display, program, config.path(), match, 30000);
    if (!launch.mappedAfterMs) {
        stopProgram(launch.pid);
        std::fprintf(stderr, "bench_startup: the %s window did not appear\n", match.title);
        return std::nullopt;
    }
    // The first paint and the list's layout follow the map at once.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const Startup startup{*launch.mappedAfterMs, double(statusKb(launch.pid, "VmHWM"))};
    stopProgram(launch.pid);
    return startup;
}

// Starts `program` `runs` times and prints the median and worst time until
// the window is mapped and the median peak memory just after.
int timeStartups(Display *display, int runs, const QString &program, const WindowMatch &match,
                 const std::function<void(const QString &configFolder)> &configure, const char *name)
{
    std::vector<double> startMs, peakKb;
    for (int i = 0; i < runs; ++i) {
        const std::optional<Startup> startup = startOnce(display, program, match, configure);
        if (!startup)
            return 1;
        startMs.push_back(startup->ms);
        peakKb.push_back(startup->peakKb);
    }
    std::printf("%s_ms %.1f\n", name, bench::median(startMs));
    std::printf("%s_worst_ms %.1f\n", name, *std::max_element(startMs.begin(), startMs.end()));
    std::printf("%s_peak_mb %.1f\n", name, bench::median(peakKb) / 1024.0);
    return 0;
}

// A program folder with a copy of `database`.
std::unique_ptr<bench::FilledDatabase> programFolderWith(const QString &database)
{
    auto db = std::make_unique<bench::FilledDatabase>(0);
    if (!(QFile::remove(db->path()) && QFile::copy(database, db->path()))) {
        std::fprintf(stderr, "bench_startup: cannot copy %s\n", qPrintable(database));
        return nullptr;
    }
    installProgram(db->folder());
    return db;
}

// A window to start, and how to know it is there.
struct Contender {
    QString program;
    WindowMatch match;
};

// Start-ups of two windows in turn, `runs` of each: a machine that is slower
// for a while slows both alike, so the ratio of the medians is what the
// second costs beside the first, not when each was timed.
int startInTurn(Display *display, int runs, const Contender (&contenders)[2], const char *const (&names)[2])
{
    std::vector<double> startMs[2];
    for (int i = 0; i < runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            const std::optional<Startup> startup =
                startOnce(display, contenders[which].program, contenders[which].match, {});
            if (!startup)
                return 1;
            startMs[which].push_back(startup->ms);
        }
    }
    for (int which = 0; which < 2; ++which)
        std::printf("%s_ms %.1f\n", names[which], bench::median(startMs[which]));
    return 0;
}

QString programIn(const bench::FilledDatabase &folder)
{
    return QDir(folder.folder()).filePath(QStringLiteral("vestrona"));
}

// The program over copies of two databases.
int pairedStartups(Display *display, int runs, const QString &first, const QString &second)
{
    const std::unique_ptr<bench::FilledDatabase> folders[2] = {programFolderWith(first), programFolderWith(second)};
    if (!folders[0] || !folders[1])
        return 1;
    return startInTurn(display, runs, {{programIn(*folders[0]), kMainWindow}, {programIn(*folders[1]), kMainWindow}},
                       {"paired_first", "paired_second"});
}

// The least window and the program over a copy of `database`.
int besideMinimal(Display *display, int runs, const QString &database)
{
    const std::unique_ptr<bench::FilledDatabase> folder = programFolderWith(database);
    if (!folder)
        return 1;
    return startInTurn(display, runs,
                       {{QStringLiteral(VESTRONA_MINIMAL_WINDOW), kMinimalWindow}, {programIn(*folder), kMainWindow}},
                       {"beside_minimal", "beside_startup"});
}

// Start-ups over 10,000 reminders of `kinds`, or over a copy of `database`
// when one is named. With a valid `seenUpTo` the program finds that record
// and first accounts for everything since.
int startup(Display *display, int runs, bench::FilledDatabase::Kinds kinds, const QString &database,
            const QDateTime &seenUpTo, const char *name)
{
    const std::unique_ptr<bench::FilledDatabase> db =
        database.isEmpty() ? std::make_unique<bench::FilledDatabase>(10000, kinds) : programFolderWith(database);
    if (!db)
        return 1;
    if (database.isEmpty())
        installProgram(db->folder());
    const auto configure = [&seenUpTo](const QString &config) {
        if (!seenUpTo.isValid())
            return;
        QSettings settings(QDir(config).filePath(QStringLiteral("Tolvane.ini")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Vestrona/SeenUpTo"), seenUpTo.toUTC().toString(Qt::ISODate));
    };
    return timeStartups(display, runs, programIn(*db), kMainWindow, configure, name);
}

// A program folder whose one reminder is due tomorrow: nothing rings while it counts down.
std::unique_ptr<bench::FilledDatabase> quietProgramFolder()
{
    auto db = std::make_unique<bench::FilledDatabase>(0);
    const RegionalSettings regional = RegionalSettings::usEnglish();
    Connection conn(regional);
    conn.Open(db->path());
    ReminderValues v;
    v.option = 1;
    const QDateTime due = QDateTime::currentDateTime().addDays(1);
    v.date = due.date();
    v.time = due.time();
    v.message = QStringLiteral("Tomorrow");
    conn.Execute(editorInsertStatement(v, regional));
    installProgram(db->folder());
    return db;
}

// A minute of plain countdown of the window shown, the window hidden in the
// tray and the least window, all three at once: idle processes hardly compete
// for the processor, and the same minute serves all three.
int idle(Display *display, int seconds)
{
    const auto shown = quietProgramFolder();
    const auto inTray = quietProgramFolder();
    QTemporaryDir shownConfig, trayConfig, minimalConfig;
    {
        // Started at logon and minimized: the window goes straight into the tray.
        QSettings settings(QDir(trayConfig.path()).filePath(QStringLiteral("Tolvane.ini")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Vestrona/Windows Startup"), QStringLiteral("On"));
        settings.setValue(QStringLiteral("Vestrona/Minimized"), QStringLiteral("On"));
    }
    const auto start = Clock::now();
    const pid_t trayPid = startProcess(programIn(*inTray), trayConfig.path());
    const Launch window = launchAndWaitForWindow(display, programIn(*shown), shownConfig.path(), kMainWindow, 30000);
    const Launch minimal = launchAndWaitForWindow(display, QStringLiteral(VESTRONA_MINIMAL_WINDOW), minimalConfig.path(),
                                                  kMinimalWindow, 30000);
    int result = 0;
    if (window.mappedAfterMs && minimal.mappedAfterMs) {
        std::this_thread::sleep_until(start + std::chrono::seconds(5));
        const double before[3] = {cpuMs(window.pid), cpuMs(trayPid), cpuMs(minimal.pid)};
        std::this_thread::sleep_until(start + std::chrono::seconds(5 + seconds));
        std::printf("idle_cpu_ms %.1f\n", cpuMs(window.pid) - before[0]);
        std::printf("idle_tray_cpu_ms %.1f\n", cpuMs(trayPid) - before[1]);
        std::printf("idle_minimal_cpu_ms %.1f\n", cpuMs(minimal.pid) - before[2]);
    } else {
        std::fprintf(stderr, "bench_startup: a window did not appear\n");
        result = 1;
    }
    for (const pid_t pid : {window.pid, trayPid, minimal.pid})
        stopProgram(pid);
    return result;
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
        result = startup(display, runs, bench::FilledDatabase::Kinds::Mixed, args.value(3), QDateTime(), "startup");
    else if (mode == QLatin1String("startup-missed"))
        result = startup(display, runs, bench::FilledDatabase::Kinds::EveryDay, QString(),
                         QDateTime::currentDateTime().addYears(-1), "startup_missed");
    else if (mode == QLatin1String("startup-paired") && args.size() == 5)
        result = pairedStartups(display, runs, args.at(3), args.at(4));
    else if (mode == QLatin1String("startup-beside-minimal") && args.size() == 4)
        result = besideMinimal(display, runs, args.at(3));
    else if (mode == QLatin1String("minimal"))
        result = timeStartups(display, runs, QStringLiteral(VESTRONA_MINIMAL_WINDOW), kMinimalWindow, {}, "minimal");
    else if (mode == QLatin1String("idle"))
        result = idle(display, args.value(2, QStringLiteral("60")).toInt());
    else
        std::fprintf(stderr, "usage: bench_startup startup [RUNS] [DATABASE] | startup-paired RUNS DATABASE DATABASE | "
                             "startup-beside-minimal RUNS DATABASE | startup-missed [RUNS] | minimal [RUNS] | "
                             "idle [SECONDS]\n");
    XCloseDisplay(display);
    return result;
}
