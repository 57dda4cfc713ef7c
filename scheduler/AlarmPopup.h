#pragma once

#include <QString>

namespace vestrona {

// What the pop-up shows of an alarm.
struct RingingAlarm {
    QString message;
    // When it fell due ("Due 12/07/2026 9:00:00 AM"), in the user's formats.
    QString dueText;
    // How many more alarms wait behind it.
    int waiting = 0;
};

// The alarm pop-up as the scheduler sees it: shown modally with an alarm,
// it answers how it was closed.
class AlarmPopup {
public:
    enum class Outcome { Snooze, Stop, Closed };

    virtual ~AlarmPopup() = default;
    // Returns only when the pop-up has closed. Closed means neither button
    // was pressed (Esc, the window manager's close).
    virtual Outcome showModal(const RingingAlarm &alarm) = 0;
    // An answer given elsewhere (the desktop's notification): the pop-up
    // shown now closes exactly as its button would close it. Nothing when
    // none is shown.
    virtual void answer(Outcome outcome) = 0;
    // Brings the pop-up shown now to the front, as far as the desktop lets it.
    virtual void bringToFront() = 0;
};

} // namespace vestrona
