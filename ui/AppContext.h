#pragma once

#include "control/ControlContext.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

namespace vestrona {

class TrayBackend;
class FileDialogs;
class PasswordStore;

// Everything the main window takes from outside: what its controller takes
// (the data, the settings, the clock, the message boxes, the sound, the
// pop-up), and where the program lives, the tray, the file dialogs, where the
// calendar password is kept and how the editor and the date-format dialog
// are shown. The program passes the real ones, tests their fakes.
struct AppContext : ControlContext {
    QString programFolder;   // the executable's folder, no trailing "/"
    QString programFilePath; // the running program, for the logon entry
    QString configFolder;    // the user's config folder (settings, autostart)
    std::function<std::unique_ptr<TrayBackend>()> makeTrayBackend;
    FileDialogs &fileDialogs;
    PasswordStore &passwords; // the calendar account's password
    // Shows a dialog modally and returns once it has closed. A test plays
    // the user's part here instead.
    std::function<void(QDialog &)> runDialog = [](QDialog &dialog) { dialog.exec(); };
};

} // namespace vestrona
