#pragma once

#include <QIcon>
#include <QString>

namespace vestrona {

// Messages and flags of the notification-area protocol the tray control
// speaks. The numbers are kept as the shell defines them, so a record can be
// read against the shell's own documentation.
inline constexpr int NIM_ADD = 0;
inline constexpr int NIM_MODIFY = 1;
inline constexpr int NIM_DELETE = 2;

inline constexpr unsigned NIF_MESSAGE = 1;
inline constexpr unsigned NIF_ICON = 2;
inline constexpr unsigned NIF_TIP = 4;
inline constexpr unsigned NIF_INFO = 16;

// The message the shell sends for every mouse action and balloon event.
inline constexpr unsigned TrayCallbackMessage = 1125;

// Notifications carried in lParam.
inline constexpr int WM_MOUSEMOVE = 512;
inline constexpr int WM_LBUTTONDOWN = 513;
inline constexpr int WM_LBUTTONUP = 514;
inline constexpr int WM_LBUTTONDBLCLK = 515;
inline constexpr int WM_RBUTTONDOWN = 516;
inline constexpr int WM_RBUTTONUP = 517;
inline constexpr int WM_RBUTTONDBLCLK = 518;
inline constexpr int NIN_BALLOONHIDE = 1027;
inline constexpr int NIN_BALLOONTIMEOUT = 1028;
inline constexpr int NIN_BALLOONUSERCLICK = 1029;

// Room for text in each field of the record, the terminating NUL left out.
inline constexpr int kTipChars = 127;
inline constexpr int kInfoChars = 255;
inline constexpr int kInfoTitleChars = 63;

// One notification record, built from zero for every call. The text setters
// cut a text that does not fit its field, as the shell's fixed-size fields do.
struct NotifyIconData {
    unsigned cbSize = 488;
    unsigned uID = 0;
    unsigned uFlags = 0;
    unsigned uCallbackMessage = 0;
    QIcon hIcon;
    QString szTip;
    QString szInfo;
    unsigned uTimeout = 0;
    QString szInfoTitle;
    unsigned dwInfoFlags = 0;

    void setTip(const QString &text);
    void setInfo(const QString &text);
    void setInfoTitle(const QString &text);
};

// The first `maxChars` characters of `text`, never splitting a surrogate pair.
QString cutToField(const QString &text, int maxChars);

} // namespace vestrona
