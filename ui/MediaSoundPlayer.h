#pragma once

#include "scheduler/SoundPlayer.h"

#include <QPointer>

namespace vestrona {

class SoundTrack;

// The alarm sound through Qt Multimedia, one SoundTrack per file. A loop
// goes on until close(). Without a reachable audio output it stays silent
// instead of playing into nowhere. A file that cannot be played, found
// when it is opened or later while it plays, gives way to `builtInSound`.
class MediaSoundPlayer final : public SoundPlayer {
public:
    explicit MediaSoundPlayer(QString builtInSound);
    ~MediaSoundPlayer() override;

    void play(const QString &path, bool loop) override;
    void prepare(const QString &path) override;
    void close() override;
    bool isPlaying() const override;
    QString takeFallbackNote() override;
    // Gives a file that does not open within five seconds up.
    void check(const QString &path, QObject *context, CheckDone done) override;

private:
    // Lets go of the current track and opens `path` in a new one.
    void open(const QString &path);
    void retire();
    void trackFailed();
    void fallBack();

    const QString mBuiltIn;
    QPointer<SoundTrack> mTrack;
    bool mLoop = false;
    bool mWanted = false; // play() was asked for and close() has not come since
    QString mNote;
};

} // namespace vestrona
