#include "ui/WeekdayCaptions.h"

#include <QCoreApplication>

namespace vestrona {

// A weekday's box caption: its code with a key of its own (Alt+M, Alt+T,
// Alt+W, Alt+H, …) that clashes with no other control of the editor or of
// the repeat dialog. Only the caption is translated; the stored codes stay
// kWeekdayCodes.
QString weekdayCaption(int day)
{
    static constexpr const char *kCaptions[7]
        = {QT_TRANSLATE_NOOP("Form3", "&Mon"), QT_TRANSLATE_NOOP("Form3", "&Tue"), QT_TRANSLATE_NOOP("Form3", " &Wed"),
           QT_TRANSLATE_NOOP("Form3", "T&hu"), QT_TRANSLATE_NOOP("Form3", "&Fri"), QT_TRANSLATE_NOOP("Form3", "S&at"),
           QT_TRANSLATE_NOOP("Form3", "S&un")};
    return QCoreApplication::translate("Form3", kCaptions[day]);
}

// What a screen reader says for a weekday's box: the day, not its code.
QString weekdayName(int day)
{
    static constexpr const char *kNames[7]
        = {QT_TRANSLATE_NOOP("Form3", "Monday"),    QT_TRANSLATE_NOOP("Form3", "Tuesday"),
           QT_TRANSLATE_NOOP("Form3", "Wednesday"), QT_TRANSLATE_NOOP("Form3", "Thursday"),
           QT_TRANSLATE_NOOP("Form3", "Friday"),    QT_TRANSLATE_NOOP("Form3", "Saturday"),
           QT_TRANSLATE_NOOP("Form3", "Sunday")};
    return QCoreApplication::translate("Form3", kNames[day]);
}

} // namespace vestrona
