#pragma once

#include "scheduler/SoundPlayer.h"

#include <memory>

class QAudioOutput;
class QMediaPlayer;
class QSoundEffect;
class QUrl;

namespace vestrona {

// The alarm sound through Qt Multimedia: WAV files as a sound effect, other
// formats through the media player. A loop goes on until close(). Without a
// reachable audio output it stays silent instead of playing into nowhere.
class MediaSoundPlayer final : public SoundPlayer {
public:
    MediaSoundPlayer();
    ~MediaSoundPlayer() override;

    void play(const QString &path, bool loop) override;
    void prepare(const QString &path) override;
    void close() override;
    bool isPlaying() const override;

private:
    // The media back end is loaded on the first sound, not at start-up.
    void ensureEffect();
    void ensurePlayer();
    void startAgainIfLooping();
    // Stops every sound and lets go of every file but `kept`.
    void stopAllBut(const QUrl &kept);

    std::unique_ptr<QSoundEffect> mEffect;
    std::unique_ptr<QAudioOutput> mOutput;
    std::unique_ptr<QMediaPlayer> mPlayer;
    bool mLoop = false;
};

} // namespace vestrona
