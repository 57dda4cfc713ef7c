#pragma once

#include <QString>

#include <functional>

class QObject;

namespace vestrona {

// Plays the alarm sound. No call waits for the sound system: opening and
// playing go on behind the caller, so an alarm's pop-up comes at its second
// whatever the sound does. A file that cannot be played is replaced by the
// built-in alarm sound, and a note says so once (takeFallbackNote).
class SoundPlayer {
public:
    // Why a file cannot be played, in words that follow
    // "… cannot be played as a sound: ", or "" when it can.
    using CheckDone = std::function<void(const QString &problem)>;

    virtual ~SoundPlayer() = default;
    // Sets the loop mode, closes what was playing, then opens and plays
    // `path`; an empty `path` plays the built-in sound, without a note.
    virtual void play(const QString &path, bool loop) = 0;
    // Opens `path` ahead of a play() of it, so that the sound starts at once
    // when the alarm comes; plays nothing.
    virtual void prepare(const QString &path) = 0;
    virtual void close() = 0;
    virtual bool isPlaying() const = 0;
    // Why the built-in sound played instead of the file asked for since the
    // last play(), in plain words for the user, or "" when it did not;
    // reading it clears it, so the user is told once, after the alarm.
    virtual QString takeFallbackNote() = 0;
    // Finds out, without playing it, whether `path` can be played, and calls
    // `done` once, later, unless `context` is gone by then.
    virtual void check(const QString &path, QObject *context, CheckDone done) = 0;
};

} // namespace vestrona
