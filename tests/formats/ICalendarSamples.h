#pragma once

#include "formats/BackupText.h"

#include "core/ReminderRecord.h"

#include <QByteArray>
#include <QString>

namespace vestrona::test {

// A calendar around `components`, as other programs write one.
inline QByteArray calendar(const QByteArray &components)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + components + "END:VCALENDAR\r\n";
}

// An event with `lines` besides its UID and stamp.
inline QByteArray vevent(const QByteArray &lines)
{
    return "BEGIN:VEVENT\r\nUID:x@test\r\nDTSTAMP:20261201T000000Z\r\n" + lines + "END:VEVENT\r\n";
}

// A row as one comparable text: option, date, time, message, weekdays.
inline QString rowText(const ReminderRecord &r)
{
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(r.Option)
        .arg(r.StartDate.toString(Qt::ISODate), r.StartTime.toString(Qt::ISODate), r.Reminder, weekdaysWithRepeat(r));
}

} // namespace vestrona::test
