#pragma once

#include "shell/TrayBackend.h"

#include <QObject>
#include <QSystemTrayIcon>

namespace vestrona {

// The tray backend of the running program, on QSystemTrayIcon.
//
// Qt has no way to take a balloon down before its time and never says when
// one closed by itself, so a clearing record is ignored and the only balloon
// notification delivered is the click on a balloon.
class QtTrayBackend final : public QObject, public TrayBackend {
    Q_OBJECT
public:
    explicit QtTrayBackend(QObject *parent = nullptr);

    void notify(int message, const NotifyIconData &data) override;
    bool available() const override;

private:
    QSystemTrayIcon mIcon;
};

} // namespace vestrona
