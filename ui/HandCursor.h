#pragma once

#include <QString>

class QWidget;

namespace vestrona {

// Gives every push button of `window` the hand cursor of the program folder
// ("HAND-M.CUR"), when that file is there. Throws AppError when the file is
// there but cannot be loaded.
void applyHandCursor(QWidget &window, const QString &programFolder);

} // namespace vestrona
