#pragma once

#include <QChar>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>

namespace vestrona {

// A short text such as a date, a time or an ID built in place: a list or a
// backup writes several for every one of a million rows, and building each
// from QString pieces costs more than reading the row.
class ShortText {
public:
    static constexpr qsizetype kCapacity = 64;

    // The digits of `value` as QString::number writes them, with zeros in
    // front up to `width` characters, as QString::rightJustified pads.
    ShortText &number(qint64 value, int width = 1)
    {
        char16_t digits[24];
        qsizetype count = 0;
        // Unsigned, so that the most negative value has digits too.
        quint64 magnitude = value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
        do {
            digits[count++] = char16_t(u'0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (value < 0)
            digits[count++] = u'-';
        for (qsizetype pad = count; pad < width; ++pad)
            mUnits[mSize++] = u'0';
        while (count > 0)
            mUnits[mSize++] = digits[--count];
        return *this;
    }

    ShortText &append(QChar c)
    {
        mUnits[mSize++] = c.unicode();
        return *this;
    }

    ShortText &append(QLatin1StringView text)
    {
        for (const char c : text)
            mUnits[mSize++] = static_cast<unsigned char>(c);
        return *this;
    }

    // For short texts only, such as the name of an option.
    ShortText &append(QStringView text)
    {
        for (const QChar c : text)
            mUnits[mSize++] = c.unicode();
        return *this;
    }

    QStringView view() const { return QStringView(mUnits, mSize); }
    QString toString() const { return view().toString(); }

private:
    char16_t mUnits[kCapacity];
    qsizetype mSize = 0;
};

} // namespace vestrona
