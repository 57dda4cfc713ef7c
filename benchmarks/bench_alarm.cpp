// How late the alarm is: the real scheduler, the real pop-up Form2 and the
// real media player on the X display and the sound server, the real
// notification client talking to the tests' stand-in notification service
// on a D-Bus daemon of the bench's own, the system clock, and a reminder due
// at a whole second. Each pop-up is answered "Stop" automatically. Prints
// "name value" lines for ./bench.
//
// The sound's start is when the first audible samples after play() reach
// the sound server's default sink; the first alarm of the run is reported
// apart from the later ones.
#include "benchmarks/BenchSupport.h"
#include "core/Clock.h"
#include "core/Reporter.h"
#include "scheduler/AlarmPopup.h"
#include "scheduler/AlarmScheduler.h"
#include "scheduler/MissedReport.h"
#include "scheduler/CountdownView.h"
#include "ui/Form2.h"
#include "ui/MediaSoundPlayer.h"
#include "database/Connection.h"
#include "config/Settings.h"
#include "control/NotifyingPopup.h"
#include "database/Statements.h"
#include "notify/DBusNotifications.h"

#include <QApplication>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

using namespace vestrona;

namespace {

// Milliseconds since the epoch, finer than QDateTime's.
double wallMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::system_clock::now().time_since_epoch()).count();
}

class BenchView final : public CountdownView {
public:
    explicit BenchView(QString sound) : mSound(std::move(sound)) {}
    void setFrameCaption(const QString &) override {}
    void setProgress(int, int, const QString &) override {}
    int selectedIntervalRow() const override { return 1; }
    QString alarmSoundFile() const override { return mSound; }
    void restoreDefaultCursor() override {}

private:
    QString mSound;
};

struct AlarmTimes {
    std::optional<double> shown;       // first expose of the pop-up's window
    std::optional<double> playReturned;
    std::optional<double> soundStarted; // first audible samples at the sound server after play()
    bool answered = false;
};

// The real player, noting when play() has returned.
class TimingSoundPlayer final : public SoundPlayer {
public:
    explicit TimingSoundPlayer(AlarmTimes &times) : mTimes(times) {}

    void play(const QString &path, bool loop) override
    {
        mReal.play(path, loop);
        mTimes.playReturned = wallMs();
    }
    void prepare(const QString &path) override { mReal.prepare(path); }
    void close() override { mReal.close(); }
    bool isPlaying() const override { return mReal.isPlaying(); }
    QString takeFallbackNote() override { return mReal.takeFallbackNote(); }
    void check(const QString &path, QObject *context, CheckDone done) override
    {
        mReal.check(path, context, std::move(done));
    }

private:
    AlarmTimes &mTimes;
    // The bench plays a file that can be played: nothing to fall back to.
    MediaSoundPlayer mReal{QString()};
};

// Listens to what the sound server plays (the monitor of its default sink)
// and notes when the first audible samples after play() arrive: the moment
// the alarm can be heard, whatever the media back end does on the way.
class SoundServerWatch {
public:
    explicit SoundServerWatch(AlarmTimes &times) : mTimes(times)
    {
        QObject::connect(&mProcess, &QProcess::readyReadStandardOutput, [this] {
            const double now = wallMs();
            const QByteArray chunk = mProcess.readAllStandardOutput();
            if (!mTimes.playReturned || mTimes.soundStarted)
                return;
            const auto *samples = reinterpret_cast<const qint16 *>(chunk.constData());
            for (qsizetype i = 0; i < chunk.size() / qsizetype(sizeof(qint16)); ++i) {
                if (std::abs(int(samples[i])) > kAudible) {
                    mTimes.soundStarted = now;
                    return;
                }
            }
        });
        mProcess.start(QStringLiteral("parec"), {QStringLiteral("--device=@DEFAULT_MONITOR@"), QStringLiteral("--raw"),
                                                 QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                                                 QStringLiteral("--rate=16000"), QStringLiteral("--latency-msec=5")});
    }
    ~SoundServerWatch()
    {
        mProcess.kill();
        mProcess.waitForFinished();
    }

