#include "ui/TrayPresence.h"

#include "core/Reporter.h"
#include "shell/TrayBackend.h"
#include "shell/TrayMinimizer.h"
#include "shell/cSysTray.h"

#include <QMenu>
#include <QTimer>
#include <QWidget>

namespace vestrona {

TrayPresence::TrayPresence(std::unique_ptr<TrayBackend> backend, QWidget &window)
    : QObject(&window), mWindow(window), mTray(std::make_unique<cSysTray>(std::move(backend)))
{
    createTrayMenu();
    connect(mTray.get(), &cSysTray::MouseUp, this, &TrayPresence::showRequested);
}

TrayPresence::~TrayPresence() = default;

void TrayPresence::createTrayMenu()
{
    // Hosts that speak StatusNotifierItem often pass no click on to the
    // program, which leaves the menu the only way back in.
    mTrayMenu = new QMenu(&mWindow);
    mTrayMenu->setObjectName(QStringLiteral("TrayMenu"));
    connect(mTrayMenu->addAction(QStringLiteral("Show Vestrona")), &QAction::triggered, this, &TrayPresence::showRequested);
    connect(mTrayMenu->addAction(QStringLiteral("Calendar sync…")), &QAction::triggered, this, &TrayPresence::syncRequested);
    connect(mTrayMenu->addAction(QStringLiteral("Quit")), &QAction::triggered, this, &TrayPresence::quitRequested);
    mTray->setContextMenu(mTrayMenu);
}

bool TrayPresence::canHide() const
{
    return mTray->InTray() && mTray->trayAvailable();
}

void TrayPresence::hideIfMinimized()
{
    if (!shouldHideIntoTray(mWindow.isMinimized(), mHiddenInTray, canHide()))
        return;
    // Leaving the minimized state maps the window again on X11, so it comes
    // before hiding.
    mWindow.setWindowState(mWindow.windowState() & ~Qt::WindowMinimized);
    mWindow.hide();
    mHiddenInTray = true;
    showMinimizedBalloon(*mTray);
}

void TrayPresence::startInTray()
{
    // The window has never been shown, so it goes straight into the tray
    // without passing through the minimized state: leaving that state maps
    // the window on X11, and hide() does not take back a window Qt never
    // showed.
    QTimer::singleShot(0, this, [this] {
        if (!shouldHideIntoTray(true, mHiddenInTray, canHide())) {
            mWindow.setWindowState(Qt::WindowMinimized);
            return;
        }
        mHiddenInTray = true;
        showMinimizedBalloon(*mTray);
    });
}

void TrayPresence::notify(const QString &text)
{
    mTray->ShowBalloon(text, QString::fromLatin1(kProductName), 0, false);
}

void TrayPresence::showSyncFailure(const QString &failure)
{
    const QString words = failure.isEmpty() ? QString() : QStringLiteral("Calendar sync failed: ") + failure;
    mTray->setTrayTip(words.isEmpty() ? QString::fromLatin1(kProductName)
                                      : QString::fromLatin1(kProductName) + QLatin1Char('\n') + words);
    emit syncFailureChanged(words);
}

} // namespace vestrona
