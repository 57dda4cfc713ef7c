#pragma once

#include "shell/NotifyIconData.h"

#include <QSystemTrayIcon>

#include <functional>

class QMenu;

namespace vestrona {

// What the tray control needs from the desktop: one call that takes a
// notification record, and a way back for what the desktop reports about the
// icon, in Qt's own terms.
class TrayBackend {
public:
    struct Sink {
        // The icon was clicked, right-clicked or double-clicked.
        std::function<void(QSystemTrayIcon::ActivationReason)> activated;
        // The balloon was clicked, which also closes it.
        std::function<void()> messageClicked;
    };

    virtual ~TrayBackend() = default;

    // message: NIM_ADD, NIM_MODIFY or NIM_DELETE.
    virtual void notify(int message, const NotifyIconData &data) = 0;

    // False where the desktop has no notification area at all.
    virtual bool available() const = 0;

    // The menu the desktop opens over the icon; the caller keeps it.
    virtual void setContextMenu(QMenu *menu) = 0;

    // Notifications go to `sink` until it is replaced; an empty sink drops them.
    void setNotificationSink(Sink sink) { mSink = std::move(sink); }

protected:
    void deliverActivation(QSystemTrayIcon::ActivationReason reason) const
    {
        if (mSink.activated)
            mSink.activated(reason);
    }
    void deliverMessageClick() const
    {
        if (mSink.messageClicked)
            mSink.messageClicked();
    }

private:
    Sink mSink;
};

} // namespace vestrona
