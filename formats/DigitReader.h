#pragma once

#include <QChar>
#include <QtGlobal>

#include <optional>

namespace vestrona {

// The value of an ASCII digit, or -1: the numbers in dates and times are
// ASCII digits only, whatever other scripts count as digits.
constexpr int asciiDigit(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

constexpr int asciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9' ? int(c.unicode() - u'0') : -1;
}

// The value of the `count` digits at `from`, or nothing when one of them is
// no digit. For the fixed-width numbers of a text whose length is known.
template <class Text>
std::optional<int> readDigits(Text text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const int digit = asciiDigit(text[i]);
        if (digit < 0)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

// Reads an unsigned decimal number of minDigits to maxDigits digits at `pos`
// of a QStringView or QUtf8StringView and moves `pos` past it. Nothing when
// there are fewer digits, or more than the field may have.
template <class Text>
std::optional<int> readNumber(Text text, qsizetype &pos, int minDigits, int maxDigits)
{
    qsizetype end = pos;
    while (end < text.size() && asciiDigit(text[end]) >= 0)
        ++end;
    if (end - pos < minDigits || end - pos > maxDigits)
        return std::nullopt;
    const std::optional<int> value = readDigits(text, pos, end - pos);
    pos = end;
    return value;
}

} // namespace vestrona
