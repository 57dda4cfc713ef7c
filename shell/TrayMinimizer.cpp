#include "shell/TrayMinimizer.h"

#include "core/Reporter.h"
#include "shell/cSysTray.h"

namespace vestrona {

bool shouldHideIntoTray(bool minimized, bool hiddenInTray, bool trayAvailable)
{
    return minimized && !hiddenInTray && trayAvailable;
}

void showMinimizedBalloon(cSysTray &tray)
{
    tray.ShowBalloon(QString::fromLatin1(kMinimizedBalloonTip), QString::fromLatin1(kProductName),
                     kMinimizedBalloonSeconds, true);
}

} // namespace vestrona
