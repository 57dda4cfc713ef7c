#include "control/NextReminderTip.h"

#include "core/Reporter.h"

#include <algorithm>

#include <QCoreApplication>

namespace vestrona {

namespace {

constexpr qsizetype kTipLength = 127;

} // namespace

QString nextReminderTip(const QString &message, const QString &alarmTime)
{
    const QString product = QString::fromLatin1(kProductName);
    if (alarmTime.isEmpty())
        return product + QCoreApplication::translate("NextReminderTip", "\nNo reminder is due");
    const QString due = QCoreApplication::translate("NextReminderTip", "\nDue ") + alarmTime;
    const QString lead = product + QCoreApplication::translate("NextReminderTip", "\nNext: ");
    QString text = message.section(QLatin1Char('\n'), 0, 0).trimmed();
    const qsizetype room = kTipLength - lead.size() - due.size();
    if (text.size() > room) {
        qsizetype end = std::max<qsizetype>(room - 1, 0);
        if (end > 0 && text.at(end - 1).isHighSurrogate())
            --end;
        text = text.left(end) + QChar(0x2026);
    }
    return lead + text + due;
}

} // namespace vestrona
