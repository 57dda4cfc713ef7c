#include "tests/e2e/Desktop.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

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

RunningProgram::RunningProgram(const ProgramFolder &folder, const QProcessEnvironment &environment)
{
    QProcessEnvironment env = folder.environment();
    env.insert(environment);
    mProcess.setProcessEnvironment(env);
    mProcess.setProcessChannelMode(QProcess::SeparateChannels);
    mProcess.setStandardOutputFile(QProcess::nullDevice());
    mProcess.start(folder.programPath(), {});
    if (mProcess.waitForStarted())
        mPid = mProcess.processId();
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

bool pressKey(const QString &window, const QString &keys)
{
    return x(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window,
                                         QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys})
               .exitCode == 0;
}

bool minimizeWindow(const QString &window)
{
    return x(QStringLiteral("xdotool"), {QStringLiteral("windowminimize"), window}).exitCode == 0;
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

} // namespace vestrona::e2e
