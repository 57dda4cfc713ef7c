#include "store/StoredDateTime.h"

#include "store/DigitReader.h"

namespace vestrona {

namespace {

void writeDigits(char *out, int value, int count)
{
    for (int i = count - 1; i >= 0; --i, value /= 10)
        out[i] = char('0' + value % 10);
}

// "<first><separator><two digits><separator><two digits>": the whole text,
// every digit at its fixed place.
template <class Value>
Value readStored(QUtf8StringView text, int firstWidth, char separator)
{
    const qsizetype second = firstWidth + 1;
    const qsizetype third = firstWidth + 4;
    if (text.size() != third + 2 || text[second - 1] != separator || text[third - 1] != separator)
        return {};
    const std::optional<int> first = readDigits(text, 0, firstWidth);
    const std::optional<int> middle = readDigits(text, second, 2);
    const std::optional<int> last = readDigits(text, third, 2);
    if (!first || !middle || !last)
        return {};
    return Value(*first, *middle, *last);
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
    return readStored<QDate>(text, 4, '-');
}

QTime storedTime(QUtf8StringView text)
{
    return readStored<QTime>(text, 2, ':');
}

} // namespace vestrona
