#include "scheduler/SoundPlayer.h"

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
    mPlayer->setSource(QUrl::fromLocalFile(path));
    mPlayer->play();
}

void MediaSoundPlayer::close()
{
    if (!mPlayer)
        return;
    mPlayer->stop();
    mPlayer->setSource(QUrl());
}

bool MediaSoundPlayer::isPlaying() const
{
    return mPlayer && mPlayer->playbackState() == QMediaPlayer::PlayingState;
}

} // namespace vestrona
