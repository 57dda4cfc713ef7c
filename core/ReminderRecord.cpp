#include "core/ReminderRecord.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace vestrona {

namespace {

// The codes without the blank that " Wed" carries, worked out once: the
// scheduler asks for every weekly row it looks at.
const std::array<QLatin1String, 7> &trimmedWeekdayCodes()
{
    static const std::array<QLatin1String, 7> codes = [] {
        std::array<QLatin1String, 7> trimmed;
        for (int i = 0; i < 7; ++i)
            trimmed[i] = QLatin1String(kWeekdayCodes[i]).trimmed();
        return trimmed;
    }();
    return codes;
}

} // namespace

int weekdayIndex(QStringView name, Qt::CaseSensitivity cs)
{
    const std::array<QLatin1String, 7> &codes = trimmedWeekdayCodes();
    const QStringView piece = name.trimmed();
    // Every code has three letters; the scheduler's pieces are mostly told
    // apart by a plain comparison, without folding case.
    if (piece.size() != 3)
        return -1;
    for (int i = 0; i < 7; ++i) {
        if (cs == Qt::CaseSensitive ? piece == codes[i] : piece.compare(codes[i], cs) == 0)
            return i;
    }
    return -1;
}

int weekdayMask(QStringView weekdays)
{
    int mask = 0;
    const qsizetype size = weekdays.size();
    qsizetype from = 0;
    while (from <= size) {
        qsizetype end = from;
        while (end < size && weekdays[end] != QLatin1Char(','))
            ++end;
        const int day = weekdayIndex(weekdays.mid(from, end - from));
        if (day >= 0)
            mask |= 1 << (day + 1);
        from = end + 1;
    }
    return mask;
}

int weekdayMask(QUtf8StringView weekdays)
{
    const auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    // Blanks beyond ASCII are trimmed too, as QChar knows them.
    if (!std::all_of(weekdays.begin(), weekdays.end(), isAscii))
        return weekdayMask(QStringView(weekdays.toString()));
    // The blanks QStringView::trimmed takes off, within ASCII.
    const auto isBlank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    const std::array<QLatin1String, 7> &codes = trimmedWeekdayCodes();
    int mask = 0;
    const char *text = weekdays.data();
    const qsizetype size = weekdays.size();
    qsizetype from = 0;
    while (from <= size) {
        qsizetype end = from;
        while (end < size && text[end] != ',')
            ++end;
        qsizetype first = from, last = end;
        while (first < last && isBlank(text[first]))
            ++first;
        while (last > first && isBlank(text[last - 1]))
            --last;
        if (last - first == 3) {
            for (int i = 0; i < 7; ++i) {
                if (std::equal(text + first, text + last, codes[i].data()))
                    mask |= 1 << (i + 1);
            }
        }
        from = end + 1;
    }
    return mask;
}

const char *optionSourceText(int option)
{
    switch (option) {
    case OptionOnce:
        return QT_TRANSLATE_NOOP("RuleSummary", "Remind just this one time");
    case OptionDaily:
        return QT_TRANSLATE_NOOP("RuleSummary", "Remind every day");
    case OptionWeekly:
        return QT_TRANSLATE_NOOP("RuleSummary", "Remind weekly");
    default:
        return "";
    }
}

QString optionText(int option)
{
    return QString::fromLatin1(optionSourceText(option));
}

QString weekdaysText(const bool ticked[7])
{
    QString text;
    for (int i = 0; i < 7; ++i) {
        if (ticked[i])
            text += QString::fromLatin1(kWeekdayCodes[i]) + QLatin1Char(',');
    }
    if (!text.isEmpty())
        text.chop(1);
    return text;
}

ReminderRecord storedRecord(const ReminderValues &values, qint64 id)
{
    ReminderRecord record;
    record.ID = id;
    record.Option = values.option;
    record.StartDate = values.date;
    record.StartTime = values.time;
    record.Reminder = values.message;
    record.Weekdays = values.weekdays;
    if (!values.repeat.isEmpty())
        record.repeat = std::make_shared<const RepeatRule>(values.repeat);
    return record;
}

} // namespace vestrona
