#pragma once

#include "shell/TrayBackend.h"

#include <QIcon>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace vestrona {

// The program's icon in the notification area: puts it there and takes it
// away, changes its picture and tooltip, shows a balloon over it, and turns
// the desktop's notifications about it into mouse events for the host window.
// Button numbers in those events: 1 is the left button, 2 the right one.
class cSysTray : public QObject {
    Q_OBJECT
public:
    // Holds the caller for up to `ms` milliseconds while the program's other
    // events run, and lets it go early once `stillShown()` turns false.
    using BalloonWaiter = std::function<void(int ms, const std::function<bool()> &stillShown)>;

    explicit cSysTray(std::unique_ptr<TrayBackend> backend, QObject *parent = nullptr);
    ~cSysTray() override;

    bool InTray() const { return mInTray; }
    void setInTray(bool Show);

    QIcon TrayIcon() const { return mTrayIcon; }
    // A null icon is not an icon: it changes nothing at all.
    void setTrayIcon(const QIcon &Icon);

    QString TrayTip() const { return mTrayTip; }
    void setTrayTip(const QString &Tip);

    // Shows a balloon with text `Tip` and title `sTitle`. With ShowTimer > 0
    // it returns when the balloon closed or ShowTimer seconds passed, and in
    // the latter case takes the balloon down; otherwise it returns at once.
    // A ShowOnce balloon is shown only the first time in the life of the
    // instance.
    void ShowBalloon(const QString &Tip, const QString &sTitle, int ShowTimer, bool ShowOnce);

    // How many ShowOnce balloons were shown.
    int BalloonCount() const { return mBalloonCount; }
    bool BalloonShown() const { return mBalloonShown; }

    // The menu the desktop opens over the icon, usually on a right click;
    // the caller keeps it alive as long as the icon.
    void setContextMenu(QMenu *menu) { mBackend->setContextMenu(menu); }

    // False where the desktop has no notification area: hiding the window
    // into it would leave the user nothing to bring it back with.
    bool trayAvailable() const { return mBackend->available(); }

    // The default waits in a nested event loop; tests put in their own.
    void setBalloonWaiter(BalloonWaiter waiter) { mWaiter = std::move(waiter); }

signals:
    // Qt reports no pointer movement over a tray icon, so no desktop it runs
    // on sends this.
    void MouseMove(int Id);
    void MouseDown(int Button, int Id);
    void MouseUp(int Button, int Id);
    void MouseDblClick(int Button, int Id);
    // The host keeps the three properties; this says one of them changed.
    void propertyChanged(const QString &propertyName);
    // The user clicked the balloon away; ends a running ShowBalloon wait.
    void balloonClosed();

private:
    void AddTrayIcon(const QString &tip, const QIcon &icon);
    void RemoveTrayIcon();
    void handleActivation(QSystemTrayIcon::ActivationReason reason);
    void handleBalloonClick();
    void waitInEventLoop(int ms, const std::function<bool()> &stillShown);

    std::unique_ptr<TrayBackend> mBackend;
    BalloonWaiter mWaiter;

    bool mInTray = false;
    bool mIconShown = false;
    bool mBalloonShown = false;
    const int mTrayID = 0;
    QIcon mTrayIcon;
    QString mTrayTip = QStringLiteral("Telnet Server");
    int mBalloonCount = 0;
};

} // namespace vestrona
