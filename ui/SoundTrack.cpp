#include "ui/SoundTrack.h"

#include "formats/WaveFile.h"

#include <QCoreApplication>
#include <QAudioOutput>
#include <QFile>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QUrl>

#include <utility>

namespace vestrona {

namespace {
QString unknownFormat()
{
    return QCoreApplication::translate("SoundTrack", "it is not in a sound format the player knows");
}

// A file that cannot be taken, said as plainly as the file allows: the
// player's own words only for a readable file it does not understand.
QString whyNotOpened(const QString &path, const QString &playerError)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("SoundTrack", "the file does not exist");
    if (!info.isFile())
        return QCoreApplication::translate("SoundTrack", "it is not a regular file");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("SoundTrack", "it cannot be read (%1)").arg(file.errorString());
    if (file.size() == 0)
        return QCoreApplication::translate("SoundTrack", "the file is empty");
    QString detail = playerError.trimmed();
    while (detail.endsWith(QLatin1Char('.')))
        detail.chop(1);
    return detail.isEmpty() ? unknownFormat() : QStringLiteral("%1 (%2)").arg(unknownFormat(), detail);
}
} // namespace

SoundTrack::SoundTrack(QString path, QObject *parent) : QObject(parent), mPath(std::move(path)) {}

SoundTrack::~SoundTrack()
{
    delete mEffect;
    delete mPlayer;
    delete mOutput;
}

void SoundTrack::open()
{
    if (!QFileInfo(mPath).isFile()) {
        fail(whyNotOpened(mPath, QString()));
        return;
    }
    QFile file(mPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0) {
        fail(whyNotOpened(mPath, QString()));
        return;
    }
    if (isCompletePcmWave(file))
        openEffect();
    else
        openPlayer();
}

void SoundTrack::openEffect()
{
    mEffect = new QSoundEffect;
    connect(mEffect, &QSoundEffect::statusChanged, this, [this] {
        if (mEffect->status() == QSoundEffect::Ready)
            becomeReady();
        else if (mEffect->status() == QSoundEffect::Error)
            fail(unknownFormat());
    });
    mEffect->setSource(QUrl::fromLocalFile(mPath));
}

void SoundTrack::openPlayer()
{
    mOutput = new QAudioOutput;
    mPlayer = new QMediaPlayer;
    mPlayer->setAudioOutput(mOutput);
    connect(mPlayer, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString &text) { fail(whyNotOpened(mPath, text)); });
    connect(mPlayer, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) { playerStatusChanged(status); });
    mPlayer->setSource(QUrl::fromLocalFile(mPath));
}

void SoundTrack::playerStatusChanged(int status)
{
    switch (status) {
    case QMediaPlayer::LoadedMedia:
        // The FFmpeg back end reports a file it could not open as loaded, without sound.
        if (mPlayer->hasAudio())
            becomeReady();
        else
            fail(whyNotOpened(mPath, mPlayer->errorString()));
        break;
    case QMediaPlayer::InvalidMedia:
        fail(whyNotOpened(mPath, mPlayer->errorString()));
        break;
    case QMediaPlayer::EndOfMedia:
        // The player's own loop setting plays once and falls silent on Qt 6.4.
        if (mLoop) {
            mPlayer->setPosition(0);
            mPlayer->play();
        }
        break;
    default:
        break;
    }
}

void SoundTrack::becomeReady()
{
    if (mReady || !mFailure.isEmpty())
        return;
    mReady = true;
    emit ready();
}

void SoundTrack::fail(const QString &why)
{
    if (!mFailure.isEmpty())
        return;
    // The player is left alone: FFmpeg's reports its error from within setSource().
    mFailure = why;
    mReady = false;
    if (mEffect)
        mEffect->stop();
    emit failed(why);
}

void SoundTrack::play(bool loop)
{
    mLoop = loop;
    if (!mFailure.isEmpty())
        return;
    if (mEffect) {
        mEffect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
        mEffect->play();
        return;
    }
    if (!mPlayer)
        return;
    // A track opened ahead is already at its start; GStreamer's player
    // falls silent when a fresh one is stopped or moved first.
    if (mPlayer->position() != 0)
        mPlayer->setPosition(0);
    mPlayer->play();
}

void SoundTrack::stop()
{
    mLoop = false;
    if (mEffect)
        mEffect->stop();
    if (mPlayer)
        mPlayer->stop();
}

bool SoundTrack::isPlaying() const
{
    if (mEffect)
        return mEffect->isPlaying();
    return mPlayer && mPlayer->playbackState() == QMediaPlayer::PlayingState;
}

} // namespace vestrona
