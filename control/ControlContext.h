#pragma once

#include "config/DataLocation.h"
#include "formats/RegionalSettings.h"

namespace vestrona {

class AlarmNotifier;
class AlarmPopup;
class Clock;
class Reporter;
class SettingsStore;
class SleepWatch;
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
    // The desktop's notifications beside the pop-up; none without.
    AlarmNotifier *notifier = nullptr;
    // Wake-ups from a suspend; none without.
    SleepWatch *sleep = nullptr;
};

} // namespace vestrona
