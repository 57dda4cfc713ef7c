#include "shell/QtTrayBackend.h"

#include <limits>

namespace vestrona {

namespace {
// What Qt shows when it is given no time of its own.
constexpr int kQtDefaultMessageMs = 10000;
} // namespace

QtTrayBackend::QtTrayBackend(QObject *parent)
    : QObject(parent)
{
    connect(&mIcon, &QSystemTrayIcon::activated, this, &QtTrayBackend::onActivated);
    connect(&mIcon, &QSystemTrayIcon::messageClicked, this,
            [this] { deliver(NIN_BALLOONUSERCLICK, mId); });
}

void QtTrayBackend::notify(int message, const NotifyIconData &data)
{
    switch (message) {
    case NIM_ADD:
        mId = static_cast<int>(data.uID);
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
            mIcon.showMessage(data.szInfoTitle, data.szInfo, QIcon(), ms);
        }
        break;
    case NIM_DELETE:
        mIcon.hide();
        break;
    default:
        break;
    }
}

bool QtTrayBackend::available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayBackend::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        deliver(WM_LBUTTONDOWN, mId);
        deliver(WM_LBUTTONUP, mId);
        break;
    case QSystemTrayIcon::Context:
        deliver(WM_RBUTTONDOWN, mId);
        deliver(WM_RBUTTONUP, mId);
        break;
    case QSystemTrayIcon::DoubleClick:
        deliver(WM_LBUTTONDBLCLK, mId);
        deliver(WM_LBUTTONUP, mId);
        break;
    default:
        break;
    }
}

} // namespace vestrona
