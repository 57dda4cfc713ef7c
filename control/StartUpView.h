#pragma once

namespace vestrona {

class ErrorTrap;

// The window's part in start-up. The controller calls these in order within
// Form1.Form_Load's one trap, so each numbered step keeps its line label
// wherever its statement lives.
class StartUpView {
public:
    virtual ~StartUpView() = default;
    // Step 100: the skin file beside the program, when there is one. Throws
    // AppError when it is there but cannot be read.
    virtual void ApplySkin() = 0;
    // Steps 112 to 164: cursor, title, icon, the columns and the rows of the lists.
    virtual void setUpWindow(ErrorTrap &trap) = 0;
    // Steps 182 to 190: the alarm sound file and the interval from the settings.
    virtual void restoreAlarmSettings(ErrorTrap &trap) = 0;
    // Steps 192 to 200: the tray icon and the start-up options.
    virtual void restoreStartupOptions(ErrorTrap &trap) = 0;
    // Last: centres the window, or puts it into the tray when the options say so.
    virtual void placeWindow() = 0;
};

} // namespace vestrona
