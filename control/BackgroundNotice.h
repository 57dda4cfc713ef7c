#pragma once

#include <QString>

namespace vestrona {

// A short word for a user who may not be looking at the window: a balloon
// over the tray icon. Nothing waits for an answer.
class BackgroundNotice {
public:
    virtual ~BackgroundNotice() = default;
    virtual void notify(const QString &text) = 0;
    // Why the last sync failed, kept in view (the tray icon's tooltip, the
    // main window) until a sync succeeds; "" once one has.
    virtual void showSyncFailure(const QString &failure) = 0;
};

} // namespace vestrona
