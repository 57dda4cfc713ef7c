#include "shell/cSysTray.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <limits>

namespace vestrona {

cSysTray::cSysTray(std::unique_ptr<TrayBackend> backend, QObject *parent)
    : QObject(parent)
    , mBackend(std::move(backend))
{
    mWaiter = [this](int ms, const std::function<bool()> &stillShown) {
        waitInEventLoop(ms, stillShown);
    };
}

cSysTray::~cSysTray()
{
    // The host is going away with us, so nobody is told about the change.
    if (mIconShown)
        RemoveTrayIcon();
}

void cSysTray::setInTray(bool Show)
{
    if (Show == mInTray)
        return;
    if (Show) {
        mBackend->setNotificationSink({[this](QSystemTrayIcon::ActivationReason reason) { handleActivation(reason); },
                                       [this] { handleBalloonClick(); }});
        AddTrayIcon(mTrayTip, mTrayIcon);
        mIconShown = true;
    } else if (mIconShown) {
        RemoveTrayIcon();
        mIconShown = false;
    }
    mInTray = Show;
    emit propertyChanged(QStringLiteral("InTray"));
}

void cSysTray::setTrayIcon(const QIcon &Icon)
{
    if (Icon.isNull())
        return;
    if (mIconShown) {
        NotifyIconData nid;
        nid.hIcon = Icon;
        nid.uFlags = NIF_ICON;
        mBackend->notify(NIM_MODIFY, nid);
    }
    mTrayIcon = Icon;
    emit propertyChanged(QStringLiteral("TrayIcon"));
}

void cSysTray::setTrayTip(const QString &Tip)
{
    if (mIconShown) {
        NotifyIconData nid;
        nid.setTip(Tip);
        nid.uFlags = NIF_TIP;
        mBackend->notify(NIM_MODIFY, nid);
    }
    mTrayTip = Tip;
    emit propertyChanged(QStringLiteral("TrayTip"));
}

void cSysTray::ShowBalloon(const QString &Tip, const QString &sTitle, int ShowTimer, bool ShowOnce)
{
    if (ShowOnce && mBalloonCount >= 1)
        return;

    // The shell's timeout is milliseconds in 32 bits; a longer time is held
    // at the largest one a timer can take.
    const int ms = ShowTimer > 0
        ? static_cast<int>(qMin<qint64>(qint64(ShowTimer) * 1000, std::numeric_limits<int>::max()))
        : 0;

    NotifyIconData nid;
    nid.uFlags = NIF_INFO;
    nid.setInfoTitle(sTitle);
    nid.setInfo(Tip);
    nid.uTimeout = static_cast<unsigned>(ms);
    mBackend->notify(NIM_MODIFY, nid);

    mBalloonShown = true;
    if (ShowOnce)
        ++mBalloonCount;

    if (ShowTimer <= 0)
        return;

    // Other events run during the wait; one of them may close the host and
    // destroy this control.
    QPointer<cSysTray> alive(this);
    mWaiter(ms, [alive] { return alive && alive->mBalloonShown; });
    if (!alive || !mBalloonShown)
        return;

    NotifyIconData clear;
    clear.uFlags = NIF_INFO;
    mBackend->notify(NIM_MODIFY, clear);
}

void cSysTray::handleActivation(QSystemTrayIcon::ActivationReason reason)
{
    // Qt reports whole clicks, while the host listens for presses and
    // releases: a click gives both, and a double click its own event and the
    // release that ends it, in the order the buttons went.
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        emit MouseDown(1, mTrayID);
        emit MouseUp(1, mTrayID);
        break;
    case QSystemTrayIcon::Context:
        emit MouseDown(2, mTrayID);
        emit MouseUp(2, mTrayID);
        break;
    case QSystemTrayIcon::DoubleClick:
        emit MouseDblClick(1, mTrayID);
        emit MouseUp(1, mTrayID);
        break;
    default:
        break;
    }
}

void cSysTray::handleBalloonClick()
{
    mBalloonShown = false;
    emit balloonClosed();
}

void cSysTray::AddTrayIcon(const QString &tip, const QIcon &icon)
{
    NotifyIconData nid;
    if (!icon.isNull()) {
        nid.hIcon = icon;
        nid.uFlags |= NIF_ICON;
    }
    if (!tip.isEmpty()) {
        nid.setTip(tip);
        nid.uFlags |= NIF_TIP;
    }
    mBackend->notify(NIM_ADD, nid);
}

void cSysTray::RemoveTrayIcon()
{
    mBackend->notify(NIM_DELETE, NotifyIconData());
    mBackend->setNotificationSink({});
}

void cSysTray::waitInEventLoop(int ms, const std::function<bool()> &stillShown)
{
    if (!stillShown())
        return;
    // QTimer runs on the monotonic clock, so the wait neither stretches nor
    // shrinks when the wall clock jumps or the day changes.
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &cSysTray::balloonClosed, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    deadline.start(ms);
    loop.exec();
}

} // namespace vestrona