    // Until the recording has delivered its first samples, nothing played is
    // timed right: the test desktop's null sink, idle, renders in blocks of
    // two seconds and takes up the recording's short latency only when that
    // block ends, so a sound started meanwhile reaches the recording (and the
    // sink) up to two seconds late. Alarms are timed from then on only.
    bool waitUntilRecording()
    {
        return mProcess.waitForStarted() && mProcess.waitForReadyRead(5000);
    }

private:
    static constexpr int kAudible = 500;
    AlarmTimes &mTimes;
    QProcess mProcess;
};

// Shows the real Form2, notes when its window is first exposed and presses
// "Stop" a moment later, once the sound has had time to start.
class TimingPopup final : public AlarmPopup, public QObject {
public:
    TimingPopup(QString programFolder, Reporter &reporter, AlarmTimes &times)
        : mProgramFolder(std::move(programFolder)), mReporter(reporter), mTimes(times)
    {
    }

    Outcome showModal(const RingingAlarm &alarm) override
    {
        Form2 form(mProgramFolder, mReporter);
        form.setAlarm(alarm);
        mForm = &form;
        form.installEventFilter(this);
        form.exec();
        mForm = nullptr;
        mTimes.answered = true;
        return form.outcome();
    }
    void answer(Outcome outcome) override
    {
        if (mForm && outcome != Outcome::Closed)
            (outcome == Outcome::Snooze ? mForm->PushButton1 : mForm->PushButton2)->click();
    }
    void bringToFront() override
    {
        if (mForm)
            mForm->raise();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (mForm && watched == mForm && event->type() == QEvent::Show && mForm->windowHandle())
            mForm->windowHandle()->installEventFilter(this);
        if (mForm && watched == mForm->windowHandle() && event->type() == QEvent::Expose && !mTimes.shown
            && mForm->windowHandle()->isExposed()) {
            mTimes.shown = wallMs();
            QPushButton *stop = mForm->PushButton2;
            QTimer::singleShot(1500, stop, [stop] { stop->click(); });
        }
        return false;
    }

private:
    QString mProgramFolder;
    Reporter &mReporter;
    AlarmTimes &mTimes;
    Form2 *mForm = nullptr;
};

// A D-Bus daemon of the bench's own with the stand-in notification service
// on it; the service notes when each Notify call came.
class NotificationService {
public:
    NotificationService()
    {
        mDaemon.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (!mDaemon.waitForReadyRead(5000))
            return;
        const QString address = QString::fromLocal8Bit(mDaemon.readLine()).trimmed();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        mService.setProcessEnvironment(environment);
        mService.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(VESTRONA_NOTIFICATION_SERVICE)});
        if (!mService.waitForReadyRead(10000))
            return;
        mBus = QDBusConnection::connectToBus(address, QStringLiteral("bench"));
    }
    ~NotificationService()
    {
        for (QProcess *process : {&mService, &mDaemon}) {
            process->kill();
            process->waitForFinished();
        }
    }
    bool isRunning() const { return mBus.isConnected(); }
    QDBusConnection bus() const { return mBus; }
    // When the notification with `body` came, in milliseconds since the epoch.
    std::optional<double> notifiedAt(const QString &body) const
    {
        QDBusInterface control(QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/standin"),
                               QStringLiteral("example.tolvane.StandIn"), mBus);
        const QDBusReply<QString> calls = control.call(QStringLiteral("Calls"));
        for (const QJsonValue call : QJsonDocument::fromJson(calls.value().toUtf8()).array()) {
            const QJsonObject fields = call.toObject();
            if (fields.value(QStringLiteral("body")).toString() == body)
                return fields.value(QStringLiteral("at_ms")).toDouble();
        }
        return std::nullopt;
    }

private:
    QProcess mDaemon;
    QProcess mService;
    QDBusConnection mBus{QStringLiteral("none")};
};

// Each alarm is due in the future when it is added: nothing is ever missed.
class NoMissedReport final : public MissedReport {
public:
    void reportMissed(const std::vector<MissedEntry> &, int) override {}
};

