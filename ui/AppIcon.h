#pragma once

#include <QIcon>

namespace vestrona {

// The program's icon: a white alarm bell on a blue disc, so the tray icon is
// the "blue icon" the user is told to click. The installed icon theme's copy
// when there is one, else the same picture drawn at run time.
QIcon programIcon();

} // namespace vestrona
