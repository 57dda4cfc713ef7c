#include "tests/e2e/Desktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace vestrona::e2e {

namespace {

ProcessResult x(const QString &tool, const QStringList &arguments)
{
    return runProcess(tool, arguments, QProcessEnvironment::systemEnvironment(), 10000);
}

QStringList lines(const QString &text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

int xwininfoNumber(const QString &text, const char *label)
{
    const QRegularExpression re(QStringLiteral("%1:\\s+(-?\\d+)").arg(QRegularExpression::escape(QLatin1String(label))));
    return re.match(text).captured(1).toInt();
}

// Window ids as xdotool prints them: decimal.
QString decimalId(const QString &hex)
{
    bool ok = false;
    const qulonglong id = hex.toULongLong(&ok, 16);
    return ok ? QString::number(id) : QString();
}

} // namespace

QString missingDesktop()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return QStringLiteral("DISPLAY is not set: the end-to-end tests need the virtual desktop that ./test starts "
                              "(scripts/desktop-session.sh: vestrona_desktop_start)");
    if (x(QStringLiteral("xdpyinfo"), {}).exitCode != 0)
        return QStringLiteral("the display %1 does not answer").arg(qEnvironmentVariable("DISPLAY"));
    return {};
}

QString missingSoundServer()
{
    return qEnvironmentVariableIsEmpty("PULSE_SERVER")
        ? QStringLiteral("PULSE_SERVER is not set: the sound server of the virtual desktop is missing")
        : QString();
}

namespace {
QProcessEnvironment folderEnvironment(const ProgramFolder &folder, const QProcessEnvironment &extra)
{
    QProcessEnvironment env = folder.environment();
    env.insert(extra);
    return env;
}
} // namespace

RunningProgram::RunningProgram(const ProgramFolder &folder, const QProcessEnvironment &environment)
    : RunningProgram(folder.programPath(), folderEnvironment(folder, environment))
{
}

RunningProgram::RunningProgram(const QString &program, const QProcessEnvironment &environment)
{
    mProcess.setProcessEnvironment(environment);
    mProcess.setProcessChannelMode(QProcess::SeparateChannels);
    mProcess.setStandardOutputFile(QProcess::nullDevice());
    mProcess.start(program, {});
    if (mProcess.waitForStarted())
        mPid = mProcess.processId();
}

QString startThenAddReminder(const ProgramFolder &folder, RunningProgram &program, QDateTime *due)
{
    const QString mainWindow = waitForWindow(program.pid(), kMainWindowPattern, 20000);
    if (mainWindow.isEmpty())
        return {};
    // The running program notices a change made from outside within a second.
    const QDateTime dueAt = wholeSecondsFromNow(3);
    if (folder.addOnce(dueAt, QStringLiteral("Water the plants")).isEmpty())
        return {};
    if (due)
        *due = dueAt;
    return mainWindow;
}

QString waitForPopup(RunningProgram &program)
{
    const QString popup = waitForWindow(program.pid(), kPopupPattern, 20000);
    if (popup.isEmpty())
        qWarning("no pop-up; stderr: %s", qPrintable(program.errorOutput()));
    return popup;
}

RunningProgram::~RunningProgram()
{
    if (mProcess.state() != QProcess::NotRunning) {
        mProcess.kill();
        mProcess.waitForFinished();
    }
}

bool RunningProgram::waitForExit(int timeoutMs)
{
    return mProcess.state() == QProcess::NotRunning || mProcess.waitForFinished(timeoutMs);
}

bool RunningProgram::closeThroughWindowManager(const QString &window)
{
    // A key typed while the window manager is still handing focus to a window
    // that has just been mapped can reach no window at all; pressed again as
    // long as the window stays, the close arrives once it has the focus.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!pressKey(window, QStringLiteral("alt+F4")))
            return waitForExit(0);
        if (waitForExit(attempt < 2 ? 3000 : 10000))
            return true;
        if (!windowInfo(window).viewable)
            return waitForExit(10000);
    }
    return false;
}

int RunningProgram::exitCode() const
{
    return mProcess.exitStatus() == QProcess::NormalExit ? mProcess.exitCode() : -1;
}

QString RunningProgram::errorOutput()
{
    return QString::fromUtf8(mProcess.readAllStandardError());
}

