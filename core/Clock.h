#pragma once

#include <QDateTime>

class QTimer;

namespace vestrona {

// "Now" for everything that decides when an alarm rings, so tests can set it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override;
};

// Starts `timer` to fire just after the clock's next whole second begins, so
// that everything ticking on the seconds wakes together and never early.
void startAtNextSecond(QTimer &timer, const Clock &clock);

} // namespace vestrona
