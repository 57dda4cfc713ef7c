#pragma once

#include <QObject>
#include <QString>

class QAudioOutput;
class QMediaPlayer;
class QSoundEffect;

namespace vestrona {

// One sound file opened in a player of its own: a complete PCM WAV file in
// a sound effect, which loops without a gap on both media back ends, any
// other file in a media player, looped by hand. A track is never pointed at
// another file: Qt 6.4's players can hang the caller when a source that
// failed is replaced, so a new file gets a new track and the old one is let
// go with deleteLater(). Opening goes on behind the caller; failed() comes
// at most once, possibly from within open() itself, so connect before
// calling it. Only regular files are opened: reading a FIFO or a device
// would block the player, and with it the window.
class SoundTrack final : public QObject {
    Q_OBJECT

public:
    explicit SoundTrack(QString path, QObject *parent = nullptr);
    ~SoundTrack() override;

    // Starts opening the file; ready() or failed() follows.
    void open();
    const QString &path() const { return mPath; }
    // Why the file cannot be played, "" while it can or is still opening.
    const QString &failure() const { return mFailure; }
    bool isReady() const { return mReady; }

    // Plays from the start, once or until stop(); a track still opening
    // starts when it is open.
    void play(bool loop);
    void stop();
    bool isPlaying() const;

signals:
    void ready();
    // `why` follows "… cannot be played as a sound: ".
    void failed(const QString &why);

private:
    void openEffect();
    void openPlayer();
    void fail(const QString &why);
    void becomeReady();
    void playerStatusChanged(int status);

    QString mPath;
    QString mFailure;
    bool mReady = false;
    bool mLoop = false;
    QSoundEffect *mEffect = nullptr;
    // Declared in this order, so the player, which refers to its output, goes first.
    QMediaPlayer *mPlayer = nullptr;
    QAudioOutput *mOutput = nullptr;
};

} // namespace vestrona
