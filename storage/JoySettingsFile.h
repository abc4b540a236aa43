#pragma once
// The joystick settings file: how each physical axis of the joystick is read
// (not at all, as a lever with stored rest values, or as an analog axis) and
// the noise margin. It belongs to the installation, not to a profile.
#include <string>

#include "formats/Multilevel.h"

namespace qv {

// "default.qvjoy" in the program's folder, fixed at the first call.
const std::u16string& JoySettingsFileName();

// Reads the file into JoySettings, whose defaults the caller has set. A file
// that is missing or does not parse changes nothing and is no error: the
// defaults stay. A file that parses but lacks a required value, or holds
// one that does not convert, keeps the entries read before the fault, and
// its error text is returned so that start-up can tell the user; empty when
// there is nothing to tell.
std::u16string LoadJoySettings(const std::u16string& fileName = JoySettingsFileName());
// Writes JoySettings safely: a failure raises and leaves the old file.
void SaveJoySettings(const std::u16string& fileName = JoySettingsFileName());

// The parts of load and save that touch no file; reading raises EMultilevel
// or EConvertError as loading would report them.
void ReadJoySettingsDocument(const TMultilevel& root);
void BuildJoySettingsDocument(TMultilevel& root);

}  // namespace qv
