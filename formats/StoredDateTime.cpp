#include "formats/StoredDateTime.h"

#include "formats/DigitReader.h"

namespace vestrona {

namespace {

void writeDigits(char *out, int value, int count)
{
    for (int i = count - 1; i >= 0; --i, value /= 10)
        out[i] = char('0' + value % 10);
}

struct StoredParts {
    int first = 0, middle = 0, last = 0;
};

// "<first><separator><two digits><separator><two digits>": the whole text,
// every digit at its fixed place.
std::optional<StoredParts> readStored(QUtf8StringView text, int firstWidth, char separator)
{
    const qsizetype second = firstWidth + 1;
    const qsizetype third = firstWidth + 4;
    if (text.size() != third + 2 || text[second - 1] != separator || text[third - 1] != separator)
        return std::nullopt;
    const std::optional<int> first = readDigits(text, 0, firstWidth);
    const std::optional<int> middle = readDigits(text, second, 2);
    const std::optional<int> last = readDigits(text, third, 2);
    if (!first || !middle || !last)
        return std::nullopt;
    return StoredParts{*first, *middle, *last};
}

bool isLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

} // namespace

QByteArray isoDate(const QDate &date)
{
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    QByteArray text(10, '-');
    writeDigits(text.data(), year, 4);
    writeDigits(text.data() + 5, month, 2);
    writeDigits(text.data() + 8, day, 2);
    return text;
}

QByteArray isoTime(const QTime &time)
{
    QByteArray text(8, ':');
    writeDigits(text.data(), time.hour(), 2);
    writeDigits(text.data() + 3, time.minute(), 2);
    writeDigits(text.data() + 6, time.second(), 2);
    return text;
}

QDate storedDate(QUtf8StringView text)
{
    const std::optional<qint64> day = storedJulianDay(text);
    return day ? QDate::fromJulianDay(*day) : QDate();
}

QTime storedTime(QUtf8StringView text)
{
    const std::optional<int> msecs = storedMsecsOfDay(text);
    return msecs ? QTime::fromMSecsSinceStartOfDay(*msecs) : QTime();
}

std::optional<qint64> storedJulianDay(QUtf8StringView text)
{
    const std::optional<StoredParts> parts = readStored(text, 4, '-');
    if (!parts)
        return std::nullopt;
    const auto [year, month, day] = *parts;
    // The Gregorian calendar as QDate knows it: it has no year 0.
    static constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year == 0 || month < 1 || month > 12 || day < 1
        || day > kMonthDays[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0))
        return std::nullopt;
    // Counted from March, so that the leap day ends a year.
    const int a = (14 - month) / 12;
    const qint64 y = year + 4800 - a;
    const int m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

std::optional<int> storedMsecsOfDay(QUtf8StringView text)
{
    const std::optional<StoredParts> parts = readStored(text, 2, ':');
    if (!parts || parts->first > 23 || parts->middle > 59 || parts->last > 59)
        return std::nullopt;
    return ((parts->first * 60 + parts->middle) * 60 + parts->last) * 1000;
}

} // namespace vestrona
