#include "shell/QtTrayBackend.h"

#include <limits>

namespace vestrona {

namespace {
// What Qt shows when it is given no time of its own.
constexpr int kQtDefaultMessageMs = 10000;
constexpr int kPlacementPollMs = 50;
// Longer than any tray host takes to take an icon in.
constexpr int kPlacementWaitMs = 3000;
} // namespace

QtTrayBackend::QtTrayBackend(QObject *parent)
    : QObject(parent)
{
    connect(&mIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        deliverActivation(reason);
    });
    connect(&mIcon, &QSystemTrayIcon::messageClicked, this, [this] { deliverMessageClick(); });
    mPlacementPoll.setInterval(kPlacementPollMs);
    connect(&mPlacementPoll, &QTimer::timeout, this, &QtTrayBackend::showBalloonAtIcon);
}

void QtTrayBackend::notify(int message, const NotifyIconData &data)
{
    switch (message) {
    case NIM_ADD:
        if (data.uFlags & NIF_ICON)
            mIcon.setIcon(data.hIcon);
        if (data.uFlags & NIF_TIP)
            mIcon.setToolTip(data.szTip);
        mIcon.show();
        break;
    case NIM_MODIFY:
        if (data.uFlags & NIF_ICON)
            mIcon.setIcon(data.hIcon);
        if (data.uFlags & NIF_TIP)
            mIcon.setToolTip(data.szTip);
        if ((data.uFlags & NIF_INFO) && !data.szInfo.isEmpty()) {
            const int ms = data.uTimeout > 0 ? static_cast<int>(qMin<unsigned>(data.uTimeout, std::numeric_limits<int>::max()))
                                             : kQtDefaultMessageMs;
            mWaitingBalloon = Balloon{data.szInfoTitle, data.szInfo, ms};
            mWaitingSince.start();
            showBalloonAtIcon();
        }
        break;
    case NIM_DELETE:
        mWaitingBalloon.reset();
        mPlacementPoll.stop();
        mIcon.hide();
        break;
    default:
        break;
    }
}

void QtTrayBackend::setContextMenu(QMenu *menu)
{
    mIcon.setContextMenu(menu);
}

void QtTrayBackend::showBalloonAtIcon()
{
    if (!mWaitingBalloon)
        return;
    const bool placed = mIcon.geometry().isValid() && mIcon.geometry().topLeft() != QPoint(0, 0);
    if (!placed && !mWaitingSince.hasExpired(kPlacementWaitMs)) {
        mPlacementPoll.start();
        return;
    }
    mPlacementPoll.stop();
    mIcon.showMessage(mWaitingBalloon->title, mWaitingBalloon->text, QIcon(), mWaitingBalloon->ms);
    mWaitingBalloon.reset();
}

bool QtTrayBackend::available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

} // namespace vestrona
