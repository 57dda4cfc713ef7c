#include "ui/MediaSoundPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace vestrona {

MediaSoundPlayer::MediaSoundPlayer() = default;

MediaSoundPlayer::~MediaSoundPlayer()
{
    // The player refers to its output: it goes first.
    mPlayer.reset();
}

void MediaSoundPlayer::ensurePlayer()
{
    if (mPlayer)
        return;
    mOutput = std::make_unique<QAudioOutput>();
    mPlayer = std::make_unique<QMediaPlayer>();
    mPlayer->setAudioOutput(mOutput.get());
}

void MediaSoundPlayer::play(const QString &path, bool loop)
{
    ensurePlayer();
    mPlayer->setLoops(loop ? QMediaPlayer::Infinite : QMediaPlayer::Once);
    close();
    if (path.isEmpty())
        return;
    prepare(path);
    mPlayer->play();
}

void MediaSoundPlayer::prepare(const QString &path)
{
    if (path.isEmpty())
        return;
    ensurePlayer();
    // Opening a file costs a good part of a second's tenth, so the alarm
    // opens it a moment ahead; a file already open is played from its start.
    const QUrl source = QUrl::fromLocalFile(path);
    if (mPlayer->source() != source)
        mPlayer->setSource(source);
}

void MediaSoundPlayer::close()
{
    if (!mPlayer)
        return;
    // Letting go of the file also closes the stream to the sound server,
    // which would otherwise go on playing silence.
    mPlayer->stop();
    mPlayer->setSource(QUrl());
}

bool MediaSoundPlayer::isPlaying() const
{
    return mPlayer && mPlayer->playbackState() == QMediaPlayer::PlayingState;
}

} // namespace vestrona
