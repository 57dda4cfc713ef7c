#pragma once

#include <QDateTime>

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

} // namespace vestrona
