#pragma once

#include <QString>

namespace vestrona {

// What the countdown shows and reads on the main window.
class CountdownView {
public:
    virtual ~CountdownView() = default;
    // Frame1's caption.
    virtual void setFrameCaption(const QString &caption) = 0;
    // ProgressBar1's value, maximum and text.
    virtual void setProgress(int value, int maximum, const QString &text) = 0;
    // The 1-based row chosen in ListView2, 0 when none.
    virtual int selectedIntervalRow() const = 0;
    // Text2's text: the alarm sound file; empty when that is no regular file.
    virtual QString alarmSoundFile() const = 0;
    virtual void restoreDefaultCursor() = 0;
};

} // namespace vestrona
