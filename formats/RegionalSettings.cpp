#include "formats/RegionalSettings.h"

#include "formats/DigitReader.h"

namespace vestrona {

namespace {

// A locale pattern with its quoted literal text removed, so letters inside
// quotes are never taken for pattern letters.
QString patternLetters(const QString &pattern)
{
    QString out;
    bool quoted = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted)
            out.append(c);
    }
    return out;
}

// The first separator after the first run of `fieldLetters`; `fallback` when
// the pattern has none that could stand between two numbers.
QChar separatorAfterField(const QString &pattern, const QString &fieldLetters, QChar fallback)
{
    qsizetype i = 0;
    while (i < pattern.size() && !fieldLetters.contains(pattern[i]))
        ++i;
    while (i < pattern.size() && fieldLetters.contains(pattern[i]))
        ++i;
    for (; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c.isSpace())
            continue;
        if (c.isPunct() || c.isSymbol())
            return c;
        break;
    }
    return fallback;
}

bool readSeparator(QStringView text, qsizetype &pos, QChar regional, QChar alternative)
{
    if (pos < text.size() && (text[pos] == regional || text[pos] == alternative)) {
        ++pos;
        return true;
    }
    return false;
}

} // namespace

RegionalSettings::RegionalSettings(DateOrder order, QChar dateSeparator, QChar timeSeparator, bool twentyFourHour)
    : mOrder(order), mDateSeparator(dateSeparator), mTimeSeparator(timeSeparator), mTwentyFourHour(twentyFourHour)
{
}

RegionalSettings RegionalSettings::usEnglish()
{
    return RegionalSettings(DateOrder::MonthFirst, QLatin1Char('/'), QLatin1Char(':'), false);
}

RegionalSettings RegionalSettings::system()
{
    return fromLocale(QLocale::system());
}

RegionalSettings RegionalSettings::fromLocale(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return usEnglish();

    const QString date = patternLetters(locale.dateFormat(QLocale::ShortFormat));
    const qsizetype month = date.indexOf(QLatin1Char('M'));
    const qsizetype day = date.indexOf(QLatin1Char('d'));
    const qsizetype year = date.indexOf(QLatin1Char('y'));
    DateOrder order = DateOrder::MonthFirst;
    if (year >= 0 && (month < 0 || year < month) && (day < 0 || year < day))
        order = DateOrder::YearFirst;
    else if (day >= 0 && month >= 0 && day < month)
        order = DateOrder::DayFirst;

    const QChar dateSeparator = separatorAfterField(date, QStringLiteral("Mdy"), QLatin1Char('/'));

    const QString time = patternLetters(locale.timeFormat(QLocale::ShortFormat));
    const QChar timeSeparator = separatorAfterField(time, QStringLiteral("Hh"), QLatin1Char(':'));
    const QString longTime = patternLetters(locale.timeFormat(QLocale::LongFormat));
    const bool twelveHour = longTime.contains(QLatin1Char('A')) || longTime.contains(QLatin1Char('a'));

    return RegionalSettings(order, dateSeparator, timeSeparator, !twelveHour);
}

QString RegionalSettings::shortDate(const QDate &date) const
{
    return date.isValid() ? shortDateText(date).toString() : QString();
}

ShortText RegionalSettings::shortDateText(const QDate &date) const
{
    // One conversion from the Julian day; day(), month() and year() each make their own.
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    ShortText text;
    switch (mOrder) {
    case DateOrder::MonthFirst:
        text.number(month).append(mDateSeparator).number(day).append(mDateSeparator).number(year, 4);
        break;
    case DateOrder::DayFirst:
        text.number(day, 2).append(mDateSeparator).number(month, 2).append(mDateSeparator).number(year, 4);
        break;
    case DateOrder::YearFirst:
        text.number(year, 4).append(mDateSeparator).number(month, 2).append(mDateSeparator).number(day, 2);
        break;
    }
    return text;
}

QString RegionalSettings::longTime(const QTime &time) const
{
    return time.isValid() ? longTimeText(time).toString() : QString();
}

