#pragma once

#include "shell/NotifyIconData.h"

#include <functional>

namespace vestrona {

// What the tray control needs from the desktop: one call that takes a
// notification record, and a way back for the desktop's notifications
// (mouse actions on the icon, balloon events) as lParam/wParam pairs.
class TrayBackend {
public:
    using Sink = std::function<void(int lParam, int wParam)>;

    virtual ~TrayBackend() = default;

    // message: NIM_ADD, NIM_MODIFY or NIM_DELETE.
    virtual void notify(int message, const NotifyIconData &data) = 0;

    // False where the desktop has no notification area at all.
    virtual bool available() const = 0;

    // Notifications go to `sink` until it is replaced; an empty sink drops them.
    void setNotificationSink(Sink sink) { mSink = std::move(sink); }

protected:
    void deliver(int lParam, int wParam) const
    {
        if (mSink)
            mSink(lParam, wParam);
    }

private:
    Sink mSink;
};

} // namespace vestrona
