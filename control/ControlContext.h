#pragma once

#include "config/DataLocation.h"
#include "formats/RegionalSettings.h"

namespace vestrona {

class AlarmPopup;
class Clock;
class Reporter;
class SettingsStore;
class SoundPlayer;

// What the controller takes from outside: the program's pieces that are no
// window. The program passes the real ones, tests their fakes.
struct ControlContext {
    RegionalSettings regional;
    Reporter &reporter;
    SettingsStore &settings;
    const Clock &clock;
    SoundPlayer &sound;
    AlarmPopup &popup;
    DataFiles data; // the reminder database and the default alarm sound
};

} // namespace vestrona