ShortText RegionalSettings::longTimeText(const QTime &time) const
{
    ShortText text;
    if (mTwentyFourHour)
        return text.number(time.hour(), 2).append(mTimeSeparator).number(time.minute(), 2).append(mTimeSeparator).number(time.second(), 2);
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return text.number(hour12).append(mTimeSeparator).number(time.minute(), 2).append(mTimeSeparator).number(time.second(), 2)
        .append(time.hour() < 12 ? QLatin1StringView(" AM") : QLatin1StringView(" PM"));
}

std::optional<QDate> RegionalSettings::parseDate(QStringView text) const
{
    return readDate(text, mOrder, true);
}

std::optional<QDate> RegionalSettings::parseDateInOrder(QStringView text, DateOrder order) const
{
    return readDate(text, order, false);
}

std::optional<QDate> RegionalSettings::readDate(QStringView text, DateOrder order, bool swapImpossibleMonth) const
{
    const QStringView view = text.trimmed();
    const QChar slash = QLatin1Char('/');
    qsizetype pos = 0;
    std::optional<int> first;
    std::optional<int> second;
    std::optional<int> third;
    if (order == DateOrder::YearFirst) {
        first = readNumber(view, pos, 4, 4);
        if (!first || !readSeparator(view, pos, mDateSeparator, slash))
            return std::nullopt;
        second = readNumber(view, pos, 1, 2);
        if (!second || !readSeparator(view, pos, mDateSeparator, slash))
            return std::nullopt;
        third = readNumber(view, pos, 1, 2);
    } else {
        first = readNumber(view, pos, 1, 2);
        if (!first || !readSeparator(view, pos, mDateSeparator, slash))
            return std::nullopt;
        second = readNumber(view, pos, 1, 2);
        if (!second || !readSeparator(view, pos, mDateSeparator, slash))
            return std::nullopt;
        third = readNumber(view, pos, 4, 4);
    }
    if (!third || pos != view.size())
        return std::nullopt;

    int year = 0;
    int month = 0;
    int day = 0;
    switch (order) {
    case DateOrder::MonthFirst:
        month = *first, day = *second, year = *third;
        break;
    case DateOrder::DayFirst:
        day = *first, month = *second, year = *third;
        break;
    case DateOrder::YearFirst:
        year = *first, month = *second, day = *third;
        break;
    }
    // A number in the month's place that cannot be a month, with one that can
    // beside it, means the text was written in the opposite order.
    if (swapImpossibleMonth && month > 12 && QDate::isValid(year, day, month))
        std::swap(month, day);
    if (!QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

std::optional<QTime> RegionalSettings::parseTime(QStringView text) const
{
    const QStringView view = text.trimmed();
    const QChar colon = QLatin1Char(':');
    qsizetype pos = 0;
    const std::optional<int> hour = readNumber(view, pos, 1, 2);
    if (!hour || !readSeparator(view, pos, mTimeSeparator, colon))
        return std::nullopt;
    const std::optional<int> minute = readNumber(view, pos, 2, 2);
    if (!minute)
        return std::nullopt;
    int second = 0;
    if (readSeparator(view, pos, mTimeSeparator, colon)) {
        const std::optional<int> seconds = readNumber(view, pos, 2, 2);
        if (!seconds)
            return std::nullopt;
        second = *seconds;
    }

    QStringView rest = view.mid(pos).trimmed();
    int hour24 = *hour;
    if (!rest.isEmpty()) {
        const bool am = rest.compare(QLatin1String("AM"), Qt::CaseInsensitive) == 0;
        const bool pm = rest.compare(QLatin1String("PM"), Qt::CaseInsensitive) == 0;
        if ((!am && !pm) || *hour < 1 || *hour > 12)
            return std::nullopt;
        hour24 = *hour % 12 + (pm ? 12 : 0);
    }
    if (!QTime::isValid(hour24, *minute, second))
        return std::nullopt;
    return QTime(hour24, *minute, second);
}

} // namespace vestrona
