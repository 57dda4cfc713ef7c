#include "store/ReminderRecord.h"

namespace vestrona {

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
