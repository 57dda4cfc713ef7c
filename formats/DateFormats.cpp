#include "formats/DateFormats.h"

#include <QCoreApplication>

#include <limits>

namespace vestrona {

namespace {

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

bool isDayFirst(const QString &pattern)
{
    return pattern == QLatin1String(kDayFirstPattern);
}

} // namespace

QString FormatSqlDate(const QDate &date, bool wrap)
{
    // An invalid date has no literal; an empty text makes the statement fail
    // visibly instead of storing a made-up date.
    if (!date.isValid())
        return {};
    const QString text = twoDigits(date.month()) + QLatin1Char('/') + twoDigits(date.day()) + QLatin1Char('/')
        + QString::number(date.year());
    return wrap ? QLatin1Char('#') + text + QLatin1Char('#') : text;
}

QString FormatCountdown(qint64 seconds)
{
    // Unsigned arithmetic so that the most negative value has a magnitude too.
    const quint64 magnitude = seconds < 0 ? 0 - static_cast<quint64>(seconds) : static_cast<quint64>(seconds);
    const quint64 days = magnitude / 86400;
    const quint64 rest = magnitude % 86400;
    const QString clock = twoDigits(static_cast<int>(rest / 3600)) + QLatin1Char(':')
        + twoDigits(static_cast<int>(rest / 60 % 60)) + QLatin1Char(':') + twoDigits(static_cast<int>(rest % 60));
    if (days == 0)
        return clock;
    if (days == 1)
        return QCoreApplication::translate("Countdown", "1 day %1").arg(clock);
    // Beyond an int only the last digits choose the plural form, in every language.
    const int pluralOf = days > quint64(std::numeric_limits<int>::max()) ? int(days % 1000) + 1000 : int(days);
    return QCoreApplication::translate("Countdown", "%1 days %2", nullptr, pluralOf).arg(QString::number(days), clock);
}

QString formatDateWithPattern(const QDate &date, const QString &pattern, const RegionalSettings &regional)
{
    return date.isValid() ? dateTextWithPattern(date, pattern, regional).toString() : QString();
}

ShortText dateTextWithPattern(const QDate &date, const QString &pattern, const RegionalSettings &regional)
{
    const QChar separator = regional.dateSeparator();
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    ShortText text;
    if (isDayFirst(pattern))
        return text.number(day, 2).append(separator).number(month, 2).append(separator).number(year, 4);
    return text.number(month, 2).append(separator).number(day, 2).append(separator).number(year, 4);
}

std::optional<QDate> readDateWithPattern(const QString &text, const QString &pattern, const RegionalSettings &regional)
{
    using Order = RegionalSettings::DateOrder;
    return regional.parseDateInOrder(text, isDayFirst(pattern) ? Order::DayFirst : Order::MonthFirst);
}

QString formatTimeOfDay(const QTime &time, const RegionalSettings &regional)
{
    return time.isValid() ? timeOfDayText(time, regional).toString() : QString();
}

ShortText timeOfDayText(const QTime &time, const RegionalSettings &regional)
{
    const QChar separator = regional.timeSeparator();
    ShortText text;
    return text.number(time.hour(), 2).append(separator).number(time.minute(), 2).append(separator).number(time.second(), 2);
}

std::optional<QTime> readTimeOfDay(const QString &text, const RegionalSettings &regional)
{
    return regional.parseTime(text);
}

QString composeAlarmTimeText(const QDate &date, const QTime &time, const QString &pattern,
                             const RegionalSettings &regional)
{
    if (!date.isValid() || !time.isValid())
        return {};
    return formatDateWithPattern(date, pattern, regional) + QLatin1Char(' ') + formatTimeOfDay(time, regional);
}

std::optional<QDateTime> readAlarmTimeText(const QString &text, const QString &pattern,
                                           const RegionalSettings &regional)
{
    const QString trimmed = text.trimmed();
    const qsizetype blank = trimmed.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return std::nullopt;
    const std::optional<QDate> date = readDateWithPattern(trimmed.left(blank), pattern, regional);
    if (!date)
        return std::nullopt;
    const std::optional<QTime> time = readTimeOfDay(trimmed.mid(blank + 1), regional);
    if (!time)
        return std::nullopt;
    return QDateTime(*date, *time);
}

} // namespace vestrona
