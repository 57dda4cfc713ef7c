#pragma once

#include "shell/TrayBackend.h"

#include <QObject>
#include <QElapsedTimer>
#include <QSystemTrayIcon>
#include <QTimer>

#include <optional>

namespace vestrona {

// The tray backend of the running program, on QSystemTrayIcon.
//
// Qt has no way to take a balloon down before its time and never says when
// one closed by itself, so a clearing record is ignored and the only balloon
// notification delivered is the click on a balloon.
//
// Right after the icon is put up, the tray host has not taken it in yet and
// Qt places it at the screen's top-left corner; a balloon shown then points
// there. A balloon therefore waits until the icon has its place in the tray,
// or at most a few seconds where the host never says.
class QtTrayBackend final : public QObject, public TrayBackend {
    Q_OBJECT
public:
    explicit QtTrayBackend(QObject *parent = nullptr);

    void notify(int message, const NotifyIconData &data) override;
    bool available() const override;
    void setContextMenu(QMenu *menu) override;

private:
    struct Balloon {
        QString title;
        QString text;
        int ms = 0;
    };

    void showBalloonAtIcon();

    QSystemTrayIcon mIcon;
    std::optional<Balloon> mWaitingBalloon;
    QTimer mPlacementPoll;
    QElapsedTimer mWaitingSince;
};

} // namespace vestrona
