#pragma once

#include <QIcon>

namespace vestrona {

// The program's icon: a white alarm bell on a blue disc, drawn at run time
// so the tray icon is the "blue icon" the user is told to click.
QIcon programIcon();

} // namespace vestrona
