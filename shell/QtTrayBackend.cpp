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
    connect(&mIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        deliverActivation(reason);
    });
    connect(&mIcon, &QSystemTrayIcon::messageClicked, this, [this] { deliverMessageClick(); });
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

} // namespace vestrona
