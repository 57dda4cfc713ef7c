#pragma once

#include "core/Clock.h"

namespace vestrona::test {

// A clock that stands still until the test moves it.
class FakeClock final : public Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 7), QTime(9, 0)))
        : mNow(std::move(start)) {}
    QDateTime now() const override { return mNow; }
    void set(const QDateTime &t) { mNow = t; }
    void advanceSeconds(qint64 s) { mNow = mNow.addSecs(s); }
    void advanceMSecs(qint64 ms) { mNow = mNow.addMSecs(ms); }

private:
    QDateTime mNow;
};

} // namespace vestrona::test
