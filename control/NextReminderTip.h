#pragma once

#include <QString>

namespace vestrona {

// The tray icon's tooltip: the product name, then the next reminder's
// message (its first line) and when it is due, or that none is due. It fits
// the 127 characters a tooltip holds by shortening the message, never the
// time.
QString nextReminderTip(const QString &message, const QString &alarmTime);

} // namespace vestrona
