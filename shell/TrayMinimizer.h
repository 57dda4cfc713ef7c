#pragma once

#include <QString>

namespace vestrona {

class cSysTray;

// The balloon shown the first time in a run that the main window goes into the tray.
inline constexpr auto kMinimizedBalloonTip =
    "has been minimized to the system tray.\r\n"
    "Click the blue icon in the system tray to bring the software back.";
inline constexpr int kMinimizedBalloonSeconds = 5;

// Whether a change of the main window's state should hide it into the tray:
// only when it has just been minimized, is not hidden there already, and the
// desktop has a tray to bring it back from. Without one the window minimizes
// the ordinary way.
bool shouldHideIntoTray(bool minimized, bool hiddenInTray, bool trayAvailable);

// Tells the user where the window went: once per run, for five seconds,
// titled with the product name. Returns when the balloon is gone.
void showMinimizedBalloon(cSysTray &tray);

} // namespace vestrona
