#pragma once

#include "scheduler/SoundPlayer.h"

#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace vestrona {

// The alarm sound through Qt Multimedia.
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
    void ensurePlayer();

    std::unique_ptr<QAudioOutput> mOutput;
    std::unique_ptr<QMediaPlayer> mPlayer;
};

} // namespace vestrona
