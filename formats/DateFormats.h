#pragma once

#include "formats/RegionalSettings.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

namespace vestrona {

// The two values the DateFormat setting may hold.
inline constexpr auto kMonthFirstPattern = "mm/dd/yyyy";
inline constexpr auto kDayFirstPattern = "dd/mm/yyyy";

// Month-first SQL date literal "10/23/2012", in "#" when wrap is true,
// whatever the user's date order.
QString FormatSqlDate(const QDate &date, bool wrap);

// Countdown text: "hh:mm:ss" below one day; from one day on the whole days
// in front ("1 day 00:00:00", "2 days 03:04:05"). A negative span shows the
// time of day of its magnitude below one day.
QString FormatCountdown(qint64 seconds);

// A date in the DateFormat pattern ("mm/dd/yyyy" or "dd/mm/yyyy"; anything
// else counts as month first), with the regional date separator.
QString formatDateWithPattern(const QDate &date, const QString &pattern, const RegionalSettings &regional);
// The same text built in place, for a valid date.
ShortText dateTextWithPattern(const QDate &date, const QString &pattern, const RegionalSettings &regional);
// Reads a text written by formatDateWithPattern with the same pattern.
std::optional<QDate> readDateWithPattern(const QString &text, const QString &pattern, const RegionalSettings &regional);

// "hh:nn:ss" on the 24-hour clock with the regional time separator.
QString formatTimeOfDay(const QTime &time, const RegionalSettings &regional);
// The same text built in place, for a valid time.
ShortText timeOfDayText(const QTime &time, const RegionalSettings &regional);
std::optional<QTime> readTimeOfDay(const QString &text, const RegionalSettings &regional);

// The alarm time text: date in the pattern, one blank, time as "hh:nn:ss".
QString composeAlarmTimeText(const QDate &date, const QTime &time, const QString &pattern,
                             const RegionalSettings &regional);
// Reads an alarm time text back with the pattern that wrote it, so a change
// of DateFormat or a regional order that differs can never move a date.
std::optional<QDateTime> readAlarmTimeText(const QString &text, const QString &pattern,
                                           const RegionalSettings &regional);

} // namespace vestrona
