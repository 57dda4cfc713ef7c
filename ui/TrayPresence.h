#pragma once

#include "control/BackgroundNotice.h"

#include <QObject>

#include <memory>

class QMenu;
class QWidget;

namespace vestrona {

class AlarmNotifier;
class TrayBackend;
class cSysTray;

// The program in the tray: the icon with its menu, the balloons, and the
// main window hidden into the tray when minimized. Without a tray to come
// back from, the window minimizes the ordinary way and what a balloon would
// say goes to the desktop's notifications. A tray that comes or goes while
// the program runs is noticed within seconds: a window hidden in a tray
// that went away comes back minimized.
class TrayPresence final : public QObject, public BackgroundNotice {
    Q_OBJECT

public:
    // `window` and `notifier` (none: no notices without a tray) must outlive
    // the presence; the menu is its child.
    TrayPresence(std::unique_ptr<TrayBackend> backend, QWidget &window, AlarmNotifier *notifier);
    ~TrayPresence() override;

    cSysTray &tray() { return *mTray; }
    bool HiddenInTray() const { return mHiddenInTray; }

    // The window has just changed state: minimized, it goes into the tray.
    void hideIfMinimized();
    // Start-up into the tray: the window goes there without ever being
    // shown, and the balloon follows once the event loop runs.
    void startInTray();
    // The window was brought back by any means.
    void windowShown() { mHiddenInTray = false; }

    // A balloon titled with the product name, or without a tray a notice.
    void notify(const QString &text) override;
    // Looks whether a tray came or went; the presence does it every few seconds.
    void checkTrayAvailable();
    // Under the product name in the icon's tooltip, and to the window.
    void showSyncFailure(const QString &failure) override;

signals:
    // A click on the icon, or "Show Vestrona".
    void showRequested();
    // "Calendar sync…".
    void syncRequested();
    // "Quit".
    void quitRequested();
    // The words for the window: "" once a sync succeeded.
    void syncFailureChanged(const QString &words);

private:
    void createTrayMenu();
    bool canHide() const;

    QWidget &mWindow;
    AlarmNotifier *mNotifier;
    std::unique_ptr<cSysTray> mTray;
    bool mTrayWasAvailable = false;
    QMenu *mTrayMenu = nullptr;
    bool mHiddenInTray = false;
};

} // namespace vestrona
