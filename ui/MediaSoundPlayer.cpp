#include "ui/MediaSoundPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QUrl>

namespace vestrona {

namespace {
// Qt 6.4's FFmpeg back end crashes in its audio thread when it plays with no
// sound server to reach; an alarm without sound is better than none at all.
bool audioOutputReachable()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

// QSoundEffect loops a WAV file until stopped on both media back ends. The
// media player, which other formats need, is looped by hand: its own loop
// setting plays once and falls silent on Qt 6.4.
bool isWave(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("wav"), Qt::CaseInsensitive) == 0;
}
} // namespace

MediaSoundPlayer::MediaSoundPlayer() = default;

MediaSoundPlayer::~MediaSoundPlayer()
{
    // The player refers to its output: it goes first.
    mPlayer.reset();
}

void MediaSoundPlayer::ensureEffect()
{
    if (!mEffect)
        mEffect = std::make_unique<QSoundEffect>();
}

void MediaSoundPlayer::ensurePlayer()
{
    if (mPlayer)
        return;
    mOutput = std::make_unique<QAudioOutput>();
    mPlayer = std::make_unique<QMediaPlayer>();
    mPlayer->setAudioOutput(mOutput.get());
    QObject::connect(mPlayer.get(), &QMediaPlayer::mediaStatusChanged, mPlayer.get(),
                     [this](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::EndOfMedia)
                             startAgainIfLooping();
                     });
}

void MediaSoundPlayer::startAgainIfLooping()
{
    if (!mLoop)
        return;
    mPlayer->setPosition(0);
    mPlayer->play();
}

void MediaSoundPlayer::play(const QString &path, bool loop)
{
    // A file opened ahead by prepare() stays open, so the alarm is heard at once.
    stopAllBut(QUrl::fromLocalFile(path));
    mLoop = loop;
    if (path.isEmpty() || !audioOutputReachable())
        return;
    prepare(path);
    if (isWave(path)) {
        mEffect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
        mEffect->play();
    } else {
        mPlayer->play();
    }
}

void MediaSoundPlayer::prepare(const QString &path)
{
    if (path.isEmpty() || !audioOutputReachable())
        return;
    // Opening a file costs a good part of a second's tenth, so the alarm
    // opens it a moment ahead; a file already open is played from its start.
    const QUrl source = QUrl::fromLocalFile(path);
    if (isWave(path)) {
        ensureEffect();
        if (mEffect->source() != source)
            mEffect->setSource(source);
    } else {
        ensurePlayer();
        if (mPlayer->source() != source)
            mPlayer->setSource(source);
    }
}

void MediaSoundPlayer::close()
{
    stopAllBut(QUrl());
}

void MediaSoundPlayer::stopAllBut(const QUrl &kept)
{
    mLoop = false;
    // Letting go of a file also closes the stream to the sound server,
    // which would otherwise go on playing silence.
    if (mEffect) {
        mEffect->stop();
        if (mEffect->source() != kept)
            mEffect->setSource(QUrl());
    }
    if (mPlayer) {
        mPlayer->stop();
        if (mPlayer->source() != kept)
            mPlayer->setSource(QUrl());
    }
}

bool MediaSoundPlayer::isPlaying() const
{
    return (mEffect && mEffect->isPlaying()) || (mPlayer && mPlayer->playbackState() == QMediaPlayer::PlayingState);
}

} // namespace vestrona
