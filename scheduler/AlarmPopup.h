#pragma once

#include <QString>

namespace vestrona {

// The alarm pop-up as the scheduler sees it: shown modally with a message,
// it answers how it was closed.
class AlarmPopup {
public:
    enum class Outcome { Snooze, Stop, Closed };

    virtual ~AlarmPopup() = default;
    // Returns only when the pop-up has closed. Closed means neither button
    // was pressed (Esc, the window manager's close).
    virtual Outcome showModal(const QString &message) = 0;
};

} // namespace vestrona