WindowInfo windowInfo(const QString &window)
{
    WindowInfo info;
    const ProcessResult r = x(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
    if (r.exitCode != 0)
        return info;
    info.exists = true;
    info.viewable = r.out.contains(QLatin1String("Map State: IsViewable"));
    info.geometry = QRect(xwininfoNumber(r.out, "Absolute upper-left X"), xwininfoNumber(r.out, "Absolute upper-left Y"),
                          xwininfoNumber(r.out, "Width"), xwininfoNumber(r.out, "Height"));
    const ProcessResult framed = x(QStringLiteral("xwininfo"), {QStringLiteral("-frame"), QStringLiteral("-id"), window});
    info.frame = QRect(xwininfoNumber(framed.out, "Absolute upper-left X"),
                       xwininfoNumber(framed.out, "Absolute upper-left Y"), xwininfoNumber(framed.out, "Width"),
                       xwininfoNumber(framed.out, "Height"));
    return info;
}

namespace {

QStringList searchWindows(qint64 pid, const QString &namePattern, bool onlyVisible)
{
    QStringList arguments{QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--pid"), QString::number(pid)};
    if (onlyVisible)
        arguments << QStringLiteral("--onlyvisible");
    arguments << QStringLiteral("--name") << namePattern;
    return lines(x(QStringLiteral("xdotool"), arguments).out);
}

// Every window inside the tray host's panel: the icons and their sockets.
QSet<QString> embeddedInTray()
{
    const QStringList panels = lines(x(QStringLiteral("xdotool"),
                                       {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--class"),
                                        QStringLiteral("^trayer$")}).out);
    QSet<QString> embedded;
    static const QRegularExpression idAtLineStart(QStringLiteral("^\\s+0x([0-9a-f]+)\\s"));
    for (const QString &panel : panels) {
        for (const QString &line : lines(x(QStringLiteral("xwininfo"), {QStringLiteral("-tree"), QStringLiteral("-id"), panel}).out)) {
            const QRegularExpressionMatch m = idAtLineStart.match(line);
            if (m.hasMatch())
                embedded.insert(decimalId(m.captured(1)));
        }
    }
    return embedded;
}

} // namespace

QStringList windowsOf(qint64 pid, const QString &namePattern, bool onlyVisible)
{
    QStringList windows = searchWindows(pid, namePattern, onlyVisible);
    if (windows.isEmpty())
        return windows;
    const QSet<QString> tray = embeddedInTray();
    windows.removeIf([&](const QString &w) { return tray.contains(w); });
    return windows;
}

QString waitForWindow(qint64 pid, const QString &namePattern, int timeoutMs)
{
    QString found;
    const bool came = QTest::qWaitFor(
        [&] {
            const QStringList windows = windowsOf(pid, namePattern);
            found = windows.isEmpty() ? QString() : windows.first();
            return !found.isEmpty();
        },
        timeoutMs);
    return came ? found : QString();
}

QStringList trayIconsOf(qint64 pid)
{
    // xdotool does not look inside the tray host's panel when told to keep to
    // visible windows, nor match the icon's name: take all, keep the mapped.
    QStringList icons = searchWindows(pid, QString(), false);
    const QSet<QString> tray = embeddedInTray();
    icons.removeIf([&](const QString &w) { return !tray.contains(w) || !windowInfo(w).viewable; });
    return icons;
}

bool clickAt(const QPoint &screenPoint, int button)
{
    return x(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(screenPoint.x()),
                                         QString::number(screenPoint.y()), QStringLiteral("click"), QString::number(button)})
               .exitCode == 0;
}

bool clickIn(const QString &window, const QPoint &point)
{
    const WindowInfo info = windowInfo(window);
    return info.viewable && clickAt(info.geometry.topLeft() + point);
}

bool answerPopup(const QString &popup, PopupButton button)
{
    // Snooze is the left-hand, Stop the right-hand button along the bottom edge.
    return clickIn(popup, QPoint(button == PopupButton::Snooze ? 8 + 128 : 272 + 128, 214 + 13));
}

QDateTime wholeSecondsFromNow(qint64 seconds)
{
    QDateTime due = QDateTime::currentDateTime().addSecs(seconds);
    due.setTime(QTime(due.time().hour(), due.time().minute(), due.time().second()));
    return due;
}

bool pressKey(const QString &window, const QString &keys)
{
    return x(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window,
                                         QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys})
               .exitCode == 0;
}

bool typeText(const QString &window, const QString &text)
{
    return x(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window,
                                         QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text})
               .exitCode == 0;
}

