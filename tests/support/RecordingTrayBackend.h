#pragma once

#include "shell/TrayBackend.h"

#include <QList>

namespace vestrona::test {

// Keeps every record the tray control sends and lets the test play the
// desktop's part by delivering notifications.
class RecordingTrayBackend final : public TrayBackend {
public:
    struct Call {
        int message;
        NotifyIconData data;
    };

    void notify(int message, const NotifyIconData &data) override
    {
        calls.append({message, data});
        if (log)
            log->append({message, data});
    }
    bool available() const override { return trayAvailable; }
    void setContextMenu(QMenu *menu) override { contextMenu = menu; }

    void activate(QSystemTrayIcon::ActivationReason reason) const { deliverActivation(reason); }
    void clickBalloon() const { deliverMessageClick(); }

    QList<Call> calls;
    bool trayAvailable = true;
    QMenu *contextMenu = nullptr;
    // A list that outlives the backend, for what the control sends as it is destroyed.
    QList<Call> *log = nullptr;
};

} // namespace vestrona::test
