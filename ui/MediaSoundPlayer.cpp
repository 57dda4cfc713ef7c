#include "ui/MediaSoundPlayer.h"

#include "ui/SoundTrack.h"

#include <QCoreApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>

#include <memory>
#include <utility>

namespace vestrona {

namespace {
// Qt 6.4's FFmpeg back end crashes in its audio thread when it plays with no
// sound server to reach; an alarm without sound is better than none at all.
bool audioOutputReachable()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

constexpr int kCheckTimeoutMs = 5000;
} // namespace

MediaSoundPlayer::MediaSoundPlayer(QString builtInSound) : mBuiltIn(std::move(builtInSound)) {}

MediaSoundPlayer::~MediaSoundPlayer()
{
    delete mTrack;
}

void MediaSoundPlayer::open(const QString &path)
{
    retire();
    mTrack = new SoundTrack(path);
    QObject::connect(mTrack, &SoundTrack::failed, mTrack, [this] { trackFailed(); });
    mTrack->open();
}

void MediaSoundPlayer::retire()
{
    if (!mTrack)
        return;
    // Never pointed at another file, and deleted once its signals are done.
    mTrack->disconnect();
    mTrack->stop();
    mTrack->deleteLater();
    mTrack = nullptr;
}

void MediaSoundPlayer::prepare(const QString &path)
{
    if (!audioOutputReachable())
        return;
    // Opening a file costs a good part of a second's tenth, so the alarm
    // opens it a moment ahead; a file that failed is tried afresh.
    const QString source = path.isEmpty() ? mBuiltIn : path;
    if (mTrack && mTrack->path() == source && mTrack->failure().isEmpty())
        return;
    open(source);
}

void MediaSoundPlayer::play(const QString &path, bool loop)
{
    mWanted = false;
    mLoop = loop;
    mNote.clear();
    if (!audioOutputReachable()) {
        retire();
        return;
    }
    // A file opened ahead by prepare() stays open, so the alarm is heard at
    // once, and one that failed then gives way to the built-in sound at
    // once. One deleted since would still play from what was read of it,
    // yet the user took it away: it is opened again, and fails.
    const QString source = path.isEmpty() ? mBuiltIn : path;
    const bool opened = mTrack && mTrack->path() == source;
    if (!opened || !QFileInfo(source).isFile())
        open(source);
    mWanted = true;
    if (!mTrack->failure().isEmpty())
        fallBack();
    else
        mTrack->play(mLoop);
}

void MediaSoundPlayer::trackFailed()
{
    // Found while opening ahead: play() falls back when it comes.
    if (mWanted)
        fallBack();
}

void MediaSoundPlayer::fallBack()
{
    const QString failedPath = mTrack->path();
    const QString why = mTrack->failure();
    if (failedPath == mBuiltIn) {
        const QString builtInFailed = QCoreApplication::translate(
            "MediaSoundPlayer", "The built-in alarm sound %1 cannot be played either: %2.");
        mNote = mNote.isEmpty()
            ? QCoreApplication::translate("MediaSoundPlayer", "The alarm sound %1 cannot be played as a sound: %2.")
                  .arg(failedPath, why)
            : mNote + QLatin1Char(' ') + builtInFailed.arg(failedPath, why);
        retire();
        return;
    }
    mNote = QCoreApplication::translate("MediaSoundPlayer",
                                        "%1 cannot be played as a sound: %2. The built-in alarm sound played instead.")
                .arg(failedPath, why);
    // A built-in sound that fails as well adds to the note through trackFailed.
    open(mBuiltIn);
    if (mTrack && mTrack->failure().isEmpty())
        mTrack->play(mLoop);
}

void MediaSoundPlayer::close()
{
    mWanted = false;
    mLoop = false;
    // Letting go of the file also closes the stream to the sound server,
    // which would otherwise go on playing silence.
    retire();
}

bool MediaSoundPlayer::isPlaying() const
{
    return mTrack && mTrack->isPlaying();
}

QString MediaSoundPlayer::takeFallbackNote()
{
    return std::exchange(mNote, QString());
}

void MediaSoundPlayer::check(const QString &path, QObject *context, CheckDone done)
{
    // A track of its own, so the check never disturbs a sound that plays.
    auto *track = new SoundTrack(path);
    auto answer = std::make_shared<CheckDone>(std::move(done));
    QPointer<QObject> asker(context);
    const auto finish = [track, answer, asker](const QString &problem) {
        track->disconnect();
        track->deleteLater();
        if (asker && *answer)
            std::exchange(*answer, CheckDone())(problem);
    };
    // Queued, so that an answer found within open() still comes later.
    QObject::connect(track, &SoundTrack::ready, track, [finish] { finish(QString()); }, Qt::QueuedConnection);
    QObject::connect(track, &SoundTrack::failed, track, finish, Qt::QueuedConnection);
    QTimer::singleShot(kCheckTimeoutMs, track, [finish] {
        finish(QCoreApplication::translate("MediaSoundPlayer", "it did not open within %1 seconds")
                   .arg(kCheckTimeoutMs / 1000));
    });
    track->open();
}

} // namespace vestrona
