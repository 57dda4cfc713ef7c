#pragma once

#include "sync/SyncAccount.h"

#include <QString>

#include <functional>

namespace vestrona {

// Asks the user for the calendar account's password when a sync finds none
// kept (no keyring, or a fresh start without one) or the server turns the
// kept one away. Asynchronous, so an open question never holds up an alarm:
// `done` runs once, later, with the password typed, or empty when the user
// declined.
class PasswordPrompt {
public:
    enum class Reason { NoneKept, Refused };

    virtual ~PasswordPrompt() = default;
    virtual void askPassword(const SyncAccount &account, Reason reason, std::function<void(QString)> done) = 0;
};

} // namespace vestrona
