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

inline constexpr unsigned NIF_ICON = 2;
inline constexpr unsigned NIF_TIP = 4;
inline constexpr unsigned NIF_INFO = 16;

// Room for text in each field of the record, the terminating NUL left out.
inline constexpr int kTipChars = 127;
inline constexpr int kInfoChars = 255;
inline constexpr int kInfoTitleChars = 63;

// One notification record, built from zero for every call. The text setters
// cut a text that does not fit its field, as the shell's fixed-size fields do.
struct NotifyIconData {
    unsigned uFlags = 0;
    QIcon hIcon;
    QString szTip;
    QString szInfo;
    unsigned uTimeout = 0;
    QString szInfoTitle;

    void setTip(const QString &text);
    void setInfo(const QString &text);
    void setInfoTitle(const QString &text);
};

// The first `maxChars` characters of `text`, never splitting a surrogate pair.
QString cutToField(const QString &text, int maxChars);

} // namespace vestrona
