#include "store/ReminderRecord.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace vestrona {

int weekdayIndex(QStringView name, Qt::CaseSensitivity cs)
{
    // The codes without the blank that " Wed" carries, worked out once: the
    // scheduler asks for every weekly row it looks at.
    static const std::array<QLatin1String, 7> codes = [] {
        std::array<QLatin1String, 7> trimmed;
        for (int i = 0; i < 7; ++i)
            trimmed[i] = QLatin1String(kWeekdayCodes[i]).trimmed();
        return trimmed;
    }();
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

QString optionText(int option)
{
    switch (option) {
    case OptionOnce:
        return QStringLiteral("Remind just this one time");
    case OptionDaily:
        return QStringLiteral("Remind every day");
    case OptionWeekly:
        return QStringLiteral("Remind weekly");
    default:
        return {};
    }
}

} // namespace vestrona
