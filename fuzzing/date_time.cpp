// The regional date and time readers take texts from backup files, the
// settings and the scheduler's alarm time text. The first input byte picks
// the regional conventions and the DateFormat pattern, the rest is the text.
// Whatever a reader accepts must be a valid value that the matching writer
// turns back into a text the reader gives the same value for.

#include "fuzzing/FuzzEntry.h"

#include "formats/DateFormats.h"
#include "formats/RegionalSettings.h"

#include <QString>

namespace {

using namespace vestrona;
using Order = RegionalSettings::DateOrder;

RegionalSettings regionalFrom(uint8_t choice)
{
    static const Order orders[3] = {Order::MonthFirst, Order::DayFirst, Order::YearFirst};
    static const char dateSeparators[4] = {'/', '.', '-', '/'};
    static const char timeSeparators[2] = {':', '.'};
    return RegionalSettings(orders[choice % 3], QLatin1Char(dateSeparators[(choice / 3) % 4]),
                            QLatin1Char(timeSeparators[(choice / 12) % 2]), (choice / 24) % 2 == 1);
}

void checkDates(const QString &text, const RegionalSettings &regional)
{
    if (const std::optional<QDate> date = regional.parseDate(text)) {
        fuzzCheck(date->isValid(), "parseDate gave an invalid date");
        const std::optional<QDate> again = regional.parseDate(regional.shortDate(*date));
        fuzzCheck(again && *again == *date, "the short date does not read back");
    }
    for (const Order order : {Order::MonthFirst, Order::DayFirst, Order::YearFirst}) {
        if (const std::optional<QDate> date = regional.parseDateInOrder(text, order))
            fuzzCheck(date->isValid(), "parseDateInOrder gave an invalid date");
    }
}

void checkTime(const QString &text, const RegionalSettings &regional)
{
    if (const std::optional<QTime> time = regional.parseTime(text)) {
        fuzzCheck(time->isValid(), "parseTime gave an invalid time");
        const std::optional<QTime> again = regional.parseTime(regional.longTime(*time));
        fuzzCheck(again && *again == *time, "the long time does not read back");
    }
}

void checkPatterns(const QString &text, const RegionalSettings &regional)
{
    for (const char *pattern : {kMonthFirstPattern, kDayFirstPattern}) {
        const QString patternText = QString::fromLatin1(pattern);
        if (const std::optional<QDate> date = readDateWithPattern(text, patternText, regional)) {
            fuzzCheck(date->isValid(), "readDateWithPattern gave an invalid date");
            const std::optional<QDate> again =
                readDateWithPattern(formatDateWithPattern(*date, patternText, regional), patternText, regional);
            fuzzCheck(again && *again == *date, "a pattern date does not read back");
        }
        if (const std::optional<QDateTime> alarm = readAlarmTimeText(text, patternText, regional)) {
            fuzzCheck(alarm->date().isValid() && alarm->time().isValid(), "readAlarmTimeText gave an invalid time");
            const QString written = composeAlarmTimeText(alarm->date(), alarm->time(), patternText, regional);
            const std::optional<QDateTime> again = readAlarmTimeText(written, patternText, regional);
            fuzzCheck(again && again->date() == alarm->date() && again->time() == alarm->time(),
                      "an alarm time text does not read back");
        }
    }
}

} // namespace

int fuzzOne(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const RegionalSettings regional = regionalFrom(data[0]);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    checkDates(text, regional);
    checkTime(text, regional);
    checkPatterns(text, regional);
    return 0;
}
