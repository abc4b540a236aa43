#pragma once
// The program's own settings, which belong to the installation rather than
// to a profile: the sound devices and the recording line the sound commands
// use, the recording level, the profile used last and the joystick to bind
// to. Read once at start-up, written when the main window closes.
#include <string>

namespace qv {

namespace input {
class TJoystick;
}

// "config.ml" in the program's folder, fixed at the first call.
const std::u16string& ProgramSettingsFileName();

// Never raises: a missing or malformed file, or a fault on the way, ends the
// loading where it happened and keeps what was taken before. "LastFile"
// becomes the profile's name only when no profile is named yet.
void LoadProgramSettings(input::TJoystick& joystick,
                         const std::u16string& fileName = ProgramSettingsFileName());
// Writes safely: a failure raises and leaves the old file.
void SaveProgramSettings(const input::TJoystick& joystick,
                         const std::u16string& fileName = ProgramSettingsFileName());

}  // namespace qv