bool minimizeWindow(const QString &window)
{
    return x(QStringLiteral("xdotool"), {QStringLiteral("windowminimize"), window}).exitCode == 0;
}

bool waitUntilHidden(const QString &window, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    int hiddenReadings = 0;
    while (clock.elapsed() < timeoutMs) {
        hiddenReadings = windowInfo(window).viewable ? 0 : hiddenReadings + 1;
        if (hiddenReadings == 3)
            return true;
        QTest::qWait(50);
    }
    return false;
}

bool saveScreenshot(const QString &window, const QString &file)
{
    return x(QStringLiteral("import"), {QStringLiteral("-window"), window, file}).exitCode == 0;
}

QString screenshotPath(const QString &name)
{
    return QDir(QStringLiteral(VESTRONA_BUILD_DIR)).filePath(name);
}

int playingStreamsOf(qint64 pid)
{
    const ProcessResult r = x(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sink-inputs")});
    int playing = 0;
    const QString ownPid = QStringLiteral("application.process.id = \"%1\"").arg(pid);
    for (const QString &block : r.out.split(QStringLiteral("Sink Input #"), Qt::SkipEmptyParts)) {
        if (block.contains(ownPid) && block.contains(QLatin1String("Corked: no")))
            ++playing;
    }
    return playing;
}

bool showsProgramIcon(const QString &window)
{
    // The icon's disc is this opaque blue (ui/AppIcon.cpp) at every size.
    static const QString discBlue = QString::number(0xff1f5fd0u);
    const ProcessResult r = x(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("-notype"),
                                                     QStringLiteral("-f"), QStringLiteral("_NET_WM_ICON"),
                                                     QStringLiteral("32c"), QStringLiteral("_NET_WM_ICON")});
    static const QRegularExpression separator(QStringLiteral("[=,\\s]+"));
    return r.exitCode == 0 && r.out.split(separator, Qt::SkipEmptyParts).contains(discBlue);
}

namespace {
constexpr int kRecordingRate = 8000; // samples a second, one channel of 16 bits
constexpr int kAudible = 500;

qsizetype sampleAt(qint64 ms)
{
    return qsizetype(ms * kRecordingRate / 1000);
}

qint64 msAt(qsizetype sample)
{
    return qint64(sample) * 1000 / kRecordingRate;
}

bool isAudible(qint16 sample)
{
    return std::abs(int(sample)) > kAudible;
}
} // namespace

SoundRecording::SoundRecording()
{
    mProcess.setStandardOutputFile(mFolder.file(QStringLiteral("sink.raw")));
    mProcess.start(QStringLiteral("parec"), {QStringLiteral("--device=@DEFAULT_MONITOR@"), QStringLiteral("--raw"),
                                             QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                                             QStringLiteral("--rate=%1").arg(kRecordingRate),
                                             QStringLiteral("--latency-msec=20")});
    mProcess.waitForStarted();
}

SoundRecording::~SoundRecording()
{
    stop();
}

void SoundRecording::stop()
{
    if (mProcess.state() == QProcess::NotRunning)
        return;
    endProcess(mProcess);
    QFile raw(mFolder.file(QStringLiteral("sink.raw")));
    if (raw.open(QIODevice::ReadOnly))
        mSamples = raw.readAll();
}

qint64 SoundRecording::lengthMs() const
{
    return msAt(mSamples.size() / qsizetype(sizeof(qint16)));
}

qint64 SoundRecording::firstAudibleFrom(qint64 fromMs) const
{
    const auto *samples = reinterpret_cast<const qint16 *>(mSamples.constData());
    const qsizetype count = mSamples.size() / qsizetype(sizeof(qint16));
    for (qsizetype i = std::max<qsizetype>(0, sampleAt(fromMs)); i < count; ++i) {
        if (isAudible(samples[i]))
            return msAt(i);
    }
    return -1;
}

qint64 SoundRecording::lastAudible() const
{
    const auto *samples = reinterpret_cast<const qint16 *>(mSamples.constData());
    for (qsizetype i = mSamples.size() / qsizetype(sizeof(qint16)) - 1; i >= 0; --i) {
        if (isAudible(samples[i]))
            return msAt(i);
    }
    return -1;
}

bool SoundRecording::audibleBetween(qint64 fromMs, qint64 toMs) const
{
    const qint64 first = firstAudibleFrom(fromMs);
    return first >= 0 && first < toMs;
}

} // namespace vestrona::e2e