double worst(const std::vector<double> &values)
{
    return *std::max_element(values.begin(), values.end());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "bench_alarm: DISPLAY is not set; ./bench starts a virtual desktop\n");
        return 1;
    }
    qunsetenv("QT_QPA_PLATFORM");
    // The media back end the program itself chooses.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    const int alarms = argc > 1 ? std::atoi(argv[1]) : 20;

    QTemporaryDir folder;
    QTemporaryDir config;
    const QString database = QDir(folder.path()).filePath(QStringLiteral("dbReminders.mdb"));
    bench::createEmptyDatabase(database);
    const RegionalSettings regional = RegionalSettings::system();
    Connection conn(regional);
    conn.Open(database);
    IniSettingsStore settings(config.path());
    SystemClock clock;
    bench::StderrReporter reporter;
    AlarmTimes times;
    TimingSoundPlayer sound(times);
    SoundServerWatch soundServer(times);
    if (!soundServer.waitUntilRecording()) {
        std::fprintf(stderr, "bench_alarm: parec records nothing from the sound server\n");
        return 1;
    }
    NotificationService service;
    if (!service.isRunning()) {
        std::fprintf(stderr, "bench_alarm: the stand-in notification service did not start\n");
        return 1;
    }
    DBusNotifications notifications({QStringLiteral("Vestrona"), QStringLiteral(VESTRONA_APP_ID),
                                      QStringLiteral(VESTRONA_APP_ID)},
                                     service.bus());
    TimingPopup timingPopup(folder.path(), reporter, times);
    NotifyingPopup popup(timingPopup, &notifications);
    BenchView view(QStringLiteral(VESTRONA_ALARM_SOUND));
    NoMissedReport missed;
    AlarmScheduler scheduler(conn, settings, regional, reporter, clock, sound, popup, view, missed);
    scheduler.startCountdown();

    std::vector<double> shownLate, soundLate, playLate, notifiedLate;
    for (int i = 0; i < alarms; ++i) {
        // The next whole second plus one: the countdown has a full tick first.
        QDateTime due = QDateTime::currentDateTime().addSecs(2);
        due.setTime(QTime(due.time().hour(), due.time().minute(), due.time().second()));
        ReminderValues v;
        v.option = 1;
        v.date = due.date();
        v.time = due.time();
        v.message = QStringLiteral("Alarm %1").arg(i + 1);
        conn.Execute(editorInsertStatement(v, regional));
        scheduler.GetLatestReminder();
        if (scheduler.alarmDue() != due) {
            std::fprintf(stderr, "bench_alarm: the scheduler chose another reminder\n");
            return 1;
        }
        times = AlarmTimes{};
        while (!times.answered)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double dueMs = double(due.toMSecsSinceEpoch());
        if (!times.shown || !times.playReturned) {
            std::fprintf(stderr, "bench_alarm: alarm %d was never shown\n", i + 1);
            return 1;
        }
        shownLate.push_back(*times.shown - dueMs);
        playLate.push_back(*times.playReturned - dueMs);
        if (times.soundStarted)
            soundLate.push_back(*times.soundStarted - dueMs);
        const std::optional<double> notified = service.notifiedAt(v.message);
        if (!notified) {
            std::fprintf(stderr, "bench_alarm: alarm %d sent no notification\n", i + 1);
            return 1;
        }
        notifiedLate.push_back(*notified - dueMs);
    }
    std::printf("alarm_popup_median_ms %.1f\n", bench::median(shownLate));
    std::printf("alarm_popup_worst_ms %.1f\n", worst(shownLate));
    std::printf("alarm_play_call_median_ms %.1f\n", bench::median(playLate));
    std::printf("alarm_notification_median_ms %.1f\n", bench::median(notifiedLate));
    std::printf("alarm_notification_worst_ms %.1f\n", worst(notifiedLate));
    if (soundLate.size() != shownLate.size()) {
        std::fprintf(stderr, "bench_alarm: the sound started in only %zu of %zu alarms\n", soundLate.size(), shownLate.size());
        return 0;
    }
    // The first alarm of a run is the one whose media back end starts cold;
    // the later ones show what the player costs once it is warm.
    std::printf("alarm_sound_first_ms %.1f\n", soundLate.front());
    if (soundLate.size() > 1) {
        const std::vector<double> later(soundLate.begin() + 1, soundLate.end());
        std::printf("alarm_sound_median_ms %.1f\n", bench::median(later));
        std::printf("alarm_sound_worst_ms %.1f\n", worst(later));
    }
    return 0;
}
