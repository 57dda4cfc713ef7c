#pragma once

#include "formats/ShortText.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>

namespace vestrona {

// The user's regional date and time conventions, read once from the locale
// and passed to whatever formats or reads dates, so tests can choose them.
class RegionalSettings {
public:
    enum class DateOrder { MonthFirst, DayFirst, YearFirst };

    // The C/POSIX locale counts as U.S. English.
    static RegionalSettings fromLocale(const QLocale &locale);
    static RegionalSettings system();
    static RegionalSettings usEnglish();

    RegionalSettings(DateOrder order, QChar dateSeparator, QChar timeSeparator, bool twentyFourHour);

    DateOrder dateOrder() const { return mOrder; }
    QChar dateSeparator() const { return mDateSeparator; }
    QChar timeSeparator() const { return mTimeSeparator; }
    bool twentyFourHour() const { return mTwentyFourHour; }

    // Short date, always with a four-digit year: "10/23/2012" (U.S.), "23.10.2012".
    QString shortDate(const QDate &date) const;
    // Long time with seconds: "3:03:00 PM" (U.S.), "15:03:00".
    QString longTime(const QTime &time) const;
    // The same texts built in place, for a valid date and time.
    ShortText shortDateText(const QDate &date) const;
    ShortText longTimeText(const QTime &time) const;

    // The regional text-to-date conversion: numbers in the regional order;
    // when the number in the month's place is above 12 but the opposite
    // order gives a date, the opposite order. Accepts "/" as well as the
    // regional separator. Nothing for a text that is no date.
    std::optional<QDate> parseDate(QStringView text) const;
    // Reads the numbers in the given order only, never swapping them; for
    // texts whose order is known because the program wrote them.
    std::optional<QDate> parseDateInOrder(QStringView text, DateOrder order) const;
    // Reads the long-time form and 24-hour H:MM[:SS]; nothing for a text that is no time.
    std::optional<QTime> parseTime(QStringView text) const;

private:
    std::optional<QDate> readDate(QStringView text, DateOrder order, bool swapImpossibleMonth) const;

    DateOrder mOrder;
    QChar mDateSeparator;
    QChar mTimeSeparator;
    bool mTwentyFourHour;
};

} // namespace vestrona
