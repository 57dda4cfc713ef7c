#pragma once

#include <QByteArray>
#include <QDate>
#include <QTime>
#include <QUtf8StringView>

#include <optional>

namespace vestrona {

// The fixed forms the database stores dates and times in, "2012-10-23" and
// "15:03:00", whatever the user's regional settings: other programs and
// older versions read the file too.
QByteArray isoDate(const QDate &date);
QByteArray isoTime(const QTime &time);

// Read back digit by digit: the ordered read decodes every row, and the
// general ISO readers cost more than the query. An invalid date or time for
// a text in any other form.
QDate storedDate(QUtf8StringView text);
QTime storedTime(QUtf8StringView text);

// The same readings as plain numbers, for a reader that looks at every row
// but needs a QDate and QTime for one: the Julian day of a stored date, the
// milliseconds since midnight of a stored time; nothing where storedDate or
// storedTime give an invalid value.
std::optional<qint64> storedJulianDay(QUtf8StringView text);
std::optional<int> storedMsecsOfDay(QUtf8StringView text);

} // namespace vestrona
