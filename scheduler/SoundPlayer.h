#pragma once

#include <QString>

namespace vestrona {

// Plays the alarm sound. A file that cannot be played gives no sound and no message.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Sets the loop mode, closes what was playing, then opens and plays `path`.
    virtual void play(const QString &path, bool loop) = 0;
    // Opens `path` ahead of a play() of it, so that the sound starts at once
    // when the alarm comes; plays nothing.
    virtual void prepare(const QString &path) = 0;
    virtual void close() = 0;
    virtual bool isPlaying() const = 0;
};

} // namespace vestrona
