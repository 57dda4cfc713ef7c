#include "ui/TrayPresence.h"

#include "core/Reporter.h"
#include "notify/AlarmNotifier.h"
#include "shell/TrayBackend.h"
#include "shell/TrayMinimizer.h"
#include "shell/cSysTray.h"

#include <QCoreApplication>
#include <QMenu>
#include <QTimer>
#include <QWidget>

namespace vestrona {

namespace {

// The desktop tells no program when a tray host starts or ends, so it is
// looked for; the look is a cached flag in Qt, cheap enough to repeat.
constexpr int kTrayLookMs = 2000;

} // namespace

TrayPresence::TrayPresence(std::unique_ptr<TrayBackend> backend, QWidget &window, AlarmNotifier *notifier)
    : QObject(&window), mWindow(window), mNotifier(notifier), mTray(std::make_unique<cSysTray>(std::move(backend)))
{
    createTrayMenu();
    connect(mTray.get(), &cSysTray::MouseUp, this, &TrayPresence::showRequested);
    mTrayWasAvailable = mTray->trayAvailable();
    auto *look = new QTimer(this);
    look->setInterval(kTrayLookMs);
    connect(look, &QTimer::timeout, this, &TrayPresence::checkTrayAvailable);
    look->start();
}

TrayPresence::~TrayPresence() = default;

void TrayPresence::createTrayMenu()
{
    // Hosts that speak StatusNotifierItem often pass no click on to the
    // program, which leaves the menu the only way back in.
    mTrayMenu = new QMenu(&mWindow);
    mTrayMenu->setObjectName(QStringLiteral("TrayMenu"));
    connect(mTrayMenu->addAction(QCoreApplication::translate("TrayPresence", "&Show Vestrona")), &QAction::triggered,
            this, &TrayPresence::showRequested);
    connect(mTrayMenu->addAction(QCoreApplication::translate("TrayPresence", "Calendar s&ync…")), &QAction::triggered,
            this, &TrayPresence::syncRequested);
    connect(mTrayMenu->addAction(QCoreApplication::translate("TrayPresence", "&Quit")), &QAction::triggered, this,
            &TrayPresence::quitRequested);
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

void TrayPresence::checkTrayAvailable()
{
    const bool available = mTray->trayAvailable();
    if (available == mTrayWasAvailable)
        return;
    mTrayWasAvailable = available;
    if (available) {
        // Minimized in the task bar, it moves into the tray that came.
        hideIfMinimized();
        return;
    }
    if (!mHiddenInTray)
        return;
    // The tray it hid in is gone, and with it the only way back.
    mHiddenInTray = false;
    mWindow.showMinimized();
}

void TrayPresence::startInTray()
{
    // The window has never been shown, so it goes straight into the tray
    // without passing through the minimized state: leaving that state maps
    // the window on X11, and hide() does not take back a window Qt never
    // showed.
    QTimer::singleShot(0, this, [this] {
        if (!shouldHideIntoTray(true, mHiddenInTray, canHide())) {
            // No tray to come back from: the task bar is the way back, so the
            // window must be there, minimized.
            mWindow.showMinimized();
            return;
        }
        mHiddenInTray = true;
        showMinimizedBalloon(*mTray);
    });
}

void TrayPresence::notify(const QString &text)
{
    if (canHide())
        mTray->ShowBalloon(text, QString::fromLatin1(kProductName), 0, false);
    else if (mNotifier)
        mNotifier->showNotice(text);
}

void TrayPresence::showSyncFailure(const QString &failure)
{
    const QString words = failure.isEmpty()
        ? QString()
        : QCoreApplication::translate("TrayPresence", "Calendar sync failed: ") + failure;
    mTray->setTrayTip(words.isEmpty() ? QString::fromLatin1(kProductName)
                                      : QString::fromLatin1(kProductName) + QLatin1Char('\n') + words);
    emit syncFailureChanged(words);
}

} // namespace vestrona
