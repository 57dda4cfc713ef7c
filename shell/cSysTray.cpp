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
        mBackend->setNotificationSink([this](int lParam, int wParam) { HandleTrayMessage(lParam, wParam); });
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
        NotifyIconData nid = newRecord();
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
        NotifyIconData nid = newRecord();
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

    NotifyIconData nid = newRecord();
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

    NotifyIconData clear = newRecord();
    clear.uFlags = NIF_INFO;
    mBackend->notify(NIM_MODIFY, clear);
}

void cSysTray::HandleTrayMessage(int lParam, int wParam)
{
    switch (lParam) {
    case WM_MOUSEMOVE:
        emit MouseMove(wParam);
        break;
    case WM_LBUTTONDOWN:
        emit MouseDown(1, wParam);
        break;
    case WM_LBUTTONUP:
        emit MouseUp(1, wParam);
        break;
    case WM_LBUTTONDBLCLK:
        emit MouseDblClick(1, wParam);
        break;
    case WM_RBUTTONDOWN:
        emit MouseDown(2, wParam);
        break;
    case WM_RBUTTONUP:
        emit MouseUp(2, wParam);
        break;
    case WM_RBUTTONDBLCLK:
        emit MouseDblClick(2, wParam);
        break;
    case NIN_BALLOONHIDE:
    case NIN_BALLOONTIMEOUT:
    case NIN_BALLOONUSERCLICK:
        mBalloonShown = false;
        emit BalloonClosed();
        break;
    default:
        break;
    }
}

void cSysTray::AddTrayIcon(const QString &tip, const QIcon &icon)
{
    NotifyIconData nid = newRecord();
    if (!icon.isNull()) {
        nid.hIcon = icon;
        nid.uFlags |= NIF_ICON;
    }
    if (!tip.isEmpty()) {
        nid.setTip(tip);
        nid.uFlags |= NIF_TIP;
    }
    nid.uCallbackMessage = TrayCallbackMessage;
    nid.uFlags |= NIF_MESSAGE;
    mBackend->notify(NIM_ADD, nid);
}

void cSysTray::RemoveTrayIcon()
{
    mBackend->notify(NIM_DELETE, newRecord());
    mBackend->setNotificationSink({});
}

NotifyIconData cSysTray::newRecord() const
{
    NotifyIconData nid;
    nid.uID = static_cast<unsigned>(mTrayID);
    return nid;
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
    connect(this, &cSysTray::BalloonClosed, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    deadline.start(ms);
    loop.exec();
}

} // namespace vestrona
