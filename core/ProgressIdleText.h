#pragma once

#include <QCoreApplication>

namespace vestrona {

// ProgressBar1's text whenever nothing is under way: before the countdown
// starts, while it has no reminder, and after a backup or restore.
inline constexpr auto kProgressIdleText = QT_TRANSLATE_NOOP("Progress", "Progress Bar");

// kProgressIdleText in the user's language.
inline QString progressIdleText()
{
    return QCoreApplication::translate("Progress", kProgressIdleText);
}

} // namespace vestrona
